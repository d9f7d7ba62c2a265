#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// One 3-byte CVT timing code of a list. The owner gives the row its title and editor. Section
// 0 addresses the block's index-based codes (an extension block's list), 1 to 4 the codes of a
// CVT 3-byte code descriptor of a base block by its slot number.
class VyrEdidCVT3ByteSubItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidCVT3ByteSubItem(unsigned int index, DataBlock *block, unsigned int section = 0);

    // Does nothing: the owner fills the row.
    bool InitItems() override;
    // The code's three bytes; nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int index() const { return m_index; }

private:
    unsigned int m_index;
    unsigned int m_section;
    DataBlock *m_block;
};
