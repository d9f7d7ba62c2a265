#include "edidbasecases.h"
#include "edidbasecheck.h"
#include "edidbytes.h"
#include "locationtext.h"
#include "model/base/edid13block.h"
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

constexpr BaseVersion Edid13 = BaseVersion::Edid13;

} // namespace

class tst_Edid13Block : public QObject
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
    void changedFieldOnly();
    void addDescriptor_data();
    void addDescriptor();
    void removeDescriptorAndSupport();
    void locations_data();
    void locations();
    void monInfo_data();
    void monInfo();
    void establishedTimings();
    void standardTimingSections();
    void rangeLimits();
    void colorPoint();
    void basicDisplayParams();
    void maxResolution();
    void reportModesAndCells();
};

void tst_Edid13Block::recognition_data()
{
    addRecognitionRows(Edid13);
}

void tst_Edid13Block::recognition()
{
    checkRecognition(Edid13);
}

void tst_Edid13Block::initBuffer()
{
    checkInitBuffer(Edid13);
}

void tst_Edid13Block::getterSetterIdentity_data()
{
    addSampleRows(Edid13);
}

void tst_Edid13Block::getterSetterIdentity()
{
    checkWriteBack(Edid13);
}

void tst_Edid13Block::agreesWithEdidDecode_data()
{
    addSampleRows(Edid13);
}

void tst_Edid13Block::agreesWithEdidDecode()
{
    checkAgainstEdidDecode(Edid13);
}

void tst_Edid13Block::changedFieldOnly()
{
    // An analog monitor: DTD in slot 1, range limits in slot 2, name in slot 3, serial in 4.
    const QByteArray original =
        block0(VyrTest::readSample(QStringLiteral("edid13-analog-nec61d3-1.bin")));
    const QList<EditCase<Edid13Block>> cases = {
        {"product code",
         [](Edid13Block &b) {
             ProductIdInfo i{};
             b.GetProductIdInfo(&i);
             i.productCode = 0x1234;
             b.SetProductIdInfo(&i);
         },
         {10, 11}},
        {"serial",
         [](Edid13Block &b) {
             ProductIdInfo i{};
             b.GetProductIdInfo(&i);
             i.serialNumber = 7;
             b.SetProductIdInfo(&i);
         },
         {12, 13, 14, 15}},
        {"letter 3",
         [](Edid13Block &b) {
             ProductIdInfo i{};
             b.GetProductIdInfo(&i);
             i.letter3 = 26;
             b.SetProductIdInfo(&i);
         },
         {9}},
        {"week",
         [](Edid13Block &b) {
             ProductIdInfo i{};
             b.GetProductIdInfo(&i);
             i.week = 40;
             b.SetProductIdInfo(&i);
         },
         {16}},
        {"year",
         [](Edid13Block &b) {
             ProductIdInfo i{};
             b.GetProductIdInfo(&i);
             i.year = 2020;
             b.SetProductIdInfo(&i);
         },
         {17}},
        {"signal level",
         [](Edid13Block &b) {
             BasicDisplayParams p{};
             b.GetBasicDisplayParams(&p);
             p.signalLevel = 2;
             b.SetBasicDisplayParams(&p);
         },
         {20}},
        {"sync on green",
         [](Edid13Block &b) {
             BasicDisplayParams p{};
             b.GetBasicDisplayParams(&p);
             p.syncOnGreen = true;
             b.SetBasicDisplayParams(&p);
         },
         {20}},
        {"size",
         [](Edid13Block &b) {
             BasicDisplayParams p{};
             b.GetBasicDisplayParams(&p);
             p.horizontalSize = 40;
             b.SetBasicDisplayParams(&p);
         },
         {21}},
        {"gamma",
         [](Edid13Block &b) {
             BasicDisplayParams p{};
             b.GetBasicDisplayParams(&p);
             p.gamma = 2.5;
             b.SetBasicDisplayParams(&p);
         },
         {23}},
        {"standby",
         [](Edid13Block &b) {
             BasicDisplayParams p{};
             b.GetBasicDisplayParams(&p);
             p.featureBits = static_cast<unsigned char>(p.featureBits & ~FeatureStandby);
             b.SetBasicDisplayParams(&p);
         },
         {24}},
        {"colour type",
         [](Edid13Block &b) {
             BasicDisplayParams p{};
             b.GetBasicDisplayParams(&p);
             p.colorType = 2;
             b.SetBasicDisplayParams(&p);
         },
         {24}},
        {"red x",
         [](Edid13Block &b) {
             ColorCharacteristics c{};
             b.GetColorCharacteristics(&c);
             c.redX ^= 0x105;
             b.SetColorCharacteristics(&c);
         },
         {25, 27}},
        {"white y",
         [](Edid13Block &b) {
             ColorCharacteristics c{};
             b.GetColorCharacteristics(&c);
             c.whiteY ^= 0x103;
             b.SetColorCharacteristics(&c);
         },
         {26, 34}},
        {"established 5", [](Edid13Block &b) { b.SetEstablishedTimingSupport(0, 5, false); }, {35}},
        {"standard 3",
         [](Edid13Block &b) {
             StandardTiming t;
             b.GetStandardTiming(0, 3, &t);
             t.refreshRate = 60;
             b.SetStandardTiming(0, 3, &t);
         },
         {45}},
        {"extensions", [](Edid13Block &b) { b.SetNumOfExtensions(1); }, {126}},
        {"detailed width",
         [](Edid13Block &b) {
             DetailedTiming t;
             b.GetDetailedTiming(1, &t);
             t.hActive = 1600;
             b.SetDetailedTiming(1, &t);
         },
         {56, 58}},
        {"detailed interlaced",
         [](Edid13Block &b) {
             DetailedTiming t;
             b.GetDetailedTiming(1, &t);
             t.interlaced = true;
             b.SetDetailedTiming(1, &t);
         },
         {71}},
        {"range max V",
         [](Edid13Block &b) {
             RangeLimits r{};
             b.GetRangeLimits(2, &r);
             r.maxVerticalRate = 150;
             b.SetRangeLimits(2, &r);
         },
         {78}},
        {"range clock",
         [](Edid13Block &b) {
             RangeLimits r{};
             b.GetRangeLimits(2, &r);
             r.maxPixelClock = 165;
             b.SetRangeLimits(2, &r);
         },
         {81}},
        {"name",
         [](Edid13Block &b) {
             EdidString s{};
             b.GetDescriptorString(3, &s);
             s.text[0] = 'm';
             b.SetDescriptorString(3, &s);
         },
         {95}},
        {"serial string",
         [](Edid13Block &b) {
             EdidString s{};
             b.GetDescriptorString(4, &s);
             s.text[5] = '7';
             b.SetDescriptorString(4, &s);
         },
         {118}},
    };
    checkEdits(original, cases);
}

