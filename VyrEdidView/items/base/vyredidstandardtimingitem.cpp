#include "vyredidstandardtimingitem.h"

#include "model/datablock.h"

VyrEdidStandardTimingItem::VyrEdidStandardTimingItem(unsigned int section, unsigned int count,
                                                     DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::StandardTimings)
    , m_section(section)
    , m_count(count)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("Standard Timings Info"));
}

bool VyrEdidStandardTimingItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidStandardTimingItem::GetItemLocations() const
{
    return m_block ? m_block->GetStandardTimingLocation(~0u, m_section) : QList<EdidItemLocation>();
}
