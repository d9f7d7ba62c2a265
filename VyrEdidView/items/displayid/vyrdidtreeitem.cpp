#include "vyrdidtreeitem.h"

#include "items/displayid/vyrdidlineedititem.h"

VyrDIDTreeItem::VyrDIDTreeItem(const QString &name, QTreeWidgetItem *parent)
    : VyrDIDGroupItem(name, parent)
{}

VyrDIDTreeWidgetItem *VyrDIDTreeItem::add(VyrDIDLineEditItem *cell)
{
    VyrDIDGroupItem *group = this;
    return addCellRow(cell, group, &VyrDIDGroupItem::onEditingFinished, false);
}

QList<EdidItemLocation> VyrDIDTreeItem::GetItemLocations(bool focusedOnly) const
{
    QList<EdidItemLocation> locations;
    for (int i = 0; i < childCount(); ++i) {
        if (child(i)->type() != VyrEdidItemKind::DisplayIdRow)
            continue;
        if (auto *row = dynamic_cast<const VyrDIDTreeWidgetItem *>(child(i)))
            locations += row->GetItemLocations(focusedOnly);
    }
    return locations;
}
