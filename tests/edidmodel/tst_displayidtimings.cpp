// DisplayID timing data blocks: descriptors against edid-decode, byte-identical write-back,
// descriptor counts, whole-block writers and the timing bitmaps.

#include "displayidfixtures.h"
#include "edidbytes.h"
#include "model/displayid/displayidblock.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

using namespace DidFixture;
using namespace VyrTest;

namespace {

// One timing entry as edid-decode lists it.
struct Listed
{
    QString kind; // DTD, CVT or VIC
    unsigned h = 0, v = 0;
    QString clock; // "148.500000"
    bool preferred = false;
    QString hLine, vLine; // the porch lines of a DTD
    QString rest;
    bool skipVPolarity = false; // edid-decode takes a Type II vertical polarity from elsewhere
};

QString withoutVPolarity(const QString &line)
{
    return line.left(line.lastIndexOf(QStringLiteral(" Vpol")));
}

QVector<Listed> listedTimings(const QString &part)
{
    QVector<Listed> out;
    const QStringList lines = part.split(QLatin1Char('\n'));
    static const QRegularExpression entry(
        QStringLiteral("^    (DTD|CVT|VIC +\\d+):\\s+(\\d+)x(\\d+)\\S*\\s.*\\s([0-9.]+) MHz(.*)$"));
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = entry.match(lines.at(i));
        if (!m.hasMatch())
            continue;
        Listed l;
        l.kind = m.captured(1).left(3);
        l.h = m.captured(2).toUInt();
        l.v = m.captured(3).toUInt();
        l.clock = m.captured(4);
        l.rest = m.captured(5);
        l.preferred = l.rest.contains(QStringLiteral("preferred"));
        if (l.kind == QLatin1String("DTD") && i + 2 < lines.size()) {
            l.hLine = lines.at(i + 1).simplified();
            l.vLine = lines.at(i + 2).simplified();
        }
        out.append(l);
    }
    return out;
}

QString porches(const char *axis, unsigned active, unsigned blank, unsigned front, unsigned sync,
                bool positive)
{
    Q_UNUSED(active)
    return QStringLiteral("%1front %2 %1sync %3 %1back %4 %1pol %5")
        .arg(QLatin1String(axis))
        .arg(front)
        .arg(sync)
        .arg(int(blank) - int(front) - int(sync))
        .arg(positive ? QLatin1Char('P') : QLatin1Char('N'));
}

