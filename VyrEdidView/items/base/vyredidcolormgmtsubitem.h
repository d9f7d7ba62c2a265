#pragma once

#include "items/base/descriptorfielditem.h"

// One coefficient row of a colour management descriptor, labelled after its code. It shows
// descriptor bytes 4 to 16.
class VyrEdidColorMgmtSubItem : public DescriptorFieldItem
{
    Q_OBJECT

public:
    enum Code : unsigned int {
        RedA2 = 0,
        GreenA2 = 1,
        BlueA2 = 2,
        RedA3 = 3,
        GreenA3 = 4,
        BlueA3 = 5
    };

    VyrEdidColorMgmtSubItem(unsigned int code, unsigned int slotNumber, DataBlock *block);

    // The label of a code; empty for any other code.
    static QString fieldLabel(unsigned int code);
};
