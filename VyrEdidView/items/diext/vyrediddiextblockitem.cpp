#include "vyrediddiextblockitem.h"

#include "items/diext/DiExtColorPropItems.h"
#include "items/diext/DiExtDataFormatItems.h"
#include "items/diext/DiExtDispCapItems.h"
#include "items/diext/DiExtDispDeviceItems.h"
#include "items/diext/DiExtGammaCarveItems.h"
#include "items/diext/DiExtGeneralInfoItems.h"
#include "model/diext/diextblock.h"

VyrEdidDiExtBlockItem::VyrEdidDiExtBlockItem(unsigned char *image, unsigned int startOffset,
                                             DiExtBlock *block)
    : VyrEdidBlockItem(image, VyrEdidItemKind::DiExtension, startOffset, block)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("DI Extention"));
}

bool VyrEdidDiExtBlockItem::InitItems()
{
    // Every section counts its locations from the start of the image, as the block item does.
    addSection<DiExtGeneralInfoItems>();
    addSection<DiExtDataFormatItems>();
    addSection<DiExtDispDeviceItems>();
    addSection<DiExtDispCapItems>();
    addSection<DiExtColorPropItems>();
    addSection<DiExtGammaCarveItems>();
    return true;
}

template <typename Section> void VyrEdidDiExtBlockItem::addSection()
{
    auto *section = new Section(m_block, m_bytes);
    addChild(section);
    section->InitItems();
}
