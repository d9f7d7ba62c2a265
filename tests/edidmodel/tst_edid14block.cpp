#include "edidbasecases.h"
#include "edidbasecheck.h"
#include "edidbytes.h"
#include "edidreport.h"
#include "locationtext.h"
#include "model/base/edid14block.h"
#include "model/bits.h"
#include "reportsink.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QtTest>

#include <cstring>
#include <functional>

using namespace EdidBaseCases;
using namespace EdidBaseCheck;
using namespace VyrTest;

namespace {

constexpr BaseVersion Edid14 = BaseVersion::Edid14;

// A digital EDID 1.4 block made by hand: colour management in slot 1, four CVT codes in slot 2
// (1080 lines 16:9 at 60 Hz and 60 Hz reduced blanking, 1200 lines 16:10, 768 lines 4:3 at 50,
// 75 and 85 Hz, 720 lines 15:9), established timings III in slot 3 (rows 0, 7, 9, 26, 39 and a
// reserved bit) and CVT range limits in slot 4.
QByteArray handMadeBlock()
{
    return hex("00ffffffffffff00044300000000000000000104a53420781b000000000000000000000000000101"
               "0101010101010101010101010101000000f9000310279cff2c010000ffff0100000000f800011b24"
               "295728287f1016671c28000000f7000a814000200101000000000000000000fd06324b1e50110411"
               "1280f838f03c00e6");
}

// The range limits record as one line, for table comparisons.
QString describe(const RangeLimits &r)
{
    QString text = QStringLiteral("offsets %1/%2 rates %3-%4 Hz %5-%6 kHz %7 MHz kind %8")
                       .arg(r.horizontalOffsetKind)
                       .arg(r.verticalOffsetKind)
                       .arg(r.minVerticalRate)
                       .arg(r.maxVerticalRate)
                       .arg(r.minHorizontalRate)
                       .arg(r.maxHorizontalRate)
                       .arg(r.maxPixelClock)
                       .arg(r.timingSupport);
    if (r.timingSupport == RangeSecondaryGtf)
        text += QStringLiteral(" gtf %1 %2 %3 %4 %5")
                    .arg(r.gtf.startFrequency)
                    .arg(r.gtf.cHalves)
                    .arg(r.gtf.m)
                    .arg(r.gtf.k)
                    .arg(r.gtf.jHalves);
    if (r.timingSupport == RangeCvt) {
        text += QStringLiteral(" cvt v%1 px%2 prec%3 pref%4 %5Hz blank%6%7 aspects%8%9%10%11%12 "
                               "scale%13%14%15%16")
                    .arg(r.cvt.version, 0, 16)
                    .arg(r.cvt.maxActivePixels)
                    .arg(r.cvt.pixelClockPrecision)
                    .arg(r.cvt.preferredAspect)
                    .arg(r.cvt.preferredRefresh)
                    .arg(r.standardBlanking)
                    .arg(r.reducedBlanking)
                    .arg(r.aspect4x3)
                    .arg(r.aspect16x9)
                    .arg(r.aspect16x10)
                    .arg(r.aspect5x4)
                    .arg(r.aspect15x9)
                    .arg(r.horizontalShrink)
                    .arg(r.horizontalStretch)
                    .arg(r.verticalShrink)
                    .arg(r.verticalStretch);
    }
    return text;
}

} // namespace

class tst_Edid14Block : public QObject
{
    Q_OBJECT

private slots:
    void recognition_data();
    void recognition();
    void initBuffer();
    void getterSetterIdentity_data();
    void getterSetterIdentity();
    void agreesWithEdidDecode_data();
    void agreesWithEdidDecode();
    void writtenBlockAgreesWithEdidDecode();
    void changedFieldOnly();
    void rangeLimits_data();
    void rangeLimits();
    void rangeLimitsWriting();
    void basicDisplayParams_data();
    void basicDisplayParams();
    void digitalInput();
    void establishedTimingsIII_data();
    void establishedTimingsIII();
    void cvtCodes();
    void colorManagement();
    void addDescriptor_data();
    void addDescriptor();
    void monInfoRateOffsets();
    void reportAndCells();
};

void tst_Edid14Block::recognition_data()
{
    addRecognitionRows(Edid14);
}

void tst_Edid14Block::recognition()
{
    checkRecognition(Edid14);
}

void tst_Edid14Block::initBuffer()
{
    checkInitBuffer(Edid14);
}

void tst_Edid14Block::getterSetterIdentity_data()
{
    addSampleRows(Edid14);
    QTest::newRow("hand-made") << handMadeBlock();
    QByteArray b = handMadeBlock();
    b[19] = 5; // EDID "1.5"
    fixChecksum(b);
    QTest::newRow("revision 5") << b;
}

void tst_Edid14Block::getterSetterIdentity()
{
    checkWriteBack(Edid14);
}

void tst_Edid14Block::agreesWithEdidDecode_data()
{
    addSampleRows(Edid14);
    QTest::newRow("hand-made") << handMadeBlock();
}

