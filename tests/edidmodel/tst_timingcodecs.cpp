// The three timing codecs of DataBlock (detailed timing, standard timing, CVT 3-byte code) and
// the detailed-timing-to-mode conversion, checked against the real samples and edid-decode.

#include "edidreport.h"
#include "model/datablock.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

class CodecBlock : public DataBlock
{
public:
    CodecBlock()
        : DataBlock(0, nullptr)
    {}

protected:
    void recalcCheckSum() override {}
};

const EdidDetailedTiming *asDtd(const QByteArray &bytes, int offset = 0)
{
    return reinterpret_cast<const EdidDetailedTiming *>(bytes.constData() + offset);
}

EdidDetailedTiming *asDtd(QByteArray &bytes, int offset = 0)
{
    return reinterpret_cast<EdidDetailedTiming *>(bytes.data() + offset);
}

unsigned byteAt(const QByteArray &bytes, int i)
{
    return static_cast<unsigned char>(bytes.at(i));
}

// One detailed timing as edid-decode prints it.
struct ReferenceDtd
{
    unsigned width = 0, height = 0;
    bool interlaced = false;
    double mhz = 0;
    unsigned hFront = 0, hSync = 0, hBack = 0, vFront = 0, vSync = 0, vBack = 0;
    int hMm = -1, vMm = -1;
};

// Detailed timings of the sections edid-decode titles "Block N, <kind>:", by block number.
QMap<int, QList<ReferenceDtd>> referenceDtds(const QString &report, QMap<int, QString> *kinds)
{
    static const QRegularExpression blockRe(QStringLiteral("^Block (\\d+), (.*):$"));
    static const QRegularExpression dtdRe(
        QStringLiteral("^\\s+DTD(?: \\d+)?:\\s+(\\d+)x(\\d+)(i?)\\s+[\\d.]+ Hz.*?([\\d.]+) MHz"
                       "(?: \\((\\d+) mm x (\\d+) mm\\))?"));
    QMap<int, QList<ReferenceDtd>> out;
    int block = -1;
    ReferenceDtd *current = nullptr;
    for (const QString &line : report.split(QLatin1Char('\n'))) {
        const auto b = blockRe.match(line);
        if (b.hasMatch()) {
            block = b.captured(1).toInt();
            kinds->insert(block, b.captured(2));
            current = nullptr;
            continue;
        }
        const auto d = dtdRe.match(line);
        if (d.hasMatch() && block >= 0) {
            ReferenceDtd r;
            r.width = d.captured(1).toUInt();
            r.height = d.captured(2).toUInt();
            r.interlaced = !d.captured(3).isEmpty();
            r.mhz = d.captured(4).toDouble();
            if (!d.captured(5).isEmpty()) {
                r.hMm = d.captured(5).toInt();
                r.vMm = d.captured(6).toInt();
            }
            out[block].append(r);
            current = &out[block].last();
            continue;
        }
        if (readPorchLine(line, current) == PorchLine::Vertical)
            current = nullptr; // the second field line of an interlaced timing repeats it
    }
    return out;
}

// Byte offsets (within the block) of the detailed timings of one block of a given kind.
QList<int> dtdOffsets(const QByteArray &block, const QString &kind)
{
    QList<int> offsets;
    auto hasClock = [&](int at) { return byteAt(block, at) != 0 || byteAt(block, at + 1) != 0; };
    if (kind == QLatin1String("Base EDID")) {
        for (int at : {54, 72, 90, 108})
            if (hasClock(at))
                offsets << at;
    } else if (kind == QLatin1String("CTA-861 Extension Block")) {
        const int d = static_cast<int>(byteAt(block, 2));
        for (int at = d; d >= 4 && at + 18 <= 127 && hasClock(at); at += 18)
            offsets << at;
    } else if (kind == QLatin1String("Video Timing Extension Block")) {
        const int count = static_cast<int>(byteAt(block, 2));
        for (int i = 0; i < count && 5 + 18 * (i + 1) <= 127; ++i)
            offsets << 5 + 18 * i;
    }
    return offsets;
}

unsigned stereoOf(unsigned flags)
{
    const unsigned v = ((flags >> 5) & 3u) * 2u + (flags & 1u);
    return v ? v - 1u : 0u;
}

} // namespace

