#include "vyredidrows.h"

#include "frame/vyredidrowobject.h"
#include "frame/vyredidtreestate.h"
#include "model/datablock.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QWidget>

namespace {

// Holds taken rows and the block objects they point to until it is deleted (later, from the
// event loop): rows first, then blocks.
class RetiredRows : public QObject
{
public:
    RetiredRows(QList<QTreeWidgetItem *> rows, std::vector<std::unique_ptr<DataBlock>> blocks)
        : m_rows(std::move(rows))
        , m_blocks(std::move(blocks))
    {}
    ~RetiredRows() override
    {
        qDeleteAll(m_rows);
        m_blocks.clear();
    }

private:
    QList<QTreeWidgetItem *> m_rows;
    std::vector<std::unique_ptr<DataBlock>> m_blocks;
};

void blockWidgetSignals(QWidget *widget)
{
    widget->blockSignals(true);
    const QList<QObject *> inner = widget->findChildren<QObject *>();
    for (QObject *object : inner)
        object->blockSignals(true);
}

bool subtreeContains(QTreeWidgetItem *top, const QTreeWidgetItem *item)
{
    for (; item; item = item->parent()) {
        if (item == top)
            return true;
    }
    return false;
}

} // namespace

void VyrEdidRows::commitPendingEdit(QTreeWidget *tree)
{
    if (!tree)
        return;
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus != tree && tree->isAncestorOf(focus))
        tree->setFocus(Qt::OtherFocusReason);
}

// The tree is taken from the top row only: while Qt destroys a tree, its model clears the
// top-level rows' tree pointer first, but their children still point to the dying tree.
void VyrEdidRows::detachRow(QTreeWidgetItem *row, QTreeWidget *tree)
{
    for (int i = 0; i < row->childCount(); ++i)
        detachRow(row->child(i), tree);
    if (auto *object = dynamic_cast<VyrEdidRowObject *>(row))
        object->m_detached = true;
    if (tree) {
        for (int column = 0; column < tree->columnCount(); ++column) {
            if (QWidget *widget = tree->itemWidget(row, column))
                blockWidgetSignals(widget);
        }
    }
}

void VyrEdidRows::detach(QTreeWidgetItem *row)
{
    if (row)
        detachRow(row, row->treeWidget());
}

void VyrEdidRows::removeChildren(QTreeWidgetItem *parent, int first,
                                 std::vector<std::unique_ptr<DataBlock>> retiredBlocks)
{
    if (parent)
        takeChildren(parent, first, parent->childCount() - 1, std::move(retiredBlocks));
}

void VyrEdidRows::removeChild(QTreeWidgetItem *parent, int index)
{
    if (parent && index >= 0 && index < parent->childCount())
        takeChildren(parent, index, index, {});
}

void VyrEdidRows::takeChildren(QTreeWidgetItem *parent, int first, int last,
                               std::vector<std::unique_ptr<DataBlock>> retiredBlocks)
{
    QTreeWidget *tree = parent->treeWidget();
    commitPendingEdit(tree);
    // The rows that replace these get their expanded state back, and the current row too.
    VyrEdidTreeState::remember(parent, qMax(first, 0), qMin(last, parent->childCount() - 1));
    QList<QTreeWidgetItem *> taken;
    bool currentTaken = false;
    {
        const QSignalBlocker blocker(tree);
        for (int i = qMin(last, parent->childCount() - 1); i >= qMax(first, 0); --i) {
            QTreeWidgetItem *row = parent->child(i);
            if (tree && subtreeContains(row, tree->currentItem()))
                currentTaken = true;
            detach(row);
            taken.append(parent->takeChild(i));
        }
    }
    if (currentTaken)
        tree->setCurrentItem(parent);
    retire(std::move(taken), std::move(retiredBlocks));
}

void VyrEdidRows::removeTopLevelItems(QTreeWidget *tree)
{
    if (!tree)
        return;
    commitPendingEdit(tree);
    // The tree is about to show another image: nothing of the last one's rows comes back.
    VyrEdidTreeState::forget(tree);
    QList<QTreeWidgetItem *> taken;
    {
        const QSignalBlocker blocker(tree);
        for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) {
            detach(tree->topLevelItem(i));
            taken.append(tree->takeTopLevelItem(i));
        }
    }
    retire(std::move(taken), {});
}

void VyrEdidRows::retire(QList<QTreeWidgetItem *> rows,
                         std::vector<std::unique_ptr<DataBlock>> blocks)
{
    if (rows.isEmpty() && blocks.empty())
        return;
    (new RetiredRows(std::move(rows), std::move(blocks)))->deleteLater();
}