void tst_Edid14Block::agreesWithEdidDecode()
{
    checkAgainstEdidDecode(Edid14);
}

void tst_Edid14Block::writtenBlockAgreesWithEdidDecode()
{
    // The hand-made block again, this time written field by field through the block object.
    QByteArray block = emptyBlock(Edid14);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    ProductIdInfo id{};
    object.GetProductIdInfo(&id);
    id.letter1 = 1;
    id.letter2 = 2;
    id.letter3 = 3;
    object.SetProductIdInfo(&id);
    BasicDisplayParams p{};
    object.GetBasicDisplayParams(&p);
    p.digital = true;
    p.colorBitDepth = 2;
    p.digitalInterface = 5;
    p.colorType = 7;
    p.gammaDefined = true;
    p.gamma = 2.2;
    p.horizontalSize = 52;
    p.verticalSize = 32;
    p.screenSizeKind = ScreenSizeCm;
    p.featureBits = FeaturePreferredTiming | FeatureContinuousFrequency;
    object.SetBasicDisplayParams(&p);

    object.AddDescriptor(DescriptorColorManagement, 0);
    ColorManagement cm{};
    cm.redA3 = 100;
    cm.redA2 = -1;
    cm.greenA3 = 3;
    cm.blueA3 = -0.01;
    cm.blueA2 = 0.01;
    QVERIFY(object.SetColorManagement(1, &cm));

    object.AddDescriptor(DescriptorCvt3ByteCodes, 1);
    const struct
    {
        unsigned lines;
        AspectRatioCode aspect;
        unsigned preferred;
        bool r50, r60, r75, r85, rb;
    } codes[4] = {{1080, AspectRatio16x9, 1, false, true, false, false, true},
                  {1200, AspectRatio16x10, 1, false, true, false, false, false},
                  {768, AspectRatio4x3, 0, true, false, true, true, false},
                  {720, AspectRatio15x9, 1, false, true, false, false, false}};
    for (unsigned i = 0; i < 4; ++i) {
        Cvt3ByteTiming t;
        t.defined = true;
        t.lines = codes[i].lines;
        t.aspect = codes[i].aspect;
        t.preferredRate = codes[i].preferred;
        t.rate50Hz = codes[i].r50;
        t.rate60Hz = codes[i].r60;
        t.rate75Hz = codes[i].r75;
        t.rate85Hz = codes[i].r85;
        t.rate60HzReducedBlanking = codes[i].rb;
        object.SetCvt3ByteTiming(2, i, &t);
    }

    object.AddDescriptor(DescriptorEstablishedTimingsIII, 2);
    for (unsigned i : {0u, 7u, 9u, 26u, 39u})
        object.SetEstablishedTimingSupport(3, i, true);

    object.AddDescriptor(DescriptorRangeLimits, 3);
    RangeLimits r{};
    object.GetRangeLimits(4, &r);
    r.verticalOffsetKind = RateOffsetMax255;
    r.minVerticalRate = 50;
    r.maxVerticalRate = 75;
    r.minHorizontalRate = 30;
    r.maxHorizontalRate = 80;
    r.maxPixelClock = 170;
    r.timingSupport = RangeCvt;
    r.cvt.maxActivePixels = 640;
    r.cvt.pixelClockPrecision = 1000;
    r.cvt.preferredAspect = AspectRatio16x9;
    r.cvt.preferredRefresh = 60;
    r.standardBlanking = r.reducedBlanking = true;
    r.aspect4x3 = r.aspect16x9 = r.aspect16x10 = r.aspect5x4 = r.aspect15x9 = true;
    r.horizontalShrink = r.horizontalStretch = r.verticalShrink = r.verticalStretch = true;
    object.SetRangeLimits(4, &r);

    QVERIFY(checksumOk(block));
    // Apart from the reserved bit set by hand in the established timings III bytes and the
    // reserved rate-offset bits, the bytes are those of the hand-made block.
    QByteArray expected = handMadeBlock();
    expected[54 + 36 + 11] = 0x00;
    expected[54 + 54 + 4] = 0x02;
    fixChecksum(expected);
    QCOMPARE(block.toHex(), expected.toHex());
    if (VyrTest::haveEdidDecode()) {
        QVERIFY(VyrTest::edidDecodeChecksumsOk(block));
        QStringList diffs = compareWithEdidDecode(object, block, true);
        diffs += compareEdid14Descriptors(object, block);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
    }
}

