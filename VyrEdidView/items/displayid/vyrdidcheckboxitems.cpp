#include "vyrdidcheckboxitems.h"

#include "items/displayid/vyrdidcheckboxitem.h"

VyrDIDCheckBoxItems::VyrDIDCheckBoxItems(const QString &name)
    : VyrDIDGroupItem(name, nullptr)
{}

VyrDIDTreeWidgetItem *VyrDIDCheckBoxItems::addCheckBox(VyrDIDCheckBoxItem *checkBox)
{
    auto *row = new VyrDIDTreeWidgetItem;
    addChild(row);
    if (checkBox) {
        connect(checkBox, &VyrDIDCheckBoxItem::editingFinished, this,
                &VyrDIDGroupItem::onEditingFinished);
        placeWidget(row, VyrEdidColumn::Value, checkBox);
    }
    return row;
}
