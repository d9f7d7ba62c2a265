#include "descriptorfixtures.h"

namespace VyrTest {

namespace {

QList<int> listOf(const QByteArray &bytes)
{
    QList<int> list;
    for (char byte : bytes)
        list << static_cast<quint8>(byte);
    return list;
}

} // namespace

int descriptorOffset(int slot)
{
    return 54 + 18 * slot;
}

QList<int> detailedTiming1080p()
{
    return listOf(QByteArray::fromHex("023a801871382d40582c4500138e2100001e"));
}

QList<int> displayDescriptor(int tag, const QByteArray &data)
{
    QByteArray bytes(18, '\0');
    bytes[3] = static_cast<char>(tag);
    bytes.replace(5, qMin(data.size(), 13), data.left(13));
    return listOf(bytes.left(18));
}

QList<int> stringDescriptor(int tag, const QByteArray &text)
{
    QByteArray data = text.left(13);
    if (data.size() < 13)
        data += '\n';
    data += QByteArray(13 - data.size(), ' ');
    return displayDescriptor(tag, data);
}

QList<int> rangeLimitsDescriptor()
{
    return displayDescriptor(0xFD, QByteArray::fromHex("324b1e5311000a202020202020"));
}

} // namespace VyrTest
