#pragma once

#include "model/datablock.h"

#include <QList>

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// Taking rows out of the EDID tree without corrupting data. Removing a row makes the view hide
// the row's widgets at once, and a line editor that had the keyboard focus then reports
// editingFinished() into whatever it is connected to: an item that is half destroyed, or an edit
// landing on bytes that have moved. So rows leave in one way only:
// 1. commitPendingEdit(): the tree takes the focus, and an editor holding unconfirmed text
//    reports it while every item and block object is still whole;
// 2. detach(): every row of the subtree is marked detached (its handlers do nothing) and the
//    signals of its item widgets, and of everything inside them, are blocked;
// 3. the rows are taken out of the tree last first, with the tree's own signals blocked;
// 4. they are deleted later, when control is back in the event loop, so a row is never deleted
//    inside one of its own signals (an erase button removing its own row); block objects handed
//    over with them are freed after them.
// Rows taken out of an item keep their expanded state, and the current row its place, for the
// rows built in their stead (VyrEdidTreeState); the top-level rows go with their image.
class VyrEdidRows
{
public:
    static void commitPendingEdit(QTreeWidget *tree);
    static void detach(QTreeWidgetItem *row);

    // Commits, detaches and takes out the children of parent from first on. retiredBlocks (the
    // block objects the rows point to) are freed after the rows. When the tree's current item was
    // among the rows, parent becomes current.
    static void removeChildren(QTreeWidgetItem *parent, int first = 0,
                               std::vector<std::unique_ptr<DataBlock>> retiredBlocks = {});
    // The same for the one child of parent at index (a list item replacing one entry).
    static void removeChild(QTreeWidgetItem *parent, int index);
    // The same for the top-level items of tree.
    static void removeTopLevelItems(QTreeWidget *tree);

private:
    // Marks row and every row below it detached and blocks the signals of their widgets in tree.
    static void detachRow(QTreeWidgetItem *row, QTreeWidget *tree);
    static void takeChildren(QTreeWidgetItem *parent, int first, int last,
                             std::vector<std::unique_ptr<DataBlock>> retiredBlocks);
    static void retire(QList<QTreeWidgetItem *> rows,
                       std::vector<std::unique_ptr<DataBlock>> blocks);
};
