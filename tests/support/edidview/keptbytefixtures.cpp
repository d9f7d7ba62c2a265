#include "keptbytefixtures.h"

#include "ceatestsupport.h"
#include "descriptorfixtures.h"
#include "edidimagebuilder.h"
#include "keptblockfixtures.h"

namespace VyrTest {

QByteArray secondaryGtfImage(bool edid14)
{
    EdidImageBuilder builder;
    if (edid14)
        builder.edid14();
    else
        builder.edid13();
    // 56-76 Hz, 30-83 kHz, 170 MHz; secondary GTF from 80 kHz (byte 12 = 40), C 0x51, M 600,
    // K 128, J 0x29.
    return builder.patch(descriptorOffset(0), detailedTiming1080p())
        .patch(descriptorOffset(1),
               displayDescriptor(0xFD, QByteArray::fromHex("384c1e53110200285158028029")))
        .patch(descriptorOffset(2), stringDescriptor(0xFC, "TEST MON 24"))
        .image();
}

QByteArray displayIdPaddedImage()
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x01, 0, QByteArray::fromHex("b414a40b8007380481784d77"))
        .displayIdDataBlock(0x09, 0, QByteArray::fromHex("c40900ffffff1e535000384c230040"))
        .displayIdDataBlock(0x0A, 0, QByteArray("ABC123\0\0", 8))
        .displayIdDataBlock(0x0B, 0, QByteArray("PANEL-A1\0\0\0\0", 12))
        .displayIdDataBlock(0x03, 0,
                            QByteArray::fromHex("013a00847f07170157802b0037042c0003800400"))
        .displayIdDataBlock(0x05, 0, QByteArray::fromHex("04ef3b"))
        .image();
}

QList<NamedImage> keptByteImages()
{
    return {{QStringLiteral("secondary GTF with halves, EDID 1.4"), secondaryGtfImage(true)},
            {QStringLiteral("secondary GTF with halves, EDID 1.3"), secondaryGtfImage(false)},
            {QStringLiteral("DisplayID padded texts, FF FF FF clock"), displayIdPaddedImage()}};
}

QList<NamedImage> realPatternImages()
{
    QList<NamedImage> images;
    for (const KeptBlockFixture &fixture : keptBlockFixtures())
        images.append({fixture.name, fixtureImage(fixture)});
    images.append(keptByteImages());
    for (const NamedImage &image : CeaTest::patternImages())
        images.append(image);
    return images;
}

} // namespace VyrTest
