#include "vyrdisplaymode.h"

#include "noxapi.h"

#include <cmath>
#include <istream>
#include <ostream>
#include <tuple>

namespace {

auto fields(const VyrDisplayMode &m)
{
    return std::tie(m.xRes, m.yRes, m.refreshRate, m.colourDepth, m.orientation, m.modeFlag);
}

quint32 wholeHertz(float rate)
{
    const double rounded = std::floor(static_cast<double>(rate) + 0.5);
    if (!(rounded > 0.0))
        return 0;
    if (rounded >= 4294967295.0)
        return 0xFFFFFFFFu;
    return static_cast<quint32>(rounded);
}

} // namespace

VyrDisplayMode VyrDisplayMode::fromNoxMode(const NOXMode &mode)
{
    VyrDisplayMode m;
    m.xRes = static_cast<quint32>(mode.iXRes);
    m.yRes = static_cast<quint32>(mode.iYRes);
    m.refreshRate = wholeHertz(mode.fRefreshRate);
    m.colourDepth = static_cast<quint32>(mode.iColourDepth);
    m.orientation = static_cast<quint32>(mode.iOrientation);
    m.modeFlag = static_cast<quint32>(mode.iModeFlag);
    return m;
}

bool operator==(const VyrDisplayMode &a, const VyrDisplayMode &b)
{
    return fields(a) == fields(b);
}

bool operator!=(const VyrDisplayMode &a, const VyrDisplayMode &b)
{
    return !(a == b);
}

bool operator<(const VyrDisplayMode &a, const VyrDisplayMode &b)
{
    return fields(a) < fields(b);
}

std::ostream &operator<<(std::ostream &stream, const VyrDisplayMode &mode)
{
    return stream << mode.xRes << ' ' << mode.yRes << ' ' << mode.refreshRate << ' '
                  << mode.colourDepth << ' ' << mode.orientation << ' ' << mode.modeFlag;
}

std::istream &operator>>(std::istream &stream, VyrDisplayMode &mode)
{
    VyrDisplayMode read;
    if (stream >> read.xRes >> read.yRes >> read.refreshRate >> read.colourDepth >> read.orientation
        >> read.modeFlag)
        mode = read;
    return stream;
}
