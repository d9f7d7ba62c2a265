#pragma once

#include "items/vtb/vtbsectionitem.h"

// "Standard Timings Info": the 2-byte standard timings of a VTB-EXT block (VESA E-EDID 1.4,
// section 3.9), one base-block standard timing row "Timing <n>" each.
class VyrEdidStandardTimingSectionItem : public VtbSectionItem
{
    Q_OBJECT

public:
    VyrEdidStandardTimingSectionItem(unsigned int index, unsigned int count, DataBlock *block);

    // All standard timings; nothing when there is none.
    QList<EdidItemLocation> GetItemLocations() const override;

public slots:
    void onAddST();
    void onRemoveST(unsigned int index, bool isAddButton);
    void onUpdateItemData(unsigned int index, StandardTiming aTiming);

protected:
    unsigned int countInBlock() const override;
    bool allowNew() const override;
    QTreeWidgetItem *buildRow(unsigned int index) override;
    void addClicked() override { onAddST(); }
    void removeClicked(unsigned int index, bool isAddButton) override
    {
        onRemoveST(index, isAddButton);
    }
};
