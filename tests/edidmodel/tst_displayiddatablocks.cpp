// DisplayID identification, display and interface data blocks: read -> write identity per
// kind, the variable-length writers, the stereo payload sizes and agreement with edid-decode.

#include "displayidfixtures.h"
#include "edidbytes.h"
#include "model/displayid/displayidblock.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QtTest>

#include <cstring>
#include <functional>

using namespace DidFixture;
using namespace VyrTest;

namespace {

// Reads a data block into the record of its kind and writes the record straight back.
using WriteBack = std::function<void(DisplayIDBlock &, unsigned)>;

template <typename Record>
WriteBack writeBack(void (DisplayIDBlock::*get)(unsigned, Record *) const,
                    void (DisplayIDBlock::*set)(unsigned, const Record *))
{
    return [get, set](DisplayIDBlock &b, unsigned index) {
        Record r;
        (b.*get)(index, &r);
        (b.*set)(index, &r);
    };
}

// A writer that may resize the block, told that the size stays.
template <typename Record>
WriteBack writeBack(void (DisplayIDBlock::*get)(unsigned, Record *) const,
                    void (DisplayIDBlock::*set)(unsigned, const Record *, int))
{
    return [get, set](DisplayIDBlock &b, unsigned index) {
        Record r;
        (b.*get)(index, &r);
        (b.*set)(index, &r, 0);
    };
}

// The write-back of every kind with a reader, by tag.
const QMap<unsigned, WriteBack> &writeBacks()
{
    using B = DisplayIDBlock;
    static const QMap<unsigned, WriteBack> cases = {
        {0x00,
         writeBack(&B::GetProductIdentificationDataBlock, &B::SetProductIdentificationDataBlock)},
        {0x01, writeBack(&B::GetDisplayParametersDataBlock, &B::SetDisplayParametersDataBlock)},
        {0x02, writeBack(&B::GetColorCharsDataBlock, &B::SetColorCharsDataBlock)},
        {0x09, writeBack(&B::GetRangeLimitsDataBlock, &B::SetRangeLimitsDataBlock)},
        {0x0A, writeBack(&B::GetProductSerialNumberDataBlock, &B::SetProductSerialNumberDataBlock)},
        {0x0B, writeBack(&B::GetGeneralPurposeAsciiDataBlock, &B::SetGeneralPurposeAsciiDataBlock)},
        {0x0C, writeBack(&B::GetDisplayDeviceDataBlock, &B::SetDisplayDeviceDataBlock)},
        {0x0D, writeBack(&B::GetPowerSeqDataBlock, &B::SetPowerSeqDataBlock)},
        {0x0F, writeBack(&B::GetDisplayInterfaceDataBlock, &B::SetDisplayInterfaceDataBlock)},
        {0x10, writeBack(&B::GetStereoInterfaceDataBlock, &B::SetStereoInterfaceDataBlock)},
        {0x12, writeBack(&B::GetTiledDisplayDataBlock, &B::SetTiledDisplayDataBlock)},
        {0x7F, writeBack(&B::GetVendorSpecificDataBlock, &B::SetVendorSpecificDataBlock)},
    };
    return cases;
}

// Reads data block index with the reader of its kind and writes the record straight back.
void readWrite(DisplayIDBlock &b, unsigned index)
{
    const WriteBack write = writeBacks().value(b.GetDataBlockTag(index));
    if (!write)
        QFAIL("no reader for this tag");
    write(b, index);
}

// Wrapped section: a vendor block, the block under test, and a trailing vendor block.
QByteArray sandwich(const QByteArray &block, unsigned length = 0)
{
    const QByteArray data =
        dataBlock(0x7f, 0, hex("aabbcc")) + block + dataBlock(0x7f, 0, hex("ddeeff"));
    return wrapped(0x12, length != 0 ? length : unsigned(data.size()), 0, data);
}

} // namespace

class tst_DisplayIDDataBlocks : public QObject
{
    Q_OBJECT

private slots:
    void readWriteIdentity_data();
    void readWriteIdentity();
    void decodedValues();
    void encodedValues();
    void colourPoints();
    void colourTypeAndTemporalFlag();
    void variableLengthMovesNeighbours_data();
    void variableLengthMovesNeighbours();
    void growthBeyondFreeBytesRefused();
    void stereoPayloadSizes_data();
    void stereoPayloadSizes();
    void stereoTimingSupportAndGroups();
    void wrongPayloadLengthsAreNotRead();
    void agreesWithReferenceDecoder();
};

