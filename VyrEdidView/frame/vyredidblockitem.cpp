#include "vyredidblockitem.h"

#include "model/datablock.h"

VyrEdidBlockItem::VyrEdidBlockItem(unsigned char *image, int kind, unsigned int startOffset,
                                   DataBlock *block)
    : VyrEdidItemBase(image, kind)
    , m_startOffset(startOffset)
    , m_dataBlock(block)
{}

bool VyrEdidBlockItem::InitItems()
{
    return true;
}

unsigned int VyrEdidBlockItem::GetBlockSize() const
{
    return m_dataBlock ? m_dataBlock->GetBlockSize() : 0;
}

QList<EdidItemLocation> VyrEdidBlockItem::GetItemLocations() const
{
    return {{m_startOffset, GetBlockSize()}};
}
