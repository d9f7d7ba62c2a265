#include "CeaExtDataBlockVideoItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockVideoItem::CeaExtDataBlockVideoItem(unsigned int fieldCode, unsigned int index,
                                                   CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("Video Data Block"));
}

bool CeaExtDataBlockVideoItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockVideoItem::GetItemLocations() const
{
    return m_block ? m_block->GetVideoDataBlockLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
