// The DisplayID section engine: recognition, the data-block map, free bytes, adding, removing
// and resizing data blocks with the section length, the blocks behind a base section and both
// checksums kept right.

#include "displayidfixtures.h"
#include "edidbytes.h"
#include "model/displayid/displayidblock.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cstring>

using namespace DidFixture;
using namespace VyrTest;

namespace {

// Exposes the payload resize that the data-block writers use.
class ResizableBlock : public DisplayIDBlock
{
public:
    using DisplayIDBlock::DisplayIDBlock;
    using DisplayIDBlock::resizePayload;
};

// Header plus a payload of length bytes of fill.
QByteArray dataBlock(unsigned tag, unsigned revision, unsigned length, char fill = '\0')
{
    return DidFixture::dataBlock(tag, revision, QByteArray(int(length), fill));
}

struct MapEntry
{
    unsigned tag, revision, length;
    bool operator==(const MapEntry &o) const
    {
        return tag == o.tag && revision == o.revision && length == o.length;
    }
};

QVector<MapEntry> mapOf(const DisplayIDBlock &b)
{
    QVector<MapEntry> map;
    for (unsigned i = 0; i < b.GetNumOfDataBlocks(); ++i) {
        DisplayID_Block_Header h;
        b.GetDisplayBlockHeader(i, &h);
        map.append({h.tag, h.revision, h.payloadLength});
    }
    return map;
}

} // namespace

class tst_DisplayIDBlock : public QObject
{
    Q_OBJECT

private slots:
    void recognition_data();
    void recognition();
    void emptySections();
    void newBlockHeaders_data();
    void newBlockHeaders();
    void supportRules();
    void paddedSectionKeepsLength();
    void addRemoveRestoresFreeBytes();
    void mapLimits();
    void growthRefusedWhenFull();
    void baseSectionMovesExtensions();
    void randomSequences_data();
    void randomSequences();
    void samplesMatchReferenceDecoder();
};

void tst_DisplayIDBlock::recognition_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("base");
    QTest::addColumn<bool>("extension");

    const QByteArray t1 = dataBlock(0x03, 0, 20);
    QTest::newRow("base 1.2 empty") << section(0x12, 0, 2, {}, 5) << 5 << true << false;
    QTest::newRow("base 1.1") << section(0x11, 23, 3, t1, 512) << 512 << true << false;
    QTest::newRow("base 1.3") << section(0x13, 23, 3, t1, 512) << 512 << true << false;
    QTest::newRow("base version 1.0") << section(0x10, 0, 2, {}, 512) << 512 << false << false;
    QTest::newRow("base version 1.4") << section(0x14, 0, 2, {}, 512) << 512 << false << false;
    QTest::newRow("base version 2.0") << section(0x20, 0, 2, {}, 512) << 512 << false << false;
    // Product type 0: not a base section, but a stand-alone extension section.
    QTest::newRow("base product type 0") << section(0x12, 0, 0, {}, 512) << 512 << false << true;
    QTest::newRow("base length 251") << section(0x12, 251, 2, {}, 512) << 512 << true << false;
    QTest::newRow("base length 252") << section(0x12, 252, 2, {}, 512) << 512 << false << false;
    QTest::newRow("base fits exactly") << section(0x12, 23, 2, t1, 28) << 28 << true << false;
    QTest::newRow("base checksum outside") << section(0x12, 23, 2, t1, 27) << 27 << false << false;
    QTest::newRow("base below 5 bytes") << section(0x12, 0, 2, {}, 4) << 4 << false << false;

    QTest::newRow("wrapped 1.3 padded") << wrapped(0x13, 121, 0, t1) << 128 << false << true;
    QTest::newRow("wrapped 1.2 product type 3")
        << wrapped(0x12, 121, 3, t1) << 128 << false << true;
    QTest::newRow("wrapped length 23") << wrapped(0x12, 23, 0, t1) << 128 << false << true;
    QTest::newRow("wrapped length 122") << wrapped(0x12, 122, 0, t1) << 128 << false << false;
    QTest::newRow("wrapped version 2.0") << wrapped(0x20, 121, 0, t1) << 128 << false << false;
    QTest::newRow("wrapped version 1.0") << wrapped(0x10, 121, 0, t1) << 128 << false << false;
    QTest::newRow("wrapped short buffer")
        << wrapped(0x12, 23, 0, t1).left(127) << 127 << false << false;
    QTest::newRow("stand-alone 123") << section(0x12, 123, 0, t1, 128) << 128 << false << true;
    QTest::newRow("stand-alone 124") << section(0x12, 124, 0, t1, 128) << 128 << false << false;
    QTest::newRow("stand-alone product type")
        << section(0x12, 23, 3, t1, 128) << 128 << true << false;
    QTest::newRow("EDID base block")
        << QByteArray::fromHex("00ffffffffffff00") + QByteArray(120, 0) << 128 << false << false;
}

