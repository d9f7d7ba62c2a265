#pragma once

#include "frame/vyredidblockitem.h"

class EdidExtVtb;

// A VTB-EXT (video timing block) extension block (VESA VTB-EXT): its three lists of detailed
// timings, CVT codes and standard timings, each a section with add and remove buttons. A block
// whose checksum is wrong is shown as "Invalid VTB-EXT", with the checksum it holds and the one
// it needs, without sections, and is never changed.
class VyrEdidExtVtbItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidExtVtbItem(unsigned char *image, unsigned int startOffset, EdidExtVtb *block);

    // Builds the three sections; a block with a wrong checksum gets none (and stays shown).
    bool InitItems() override;

    // The block to edit; null for a block with a wrong checksum.
    EdidExtVtb *block() const { return m_block; }

private:
    EdidExtVtb *m_block;
};
