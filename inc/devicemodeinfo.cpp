#include "devicemodeinfo.h"

#include "noxapi.h"

#include <cmath>

namespace {

// The rate to the nearest whole hertz (59.94 gives 60); rates outside the int range
// are clamped so that a bad value from the library cannot overflow.
qint32 wholeHertz(float rate)
{
    const double rounded = std::floor(static_cast<double>(rate) + 0.5);
    if (!(rounded > -2147483648.0))
        return INT32_MIN;
    if (rounded >= 2147483647.0)
        return INT32_MAX;
    return static_cast<qint32>(rounded);
}

} // namespace

void DeviceModeInfo::Update(const NOXMode &mode)
{
    xPos = mode.iXPos;
    yPos = mode.iYPos;
    xRes = mode.iXRes;
    yRes = mode.iYRes;
    colourDepth = mode.iColourDepth;
    refreshRate = wholeHertz(mode.fRefreshRate);
    orientation = mode.iOrientation;
    modeFlag = mode.iModeFlag;
}

void DeviceModeInfo::GetNOXMode(NOXMode *mode) const
{
    if (mode == nullptr)
        return;
    mode->iXRes = xRes;
    mode->iYRes = yRes;
    mode->iColourDepth = colourDepth;
    mode->fRefreshRate = static_cast<float>(refreshRate);
    mode->iOrientation = orientation;
    mode->iModeFlag = modeFlag;
}

bool DeviceModeInfo::operator==(const DeviceModeInfo &other) const
{
    return adapterIndex == other.adapterIndex && xPos == other.xPos && yPos == other.yPos
           && xRes == other.xRes && yRes == other.yRes && colourDepth == other.colourDepth
           && refreshRate == other.refreshRate && orientation == other.orientation
           && modeFlag == other.modeFlag && reserved[0] == other.reserved[0]
           && reserved[1] == other.reserved[1] && reserved[2] == other.reserved[2];
}
