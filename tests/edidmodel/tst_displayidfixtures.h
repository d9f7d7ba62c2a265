#pragma once

// Small builders of DisplayID test sections shared by the DisplayID tests.

#include "model/datablock.h"
#include "model/displayid/displayidblock.h"
#include "vyrtestutil.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace DidFixture {

inline unsigned char *bytes(QByteArray &a)
{
    return reinterpret_cast<unsigned char *>(a.data());
}

inline bool sumsToZero(const unsigned char *p, unsigned n)
{
    unsigned sum = 0;
    for (unsigned i = 0; i < n; ++i)
        sum += p[i];
    return (sum & 0xFFu) == 0;
}

// A section {version, length, product type, extension count} followed by the given data
// area (zero-filled to length), its checksum and zeros up to size.
inline QByteArray section(unsigned version, unsigned length, unsigned productType,
                          const QByteArray &data, int size, unsigned extensions = 0)
{
    QByteArray s(size, '\0');
    s[0] = char(version);
    s[1] = char(length);
    s[2] = char(productType);
    s[3] = char(extensions);
    s.replace(4, data.size(), data);
    s = s.left(size);
    if (4 + int(length) < size)
        s[4 + int(length)] = char(DataBlock::computeOneByteCheckSum(bytes(s), 4 + length));
    return s;
}

// The section wrapped in a 128-byte EDID extension block with both checksums.
inline QByteArray wrapped(unsigned version, unsigned length, unsigned productType,
                          const QByteArray &data)
{
    QByteArray block(128, '\0');
    block[0] = char(0x70);
    const QByteArray s = section(version, length, productType, data, 127);
    block.replace(1, 127, s);
    block = block.left(128);
    block[127] = char(DataBlock::computeOneByteCheckSum(bytes(block), 127));
    return block;
}

// Data-block header and payload.
inline QByteArray dataBlock(unsigned tag, unsigned revision, const QByteArray &payload)
{
    QByteArray b(3, '\0');
    b[0] = char(tag);
    b[1] = char(revision);
    b[2] = char(payload.size());
    return b + payload;
}

// A two-block EDID image: a real base block declaring one extension, then the block.
inline QByteArray edidWith(const QByteArray &extension)
{
    QByteArray base = VyrTest::readSample(QStringLiteral("displayid13-boe0aba-1.bin")).left(128);
    base[126] = 1;
    base[127] = char(DataBlock::computeOneByteCheckSum(bytes(base), 127));
    return base + extension;
}

// The reference decoder's text of extension block n: from its heading to the next block's.
inline QString reportPart(const QString &report, unsigned n)
{
    const int from = report.indexOf(QStringLiteral("Block %1, DisplayID Extension Block:").arg(n));
    const int to = report.indexOf(QStringLiteral("\nBlock "), from + 1);
    return report.mid(from, to < 0 ? -1 : to - from);
}

// A DisplayID section in extension block n of a sample: the sample's padded image (a copy of
// its own for each section) and the reference decoder's text of that block.
struct SampleSection
{
    QString name;
    unsigned n;
    QByteArray image;
    QString part;
};

// Every extension block 1 to 3 of every sample that holds a section DisplayIDBlock reads.
inline QVector<SampleSection> sampleSections()
{
    QVector<SampleSection> sections;
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray file = VyrTest::readSample(name);
        QByteArray image = VyrTest::sampleImage(name);
        const QString report = VyrTest::edidDecode(file, {QStringLiteral("-s")});
        for (unsigned n = 1; n < 4 && 128 * n < unsigned(file.size()); ++n) {
            DisplayIDBlock b(bytes(image) + 128 * n, 512 - 128 * n, 128 * n, nullptr);
            if (b.GetBlockSize() != 0)
                sections.append({name, n, image, reportPart(report, n)});
        }
    }
    return sections;
}

// The DisplayID reader over section s's block.
inline DisplayIDBlock sectionBlock(SampleSection &s)
{
    return DisplayIDBlock(bytes(s.image) + 128 * s.n, 512 - 128 * s.n, 128 * s.n, nullptr);
}

} // namespace DidFixture
