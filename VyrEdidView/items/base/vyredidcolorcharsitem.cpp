#include "vyredidcolorcharsitem.h"

#include "model/base/edid14block.h"

VyrEdidColorCharsItem::VyrEdidColorCharsItem(unsigned char *block, Edid13Block *edid13,
                                             Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::ColorChars, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("Color Characteristics Info"));
}

QList<EdidItemLocation> VyrEdidColorCharsItem::GetItemLocations() const
{
    return model() ? model()->GetColorCharacteristicsLocation(~0u) : QList<EdidItemLocation>();
}
