#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// Base of the items that stand for one whole block of the image after the first one (and of
// the DisplayID section items): the block's start in the image and its block object, the
// block's size and its bytes. Without a block object the size is 0.
class VyrEdidBlockItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidBlockItem(unsigned char *image, int kind, unsigned int startOffset, DataBlock *block);

    // Builds nothing until a block item has rows of its own.
    bool InitItems() override;
    unsigned int GetBlockSize() const override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int startOffset() const { return m_startOffset; }

protected:
    unsigned int m_startOffset;
    DataBlock *m_dataBlock;
};
