#include "CeaExtDataBlockAudioItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockAudioItem::CeaExtDataBlockAudioItem(unsigned int fieldCode, unsigned int index,
                                                   CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("Audio Data Block"));
}

bool CeaExtDataBlockAudioItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockAudioItem::GetItemLocations() const
{
    return m_block ? m_block->GetAudioDataBlockLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
