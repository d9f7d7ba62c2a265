#include "vyredidgeneralinfoitem.h"

#include "model/base/edid14block.h"

VyrEdidGeneralInfoItem::VyrEdidGeneralInfoItem(unsigned char *block, Edid13Block *edid13,
                                               Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::GeneralInfo, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("General Info"));
}

QList<EdidItemLocation> VyrEdidGeneralInfoItem::GetItemLocations() const
{
    return model() ? model()->GetGeneralInfoLocation(~0u) : QList<EdidItemLocation>();
}
