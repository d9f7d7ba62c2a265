#include "vyredidextvtbitem.h"

#include "model/vtb/edidextvtb.h"

VyrEdidExtVtbItem::VyrEdidExtVtbItem(unsigned char *image, unsigned int startOffset,
                                     EdidExtVtb *block)
    : VyrEdidBlockItem(image, VyrEdidItemKind::VtbExtension, startOffset, block)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("VTB-EXT"));
}
