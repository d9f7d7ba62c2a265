#include "didtexttable.h"

#include <QCoreApplication>

// clang-format off
const char *const DIDProductType[8] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Extension"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Test Equipment"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Display Panel"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Standalone Panel"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Television receiver"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Repeater/Translator"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct Drive"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Reserved"),
};

// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
const char *const stereoMethodStr[7] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Field Sequential"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Syde-by-side"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Pixel Interleaved"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Dual Interface"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Multiview"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Stacked Frame"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Reserved"),
};
// clang-format on

QString didText(const char *text)
{
    return QCoreApplication::translate("VyrDIDText", text);
}
