#pragma once

#include "items/base/basedescriptoritem.h"

// A colour point descriptor (tag 0xFB): two additional white points. The item shows its
// title and reports the descriptor's bytes.
class VyrEdidColorPointItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    VyrEdidColorPointItem(unsigned int slotNumber, DataBlock *block);

    bool InitItems() override;
};