void tst_Edid14Block::changedFieldOnly()
{
    const QByteArray original = handMadeBlock();
    const auto basic = [](std::function<void(BasicDisplayParams &)> change) {
        return [change](Edid14Block &b) {
            BasicDisplayParams p{};
            b.GetBasicDisplayParams(&p);
            change(p);
            b.SetBasicDisplayParams(&p);
        };
    };
    const auto range = [](std::function<void(RangeLimits &)> change) {
        return [change](Edid14Block &b) {
            RangeLimits r{};
            b.GetRangeLimits(4, &r);
            change(r);
            b.SetRangeLimits(4, &r);
        };
    };
    const QList<EditCase<Edid14Block>> cases = {
        {"colour depth", basic([](BasicDisplayParams &p) { p.colorBitDepth = 3; }), {20}},
        {"interface", basic([](BasicDisplayParams &p) { p.digitalInterface = 1; }), {20}},
        {"colour formats", basic([](BasicDisplayParams &p) { p.colorType = 4; }), {24}},
        {"continuous frequency",
         basic([](BasicDisplayParams &p) { p.featureBits = FeaturePreferredTiming; }),
         {24}},
        {"aspect ratio",
         basic([](BasicDisplayParams &p) { p.screenSizeKind = ScreenLandscape16x9; }),
         {21, 22}},
        {"horizontal offsets",
         range([](RangeLimits &r) { r.horizontalOffsetKind = RateOffsetMax255; }),
         {112}},
        {"preferred refresh", range([](RangeLimits &r) { r.cvt.preferredRefresh = 75; }), {125}},
        {"15:9 support", range([](RangeLimits &r) { r.aspect15x9 = false; }), {122}},
        {"clock precision", range([](RangeLimits &r) { r.cvt.pixelClockPrecision = 2000; }), {120}},
        {"vertical shrink", range([](RangeLimits &r) { r.verticalShrink = false; }), {124}},
        {"CVT 50 Hz",
         [](Edid14Block &b) {
             Cvt3ByteTiming t;
             b.GetCvt3ByteTiming(2, 2, &t);
             t.rate50Hz = false;
             b.SetCvt3ByteTiming(2, 2, &t);
         },
         {86}},
        {"established III row 9",
         [](Edid14Block &b) { b.SetEstablishedTimingSupport(3, 9, false); },
         {97}},
        {"green a2",
         [](Edid14Block &b) {
             ColorManagement cm{};
             b.GetColorManagement(1, &cm);
             cm.greenA2 = 0.5;
             b.SetColorManagement(1, &cm);
         },
         {66, 67}},
    };
    checkEdits(original, cases);
}

void tst_Edid14Block::rangeLimits_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<QString>("decoded");

    QTest::newRow("default GTF, offsets 0x0E")
        << hex("000000fd0e324b1e500e000a202020202020")
        << "offsets 2/1 rates 50-75 Hz 30-80 kHz 140 MHz kind 1";
    QTest::newRow("range limits only") << hex("000000fd00324b1e500e010a202020202020")
                                       << "offsets 0/0 rates 50-75 Hz 30-80 kHz 140 MHz kind 0";
    QTest::newRow("range limits only, zero padding")
        << hex("000000fd003078dada420100000000000000")
        << "offsets 0/0 rates 48-120 Hz 218-218 kHz 660 MHz kind 0";
    // Reserved codes read as RangeReservedCode (256) plus the code, and are written back.
    QTest::newRow("reserved offset bits 01")
        << hex("000000fd05324b1e500e000a202020202020")
        << "offsets 257/257 rates 50-75 Hz 30-80 kHz 140 MHz kind 1";
    QTest::newRow("unassigned support byte 03")
        << hex("000000fd00324b1e500e03ff0a2020202020")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 140 MHz kind 259";
    QTest::newRow("CVT, reserved preferred aspect 110")
        << hex("000000fd00324b1e5011041112 80c8d8f03c")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 170 MHz kind 3 cvt v11 px640 prec1000 pref262 "
           "60Hz blank11 aspects11001 scale1111";
    QTest::newRow("secondary GTF, offsets max")
        << hex("000000fd0a324b1e500e0200285058021428")
        << "offsets 1/1 rates 50-75 Hz 30-80 kHz 140 MHz kind 2 gtf 80 80 600 20 40";
    // C = 40.5 % and J = 20.5 (bytes 13 and 17 odd) are kept in halves.
    QTest::newRow("secondary GTF, C and J with a half")
        << hex("000000fd00324b1e500e0200285158021429")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 140 MHz kind 2 gtf 80 81 600 20 41";
    QTest::newRow("CVT, all flags")
        << hex("000000fd06324b1e501104111280f838f03c")
        << "offsets 257/1 rates 50-75 Hz 30-80 kHz 170 MHz kind 3 cvt v11 px640 prec1000 pref2 "
           "60Hz blank11 aspects11111 scale1111";
    QTest::newRow("CVT, no blanking, 15:9 preferred, 4:3 only")
        << hex("000000fd00324b1e5011041101408080004b")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 170 MHz kind 3 cvt v11 px320 prec0 pref10 "
           "75Hz blank00 aspects10000 scale0000";
    QTest::newRow("CVT, standard blanking only, 16:10, stretch")
        << hex("000000fd00324b1e5011041129a02048503c")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 170 MHz kind 3 cvt v11 px416 prec2500 pref3 "
           "60Hz blank10 aspects00100 scale0101";
    QTest::newRow("CVT 1.2")
        << hex("000000fd00324b1e501104121280f838f03c")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 170 MHz kind 3 cvt v12 px640 prec1000 pref2 "
           "60Hz blank11 aspects11111 scale1111";
    QTest::newRow("CVT, reduced blanking only, 5:4")
        << hex("000000fd00324b1e50110411000010700055")
        << "offsets 0/0 rates 50-75 Hz 30-80 kHz 170 MHz kind 3 cvt v11 px0 prec0 pref5 "
           "85Hz blank01 aspects00010 scale0000";
}

