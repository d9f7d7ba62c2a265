#include "vyredidbasicparamsinfosubitem.h"

#include "model/base/edid14block.h"

VyrEdidBasicParamsInfoSubItem::VyrEdidBasicParamsInfoSubItem(unsigned int code, Edid13Block *edid13,
                                                             Edid14Block *edid14)
    : VyrEdidBaseGroupItem(nullptr, VyrEdidItemKind::BasicParams, edid13, edid14)
{
    // Byte 24 bits 0 and 1 changed their meaning with EDID 1.4 (VESA E-EDID 1.4, 3.6.4).
    static const char *const Titles13[CodeCount] = {
        QT_TR_NOOP("Video Input Definition"),
        QT_TR_NOOP("Screen Size"),
        QT_TR_NOOP("Gamma"),
        QT_TR_NOOP("Color type"),
        nullptr,
        QT_TR_NOOP("StandBy"),
        QT_TR_NOOP("Suspend"),
        QT_TR_NOOP("Low Power"),
        QT_TR_NOOP("sRGB Default CSC"),
        QT_TR_NOOP("GTF standard with default vlaues"),
        QT_TR_NOOP("First detailed timing is preferred")};
    static const char *const Titles14[2] = {QT_TR_NOOP("Continuous frequency"),
                                            QT_TR_NOOP("Preferred pixel format and rate")};
    const char *title = code < CodeCount ? Titles13[code] : nullptr;
    if (edid14 && code >= ContinuousFrequency && code <= PreferredTiming)
        title = Titles14[code - ContinuousFrequency];
    if (title)
        setText(VyrEdidColumn::Property, tr(title));
}

QList<EdidItemLocation> VyrEdidBasicParamsInfoSubItem::GetItemLocations() const
{
    return model() ? model()->GetBasicDisplayParamsLocation(~0u) : QList<EdidItemLocation>();
}
