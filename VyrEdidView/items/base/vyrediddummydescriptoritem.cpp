#include "vyrediddummydescriptoritem.h"

#include "model/datablock.h"

VyrEdidDummyDescriptorItem::VyrEdidDummyDescriptorItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::DummyDescriptor, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Descriptor Placeholder"));
}

bool VyrEdidDummyDescriptorItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidDummyDescriptorItem::GetItemLocations() const
{
    return m_block ? m_block->GetDummyDescriptorLocation(~0u, m_slotNumber)
                   : QList<EdidItemLocation>();
}