void tst_DisplayIDDataBlocks::readWriteIdentity_data()
{
    QTest::addColumn<QByteArray>("block");

    QTest::newRow("product id, year 0")
        << dataBlock(0x00, 0, hex("4c4744 3412 40e20100 05 00 03 414243"));
    QTest::newRow("product id, 2013") << dataBlock(0x00, 0, hex("4c4744 3412 00000000 36 0d 00"));
    // 29.1 mm and 0.57 would lose a step if truncated.
    QTest::newRow("display params") << dataBlock(0x01, 0, hex("2301 e70d 0018 3804 95 78 39 bb"));
    QTest::newRow("display params 2") << dataBlock(0x01, 0, hex("3a1b 5e0f 8017 380d 10 78 4e bb"));
    QTest::newRow("colour 1+2") << dataBlock(0x02, 1, hex("21 123456 abcdef 010203"));
    QTest::newRow("colour 1976") << dataBlock(0x02, 0x81, hex("91 123456 abcdef"));
    QByteArray full = hex("ff");
    for (int i = 0; i < 66; ++i)
        full += char(i * 3 + 1);
    QTest::newRow("colour 22 points") << dataBlock(0x02, 1, full);
    QTest::newRow("range limits") << dataBlock(0x09, 0,
                                               hex("e90300 1d5a00 1e 87 5000 30 4b 2600 f0"));
    QTest::newRow("serial") << dataBlock(0x0a, 0, QByteArray("SN-0042"));
    QTest::newRow("ascii") << dataBlock(0x0b, 0, QByteArray("Hello, panel"));
    QTest::newRow("ascii empty") << dataBlock(0x0b, 0, QByteArray());
    QTest::newRow("device LCD") << dataBlock(0x0c, 0, hex("13 2c 800a a005 4e 9b 05 1d 1d 08 85"));
    QTest::newRow("device sub-type beyond clip")
        << dataBlock(0x0c, 0, hex("1c 00 0000 0000 00 00 00 00 00 00 00"));
    QTest::newRow("device CRT sub-type 7")
        << dataBlock(0x0c, 0, hex("07 00 0000 0000 00 00 00 00 00 00 00"));
    QTest::newRow("device technology 13")
        << dataBlock(0x0c, 0, hex("d5 f4 0000 0000 00 00 20 00 00 0f 7f"));
    QTest::newRow("device technology 6")
        << dataBlock(0x0c, 0, hex("6a e8 0000 0000 00 00 0e 00 00 00 00"));
    QTest::newRow("power sequencing") << dataBlock(0x0d, 0, hex("5a 3f 21 7f 3f 01"));
    QTest::newRow("interface DP") << dataBlock(0x0f, 0, hex("a4 14 0e 0e 07 01 20 45 00 00"));
    QTest::newRow("interface LVDS") << dataBlock(0x0f, 0, hex("12 00 02 00 00 00 00 00 1f 07"));
    QTest::newRow("interface proprietary")
        << dataBlock(0x0f, 0, hex("b1 11 3f 3f 1f 03 13 83 07 a5"));
    QTest::newRow("interface analog beyond clip")
        << dataBlock(0x0f, 0, hex("05 00 00 00 00 00 00 00 5a 5b"));
    QTest::newRow("interface type beyond clip")
        << dataBlock(0x0f, 0, hex("e2 00 00 00 00 00 00 00 5a 5b"));
    QTest::newRow("stereo method 0") << dataBlock(0x10, 0x40, hex("02 00 01"));
    QTest::newRow("stereo method 2, groups")
        << dataBlock(0x10, 0x80, hex("09 02 0102030405060708 02 1011 41 20"));
    QTest::newRow("stereo method 3") << dataBlock(0x10, 0xc0, hex("02 03 05"));
    QTest::newRow("stereo method 4") << dataBlock(0x10, 0, hex("03 04 ab cd 83 01 02 03"));
    QTest::newRow("stereo method 255") << dataBlock(0x10, 0, hex("01 ff"));
    QTest::newRow("tiled display")
        << dataBlock(0x12, 0, hex("82 10 00 00 bf0b 370d 00 00000000 415050 23ae 40e20100"));
    QTest::newRow("tiled bezels") << dataBlock(
        0x12, 0, hex("5b 5a e3 b4 ff0e 6f08 78 01020304 414243 0100 01000000"));
    QTest::newRow("vendor") << dataBlock(0x7f, 0, hex("0010fa 0401 0000 99"));
}

void tst_DisplayIDDataBlocks::readWriteIdentity()
{
    QFETCH(QByteArray, block);
    for (unsigned length : {0u, 121u}) { // fitted and padded sections
        QByteArray image = sandwich(block, length);
        const QByteArray before = snapshot(image);
        DisplayIDBlock b(bytes(image), 128, 128, nullptr);
        QCOMPARE(b.GetNumOfDataBlocks(), 3u);
        readWrite(b, 1);
        QCOMPARE(image.toHex(' '), before.toHex(' '));
    }
}

