#pragma once

#include "items/base/vyredidbasegroupitem.h"

// One row of the "General Info" group: its field code picks the title and the bytes it shows
// (0 version, 1 manufacturer, 2 product code, 3 serial number, 4 week, 5 year, 6 extension
// count, 7 checksum).
class VyrEdidGeneralInfoSubItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    enum Code : unsigned {
        Version,
        Manufacturer,
        ProductCode,
        SerialNumber,
        Week,
        Year,
        ExtensionCount,
        Checksum,
        CodeCount
    };

    VyrEdidGeneralInfoSubItem(unsigned int code, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;

private:
    unsigned int m_code;
};
