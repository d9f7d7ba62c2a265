#include "locationtext.h"

#include <QStringList>

namespace VyrTest {

QString locationText(const QList<EdidItemLocation> &list)
{
    QStringList parts;
    for (const EdidItemLocation &l : list)
        parts << QStringLiteral("%1:%2").arg(l.offset).arg(l.length);
    return parts.join(QLatin1Char(' '));
}

} // namespace VyrTest
