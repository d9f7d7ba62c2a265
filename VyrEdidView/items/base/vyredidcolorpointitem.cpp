#include "vyredidcolorpointitem.h"

VyrEdidColorPointItem::VyrEdidColorPointItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::ColorPoint, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Color Point Data"));
}

bool VyrEdidColorPointItem::InitItems()
{
    return true;
}
