#include "CeaExtDataBlockVideoCapItem.h"

#include "model/cea/ceaextblock.h"

CeaExtDataBlockVideoCapItem::CeaExtDataBlockVideoCapItem(unsigned int fieldCode, unsigned int index,
                                                         CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("CEA Video Capabilities"));
}

bool CeaExtDataBlockVideoCapItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockVideoCapItem::GetItemLocations() const
{
    return m_block ? m_block->GetVideoCapsLocation(~0u, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
