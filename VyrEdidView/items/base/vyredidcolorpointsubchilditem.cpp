#include "vyredidcolorpointsubchilditem.h"

VyrEdidColorPointSubChildItem::VyrEdidColorPointSubChildItem(unsigned int code,
                                                             unsigned int slotNumber,
                                                             unsigned int w, DataBlock *block)
    : DescriptorFieldItem(VyrEdidItemKind::RangeLimits, code, slotNumber, block, fieldLabel(code))
    , m_w(w)
{}

QString VyrEdidColorPointSubChildItem::fieldLabel(unsigned int code)
{
    static const char *const labels[] = {
        "",
        QT_TR_NOOP("Index"),
        QT_TR_NOOP("WhiteX"),
        QT_TR_NOOP("WhiteY"),
        QT_TR_NOOP("Gamma"),
        QT_TR_NOOP("Enable White"),
    };
    if (code >= sizeof labels / sizeof labels[0] || !*labels[code])
        return QString();
    return tr(labels[code]);
}
