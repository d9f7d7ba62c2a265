#include "reporttext.h"

#include "callbackfillcontenttgt.h"
#include "datablock.h"

QString ReportText::hex(unsigned value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

void ReportText::append(CallbackFillContentTgt *target, const QString &text)
{
    if (target)
        target->AppendText(text);
}

int ReportText::checkChecksum(CallbackFillContentTgt *target, const unsigned char *block,
                              unsigned size)
{
    if (!block || size == 0)
        return 0;
    const unsigned stored = block[size - 1];
    const unsigned computed = DataBlock::computeOneByteCheckSum(block, size - 1);
    if (stored == computed)
        return 0;
    append(target, tr("  Error: Invalid checksum. 0x%1 (stored checksum) instead 0x%2 "
                      "(calculated checksum).\r\n")
                       .arg(hex(stored), hex(computed)));
    return 1;
}

void ReportText::appendValid(CallbackFillContentTgt *target, int errors)
{
    if (errors == 0)
        append(target, tr("  Block is valid\r\n"));
}
