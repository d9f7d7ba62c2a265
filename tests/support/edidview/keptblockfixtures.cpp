#include "keptblockfixtures.h"

#include "vyrtestutil.h"

namespace VyrTest {

QByteArray sampleBlock(const QString &sample, int index)
{
    return readSample(sample).mid(index * 128, 128);
}

QList<KeptBlockFixture> keptBlockFixtures()
{
    const QString did20 = QStringLiteral("displayid20-sdc419c-1.bin");
    const QString cta = QStringLiteral("cta-hdr-sdc415a-2.bin");
    const QString erased = QStringLiteral("ext-erased-ach00fa-1.bin");
    const QString blockMap = QStringLiteral("blockmap-gsm5bee-1.bin");
    const QString base = QStringLiteral("Base Block");
    const QString ceaBlock = QStringLiteral("CEA Extention");
    const QString didBlock = QStringLiteral("DID Extention");
    const auto unknown = [](int tag) {
        return QString::asprintf("Unknown Extension (Tag 0x%02X)", unsigned(tag));
    };
    return {
        // A DisplayID 2.0 section (tag 0x70) the DisplayID class does not read, then CTA-861.
        {QStringLiteral("DisplayID 2.0, then CTA-861"),
         sampleBaseBlock(did20, 2) + sampleBlock(did20, 1) + sampleBlock(cta, 1),
         {base, unknown(0x70), ceaBlock}},
        {QStringLiteral("two DisplayID 2.0 blocks"),
         readSample(QStringLiteral("displayid20-lgd0784-2.bin")),
         {base, unknown(0x70), unknown(0x70)}},
        // A block map (tag 0xF0) first, then CTA-861 and DisplayID 1.2.
        {QStringLiteral("block map, then CTA-861 and DisplayID 1.2"),
         readSample(blockMap),
         {base, unknown(0xF0), ceaBlock, didBlock}},
        // The same base block with only the block map and the CTA-861 block announced.
        {QStringLiteral("block map, then CTA-861"),
         sampleBaseBlock(blockMap, 2) + sampleBlock(blockMap, 1) + sampleBlock(blockMap, 2),
         {base, unknown(0xF0), ceaBlock}},
        // An erased extension (all 0xFF, its checksum wrong as found), then CTA-861.
        {QStringLiteral("erased extension, then CTA-861"),
         sampleBaseBlock(erased, 2) + sampleBlock(erased, 1) + sampleBlock(cta, 1),
         {base, unknown(0xFF), ceaBlock}},
        // Two extensions announced, none in the file: the image holds zeros there.
        {QStringLiteral("announced, not there"),
         readSample(QStringLiteral("truncated-lhc3400-2.bin")),
         {base, unknown(0x00), unknown(0x00)}},
        // CTA-861 and four DisplayID 1.2 blocks: the last two do not fit into the image.
        {QStringLiteral("six blocks"),
         readSample(QStringLiteral("large-appae22-1.bin")),
         {base, ceaBlock, didBlock, didBlock}},
    };
}

QByteArray fixtureImage(const KeptBlockFixture &fixture)
{
    QByteArray image = fixture.edid.left(512);
    image.append(QByteArray(512 - image.size(), '\0'));
    return image;
}

} // namespace VyrTest
