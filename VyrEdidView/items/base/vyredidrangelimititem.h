#pragma once

#include "items/base/basedescriptoritem.h"

// A display range limits descriptor (tag 0xFD). The item shows its title and reports the
// descriptor's bytes 4 to 16.
class VyrEdidRangeLimitItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    VyrEdidRangeLimitItem(unsigned int slotNumber, DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;
};
