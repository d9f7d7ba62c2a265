#include "vyrdidgroupitem.h"

VyrDIDGroupItem::VyrDIDGroupItem(const QString &name, QTreeWidgetItem *parent)
    : VyrDIDTreeWidgetItem(parent)
    , m_name(name)
{
    setText(VyrEdidColumn::Property, name);
}

void VyrDIDGroupItem::onEditingFinished(const QString &name, const QVariant &value)
{
    Q_UNUSED(name)
    if (!isDetached())
        emit editingFinished(m_name, value);
}
