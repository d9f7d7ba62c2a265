#include "vyredidceaextblockitem.h"

#include "model/cea/ceaextblock.h"

VyrEdidCeaExtBlockItem::VyrEdidCeaExtBlockItem(unsigned char *image, unsigned int startOffset,
                                               CeaExtBlock *block)
    : VyrEdidBlockItem(image, VyrEdidItemKind::CeaExtension, startOffset, block)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("CEA Extention"));
}
