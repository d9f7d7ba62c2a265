#include "edidreport.h"

namespace VyrTest {

QString reportPart(const QString &report, const QString &heading)
{
    const int from = report.indexOf(heading);
    if (from < 0)
        return QString();
    const int to = report.indexOf(QStringLiteral("\nBlock "), from + 1);
    return report.mid(from, to < 0 ? -1 : to - from);
}

QStringList reportBlockLines(const QString &report, int n)
{
    const QString heading = QStringLiteral("Block %1,").arg(n);
    QStringList lines;
    bool inside = false;
    for (const QString &line : report.split(QLatin1Char('\n'))) {
        if (!inside && line.startsWith(heading))
            inside = true;
        else if (inside && line.startsWith(QLatin1String("Checksum")))
            break;
        else if (inside)
            lines << line.trimmed();
    }
    return lines;
}

} // namespace VyrTest