void tst_Edid13Block::addDescriptor_data()
{
    addDescriptorRows(Edid13);
}

void tst_Edid13Block::addDescriptor()
{
    checkAddDescriptor(Edid13);
}

void tst_Edid13Block::removeDescriptorAndSupport()
{
    QByteArray block = emptyBlock(Edid13);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    for (DescriptorID id :
         {DescriptorDetailedTiming, DescriptorDataString, DescriptorStandardTimings})
        QVERIFY(object.IsDescriptorSupported(id));
    for (DescriptorID id : {DescriptorUnknown, DescriptorPlaceholder, DescriptorColorManagement,
                            DescriptorCvt3ByteCodes, DescriptorEstablishedTimingsIII})
        QVERIFY(!object.IsDescriptorSupported(id));
    for (DescriptorID id : {DescriptorSerialNumber, DescriptorRangeLimits, DescriptorProductName,
                            DescriptorColorPoint}) {
        QVERIFY(object.IsDescriptorSupported(id));
        object.AddDescriptor(id, 2);
        QVERIFY(!object.IsDescriptorSupported(id));
        object.AddDescriptor(DescriptorDataString, 2); // another kind there: supported again
        QVERIFY(object.IsDescriptorSupported(id));
        object.AddDescriptor(id, 3);
        QVERIFY(!object.IsDescriptorSupported(id));
        object.RemoveDescriptor(3);
        QVERIFY(object.IsDescriptorSupported(id));
    }
    // Two of the always-allowed kinds may coexist.
    object.AddDescriptor(DescriptorDataString, 0);
    QVERIFY(object.IsDescriptorSupported(DescriptorDataString));

    object.AddDescriptor(DescriptorRangeLimits, 1);
    object.RemoveDescriptor(1);
    QCOMPARE(block.mid(72, 18).toHex(), hex("000000100000000000000000000000000000").toHex());
    QCOMPARE(object.GetDescriptorID(1), DescriptorPlaceholder);
    QVERIFY(checksumOk(block));
    const QByteArray now = snapshot(block);
    object.RemoveDescriptor(4);
    QCOMPARE(block, now);
}

