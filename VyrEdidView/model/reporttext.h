#pragma once

#include <QCoreApplication>
#include <QString>

class CallbackFillContentTgt;

// The pieces of the text report (Validate) and of the byte descriptions (FillCellInfo) that every
// block class writes the same way: hexadecimal numbers, the null-safe report sink, and the lines
// that end a block's report.
class ReportText
{
    Q_DECLARE_TR_FUNCTIONS(ReportText)

public:
    // value in upper-case hexadecimal, padded with zeros to at least width digits.
    static QString hex(unsigned value, int width = 1);
    // Hands one report line to target; nothing without a target.
    static void append(CallbackFillContentTgt *target, const QString &text);
    // Compares the checksum byte of a block of size bytes (its last byte) with the one its other
    // bytes call for; reports a mismatch and answers the number of errors (0 or 1).
    static int checkChecksum(CallbackFillContentTgt *target, const unsigned char *block,
                             unsigned size);
    // The last line of a block's report when it found no error.
    static void appendValid(CallbackFillContentTgt *target, int errors);
};
