#pragma once

#include "frame/vyrediditembase.h"

class CeaExtBlock;

// A CEA-861 extension block. The item shows its title and reports the block's bytes.
class VyrEdidCeaExtBlockItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidCeaExtBlockItem(unsigned char *image, unsigned int startOffset, CeaExtBlock *block);

    bool InitItems() override;
    unsigned int GetBlockSize() const override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int startOffset() const { return m_startOffset; }
    CeaExtBlock *block() const { return m_block; }

private:
    unsigned int m_startOffset;
    CeaExtBlock *m_block;
};