// Our decoding of every timing descriptor of a section, in the same form.
QVector<Listed> decodedTimings(DisplayIDBlock &b)
{
    QVector<Listed> out;
    for (unsigned i = 0; i < b.GetNumOfDataBlocks(); ++i) {
        switch (b.GetDataBlockTag(i)) {
        case 0x03:
            for (unsigned k = 0; k < b.GetNumOfType1DetTimingDescriptors(i); ++k) {
                DidType1DetTimingDesc r;
                b.GetType1DetTimingDescriptor(i, k, &r);
                Listed l{
                    QStringLiteral("DTD"),
                    r.hActive,
                    r.vActive,
                    QString::number(r.pixelClock, 'f', 6),
                    r.preferred != 0,
                    porches("H", r.hActive, r.hBlank, r.hOffset, r.hSyncWidth, r.hSyncPolarity),
                    porches("V", r.vActive, r.vBlank, r.vOffset, r.vSyncWidth, r.vSyncPolarity),
                    {}};
                out.append(l);
            }
            break;
        case 0x04:
            for (unsigned k = 0; k < b.GetNumOfType2DetTimingDescriptors(i); ++k) {
                DidType2DetTimingDesc r;
                b.GetType2DetTimingDescriptor(i, k, &r);
                out.append(
                    {QStringLiteral("DTD"),
                     r.hActive,
                     r.vActive,
                     QString::number(r.pixelClock, 'f', 6),
                     r.preferred != 0,
                     porches("H", r.hActive, r.hBlank, r.hOffset, r.hSyncWidth, r.hSyncPolarity),
                     porches("V", r.vActive, r.vBlank, r.vOffset, r.vSyncWidth, r.vSyncPolarity),
                     {},
                     true});
            }
            break;
        case 0x05:
            for (unsigned k = 0; k < b.GetNumOfType3ShortTimingDescriptors(i); ++k) {
                DidType3ShortTimingDesc r;
                b.GetType3ShortTimingDescriptor(i, k, &r);
                // edid-decode derives the lines from the aspect ratio.
                const unsigned ratios[][2] = {{1, 1},  {5, 4},   {4, 3},   {15, 9},
                                              {16, 9}, {16, 10}, {64, 27}, {256, 135}};
                const unsigned v =
                    r.aspect < 8 ? r.hActive * ratios[r.aspect][1] / ratios[r.aspect][0] : 0;
                out.append({QStringLiteral("CVT"),
                            r.hActive,
                            v,
                            {},
                            r.preferred != 0,
                            {},
                            {},
                            r.formula == 1 ? QStringLiteral("RB") : QString()});
            }
            break;
        case 0x06:
            for (unsigned k = 0; k < b.GetNumOfType4DmtTimingDescriptors(i); ++k) {
                DidType4DmtTimingDesc r;
                b.GetType4DmtTimingDescriptor(i, k, &r);
                out.append({QStringLiteral("VIC"), r.codeType, r.code, {}, false, {}, {}, {}});
            }
            break;
        case 0x11:
            for (unsigned k = 0; k < b.GetNumOfType5ShortTimingDescriptors(i); ++k) {
                DidType5ShortTimingDesc r;
                b.GetType5ShortTimingDescriptor(i, k, &r);
                out.append({QStringLiteral("CVT"),
                            r.hActive,
                            r.vActive,
                            {},
                            r.preferred != 0,
                            {},
                            {},
                            {}});
            }
            break;
        case 0x13: {
            const std::unique_ptr<unsigned[]> counts(b.GetNumOfType6DetTimingDescriptors(i));
            const unsigned n = counts[0] + counts[1];
            const std::unique_ptr<bool[]> sizes(b.GetType6DetDescriptorInfo(i, n));
            for (unsigned k = 0; k < n; ++k) {
                DidType6DetTimingDesc r;
                b.GetType6DetTimingDescriptor(i, k, sizes.get(), &r);
                out.append({QStringLiteral("DTD"), r.hActive, r.vActive,
                            QString::number(r.pixelClock, 'f', 6), r.flag1 != 0,
                            porches("H", r.hActive, r.hBlank, r.hOffset, r.hSyncWidth, r.flag2),
                            porches("V", r.vActive, r.vBlank, r.vOffset, r.vSyncWidth, r.flag3),
                            sizes[k] ? QStringLiteral("%1 mm").arg(r.vImageSize) : QString()});
            }
            break;
        }
        default:
            break;
        }
    }
    return out;
}

// Reads the timing descriptors of one data block and writes them back.
using TimingWriteBack = std::function<void(DisplayIDBlock &, unsigned)>;

// Types I, II, III and V: descriptor by descriptor where the kind has a writer for one (setOne
// may be null), then the whole block.
template <typename Desc>
TimingWriteBack
descriptorWriteBack(unsigned (DisplayIDBlock::*count)(unsigned) const,
                    void (DisplayIDBlock::*get)(unsigned, unsigned, Desc *) const,
                    void (DisplayIDBlock::*setOne)(unsigned, unsigned, const Desc *),
                    void (DisplayIDBlock::*setAll)(unsigned, unsigned, unsigned, const Desc *))
{
    return [count, get, setOne, setAll](DisplayIDBlock &b, unsigned i) {
        const unsigned n = (b.*count)(i);
        std::vector<Desc> r(n);
        for (unsigned k = 0; k < n; ++k) {
            (b.*get)(i, k, &r[k]);
            if (setOne != nullptr)
                (b.*setOne)(i, k, &r[k]);
        }
        if (n > 0)
            (b.*setAll)(i, n, n, r.data());
    };
}

// Type VI: the descriptors of both lengths, written back as a whole block.
void writeBackType6(DisplayIDBlock &b, unsigned i)
{
    const std::unique_ptr<unsigned[]> counts(b.GetNumOfType6DetTimingDescriptors(i));
    const unsigned n = counts[0] + counts[1];
    const std::unique_ptr<bool[]> sizes(b.GetType6DetDescriptorInfo(i, n));
    std::vector<DidType6DetTimingDesc> r(n);
    for (unsigned k = 0; k < n; ++k)
        b.GetType6DetTimingDescriptor(i, k, sizes.get(), &r[k]);
    if (n > 0)
        b.SetType6DetTimingDescriptors(i, n, n, sizes.get(), sizes.get(), r.data());
}