class tst_TimingCodecs : public QObject
{
    Q_OBJECT

private slots:
    void detailedTimingFields_data();
    void detailedTimingFields();
    void detailedTimingMaximaAndTruncation();
    void detailedTimingOverSamples_data();
    void detailedTimingOverSamples();
    void detailedTimingFlagsAllPatterns();
    void detailedTimingStereoOverOtherOldFlags();
    void standardTiming_data();
    void standardTiming();
    void standardTimingUndefinedAndKeptBits();
    void cvtCode_data();
    void cvtCode();
    void cvtCodeAgainstReferenceDecoder();
    void cvtCodeEmptyAndEdges();
    void nullPointersDoNothing();
    void modeInfo_data();
    void modeInfo();
    void modeInfoBorders();
};

// A few hand-decoded descriptors, field by field, and back to the same bytes.
void tst_TimingCodecs::detailedTimingFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<uint>>("numbers"); // clock, hA, vA, hB, vB, hSO, hSW, vSO, vSW,
                                              // hBorder, vBorder, hMm, vMm, stereo, syncType
    QTest::addColumn<QList<bool>>("flags");   // interlaced, flag bit 2, flag bit 1

    QTest::newRow("1920x1080p60") << QByteArray::fromHex("023a801871382d40582c4500c48e2100001e")
                                  << QList<uint>{14850, 1920, 1080, 280, 45,  88, 44, 4,
                                                 5,     0,    0,    708, 398, 0,  3}
                                  << QList<bool>{false, true, true};
    QTest::newRow("1920x1080i60, 1218 x 685 mm")
        << QByteArray::fromHex("011d8018711c1620582c2500c2ad4200009e")
        << QList<uint>{7425, 1920, 540, 280, 22, 88, 44, 2, 5, 0, 0, 1218, 685, 0, 3}
        << QList<bool>{true, true, true};
    QTest::newRow("high bits of every split field")
        << QByteArray::fromHex("ffff123456789abcdef5a5b6c7d80102e77f")
        << QList<uint>{0xFFFF, 0x512, 0xB78, 0x634, 0xC9A, 0x2DE, 0x3F5, 0x1A,
                       0x25,   2,     0xE7,  0xC7,  0x1D8, 6,     3}
        << QList<bool>{false, true, true};
}

void tst_TimingCodecs::detailedTimingFields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<uint>, numbers);
    QFETCH(QList<bool>, flags);
    CodecBlock block;
    DetailedTiming t;
    block.edidToDetailedTiming(asDtd(bytes), &t);
    const QList<uint> got{t.pixelClock,  t.hActive,    t.vActive,     t.hBlanking,  t.vBlanking,
                          t.hSyncOffset, t.hSyncWidth, t.vSyncOffset, t.vSyncWidth, t.hBorder,
                          t.vBorder,     t.hImageSize, t.vImageSize,  t.stereoMode, t.syncType};
    QCOMPARE(got, numbers);
    QCOMPARE((QList<bool>{t.interlaced, t.syncFlag2, t.syncFlag1}), flags);

    QByteArray out = bytes;
    DataBlock::detailedTimingToEdid(&t, asDtd(out));
    QCOMPARE(out.toHex(), bytes.toHex());
    // Into a zeroed descriptor too: every bit comes from the record (no stereo kept here).
    if (t.stereoMode != 0 || (byteAt(bytes, 17) & 0x61u) == 0) {
        QByteArray fresh(18, '\0');
        DataBlock::detailedTimingToEdid(&t, asDtd(fresh));
        QCOMPARE(fresh.toHex(), bytes.toHex());
    }
}

void tst_TimingCodecs::detailedTimingMaximaAndTruncation()
{
    DetailedTiming t;
    t.pixelClock = 0xFFFF;
    t.hActive = t.vActive = t.hBlanking = t.vBlanking = 4095;
    t.hSyncOffset = t.hSyncWidth = 1023;
    t.vSyncOffset = t.vSyncWidth = 63;
    t.hImageSize = t.vImageSize = 4095;
    t.hBorder = t.vBorder = 255;
    t.interlaced = t.syncFlag1 = t.syncFlag2 = true;
    t.syncType = 3;
    t.stereoMode = 6;
    QByteArray out(18, '\0');
    DataBlock::detailedTimingToEdid(&t, asDtd(out));
    QCOMPARE(out, QByteArray(18, '\xFF'));

    // Values beyond a field's width keep only its low bits and leave the neighbours alone.
    DetailedTiming wide;
    wide.hActive = 4096 + 5;
    wide.hBlanking = 4096 + 7;
    wide.vSyncOffset = 64 + 2;
    wide.vSyncWidth = 64 + 3;
    wide.pixelClock = 0x10000 + 0x1234;
    wide.hBorder = 256 + 9;
    DataBlock::detailedTimingToEdid(&wide, asDtd(out));
    CodecBlock block;
    DetailedTiming back;
    block.edidToDetailedTiming(asDtd(out), &back);
    QCOMPARE(back.hActive, 5u);
    QCOMPARE(back.hBlanking, 7u);
    QCOMPARE(back.vSyncOffset, 2u);
    QCOMPARE(back.vSyncWidth, 3u);
    QCOMPARE(back.pixelClock, 0x1234u);
    QCOMPARE(back.hBorder, 9u);
}

