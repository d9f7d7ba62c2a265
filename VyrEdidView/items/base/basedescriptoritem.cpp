#include "basedescriptoritem.h"

#include "model/datablock.h"

BaseDescriptorItem::BaseDescriptorItem(int kind, unsigned int slotNumber, DataBlock *block)
    : VyrEdidItemBase(nullptr, kind)
    , m_slotNumber(slotNumber)
    , m_block(block)
{}

QList<EdidItemLocation> BaseDescriptorItem::GetItemLocations() const
{
    return m_block ? m_block->GetStringDescriptorLocation(~0u, m_slotNumber)
                   : QList<EdidItemLocation>();
}
