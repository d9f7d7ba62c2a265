#include "CeaExtDataBlockSpeakerAllocItem.h"

#include "CeaExtDataBlockSpeakerAllocSubItem.h"

CeaExtDataBlockSpeakerAllocItem::CeaExtDataBlockSpeakerAllocItem(unsigned int fieldCode,
                                                                 unsigned int index,
                                                                 CeaExtBlock *block,
                                                                 unsigned char *image)
    : CeaExtDataBlockFlagsItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("CEA Speaker Allocation"));
}

QString CeaExtDataBlockSpeakerAllocItem::labelOf(unsigned int code)
{
    return labelIn(Rows, 13, code, staticMetaObject.className());
}

bool CeaExtDataBlockSpeakerAllocItem::InitItems()
{
    buildFlagRows<CeaExtDataBlockSpeakerAllocSubItem>(Rows, 13, &CeaExtBlock::GetSpeakersAllocation,
                                                      &CeaExtBlock::SetSpeakersAllocation);
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockSpeakerAllocItem::GetItemLocations() const
{
    return m_block ? m_block->GetSpeakersAllocationLocation(~0u, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