void tst_Edid13Block::locations_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<unsigned>("slot");
    QTest::addColumn<QString>("expected");
    const unsigned all = ~0u;
    const struct
    {
        const char *query;
        unsigned code;
        unsigned slot;
        const char *expected;
    } rows[] = {
        {"general", 0, 0, "18:2"},        {"general", 1, 0, "8:2"},
        {"general", 2, 0, "10:2"},        {"general", 3, 0, "12:4"},
        {"general", 4, 0, "16:1"},        {"general", 5, 0, "17:1"},
        {"general", 6, 0, "126:1"},       {"general", 7, 0, "127:1"},
        {"general", 8, 0, "8:12"},        {"basic", 0, 0, "20:1"},
        {"basic", 4, 0, "24:1"},          {"basic", 5, 0, "20:5"},
        {"basic", all, 0, "20:5"},        {"colour", 0, 0, "25:1 27:1"},
        {"colour", 1, 0, "25:1 29:1"},    {"colour", 2, 0, "26:1 31:1"},
        {"colour", 3, 0, "26:1 33:1"},    {"colour", 4, 0, "25:1 28:1"},
        {"colour", 5, 0, "25:1 30:1"},    {"colour", 6, 0, "26:1 32:1"},
        {"colour", 7, 0, "26:1 34:1"},    {"colour", 8, 0, "25:10"},
        {"established", all, 0, "35:3"},  {"established", 7, 0, "35:1"},
        {"established", 16, 0, "37:1"},   {"standard", all, 0, "38:16"},
        {"standard", 0, 0, "38:2"},       {"standard", 7, 3, "52:2"},
        {"descriptors", 0, 0, "54:72"},   {"string", 0, 3, "90:18"},
        {"dummy", 5, 4, "108:18"},        {"colour point", 0, 1, "54:18"},
        {"cvt", 0, 0, "36:18"},           {"cvt", 2, 2, "72:18"},
        {"detailed", 0, 2, "74:1 76:1"},  {"detailed", 1, 2, "77:1 79:1"},
        {"detailed", 2, 2, "75:1 76:1"},  {"detailed", 3, 2, "78:1 79:1"},
        {"detailed", 4, 2, "80:1 83:1"},  {"detailed", 5, 2, "82:2"},
        {"detailed", 6, 2, "81:1 83:1"},  {"detailed", 7, 2, "82:2"},
        {"detailed", 8, 2, "87:1"},       {"detailed", 9, 2, "88:1"},
        {"detailed", 10, 2, "84:1 86:1"}, {"detailed", 11, 2, "85:1 86:1"},
        {"detailed", 12, 2, "72:2"},      {"detailed", 13, 2, "89:1"},
        {"detailed", 17, 2, "89:1"},      {"detailed", 18, 2, "72:18"},
        {"detailed", all, 1, "54:18"},    {"range", 0, 1, "58:6"},
        {"range", 1, 1, "58:1"},          {"range", 2, 1, "61:1"},
        {"range", 3, 1, "62:1"},          {"range", 4, 1, "58:1"},
        {"range", 5, 1, "59:1"},          {"range", 6, 1, "60:1"},
        {"range", 7, 1, "63:1"},          {"range", 8, 1, "64:1"},
        {"range", 9, 1, "65:7"},          {"range", 10, 1, "67:1"},
        {"range", 11, 1, "70:1"},         {"range", 12, 1, "68:2"},
        {"range", 13, 1, "71:1"},         {"range", 14, 1, "66:1"},
        {"range", 15, 1, "65:7"},         {"range", 16, 1, "66:1"},
        {"range", 18, 1, "69:1"},         {"range", 19, 1, "71:1"},
        {"range", 22, 1, "70:1"},         {"range", 23, 1, "59:13"},
        {"range", 25, 1, "70:1"},         {"range", 26, 1, "68:1"},
        {"range", 31, 1, "68:1"},         {"range", 32, 1, "59:13"},
        {"range", all, 1, "58:13"},       {"range", 8, 4, "118:1"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %d slot %u", row.query, static_cast<int>(row.code), row.slot)
            << QString::fromLatin1(row.query) << row.code << row.slot
            << QString::fromLatin1(row.expected);
}

void tst_Edid13Block::locations()
{
    QFETCH(QString, query);
    QFETCH(unsigned, code);
    QFETCH(unsigned, slot);
    QFETCH(QString, expected);
    QByteArray block = emptyBlock(Edid13);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    const QHash<QString, std::function<QList<EdidItemLocation>()>> queries = {
        {QStringLiteral("general"), [&] { return object.GetGeneralInfoLocation(code); }},
        {QStringLiteral("basic"), [&] { return object.GetBasicDisplayParamsLocation(code); }},
        {QStringLiteral("colour"), [&] { return object.GetColorCharacteristicsLocation(code); }},
        {QStringLiteral("established"),
         [&] { return object.GetEstablishedTimingLocation(code, slot); }},
        {QStringLiteral("standard"), [&] { return object.GetStandardTimingLocation(code, slot); }},
        {QStringLiteral("descriptors"), [&] { return object.GetDescriptorsLocation(); }},
        {QStringLiteral("string"), [&] { return object.GetStringDescriptorLocation(code, slot); }},
        {QStringLiteral("dummy"), [&] { return object.GetDummyDescriptorLocation(code, slot); }},
        {QStringLiteral("colour point"), [&] { return object.GetColorPointLocation(code, slot); }},
        {QStringLiteral("cvt"), [&] { return object.GetCvt3ByteTimingLocation(code, slot); }},
        {QStringLiteral("detailed"), [&] { return object.GetDetailedTimingLocation(code, slot); }},
        {QStringLiteral("range"), [&] { return object.GetRangeLimitsLocation(code, slot); }},
    };
    QVERIFY(queries.contains(query));
    QCOMPARE(locationText(queries.value(query)()), expected);
}

void tst_Edid13Block::monInfo_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("pnpId");
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<unsigned>>("rates");
    QTest::addColumn<bool>("powerManagement");

    QByteArray b = emptyBlock(Edid13);
    b[8] = 0x04; // "ABC": 00001 00010 00011
    b[9] = 0x43;
    b[10] = static_cast<char>(0xAB);
    b[11] = 0x12;
    b[24] = static_cast<char>(0xE0);
    b.replace(54, 18, hex("000000fc004e616d650a2020202020202020"));
    b.replace(72, 18, hex("000000fd0f32461e50100000000000000000"));
    fixChecksum(b);
    // Rate offsets in byte 4 are EDID 1.4 only and are ignored here.
    QTest::newRow("name and ranges") << b << "ABC12AB"
                                     << "ABC"
                                     << "Name" << QList<unsigned>{50, 70, 30, 80} << true;

    b = emptyBlock(Edid13);
    b[10] = static_cast<char>(0xFF);
    b[24] = 0x0A;
    fixChecksum(b);
    QTest::newRow("no manufacturer") << b << "XXXFF"
                                     << "XXX"
                                     << "Default Monitor" << QList<unsigned>{0, 0, 0, 0} << false;

    b = emptyBlock(Edid13);
    b[8] = 0x04;
    b[9] = 0x40; // "AB" and a third code 0
    b[10] = 0x01;
    b[24] = 0x20;
    b.replace(90, 18, hex("000000fc0031323334353637383930313233"));
    b.replace(108, 18, hex("000000fc007365636f6e640a202020202020"));
    fixChecksum(b);
    QTest::newRow("13 characters, two letters")
        << b << "AB1"
        << "AB"
        << "1234567890123" << QList<unsigned>{0, 0, 0, 0} << true;

    b = block0(VyrTest::readSample(QStringLiteral("edid13-analog-dif7380-3.bin")));
    QTest::newRow("first of three names is empty") << b << "DIF7380"
                                                   << "DIF"
                                                   << "" << QList<unsigned>{50, 75, 30, 80} << true;
}

