#include "vyredidgeneralinfosubitem.h"

#include "model/base/edid14block.h"

VyrEdidGeneralInfoSubItem::VyrEdidGeneralInfoSubItem(unsigned int code, Edid13Block *edid13,
                                                     Edid14Block *edid14)
    : VyrEdidBaseGroupItem(nullptr, VyrEdidItemKind::GeneralInfo, edid13, edid14)
    , m_code(code)
{
    static const char *const Titles[CodeCount] = {
        QT_TR_NOOP("Version"),       QT_TR_NOOP("ManufName"),   QT_TR_NOOP("Product Code"),
        QT_TR_NOOP("Serial Number"), QT_TR_NOOP("WeekOfManuf"), QT_TR_NOOP("YearIfManuf"),
        QT_TR_NOOP("NumOfExt"),      QT_TR_NOOP("CheckSum")};
    if (code < CodeCount)
        setText(VyrEdidColumn::Property, tr(Titles[code]));
}

QList<EdidItemLocation> VyrEdidGeneralInfoSubItem::GetItemLocations() const
{
    return model() ? model()->GetGeneralInfoLocation(m_code) : QList<EdidItemLocation>();
}