void tst_TimingCodecs::detailedTimingOverSamples_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : VyrTest::sampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Every detailed timing of every sample (base, CTA-861 and VTB-EXT blocks): decoding agrees
// with edid-decode, and encoding the decoded record gives the same 18 bytes.
void tst_TimingCodecs::detailedTimingOverSamples()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(QString, name);
    const QByteArray sample = VyrTest::readSample(name);
    QMap<int, QString> kinds;
    const auto reference = referenceDtds(VyrTest::edidDecode(sample), &kinds);

    CodecBlock block;
    int checked = 0;
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
        const int index = it.key();
        if (it.value() != QLatin1String("Base EDID")
            && it.value() != QLatin1String("CTA-861 Extension Block")
            && it.value() != QLatin1String("Video Timing Extension Block"))
            continue; // DisplayID timings have their own layout
        const QByteArray bytes = sample.mid(index * 128, 128);
        const QList<int> offsets = dtdOffsets(bytes, it.value());
        const QList<ReferenceDtd> refs = reference.value(index);
        QCOMPARE(offsets.size(), refs.size());
        for (int i = 0; i < offsets.size(); ++i) {
            const QString where = QStringLiteral("block %1 DTD %2").arg(index).arg(i);
            const QByteArray dtd = bytes.mid(offsets.at(i), 18);
            DetailedTiming t;
            block.edidToDetailedTiming(asDtd(dtd), &t);

            const ReferenceDtd &r = refs.at(i);
            QVERIFY2(t.hActive == r.width, qPrintable(where));
            QVERIFY2(t.vActive * (t.interlaced ? 2u : 1u) == r.height, qPrintable(where));
            QVERIFY2(t.interlaced == r.interlaced, qPrintable(where));
            QVERIFY2(std::abs(t.pixelClock / 100.0 - r.mhz) < 1e-6, qPrintable(where));
            QVERIFY2(t.hSyncOffset == r.hFront && t.hSyncWidth == r.hSync, qPrintable(where));
            QVERIFY2(t.vSyncOffset == r.vFront && t.vSyncWidth == r.vSync, qPrintable(where));
            QVERIFY2(t.hBlanking == r.hFront + r.hSync + r.hBack + 2 * t.hBorder
                         || t.hBlanking == r.hFront + r.hSync + r.hBack,
                     qPrintable(where));
            if (r.hMm >= 0)
                QVERIFY2(int(t.hImageSize) == r.hMm && int(t.vImageSize) == r.vMm,
                         qPrintable(where));

            QByteArray out = dtd;
            DataBlock::detailedTimingToEdid(&t, asDtd(out));
            QVERIFY2(out == dtd,
                     qPrintable(where + QStringLiteral(": ")
                                + QString::fromLatin1(out.toHex() + " != " + dtd.toHex())));
            ++checked;
        }
    }
    if (checked == 0)
        VYR_SKIP("sample has no detailed timing in a base, CTA-861 or VTB-EXT block");
}

// All 256 values of byte 17 (every interlace, stereo and sync pattern): the decoded flags follow
// the bit table, and encoding in place gives the byte back.
void tst_TimingCodecs::detailedTimingFlagsAllPatterns()
{
    CodecBlock block;
    QByteArray dtd = QByteArray::fromHex("023a801871382d40582c4500c48e21000000");
    for (unsigned flags = 0; flags < 256; ++flags) {
        dtd[17] = static_cast<char>(flags);
        DetailedTiming t;
        block.edidToDetailedTiming(asDtd(dtd), &t);
        QCOMPARE(t.interlaced, (flags & 0x80u) != 0);
        QCOMPARE(t.syncType, (flags >> 3) & 3u);
        QCOMPARE(t.syncFlag2, (flags & 0x04u) != 0);
        QCOMPARE(t.syncFlag1, (flags & 0x02u) != 0);
        QCOMPARE(t.stereoMode, stereoOf(flags));

        QByteArray out = dtd;
        DataBlock::detailedTimingToEdid(&t, asDtd(out));
        QVERIFY2(out == dtd, qPrintable(QStringLiteral("byte 17 = 0x%1 -> 0x%2")
                                            .arg(flags, 2, 16, QLatin1Char('0'))
                                            .arg(byteAt(out, 17), 2, 16, QLatin1Char('0'))));
    }

    // The stereo code table (VESA E-EDID 1.4, table 3.22).
    const struct
    {
        unsigned bits65, bit0, mode;
    } table[] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 1}, {1, 1, 2},
                 {2, 0, 3}, {2, 1, 4}, {3, 0, 5}, {3, 1, 6}};
    for (const auto &row : table)
        QCOMPARE(stereoOf(row.bits65 << 5 | row.bit0), row.mode);
}

