#pragma once

#include "model/edidtypes.h"

#include <QList>

class DataBlock;

// Bytes inside one 18-byte descriptor of an EDID base block (VESA E-EDID 1.4, section 3.10):
// length bytes from offset (counted from the descriptor's first byte) of the descriptor in slot
// number slotNumber (1 to 4). Empty when block is not an EDID base block.
QList<EdidItemLocation> descriptorBytes(DataBlock *block, unsigned int slotNumber,
                                        unsigned int offset, unsigned int length);

// A block's location query of a timing code or group: (code or ~0u for all, section).
using TimingLocationQuery = QList<EdidItemLocation> (DataBlock::*)(unsigned, unsigned);

// The bytes a timing row or group shows. The base block's timing queries answer bytes 35 to 53
// whatever the section, so for section 1 to 4 of a base block these are length bytes from
// offset of that descriptor; otherwise what block's query answers for (code, section). Empty
// without a block.
QList<EdidItemLocation> timingBytes(DataBlock *block, unsigned int section, unsigned int offset,
                                    unsigned int length, TimingLocationQuery query,
                                    unsigned int code);
