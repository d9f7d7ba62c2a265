#include "edidchecks.h"

#include <QSet>
#include <QStringList>

namespace VyrTest {

QList<int> changedBytes(const QByteArray &a, const QByteArray &b)
{
    QList<int> list;
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a.at(i) != b.at(i))
            list << i;
    }
    return list;
}

QString onlyChanged(const QByteArray &before, const QByteArray &after, const QList<int> &allowed)
{
    QStringList problems;
    QSet<int> blocks;
    for (int i : changedBytes(before, after)) {
        blocks.insert(i / 128);
        if (!allowed.contains(i) && i % 128 != 127)
            problems << QStringLiteral("byte %1 changed (%2 -> %3)")
                            .arg(i)
                            .arg(quint8(before.at(i)), 2, 16, QLatin1Char('0'))
                            .arg(quint8(after.at(i)), 2, 16, QLatin1Char('0'));
    }
    for (int block : qAsConst(blocks)) {
        unsigned sum = 0;
        for (int i = block * 128; i < qMin(after.size(), block * 128 + 128); ++i)
            sum += quint8(after.at(i));
        if (sum % 256 != 0)
            problems << QStringLiteral("block %1 has a wrong checksum").arg(block);
    }
    return problems.join(QStringLiteral("; "));
}

QString locationsText(const QList<EdidItemLocation> &locations)
{
    QStringList parts;
    for (const EdidItemLocation &location : locations)
        parts << QStringLiteral("{%1,%2}").arg(location.offset).arg(location.length);
    return parts.join(QLatin1Char(' '));
}

} // namespace VyrTest