// Encoding over a descriptor whose old byte 17 holds a different stereo code.
void tst_TimingCodecs::detailedTimingStereoOverOtherOldFlags()
{
    for (unsigned mode = 0; mode <= 6; ++mode) {
        for (unsigned old : {0x00u, 0x01u, 0x20u, 0x61u, 0xFFu}) {
            QByteArray dtd(18, '\0');
            dtd[0] = 1;
            dtd[17] = static_cast<char>(old);
            DetailedTiming t;
            t.pixelClock = 1;
            t.stereoMode = mode;
            t.syncType = 2;
            DataBlock::detailedTimingToEdid(&t, asDtd(dtd));
            const unsigned flags = byteAt(dtd, 17);
            QCOMPARE(flags & 0x9Eu, 0x10u); // interlace and sync bits from the record
            if (mode == 0 && (old & 0x60u) == 0)
                QCOMPARE(flags & 0x61u, old & 0x01u); // mono over mono: bit 0 kept
            else
                QCOMPARE(stereoOf(flags), mode);
            if (mode == 0 && (old & 0x60u) != 0)
                QCOMPARE(flags & 0x61u, 0x01u); // mono over stereo writes 00 with bit 0 set
        }
    }
}

void tst_TimingCodecs::standardTiming_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("width");
    QTest::addColumn<uint>("refresh");
    QTest::addColumn<uint>("aspect");
    QTest::addColumn<QString>("aspectText"); // as edid-decode names it

    QTest::newRow("1920x1080 at 60")
        << QByteArray::fromHex("d1c0") << 1920u << 60u << 2u << QStringLiteral("16:9");
    QTest::newRow("1280x1024 at 60")
        << QByteArray::fromHex("8180") << 1280u << 60u << 5u << QStringLiteral("5:4");
    QTest::newRow("1024x768 at 60")
        << QByteArray::fromHex("6140") << 1024u << 60u << 4u << QStringLiteral("4:3");
    QTest::newRow("640x480 at 85")
        << QByteArray::fromHex("3159") << 640u << 85u << 4u << QStringLiteral("4:3");
    QTest::newRow("1600x1000 at 60")
        << QByteArray::fromHex("a900") << 1600u << 60u << 3u << QStringLiteral("16:10");
    QTest::newRow("1440x900 at 75")
        << QByteArray::fromHex("950f") << 1440u << 75u << 3u << QStringLiteral("16:10");
    QTest::newRow("1280x720 at 60")
        << QByteArray::fromHex("81c0") << 1280u << 60u << 2u << QStringLiteral("16:9");
    QTest::newRow("2288 wide at 123 (top of both ranges)")
        << QByteArray::fromHex("ff3f") << 2288u << 123u << 3u << QStringLiteral("16:10");
}

void tst_TimingCodecs::standardTiming()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, width);
    QFETCH(uint, refresh);
    QFETCH(uint, aspect);
    QFETCH(QString, aspectText);

    StandardTiming t;
    DataBlock::edidToStandardTiming(reinterpret_cast<const EdidStandardTiming *>(bytes.constData()),
                                    &t);
    QVERIFY(t.defined);
    QCOMPARE(t.width, width);
    QCOMPARE(t.refreshRate, refresh);
    QCOMPARE(static_cast<uint>(t.aspect), aspect);

    QByteArray out(2, '\0');
    DataBlock::standardTimingToEdid(&t, reinterpret_cast<EdidStandardTiming *>(out.data()));
    QCOMPARE(out.toHex(), bytes.toHex());

    if (!VyrTest::haveEdidDecode())
        return;
    // edid-decode names the same width, rate and aspect for the two bytes.
    const QString arg = QStringLiteral("0x%1,0x%2")
                            .arg(byteAt(bytes, 0), 2, 16, QLatin1Char('0'))
                            .arg(byteAt(bytes, 1), 2, 16, QLatin1Char('0'));
    const QString line =
        VyrTest::edidDecodeTool({QStringLiteral("--std"), arg}).split(QLatin1Char('\n')).value(0);
    static const QRegularExpression re(
        QStringLiteral(":\\s+(\\d+)x\\d+\\s+([\\d.]+) Hz\\s+(\\S+)"));
    const auto m = re.match(line);
    QVERIFY2(m.hasMatch(), qPrintable(line));
    QCOMPARE(m.captured(1).toUInt(), width);
    QVERIFY2(std::abs(m.captured(2).toDouble() - refresh) < 1.0, qPrintable(line));
    QCOMPARE(m.captured(3), aspectText);
}