void tst_DisplayIDBlock::recognition()
{
    QFETCH(QByteArray, buffer);
    QFETCH(int, size);
    QFETCH(bool, base);
    QFETCH(bool, extension);
    const auto *p = reinterpret_cast<const unsigned char *>(buffer.constData());
    QCOMPARE(DisplayIDBlock::IsDisplayIDBaseBlock(p, unsigned(size)), base);
    QCOMPARE(DisplayIDBlock::IsDisplayIDExtBlock(p, unsigned(size)), extension);

    const QByteArray before = buffer;
    DisplayIDBlock block(bytes(buffer), unsigned(size), 128, nullptr);
    QCOMPARE(block.GetBlockSize() != 0, base || extension);
    QCOMPARE(block.IsBaseBlock(), base);
    if (extension) {
        QCOMPARE(block.GetBlockSize(), 128u);
        QCOMPARE(block.GetStartOffset(), buffer.at(0) == char(0x70) ? 129u : 128u);
    }
    if (!base && !extension) {
        // Never written.
        block.AddDataBlock(DidBlockType1Timing);
        block.RemoveDataBlock(0);
        block.SetNumOfExtensions(1);
        QCOMPARE(buffer, before);
    }
}

void tst_DisplayIDBlock::emptySections()
{
    QByteArray base(512, '\x5a');
    QVERIFY(DisplayIDBlock::InitBaseBlockBuffer(bytes(base), 512, 0x12));
    QVERIFY(DisplayIDBlock::IsDisplayIDBaseBlock(bytes(base), 512));
    QVERIFY(sumsToZero(bytes(base), 5));
    DisplayIDBlock b(bytes(base), 512, 0, nullptr);
    QCOMPARE(b.GetBlockSize(), 5u);
    QCOMPARE(b.GetDIDBlockSize(), 5u);
    QCOMPARE(b.GetNumOfDataBlocks(), 0u);
    QCOMPARE(b.GetNumOfAvailableBytes(), 251u);
    QVERIFY(b.SupportExtensions());
    QVERIFY(!DisplayIDBlock::InitBaseBlockBuffer(bytes(base), 4, 0x12));

    QByteArray ext(128, '\x5a');
    QVERIFY(DisplayIDBlock::InitExtBlockBuffer(bytes(ext), 128, 0x12, false));
    QVERIFY(DisplayIDBlock::IsDisplayIDExtBlock(bytes(ext), 128));
    QVERIFY(!DisplayIDBlock::IsDisplayIDBaseBlock(bytes(ext), 128));
    QVERIFY(sumsToZero(bytes(ext) + 1, 5));
    QVERIFY(sumsToZero(bytes(ext), 128));
    QVERIFY(VyrTest::edidDecodeChecksumsOk(
        VyrTest::readSample("displayid13-boe0aba-1.bin").left(128) + ext));
    DisplayIDBlock e(bytes(ext), 128, 256, nullptr);
    QCOMPARE(e.GetStartOffset(), 257u);
    QCOMPARE(e.GetBlockSize(), 128u);
    QCOMPARE(e.GetNumOfAvailableBytes(), 121u);
    QVERIFY(!e.SupportExtensions());
    QVERIFY(!DisplayIDBlock::InitExtBlockBuffer(bytes(ext), 127, 0x12, false));

    QByteArray alone(128, '\0');
    QVERIFY(DisplayIDBlock::InitExtBlockBuffer(bytes(alone), 128, 0x13, true));
    DisplayIDBlock s(bytes(alone), 128, 0, nullptr);
    QCOMPARE(s.GetVersion(), 0x13u);
    QCOMPARE(s.GetStartOffset(), 0u);
    QCOMPARE(s.GetNumOfAvailableBytes(), 123u);
}

