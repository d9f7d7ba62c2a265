#include "vyredidcolorpointitem.h"

#include "items/base/vyredidcolorpointsubitem.h"
#include "model/base/edidbaserecords.h"
#include "model/datablock.h"

VyrEdidColorPointItem::VyrEdidColorPointItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::ColorPoint, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Color Point Data"));
}

bool VyrEdidColorPointItem::InitItems()
{
    if (!m_block)
        return false;
    ColorPoint record{};
    m_block->GetColorPoint(m_slotNumber, &record);
    for (unsigned int w = 0; w < VyrEdidColorPointSubItem::WhitePointCount; ++w) {
        auto *point = new VyrEdidColorPointSubItem(w, m_slotNumber, record, m_block);
        addChild(point);
        point->InitItems();
    }
    return true;
}