void tst_Edid14Block::rangeLimits()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(QString, decoded);
    QByteArray block = emptyBlock(Edid14);
    block.replace(90, 18, descriptor);
    fixChecksum(block);
    const QByteArray original = snapshot(block);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    RangeLimits r{};
    object.GetRangeLimits(3, &r);
    QVERIFY(r.rateOffsets);
    QVERIFY(r.edid14);
    QCOMPARE(describe(r), decoded);
    object.SetRangeLimits(3, &r);
    QCOMPARE(block.toHex(), original.toHex());
    if (VyrTest::haveEdidDecode()) {
        const QStringList diffs =
            compareWithEdidDecode(object, block, true) + compareEdid14Descriptors(object, block);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
    }
}

void tst_Edid14Block::rangeLimitsWriting()
{
    QByteArray block = emptyBlock(Edid14);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    object.AddDescriptor(DescriptorRangeLimits, 0);
    QCOMPARE(block.mid(54, 18).toHex(), QByteArray("000000fd0001ff01ff01000a202020202020"));
    RangeLimits r{};
    object.GetRangeLimits(1, &r);
    QCOMPARE(r.timingSupport, unsigned(RangeDefaultGtf));

    // Offsets: 1 -> 10, 2 -> 11; other bits of byte 4 kept.
    block[58] = static_cast<char>(0xF0);
    r.horizontalOffsetKind = RateOffsetMaxMin255;
    r.verticalOffsetKind = RateOffsetMax255;
    object.SetRangeLimits(1, &r);
    QCOMPARE(static_cast<unsigned char>(block.at(58)), 0xFE);

    // Range limits only.
    r.timingSupport = RangeLimitsOnly;
    object.SetRangeLimits(1, &r);
    QCOMPARE(block.mid(64, 8).toHex(), QByteArray("010a202020202020"));

    // Becoming CVT: version 1.1 whatever the record holds; the blanking bits as chosen.
    r.timingSupport = RangeCvt;
    r.cvt.version = 0x10;
    r.cvt.maxActivePixels = 0x3FF;
    r.cvt.pixelClockPrecision = 15750; // 63 steps of 250 kHz
    r.cvt.preferredAspect = AspectRatio16x10;
    r.cvt.preferredRefresh = 50;
    const struct
    {
        bool standard;
        bool reduced;
        unsigned char bits43;
    } blanking[4] = {{true, true, 3}, {true, false, 1}, {false, true, 2}, {false, false, 0}};
    for (const auto &b : blanking) {
        r.standardBlanking = b.standard;
        r.reducedBlanking = b.reduced;
        object.SetRangeLimits(1, &r);
        QCOMPARE(block.mid(64, 2).toHex(), QByteArray("0411"));
        QCOMPARE(static_cast<unsigned char>(block.at(66)), 0xFF);
        QCOMPARE(static_cast<unsigned char>(block.at(67)), 0xFF);
        QCOMPARE(static_cast<unsigned>(static_cast<unsigned char>(block.at(69)) >> 3),
                 (2u << 2) | b.bits43);
        RangeLimits back{};
        object.GetRangeLimits(1, &back);
        QCOMPARE(back.standardBlanking, b.standard);
        QCOMPARE(back.reducedBlanking, b.reduced);
        QVERIFY(checksumOk(block));
    }
    if (VyrTest::haveEdidDecode()) {
        QVERIFY(VyrTest::edidDecodeChecksumsOk(block));
        QVERIFY(compareEdid14Descriptors(object, block).isEmpty());
    }

    // A CVT descriptor keeps its version: the record's version field is the GTF start frequency
    // of a secondary GTF record and means nothing here.
    block[65] = 0x12;
    r.cvt.version = 0x11;
    object.SetRangeLimits(1, &r);
    QCOMPARE(static_cast<unsigned char>(block.at(65)), 0x12);
    r.gtf.startFrequency = 300;
    object.SetRangeLimits(1, &r);
    QCOMPARE(static_cast<unsigned char>(block.at(65)), 0x12);
    QVERIFY(checksumOk(block));

    // Back to default GTF: the CVT bytes are replaced.
    r.timingSupport = RangeDefaultGtf;
    object.SetRangeLimits(1, &r);
    QCOMPARE(block.mid(64, 8).toHex(), QByteArray("000a202020202020"));
    const QByteArray now = snapshot(block);
    object.SetRangeLimits(0, &r);
    object.SetRangeLimits(5, &r);
    QCOMPARE(block, now);
}

