#pragma once

#include "items/base/descriptorfielditem.h"

// One row of a white point of a colour point descriptor, labelled after its code: 1 "Index",
// 2 "WhiteX", 3 "WhiteY", 4 "Gamma", 5 "Enable White". It shows descriptor bytes 4 to 16.
class VyrEdidColorPointSubChildItem : public DescriptorFieldItem
{
    Q_OBJECT

public:
    enum Code : unsigned int { Index = 1, WhiteX = 2, WhiteY = 3, Gamma = 4, EnableWhite = 5 };

    // w: the white point, 0 or 1.
    VyrEdidColorPointSubChildItem(unsigned int code, unsigned int slotNumber, unsigned int w,
                                  DataBlock *block);

    unsigned int whitePoint() const { return m_w; }

    // The label of a code; empty for any other code.
    static QString fieldLabel(unsigned int code);

private:
    unsigned int m_w;
};
