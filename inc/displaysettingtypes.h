#pragma once

#include "noxapi.h"

// How a display shows a mode smaller than its panel.
enum DisplayScalingOption : int {
    DisplayScalingNone = 0,           // centred, no scaling
    DisplayScalingFullScreen = 1,     // expanded to the full screen
    DisplayScalingPreservedAspect = 2 // expanded, keeping the aspect ratio
};

// Where a display's colour temperature comes from. A source that could not be read is
// reported as DisplayColorTemperatureSourceUnknown.
enum DisplayColorTemperatureSource : int {
    DisplayColorTemperatureSourceDefault = 1,
    DisplayColorTemperatureSourceUser = 2,
    DisplayColorTemperatureSourceUnknown = 32
};

// The colour controls of a display, as the bits of its colour capabilities.
enum DisplayColorTypes : int {
    DisplayColorBrightness = 1,
    DisplayColorContrast = 2,
    DisplayColorSaturation = 4,
    DisplayColorHue = 8,
    DisplayColorTemperature = 16
};

// Bits per colour component a panel is driven with when its format is forced.
enum DisplayPanelFormat : int {
    DisplayPanelFormatDefault = 0,
    DisplayPanelFormat6Bit = 1,
    DisplayPanelFormat8Bit = 2,
    DisplayPanelFormat10Bit = 3
};

// Two custom modes are the same mode when their sizes, base sizes and refresh rate
// agree; the flags do not count.
inline bool operator==(const NOXCustomMode &a, const NOXCustomMode &b)
{
    return a.iModeWidth == b.iModeWidth && a.iModeHeight == b.iModeHeight
           && a.iBaseModeWidth == b.iBaseModeWidth && a.iBaseModeHeight == b.iBaseModeHeight
           && a.iRefreshRate == b.iRefreshRate;
}

inline bool operator!=(const NOXCustomMode &a, const NOXCustomMode &b)
{
    return !(a == b);
}
