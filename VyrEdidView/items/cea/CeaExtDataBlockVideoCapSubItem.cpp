#include "CeaExtDataBlockVideoCapSubItem.h"

#include "CeaExtDataBlockVideoCapItem.h"
#include "model/cea/ceaextblock.h"

CeaExtDataBlockVideoCapSubItem::CeaExtDataBlockVideoCapSubItem(unsigned int fieldCode,
                                                               unsigned int index,
                                                               CeaExtBlock *block,
                                                               unsigned char *image)
    : CeaExtDataBlockFieldRow(fieldCode, index, block, image,
                              CeaExtDataBlockVideoCapItem::labelOf(fieldCode),
                              &CeaExtBlock::GetVideoCapsLocation)
{}
