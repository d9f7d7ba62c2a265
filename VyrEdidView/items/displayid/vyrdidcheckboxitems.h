#pragma once

#include "items/displayid/vyrdidgroupitem.h"

class VyrDIDCheckBoxItem;

// A group row of flags: one child row per check box. An edit of any box is passed on as
// editingFinished(the group's name, the box's CheckBoxData), so the item learns which flag
// changed from its bit. The item connects the group (VyrDIDItemBase::addGroup).
class VyrDIDCheckBoxItems : public VyrDIDGroupItem
{
    Q_OBJECT

public:
    // A row without parent showing name.
    explicit VyrDIDCheckBoxItems(const QString &name);

    // Adds a row without text as the last child holding checkBox in column 1 (once the group
    // is in its tree) and passes the box's edits on; answers the row.
    VyrDIDTreeWidgetItem *addCheckBox(VyrDIDCheckBoxItem *checkBox);
};
