#include "vyredidrowobject.h"

#include "frame/vyredidinfotree.h"
#include "frame/vyredidinputguard.h"
#include "frame/vyredidrows.h"
#include "widgets/vyrnumbertext.h"

#include <QTreeWidget>
#include <QWidget>

VyrEdidRowObject::VyrEdidRowObject(int type, QTreeWidgetItem *parent)
    : QObject(nullptr)
    , QTreeWidgetItem(parent, type)
{}

VyrEdidRowObject::~VyrEdidRowObject()
{
    // The tree item part is destroyed next: it takes the row and its children out of the view,
    // which hides their widgets, and a focused editor would then report into this row. Detach
    // the subtree first and cut the connections made to the row.
    VyrEdidRows::detach(this);
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        QObject::disconnect(connection);
}

QValidator *VyrEdidRowObject::intValidator(int minimum, int maximum, QObject *parent)
{
    return VyrNumberText::wholeValidator(minimum, maximum, parent);
}

QValidator *VyrEdidRowObject::doubleValidator(double minimum, double maximum, int decimals,
                                              QObject *parent)
{
    return VyrNumberText::realValidator(minimum, maximum, decimals, parent);
}

void VyrEdidRowObject::notifyTree()
{
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        tree->notifyEdidDataChanged();
}

bool VyrEdidRowObject::placeWidget(QTreeWidgetItem *row, int column, QWidget *widget)
{
    QTreeWidget *tree = row ? row->treeWidget() : nullptr;
    if (!tree) {
        // Rows are built only after their item is in the tree; without one nobody would own
        // the widget.
        qWarning("VyrEdidRowObject: a widget for a row that is not in a tree is discarded");
        widget->deleteLater();
        return false;
    }
    tree->setItemWidget(row, column, widget);
    VyrEdidInputGuard::watch(row, column, widget);
    return true;
}
