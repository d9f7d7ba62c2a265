#pragma once

#include "frame/vyrediditembase.h"

class Edid13Block;
class Edid14Block;

// Base of the base-block items that take the model pointer pair (Edid13Block*, Edid14Block*):
// the root item sets exactly one of them (the 1.4 object for a block recognised as EDID 1.4);
// either may be null, and with both null the item shows its label and reports no bytes.
class VyrEdidBaseGroupItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidBaseGroupItem(unsigned char *bytes, int kind, Edid13Block *edid13, Edid14Block *edid14);

    // Builds nothing until a group has rows of its own.
    bool InitItems() override;

    Edid13Block *edid13() const { return m_edid13; }
    Edid14Block *edid14() const { return m_edid14; }

protected:
    // The one model that is set (an Edid14Block is an Edid13Block), or null.
    Edid13Block *model() const;

    // A row of the group: Row(code, 1.3 model, 1.4 model) added as the next child, its own
    // InitItems() called.
    template <typename Row> Row *addGroupRow(unsigned int code)
    {
        auto *row = new Row(code, m_edid13, m_edid14);
        addChild(row);
        row->InitItems();
        return row;
    }

    Edid13Block *m_edid13;
    Edid14Block *m_edid14;
};
