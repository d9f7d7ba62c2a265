#pragma once

#include "frame/vyrediditembase.h"

#include <QString>
#include <QStringList>

class DataBlock;
class QCheckBox;
class QComboBox;
struct DetailedTiming;

// One 18-byte detailed timing descriptor (VESA E-EDID 1.4, section 3.10.2) shown as eighteen
// field rows: thirteen numbers, the sync signal kind, the stereo format, interlace and the two
// sync flags of byte 17, whose meaning follows the sync kind. Every edit reads the descriptor
// from its block, changes one field and writes the whole record back (the block re-encodes the
// 18 bytes and its checksum). A derived item makes the field rows, which carry their title and
// the descriptor's bytes in its block's own terms.
class VyrEdidDtdFieldsItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // The fields, numbered as the rows' field codes of a base block descriptor (a CEA-861
    // descriptor adds 10).
    enum Field : unsigned int {
        HActive = 0,
        VActive = 1,
        HBlank = 2,
        VBlank = 3,
        HSyncOffset = 4,
        VSyncOffset = 5,
        HSyncWidth = 6,
        VSyncWidth = 7,
        HBorder = 8,
        VBorder = 9,
        HImageSize = 10,
        VImageSize = 11,
        PixelClock = 12,
        Interlace = 13,
        SyncSignal = 14,
        Flag1 = 15,
        Flag2 = 16,
        StereoFormat = 17,
        FieldCount = 18
    };

    // The row title of field ("HAdressable:", ...); empty for any other number.
    static QString fieldLabel(unsigned int field);
    // Entries of the two drop-down lists; the entry's row is the record's value.
    static QStringList syncSignalNames();
    static QStringList stereoFormatNames();
    // Titles of the flag rows (byte 17 bits 1 and 2) for a sync kind; false for an unknown kind.
    static bool flagLabels(int syncKind, QString *flag1, QString *flag2);

    // The editors, for the owner's tests and its refreshes.
    QLineEdit *numberEdit(unsigned int field) const;
    QComboBox *syncSignalCombo() const { return m_syncSignal; }
    QComboBox *stereoFormatCombo() const { return m_stereoFormat; }
    QTreeWidgetItem *flag1Row() const { return m_flag1Row; }
    QTreeWidgetItem *flag2Row() const { return m_flag2Row; }

    unsigned int dtdIndex() const { return m_dtdIndex; }

public slots:
    void onSyncSignal(int kind);
    void onStereoFormat(int mode);
    void onInterlace(bool on);
    void onFlag1(bool on);
    void onFlag2(bool on);

protected:
    // block: the descriptor's block (not owned, may be null); index: the descriptor's number
    // in the block's own GetDetailedTiming() terms.
    VyrEdidDtdFieldsItem(unsigned char *image, int kind, DataBlock *block, unsigned int index);

    // Reads the descriptor and adds the eighteen field rows with their editors (the item must
    // be in its tree). False, with no row added, without a block or a descriptor.
    bool buildFieldRows();
    // The row of field, made without parent: its title and its bytes.
    virtual VyrEdidItemBase *createFieldRow(unsigned int field) = 0;
    // Titles the flag rows after the sync kind chosen.
    void setLabels();

    DataBlock *m_dtdBlock;
    unsigned int m_dtdIndex;

private:
    VyrEdidItemBase *addFieldRow(unsigned int field);
    // Reads the descriptor, lets change set one field, writes it back and notifies.
    template <typename Change> void editTiming(Change change);

    QList<QLineEdit *> m_numberEdits;
    QComboBox *m_syncSignal = nullptr;
    QComboBox *m_stereoFormat = nullptr;
    QTreeWidgetItem *m_flag1Row = nullptr;
    QTreeWidgetItem *m_flag2Row = nullptr;
};
