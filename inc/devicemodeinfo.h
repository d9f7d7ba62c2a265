#pragma once

#include <QtGlobal>

struct NOXMode;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// A display mode as the device model keeps it: twelve ints. The conversions to and
// from the control library's NOXMode use the fields from x position to mode flag;
// adapterIndex and reserved belong to the holder.
struct DeviceModeInfo
{
    qint32 adapterIndex = 0;
    qint32 xPos = 0;
    qint32 yPos = 0;
    qint32 xRes = 0;
    qint32 yRes = 0;
    qint32 colourDepth = 0;
    qint32 refreshRate = 0; // whole hertz
    qint32 orientation = 0;
    qint32 modeFlag = 0;
    qint32 reserved[3] = {0, 0, 0};

    // Takes position, size, colour depth, orientation and mode flag from the mode, and
    // its refresh rate rounded to the nearest whole hertz.
    void Update(const NOXMode &mode);
    // Writes size, colour depth, refresh rate, orientation and mode flag into the mode;
    // its position and the library's own fields are left as they are.
    void GetNOXMode(NOXMode *mode) const;

    bool operator==(const DeviceModeInfo &other) const;
    bool operator!=(const DeviceModeInfo &other) const { return !(*this == other); }
};

static_assert(sizeof(DeviceModeInfo) == 12 * sizeof(qint32), "DeviceModeInfo is twelve ints");