// The write-back of every timing kind with descriptor writers, by tag.
const QMap<unsigned, TimingWriteBack> &timingWriteBacks()
{
    using B = DisplayIDBlock;
    static const QMap<unsigned, TimingWriteBack> cases = {
        {0x03,
         descriptorWriteBack(&B::GetNumOfType1DetTimingDescriptors, &B::GetType1DetTimingDescriptor,
                             &B::SetType1DetTimingDescriptor, &B::SetType1DetTimingDescriptors)},
        {0x04,
         descriptorWriteBack(&B::GetNumOfType2DetTimingDescriptors, &B::GetType2DetTimingDescriptor,
                             &B::SetType2DetTimingDescriptor, &B::SetType2DetTimingDescriptors)},
        {0x05, descriptorWriteBack(
                   &B::GetNumOfType3ShortTimingDescriptors, &B::GetType3ShortTimingDescriptor,
                   &B::SetType3ShortTimingDescriptor, &B::SetType3ShortTimingDescriptors)},
        {0x11, descriptorWriteBack<DidType5ShortTimingDesc>(
                   &B::GetNumOfType5ShortTimingDescriptors, &B::GetType5ShortTimingDescriptor,
                   nullptr, &B::SetType5ShortTimingDescriptors)},
        {0x13, writeBackType6},
    };
    return cases;
}

// Reads every timing descriptor and writes it back, per descriptor and per whole block.
void writeBackTimings(DisplayIDBlock &b)
{
    for (unsigned i = 0; i < b.GetNumOfDataBlocks(); ++i) {
        const TimingWriteBack write = timingWriteBacks().value(b.GetDataBlockTag(i));
        if (write)
            write(b, i);
    }
}

// A section with one descriptor list of every kind edid-decode reads in DisplayID 1.x;
// clipped adds a Type III descriptor whose formula and aspect codes lie beyond the clip
// (edid-decode cannot read that one).
QByteArray allTimingKinds(bool clipped)
{
    const QByteArray t2 = hex("013a008cef44a437042c34 0f27000d7f80703f034c21");
    const QByteArray t3 = hex("84ef3b 15d13b") + (clipped ? hex("7a4fbf") : QByteArray());
    const QByteArray t6 = hex("13 44 02 7f 87 37 84 17 57 01 2b 2c 03 04")
                          + hex("13 44 42 7f 87 37 84 17 57 01 2b 2c 03 04 98 53 01");
    const QByteArray data =
        dataBlock(0x04, 0, t2) + dataBlock(0x05, 0, t3) + dataBlock(0x13, 0, t6)
        + dataBlock(0x06, 0x41, hex("101f")) + dataBlock(0x11, 0, hex("8050ff0737043b"))
        + dataBlock(0x03, 0, hex("3c6c02 8f 7f07 1701 5700 2b00 3704 2c00 0380 0400"));
    return wrapped(0x12, unsigned(data.size()), 0, data);
}

} // namespace

class tst_DisplayIDTimings : public QObject
{
    Q_OBJECT

private slots:
    void samplesAgreeWithReferenceDecoder();
    void fixtureAgreesWithReferenceDecoder();
    void encodedValues();
    void counts_data();
    void counts();
    void type6Split_data();
    void type6Split();
    void wholeBlockWritersKeepNeighbours();
    void typeFourCodeType();
    void bitmaps();
    void descriptorIndexOutsidePayload_data();
    void descriptorIndexOutsidePayload();
};

void tst_DisplayIDTimings::samplesAgreeWithReferenceDecoder()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    int compared = 0;
    for (SampleSection &section : sampleSections()) {
        const QString &name = section.name;
        const unsigned n = section.n;
        QByteArray &image = section.image;
        DisplayIDBlock b = sectionBlock(section);
        const QVector<Listed> theirs = listedTimings(section.part);
        const QVector<Listed> ours = decodedTimings(b);
        QVector<Listed> theirDtds;
        for (const Listed &l : theirs) {
            if (l.kind == QLatin1String("DTD"))
                theirDtds.append(l);
        }
        QCOMPARE(ours.size(), theirDtds.size());
        for (int k = 0; k < ours.size(); ++k) {
            const QString where = QStringLiteral("%1 block %2 DTD %3").arg(name).arg(n).arg(k);
            QVERIFY2(ours[k].h == theirDtds[k].h && ours[k].v == theirDtds[k].v, qPrintable(where));
            QCOMPARE(ours[k].clock, theirDtds[k].clock);
            QCOMPARE(ours[k].preferred, theirDtds[k].preferred);
            QCOMPARE(ours[k].hLine, theirDtds[k].hLine);
            QCOMPARE(ours[k].vLine, theirDtds[k].vLine);
            ++compared;
        }
        const QByteArray before = snapshot(image);
        writeBackTimings(b);
        QCOMPARE(image, before);
    }
    QVERIFY(compared >= 20);
}

