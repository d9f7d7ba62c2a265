#include "vyrediddispidblockitem.h"

#include "model/displayid/displayidblock.h"

VyrEdidDispIdBlockItem::VyrEdidDispIdBlockItem(bool isBase, unsigned char *image,
                                               unsigned int startOffset, DisplayIDBlock *model)
    : VyrEdidItemBase(image, VyrEdidItemKind::DisplayIdBlock)
    , m_isBase(isBase)
    , m_model(model)
    , m_startOffset(startOffset)
{
    // The title follows what the section says it is, not the caller's flag.
    const bool base = m_model && m_model->IsBaseBlock();
    setText(VyrEdidColumn::Property, base ? tr("DID Base Block") : tr("DID Extention"));
}

bool VyrEdidDispIdBlockItem::InitItems()
{
    return true;
}

unsigned int VyrEdidDispIdBlockItem::GetNumberOfExtentions()
{
    return m_model && m_isBase ? m_model->GetNumOfExtensions() : 0;
}

void VyrEdidDispIdBlockItem::SetNumberOfExtentions(unsigned int count)
{
    if (m_model)
        m_model->SetNumOfExtensions(count);
}

unsigned int VyrEdidDispIdBlockItem::GetBlockSize() const
{
    return m_model ? m_model->GetBlockSize() : 0;
}

QList<EdidItemLocation> VyrEdidDispIdBlockItem::GetItemLocations() const
{
    return {{m_startOffset, GetBlockSize()}};
}
