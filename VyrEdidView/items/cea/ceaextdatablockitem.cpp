#include "ceaextdatablockitem.h"

CeaExtDataBlockItem::CeaExtDataBlockItem(unsigned int fieldCode, unsigned int index,
                                         CeaExtBlock *block, unsigned char *image)
    // 1114: every CEA-861 item below the block item but the general information.
    : VyrEdidItemBase(image, VyrEdidItemKind::DetailedTiming)
    , m_index(index)
    , m_fieldCode(fieldCode)
    , m_block(block)
{}

QStringList CeaExtDataBlockItem::decimalCounts(unsigned int last)
{
    QStringList entries;
    for (unsigned int n = 0; n <= last; ++n)
        entries << QString::number(n);
    return entries;
}
