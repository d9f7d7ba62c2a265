#pragma once

#include "items/displayid/didcelldata.h"

#include <QList>

// Texts and lists of the display device data block (DisplayID 1.3, section 4.13). The text
// arrays are untranslated (didText() of didtexttable.h translates one); a list entry's value is
// its index unless the entry gives one.

// Display technologies, payload byte 0 bits 7-4.
extern const char *const displayTypesStr[11];
// LCD sub-types, payload byte 0 bits 3-0 of an LCD.
extern const char *const lcdDisplayTypesStr[9];
// Operating modes, payload byte 1 bits 7-4.
extern const char *const operatingModeStr[15];
// Sub-pixel layouts, payload byte 8.
extern const char *const subPixelStr[14];

// The technology list (the technologies, then "Not Defined here" with value 255) and the
// sub-type lists of CRT, LCD and plasma displays, translated; empty holds "N/A" for the
// technologies without sub-types. InitDisplayTypesData() (re)fills them.
extern QList<ComboBoxData> displayTypes;
extern QList<ComboBoxData> crtTypes;
extern QList<ComboBoxData> lcdTypes;
extern QList<ComboBoxData> pdpTypes;
extern QList<ComboBoxData> empty;

// Empties the five lists and fills them.
void InitDisplayTypesData();
