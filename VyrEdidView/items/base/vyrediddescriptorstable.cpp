// Names of the descriptor kinds.
#include "items/base/vyrediddescriptorsitem.h"

QString VyrEdidDescriptorsItem::getDescriptorName(DescriptorID id)
{
    // By DescriptorID; 0 has no name.
    static const char *const names[] = {
        "",
        QT_TR_NOOP("Descriptor Placeholder"),
        QT_TR_NOOP("Detailed Timing"),
        QT_TR_NOOP("Display Product Serial Number"),
        QT_TR_NOOP("ASCII Data String"),
        QT_TR_NOOP("Display Range Limits"),
        QT_TR_NOOP("Display Product Name"),
        QT_TR_NOOP("Color Point Data"),
        QT_TR_NOOP("Standard Timing Identifications"),
        QT_TR_NOOP("Display Color Management"),
        QT_TR_NOOP("CVT 3 Byte Timing Codes"),
        QT_TR_NOOP("Established Timings III"),
    };
    if (id == DescriptorUnknown || id >= sizeof names / sizeof names[0])
        return QString();
    return tr(names[id]);
}
