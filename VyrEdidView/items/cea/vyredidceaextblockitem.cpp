#include "vyredidceaextblockitem.h"

#include "model/cea/ceaextblock.h"

VyrEdidCeaExtBlockItem::VyrEdidCeaExtBlockItem(unsigned char *image, unsigned int startOffset,
                                               CeaExtBlock *block)
    : VyrEdidItemBase(image, VyrEdidItemKind::CeaExtension)
    , m_startOffset(startOffset)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("CEA Extention"));
}

bool VyrEdidCeaExtBlockItem::InitItems()
{
    return true;
}

unsigned int VyrEdidCeaExtBlockItem::GetBlockSize() const
{
    return m_block ? m_block->GetBlockSize() : 0;
}

QList<EdidItemLocation> VyrEdidCeaExtBlockItem::GetItemLocations() const
{
    return {{m_startOffset, GetBlockSize()}};
}
