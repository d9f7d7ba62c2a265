#pragma once

#include <QString>

// Texts of DisplayID enumerations, untranslated; didText() translates one.

// Product types of a section, header byte 2 (DisplayID 1.3, section 2.1).
extern const char *const DIDProductType[8];
// Stereo interface methods, payload byte 1 of a stereo display interface data block
// (DisplayID 1.3, section 4.17); 255 is "Proprietary".
extern const char *const stereoMethodStr[7];

// The translation of one of these texts (context "VyrDIDText").
QString didText(const char *text);
