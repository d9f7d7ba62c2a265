#pragma once

#include "items/base/basedescriptoritem.h"

// One row of a detailed timing item: a field of the timing, named by its field code, and the
// bytes of that field. The code is the one the block's GetDetailedTimingLocation takes.
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class VyrEdidDetiledTimingSubItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    // index: the timing as the block's detailed timing operations count it.
    VyrEdidDetiledTimingSubItem(unsigned int code, unsigned int index, DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int code() const { return m_code; }

    // The label of a field code; empty for a code above 17.
    static QString fieldLabel(unsigned int code);

private:
    unsigned int m_code;
};
