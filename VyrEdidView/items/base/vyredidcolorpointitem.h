#pragma once

#include "items/base/basedescriptoritem.h"

// A colour point descriptor (tag 0xFB, VESA E-EDID 1.4 section 3.10.3.6): two additional white
// points, each a child item "Color Point 0" / "Color Point 1" (VyrEdidColorPointSubItem) with
// its index, x and y and gamma. The item shows the whole descriptor.
class VyrEdidColorPointItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    VyrEdidColorPointItem(unsigned int slotNumber, DataBlock *block);

    // Reads the descriptor and builds the two white points; false, with no rows, without a
    // block.
    bool InitItems() override;
};
