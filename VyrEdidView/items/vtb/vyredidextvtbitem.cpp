#include "vyredidextvtbitem.h"

#include "model/vtb/edidextvtb.h"

VyrEdidExtVtbItem::VyrEdidExtVtbItem(unsigned char *image, unsigned int startOffset,
                                     EdidExtVtb *block)
    : VyrEdidItemBase(image, VyrEdidItemKind::VtbExtension)
    , m_startOffset(startOffset)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("VTB-EXT"));
}

bool VyrEdidExtVtbItem::InitItems()
{
    return true;
}

unsigned int VyrEdidExtVtbItem::GetBlockSize() const
{
    return m_block ? m_block->GetBlockSize() : 0;
}

QList<EdidItemLocation> VyrEdidExtVtbItem::GetItemLocations() const
{
    return {{m_startOffset, GetBlockSize()}};
}