void tst_TimingCodecs::standardTimingUndefinedAndKeptBits()
{
    // 01 01 is an unused entry: defined becomes false, the other fields stay.
    const QByteArray unused = QByteArray::fromHex("0101");
    StandardTiming t;
    t.defined = true;
    t.width = 1234;
    t.refreshRate = 77;
    t.aspect = AspectRatio5x4;
    DataBlock::edidToStandardTiming(
        reinterpret_cast<const EdidStandardTiming *>(unused.constData()), &t);
    QVERIFY(!t.defined);
    QCOMPARE(t.width, 1234u);
    QCOMPARE(t.refreshRate, 77u);
    QCOMPARE(t.aspect, AspectRatio5x4);

    QByteArray out = QByteArray::fromHex("d1c0");
    DataBlock::standardTimingToEdid(&t, reinterpret_cast<EdidStandardTiming *>(out.data()));
    QCOMPARE(out.toHex(), QByteArray("0101"));

    // Only the pair 01 01 is unused: 01 40 is 256 pixels at 60 Hz, 4:3.
    const QByteArray small = QByteArray::fromHex("0140");
    DataBlock::edidToStandardTiming(reinterpret_cast<const EdidStandardTiming *>(small.constData()),
                                    &t);
    QVERIFY(t.defined);
    QCOMPARE(t.width, 256u);
    QCOMPARE(t.refreshRate, 60u);
    QCOMPARE(t.aspect, AspectRatio4x3);

    // An aspect a standard timing cannot express keeps the stored aspect bits.
    StandardTiming odd;
    odd.defined = true;
    odd.width = 1024;
    odd.refreshRate = 75;
    odd.aspect = AspectRatio15x9;
    out = QByteArray::fromHex("00c0");
    DataBlock::standardTimingToEdid(&odd, reinterpret_cast<EdidStandardTiming *>(out.data()));
    QCOMPARE(out.toHex(), QByteArray("61cf"));
}

void tst_TimingCodecs::cvtCode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("lines");
    QTest::addColumn<uint>("aspect");
    QTest::addColumn<uint>("preferred");
    QTest::addColumn<uint>("rateBits"); // 50, 60, 75, 85, 60 RB as bits 4..0

    QTest::newRow("1080 lines 16:9, 60 Hz preferred, 60 + RB")
        << QByteArray::fromHex("1b2429") << 1080u << 2u << 1u << 0x09u;
    QTest::newRow("768 lines 4:3, 85 preferred, all standard rates")
        << QByteArray::fromHex("7f107e") << 768u << 4u << 3u << 0x1Eu;
    QTest::newRow("1200 lines 16:10, 75 preferred, everything")
        << QByteArray::fromHex("57285f") << 1200u << 3u << 2u << 0x1Fu;
    QTest::newRow("1080 lines 15:9 (aspect bits 11)")
        << QByteArray::fromHex("1b2c28") << 1080u << 10u << 1u << 0x08u;
    QTest::newRow("2 lines, 50 Hz only")
        << QByteArray::fromHex("000010") << 2u << 4u << 0u << 0x10u;
    QTest::newRow("8192 lines (largest code)")
        << QByteArray::fromHex("fff408") << 8192u << 2u << 0u << 0x08u;
}

void tst_TimingCodecs::cvtCode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, lines);
    QFETCH(uint, aspect);
    QFETCH(uint, preferred);
    QFETCH(uint, rateBits);

    Cvt3ByteTiming t;
    DataBlock::edidToCvt3ByteTiming(reinterpret_cast<const EdidCvt3ByteTiming *>(bytes.constData()),
                                    &t);
    QVERIFY(t.defined);
    QCOMPARE(t.lines, lines);
    QCOMPARE(static_cast<uint>(t.aspect), aspect);
    QCOMPARE(t.preferredRate, preferred);
    const uint gotBits = (t.rate50Hz ? 0x10u : 0u) | (t.rate60Hz ? 0x08u : 0u)
                         | (t.rate75Hz ? 0x04u : 0u) | (t.rate85Hz ? 0x02u : 0u)
                         | (t.rate60HzReducedBlanking ? 0x01u : 0u);
    QCOMPARE(gotBits, rateBits);

    QByteArray out(3, '\0');
    DataBlock::cvt3ByteTimingToEdid(&t, reinterpret_cast<EdidCvt3ByteTiming *>(out.data()));
    QCOMPARE(out.toHex(), bytes.toHex());
}