void tst_DisplayIDDataBlocks::decodedValues()
{
    QByteArray image = wrapped(0x12, 121, 0,
                               dataBlock(0x00, 0, hex("4c4744 3412 40e20100 05 00 03 414243"))
                                   + dataBlock(0x01, 0, hex("2301 e70d 0018 3804 95 78 39 bb"))
                                   + dataBlock(0x0c, 0, hex("1c 2c 800a a005 4e 9b 0e 1d 1d 08 85"))
                                   + dataBlock(0x0f, 0, hex("a4 14 0e 0e 07 01 20 45 00 00"))
                                   + dataBlock(0x0d, 0, hex("5a 3f 21 7f 3f 01")));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);

    DidProductIdDataBlock id;
    b.GetProductIdentificationDataBlock(0, &id);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(id.vendorId), 3), QByteArray("LGD"));
    QCOMPARE(id.productCode, quint16(0x1234));
    QCOMPARE(id.serialNumber, 123456u);
    QCOMPARE(id.year, 0u);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(id.name), int(id.nameLength)), QByteArray("ABC"));

    DidDisplayParamsDataBlock params;
    b.GetDisplayParametersDataBlock(1, &params);
    QCOMPARE(params.hImageSize, 29.1);
    QCOMPARE(params.vImageSize, 355.9);
    QCOMPARE(params.hPixels, 6144u);
    QCOMPARE(params.gamma, 2.2);
    QCOMPARE(params.aspectRatio, 1.57);
    QVERIFY(params.audioSupport && params.powerManagement && params.fixedPixelFormat
            && params.deinterlacing && !params.separateAudioInputs);
    QCOMPARE(params.overallDynamicRange, 12u);
    QCOMPARE(params.nativeDynamicRange, 12u);

    DidDevDataBlock device;
    b.GetDisplayDeviceDataBlock(2, &device);
    QCOMPARE(device.technology, 1u);
    QCOMPARE(device.subType, 9u); // stored 12
    QCOMPARE(device.operatingMode, 2u);
    QCOMPARE(device.backlight, quint8(1)); // bit 3
    QCOMPARE(device.intensity, quint8(1)); // bit 2
    QCOMPARE(device.hPixels, 2688u);
    QCOMPARE(device.scanDirection, 3u);
    QCOMPARE(device.zeroPixelLocation, 2u);
    QCOMPARE(device.rotation, 1u);
    QCOMPARE(device.orientation, 2u);
    QCOMPARE(device.subPixelLayout, 13u); // stored 14
    QCOMPARE(device.hPitch, 0.29);
    QCOMPARE(device.colorBitDepth, 8u);
    QCOMPARE(device.responseTime, 5u);
    QCOMPARE(device.responseTimeFlag, quint8(1));

    DidDisplayInterfaceDataBlock intf;
    b.GetDisplayInterfaceDataBlock(3, &intf);
    QCOMPARE(intf.interfaceType, 10u);
    QCOMPARE(intf.subTypeOrLinks, 4u);
    QCOMPARE(intf.version, 1u);
    QCOMPARE(intf.revision, 4u);
    QVERIFY(!intf.rgb[0] && intf.rgb[1] && intf.rgb[2] && intf.rgb[3] && !intf.rgb[4]);
    QCOMPARE(intf.contentProtection, 1u);
    QCOMPARE(intf.cpVersion, 2u);
    QCOMPARE(intf.cpRevision, 0u);
    QCOMPARE(intf.spreadSpectrumType, 1u);
    QCOMPARE(intf.spreadSpectrum, 0.5);

    DidPowerSeqDataBlock power;
    b.GetPowerSeqDataBlock(4, &power);
    QCOMPARE(power.t1Min, 0.5);
    QCOMPARE(power.t1Max, 20u);
    QCOMPARE(power.t2, 126u);
    QCOMPARE(power.t3, 66u);
    QCOMPARE(power.t4Min, 1270u);
    QCOMPARE(power.t5Min, 630u);
    QCOMPARE(power.t6Min, 10u);
}