void tst_Edid13Block::monInfo()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, pnpId);
    QFETCH(QString, manufacturer);
    QFETCH(QString, name);
    QFETCH(QList<unsigned>, rates);
    QFETCH(bool, powerManagement);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    QVERIFY(object.GetBlockSize() == 128);
    MonitorInfo info;
    std::memset(&info, 0, sizeof info);
    object.GetMonInfo(&info);
    QCOMPARE(QString::fromLatin1(info.pnpId), pnpId);
    QCOMPARE(QString::fromLatin1(info.manufacturer), manufacturer);
    QCOMPARE(QString::fromLatin1(info.monitorName), name);
    QCOMPARE((QList<unsigned>{info.minVerticalRate, info.maxVerticalRate, info.minHorizontalRate,
                              info.maxHorizontalRate}),
             rates);
    QCOMPARE(info.powerManagement, powerManagement);
}

void tst_Edid13Block::establishedTimings()
{
    QByteArray block = emptyBlock(Edid13);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    object.SetEstablishedTimingSupport(0, 16, true);
    QCOMPARE(static_cast<unsigned char>(block.at(37)), 0x80);
    object.SetEstablishedTimingSupport(0, 12, true); // 1024 x 768 at 60: byte 36 bit 3
    QCOMPARE(static_cast<unsigned char>(block.at(36)), 0x08);
    QVERIFY(object.IsEstablishedTimingSupported(0, 12));
    QVERIFY(checksumOk(block));
    const QByteArray now = snapshot(block);
    object.SetEstablishedTimingSupport(0, 17, true);
    object.SetEstablishedTimingSupport(1, 0, true);
    QCOMPARE(block, now);
    QVERIFY(!object.IsEstablishedTimingSupported(0, 17));
    QVERIFY(!object.IsEstablishedTimingSupported(1, 16));
    object.SetEstablishedTimingSupport(0, 12, false);
    QCOMPARE(static_cast<unsigned char>(block.at(36)), 0x00);

    QCOMPARE(object.GetEstablishedTimingName(0, 0), QStringLiteral(" 720 x 400  at 70Hz"));
    QCOMPARE(object.GetEstablishedTimingName(0, 11), QStringLiteral("1024 x 768  at 87Hz(I)"));
    QCOMPARE(object.GetEstablishedTimingName(0, 16), QStringLiteral("1152 x 872  at 75Hz"));
    QVERIFY(object.GetEstablishedTimingName(0, 17).isEmpty());
    QVERIFY(object.GetEstablishedTimingName(1, 0).isEmpty());
    QCOMPARE(Edid13Block::EstablishedTimings[11].interlaced, quint8(1));
}

