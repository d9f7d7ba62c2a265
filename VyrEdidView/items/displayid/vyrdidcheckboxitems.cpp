#include "vyrdidcheckboxitems.h"

#include "items/displayid/vyrdidcheckboxitem.h"

VyrDIDCheckBoxItems::VyrDIDCheckBoxItems(const QString &name)
    : m_name(name)
{
    setText(VyrEdidColumn::Property, name);
}

VyrDIDTreeWidgetItem *VyrDIDCheckBoxItems::addCheckBox(VyrDIDCheckBoxItem *checkBox)
{
    auto *row = new VyrDIDTreeWidgetItem;
    addChild(row);
    if (checkBox) {
        connect(checkBox, &VyrDIDCheckBoxItem::editingFinished, this,
                &VyrDIDCheckBoxItems::onEditingFinished);
        placeCell(row, checkBox);
    }
    return row;
}

void VyrDIDCheckBoxItems::onEditingFinished(const QString &name, const QVariant &value)
{
    Q_UNUSED(name)
    if (!isDetached())
        emit editingFinished(m_name, value);
}
