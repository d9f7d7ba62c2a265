#include "CeaExtDataBlockColorimetryItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockColorimetryItem::CeaExtDataBlockColorimetryItem(unsigned int fieldCode,
                                                               unsigned int index,
                                                               CeaExtBlock *block,
                                                               unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("Colorimetry Data Block"));
}

bool CeaExtDataBlockColorimetryItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockColorimetryItem::GetItemLocations() const
{
    return m_block ? m_block->GetColorimetryLocation(~0u, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