void tst_Edid13Block::standardTimingSections()
{
    QByteArray block = emptyBlock(Edid13);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    object.AddDescriptor(DescriptorStandardTimings, 1); // slot number 2 = section 2
    StandardTiming t;
    t.defined = true;
    t.width = 1024;
    t.refreshRate = 75;
    t.aspect = AspectRatio4x3;
    QVERIFY(object.SetStandardTiming(2, 2, &t));
    QCOMPARE(block.mid(81, 2).toHex(), QByteArray("614f"));
    QVERIFY(checksumOk(block));
    StandardTiming back;
    QVERIFY(object.GetStandardTiming(2, 2, &back));
    QVERIFY(back.defined);
    QCOMPARE(back.width, 1024u);
    QCOMPARE(back.refreshRate, 75u);
    QCOMPARE(back.aspect, AspectRatio4x3);

    // Section 3 has no standard timings descriptor: true, record untouched, nothing written.
    StandardTiming untouched;
    untouched.defined = true;
    untouched.width = 4242;
    QVERIFY(object.GetStandardTiming(3, 0, &untouched));
    QCOMPARE(untouched.width, 4242u);
    const QByteArray now = snapshot(block);
    QVERIFY(!object.SetStandardTiming(3, 0, &t));
    QVERIFY(!object.SetStandardTiming(2, 6, &t));
    QVERIFY(!object.SetStandardTiming(0, 8, &t));
    QVERIFY(!object.SetStandardTiming(5, 0, &t));
    QCOMPARE(block, now);

    t.defined = false;
    QVERIFY(object.SetStandardTiming(0, 7, &t));
    QCOMPARE(block.mid(52, 2).toHex(), QByteArray("0101"));
}

