#include "vyrdevicetreeicons.h"

#include <algorithm>

namespace {

struct DisplayIcons
{
    quint32 signalTypes[6];
    int count;
    const char *enabled;
    const char *notEnabled;
};

// Signal type codes of the display model: 2 DVI_D, 3 DVI_I, 4 to 7 the component-video kinds,
// 8 LVDS, 10 HdmiA, 11 HdmiB, 15 DisplayPort, 16 EDP.
// clang-format off
const DisplayIcons displayIcons[] = {
    {{10, 11, 15},         3, ":/icons/Images/dpmon.jpg",  ":/icons/Images/dpmon_NA.jpg"},
    {{8, 16},              2, ":/icons/Images/laptop.ico", ":/icons/Images/laptop_NA.ico"},
    {{2, 3, 4, 5, 6, 7},   6, ":/icons/Images/dfp2.jpg",   ":/icons/Images/dfp2_NA.jpg"},
};
// Every other code (unknown, CRT, S-Video, composite, component, ...). The paths keep their
// double slash: the resource system reads them as one.
const char *const otherEnabled = ":/icons/Images//dp17mo.jpg";
const char *const otherNotEnabled = ":/icons/Images//dp17mo_NA.jpg";
// clang-format on

} // namespace

namespace VyrDeviceTreeIcons {

QString system(int managerKind)
{
    switch (managerKind) {
    case 1:
        return QStringLiteral(":/icons/Images/filesave.ico");
    case 2:
        return QStringLiteral(":/icons/Images/network.ico");
    default:
        return QStringLiteral(":/icons/Images/computer.ico");
    }
}

QString device()
{
    return QStringLiteral(":/icons/Images/device.ico");
}

QString adapter()
{
    return QStringLiteral(":/icons/Images/Ram.png");
}

QString branch()
{
    return QStringLiteral(":/icons/Images/mst.png");
}

QString display(quint32 signalType, bool enabled)
{
    for (const DisplayIcons &icons : displayIcons) {
        const quint32 *types = icons.signalTypes;
        if (std::find(types, types + icons.count, signalType) != types + icons.count)
            return QString::fromLatin1(enabled ? icons.enabled : icons.notEnabled);
    }
    return QString::fromLatin1(enabled ? otherEnabled : otherNotEnabled);
}

} // namespace VyrDeviceTreeIcons
