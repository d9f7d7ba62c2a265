#include "CeaExtDataBlockSpeakerAllocSubItem.h"

#include "CeaExtDataBlockSpeakerAllocItem.h"

CeaExtDataBlockSpeakerAllocSubItem::CeaExtDataBlockSpeakerAllocSubItem(unsigned int fieldCode,
                                                                       unsigned int index,
                                                                       CeaExtBlock *block,
                                                                       unsigned char *image)
    : CeaExtDataBlockFieldRow(fieldCode, index, block, image,
                              CeaExtDataBlockSpeakerAllocItem::labelOf(fieldCode),
                              &CeaExtBlock::GetSpeakersAllocationLocation)
{}
