#include "vyrediddiextblockitem.h"

#include "model/diext/diextblock.h"

VyrEdidDiExtBlockItem::VyrEdidDiExtBlockItem(unsigned char *image, unsigned int startOffset,
                                             DiExtBlock *block)
    : VyrEdidItemBase(image, VyrEdidItemKind::DiExtension)
    , m_startOffset(startOffset)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("DI Extention"));
}

bool VyrEdidDiExtBlockItem::InitItems()
{
    return true;
}

unsigned int VyrEdidDiExtBlockItem::GetBlockSize() const
{
    return m_block ? m_block->GetBlockSize() : 0;
}

QList<EdidItemLocation> VyrEdidDiExtBlockItem::GetItemLocations() const
{
    return {{m_startOffset, GetBlockSize()}};
}
