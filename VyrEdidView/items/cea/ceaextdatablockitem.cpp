#include "ceaextdatablockitem.h"

CeaExtDataBlockItem::CeaExtDataBlockItem(unsigned int fieldCode, unsigned int index,
                                         CeaExtBlock *block, unsigned char *image)
    // 1114: every CEA-861 item below the block item but the general information.
    : VyrEdidItemBase(image, VyrEdidItemKind::DetailedTiming)
    , m_index(index)
    , m_fieldCode(fieldCode)
    , m_block(block)
{}