void tst_DisplayIDDataBlocks::encodedValues()
{
    QByteArray image = wrapped(
        0x12, 121, 0,
        dataBlock(0x00, 0, QByteArray(12, 0)) + dataBlock(0x01, 0, QByteArray(12, 0))
            + dataBlock(0x0f, 0, QByteArray(10, 0)) + dataBlock(0x0c, 0, QByteArray(13, 0)));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);

    DidProductIdDataBlock id;
    id.year = 2013;
    b.SetProductIdentificationDataBlock(0, &id, 0);
    QCOMPARE(quint8(image.at(5 + 3 + 10)), quint8(13));

    DidDisplayParamsDataBlock params;
    params.gamma = 2.2;
    params.aspectRatio = 1.78;
    params.hImageSize = 600.0;
    params.overallDynamicRange = 8;
    params.nativeDynamicRange = 10;
    b.SetDisplayParametersDataBlock(1, &params);
    const int p = 5 + 15 + 3;
    QCOMPARE(image.mid(p, 2), hex("7017"));
    QCOMPARE(quint8(image.at(p + 9)), quint8(120));
    QCOMPARE(quint8(image.at(p + 10)), quint8(78));
    QCOMPARE(quint8(image.at(p + 11)), quint8(0x79));

    DidDisplayInterfaceDataBlock intf;
    intf.interfaceType = 10;
    intf.subTypeOrLinks = 2;
    intf.spreadSpectrum = 0.5;
    intf.spreadSpectrumType = 2;
    b.SetDisplayInterfaceDataBlock(2, &intf);
    const int q = 5 + 30 + 3;
    QCOMPARE(quint8(image.at(q)), quint8(0xa2));
    QCOMPARE(quint8(image.at(q + 7)), quint8(0x85));

    // Technology 1 with sub-type 9 over a stored 12 keeps 12; a new sub-type is written.
    image[5 + 43 + 3] = char(0x1c);
    DidDevDataBlock device;
    b.GetDisplayDeviceDataBlock(3, &device);
    device.backlight = 1;
    b.SetDisplayDeviceDataBlock(3, &device);
    QCOMPARE(image.mid(5 + 46, 2), hex("1c08"));
    device.subType = 3;
    b.SetDisplayDeviceDataBlock(3, &device);
    QCOMPARE(quint8(image.at(5 + 46)), quint8(0x13));
    QVERIFY(sumsToZero(bytes(image) + 1, 126));
    QVERIFY(sumsToZero(bytes(image), 128));
}

void tst_DisplayIDDataBlocks::colourPoints()
{
    QByteArray image = wrapped(0x12, 121, 0,
                               dataBlock(0x02, 1, hex("21 123456 abcdef 010203"))
                                   + dataBlock(0x02, 1, hex("11 123456 abcdef 010203")));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    DidColorCharsDataBlock c;
    b.GetColorCharsDataBlock(0, &c);
    QCOMPARE(c.whitePoints, quint8(1));
    QCOMPARE(c.primaries, quint8(2));
    QCOMPARE(c.coordinateType, quint8(0));
    QCOMPARE(c.temporal, quint8(0));
    QCOMPARE(c.points[0].x, 0x412u);
    QCOMPARE(c.points[0].y, 0x563u);
    QCOMPARE(c.points[2].x, 0x201u);
    QCOMPARE(c.points[2].y, 0x030u);

    // Counts that do not describe the payload: only the counts are read.
    DidColorCharsDataBlock d;
    d.points[0].x = 77;
    b.GetColorCharsDataBlock(1, &d);
    QCOMPARE(d.whitePoints, quint8(1));
    QCOMPARE(d.primaries, quint8(1));
    QCOMPARE(d.points[0].x, 77u);
    // ...and such a record is not written.
    const QByteArray before = snapshot(image);
    b.SetColorCharsDataBlock(1, &d);
    QCOMPARE(image, before);
}

// The coordinate type is the revision's bit 7 and the temporal flag payload byte 0's bit 7
// (DisplayID 1.3, 4.3); each is read and written in its own place.
void tst_DisplayIDDataBlocks::colourTypeAndTemporalFlag()
{
    QByteArray image = wrapped(0x12, 121, 0, dataBlock(0x02, 0x80, hex("01 9a3956")));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    DidColorCharsDataBlock c;
    b.GetColorCharsDataBlock(0, &c);
    QCOMPARE(c.coordinateType, quint8(1));
    QCOMPARE(c.temporal, quint8(0));
    QCOMPARE(c.points[0].x, 0x99Au);
    QCOMPARE(c.points[0].y, 0x563u);
    if (haveEdidDecode()) {
        const QString part = reportPart(edidDecode(edidWith(image)), 1);
        QVERIFY2(part.contains(QStringLiteral("1976 CIE")), qPrintable(part));
        QVERIFY2(part.contains(QStringLiteral("spatial"), Qt::CaseInsensitive), qPrintable(part));
    }

    c.coordinateType = 0;
    c.temporal = 1;
    b.SetColorCharsDataBlock(0, &c);
    QCOMPARE(quint8(image.at(5 + 1)), quint8(0x00));
    QCOMPARE(quint8(image.at(5 + 3)), quint8(0x81));
    QVERIFY(sumsToZero(bytes(image) + 1, 126));
    DidColorCharsDataBlock d;
    b.GetColorCharsDataBlock(0, &d);
    QCOMPARE(d.coordinateType, quint8(0));
    QCOMPARE(d.temporal, quint8(1));
    if (haveEdidDecode()) {
        const QString part = reportPart(edidDecode(edidWith(image)), 1);
        QVERIFY2(part.contains(QStringLiteral("1931 CIE")), qPrintable(part));
        QVERIFY2(part.contains(QStringLiteral("temporal"), Qt::CaseInsensitive), qPrintable(part));
    }
}

