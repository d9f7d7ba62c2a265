#pragma once

#include "items/base/basedescriptoritem.h"

// One row of a range limits item, labelled after its field code (the codes of
// VyrEdidRangeLimitItem::Field; 20 to 25 name the CVT blanking and scaling flags, which have no
// row). It shows the bytes of its field.
class VyrEdidRangeLimitSubItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    VyrEdidRangeLimitSubItem(unsigned int code, unsigned int slotNumber, DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int code() const { return m_code; }

    // The label of a field code; empty for 7 and 8 (their editors say what they hold) and
    // above 31.
    static QString fieldLabel(unsigned int code);

private:
    unsigned int m_code;
};
