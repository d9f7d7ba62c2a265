#pragma once

#include "model/edidtypes.h"

#include <QList>

class DataBlock;

// Bytes inside one 18-byte descriptor of an EDID base block (VESA E-EDID 1.4, section 3.10):
// length bytes from offset (counted from the descriptor's first byte) of the descriptor in slot
// number slotNumber (1 to 4). Empty when block is not an EDID base block. The base block's own
// timing location queries answer bytes 35 to 53 whatever the slot, so the items of the timing
// descriptors locate their codes through this.
QList<EdidItemLocation> descriptorBytes(DataBlock *block, unsigned int slotNumber,
                                        unsigned int offset, unsigned int length);
