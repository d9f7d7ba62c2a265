#pragma once

// Byte helpers of the EDID tests: the raw view of an image that the block classes write
// through, hex input, 128-byte block checksums, and the bytes in which two images differ.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>

namespace VyrTest {

// The bytes of array as the block classes take them; writes go straight into the array.
inline unsigned char *bytes(QByteArray &array)
{
    return reinterpret_cast<unsigned char *>(array.data());
}

// Bytes written as hex digits, e.g. hex("00ffff"); spaces are allowed between bytes.
QByteArray hex(const char *text);

// A copy with bytes of its own. Block objects write through raw pointers, which bypass
// QByteArray's implicit sharing, so a plain copy would change along with the original.
QByteArray snapshot(const QByteArray &array);

// Sum of count bytes modulo 256.
unsigned byteSum(const unsigned char *data, unsigned count);

// True when count bytes sum to 0 modulo 256 (a block or section with a right checksum).
bool sumsToZero(const unsigned char *data, unsigned count);

// True when the 128-byte block at blockStart of image sums to 0 modulo 256.
bool checksumOk(const QByteArray &image, int blockStart = 0);

// Writes byte 127 of the 128-byte block at blockStart of image so that the block sums to 0.
void fixChecksum(QByteArray &image, int blockStart = 0);

// Indexes of the bytes in which a and b differ (over the length of the shorter).
QList<int> changedBytes(const QByteArray &a, const QByteArray &b);

// "changed bytes: 23 127" for a failure message.
QString changedText(const QByteArray &before, const QByteArray &after);

// An image with a name, for the tests that go over a table of images.
struct NamedImage
{
    QString name;
    QByteArray image;
};

// A record filled with a byte pattern, so that a getter that leaves a field alone shows.
template <typename T> T patterned(unsigned char value = 0x5A)
{
    T record;
    std::memset(&record, value, sizeof record);
    return record;
}

// True when two records hold the same bytes.
template <typename T> bool sameBytes(const T &a, const T &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace VyrTest
