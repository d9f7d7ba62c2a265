#include "vyredidestablishtimingitem.h"

#include "model/datablock.h"

VyrEdidEstablishTimingItem::VyrEdidEstablishTimingItem(unsigned int section, DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::EstablishedTimings)
    , m_section(section)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("Established Timings Info"));
}

bool VyrEdidEstablishTimingItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidEstablishTimingItem::GetItemLocations() const
{
    return m_block ? m_block->GetEstablishedTimingLocation(~0u, m_section)
                   : QList<EdidItemLocation>();
}