void tst_Edid13Block::rangeLimits()
{
    QByteArray block = emptyBlock(Edid13);
    // Secondary GTF: start 80 kHz, C 40.5, M 600, K 20, J 20.5 (C and J in halves: 0x51, 0x29).
    block.replace(54, 18, hex("000000fd00324b1e500e0200285158021429"));
    fixChecksum(block);
    const QByteArray original = snapshot(block);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    RangeLimits r{};
    r.rateOffsets = true;
    object.GetRangeLimits(1, &r);
    QVERIFY(!r.rateOffsets);
    QVERIFY(!r.edid14);
    QCOMPARE(r.minVerticalRate, 50u);
    QCOMPARE(r.maxVerticalRate, 75u);
    QCOMPARE(r.minHorizontalRate, 30u);
    QCOMPARE(r.maxHorizontalRate, 80u);
    QCOMPARE(r.maxPixelClock, 140u);
    QCOMPARE(r.timingSupport, unsigned(RangeSecondaryGtf));
    QCOMPARE(r.gtf.startFrequency, 80u);
    QCOMPARE(r.gtf.cHalves, 81u);
    QCOMPARE(r.gtf.m, 600u);
    QCOMPARE(r.gtf.k, 20u);
    QCOMPARE(r.gtf.jHalves, 41u);
    object.SetRangeLimits(1, &r);
    QCOMPARE(block, original);
    if (VyrTest::haveEdidDecode())
        QVERIFY(VyrTest::edidDecode(block).contains(QStringLiteral(
            "Monitor ranges (Secondary GTF): 50-75 Hz V, 30-80 kHz H, max dotclock 140 MHz")));

    // Secondary GTF -> default GTF writes the default bytes.
    r.timingSupport = RangeLimitsOnly;
    r.maxPixelClock = 165; // rounded to 170 MHz
    object.SetRangeLimits(1, &r);
    QCOMPARE(block.mid(63, 9).toHex(), hex("11000a202020202020").toHex());
    QVERIFY(checksumOk(block));

    // A timing-support byte without meaning in EDID 1.3 (0x01, range limits only of EDID 1.4)
    // reads as such and is kept with its bytes by an edit of the rates.
    block.replace(54, 18, hex("000000fd00324b1e500e01ab0a2020202020"));
    fixChecksum(block);
    object.GetRangeLimits(1, &r);
    QCOMPARE(r.timingSupport, RangeReservedCode + 0x01);
    r.maxVerticalRate = 76;
    object.SetRangeLimits(1, &r);
    QCOMPARE(block.mid(54, 18).toHex(), hex("000000fd00324c1e500e01ab0a2020202020").toHex());
    QVERIFY(checksumOk(block));
    // ... and replaced when a kind is chosen: range limits only is byte 10 = 0x00.
    RangeLimits chosen = r;
    chosen.timingSupport = RangeLimitsOnly;
    object.SetRangeLimits(1, &chosen);
    QCOMPARE(block.mid(64, 8).toHex(), hex("000a202020202020").toHex());
    object.SetRangeLimits(1, &r); // a reserved kind over another byte 10 writes nothing there
    QCOMPARE(static_cast<unsigned char>(block.at(64)), 0x00);
    r.timingSupport = RangeSecondaryGtf;
    object.SetRangeLimits(1, &r);
    QCOMPARE(static_cast<unsigned char>(block.at(64)), 0x02);

    // Slot numbers are 1..4.
    const QByteArray now = snapshot(block);
    object.SetRangeLimits(0, &r);
    object.SetRangeLimits(5, &r);
    QCOMPARE(block, now);
}

void tst_Edid13Block::colorPoint()
{
    QByteArray block = emptyBlock(Edid13);
    // Point 1: index 1, x = 0x50 * 4 + 3, y = 0x54 * 4 + 1, gamma 2.2; point 2: index 2,
    // x = 0x51 * 4, y = 0x55 * 4 + 2, no gamma. Low-bit bytes: x in bits 3-2, y in bits 1-0.
    block.replace(90, 18, hex("000000fb00010d50547802025155ff0a2020"));
    fixChecksum(block);
    const QByteArray original = snapshot(block);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    QCOMPARE(object.GetDescriptorID(2), DescriptorColorPoint);
    ColorPoint p{};
    p.gamma2 = 9.0;
    object.GetColorPoint(3, &p);
    QCOMPARE(p.whitePointIndex1, 1u);
    QCOMPARE(p.whiteX1, 323u);
    QCOMPARE(p.whiteY1, 337u);
    QVERIFY(p.gamma1Defined);
    QCOMPARE(p.gamma1, 2.2);
    QCOMPARE(p.whitePointIndex2, 2u);
    QCOMPARE(p.whiteX2, 324u);
    QCOMPARE(p.whiteY2, 342u);
    QVERIFY(!p.gamma2Defined);
    QCOMPARE(p.gamma2, 9.0);
    if (VyrTest::haveEdidDecode()) {
        const QString out = VyrTest::edidDecode(block);
        QVERIFY(out.contains(QStringLiteral("Index: 1 White: 0.3154, 0.3291 Gamma: 2.20")));
        QVERIFY(out.contains(QStringLiteral("Index: 2 White: 0.3164, 0.3339")));
    }
    object.SetColorPoint(3, &p);
    QCOMPARE(block, original);

    p.whiteX1 = 324; // low bits 3 -> 0: only the low-bit byte and the high byte of point 1
    object.SetColorPoint(3, &p);
    QList<int> changed = changedBytes(original, block);
    changed.removeAll(127);
    QCOMPARE(changed, (QList<int>{96, 97}));

    // Point 2 unused: its four bytes are zeroed, gamma byte written.
    p.whitePointIndex2 = 0;
    p.gamma2Defined = true;
    p.gamma2 = 1.8;
    object.SetColorPoint(3, &p);
    QCOMPARE(block.mid(100, 5).toHex(), QByteArray("0000000050"));
    QVERIFY(checksumOk(block));
    ColorPoint q{};
    q.whiteX2 = 55;
    object.GetColorPoint(3, &q);
    QCOMPARE(q.whitePointIndex2, 0u);
    QCOMPARE(q.whiteX2, 55u); // not read for an unused point
}