void tst_DisplayIDBlock::newBlockHeaders_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("Type I 1.2") << 0x12 << int(DidBlockType1Timing)
                                << QByteArray::fromHex("030014");
    QTest::newRow("Type I 1.1") << 0x11 << int(DidBlockType1Timing)
                                << QByteArray::fromHex("030114");
    QTest::newRow("Type III 1.1") << 0x11 << int(DidBlockType3Timing)
                                  << QByteArray::fromHex("050103");
    QTest::newRow("Type IV 1.2") << 0x12 << int(DidBlockType4Timing)
                                 << QByteArray::fromHex("060101");
    QTest::newRow("Type IV 1.1") << 0x11 << int(DidBlockType4Timing)
                                 << QByteArray::fromHex("060001");
    QTest::newRow("colour") << 0x12 << int(DidBlockColorChars) << QByteArray::fromHex("020104");
    QTest::newRow("serial") << 0x12 << int(DidBlockSerialNumber) << QByteArray::fromHex("0a0000");
    QTest::newRow("vendor") << 0x13 << int(DidBlockVendorSpecific) << QByteArray::fromHex("7f0003");
    QTest::newRow("tiled") << 0x12 << int(DidBlockTiledDisplay) << QByteArray::fromHex("120016");
    QTest::newRow("stereo 1.2") << 0x12 << int(DidBlockStereoInterface)
                                << QByteArray::fromHex("100103");
    QTest::newRow("stereo 1.1") << 0x11 << int(DidBlockStereoInterface)
                                << QByteArray::fromHex("100003");
}

void tst_DisplayIDBlock::newBlockHeaders()
{
    QFETCH(int, version);
    QFETCH(int, kind);
    QFETCH(QByteArray, header);
    QByteArray image(256, '\0');
    DisplayIDBlock::InitExtBlockBuffer(bytes(image) + 128, 128, unsigned(version), false);
    DisplayIDBlock b(bytes(image) + 128, 128, 128, nullptr);
    b.AddDataBlock(DisplayBlockID(kind));
    QCOMPARE(b.GetNumOfDataBlocks(), 1u);
    const unsigned size = DisplayIDBlock::getMinDataBlockSize(DisplayBlockID(kind));
    QCOMPARE(image.mid(133, 3), header);
    QCOMPARE(unsigned(quint8(image.at(130))), size); // section length
    QVERIFY(sumsToZero(bytes(image) + 129, 5 + size));
    QVERIFY(sumsToZero(bytes(image) + 128, 128));
    QCOMPARE(b.GetNumOfAvailableBytes(), 121u - size);
    QCOMPARE(b.GetDataBlockTag(0), unsigned(quint8(header.at(0))));
    QCOMPARE(b.GetDataBlockTag(1), 256u);
}

