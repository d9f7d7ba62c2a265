#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// Common part of the items of one 18-byte descriptor (and of their rows): the block that holds
// it and its number as the block's descriptor operations take it (1 to 4 in a base block; an
// extension block may count its own entries from 0). By default the item shows the whole
// descriptor.
class BaseDescriptorItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    BaseDescriptorItem(int kind, unsigned int slotNumber, DataBlock *block);

    // The 18 bytes of the descriptor; nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }
    unsigned int slotNumber() const { return m_slotNumber; }

protected:
    unsigned int m_slotNumber;
    DataBlock *m_block;
};