void tst_Edid13Block::basicDisplayParams()
{
    QByteArray block = emptyBlock(Edid13);
    block[20] = 0x7F; // analog, level 3, all sync bits
    block[23] = 120;
    fixChecksum(block);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    BasicDisplayParams p{};
    object.GetBasicDisplayParams(&p);
    QVERIFY(!p.digital);
    QCOMPARE(p.signalLevel, 3u);
    QVERIFY(p.blankToBlackSetup && p.separateSync && p.compositeSyncOnHorizontal && p.syncOnGreen
            && p.serration);
    QCOMPARE(p.screenSizeKind, unsigned(ScreenSizeUndefined));
    p.signalLevel = 0;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(20)), 0x1F);

    // Analog -> digital drops the analog sync bits.
    p.digital = true;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(20)), 0x80);

    // A digital input keeps its DFP 1.x bit and reserved bits.
    block[20] = static_cast<char>(0x81);
    fixChecksum(block);
    const QByteArray digital = snapshot(block);
    object.GetBasicDisplayParams(&p);
    object.SetBasicDisplayParams(&p);
    QCOMPARE(block, digital);
    p.gamma = 2.5;
    p.screenSizeKind = ScreenSizeCm;
    p.horizontalSize = 52;
    p.verticalSize = 32;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(20)), 0x81);
    QCOMPARE(static_cast<unsigned char>(block.at(21)), 52);
    QCOMPARE(static_cast<unsigned char>(block.at(22)), 32);
    QCOMPARE(static_cast<unsigned char>(block.at(23)), 150);

    // Gamma: undefined is 255; a gamma past 3.54 stays defined (254).
    p.gammaDefined = false;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(23)), 255);
    BasicDisplayParams q{};
    q.gamma = 7.0;
    object.GetBasicDisplayParams(&q);
    QVERIFY(!q.gammaDefined);
    QCOMPARE(q.gamma, 7.0);
    p.gammaDefined = true;
    p.gamma = 3.6;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(23)), 254);
    p.screenSizeKind = ScreenSizeUndefined;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(block.mid(21, 2), QByteArray(2, '\0'));

    // Feature bits: standby, suspend, active off, sRGB, preferred timing, default GTF.
    p.featureBits = FeatureStandby | FeatureActiveOff | FeaturePreferredTiming | FeatureDefaultGtf
                    | FeatureContinuousFrequency;
    p.colorType = 1;
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(24)), 0xAB); // 1010 1011
    p.colorType = 5; // not an EDID 1.3 colour type: bits 4-3 stay
    object.SetBasicDisplayParams(&p);
    QCOMPARE(static_cast<unsigned char>(block.at(24)), 0xAB);
    q.featureBits = 0x80; // bit 7 is not a feature bit and stays
    object.GetBasicDisplayParams(&q);
    QCOMPARE(q.featureBits,
             static_cast<unsigned char>(0x80 | FeatureStandby | FeatureActiveOff
                                        | FeaturePreferredTiming | FeatureDefaultGtf));
    QVERIFY(checksumOk(block));
}

void tst_Edid13Block::maxResolution()
{
    QByteArray block = emptyBlock(Edid13);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    Resolution r;
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, 0u);

    object.SetEstablishedTimingSupport(0, 16, true);
    r = Resolution();
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, 1152u);
    QCOMPARE(r.height, 872u);

    StandardTiming t;
    t.defined = true;
    t.width = 1280;
    t.refreshRate = 60;
    t.aspect = AspectRatio16x10;
    object.SetStandardTiming(0, 0, &t);
    r = Resolution();
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, 1280u);
    QCOMPARE(r.height, 800u);

    object.AddDescriptor(DescriptorStandardTimings, 3);
    t.width = 2048;
    t.aspect = AspectRatio4x3;
    object.SetStandardTiming(4, 5, &t);
    object.AddDescriptor(DescriptorDetailedTiming, 0);
    DetailedTiming d;
    object.GetDetailedTiming(1, &d);
    d.hActive = 1920;
    d.vActive = 540;
    d.interlaced = true;
    object.SetDetailedTiming(1, &d);
    r = Resolution();
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, 2048u);
    QCOMPARE(r.height, 1536u);
    object.RemoveDescriptor(3);
    r = Resolution();
    object.GetMaxResolution(&r);
    QCOMPARE(r.width, 1920u);
    QCOMPARE(r.height, 1080u); // interlaced: frame height

    // Before EDID 1.3 the aspect bits 00 meant 1:1.
    block[19] = 2;
    fixChecksum(block);
    Edid13Block old(bytes(block), 128, 0, nullptr);
    object.RemoveDescriptor(0);
    r = Resolution();
    old.GetMaxResolution(&r);
    QCOMPARE(r.width, 1280u);
    QCOMPARE(r.height, 1280u);
}

