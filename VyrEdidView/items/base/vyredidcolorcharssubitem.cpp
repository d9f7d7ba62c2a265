#include "vyredidcolorcharssubitem.h"

#include "model/base/edid14block.h"

VyrEdidColorCharsSubItem::VyrEdidColorCharsSubItem(unsigned int code, Edid13Block *edid13,
                                                   Edid14Block *edid14)
    // The colour rows share kind 1107 with the general information rows.
    : VyrEdidBaseGroupItem(nullptr, VyrEdidItemKind::GeneralInfo, edid13, edid14)
    , m_code(code)
{
    static const char *const Titles[CodeCount] = {QT_TR_NOOP("Red X:"),  QT_TR_NOOP("Green X:"),
                                                  QT_TR_NOOP("Blue X:"), QT_TR_NOOP("White X:"),
                                                  QT_TR_NOOP("Red Y:"),  QT_TR_NOOP("Green Y:"),
                                                  QT_TR_NOOP("Blue Y:"), QT_TR_NOOP("White Y:")};
    if (code < CodeCount)
        setText(VyrEdidColumn::Property, tr(Titles[code]));
}

QList<EdidItemLocation> VyrEdidColorCharsSubItem::GetItemLocations() const
{
    return model() ? model()->GetColorCharacteristicsLocation(m_code) : QList<EdidItemLocation>();
}