void tst_DisplayIDBlock::supportRules()
{
    QByteArray image(256, '\0');
    DisplayIDBlock::InitExtBlockBuffer(bytes(image) + 128, 128, 0x11, false);
    DisplayIDBlock v11(bytes(image) + 128, 128, 128, nullptr);
    QVERIFY(!v11.IsDataBlockSupported(DidBlockType5Timing));
    QVERIFY(!v11.IsDataBlockSupported(DidBlockType6Timing));
    QVERIFY(!v11.IsDataBlockSupported(DidBlockTiledDisplay));
    QVERIFY(!v11.IsDataBlockSupported(DidBlockProductId)); // extension section
    QVERIFY(v11.IsDataBlockSupported(DidBlockDisplayParams));
    v11.AddDataBlock(DidBlockDisplayParams);
    QVERIFY(!v11.IsDataBlockSupported(DidBlockDisplayParams));
    QCOMPARE(v11.GetNumOfDisplayParamsBlocks(), 1u);
    QVERIFY(v11.IsDataBlockSupported(DidBlockType1Timing));

    QByteArray base(512, '\0');
    DisplayIDBlock::InitBaseBlockBuffer(bytes(base), 512, 0x13);
    DisplayIDBlock b(bytes(base), 512, 0, nullptr);
    QVERIFY(b.IsDataBlockSupported(DidBlockProductId));
    QVERIFY(b.IsDataBlockSupported(DidBlockType6Timing));

    // Transfer characteristics are never added; only the checksum is recomputed.
    const QByteArray before = snapshot(base);
    b.AddDataBlock(DidBlockTransferChars);
    QCOMPARE(base, before);
    QCOMPARE(DisplayIDBlock::getMinDataBlockSize(DidBlockTransferChars), 4u);
    QCOMPARE(DisplayIDBlock::getMinDataBlockSize(DisplayBlockID(22)), 0u);
    QCOMPARE(DisplayIDBlock::getMinDataBlockSize(DidBlockNone), 0u);

    // Mandatory blocks of a display product type.
    DisplayID_Section_Header h;
    h.productType = 3;
    b.SetProductTypeIdentifier(&h);
    b.AddMandatoryBlocks(&h);
    QCOMPARE(b.GetNumOfDataBlocks(), 3u);
    QCOMPARE(b.GetDataBlockTag(0), 0x01u);
    QCOMPARE(b.GetDataBlockTag(1), 0x02u);
    QCOMPARE(b.GetDataBlockTag(2), 0x03u);
    QCOMPARE(base.at(2), char(3));
    QCOMPARE(base.mid(4 + 15 + 3, 1), QByteArray::fromHex("01")); // one white point
    QVERIFY(sumsToZero(bytes(base), b.GetDIDBlockSize()));
    h.productType = 0; // would make the base section unrecognisable
    b.SetProductTypeIdentifier(&h);
    QCOMPARE(base.at(2), char(3));
}

void tst_DisplayIDBlock::paddedSectionKeepsLength()
{
    QByteArray image = wrapped(0x12, 121, 3, dataBlock(0x7f, 0, 3, '\x11'));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    QCOMPARE(b.GetNumOfAvailableBytes(), 121u - 6u);
    b.AddDataBlock(DidBlockType1Timing);
    QCOMPARE(image.at(2), char(121));
    QCOMPARE(b.GetNumOfDataBlocks(), 2u);
    QCOMPARE(image.mid(5 + 6, 3), QByteArray::fromHex("030014"));
    QCOMPARE(b.GetNumOfAvailableBytes(), 121u - 6u - 23u);
    QVERIFY(sumsToZero(bytes(image) + 1, 126));
    QVERIFY(sumsToZero(bytes(image), 128));
    b.RemoveDataBlock(1);
    QCOMPARE(image.at(2), char(121));
    QCOMPARE(image.mid(5 + 6, 121 - 6), QByteArray(121 - 6, '\0'));
    b.RemoveDataBlock(0);
    QCOMPARE(image.mid(5, 121), QByteArray(121, '\0'));
    QCOMPARE(b.GetNumOfAvailableBytes(), 121u);
    QVERIFY(sumsToZero(bytes(image), 128));
}

void tst_DisplayIDBlock::addRemoveRestoresFreeBytes()
{
    QByteArray image(256, '\0');
    DisplayIDBlock::InitExtBlockBuffer(bytes(image) + 128, 128, 0x12, false);
    DisplayIDBlock b(bytes(image) + 128, 128, 128, nullptr);
    b.AddDataBlock(DidBlockVesaTimings);
    const unsigned free = b.GetNumOfAvailableBytes();
    const QByteArray before = snapshot(image);
    b.AddDataBlock(DidBlockDisplayParams); // 15 bytes
    QCOMPARE(b.GetNumOfAvailableBytes(), free - 15);
    b.RemoveDataBlock(1);
    QCOMPARE(b.GetNumOfAvailableBytes(), free);
    QCOMPARE(image, before);
    b.AddDataBlock(DidBlockDisplayParams);
    b.RemoveDataBlock(0); // the later block moves down
    QCOMPARE(image.mid(133, 3), QByteArray::fromHex("01000c"));
    QCOMPARE(unsigned(quint8(image.at(130))), 15u);
    QVERIFY(sumsToZero(bytes(image) + 128, 128));
}

