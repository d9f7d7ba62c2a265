// Established timings I and II of the EDID base block (VESA E-EDID 1.4, section 3.8):
// row i is bit 7 - (i mod 8) of byte 35 + i / 8.

#include "edid13block.h"

// clang-format off
const EstablishedMode Edid13Block::EstablishedTimings[17] = {
    // reduced blanking, interlaced, width, height, refresh, label
    {0, 0,  720,  400, 70, QStringLiteral(" 720 x 400  at 70Hz")},
    {0, 0,  720,  400, 88, QStringLiteral(" 720 x 400  at 88Hz")},
    {0, 0,  640,  480, 60, QStringLiteral(" 640 x 480  at 60Hz")},
    {0, 0,  640,  480, 67, QStringLiteral(" 640 x 480  at 67Hz")},
    {0, 0,  640,  480, 72, QStringLiteral(" 640 x 480  at 72Hz")},
    {0, 0,  640,  480, 75, QStringLiteral(" 640 x 480  at 75Hz")},
    {0, 0,  800,  600, 56, QStringLiteral(" 800 x 600  at 56Hz")},
    {0, 0,  800,  600, 60, QStringLiteral(" 800 x 600  at 60Hz")},
    {0, 0,  800,  600, 72, QStringLiteral(" 800 x 600  at 72Hz")},
    {0, 0,  800,  600, 75, QStringLiteral(" 800 x 600  at 75Hz")},
    {0, 0,  832,  624, 75, QStringLiteral(" 832 x 624  at 75Hz")},
    {0, 1, 1024,  768, 87, QStringLiteral("1024 x 768  at 87Hz(I)")},
    {0, 0, 1024,  768, 60, QStringLiteral("1024 x 768  at 60Hz")},
    {0, 0, 1024,  768, 70, QStringLiteral("1024 x 768  at 70Hz")},
    {0, 0, 1024,  768, 75, QStringLiteral("1024 x 768  at 75Hz")},
    {0, 0, 1280, 1024, 75, QStringLiteral("1280 x 1024 at 75Hz")},
    // Manufacturer's timing (byte 37 bit 7): 1152 x 872, not 870.
    {0, 0, 1152,  872, 75, QStringLiteral("1152 x 872  at 75Hz")},
};
// clang-format on