void tst_Edid14Block::basicDisplayParams_data()
{
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<unsigned>("kind");
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<unsigned>("height");

    QTest::newRow("size in cm") << 52 << 32 << 0u << 52u << 32u;
    QTest::newRow("undefined") << 0 << 0 << 1u << 0u << 0u;
    QTest::newRow("landscape 16:9") << 79 << 0 << 2u << 0u << 0u;
    QTest::newRow("landscape 16:10") << 61 << 0 << 3u << 0u << 0u;
    QTest::newRow("landscape 4:3") << 34 << 0 << 4u << 0u << 0u;
    QTest::newRow("landscape 5:4") << 26 << 0 << 5u << 0u << 0u;
    QTest::newRow("portrait 9:16") << 0 << 79 << 6u << 0u << 0u;
    QTest::newRow("portrait 10:16") << 0 << 61 << 7u << 0u << 0u;
    QTest::newRow("portrait 3:4") << 0 << 34 << 8u << 0u << 0u;
    QTest::newRow("portrait 4:5") << 0 << 26 << 9u << 0u << 0u;
    // An aspect ratio outside the four offered (1.85:1) stays as stored.
    QTest::newRow("landscape 1.85") << 85 << 0 << 0u << 85u << 0u;
    QTest::newRow("portrait other") << 0 << 40 << 0u << 0u << 40u;
}

void tst_Edid14Block::basicDisplayParams()
{
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(unsigned, kind);
    QFETCH(unsigned, width);
    QFETCH(unsigned, height);

    QByteArray block = emptyBlock(Edid14);
    block[20] = 0x0F; // analog input
    block[21] = static_cast<char>(horizontal);
    block[22] = static_cast<char>(vertical);
    fixChecksum(block);
    const QByteArray original = snapshot(block);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    BasicDisplayParams p{};
    p.horizontalSize = 999;
    object.GetBasicDisplayParams(&p);
    QCOMPARE(p.screenSizeKind, kind);
    QCOMPARE(p.horizontalSize, width);
    QCOMPARE(p.verticalSize, height);
    object.SetBasicDisplayParams(&p);
    QCOMPARE(block.toHex(), original.toHex());

    // Writing the kind onto another block gives the same bytes.
    QByteArray other = emptyBlock(Edid14);
    other[21] = 1;
    other[22] = 2;
    fixChecksum(other);
    Edid14Block target(bytes(other), 128, 0, nullptr);
    BasicDisplayParams q{};
    target.GetBasicDisplayParams(&q);
    q.screenSizeKind = kind;
    q.horizontalSize = width;
    q.verticalSize = height;
    target.SetBasicDisplayParams(&q);
    QCOMPARE(static_cast<int>(static_cast<unsigned char>(other.at(21))), horizontal);
    QCOMPARE(static_cast<int>(static_cast<unsigned char>(other.at(22))), vertical);
    QVERIFY(checksumOk(other));
}

void tst_Edid14Block::digitalInput()
{
    QByteArray block = emptyBlock(Edid14);
    block[20] = static_cast<char>(0xB5); // digital, 10 bits, DisplayPort
    block[24] = static_cast<char>(0x1B); // colour formats 11, preferred timing, continuous
    fixChecksum(block);
    const QByteArray original = snapshot(block);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    BasicDisplayParams p{};
    p.featureBits = FeatureDefaultGtf;
    object.GetBasicDisplayParams(&p);
    QVERIFY(p.digital);
    QCOMPARE(p.colorBitDepth, 3u);
    QCOMPARE(p.digitalInterface, 5u);
    QCOMPARE(p.colorType, 7u);
    QCOMPARE(unsigned(p.featureBits),
             unsigned(FeaturePreferredTiming | FeatureContinuousFrequency));
    object.SetBasicDisplayParams(&p);
    QCOMPARE(block, original);

    p.colorType = 5;
    p.colorBitDepth = 2;
    p.digitalInterface = 1;
    p.featureBits = FeaturePreferredTiming;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(20)), 0xA1);
    QCOMPARE(static_cast<unsigned char>(block.at(24)), 0x0A);
    QVERIFY(checksumOk(block));
    if (VyrTest::haveEdidDecode()) {
        const QStringList lines = reportBlockLines(edidDecode(block), 0);
        QVERIFY(lines.contains(QStringLiteral("Bits per primary color channel: 8")));
        QVERIFY(lines.contains(QStringLiteral("DVI interface")));
        QVERIFY(lines.contains(QStringLiteral("Supported color formats: RGB 4:4:4, YCrCb 4:4:4")));
    }

    // Switching to analog: signal level and sync bits replace depth and interface.
    p.digital = false;
    p.signalLevel = 1;
    p.separateSync = true;
    p.colorType = 2;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(20)), 0x28);
    QCOMPARE(static_cast<unsigned>(bits(static_cast<unsigned char>(block.at(24)), 4, 3)), 2u);
}

