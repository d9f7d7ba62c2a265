#include "vyrediddispidblockitem.h"

#include "model/displayid/displayidblock.h"

VyrEdidDispIdBlockItem::VyrEdidDispIdBlockItem(bool isBase, unsigned char *image,
                                               unsigned int startOffset, DisplayIDBlock *model)
    : VyrEdidBlockItem(image, VyrEdidItemKind::DisplayIdBlock, startOffset, model)
    , m_isBase(isBase)
    , m_model(model)
{
    // The title follows what the section says it is, not the caller's flag.
    const bool base = m_model && m_model->IsBaseBlock();
    setText(VyrEdidColumn::Property, base ? tr("DID Base Block") : tr("DID Extention"));
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
