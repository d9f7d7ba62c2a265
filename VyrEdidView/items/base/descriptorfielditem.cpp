#include "descriptorfielditem.h"

DescriptorFieldItem::DescriptorFieldItem(int kind, unsigned int code, unsigned int slotNumber,
                                         DataBlock *block, const QString &label)
    : BaseDescriptorItem(kind, slotNumber, block)
    , m_code(code)
{
    setText(VyrEdidColumn::Property, label);
}

bool DescriptorFieldItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> DescriptorFieldItem::GetItemLocations() const
{
    return bodyLocation();
}
