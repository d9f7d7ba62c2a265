#include "vyredidrangelimitsubitem.h"

VyrEdidRangeLimitSubItem::VyrEdidRangeLimitSubItem(unsigned int code, unsigned int slotNumber,
                                                   DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::RangeLimits, slotNumber, block)
    , m_code(code)
{
    setText(VyrEdidColumn::Property, fieldLabel(code));
}

bool VyrEdidRangeLimitSubItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidRangeLimitSubItem::GetItemLocations() const
{
    return bodyLocation(m_code);
}
