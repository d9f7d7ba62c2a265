#pragma once

#include "model/diext/diexttypes.h"

#include <cstdint>

// Which field of a DI-EXT section record a row of the tree edits, by the row's field code. The
// codes follow the rows' order on screen, not the bits of the block (VESA DI-EXT, sections 2.4
// and 2.5), so every code is looked up here rather than computed.
namespace DiExtFields {

// The flag of a check row of the display capabilities section (codes 28-33 and 42-45); null
// for any other code.
bool DiDisplayCaps::*displayCapsFlag(unsigned code);

// The flag of a check row of the colour and luminance section (codes 57 and 62-75); null for
// any other code.
bool DiColorProperties::*colorFlag(unsigned code);

// The bit depth of a depth row of the colour and luminance section (codes 51-56); null for any
// other code.
uint32_t DiColorProperties::*colorDepth(unsigned code);

} // namespace DiExtFields
