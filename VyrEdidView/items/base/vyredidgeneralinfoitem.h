#pragma once

#include "items/base/vyredidbasegroupitem.h"

// The "General Info" group of the base block (bytes 8 to 19, 126 and 127).
// The item shows its title and reports the group's bytes.
class VyrEdidGeneralInfoItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    VyrEdidGeneralInfoItem(unsigned char *block, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;
};
