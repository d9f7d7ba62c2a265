#include "vyredidbasicparamsinfoitem.h"

#include "model/base/edid14block.h"

VyrEdidBasicParamsInfoItem::VyrEdidBasicParamsInfoItem(unsigned char *block, Edid13Block *edid13,
                                                       Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::BasicParams, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("Basic Params Info"));
}

QList<EdidItemLocation> VyrEdidBasicParamsInfoItem::GetItemLocations() const
{
    return model() ? model()->GetBasicDisplayParamsLocation(~0u) : QList<EdidItemLocation>();
}