void tst_DisplayIDDataBlocks::variableLengthMovesNeighbours_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("padded");
    QTest::newRow("serial") << 0x0a << false;
    QTest::newRow("serial padded") << 0x0a << true;
    QTest::newRow("ascii") << 0x0b << false;
    QTest::newRow("ascii padded") << 0x0b << true;
    QTest::newRow("product id") << 0x00 << false;
    QTest::newRow("product id padded") << 0x00 << true;
}

void tst_DisplayIDDataBlocks::variableLengthMovesNeighbours()
{
    QFETCH(int, tag);
    QFETCH(bool, padded);
    const QByteArray text("ABCD");
    const QByteArray first = tag == 0x00 ? hex("4c4744 3412 40e20100 05 18 04") + text : text;
    const QByteArray type1 =
        dataBlock(0x03, 0, hex("3c6c02 08 7f07 5f00 2f80 1f00 3704 3d00 0280 0400"));
    const QByteArray vendor = dataBlock(0x7f, 0, hex("0010fa 0102"));
    const QByteArray data = dataBlock(unsigned(tag), 0, first) + type1 + vendor;
    const unsigned length = padded ? 121u : unsigned(data.size());
    QByteArray image = edidWith(wrapped(0x12, length, 0, data));
    unsigned char *block = bytes(image) + 128;
    DisplayIDBlock b(block, 128, 128, nullptr);
    QCOMPARE(b.GetNumOfDataBlocks(), 3u);

    const auto setText = [&](const QByteArray &t) {
        if (tag == 0x0a) {
            DidProductSNDataBlock r;
            b.GetProductSerialNumberDataBlock(0, &r);
            r.length = quint8(t.size());
            std::memcpy(r.text, t.constData(), size_t(t.size()));
            b.SetProductSerialNumberDataBlock(0, &r, t.size() - int(r.length));
        } else if (tag == 0x0b) {
            DidAsciiDataBlock r;
            b.GetGeneralPurposeAsciiDataBlock(0, &r);
            r.length = quint8(t.size());
            std::memcpy(r.text, t.constData(), size_t(t.size()));
            b.SetGeneralPurposeAsciiDataBlock(0, &r, 0);
        } else {
            DidProductIdDataBlock r;
            b.GetProductIdentificationDataBlock(0, &r);
            r.nameLength = unsigned(t.size());
            std::memcpy(r.name, t.constData(), size_t(t.size()));
            b.SetProductIdentificationDataBlock(0, &r, 0);
        }
    };
    const int fixed = tag == 0x00 ? 12 : 0;
    for (const QByteArray &t : {QByteArray("ABCDEFGHIJ"), QByteArray("AB"), QByteArray("ABCD")}) {
        setText(t);
        const int payloadLength = fixed + t.size();
        const QByteArray area = image.mid(128 + 5, 121);
        QCOMPARE(quint8(area.at(2)), quint8(payloadLength));
        QCOMPARE(area.mid(3 + fixed, t.size()), t);
        QCOMPARE(area.mid(3 + payloadLength, type1.size() + vendor.size()), type1 + vendor);
        const int used = 3 + payloadLength + type1.size() + vendor.size();
        QCOMPARE(quint8(block[2]), quint8(padded ? 121 : used));
        // Zero padding up to the checksum of a padded section, zeros behind a fitted one.
        const int zerosFrom = padded ? used : used + 1;
        QCOMPARE(area.mid(zerosFrom), QByteArray(121 - zerosFrom, '\0'));
        QCOMPARE(b.GetNumOfAvailableBytes(), unsigned(121 - used));
        QVERIFY(sumsToZero(block + 1, 5u + block[2]));
        QVERIFY(VyrTest::edidDecodeChecksumsOk(image));
    }
    QCOMPARE(b.GetNumOfDataBlocks(), 3u);
}

void tst_DisplayIDDataBlocks::growthBeyondFreeBytesRefused()
{
    QByteArray image =
        wrapped(0x12, 121, 0,
                dataBlock(0x0a, 0, QByteArray("SN")) + dataBlock(0x7f, 0, QByteArray(100, 'v')));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    QCOMPARE(b.GetNumOfAvailableBytes(), 121u - 5u - 103u);
    const QByteArray before = snapshot(image);
    DidProductSNDataBlock r;
    r.length = 2 + 14;
    std::memset(r.text, 'x', r.length);
    b.SetProductSerialNumberDataBlock(0, &r, 14);
    QCOMPARE(image, before);
    r.length = 2 + 13;
    b.SetProductSerialNumberDataBlock(0, &r, 13);
    QCOMPARE(b.GetNumOfAvailableBytes(), 0u);
    QCOMPARE(image.mid(5 + 18, 3), hex("7f0064"));
}