// The codes of the table above inside an EDID 1.4 CVT descriptor, as edid-decode lists them:
// one line per supported rate with the lines, aspect, rate and the reduced-blanking mark.
void tst_TimingCodecs::cvtCodeAgainstReferenceDecoder()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    const QByteArray codes = QByteArray::fromHex("1b2429"
                                                 "7f107e"
                                                 "57285f"
                                                 "1b2c28");

    QByteArray image(128, '\0');
    image.replace(0, 8, QByteArray::fromHex("00ffffffffffff00"));
    image[8] = 0x10;
    image[9] = static_cast<char>(0xAC);
    image[18] = 1;
    image[19] = 4;
    image[20] = static_cast<char>(0xA5);
    image.replace(38, 16, QByteArray(16, '\x01'));
    image.replace(54, 6, QByteArray::fromHex("000000f80001"));
    image.replace(60, 12, codes);
    for (int slot : {72, 90, 108})
        image[slot + 3] = 0x10;
    image[127] = static_cast<char>(DataBlock::computeOneByteCheckSum(
        reinterpret_cast<const unsigned char *>(image.constData()), 127));

    struct Expected
    {
        unsigned height;
        unsigned rate;
        bool rb;
        QString aspect;
        int preferred; // 1 marked, 0 not marked, -1 not checked
    };
    QList<Expected> expected;
    for (int i = 0; i < 4; ++i) {
        Cvt3ByteTiming t;
        DataBlock::edidToCvt3ByteTiming(
            reinterpret_cast<const EdidCvt3ByteTiming *>(codes.constData() + 3 * i), &t);
        const QString aspect = t.aspect == AspectRatio16x9    ? QStringLiteral("16:9")
                               : t.aspect == AspectRatio16x10 ? QStringLiteral("16:10")
                               : t.aspect == AspectRatio4x3   ? QStringLiteral("4:3")
                                                              : QStringLiteral("15:9");
        const unsigned preferredHz = 50u + 10u * t.preferredRate + (t.preferredRate >= 2 ? 5u : 0u);
        const bool flags[] = {t.rate50Hz, t.rate60Hz, t.rate75Hz, t.rate85Hz};
        const unsigned hz[] = {50, 60, 75, 85};
        // With reduced blanking at a preferred 60 Hz, which of the two 60 Hz lines carries the
        // mark is the reference decoder's choice: not checked then.
        const bool open = t.rate60HzReducedBlanking && preferredHz == 60;
        for (int r = 0; r < 4; ++r)
            if (flags[r])
                expected.append({t.lines, hz[r], false, aspect,
                                 open && hz[r] == 60 ? -1 : int(hz[r] == preferredHz)});
        if (t.rate60HzReducedBlanking)
            expected.append({t.lines, 60, true, aspect, open ? -1 : 0});
    }

    const QString out = VyrTest::edidDecode(image, {QStringLiteral("-s")});
    static const QRegularExpression re(
        QStringLiteral(
            "^\\s+CVT:\\s+\\d+x(\\d+)\\s+([\\d.]+) Hz\\s+(\\S+)[^(\\n]*(\\((RB)?.*\\))?$"),
        QRegularExpression::MultilineOption);
    int i = 0;
    for (auto it = re.globalMatch(out); it.hasNext(); ++i) {
        const auto m = it.next();
        QVERIFY2(i < expected.size(), qPrintable(m.captured(0)));
        const Expected &e = expected.at(i);
        QCOMPARE(m.captured(1).toUInt(), e.height);
        QVERIFY2(std::abs(m.captured(2).toDouble() - e.rate) < 1.0, qPrintable(m.captured(0)));
        QCOMPARE(m.captured(3), e.aspect);
        QCOMPARE(!m.captured(5).isEmpty(), e.rb);
        if (e.preferred >= 0)
            QCOMPARE(m.captured(0).contains(QLatin1String("preferred vertical rate")),
                     e.preferred == 1);
    }
    QCOMPARE(i, expected.size());
}