void tst_DisplayIDBlock::mapLimits()
{
    // 20 empty serial-number blocks: the map holds 17, the rest count as used.
    QByteArray data;
    for (int i = 0; i < 20; ++i)
        data += dataBlock(0x0b, 0, 0);
    QByteArray image = wrapped(0x12, 60, 0, data);
    DisplayIDBlock b(bytes(image), 128, 0, nullptr);
    QCOMPARE(b.GetNumOfDataBlocks(), 17u);
    QCOMPARE(b.GetNumOfAsciiStringBlocks(), 17u);
    QCOMPARE(b.GetNumOfAvailableBytes(), 121u - 60u);
    QVERIFY(!b.AllowNewDataBlocks());
    const QByteArray before = snapshot(image);
    b.AddDataBlock(DidBlockAsciiString);
    QCOMPARE(image, before);

    // A zero-payload block that ends the data area is mapped; a header cut by the end is not.
    QByteArray tail = wrapped(0x12, 6, 0, dataBlock(0x0a, 0, 0) + dataBlock(0x0b, 0, 0));
    DisplayIDBlock t(bytes(tail), 128, 0, nullptr);
    QCOMPARE(t.GetNumOfDataBlocks(), 2u);
    QByteArray cut = wrapped(0x12, 5, 0, dataBlock(0x0a, 0, 0) + dataBlock(0x0b, 0, 0));
    DisplayIDBlock c(bytes(cut), 128, 0, nullptr);
    QCOMPARE(c.GetNumOfDataBlocks(), 1u);

    // A payload running past the data area ends the map; its bytes are not free.
    QByteArray over = wrapped(0x12, 30, 0, dataBlock(0x7f, 0, 3, 1) + dataBlock(0x03, 0, 40, 1));
    DisplayIDBlock o(bytes(over), 128, 0, nullptr);
    QCOMPARE(o.GetNumOfDataBlocks(), 1u);
    QCOMPARE(o.GetNumOfAvailableBytes(), 121u - 30u);
    o.AddDataBlock(DidBlockSerialNumber);
    QCOMPARE(o.GetNumOfDataBlocks(), 2u);
    QCOMPARE(over.mid(5 + 9, 24), dataBlock(0x03, 0, 40, 1).left(24)); // moved, not overwritten
}

void tst_DisplayIDBlock::growthRefusedWhenFull()
{
    QByteArray image(256, '\0');
    DisplayIDBlock::InitExtBlockBuffer(bytes(image) + 128, 128, 0x12, false);
    ResizableBlock b(bytes(image) + 128, 128, 128, nullptr);
    for (int i = 0; i < 5; ++i)
        b.AddDataBlock(DidBlockType1Timing); // 5 x 23 = 115
    QCOMPARE(b.GetNumOfAvailableBytes(), 6u);
    QByteArray before = snapshot(image);
    b.AddDataBlock(DidBlockType1Timing);
    b.AddDataBlock(DidBlockDisplayParams);
    QVERIFY(!b.resizePayload(0, 7));
    QCOMPARE(image, before);
    QVERIFY(b.resizePayload(0, 6));
    QCOMPARE(b.GetNumOfAvailableBytes(), 0u);
    QCOMPARE(unsigned(quint8(image.at(130))), 121u);
    before = snapshot(image);
    b.AddDataBlock(DidBlockSerialNumber);
    QVERIFY(!b.resizePayload(4, 1));
    QCOMPARE(image, before);
    QVERIFY(!b.resizePayload(0, -27)); // payload cannot become negative
    QCOMPARE(image, before);

    // A base section stays within its maximum of 251 bytes.
    QByteArray base(512, '\0');
    DisplayIDBlock::InitBaseBlockBuffer(bytes(base), 512, 0x12);
    ResizableBlock s(bytes(base), 512, 0, nullptr);
    s.AddDataBlock(DidBlockVendorSpecific);
    QVERIFY(s.resizePayload(0, 240));
    QCOMPARE(s.GetNumOfAvailableBytes(), 5u);
    QVERIFY(!s.resizePayload(0, 6));
    QCOMPARE(unsigned(quint8(base.at(1))), 246u);
}

