#include "CeaExtDataBlockVSHDMIItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockVSHDMIItem::CeaExtDataBlockVSHDMIItem(unsigned int fieldCode, unsigned int index,
                                                     CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("HDMI Vendor Specific Data Block"));
}

bool CeaExtDataBlockVSHDMIItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockVSHDMIItem::GetItemLocations() const
{
    return m_block ? m_block->GetHdmiVSDBLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
