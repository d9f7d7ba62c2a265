#pragma once

// Texts of the codes of DisplayID timing descriptors, untranslated (context "VyrDIDText";
// didText() translates one). Index = the code stored in the descriptor.

// Aspect ratio, codes 0 to 6 (Type I byte 3 and Type III byte 0, bits 3-0).
extern const char *const aspectRatioStr[7];
// 3D stereo support, codes 0 to 3 (Type I and II byte 3, bits 6-5).
extern const char *const stereoSupportStr[4];
// Timing formula, codes 0 to 2 (Type III byte 0, bits 6-4).
extern const char *const timingFormulaStr[3];