void tst_DisplayIDTimings::fixtureAgreesWithReferenceDecoder()
{
    QByteArray clipped = edidWith(allTimingKinds(true));
    DisplayIDBlock c(bytes(clipped) + 128, 128, 128, nullptr);
    QCOMPARE(c.GetNumOfDataBlocks(), 6u);
    const QByteArray before = snapshot(clipped);
    writeBackTimings(c);
    QCOMPARE(clipped.toHex(' '), before.toHex(' '));
    DidType3ShortTimingDesc beyond;
    c.GetType3ShortTimingDescriptor(1, 2, &beyond);
    QCOMPARE(beyond.formula, 2u);
    QCOMPARE(beyond.aspect, 10u); // read as stored, written back as stored

    QByteArray image = edidWith(allTimingKinds(false));
    DisplayIDBlock b(bytes(image) + 128, 128, 128, nullptr);
    const QVector<Listed> ours = decodedTimings(b);
    QCOMPARE(ours.size(), 10);

    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    const QString text = VyrTest::edidDecode(image, {QStringLiteral("-s")});
    const QVector<Listed> theirs = listedTimings(text);
    if (theirs.isEmpty())
        qWarning().noquote() << text;
    QCOMPARE(theirs.size(), ours.size());
    for (int k = 0; k < ours.size(); ++k) {
        const QString where = QStringLiteral("entry %1").arg(k);
        QVERIFY2(theirs[k].kind == ours[k].kind, qPrintable(where));
        if (ours[k].kind == QLatin1String("VIC")) {
            QCOMPARE(ours[k].h, 1u); // code type: CEA-861 VIC
            QVERIFY(theirs[k].clock.size() > 0);
            continue;
        }
        QVERIFY2(ours[k].h == theirs[k].h && ours[k].v == theirs[k].v, qPrintable(where));
        QCOMPARE(ours[k].preferred, theirs[k].preferred);
        if (ours[k].kind == QLatin1String("DTD")) {
            QCOMPARE(ours[k].clock, theirs[k].clock);
            QCOMPARE(ours[k].hLine, theirs[k].hLine);
            if (ours[k].skipVPolarity)
                QCOMPARE(withoutVPolarity(ours[k].vLine), withoutVPolarity(theirs[k].vLine));
            else
                QCOMPARE(ours[k].vLine, theirs[k].vLine);
        }
        if (!ours[k].rest.isEmpty())
            QVERIFY2(theirs[k].rest.contains(ours[k].rest), qPrintable(where));
    }
    // VIC codes 16 and 31.
    QVERIFY(
        VyrTest::edidDecode(image, {QStringLiteral("-s")}).contains(QStringLiteral("VIC  31:")));
}

