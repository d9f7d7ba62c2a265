#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// The four 18-byte descriptor slots of a base block (bytes 54 to 125). The item shows its
// title and reports the group's bytes.
class VyrEdidDescriptorsItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    explicit VyrEdidDescriptorsItem(DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }

private:
    DataBlock *m_block;
};
