#pragma once

#include "frame/vyredidblockitem.h"

class DiExtBlock;

// A DI-EXT (display information) extension block: the title row "DI Extention" with the six
// sections of the block below it, in block order: general information, data format and clock,
// display device, display capabilities, colour and luminance properties, gamma.
class VyrEdidDiExtBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // image: the start of the EDID image; startOffset: where the block starts in it.
    VyrEdidDiExtBlockItem(unsigned char *image, unsigned int startOffset, DiExtBlock *block);

    // Adds the six sections, each initialised right after it is added.
    bool InitItems() override;

    DiExtBlock *block() const { return m_block; }

private:
    template <typename Section> void addSection();

    DiExtBlock *m_block;
};
