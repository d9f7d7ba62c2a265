#include "vyrbaseblockitem.h"

#include "items/base/vyredidbasicparamsinfoitem.h"
#include "items/base/vyredidcolorcharsitem.h"
#include "items/base/vyrediddescriptorsitem.h"
#include "items/base/vyredidestablishtimingitem.h"
#include "items/base/vyredidgeneralinfoitem.h"
#include "items/base/vyredidstandardtimingitem.h"
#include "model/base/edid14block.h"

VyrEdidBaseBlockItem::VyrEdidBaseBlockItem(unsigned char *block, Edid13Block *edid13,
                                           Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::BaseBlock, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("Base Block"));
    DataBlock *blockModel = model();
    m_children = {
        new VyrEdidHeaderInfoItem(nullptr, edid13, edid14),
        new VyrEdidGeneralInfoItem(nullptr, edid13, edid14),
        new VyrEdidBasicParamsInfoItem(nullptr, edid13, edid14),
        new VyrEdidColorCharsItem(nullptr, edid13, edid14),
        new VyrEdidEstablishTimingItem(0, blockModel),
        new VyrEdidStandardTimingItem(0, 8, blockModel),
        new VyrEdidDescriptorsItem(blockModel),
    };
    for (VyrEdidItemBase *child : qAsConst(m_children))
        addChild(child);
}

bool VyrEdidBaseBlockItem::InitItems()
{
    for (VyrEdidItemBase *child : qAsConst(m_children))
        child->InitItems();
    return true;
}

unsigned int VyrEdidBaseBlockItem::GetNumberOfExtentions()
{
    return model() ? model()->GetNumOfExtensions() : 0;
}

void VyrEdidBaseBlockItem::SetNumberOfExtentions(unsigned int count)
{
    if (model())
        model()->SetNumOfExtensions(count);
}

unsigned int VyrEdidBaseBlockItem::GetBlockSize() const
{
    return model() ? model()->GetBlockSize() : 0;
}

QList<EdidItemLocation> VyrEdidBaseBlockItem::GetItemLocations() const
{
    return {{0, GetBlockSize()}};
}

VyrEdidHeaderInfoItem::VyrEdidHeaderInfoItem(unsigned char *block, Edid13Block *edid13,
                                             Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::Header, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("Header"));
}

QList<EdidItemLocation> VyrEdidHeaderInfoItem::GetItemLocations() const
{
    return {{0, 8}};
}