void tst_DisplayIDBlock::baseSectionMovesExtensions()
{
    // Base section followed by two stand-alone extension sections in a 512-byte buffer.
    QByteArray image(512, '\0');
    DisplayIDBlock::InitBaseBlockBuffer(bytes(image), 512, 0x12);
    image[3] = 2;
    image[4] = char(DataBlock::computeOneByteCheckSum(bytes(image), 4));
    QByteArray behind(256, '\0');
    for (int i = 0; i < behind.size(); ++i)
        behind[i] = char(i * 7 + 3);
    image.replace(5, 256, behind);
    ResizableBlock b(bytes(image), 512, 0, nullptr);
    QCOMPARE(b.GetNumOfExtensions(), 2u);
    QCOMPARE(b.GetNumOfAvailableBytes(), 512u - 5u - 256u);
    b.AddDataBlock(DidBlockType1Timing);
    QCOMPARE(image.mid(28, 256), behind);
    QVERIFY(b.resizePayload(0, 100));
    b.RecalcCheckSum();
    QCOMPARE(image.mid(128, 256), behind);
    QVERIFY(sumsToZero(bytes(image), b.GetDIDBlockSize()));
    QCOMPARE(b.GetNumOfAvailableBytes(), 512u - 5u - 256u - 123u);
    QVERIFY(!b.resizePayload(0, int(b.GetNumOfAvailableBytes()) + 1));
    QVERIFY(b.resizePayload(0, int(b.GetNumOfAvailableBytes())));
    QCOMPARE(image.mid(512 - 256), behind);
    b.RemoveDataBlock(0);
    QCOMPARE(image.mid(5, 256), behind);
    QCOMPARE(image.mid(261), QByteArray(512 - 261, '\0'));
    QCOMPARE(b.GetBlockSize(), 5u);
}

void tst_DisplayIDBlock::randomSequences_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<quint32>("seed");
    const char *names[] = {"wrapped empty", "wrapped padded", "stand-alone", "base with extensions",
                           "base alone"};
    for (int layout = 0; layout < 5; ++layout) {
        for (quint32 seed : {1u, 77u, 4242u}) {
            QTest::newRow(qPrintable(
                QStringLiteral("%1 seed %2").arg(QLatin1String(names[layout])).arg(seed)))
                << layout << seed;
        }
    }
}

