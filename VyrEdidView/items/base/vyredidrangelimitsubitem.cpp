#include "vyredidrangelimitsubitem.h"

VyrEdidRangeLimitSubItem::VyrEdidRangeLimitSubItem(unsigned int code, unsigned int slotNumber,
                                                   DataBlock *block)
    : DescriptorFieldItem(VyrEdidItemKind::RangeLimits, code, slotNumber, block, fieldLabel(code))
{}

QList<EdidItemLocation> VyrEdidRangeLimitSubItem::GetItemLocations() const
{
    return bodyLocation(m_code);
}
