#include "vyredidtreestate.h"

#include "frame/vyredidkinds.h"

#include <QMetaObject>
#include <QScrollBar>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

// A row's step in a path: its title, with its place among the earlier siblings of that title
// when it has any.
QString step(const QString &title, int before)
{
    return before == 0 ? title : QStringLiteral("%1[%2]").arg(title).arg(before);
}

// Calls visit(index, child, step) for the children of parent up to last, in order.
template <typename Visit> void forChildren(QTreeWidgetItem *parent, int last, Visit visit)
{
    QHash<QString, int> seen;
    for (int i = 0; i <= last && i < parent->childCount(); ++i) {
        QTreeWidgetItem *child = parent->child(i);
        const QString title = child->text(VyrEdidColumn::Property);
        visit(i, child, step(title, seen[title]++));
    }
}

} // namespace

VyrEdidTreeState::VyrEdidTreeState(QTreeWidget *tree)
    : QObject(tree)
    , m_tree(tree)
{}

VyrEdidTreeState *VyrEdidTreeState::of(QTreeWidget *tree, bool create)
{
    if (auto *state = tree->findChild<VyrEdidTreeState *>(QString(), Qt::FindDirectChildrenOnly))
        return state;
    return create ? new VyrEdidTreeState(tree) : nullptr;
}

QStringList VyrEdidTreeState::pathOf(const QTreeWidgetItem *row)
{
    QTreeWidget *tree = row ? row->treeWidget() : nullptr;
    if (!tree)
        return {};
    QStringList path;
    for (const QTreeWidgetItem *item = row; item; item = item->parent()) {
        // Top-level rows are the children of the tree's invisible root.
        const QTreeWidgetItem *parent = item->parent() ? item->parent() : tree->invisibleRootItem();
        const QString title = item->text(VyrEdidColumn::Property);
        const int index = parent->indexOfChild(const_cast<QTreeWidgetItem *>(item));
        int before = 0;
        for (int i = 0; i < index; ++i) {
            if (parent->child(i)->text(VyrEdidColumn::Property) == title)
                ++before;
        }
        path.prepend(step(title, before));
    }
    return path;
}

void VyrEdidTreeState::remember(QTreeWidgetItem *parent, int first, int last)
{
    QTreeWidget *tree = parent ? parent->treeWidget() : nullptr;
    if (!tree || first > last)
        return;
    VyrEdidTreeState *state = of(tree, true);
    const QStringList parentPath = pathOf(parent);
    for (int length = 1; length <= parentPath.size(); ++length)
        state->m_above.insert(parentPath.mid(0, length));
    const QTreeWidgetItem *current = tree->currentItem();
    forChildren(parent, last, [&](int index, QTreeWidgetItem *child, const QString &childStep) {
        if (index >= first)
            state->rememberRow(child, parentPath + QStringList{childStep}, current);
    });
    if (state->m_restoreQueued)
        return;
    state->m_restoreQueued = true;
    state->m_scroll = tree->verticalScrollBar()->value();
    QMetaObject::invokeMethod(
        state, [state]() { state->restore(); }, Qt::QueuedConnection);
}

void VyrEdidTreeState::rememberRow(QTreeWidgetItem *row, const QStringList &path,
                                   const QTreeWidgetItem *current)
{
    // What a row was before the rebuild began counts, not what a row of the rebuild that is
    // taken out again was built with.
    if (!m_expanded.contains(path))
        m_expanded.insert(path, row->isExpanded());
    if (row == current && !m_currentKnown) {
        m_current = path;
        m_currentKnown = true;
    }
    forChildren(row, row->childCount() - 1,
                [&](int, QTreeWidgetItem *child, const QString &childStep) {
                    rememberRow(child, path + QStringList{childStep}, current);
                });
}

void VyrEdidTreeState::forget(QTreeWidget *tree)
{
    VyrEdidTreeState *state = tree ? of(tree, false) : nullptr;
    if (!state)
        return;
    state->m_expanded.clear();
    state->m_above.clear();
    state->m_current.clear();
    state->m_currentKnown = false;
}

void VyrEdidTreeState::restore()
{
    m_restoreQueued = false;
    QTreeWidgetItem *target = nullptr;
    int depth = 0;
    if (!m_expanded.isEmpty()) {
        restoreBelow(m_tree->invisibleRootItem(), {}, &target, &depth);
        // The rows stand where they stood: the view scrolls back once it has laid them out.
        m_tree->doItemsLayout();
        m_tree->verticalScrollBar()->setValue(m_scroll);
    }
    if (m_currentKnown && target) {
        // Only a current row above the remembered one, where the removal left it, moves down;
        // a row the rebuild made current on purpose stays.
        QTreeWidgetItem *now = m_tree->currentItem();
        bool above = !now;
        for (QTreeWidgetItem *row = target; row && !above; row = row->parent())
            above = row == now;
        if (above && now != target)
            m_tree->setCurrentItem(target);
    }
    forget(m_tree);
}

void VyrEdidTreeState::restoreBelow(QTreeWidgetItem *parent, const QStringList &path,
                                    QTreeWidgetItem **currentRow, int *currentDepth)
{
    forChildren(parent, parent->childCount() - 1,
                [&](int, QTreeWidgetItem *child, const QString &childStep) {
                    const QStringList childPath = path + QStringList{childStep};
                    const auto remembered = m_expanded.constFind(childPath);
                    const bool known = remembered != m_expanded.constEnd();
                    if (known && child->isExpanded() != *remembered)
                        child->setExpanded(*remembered);
                    // The current row, or the nearest row above it that is still there.
                    if (m_currentKnown && childPath.size() > *currentDepth
                        && m_current.mid(0, childPath.size()) == childPath) {
                        *currentRow = child;
                        *currentDepth = childPath.size();
                    }
                    if (known || m_above.contains(childPath))
                        restoreBelow(child, childPath, currentRow, currentDepth);
                });
}
