#include "vyrediddetiledtimingsubitem.h"

#include "model/datablock.h"

VyrEdidDetiledTimingSubItem::VyrEdidDetiledTimingSubItem(unsigned int code, unsigned int index,
                                                         DataBlock *block)
    : DescriptorFieldItem(VyrEdidItemKind::DetailedTiming, code, index, block, fieldLabel(code))
{}

QList<EdidItemLocation> VyrEdidDetiledTimingSubItem::GetItemLocations() const
{
    return m_block ? m_block->GetDetailedTimingLocation(m_code, m_slotNumber)
                   : QList<EdidItemLocation>();
}
