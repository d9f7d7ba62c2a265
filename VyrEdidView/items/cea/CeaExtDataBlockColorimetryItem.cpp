#include "CeaExtDataBlockColorimetryItem.h"

#include "CeaExtDataBlockColorimetrySubItem.h"

CeaExtDataBlockColorimetryItem::CeaExtDataBlockColorimetryItem(unsigned int fieldCode,
                                                               unsigned int index,
                                                               CeaExtBlock *block,
                                                               unsigned char *image)
    : CeaExtDataBlockFlagsItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("Colorimetry Data Block"));
}

QString CeaExtDataBlockColorimetryItem::labelOf(unsigned int code)
{
    return labelIn(Rows, 9, code, staticMetaObject.className());
}

bool CeaExtDataBlockColorimetryItem::InitItems()
{
    buildFlagRows<CeaExtDataBlockColorimetrySubItem>(Rows, 9, &CeaExtBlock::GetColorimetry,
                                                     &CeaExtBlock::SetColorimetry);
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockColorimetryItem::GetItemLocations() const
{
    return m_block ? m_block->GetColorimetryLocation(~0u, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
