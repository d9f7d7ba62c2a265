#include "displayidfixtures.h"

#include "edidbytes.h"
#include "edidreport.h"
#include "model/datablock.h"
#include "vyrtestutil.h"

using VyrTest::bytes;

namespace DidFixture {

QByteArray section(unsigned version, unsigned length, unsigned productType, const QByteArray &data,
                   int size, unsigned extensions)
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

QByteArray wrapped(unsigned version, unsigned length, unsigned productType, const QByteArray &data)
{
    QByteArray block(128, '\0');
    block[0] = char(0x70);
    const QByteArray s = section(version, length, productType, data, 127);
    block.replace(1, 127, s);
    block = block.left(128);
    block[127] = char(DataBlock::computeOneByteCheckSum(bytes(block), 127));
    return block;
}

QByteArray dataBlock(unsigned tag, unsigned revision, const QByteArray &payload)
{
    QByteArray b(3, '\0');
    b[0] = char(tag);
    b[1] = char(revision);
    b[2] = char(payload.size());
    return b + payload;
}

QByteArray edidWith(const QByteArray &extension)
{
    return VyrTest::sampleBaseBlock(QStringLiteral("displayid13-boe0aba-1.bin"), 1) + extension;
}

QString reportPart(const QString &report, unsigned n)
{
    return VyrTest::reportPart(report,
                               QStringLiteral("Block %1, DisplayID Extension Block:").arg(n));
}

QVector<SampleSection> sampleSections()
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

DisplayIDBlock sectionBlock(SampleSection &s)
{
    return DisplayIDBlock(bytes(s.image) + 128 * s.n, 512 - 128 * s.n, 128 * s.n, nullptr);
}

} // namespace DidFixture
