#pragma once

// Texts of the display interface data block (DisplayID 1.3, section 4.16), untranslated;
// didText() (didtexttable.h) translates one. A list entry's value is its index.

// Interface types, payload byte 0 bits 7-4.
extern const char *const interfaceTypeStr[12];
// Analog interface sub-types, payload byte 0 bits 3-0 of the analog type; the last is "N/A".
extern const char *const analogInterfaceTypeStr[4];
// Colour depths of the depth groups, deepest first.
extern const char *const colorDepthStr[6];
