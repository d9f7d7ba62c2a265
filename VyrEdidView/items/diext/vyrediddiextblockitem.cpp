#include "vyrediddiextblockitem.h"

#include "model/diext/diextblock.h"

VyrEdidDiExtBlockItem::VyrEdidDiExtBlockItem(unsigned char *image, unsigned int startOffset,
                                             DiExtBlock *block)
    : VyrEdidBlockItem(image, VyrEdidItemKind::DiExtension, startOffset, block)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("DI Extention"));
}
