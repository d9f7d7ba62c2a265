#pragma once

#include "frame/vyredidblockitem.h"

class CeaExtBlock;

// A CEA-861 extension block (CTA-861-G, section 7.5), titled "CEA Extention", with three groups:
// "General Info", "Detailed Timings" and "Data Blocks" (CeaExtBlockSubItems.h). The item reports
// the block's 128 bytes; without a block object its size is 0.
class VyrEdidCeaExtBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidCeaExtBlockItem(unsigned char *image, unsigned int startOffset, CeaExtBlock *block);

    // Adds the three groups, each built right after it is added.
    bool InitItems() override;

    CeaExtBlock *block() const { return m_block; }

private:
    CeaExtBlock *m_block;
};
