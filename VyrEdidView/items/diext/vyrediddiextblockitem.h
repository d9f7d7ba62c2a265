#pragma once

#include "frame/vyrediditembase.h"

class DiExtBlock;

// A DI-EXT (display information) extension block. The item shows its title and reports the block's
// bytes.
class VyrEdidDiExtBlockItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidDiExtBlockItem(unsigned char *image, unsigned int startOffset, DiExtBlock *block);

    bool InitItems() override;
    unsigned int GetBlockSize() const override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int startOffset() const { return m_startOffset; }
    DiExtBlock *block() const { return m_block; }

private:
    unsigned int m_startOffset;
    DiExtBlock *m_block;
};