void tst_Edid14Block::establishedTimingsIII_data()
{
    QTest::addColumn<unsigned>("index");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("bitNumber");
    QTest::addColumn<QString>("label");
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<unsigned>("height");
    QTest::addColumn<unsigned>("hz");
    QTest::addColumn<bool>("reduced");

    QTest::newRow("0") << 0u << 6 << 7 << " 640 x 350  at 85Hz" << 640u << 350u << 85u << false;
    QTest::newRow("4") << 4u << 6 << 3 << " 848 x 480  at 60Hz" << 848u << 480u << 60u << false;
    QTest::newRow("7") << 7u << 6 << 0 << "1152 x 864  at 75Hz" << 1152u << 864u << 75u << false;
    QTest::newRow("8") << 8u << 7 << 7 << "1280 x 768  at 60Hz(RB)" << 1280u << 768u << 60u << true;
    QTest::newRow("15") << 15u << 7 << 0 << "1280 x 1024 at 85Hz" << 1280u << 1024u << 85u << false;
    QTest::newRow("17") << 17u << 8 << 6 << "1440 x 900  at 60Hz(RB)" << 1440u << 900u << 60u
                        << true;
    QTest::newRow("21") << 21u << 8 << 2 << "1400 x 1050 at 60Hz(RB)" << 1400u << 1050u << 60u
                        << true;
    QTest::newRow("30") << 30u << 9 << 1 << "1600 x 1200 at 65Hz" << 1600u << 1200u << 65u << false;
    QTest::newRow("38") << 38u << 10 << 1 << "1920 x 1200 at 60Hz(RB)" << 1920u << 1200u << 60u
                        << true;
    QTest::newRow("43") << 43u << 11 << 4 << "1920 x 1440 at 75Hz" << 1920u << 1440u << 75u
                        << false;
}

void tst_Edid14Block::establishedTimingsIII()
{
    QFETCH(unsigned, index);
    QFETCH(int, byte);
    QFETCH(int, bitNumber);
    QFETCH(QString, label);
    QFETCH(unsigned, width);
    QFETCH(unsigned, height);
    QFETCH(unsigned, hz);
    QFETCH(bool, reduced);

    QByteArray block = emptyBlock(Edid14);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    // The names need no descriptor.
    QCOMPARE(object.GetEstablishedTimingName(1, index), label);
    QVERIFY(object.GetEstablishedTimingName(1, 44).isEmpty());
    QCOMPARE(object.GetEstablishedTimingName(0, 0), QStringLiteral(" 720 x 400  at 70Hz"));
    const EstablishedMode &mode = Edid14Block::EstablishedTimingsIII[index];
    QCOMPARE(mode.width, width);
    QCOMPARE(mode.height, height);
    QCOMPARE(mode.refreshRate, hz);
    QCOMPARE(mode.reducedBlanking != 0, reduced);
    QCOMPARE(mode.interlaced, quint8(0));

    // Without the descriptor nothing is set or written.
    const QByteArray empty = snapshot(block);
    object.SetEstablishedTimingSupport(2, index, true);
    QCOMPARE(block, empty);
    QVERIFY(!object.IsEstablishedTimingSupported(2, index));

    object.AddDescriptor(DescriptorEstablishedTimingsIII, 1); // section 2
    const QByteArray before = snapshot(block);
    object.SetEstablishedTimingSupport(2, index, true);
    QVERIFY(object.IsEstablishedTimingSupported(2, index));
    QVERIFY(!object.IsEstablishedTimingSupported(1, index));
    QList<int> changed = changedBytes(before, block);
    changed.removeAll(127);
    QCOMPARE(changed, QList<int>{72 + byte});
    QCOMPARE(static_cast<unsigned char>(block.at(72 + byte)), 1u << bitNumber);
    QVERIFY(checksumOk(block));
    object.SetEstablishedTimingSupport(2, 44, true);
    object.SetEstablishedTimingSupport(5, index, true);
    QCOMPARE(block.mid(72, 18),
             before.mid(72, 18).replace(byte, 1, QByteArray(1, static_cast<char>(1 << bitNumber))));

    Resolution r;
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, width);
    QCOMPARE(r.height, height);
    ReportSink sink;
    object.FillModeInfo(&sink);
    QCOMPARE(sink.modes.size(), 1);
    QCOMPARE(sink.modes.first().hActive, width);
    QCOMPARE(sink.modes.first().refreshRate, hz);
    QCOMPARE(sink.modes.first().reducedBlanking != 0, reduced);
    QCOMPARE(sink.modes.first().section, TimingSectionDescriptor0 + 1);
    if (VyrTest::haveEdidDecode()) {
        const QStringList diffs = compareEdid14Descriptors(object, block);
        QVERIFY2(diffs.isEmpty(), qPrintable(diffs.join(QLatin1Char('\n'))));
    }
    object.SetEstablishedTimingSupport(2, index, false);
    QCOMPARE(block, before);
}