void tst_DisplayIDBlock::randomSequences()
{
    QFETCH(int, layout);
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);

    // The image is filled with noise; the section is put in place over it.
    QByteArray image(512, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(rng.bounded(256));
    unsigned offset = 128;
    unsigned size = 128;
    unsigned extensions = 0;
    switch (layout) {
    case 0:
        image.replace(128, 128, wrapped(0x12, 0, 3, {}));
        break;
    case 1:
        image.replace(128, 128, wrapped(0x13, 121, 0, {}));
        break;
    case 2:
        image.replace(128, 128, section(0x12, 0, 0, {}, 128));
        break;
    case 3:
        extensions = 2;
        offset = 0;
        size = 512;
        image.replace(0, 5, section(0x12, 0, 2, {}, 5, extensions));
        break;
    default:
        offset = 0;
        size = 512;
        image.replace(0, 5, section(0x12, 0, 4, {}, 5));
        break;
    }
    unsigned char *start = bytes(image) + offset;
    const bool wrappedLayout = layout < 2;
    const unsigned char *sec = wrappedLayout ? start + 1 : start;
    const unsigned behindSize = 128 * extensions;
    const QByteArray behind = image.mid(5, int(behindSize));

    ResizableBlock b(start, size, offset, nullptr);
    QVERIFY(b.GetBlockSize() != 0);
    QVector<QByteArray> shadow; // every data block, header and payload

    for (int step = 0; step < 400; ++step) {
        const QByteArray before = snapshot(image);
        const unsigned oldEnd = b.GetDIDBlockSize() + (wrappedLayout ? 1 : 0) + behindSize;
        const unsigned freeBefore = b.GetNumOfAvailableBytes();
        const int op = rng.bounded(10);
        QString what;
        if (op < 4) {
            const auto kind = DisplayBlockID(1 + rng.bounded(21));
            const unsigned min = DisplayIDBlock::getMinDataBlockSize(kind);
            const bool fits =
                min <= freeBefore && b.GetNumOfDataBlocks() < 17 && kind != DidBlockTransferChars;
            b.AddDataBlock(kind);
            what = QStringLiteral("add %1").arg(kind);
            if (fits) {
                unsigned off = 0;
                QVERIFY(b.calculateOffset(b.GetNumOfDataBlocks() - 1, off));
                shadow.append(QByteArray(reinterpret_cast<const char *>(sec) + 4 + off, int(min)));
                QCOMPARE(unsigned(quint8(shadow.last().at(0))), DisplayIDBlock::tagOfKind(kind));
                QCOMPARE(unsigned(quint8(shadow.last().at(2))) + 3, min);
            } else if (kind != DidBlockTransferChars) {
                QCOMPARE(image, before);
            }
        } else if (op < 6) {
            if (shadow.isEmpty())
                continue;
            const unsigned index = rng.bounded(unsigned(shadow.size()));
            b.RemoveDataBlock(index);
            shadow.removeAt(int(index));
            what = QStringLiteral("remove %1").arg(index);
        } else {
            if (shadow.isEmpty())
                continue;
            const unsigned index = rng.bounded(unsigned(shadow.size()));
            const int change = int(rng.bounded(41)) - 20;
            const int length = quint8(shadow.at(int(index)).at(2));
            const bool ok = b.resizePayload(index, change);
            what = QStringLiteral("resize %1 by %2").arg(index).arg(change);
            const bool expected = length + change >= 0 && length + change <= 255
                                  && (change <= 0 || unsigned(change) <= freeBefore);
            QVERIFY2(ok == expected, qPrintable(what));
            if (ok) {
                // Payload bytes are written by the caller: fill them so moves are visible.
                QByteArray &blk = shadow[int(index)];
                blk[2] = char(length + change);
                if (change > 0)
                    blk += QByteArray(change, '\0');
                else
                    blk.chop(-change);
                unsigned off = 0;
                b.calculateOffset(index, off);
                for (int i = 3; i < blk.size(); ++i) {
                    blk[i] = char(rng.bounded(256));
                    start[(sec - start) + 4 + off + unsigned(i)] = quint8(blk.at(i));
                }
                b.RecalcCheckSum();
            } else {
                QCOMPARE(image, before);
            }
        }

        // The object agrees with a fresh one over the same bytes.
        DisplayIDBlock fresh(start, size, offset, nullptr);
        QVERIFY2(fresh.GetBlockSize() != 0, qPrintable(what));
        QVERIFY2(mapOf(fresh) == mapOf(b), qPrintable(what));
        QCOMPARE(fresh.GetNumOfAvailableBytes(), b.GetNumOfAvailableBytes());
        QCOMPARE(int(b.GetNumOfDataBlocks()), shadow.size());

        // The data area holds exactly the shadow blocks, then zeros.
        const unsigned length = sec[1];
        const QByteArray area(reinterpret_cast<const char *>(sec) + 4, int(length));
        QByteArray expected;
        for (const QByteArray &blk : shadow)
            expected += blk;
        QVERIFY2(area.startsWith(expected), qPrintable(what));
        QVERIFY2(area.mid(expected.size()) == QByteArray(area.size() - expected.size(), '\0'),
                 qPrintable(what));

        // Both checksums.
        QVERIFY2(sumsToZero(sec, length + 5), qPrintable(what));
        if (wrappedLayout)
            QVERIFY(sumsToZero(start, 128));

        // No byte outside the section (and the sections behind a base section) changed.
        const unsigned newEnd = b.GetDIDBlockSize() + (wrappedLayout ? 1 : 0) + behindSize;
        const unsigned touched = offset + qMax(oldEnd, newEnd);
        for (unsigned i = 0; i < 512; ++i) {
            const bool inside = i >= offset && i < touched;
            const bool blockChecksum = wrappedLayout && i == offset + 127;
            if (!inside && !blockChecksum && image.at(int(i)) != before.at(int(i)))
                QFAIL(qPrintable(QStringLiteral("%1 changed byte %2").arg(what).arg(i)));
        }
        if (behindSize > 0)
            QCOMPARE(image.mid(int(b.GetDIDBlockSize()), int(behindSize)), behind);
    }
}

