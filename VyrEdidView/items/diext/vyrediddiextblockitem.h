#pragma once

#include "frame/vyredidblockitem.h"

class DiExtBlock;

// A DI-EXT (display information) extension block. The item shows its title and reports the block's
// bytes.
class VyrEdidDiExtBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidDiExtBlockItem(unsigned char *image, unsigned int startOffset, DiExtBlock *block);

    DiExtBlock *block() const { return m_block; }

private:
    DiExtBlock *m_block;
};
