#include "CeaExtDataBlockSpeakerAllocItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockSpeakerAllocItem::CeaExtDataBlockSpeakerAllocItem(unsigned int fieldCode,
                                                                 unsigned int index,
                                                                 CeaExtBlock *block,
                                                                 unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("CEA Speaker Allocation"));
}

bool CeaExtDataBlockSpeakerAllocItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockSpeakerAllocItem::GetItemLocations() const
{
    return m_block ? m_block->GetSpeakersAllocationLocation(~0u, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
