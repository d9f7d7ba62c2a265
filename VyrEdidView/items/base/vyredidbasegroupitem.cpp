#include "vyredidbasegroupitem.h"

#include "model/base/edid14block.h"

VyrEdidBaseGroupItem::VyrEdidBaseGroupItem(unsigned char *bytes, int kind, Edid13Block *edid13,
                                           Edid14Block *edid14)
    : VyrEdidItemBase(bytes, kind)
    , m_edid13(edid13)
    , m_edid14(edid14)
{}

bool VyrEdidBaseGroupItem::InitItems()
{
    return true;
}

Edid13Block *VyrEdidBaseGroupItem::model() const
{
    return m_edid13 ? m_edid13 : m_edid14;
}
