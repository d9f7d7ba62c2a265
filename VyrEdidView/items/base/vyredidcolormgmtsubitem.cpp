#include "vyredidcolormgmtsubitem.h"

VyrEdidColorMgmtSubItem::VyrEdidColorMgmtSubItem(unsigned int code, unsigned int slotNumber,
                                                 DataBlock *block)
    : DescriptorFieldItem(VyrEdidItemKind::RangeLimits, code, slotNumber, block, fieldLabel(code))
{}

QString VyrEdidColorMgmtSubItem::fieldLabel(unsigned int code)
{
    static const char *const labels[] = {
        QT_TR_NOOP("RedA2"), QT_TR_NOOP("GreenA2"), QT_TR_NOOP("BlueA2"),
        QT_TR_NOOP("RedA3"), QT_TR_NOOP("GreenA3"), QT_TR_NOOP("BlueA3"),
    };
    return code < sizeof labels / sizeof labels[0] ? tr(labels[code]) : QString();
}