void tst_DisplayIDBlock::samplesMatchReferenceDecoder()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    // Titles that edid-decode prints for the tags found in the samples.
    const QHash<unsigned, QString> titles = {
        {0x01, QStringLiteral("Display Parameters Data Block")},
        {0x02, QStringLiteral("Color Characteristics Data Block")},
        {0x03, QStringLiteral("Video Timing Modes Type 1 - Detailed Timings Data Block")},
        {0x0f, QStringLiteral("Display Interface Data Block")},
        {0x12, QStringLiteral("Tiled Display Topology Data Block")},
        {0x7f, QStringLiteral("Vendor-Specific Data Block (0x7f)")},
        {0x7e, QStringLiteral("Vendor-Specific Data Block (0x7e)")},
        {0x81, QStringLiteral("CTA-861 DisplayID Data Block")},
        {0x29, QStringLiteral("ContainerID Data Block")},
    };
    int sections = 0;
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray file = VyrTest::readSample(name);
        QByteArray image = VyrTest::sampleImage(name);
        const QString report = VyrTest::edidDecode(file, {QStringLiteral("-s")});
        for (unsigned n = 1; n < 4 && 128 * n < unsigned(file.size()); ++n) {
            unsigned char *block = bytes(image) + 128 * n;
            if (block[0] != 0x70)
                continue;
            DisplayIDBlock b(block, 512 - 128 * n, 128 * n, nullptr);
            const bool version1 = (block[1] >> 4) == 1;
            QCOMPARE(b.GetBlockSize() != 0, version1);
            if (!version1)
                continue;
            ++sections;
            // The part of the report for this block.
            const QString part = reportPart(report, n);
            QVERIFY2(!part.isEmpty(), qPrintable(name));
            QVERIFY(part.contains(
                QStringLiteral("Version: %1.%2").arg(block[1] >> 4).arg(block[1] & 15)));

            int pos = 0;
            unsigned dtds = 0;
            unsigned mapped = 0;
            for (unsigned i = 0; i < b.GetNumOfDataBlocks(); ++i) {
                DisplayID_Block_Header h;
                b.GetDisplayBlockHeader(i, &h);
                QVERIFY2(titles.contains(h.tag),
                         qPrintable(QStringLiteral("%1 tag %2").arg(name).arg(h.tag)));
                const QString title = titles.value(h.tag);
                const int at = h.tag == 0x7f
                                   ? part.indexOf(QStringLiteral("Vendor-Specific Data Block"), pos)
                                   : part.indexOf(title, pos);
                QVERIFY2(at >= 0, qPrintable(QStringLiteral("%1: %2").arg(name, title)));
                pos = at + 1;
                if (h.tag == 0x03)
                    dtds += h.payloadLength / 20u;
                mapped += 3u + h.payloadLength;
            }
            QCOMPARE(unsigned(part.count(QStringLiteral("    DTD: "))), dtds);
            // The map covers the data area up to its zero padding.
            const unsigned length = block[2];
            for (unsigned i = mapped; i < length; ++i)
                QCOMPARE(block[5 + i], quint8(0));
            // Nothing in the report that the map missed.
            QVERIFY(!part.contains(QStringLiteral("Unknown DisplayID Data Block")));
        }
    }
    QVERIFY(sections >= 8);
}

QTEST_GUILESS_MAIN(tst_DisplayIDBlock)
#include "tst_displayidblock.moc"
