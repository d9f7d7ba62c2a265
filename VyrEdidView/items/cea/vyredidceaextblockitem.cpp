#include "vyredidceaextblockitem.h"

#include "CeaExtBlockSubItems.h"
#include "model/cea/ceaextblock.h"

VyrEdidCeaExtBlockItem::VyrEdidCeaExtBlockItem(unsigned char *image, unsigned int startOffset,
                                               CeaExtBlock *block)
    : VyrEdidBlockItem(image, VyrEdidItemKind::CeaExtension, startOffset, block)
    , m_block(block)
{
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    setText(VyrEdidColumn::Property, tr("CEA Extention"));
}

bool VyrEdidCeaExtBlockItem::InitItems()
{
    const QList<VyrEdidItemBase *> groups{
        new VyrEdidCeaExtGeneralInfoItem(m_startOffset, m_block, m_bytes),
        new CeaExtDetiledTimingItem(m_startOffset, m_block, m_bytes),
        new CeaExtDataBlocksItem(m_startOffset, m_block, m_bytes)};
    for (VyrEdidItemBase *group : groups) {
        addChild(group);
        group->InitItems();
    }
    return true;
}
