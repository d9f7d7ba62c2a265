#include "vyredidcolorpointsubchilditem.h"

VyrEdidColorPointSubChildItem::VyrEdidColorPointSubChildItem(unsigned int code,
                                                             unsigned int slotNumber,
                                                             unsigned int w, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::RangeLimits, slotNumber, block)
    , m_code(code)
    , m_w(w)
{
    setText(VyrEdidColumn::Property, fieldLabel(code));
}

bool VyrEdidColorPointSubChildItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> VyrEdidColorPointSubChildItem::GetItemLocations() const
{
    return bodyLocation();
}

QString VyrEdidColorPointSubChildItem::fieldLabel(unsigned int code)
{
    switch (code) {
    case Index:
        return tr("Index");
    case WhiteX:
        return tr("WhiteX");
    case WhiteY:
        return tr("WhiteY");
    case Gamma:
        return tr("Gamma");
    case EnableWhite:
        return tr("Enable White");
    default:
        return QString();
    }
}