void tst_DisplayIDTimings::encodedValues()
{
    QByteArray image = wrapped(
        0x12, 121, 0,
        dataBlock(0x03, 0, QByteArray(20, 0)) + dataBlock(0x05, 0, QByteArray(3, 0))
            + dataBlock(0x04, 0, QByteArray(11, 0)) + dataBlock(0x13, 0, QByteArray(17, 0)));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);

    DidType1DetTimingDesc t1;
    t1.pixelClock = 148.5;
    t1.hActive = 1920;
    t1.vActive = 1080;
    t1.hOffset = 88;
    t1.hSyncPolarity = 1;
    t1.aspect = 4;
    b.SetType1DetTimingDescriptor(0, 0, &t1);
    QCOMPARE(image.mid(8, 12), hex("013a00 04 7f07 0000 5780 0000"));
    DidType1DetTimingDesc back1;
    b.GetType1DetTimingDescriptor(0, 0, &back1);
    QCOMPARE(back1.pixelClock, 148.5);
    QCOMPARE(back1.hOffset, 88u);
    QCOMPARE(back1.hSyncPolarity, 1u);

    DidType3ShortTimingDesc t3;
    t3.hActive = 1920;
    t3.refresh = 60;
    b.SetType3ShortTimingDescriptor(1, 0, &t3);
    QCOMPARE(quint8(image.at(5 + 23 + 3 + 1)), quint8(239));
    t3.hActive = 1921;
    b.SetType3ShortTimingDescriptor(1, 0, &t3);
    QCOMPARE(quint8(image.at(5 + 23 + 3 + 1)), quint8(240));
    DidType3ShortTimingDesc back3;
    b.GetType3ShortTimingDescriptor(1, 0, &back3);
    QCOMPARE(back3.hActive, 1928u);
    QCOMPARE(back3.refresh, 60u);

    // Type II horizontal values round up to the next multiple of 8.
    DidType2DetTimingDesc t2;
    t2.hActive = 1366;
    t2.vActive = 768;
    b.SetType2DetTimingDescriptor(2, 0, &t2);
    DidType2DetTimingDesc back2;
    b.GetType2DetTimingDescriptor(2, 0, &back2);
    QCOMPARE(back2.hActive, 1368u);
    QCOMPARE(back2.vActive, 768u);

    // Type VI: the 17-byte form comes from the size list, the aspect ratio rounds to nearest.
    DidType6DetTimingDesc t6;
    t6.pixelClock = 594.0;
    t6.aspectRatio = 1.78;
    t6.vImageSize = 340;
    t6.vSizeMultiplier = 1;
    const bool longForm[] = {true};
    b.SetType6DetTimingDescriptors(3, 1, 1, longForm, longForm, &t6);
    const int p6 = 5 + 23 + 6 + 14 + 3;
    QCOMPARE(image.mid(p6, 3), hex("4f1049"));
    QCOMPARE(quint8(image.at(p6 + 14)), quint8(152));
    QVERIFY(sumsToZero(bytes(image), 128));
}

void tst_DisplayIDTimings::counts_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("payload");
    QTest::addColumn<int>("count");
    QTest::newRow("I 20") << 0x03 << 20 << 1;
    QTest::newRow("I 40") << 0x03 << 40 << 2;
    QTest::newRow("I 30") << 0x03 << 30 << 0;
    QTest::newRow("I 0") << 0x03 << 0 << 0;
    QTest::newRow("I 240") << 0x03 << 240 << 12;
    QTest::newRow("II 11") << 0x04 << 11 << 1;
    QTest::newRow("II 242") << 0x04 << 242 << 22;
    QTest::newRow("II 12") << 0x04 << 12 << 0;
    QTest::newRow("II 0") << 0x04 << 0 << 0;
    QTest::newRow("III 3") << 0x05 << 3 << 1;
    QTest::newRow("III 246") << 0x05 << 246 << 82;
    QTest::newRow("III 4") << 0x05 << 4 << 0;
    QTest::newRow("IV 0") << 0x06 << 0 << 0;
    QTest::newRow("IV 1") << 0x06 << 1 << 1;
    QTest::newRow("IV 248") << 0x06 << 248 << 248;
    QTest::newRow("V 7") << 0x11 << 7 << 1;
    QTest::newRow("V 245") << 0x11 << 245 << 35;
    QTest::newRow("V 8") << 0x11 << 8 << 0;
}

void tst_DisplayIDTimings::counts()
{
    QFETCH(int, tag);
    QFETCH(int, payload);
    QFETCH(int, count);
    const QByteArray data = dataBlock(unsigned(tag), 0, QByteArray(payload, '\0'));
    QByteArray image = section(0x12, unsigned(data.size()), 2, data, 512);
    DisplayIDBlock b(bytes(image), 512, 0, nullptr);
    QCOMPARE(b.GetNumOfDataBlocks(), 1u);
    unsigned n = 0;
    switch (tag) {
    case 0x03:
        n = b.GetNumOfType1DetTimingDescriptors(0);
        break;
    case 0x04:
        n = b.GetNumOfType2DetTimingDescriptors(0);
        break;
    case 0x05:
        n = b.GetNumOfType3ShortTimingDescriptors(0);
        break;
    case 0x06:
        n = b.GetNumOfType4DmtTimingDescriptors(0);
        break;
    default:
        n = b.GetNumOfType5ShortTimingDescriptors(0);
        break;
    }
    QCOMPARE(int(n), count);
    QCOMPARE(b.GetNumOfType1DetTimingDescriptors(1), 0u); // no such block
}

