#pragma once

#include "items/diext/diextitem.h"

// The display capabilities section of a DI-EXT block (bytes 20-26 and the high nibble of byte 38).
// The item shows its title and reports the section's bytes.
class DiExtDispCapItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDispCapItems(DiExtBlock *block, unsigned char *image);
};
