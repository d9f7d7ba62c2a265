#include "edidbytes.h"

#include <QStringList>

namespace VyrTest {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray snapshot(const QByteArray &array)
{
    return QByteArray(array.constData(), array.size());
}

unsigned byteSum(const unsigned char *data, unsigned count)
{
    unsigned sum = 0;
    for (unsigned i = 0; i < count; ++i)
        sum += data[i];
    return sum % 256u;
}

bool sumsToZero(const unsigned char *data, unsigned count)
{
    return byteSum(data, count) == 0;
}

bool checksumOk(const QByteArray &image, int blockStart)
{
    if (blockStart < 0 || blockStart + 128 > image.size())
        return false;
    return sumsToZero(reinterpret_cast<const unsigned char *>(image.constData()) + blockStart, 128);
}

void fixChecksum(QByteArray &image, int blockStart)
{
    if (blockStart < 0 || blockStart + 128 > image.size())
        return;
    const unsigned sum = byteSum(bytes(image) + blockStart, 127);
    image[blockStart + 127] = static_cast<char>((256u - sum) % 256u);
}

QList<int> changedBytes(const QByteArray &a, const QByteArray &b)
{
    QList<int> list;
    for (int i = 0; i < qMin(a.size(), b.size()); ++i) {
        if (a.at(i) != b.at(i))
            list << i;
    }
    return list;
}

QString changedText(const QByteArray &before, const QByteArray &after)
{
    QStringList list;
    for (int i : changedBytes(before, after))
        list << QString::number(i);
    return QStringLiteral("changed bytes: ") + list.join(QLatin1Char(' '));
}

} // namespace VyrTest
