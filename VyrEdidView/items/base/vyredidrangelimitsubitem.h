#pragma once

#include "items/base/descriptorfielditem.h"

// One row of a range limits item, labelled after its field code (the codes of
// VyrEdidRangeLimitItem::Field; 20 to 25 name the CVT blanking and scaling flags, which have no
// row). It shows the bytes of its field.
class VyrEdidRangeLimitSubItem : public DescriptorFieldItem
{
    Q_OBJECT

public:
    VyrEdidRangeLimitSubItem(unsigned int code, unsigned int slotNumber, DataBlock *block);

    QList<EdidItemLocation> GetItemLocations() const override;

    // The label of a field code; empty for 7 and 8 (their editors say what they hold) and
    // above 31.
    static QString fieldLabel(unsigned int code);
};
