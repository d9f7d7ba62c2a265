#include "vyrdidaddblockitem.h"

#include "frame/vyredidwidgets.h"

#include <QToolButton>
#include <QTreeWidget>

VyrDIDAddBlockItem::VyrDIDAddBlockItem(unsigned int index, DisplayIDBlock *model)
    : VyrDIDItemBase(index, model)
{
    // The row stands for no bytes of its own.
    setLocations({});
}

bool VyrDIDAddBlockItem::InitItems()
{
    setText(VyrEdidColumn::Property, tr("Add block"));
    QTreeWidget *tree = treeWidget();
    if (!tree)
        return true;
    m_button = new QToolButton;
    m_button->setIcon(VyrEdidIcons::plus());
    m_button->setMaximumWidth(40);
    m_button->setToolTip(tr("Add a data block to this section"));
    tree->setItemWidget(this, VyrEdidColumn::Action, m_button);
    relay(m_button, &QToolButton::clicked, [this]() { emit addBlockSignal(); });
    return true;
}

void VyrDIDAddBlockItem::DoEdit(const QString &name, const QVariant &value)
{
    logEdit(nullptr, name, value);
}
