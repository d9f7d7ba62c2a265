#pragma once

#include "items/displayid/vyrdidgroupitem.h"

class VyrDIDLineEditItem;

// A group row of text cells: one child row per cell, titled with the cell's name and without a
// type tag. An edit of any cell is passed on as editingFinished(the group's name, the text), so
// the cells of one group cannot be told apart by name. The group's bytes are those of its
// rows, in order.
class VyrDIDTreeItem : public VyrDIDGroupItem
{
    Q_OBJECT

public:
    // A row under parent showing name.
    VyrDIDTreeItem(const QString &name, QTreeWidgetItem *parent);

    // Adds the row of cell as the last child (cell in column 1 once the group is in its tree)
    // and passes its edits on; the cell's focus makes that row current. Answers the row.
    VyrDIDTreeWidgetItem *add(VyrDIDLineEditItem *cell);

    // The locations of the rows below the group, in order (the group's own list is not used).
    QList<EdidItemLocation> GetItemLocations(bool focusedOnly) const override;
};
