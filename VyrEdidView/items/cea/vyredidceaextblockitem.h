#pragma once

#include "frame/vyredidblockitem.h"

class CeaExtBlock;

// A CEA-861 extension block. The item shows its title and reports the block's bytes.
class VyrEdidCeaExtBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidCeaExtBlockItem(unsigned char *image, unsigned int startOffset, CeaExtBlock *block);

    CeaExtBlock *block() const { return m_block; }

private:
    CeaExtBlock *m_block;
};
