#pragma once

#include "items/vtb/vtbsectionitem.h"

// "Coordinated Video Timings Info": the 3-byte CVT codes of a VTB-EXT block (VESA E-EDID 1.4,
// section 3.10.3.8), one row "CVT 3Byte Timing <n>" with a CVT code editor each.
class VyrEdidCoordinatedTimingsSectionItem : public VtbSectionItem
{
    Q_OBJECT

public:
    VyrEdidCoordinatedTimingsSectionItem(unsigned int index, unsigned int count, DataBlock *block);

    // All CVT codes; nothing when there is none.
    QList<EdidItemLocation> GetItemLocations() const override;

public slots:
    void onAddCVT();
    void onRemoveCVT(unsigned int index, bool isAddButton);
    void onUpdateItemData(unsigned int index, const Cvt3ByteTiming &timing);

protected:
    unsigned int countInBlock() const override;
    bool allowNew() const override;
    QTreeWidgetItem *buildRow(unsigned int index) override;
    void addClicked() override { onAddCVT(); }
    void removeClicked(unsigned int index, bool isAddButton) override
    {
        onRemoveCVT(index, isAddButton);
    }
};
