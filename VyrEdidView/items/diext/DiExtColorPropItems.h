#pragma once

#include "items/diext/diextitem.h"

// The colour and luminance section of a DI-EXT block (bytes 27-37). The item shows its title and
// reports the section's bytes.
class DiExtColorPropItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtColorPropItems(DiExtBlock *block, unsigned char *image);
};
