#pragma once

#include "items/displayid/vyrdidtimingbitmapblock.h"

// The CEA timing standard data block (tag 0x08; DisplayID 1.3, section 4.9): an 8-byte bitmap
// of the CEA-861 video formats VIC 1 to 64 (VIC = bit + 1), one check box per format.
class VyrDIDCEATimingsBlock : public VyrDIDTimingBitmapBlock
{
    Q_OBJECT

public:
    VyrDIDCEATimingsBlock(unsigned int index, DisplayIDBlock *model);

protected:
    // "1920x1080i @ 60-16:9": active pixels, p or i, field rate, picture aspect.
    QString modeLabel(unsigned int bit) const override;
};
