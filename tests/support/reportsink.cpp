#include "reportsink.h"

namespace VyrTest {

void ReportSink::AppendText(const QString &text)
{
    lines << text;
}

void ReportSink::AppendMode(const ModeInfo *mode)
{
    if (mode)
        modes << *mode;
}

} // namespace VyrTest