void tst_DisplayIDTimings::type6Split_data()
{
    QTest::addColumn<int>("payload");
    QTest::addColumn<int>("long17");
    QTest::addColumn<int>("short14");
    QTest::newRow("14") << 14 << 0 << 1;
    QTest::newRow("17") << 17 << 1 << 0;
    QTest::newRow("31") << 31 << 1 << 1;
    QTest::newRow("45") << 45 << 1 << 2;
    QTest::newRow("34") << 34 << 2 << 0;
    QTest::newRow("238") << 238 << 0 << 17;
    QTest::newRow("20") << 20 << 0 << 0;
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("248") << 248 << 8 << 8;
    QTest::newRow("241") << 241 << 1 << 16;
}

void tst_DisplayIDTimings::type6Split()
{
    QFETCH(int, payload);
    QFETCH(int, long17);
    QFETCH(int, short14);
    const QByteArray data = dataBlock(0x13, 0, QByteArray(payload, '\0'));
    QByteArray image = section(0x12, unsigned(data.size()), 2, data, 512);
    DisplayIDBlock b(bytes(image), 512, 0, nullptr);
    const std::unique_ptr<unsigned[]> counts(b.GetNumOfType6DetTimingDescriptors(0));
    QCOMPARE(int(counts[0]), long17);
    QCOMPARE(int(counts[1]), short14);
    const std::unique_ptr<unsigned[]> none(b.GetNumOfType6DetTimingDescriptors(5));
    QCOMPARE(none[0] + none[1], 0u);
    QVERIFY(b.GetType6DetDescriptorInfo(5, 1) == nullptr);
}

void tst_DisplayIDTimings::wholeBlockWritersKeepNeighbours()
{
    const QByteArray before1 = dataBlock(0x7f, 0, hex("a1b2c3"));
    const QByteArray after1 = dataBlock(0x0b, 0, QByteArray("tail"));
    QByteArray t1;
    for (int k = 0; k < 3; ++k)
        t1 += hex("3c6c02 0f 7f07 1701 5700 2b00 3704 2c00 0380 0400");
    const QByteArray data = before1 + dataBlock(0x03, 0, t1) + after1;
    for (bool padded : {false, true}) {
        QByteArray image = edidWith(wrapped(0x12, padded ? 121u : unsigned(data.size()), 0, data));
        unsigned char *block = bytes(image) + 128;
        DisplayIDBlock b(block, 128, 128, nullptr);
        QCOMPARE(b.GetNumOfType1DetTimingDescriptors(1), 3u);
        const unsigned free = b.GetNumOfAvailableBytes();
        DidType1DetTimingDesc r[4];
        b.GetType1DetTimingDescriptor(1, 2, &r[0]);
        b.SetType1DetTimingDescriptors(1, 3, 1, r);
        QCOMPARE(b.GetNumOfType1DetTimingDescriptors(1), 1u);
        QCOMPARE(b.GetNumOfAvailableBytes(), free + 40);
        QCOMPARE(image.mid(128 + 5, 6), before1);
        QCOMPARE(image.mid(128 + 5 + 6 + 23, after1.size()), after1);
        const int used = 6 + 23 + after1.size();
        QCOMPARE(quint8(block[2]), quint8(padded ? 121 : used));
        if (padded)
            QCOMPARE(image.mid(128 + 5 + used, 121 - used), QByteArray(121 - used, '\0'));
        QString report;
        QVERIFY2(VyrTest::edidDecodeChecksumsOk(image, &report), qPrintable(report.left(200)));

        // Grow to four descriptors.
        r[1] = r[0];
        r[1].hActive = 1280;
        r[2] = r[0];
        r[3] = r[0];
        b.SetType1DetTimingDescriptors(1, 1, 4, r);
        QCOMPARE(b.GetNumOfType1DetTimingDescriptors(1), 4u);
        DidType1DetTimingDesc back;
        b.GetType1DetTimingDescriptor(1, 1, &back);
        QCOMPARE(back.hActive, 1280u);
        QCOMPARE(image.mid(128 + 5 + 6 + 83, after1.size()), after1);
        QVERIFY(VyrTest::edidDecodeChecksumsOk(image));

        // No room for a fifth: nothing changes.
        const QByteArray full = snapshot(image);
        DidType1DetTimingDesc five[6];
        b.SetType1DetTimingDescriptors(1, 4, 6, five);
        QCOMPARE(image, full);
    }
}

