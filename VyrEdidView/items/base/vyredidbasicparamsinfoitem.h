#pragma once

#include "items/base/vyredidbasegroupitem.h"

// The basic display parameters of the base block (bytes 20 to 24).
// The item shows its title and reports the group's bytes.
class VyrEdidBasicParamsInfoItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidBasicParamsInfoItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;
};