void tst_DisplayIDDataBlocks::stereoPayloadSizes_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("groupCodes");
    QTest::addColumn<int>("payload");
    QTest::newRow("method 0") << 0 << 0 << 3;
    QTest::newRow("method 1") << 1 << 0 << 3;
    QTest::newRow("method 2") << 2 << 0 << 10;
    QTest::newRow("method 3") << 3 << 0 << 3;
    QTest::newRow("method 4") << 4 << 0 << 4;
    QTest::newRow("method 5") << 5 << 0 << 3;
    QTest::newRow("method 255") << 255 << 0 << 2;
    QTest::newRow("method 2 + 3 codes") << 2 << 3 << 14;
    QTest::newRow("method 0 + 31 codes") << 0 << 31 << 35;
    QTest::newRow("method 6 has no layout") << 6 << 0 << -1;
}

void tst_DisplayIDDataBlocks::stereoPayloadSizes()
{
    QFETCH(int, method);
    QFETCH(int, groupCodes);
    QFETCH(int, payload);
    QByteArray image(256, '\0');
    DisplayIDBlock::InitExtBlockBuffer(bytes(image) + 128, 128, 0x12, false);
    DisplayIDBlock b(bytes(image) + 128, 128, 128, nullptr);
    b.AddDataBlock(DidBlockStereoInterface);
    b.AddDataBlock(DidBlockVendorSpecific);
    // A new stereo block holds the default record exactly: method 0 in 3 bytes.
    QCOMPARE(image.mid(133, 6), hex("100103 020000"));

    DidStereoInterfaceDataBlock r;
    r.method = unsigned(method);
    for (unsigned i = 0; i < 8; ++i)
        r.params[i] = quint8(0x10 + i);
    r.params[0] = 1;
    r.params[1] = 2;
    r.groups[1].codeType = 1;
    r.groups[1].count = quint8(groupCodes);
    for (int i = 0; i < groupCodes; ++i)
        r.groups[1].codes[i] = quint8(i + 1);
    const QByteArray before = snapshot(image);
    b.SetStereoInterfaceDataBlock(0, &r, 0);
    if (payload < 0) {
        QCOMPARE(image, before);
        return;
    }
    QCOMPARE(DisplayIDBlock::stereoPayloadSize(&r), unsigned(payload));
    DisplayID_Block_Header h;
    b.GetDisplayBlockHeader(0, &h);
    QCOMPARE(int(h.payloadLength), payload);
    QCOMPARE(image.mid(133 + 3 + payload, 6), hex("7f0003 000000"));
    QVERIFY(sumsToZero(bytes(image) + 128, 128));

    DidStereoInterfaceDataBlock back;
    b.GetStereoInterfaceDataBlock(0, &back);
    QCOMPARE(back.method, unsigned(method));
    QCOMPARE(back.methodLength, unsigned(payload - 1 - (groupCodes ? groupCodes + 1 : 0)));
    QCOMPARE(back.groups[0].count, quint8(groupCodes));
    QCOMPARE(back.groups[0].codeType, quint8(groupCodes ? 1 : 0));
    if (groupCodes > 0)
        QCOMPARE(back.groups[0].codes[groupCodes - 1], quint8(groupCodes));
    if (method == 3) {
        QCOMPARE(back.params[0], quint8(1));
        QCOMPARE(back.params[1], quint8(2));
    }
    if (method == 2)
        QCOMPARE(back.params[7], quint8(0x17));
}

void tst_DisplayIDDataBlocks::stereoTimingSupportAndGroups()
{
    // A group that runs past the payload is not taken.
    QByteArray image = wrapped(0x12, 121, 0, dataBlock(0x10, 0x40, hex("02 00 01 02 aabb 05 cc")));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    DidStereoInterfaceDataBlock r;
    b.GetStereoInterfaceDataBlock(0, &r);
    QCOMPARE(r.timingSupport, 1u);
    QCOMPARE(r.groups[0].count, quint8(2));
    QCOMPARE(r.groups[1].count, quint8(0));

    // A new timing support set on the map entry reaches the section with the next write.
    DisplayID_Block_Header h;
    b.GetDisplayBlockHeader(0, &h);
    h.revision = 0xc0;
    b.UpdateDisplayBlockHeader(0, &h);
    b.SetStereoInterfaceDataBlock(0, &r, 0);
    QCOMPARE(image.mid(5, 9), hex("10c006 020001 02aabb"));
    QVERIFY(sumsToZero(bytes(image), 128));

    // A stored method without a layout reads as 255 and is left alone.
    QByteArray odd = wrapped(0x12, 121, 0, dataBlock(0x10, 0, hex("02 07 01")));
    const QByteArray before = odd;
    DisplayIDBlock o(bytes(odd), 128, 128, nullptr);
    o.GetStereoInterfaceDataBlock(0, &r);
    QCOMPARE(r.method, 255u);
    o.SetStereoInterfaceDataBlock(0, &r, 0);
    QCOMPARE(odd, before);
}

