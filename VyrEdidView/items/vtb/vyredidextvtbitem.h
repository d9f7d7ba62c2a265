#pragma once

#include "frame/vyredidblockitem.h"

class EdidExtVtb;

// A VTB-EXT (video timing block) extension block. The item shows its title and reports the block's
// bytes.
class VyrEdidExtVtbItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidExtVtbItem(unsigned char *image, unsigned int startOffset, EdidExtVtb *block);

    EdidExtVtb *block() const { return m_block; }

private:
    EdidExtVtb *m_block;
};