void tst_Edid14Block::cvtCodes()
{
    QByteArray block = handMadeBlock();
    Edid14Block object(bytes(block), 128, 0, nullptr);
    Cvt3ByteTiming t;
    QVERIFY(object.GetCvt3ByteTiming(2, 0, &t));
    QVERIFY(t.defined);
    QCOMPARE(t.lines, 1080u);
    QCOMPARE(t.aspect, AspectRatio16x9);
    QCOMPARE(t.preferredRate, 1u);
    QVERIFY(t.rate60Hz && t.rate60HzReducedBlanking && !t.rate50Hz);
    QVERIFY(object.GetCvt3ByteTiming(2, 3, &t));
    QCOMPARE(t.aspect, AspectRatio15x9);
    QCOMPARE(t.lines, 720u);
    QVERIFY(!object.GetCvt3ByteTiming(2, 4, &t));
    QVERIFY(!object.GetCvt3ByteTiming(1, 0, &t)); // colour management there
    QVERIFY(!object.GetCvt3ByteTiming(0, 0, &t));

    // The index-based operations of a base block do nothing.
    const QByteArray before = snapshot(block);
    Cvt3ByteTiming other;
    other.lines = 4242;
    DataBlock &base = object;
    QVERIFY(!base.GetCvt3ByteTiming(0, &other));
    QVERIFY(!object.GetCvt3ByteTiming(1, &other));
    QCOMPARE(other.lines, 4242u);
    object.SetCvt3ByteTiming(1, &t);
    object.SetCvt3ByteTiming(3, 0, &t); // slot 3 holds established timings III
    QCOMPARE(block, before);

    t.lines = 1440;
    t.rate85Hz = true;
    object.SetCvt3ByteTiming(2, 3, &t);
    QList<int> changed = changedBytes(before, block);
    changed.removeAll(127);
    QCOMPARE(changed, (QList<int>{72 + 15, 72 + 16, 72 + 17}));
    QVERIFY(checksumOk(block));

    // Largest resolution: 15:9 at 1440 lines is 2400 x 1440.
    Resolution r;
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, 2400u);
    QCOMPARE(r.height, 1440u);

    // Mode list: one mode per rate; established timings III rows before the CVT codes.
    std::memcpy(bytes(block), handMadeBlock().constData(), 128);
    ReportSink sink;
    object.FillModeInfo(&sink);
    QCOMPARE(sink.modes.size(), 5 + 7);
    QCOMPARE(sink.modes.at(5).hActive, 1920u);
    QCOMPARE(sink.modes.at(5).vActive, 1080u);
    QCOMPARE(sink.modes.at(5).refreshRate, 60u);
    QCOMPARE(sink.modes.at(5).reducedBlanking, quint8(0));
    QCOMPARE(sink.modes.at(6).reducedBlanking, quint8(1));
    QCOMPARE(sink.modes.at(5).section, TimingSectionDescriptor0 + 1);
    QCOMPARE(sink.modes.last().hActive, 1200u);
}

void tst_Edid14Block::colorManagement()
{
    QByteArray block = handMadeBlock();
    const QByteArray original = snapshot(block);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    ColorManagement cm{};
    QVERIFY(object.GetColorManagement(1, &cm));
    QCOMPARE(cm.version, static_cast<unsigned char>(3));
    QCOMPARE(cm.redA3, 100.0);
    QCOMPARE(cm.redA2, -1.0);
    QCOMPARE(cm.greenA3, 3.0);
    QCOMPARE(cm.greenA2, 0.0);
    QCOMPARE(cm.blueA3, -0.01);
    QCOMPARE(cm.blueA2, 0.01);
    QVERIFY(!object.GetColorManagement(0, &cm));
    QVERIFY(!object.GetColorManagement(5, &cm));

    cm.version = 9;     // not written
    cm.greenA2 = 1.234; // rounds to 123
    QVERIFY(object.SetColorManagement(1, &cm));
    QList<int> changed = changedBytes(original, block);
    changed.removeAll(127);
    QCOMPARE(changed, QList<int>{54 + 12});
    QCOMPARE(static_cast<unsigned char>(block.at(54 + 12)), 123);
    // Values beyond 16 bits are held at the limits.
    cm.redA3 = 1000.0;
    cm.redA2 = -1000.0;
    object.SetColorManagement(1, &cm);
    QCOMPARE(block.mid(60, 4).toHex(), QByteArray("ff7f0080"));
    QVERIFY(checksumOk(block));
    QVERIFY(!object.SetColorManagement(0, &cm));

    // The EDID 1.3 block has no colour management.
    QByteArray old(128, '\0');
    Edid13Block::InitBuffer(bytes(old), 128);
    Edid13Block edid13(bytes(old), 128, 0, nullptr);
    QVERIFY(!edid13.GetColorManagement(1, &cm));
}

