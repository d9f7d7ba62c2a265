#include "vyrediddetiledtimingsubitem.h"

#include "model/datablock.h"

VyrEdidDetiledTimingSubItem::VyrEdidDetiledTimingSubItem(unsigned int code, unsigned int index,
                                                         DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::DetailedTiming, index, block)
    , m_code(code)
{
    setText(VyrEdidColumn::Property, fieldLabel(code));
}

bool VyrEdidDetiledTimingSubItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidDetiledTimingSubItem::GetItemLocations() const
{
    return m_block ? m_block->GetDetailedTimingLocation(m_code, m_slotNumber)
                   : QList<EdidItemLocation>();
}
