#pragma once

#include "ceaextdatablockitem.h"

#include <QVector>

// A short audio descriptor of an audio data block (field code 28: its row, which holds the
// editors) or one of its field rows (29 to 42: label and bytes only).
class CeaExtDataBlockAudioSubItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    static constexpr unsigned int DescriptorCode = 28;
    static constexpr unsigned int ValueCode = 38;

    CeaExtDataBlockAudioSubItem(unsigned int fieldCode, unsigned int index, unsigned int sadIndex,
                                CeaExtBlock *block, unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The entries of the format list (entry = format code - 1).
    static QStringList formatEntries();

private:
    struct FieldRow
    {
        unsigned int code;
        const char *label;
        unsigned int parent;
        int bit;
    };
    static const FieldRow Rows[14];

    // Builds the field rows and editors of the descriptor row.
    void updateBlockData();
    // Adapts the value row and the bit depth boxes to the chosen format.
    void updateControles();
    void onDataChanged();

    unsigned int m_sad;
    CeaExtDataBlockAudioSubItem *m_valueRow = nullptr;
    QComboBox *m_format = nullptr;
    QLineEdit *m_channels = nullptr;
    QLineEdit *m_value = nullptr;
    QVector<QCheckBox *> m_rates;
    QVector<QCheckBox *> m_depths;
};
