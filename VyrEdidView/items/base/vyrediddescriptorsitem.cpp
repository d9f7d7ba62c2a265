#include "vyrediddescriptorsitem.h"

#include "model/datablock.h"

VyrEdidDescriptorsItem::VyrEdidDescriptorsItem(DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::Descriptors)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("Descriptors"));
}

bool VyrEdidDescriptorsItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidDescriptorsItem::GetItemLocations() const
{
    return m_block ? m_block->GetDescriptorsLocation() : QList<EdidItemLocation>();
}
