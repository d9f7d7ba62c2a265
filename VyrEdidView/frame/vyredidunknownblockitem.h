#pragma once

#include "frame/vyredidblockitem.h"

// The row of an extension block that no block class reads (a DisplayID 2.x section, a block
// map, an erased block, a tag without a class): "Unknown Extension (Tag 0xNN)". It has no rows
// and no editors, so its bytes stay exactly as they are; selecting it lights up its 128 bytes
// in the hex view, and the root removes it, or adds a block after it, like any block.
class VyrEdidUnknownBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidUnknownBlockItem(unsigned char *image, unsigned int startOffset);

    unsigned int GetBlockSize() const override;
};
