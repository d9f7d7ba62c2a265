#pragma once

#include "items/base/vyredidbasegroupitem.h"

// One chromaticity coordinate of the "Color Characteristics Info" group. Codes 0 to 3 are the
// x of red, green, blue and white, 4 to 7 their y; the row shows the byte with the
// coordinate's two low bits and the byte with its eight high bits.
class VyrEdidColorCharsSubItem : public VyrEdidBaseGroupItem
{
    Q_OBJECT

public:
    enum Code : unsigned { RedX, GreenX, BlueX, WhiteX, RedY, GreenY, BlueY, WhiteY, CodeCount };

    VyrEdidColorCharsSubItem(unsigned int code, Edid13Block *edid13, Edid14Block *edid14);

    QList<EdidItemLocation> GetItemLocations() const override;

private:
    unsigned int m_code;
};
