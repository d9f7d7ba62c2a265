#pragma once

#include "items/base/vyredidbasegroupitem.h"
#include "model/base/edidbaserecords.h"

class BasicParAspectRatioWidget;
class QComboBox;
class QLineEdit;

// The "Basic Params Info" group of the base block: video input definition, screen size or
// aspect ratio, gamma, colour type and feature flags (bytes 20 to 24). The item keeps one
// BasicDisplayParams record, read once when the rows are built; every editor changes its own
// fields of that record and the whole record is written back after each change, so every
// write carries all edits made so far.
class VyrEdidBasicParamsInfoItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidBasicParamsInfoItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    // Builds the rows; false, and no row, without a model.
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Fills and connects the colour type list and the gamma row's check box; called once, by
    // InitItems().
    void UpdateItemData();

public slots:
    void onVideoParamsChanged(const BasicDisplayParams &params);
    void onAspectRatioChanged(const BasicDisplayParams &params);
    void onGammaChanged();
    void onColorTypeChanged(int index);
    void onCheckStateChanged(bool state, int subItemType);

private:
    void writeParams();
    QString gammaText() const;
    QStringList colorTypeEntries() const;
    int colorTypeRow() const;

    bool m_isEdid14;
    BasicDisplayParams m_params{};

    QTreeWidgetItem *m_gammaRow = nullptr;
    QTreeWidgetItem *m_colorTypeRow = nullptr;
    QLineEdit *m_gamma = nullptr;
    BasicParAspectRatioWidget *m_screenSize = nullptr;
    QComboBox *m_colorType = nullptr;
};
