#pragma once

#include "items/base/vyredidbasegroupitem.h"

// The colour characteristics of the base block (bytes 25 to 34).
// The item shows its title and reports the group's bytes.
class VyrEdidColorCharsItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidColorCharsItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;
};
