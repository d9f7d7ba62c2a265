#include "vyredidrangelimititem.h"

#include "model/datablock.h"

VyrEdidRangeLimitItem::VyrEdidRangeLimitItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::RangeLimits, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Range Limits Info"));
}

bool VyrEdidRangeLimitItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidRangeLimitItem::GetItemLocations() const
{
    return m_block ? m_block->GetRangeLimitsLocation(~0u, m_slotNumber) : QList<EdidItemLocation>();
}