void tst_DisplayIDTimings::typeFourCodeType()
{
    QByteArray image =
        wrapped(0x12, 121, 0, dataBlock(0x06, 0, hex("04")) + dataBlock(0x7f, 0, hex("0010fa")));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    DidType4DmtTimingDesc codes[3] = {{1, 16}, {1, 31}, {1, 4}};
    b.SetType4DmtTimingDescriptors(0, 1, 3, codes);
    QCOMPARE(image.mid(5, 12), hex("064103 101f04 7f0003 0010fa"));
    for (unsigned k = 0; k < 3; ++k) {
        DidType4DmtTimingDesc r;
        b.GetType4DmtTimingDescriptor(0, k, &r);
        QCOMPARE(r.codeType, 1u);
        QCOMPARE(r.code, codes[k].code);
    }
    QVERIFY(sumsToZero(bytes(image), 128));
}

void tst_DisplayIDTimings::bitmaps()
{
    QByteArray image =
        wrapped(0x12, 121, 0,
                dataBlock(0x07, 0, QByteArray(10, 0)) + dataBlock(0x08, 0, QByteArray(8, 0))
                    + dataBlock(0x08, 0, QByteArray(9, 0)));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);
    for (unsigned k : {0u, 7u, 8u, 42u, 79u}) {
        bool flags[80] = {};
        flags[k] = true;
        b.SetVesaTimingsDataBlock(0, flags);
        QByteArray expected(10, '\0');
        expected[int(k / 8)] = char(1u << (k % 8));
        QCOMPARE(image.mid(8, 10), expected);
    }
    for (unsigned k : {0u, 15u, 63u}) {
        bool flags[64] = {};
        flags[k] = true;
        b.SetCeaTimingsDataBlock(1, flags);
        QByteArray expected(8, '\0');
        expected[int(k / 8)] = char(1u << (k % 8));
        QCOMPARE(image.mid(21, 8), expected);
    }
    QVERIFY(sumsToZero(bytes(image), 128));

    unsigned char *bitmap = nullptr;
    b.GetVesaTimingsDataBlock(0, &bitmap);
    QCOMPARE(bitmap, bytes(image) + 8);
    b.GetCeaTimingsDataBlock(1, &bitmap);
    QCOMPARE(bitmap, bytes(image) + 21);
    unsigned char *none = nullptr;
    b.GetCeaTimingsDataBlock(2, &none); // payload of 9 bytes
    QVERIFY(none == nullptr);
    b.GetVesaTimingsDataBlock(1, &none);
    QVERIFY(none == nullptr);
}

void tst_DisplayIDTimings::descriptorIndexOutsidePayload_data()
{
    QTest::addColumn<unsigned>("desc");
    QTest::newRow("one past the last") << 1u;
    QTest::newRow("largest index") << 0xFFFFFFFFu;
    QTest::newRow("index whose byte end wraps to 0") << 0x3FFFFFFFu;
}

void tst_DisplayIDTimings::descriptorIndexOutsidePayload()
{
    QFETCH(unsigned, desc);
    // One Type I (20 bytes) and one Type III (3 bytes) descriptor.
    QByteArray image = wrapped(
        0x12, 121, 0, dataBlock(0x03, 0, QByteArray(20, 1)) + dataBlock(0x05, 0, QByteArray(3, 1)));
    DisplayIDBlock b(bytes(image), 128, 128, nullptr);

    DidType1DetTimingDesc t1;
    t1.hActive = 12345;
    b.GetType1DetTimingDescriptor(0, desc, &t1);
    QCOMPARE(t1.hActive, 12345u);

    DidType3ShortTimingDesc t3;
    t3.hActive = 12345;
    b.GetType3ShortTimingDescriptor(1, desc, &t3);
    QCOMPARE(t3.hActive, 12345u);
}

QTEST_GUILESS_MAIN(tst_DisplayIDTimings)
#include "tst_displayidtimings.moc"
