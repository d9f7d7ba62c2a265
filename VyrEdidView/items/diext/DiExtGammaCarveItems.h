#pragma once

#include "items/diext/diextitem.h"

// The gamma section of a DI-EXT block (bytes 81-126). The item shows its title and reports the
// section's bytes.
class DiExtGammaCarveItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtGammaCarveItems(DiExtBlock *block, unsigned char *image);
};