void tst_TimingCodecs::cvtCodeEmptyAndEdges()
{
    // Three zero bytes: not defined, the rest of the record stays.
    const QByteArray zeros(3, '\0');
    Cvt3ByteTiming t;
    t.defined = true;
    t.lines = 999;
    t.aspect = AspectRatio16x10;
    DataBlock::edidToCvt3ByteTiming(reinterpret_cast<const EdidCvt3ByteTiming *>(zeros.constData()),
                                    &t);
    QVERIFY(!t.defined);
    QCOMPARE(t.lines, 999u);
    QCOMPARE(t.aspect, AspectRatio16x10);

    QByteArray out = QByteArray::fromHex("1b2429");
    DataBlock::cvt3ByteTimingToEdid(&t, reinterpret_cast<EdidCvt3ByteTiming *>(out.data()));
    QCOMPARE(out.toHex(), QByteArray("000000"));

    // 1080 lines: v = 539 -> byte 0 = 0x1B, byte 1 high nibble 2. Reserved bits of the old
    // bytes (byte 1 bits 1-0, byte 2 bit 7) stay; an aspect without a code keeps bits 3-2.
    Cvt3ByteTiming w;
    w.defined = true;
    w.lines = 1081; // odd: stored as the next lower even count
    w.aspect = AspectRatio5x4;
    w.preferredRate = CvtRefreshRate60Hz;
    w.rate60Hz = true;
    out = QByteArray::fromHex("00ff80");
    DataBlock::cvt3ByteTimingToEdid(&w, reinterpret_cast<EdidCvt3ByteTiming *>(out.data()));
    QCOMPARE(out.toHex(), QByteArray("1b2fa8"));

    // Fewer than two lines store 0 (not a wrapped value).
    w.lines = 1;
    w.aspect = AspectRatio4x3;
    out = QByteArray(3, '\0');
    DataBlock::cvt3ByteTimingToEdid(&w, reinterpret_cast<EdidCvt3ByteTiming *>(out.data()));
    QCOMPARE(out.toHex(), QByteArray("000028"));
    w.lines = 0;
    DataBlock::cvt3ByteTimingToEdid(&w, reinterpret_cast<EdidCvt3ByteTiming *>(out.data()));
    QCOMPARE(out.toHex(), QByteArray("000028"));
}

void tst_TimingCodecs::nullPointersDoNothing()
{
    CodecBlock block;
    QByteArray bytes = QByteArray::fromHex("023a801871382d40582c4500c48e2100001e");
    const QByteArray before = bytes;
    block.edidToDetailedTiming(nullptr, nullptr);
    block.edidToDetailedTiming(asDtd(bytes), nullptr);
    DataBlock::detailedTimingToEdid(nullptr, asDtd(bytes));
    DataBlock::standardTimingToEdid(nullptr, reinterpret_cast<EdidStandardTiming *>(bytes.data()));
    DataBlock::cvt3ByteTimingToEdid(nullptr, reinterpret_cast<EdidCvt3ByteTiming *>(bytes.data()));
    DataBlock::edidToStandardTiming(nullptr, nullptr);
    QCOMPARE(bytes, before);
    Cvt3ByteTiming t;
    t.defined = true;
    DataBlock::edidToCvt3ByteTiming(nullptr, &t); // no input: nothing defined
    QVERIFY(!t.defined);
    ModeInfo mode{};
    QCOMPARE(block.edidToModeInfo(nullptr, &mode, 2), nullptr);
    QCOMPARE(block.edidToModeInfo(asDtd(bytes), nullptr, 2), nullptr);
}