void tst_DisplayIDDataBlocks::wrongPayloadLengthsAreNotRead()
{
    QByteArray image =
        wrapped(0x12, 121, 0,
                dataBlock(0x01, 0, QByteArray(11, 1)) + dataBlock(0x0c, 0, QByteArray(14, 1))
                    + dataBlock(0x0f, 0, QByteArray(9, 1)) + dataBlock(0x09, 0, QByteArray(16, 1))
                    + dataBlock(0x0d, 0, QByteArray(5, 1)) + dataBlock(0x7f, 0, QByteArray(2, 1)));
    const QByteArray before = snapshot(image);
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    DidDisplayParamsDataBlock p;
    p.hPixels = 7;
    b.GetDisplayParametersDataBlock(0, &p);
    QCOMPARE(p.hPixels, 7u);
    b.SetDisplayParametersDataBlock(0, &p);
    DidDevDataBlock d;
    d.hPixels = 7;
    b.GetDisplayDeviceDataBlock(1, &d);
    QCOMPARE(d.hPixels, 7u);
    b.SetDisplayDeviceDataBlock(1, &d);
    DidDisplayInterfaceDataBlock i;
    i.version = 7;
    b.GetDisplayInterfaceDataBlock(2, &i);
    QCOMPARE(i.version, 7u);
    b.SetDisplayInterfaceDataBlock(2, &i);
    DidRangeLimitsDataBlock r;
    r.minVRate = 7;
    b.GetRangeLimitsDataBlock(3, &r);
    QCOMPARE(r.minVRate, 7u);
    b.SetRangeLimitsDataBlock(3, &r);
    DidPowerSeqDataBlock s;
    s.t2 = 7;
    b.GetPowerSeqDataBlock(4, &s);
    QCOMPARE(s.t2, 7u);
    b.SetPowerSeqDataBlock(4, &s);
    DidVendorSpecificDataBlock v;
    v.vendorId[0] = 7;
    b.GetVendorSpecificDataBlock(5, &v);
    QCOMPARE(v.vendorId[0], quint8(7));
    b.SetVendorSpecificDataBlock(5, &v);
    // Out-of-range index and null record.
    b.GetDisplayParametersDataBlock(6, &p);
    b.SetTiledDisplayDataBlock(6, nullptr);
    QCOMPARE(image, before);
}

