#pragma once

#include "items/base/basedescriptoritem.h"

// A display colour management descriptor (EDID 1.4, tag 0xF9): six polynomial coefficients.
// The item shows its title and reports the descriptor's bytes.
class VyrEdidColorMgmtItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    VyrEdidColorMgmtItem(unsigned int slotNumber, DataBlock *block);

    bool InitItems() override;
};