void tst_TimingCodecs::modeInfo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("section");
    // hActive, vActive, hTotal, vTotal, hSO, hSW, vSO, vSW, clock kHz, refresh, vic, ceaClock
    QTest::addColumn<QList<uint>>("numbers");
    // interlaced, preferred, rateVariant, syncFlags, stereoFlags
    QTest::addColumn<QList<uint>>("flags");

    QTest::newRow("1080p60 in slot 0")
        << QByteArray::fromHex("023a801871382d40582c4500c48e2100001e") << 2u
        << QList<uint>{1920, 1080, 2200, 1125, 88, 44, 4, 5, 148500, 60, 16, 148500}
        << QList<uint>{0, 1, 0, 0x38, 0};
    QTest::newRow("1080p59.94 in slot 1: VIC 16 at its 1000/1001 clock")
        << QByteArray::fromHex("f339801871382d40582c4500c48e2100001e") << 3u
        << QList<uint>{1920, 1080, 2200, 1125, 88, 44, 4, 5, 148350, 60, 16, 148500}
        << QList<uint>{0, 0, 1, 0x38, 0};
    QTest::newRow("1080i60: frame values, VIC 5")
        << QByteArray::fromHex("011d8018711c1620582c2500c2ad4200009e") << 4u
        << QList<uint>{1920, 1080, 2200, 1125, 88, 44, 5, 10, 74250, 60, 5, 74250}
        << QList<uint>{1, 0, 0, 0x38, 0};
    QTest::newRow("1920x1200 RB: no CEA format, stereo side-by-side")
        << QByteArray::fromHex("283c80a070b023403020360006442100007b") << 1u
        << QList<uint>{1920, 1200, 2080, 1235, 48, 32, 3, 6, 154000, 60, 0, 0}
        << QList<uint>{0, 0, 0, 0x28, 0x20};
    QTest::newRow("zero totals give rate 0")
        << QByteArray::fromHex("010000000000000000000000000000000018") << 2u
        << QList<uint>{0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0} << QList<uint>{0, 1, 0, 0x08, 0};
}

void tst_TimingCodecs::modeInfo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, section);
    QFETCH(QList<uint>, numbers);
    QFETCH(QList<uint>, flags);

    CodecBlock block;
    ModeInfo m{};
    const CeaVideoMode *row = block.edidToModeInfo(asDtd(bytes), &m, section);
    const QList<uint> got{m.hActive,     m.vActive,     m.hTotal,      m.vTotal,
                          m.hSyncOffset, m.hSyncWidth,  m.vSyncOffset, m.vSyncWidth,
                          m.pixelClock,  m.refreshRate, m.vic,         m.ceaPixelClock};
    QCOMPARE(got, numbers);
    const QList<uint> gotFlags{m.interlaced, m.preferred, m.rateVariant, m.syncFlags,
                               m.stereoFlags};
    QCOMPARE(gotFlags, flags);
    QCOMPARE(m.section, section);
    QCOMPARE(m.timingValid, quint8(0xFF));
    QCOMPARE(m.sourceKind, quint8(ModeSourceDetailedTiming));
    QCOMPARE(row ? row->vic : 0u, numbers.at(10));
    QCOMPARE(m.ceaFlags & 1u, row ? 1u : 0u);
}

// EDID 1.3 counts the borders inside the blanking, EDID 1.4 outside it.
void tst_TimingCodecs::modeInfoBorders()
{
    DetailedTiming t;
    t.pixelClock = 6500;
    t.hActive = 1024;
    t.hBlanking = 320;
    t.hSyncOffset = 24;
    t.hSyncWidth = 136;
    t.vActive = 768;
    t.vBlanking = 38;
    t.vSyncOffset = 3;
    t.vSyncWidth = 6;
    t.hBorder = 8;
    t.vBorder = 4;
    t.interlaced = true;
    QByteArray bytes(18, '\0');
    DataBlock::detailedTimingToEdid(&t, asDtd(bytes));

    CodecBlock block;
    ModeInfo v13{};
    block.edidToModeInfo(asDtd(bytes), &v13, 2);
    QCOMPARE(v13.hTotal, 1344u);
    QCOMPARE(v13.vTotal, 806u * 2u + 1u);
    QCOMPARE(v13.hSyncOffset, 16u);
    QCOMPARE(v13.vSyncOffset, 0u * 2u + 1u); // 3 - 4 clamps to 0, then the field half line
    QCOMPARE(v13.leftBorder, 8u);
    QCOMPARE(v13.rightBorder, 8u);
    QCOMPARE(v13.topBorder, 8u);
    QCOMPARE(v13.bottomBorder, 8u);
    QCOMPARE(v13.vActive, 1536u);
    QCOMPARE(v13.vSyncWidth, 12u);

    block.setBorderActiveState(true);
    ModeInfo v14{};
    block.edidToModeInfo(asDtd(bytes), &v14, 2);
    QCOMPARE(v14.hTotal, 1344u + 16u);
    QCOMPARE(v14.vTotal, (806u + 8u) * 2u + 1u);
    QCOMPARE(v14.hSyncOffset, 24u);
    QCOMPARE(v14.vSyncOffset, 7u);
    // 65 MHz over 1360 x 814 lines per field.
    QCOMPARE(v14.refreshRate,
             static_cast<quint32>(std::floor(65000000.0 / (1360.0 * 814.0) + 0.5)));
}

QTEST_GUILESS_MAIN(tst_TimingCodecs)
#include "tst_timingcodecs.moc"