void tst_DisplayIDDataBlocks::agreesWithReferenceDecoder()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    int checked = 0;
    for (SampleSection &section : sampleSections()) {
        const QString &name = section.name;
        const QString &part = section.part;
        QByteArray &image = section.image;
        DisplayIDBlock b = sectionBlock(section);
        const QByteArray before = snapshot(image);
        for (unsigned i = 0; i < b.GetNumOfDataBlocks(); ++i) {
            const unsigned tag = b.GetDataBlockTag(i);
            if (tag == 0x01) {
                DidDisplayParamsDataBlock p;
                b.GetDisplayParametersDataBlock(i, &p);
                QVERIFY(part.contains(QStringLiteral("Image size: %1 mm x %2 mm")
                                          .arg(p.hImageSize, 0, 'f', 1)
                                          .arg(p.vImageSize, 0, 'f', 1)));
                QVERIFY(part.contains(QStringLiteral("Display native pixel format: %1x%2")
                                          .arg(p.hPixels)
                                          .arg(p.vPixels)));
                QVERIFY(part.contains(QStringLiteral("Gamma: %1").arg(p.gamma, 0, 'f', 2)));
                QVERIFY(part.contains(
                    QStringLiteral("Aspect ratio: %1").arg(p.aspectRatio, 0, 'f', 2)));
                QVERIFY(part.contains(
                    QStringLiteral("Dynamic bpc native: %1").arg(p.nativeDynamicRange)));
                QVERIFY(part.contains(
                    QStringLiteral("Dynamic bpc overall: %1").arg(p.overallDynamicRange)));
                QCOMPARE(part.contains(QStringLiteral("Power management (DPM)")),
                         p.powerManagement);
                QCOMPARE(part.contains(QStringLiteral("Audio support on video interface")),
                         p.audioSupport);
                ++checked;
            } else if (tag == 0x02) {
                DidColorCharsDataBlock c;
                b.GetColorCharsDataBlock(i, &c);
                // The reference lists the primaries first, then the white points.
                for (unsigned k = 0; k < unsigned(c.whitePoints + c.primaries); ++k) {
                    const QString label =
                        k < c.primaries ? QStringLiteral("Primary #%1").arg(k)
                                        : QStringLiteral("White point #%1").arg(k - c.primaries);
                    QVERIFY2(part.contains(QStringLiteral("%1: (%2, %3)")
                                               .arg(label)
                                               .arg(c.points[k].x / 4096.0, 0, 'f', 4)
                                               .arg(c.points[k].y / 4096.0, 0, 'f', 4)),
                             qPrintable(name));
                }
                QVERIFY(part.contains(c.coordinateType ? QStringLiteral("1976 CIE")
                                                       : QStringLiteral("1931 CIE")));
                ++checked;
            } else if (tag == 0x0f) {
                DidDisplayInterfaceDataBlock f;
                b.GetDisplayInterfaceDataBlock(i, &f);
                const char *types[] = {
                    "Analog", "LVDS",          "TMDS",           "RSDS",
                    "DVI-D",  "DVI-I, analog", "DVI-I, digital", "HDMI-A",
                    "HDMI-B", "MDDI",          "DisplayPort",    "Proprietary Digital Interface"};
                QVERIFY(f.interfaceType < 12);
                QVERIFY(part.contains(QStringLiteral("Interface Type: %1")
                                          .arg(QLatin1String(types[f.interfaceType]))));
                QVERIFY(part.contains(QStringLiteral("Number of Links: %1").arg(f.subTypeOrLinks)));
                QVERIFY(part.contains(QStringLiteral("Interface Standard Version: %1.%2")
                                          .arg(f.version)
                                          .arg(f.revision)));
                const unsigned rgbBits[] = {6, 8, 10, 12, 14, 16};
                QStringList rgb;
                for (unsigned k = 0; k < 6; ++k) {
                    if (f.rgb[k])
                        rgb << QString::number(rgbBits[k]);
                }
                QVERIFY(part.contains(QStringLiteral("Supported bpc for RGB encoding: %1")
                                          .arg(rgb.join(QStringLiteral(", ")))));
                if (f.contentProtection == 1)
                    QVERIFY(part.contains(
                        QStringLiteral("HDCP %1.%2").arg(f.cpVersion).arg(f.cpRevision)));
                if (f.spreadSpectrumType == 1)
                    QVERIFY(part.contains(
                        QStringLiteral("Down Spread %1%").arg(f.spreadSpectrum, 0, 'f', 1)));
                if (f.spreadSpectrumType == 0)
                    QVERIFY(part.contains(QStringLiteral("Spread Spectrum: None")));
                ++checked;
            } else if (tag == 0x12) {
                DidTiledDisplayDataBlock t;
                b.GetTiledDisplayDataBlock(i, &t);
                QVERIFY(
                    part.contains(QStringLiteral("Num horizontal tiles: %1 Num vertical tiles: %2")
                                      .arg(t.hTiles)
                                      .arg(t.vTiles)));
                QVERIFY(part.contains(QStringLiteral("Tile location: %1, %2")
                                          .arg(t.hLocation - 1)
                                          .arg(t.vLocation - 1)));
                QVERIFY(part.contains(
                    QStringLiteral("Tile resolution: %1x%2").arg(t.hTileSize).arg(t.vTileSize)));
                QVERIFY(part.contains(
                    QStringLiteral("Tiled Display Manufacturer/Vendor ID: %1")
                        .arg(QLatin1String(reinterpret_cast<char *>(t.vendorId), 3))));
                QVERIFY(part.contains(
                    QStringLiteral("Tiled Display Product ID Code: %1").arg(t.productCode)));
                QVERIFY(part.contains(
                    QStringLiteral("Tiled Display Serial Number: %1").arg(t.serialNumber)));
                QCOMPARE(part.contains(QStringLiteral("single physical display enclosure")),
                         t.flagBit7 != 0);
                ++checked;
            } else if (tag == 0x7f) {
                DidVendorSpecificDataBlock v;
                b.GetVendorSpecificDataBlock(i, &v);
                // The IEEE OUI is stored least significant byte first.
                const char raw[3] = {char(v.vendorId[2]), char(v.vendorId[1]), char(v.vendorId[0])};
                const QByteArray id(raw, 3);
                const QString oui = QString::fromLatin1(id.toHex('-').toUpper());
                QVERIFY2(part.contains(QStringLiteral("OUI %1").arg(oui)), qPrintable(name + oui));
                ++checked;
            } else {
                continue;
            }
            readWrite(b, i);
        }
        QCOMPARE(image, before); // every real block writes back unchanged
    }
    QVERIFY(checked >= 8);
}

QTEST_GUILESS_MAIN(tst_DisplayIDDataBlocks)
#include "tst_displayiddatablocks.moc"
