#include "didtimingtexttable.h"

#include <QCoreApplication>

// clang-format off
const char *const aspectRatioStr[7] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "1:1"),
    QT_TRANSLATE_NOOP("VyrDIDText", "5:4"),
    QT_TRANSLATE_NOOP("VyrDIDText", "4:3"),
    QT_TRANSLATE_NOOP("VyrDIDText", "15:9"),
    QT_TRANSLATE_NOOP("VyrDIDText", "16:9"),
    QT_TRANSLATE_NOOP("VyrDIDText", "16:10"),
    QT_TRANSLATE_NOOP("VyrDIDText", "reserved"),
};

const char *const stereoSupportStr[4] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Monocsopic(no stereo)"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Stereo"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Mono or Stereo"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Reserved"),
};

const char *const timingFormulaStr[3] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "VESA CVT,standard blanking"),
    QT_TRANSLATE_NOOP("VyrDIDText", "VESA CVT,reduced blanking"),
    QT_TRANSLATE_NOOP("VyrDIDText", "reserved"),
};
// clang-format on
