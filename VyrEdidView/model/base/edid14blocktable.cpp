// Established timings III (VESA E-EDID 1.4, section 3.10.3.9): row i is bit 7 - (i mod 8) of
// descriptor byte 6 + i / 8.

#include "edid14block.h"

// clang-format off
const EstablishedMode Edid14Block::EstablishedTimingsIII[44] = {
    // reduced blanking, interlaced, width, height, refresh, label
    {0, 0,  640,  350, 85, QStringLiteral(" 640 x 350  at 85Hz")},
    {0, 0,  640,  400, 85, QStringLiteral(" 640 x 400  at 85Hz")},
    {0, 0,  720,  400, 85, QStringLiteral(" 720 x 400  at 85Hz")},
    {0, 0,  640,  480, 85, QStringLiteral(" 640 x 480  at 85Hz")},
    {0, 0,  848,  480, 60, QStringLiteral(" 848 x 480  at 60Hz")},
    {0, 0,  800,  600, 85, QStringLiteral(" 800 x 600  at 85Hz")},
    {0, 0, 1024,  768, 85, QStringLiteral("1024 x 768  at 85Hz")},
    {0, 0, 1152,  864, 75, QStringLiteral("1152 x 864  at 75Hz")},
    {1, 0, 1280,  768, 60, QStringLiteral("1280 x 768  at 60Hz(RB)")},
    {0, 0, 1280,  768, 60, QStringLiteral("1280 x 768  at 60Hz")},
    {0, 0, 1280,  768, 75, QStringLiteral("1280 x 768  at 75Hz")},
    {0, 0, 1280,  768, 85, QStringLiteral("1280 x 768  at 85Hz")},
    {0, 0, 1280,  960, 60, QStringLiteral("1280 x 960  at 60Hz")},
    {0, 0, 1280,  960, 85, QStringLiteral("1280 x 960  at 85Hz")},
    {0, 0, 1280, 1024, 60, QStringLiteral("1280 x 1024 at 60Hz")},
    {0, 0, 1280, 1024, 85, QStringLiteral("1280 x 1024 at 85Hz")},
    {0, 0, 1360,  768, 60, QStringLiteral("1360 x 768  at 60Hz")},
    {1, 0, 1440,  900, 60, QStringLiteral("1440 x 900  at 60Hz(RB)")},
    {0, 0, 1440,  900, 60, QStringLiteral("1440 x 900  at 60Hz")},
    {0, 0, 1440,  900, 75, QStringLiteral("1440 x 900  at 75Hz")},
    {0, 0, 1440,  900, 85, QStringLiteral("1440 x 900  at 85Hz")},
    {1, 0, 1400, 1050, 60, QStringLiteral("1400 x 1050 at 60Hz(RB)")},
    {0, 0, 1400, 1050, 60, QStringLiteral("1400 x 1050 at 60Hz")},
    {0, 0, 1400, 1050, 75, QStringLiteral("1400 x 1050 at 75Hz")},
    {0, 0, 1400, 1050, 85, QStringLiteral("1400 x 1050 at 85Hz")},
    {1, 0, 1680, 1050, 60, QStringLiteral("1680 x 1050 at 60Hz(RB)")},
    {0, 0, 1680, 1050, 60, QStringLiteral("1680 x 1050 at 60Hz")},
    {0, 0, 1680, 1050, 75, QStringLiteral("1680 x 1050 at 75Hz")},
    {0, 0, 1680, 1050, 85, QStringLiteral("1680 x 1050 at 85Hz")},
    {0, 0, 1600, 1200, 60, QStringLiteral("1600 x 1200 at 60Hz")},
    {0, 0, 1600, 1200, 65, QStringLiteral("1600 x 1200 at 65Hz")},
    {0, 0, 1600, 1200, 70, QStringLiteral("1600 x 1200 at 70Hz")},
    {0, 0, 1600, 1200, 75, QStringLiteral("1600 x 1200 at 75Hz")},
    {0, 0, 1600, 1200, 85, QStringLiteral("1600 x 1200 at 85Hz")},
    {0, 0, 1792, 1344, 60, QStringLiteral("1792 x 1344 at 60Hz")},
    {0, 0, 1792, 1344, 75, QStringLiteral("1792 x 1344 at 75Hz")},
    {0, 0, 1856, 1392, 60, QStringLiteral("1856 x 1392 at 60Hz")},
    {0, 0, 1856, 1392, 75, QStringLiteral("1856 x 1392 at 75Hz")},
    {1, 0, 1920, 1200, 60, QStringLiteral("1920 x 1200 at 60Hz(RB)")},
    {0, 0, 1920, 1200, 60, QStringLiteral("1920 x 1200 at 60Hz")},
    {0, 0, 1920, 1200, 75, QStringLiteral("1920 x 1200 at 75Hz")},
    {0, 0, 1920, 1200, 85, QStringLiteral("1920 x 1200 at 85Hz")},
    {0, 0, 1920, 1440, 60, QStringLiteral("1920 x 1440 at 60Hz")},
    {0, 0, 1920, 1440, 75, QStringLiteral("1920 x 1440 at 75Hz")},
};
// clang-format on
