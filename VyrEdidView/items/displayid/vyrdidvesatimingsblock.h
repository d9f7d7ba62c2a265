#pragma once

#include "items/displayid/vyrdidtimingbitmapblock.h"

// The VESA timing standard data block (tag 0x07; DisplayID 1.3, section 4.8): a 10-byte bitmap
// of the 80 VESA DMT modes (DMT ID = bit + 1), one check box per mode.
class VyrDIDVesaTimingsBlock : public VyrDIDTimingBitmapBlock
{
    Q_OBJECT

public:
    VyrDIDVesaTimingsBlock(unsigned int index, DisplayIDBlock *model);

protected:
    // "640x350@85"; "-RB" follows a reduced-blanking mode, "-i" an interlaced one.
    QString modeLabel(unsigned int bit) const override;
};
