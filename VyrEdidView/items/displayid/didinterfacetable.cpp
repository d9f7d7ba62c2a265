#include "didinterfacetable.h"

#include <QCoreApplication>

// clang-format off
const char *const interfaceTypeStr[12] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Analog"),
    QT_TRANSLATE_NOOP("VyrDIDText", "LVDS"),
    QT_TRANSLATE_NOOP("VyrDIDText", "TMDS"),
    QT_TRANSLATE_NOOP("VyrDIDText", "RSDS"),
    QT_TRANSLATE_NOOP("VyrDIDText", "DVI-D"),
    QT_TRANSLATE_NOOP("VyrDIDText", "DVI-I,analog"),
    QT_TRANSLATE_NOOP("VyrDIDText", "DVI-I,digital"),
    QT_TRANSLATE_NOOP("VyrDIDText", "HDMI-A"),
    QT_TRANSLATE_NOOP("VyrDIDText", "HDMI-B"),
    QT_TRANSLATE_NOOP("VyrDIDText", "MDDI"),
    QT_TRANSLATE_NOOP("VyrDIDText", "DisplayPort"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Proprietary"),
};

const char *const analogInterfaceTypeStr[4] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "15HD/VGA"),
    QT_TRANSLATE_NOOP("VyrDIDText", "VESA NAVI-V(15HD)"),
    QT_TRANSLATE_NOOP("VyrDIDText", "VESA NAVI-D"),
    QT_TRANSLATE_NOOP("VyrDIDText", "N/A"),
};

const char *const colorDepthStr[6] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "16 bit per primary color"),
    QT_TRANSLATE_NOOP("VyrDIDText", "14 bit per primary color"),
    QT_TRANSLATE_NOOP("VyrDIDText", "12 bit per primary color"),
    QT_TRANSLATE_NOOP("VyrDIDText", "10 bit per primary color"),
    QT_TRANSLATE_NOOP("VyrDIDText", "8 bit per primary color"),
    QT_TRANSLATE_NOOP("VyrDIDText", "6 bit per primary color"),
};
// clang-format on
