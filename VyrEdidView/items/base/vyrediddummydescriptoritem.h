#pragma once

#include "items/base/basedescriptoritem.h"

// An empty descriptor slot (placeholder descriptor, tag 0x10). It has no rows; the descriptor
// list puts the add button on it, through which another kind takes the slot.
class VyrEdidDummyDescriptorItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    VyrEdidDummyDescriptorItem(unsigned int slotNumber, DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
