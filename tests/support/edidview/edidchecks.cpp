#include "edidchecks.h"

#include <QSet>
#include <QStringList>

namespace VyrTest {

QList<int> byteRange(int first, int count)
{
    QList<int> offsets;
    for (int i = 0; i < count; ++i)
        offsets << first + i;
    return offsets;
}

QString onlyChanged(const QByteArray &before, const QByteArray &after, const QList<int> &allowed)
{
    QStringList problems;
    if (before.size() != after.size())
        problems << QStringLiteral("the size changed");
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
        if (!checksumOk(after, block * 128))
            problems << QStringLiteral("block %1 has a wrong checksum").arg(block);
    }
    return problems.join(QStringLiteral("; "));
}

} // namespace VyrTest
