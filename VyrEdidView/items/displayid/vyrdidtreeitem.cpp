#include "vyrdidtreeitem.h"

#include "items/displayid/vyrdidlineedititem.h"

VyrDIDTreeItem::VyrDIDTreeItem(const QString &name, QTreeWidgetItem *parent)
    : VyrDIDTreeWidgetItem(parent)
    , m_name(name)
{
    setText(VyrEdidColumn::Property, name);
}

VyrDIDTreeWidgetItem *VyrDIDTreeItem::add(VyrDIDLineEditItem *cell)
{
    return addCellRow(cell, this, &VyrDIDTreeItem::onEditingFinished, false);
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

void VyrDIDTreeItem::onEditingFinished(const QString &name, const QVariant &value)
{
    Q_UNUSED(name)
    if (!isDetached())
        emit editingFinished(m_name, value);
}
