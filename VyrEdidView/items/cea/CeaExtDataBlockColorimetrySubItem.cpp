#include "CeaExtDataBlockColorimetrySubItem.h"

#include "CeaExtDataBlockColorimetryItem.h"

CeaExtDataBlockColorimetrySubItem::CeaExtDataBlockColorimetrySubItem(unsigned int fieldCode,
                                                                     unsigned int index,
                                                                     CeaExtBlock *block,
                                                                     unsigned char *image)
    : CeaExtDataBlockFieldRow(fieldCode, index, block, image,
                              CeaExtDataBlockColorimetryItem::labelOf(fieldCode),
                              &CeaExtBlock::GetColorimetryLocation)
{}