void tst_Edid13Block::reportModesAndCells()
{
    QByteArray block = emptyBlock(Edid13);
    Edid13Block object(bytes(block), 128, 0, nullptr);
    ReportSink sink;
    QCOMPARE(object.Validate(&sink), 0);
    QCOMPARE(sink.lines,
             (QStringList{
                 QStringLiteral(
                     "\r\nValidating EDID1.3 Base Block. Data Range: Byte[0] --> Byte[127]\r\n"),
                 QStringLiteral("  Block is valid\r\n")}));
    block[127] = 0x11;
    sink.lines.clear();
    QCOMPARE(object.Validate(&sink), 1);
    QCOMPARE(sink.lines.value(1),
             QStringLiteral("  Error: Invalid checksum. 0x11 (stored checksum) instead 0xB2 "
                            "(calculated checksum).\r\n"));
    QCOMPARE(sink.lines.size(), 2);

    QByteArray analog = block0(VyrTest::readSample(QStringLiteral("edid13-analog-nec61d3-1.bin")));
    Edid13Block monitor(bytes(analog), 128, 0, nullptr);
    monitor.FillModeInfo(&sink);
    QCOMPARE(sink.modes.size(), 17 + 8 + 1);
    QCOMPARE(sink.modes.first().hActive, 720u);
    QCOMPARE(sink.modes.first().refreshRate, 70u);
    QCOMPARE(sink.modes.first().section, TimingSectionBaseTimings);
    QCOMPARE(sink.modes.at(17).hActive, 640u); // first standard timing: 640 x 480 at 85
    QCOMPARE(sink.modes.at(17).vActive, 480u);
    QCOMPARE(sink.modes.at(17).refreshRate, 85u);
    const ModeInfo &dtd = sink.modes.last();
    QCOMPARE(dtd.hActive, 1280u);
    QCOMPARE(dtd.vActive, 1024u);
    QCOMPARE(dtd.refreshRate, 85u);
    QCOMPARE(dtd.section, TimingSectionDescriptor0);
    QCOMPARE(dtd.preferred, quint8(1));

    QString name, description, title;
    monitor.FillCellInfo(8, &name, &description, &title);
    QCOMPARE(title, QStringLiteral("EDID-v1.3"));
    QCOMPARE(name, QStringLiteral("First Byte of Manufacturer Name"));
    QCOMPARE(description, QStringLiteral("(Vendor/Product Identification)"));
    monitor.FillCellInfo(3, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("3th Byte of the Header"));
    monitor.FillCellInfo(41, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Aspect Ratio/Field Refresh Rate"));
    QCOMPARE(description, QStringLiteral("(Standard Timings). Timing[1]"));
    monitor.FillCellInfo(54, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Pixel Clock. Low Order Bits"));
    monitor.FillCellInfo(72 + 10, &name, &description, &title); // range limits in slot 1
    QCOMPARE(name, QStringLiteral("Video Timing Support Flags"));
    QCOMPARE(description, QStringLiteral("(Display Range Limits Descriptor). Entry[1]"));
    monitor.FillCellInfo(72 + 12, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Space - 7th Byte of Range Limits (Unused)"));
    monitor.FillCellInfo(72 + 4, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Reserved Byte of Display Descriptor"));
    monitor.FillCellInfo(90 + 6, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("1th Byte Of Display Product Name"));
    QCOMPARE(description, QStringLiteral("(Display Product Name Descriptor). Entry[2]"));
    monitor.FillCellInfo(127, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("Checksum"));
    name = QStringLiteral("unchanged");
    monitor.FillCellInfo(128, &name, &description, &title);
    QCOMPARE(name, QStringLiteral("unchanged"));
}

QTEST_GUILESS_MAIN(tst_Edid13Block)
#include "tst_edid13block.moc"
