#pragma once

#include "items/vtb/vtbsectionitem.h"

// "Detailed Timings Info": the 18-byte detailed timings of a VTB-EXT block, one base-block
// detailed timing row each (numbered from 0); every row writes its own field edits.
class VyrEdidDetailedTimingsSectionItem : public VtbSectionItem
{
    Q_OBJECT

public:
    VyrEdidDetailedTimingsSectionItem(unsigned int index, unsigned int count, DataBlock *block);

    // All detailed timings; nothing when there is none.
    QList<EdidItemLocation> GetItemLocations() const override;

public slots:
    void onAddDTB();
    void onRemoveDTB(unsigned int index, bool isAddButton);
    void onUpdateItemData(unsigned int index, DetailedTiming &aTiming);

protected:
    unsigned int countInBlock() const override;
    bool allowNew() const override;
    QTreeWidgetItem *buildRow(unsigned int index) override;
    void addClicked() override { onAddDTB(); }
    void removeClicked(unsigned int index, bool isAddButton) override
    {
        onRemoveDTB(index, isAddButton);
    }
};
