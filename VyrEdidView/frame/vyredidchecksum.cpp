#include "vyredidchecksum.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeWidgetItem>

namespace {

// Why a checksum is marked; empty for one that matches.
QString reason(unsigned stored, unsigned computed, const VyrEdidChecksum::Hex &hex)
{
    if (stored == computed)
        return QString();
    return QCoreApplication::translate(
               "VyrEdidChecksum",
               "The block's bytes need checksum %1; an edit of the block rewrites it.")
        .arg(hex(computed));
}

} // namespace

namespace VyrEdidChecksum {

QString twoDigits(unsigned value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString text(unsigned stored, unsigned computed, const Hex &hex)
{
    if (stored == computed)
        return hex(stored);
    return QCoreApplication::translate("VyrEdidChecksum", "%1 (should be %2)")
        .arg(hex(stored), hex(computed));
}

void show(QLabel *label, unsigned stored, unsigned computed, const Hex &hex)
{
    if (!label)
        return;
    // The width the label had before its first mark.
    static const char *const NarrowWidth = "vyrChecksumNarrowWidth";
    if (!label->property(NarrowWidth).isValid())
        label->setProperty(NarrowWidth, label->maximumWidth());
    label->setText(text(stored, computed, hex));
    label->setToolTip(reason(stored, computed, hex));
    label->setMaximumWidth(
        stored == computed ? label->property(NarrowWidth).toInt()
                           : qMax(label->property(NarrowWidth).toInt(), label->sizeHint().width()));
}

void show(QTreeWidgetItem *row, int column, unsigned stored, unsigned computed, const Hex &hex)
{
    if (!row)
        return;
    row->setText(column, text(stored, computed, hex));
    row->setToolTip(column, reason(stored, computed, hex));
}

} // namespace VyrEdidChecksum
