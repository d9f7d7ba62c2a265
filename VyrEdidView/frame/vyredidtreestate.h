#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

// Which rows of an EDID tree are open and which one is current, kept across the rebuilds of rows
// that adding or removing a block, a data block, a descriptor or an entry makes: every row is
// built anew then, so the state is kept by the rows' paths of titles.
//
// A path names a row by the column-0 titles from its top-level row down; a title shared by
// earlier siblings carries the row's place among them ("Detailed Timings Info",
// "Detailed Timings Info[1]"), so two rows of one title stay apart.
//
// Rows leave the tree only through VyrEdidRows, which tells remember() before it takes them. The
// first removal of a rebuild queues the restore; once control is back in the event loop (the
// rebuild done, however many parts of the tree it took out), every row whose path was
// remembered gets its expanded state back, the view scrolls back to where it was, and the row that
// was current becomes current again (or, when no row has its path, the nearest row above it that
// still has one). A row new to the
// tree keeps the state it was built with, and a current row that the rebuild chose itself (a
// replaced descriptor) stays current. The state belongs to one image: forget() drops it when the
// tree is about to show another.
class VyrEdidTreeState : public QObject
{
    Q_OBJECT

public:
    // Remembers the children first to last of parent and every row below them (their expanded
    // state, and their path when one of them is current), unless the same path was remembered
    // earlier in this rebuild; queues the restore. Nothing for a parent outside a tree.
    static void remember(QTreeWidgetItem *parent, int first, int last);
    // Drops what was remembered for tree: its rows are about to show another image.
    static void forget(QTreeWidget *tree);

private:
    explicit VyrEdidTreeState(QTreeWidget *tree);
    // The state of tree, made on first use when create is set.
    static VyrEdidTreeState *of(QTreeWidget *tree, bool create);
    // The path of row, from its top-level row down; empty for a row outside a tree.
    static QStringList pathOf(const QTreeWidgetItem *row);

    void rememberRow(QTreeWidgetItem *row, const QStringList &path, const QTreeWidgetItem *current);
    void restore();
    void restoreBelow(QTreeWidgetItem *parent, const QStringList &path,
                      QTreeWidgetItem **currentRow, int *currentDepth);

    QTreeWidget *m_tree;
    // Expanded state of every remembered row, by path.
    QHash<QStringList, bool> m_expanded;
    // The paths above the remembered rows: the restore looks only below them.
    QSet<QStringList> m_above;
    QStringList m_current;
    bool m_currentKnown = false;
    // Where the view was scrolled to when the rebuild began.
    int m_scroll = 0;
    bool m_restoreQueued = false;
};
