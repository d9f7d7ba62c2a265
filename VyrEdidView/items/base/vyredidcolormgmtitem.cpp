#include "vyredidcolormgmtitem.h"

// The colour management item shares the kind code of the descriptor list.
VyrEdidColorMgmtItem::VyrEdidColorMgmtItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::Descriptors, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Color Management"));
}

bool VyrEdidColorMgmtItem::InitItems()
{
    return true;
}