void tst_Edid14Block::addDescriptor_data()
{
    addDescriptorRows(Edid14);
}

void tst_Edid14Block::addDescriptor()
{
    checkAddDescriptor(Edid14);
}

void tst_Edid14Block::monInfoRateOffsets()
{
    QByteArray block = emptyBlock(Edid14);
    block.replace(54, 18, hex("000000fd0f0a141e2811000a202020202020"));
    fixChecksum(block);
    Edid14Block object(bytes(block), 128, 0, nullptr);
    MonitorInfo info;
    std::memset(&info, 0, sizeof info);
    object.GetMonInfo(&info);
    // Offsets 11: both minimum and maximum + 255.
    QCOMPARE(info.minVerticalRate, 265u);
    QCOMPARE(info.maxVerticalRate, 275u);
    QCOMPARE(info.minHorizontalRate, 285u);
    QCOMPARE(info.maxHorizontalRate, 295u);
    QCOMPARE(QString::fromLatin1(info.pnpId), QStringLiteral("XXX0"));

    block[58] = 0x0A; // 10: maximum + 255 only
    fixChecksum(block);
    std::memset(&info, 0, sizeof info);
    object.GetMonInfo(&info);
    QCOMPARE(info.minVerticalRate, 10u);
    QCOMPARE(info.maxVerticalRate, 275u);
    QCOMPARE(info.minHorizontalRate, 30u);
    QCOMPARE(info.maxHorizontalRate, 295u);
    if (VyrTest::haveEdidDecode())
        QVERIFY(VyrTest::edidDecode(block).contains(QStringLiteral("10-275 Hz V, 30-295 kHz H")));
}

void tst_Edid14Block::reportAndCells()
{
    QByteArray block = handMadeBlock();
    Edid14Block object(bytes(block), 128, 0, nullptr);
    ReportSink sink;
    QCOMPARE(object.Validate(&sink), 0);
    QCOMPARE(
        sink.lines.first(),
        QStringLiteral("\r\nValidating EDID1.4 Base Block. Data Range: Byte[0] --> Byte[127]\r\n"));

    const struct
    {
        unsigned byte;
        const char *name;
        const char *description;
    } cells[] = {
        {54 + 5, "Version Number", "(Color Management Data Descriptor). Entry[0]"},
        {54 + 6, "Red a3. Low Order Bits", "(Color Management Data Descriptor). Entry[0]"},
        {54 + 17, "Blue a2. High Order Bits", "(Color Management Data Descriptor). Entry[0]"},
        {72 + 3, "Display Descriptor Tag", "(CVT 3 Byte Code Descriptor). Entry[1]"},
        {72 + 5, "Version Number", "(CVT 3 Byte Code Descriptor). Entry[1]"},
        {72 + 10, "Aspect Ratio/High Order Bits of Vertical Addressable",
         "(CVT 3 Byte Code Descriptor). Timing[1]. Entry[1]"},
        {72 + 17, "Preferred Vertical Rate/Supported Vertical Rate and Blanking Style",
         "(CVT 3 Byte Code Descriptor). Timing[3]. Entry[1]"},
        {90 + 7, "1280 x 768 @ 60Hz (RB)  --  1280 x 1024 @ 85Hz",
         "(Established Timings III Descriptor). Timing Byte[1]. Entry[2]"},
        {90 + 12, "Reserved Byte",
         "(Established Timings III Descriptor). Timing Byte[6]. Entry[2]"},
        {90 + 0, "First Byte of Display Descriptor Identification",
         "(Established Timings III Descriptor). Entry[2]"},
        {108 + 4, "Vertical/Horizontal Rate Offsets",
         "(Display Range Limits Descriptor). Entry[3]"},
        {108 + 11, "CVT. Standard Version Number", "(Display Range Limits Descriptor). Entry[3]"},
        {108 + 15, "CVT. Preferred Aspect Ratio/Reduced Blanking Support",
         "(Display Range Limits Descriptor). Entry[3]"},
    };
    for (const auto &cell : cells) {
        QString name, description, title;
        object.FillCellInfo(cell.byte, &name, &description, &title);
        QCOMPARE(title, QStringLiteral("EDID-v1.4"));
        QCOMPARE(name, QLatin1String(cell.name));
        QCOMPARE(description, QLatin1String(cell.description));
    }

    // Locations of the EDID 1.4 descriptors: the whole descriptor.
    QCOMPARE(locationText(object.GetDCMLocation(0, 1)), QStringLiteral("54:18"));
    QCOMPARE(locationText(object.GetCVTLocation(3, 2)), QStringLiteral("72:18"));
    QCOMPARE(locationText(object.GetEstablisheIIILocation(~0u, 3)), QStringLiteral("90:18"));
    QCOMPARE(locationText(object.GetRangeLimitsLocation(18, 4)), QStringLiteral("123:1"));
}

QTEST_GUILESS_MAIN(tst_Edid14Block)
#include "tst_edid14block.moc"
