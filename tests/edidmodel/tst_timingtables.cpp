// The DMT, CEA-861 and HDMI mode tables and the 3D masks, row by row against edid-decode, plus
// the look-ups built on them: the CEA match, the largest-resolution search and the byte names of
// a detailed timing.

#include "edidreport.h"
#include "model/datablock.h"
#include "testskip.h"
#include "vyrtestutil.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

// One mode as edid-decode lists it.
struct ReferenceMode
{
    unsigned width = 0, height = 0;
    bool interlaced = false;
    double rate = 0;
    QString aspect;
    double khz = 0; // pixel clock
    bool reducedBlanking = false;
    // First line of porches of each direction (one field for interlaced modes).
    unsigned hFront = 0, hSync = 0, hBack = 0, vFront = 0, vSync = 0, vBack = 0;
    bool valid = false;
};

// Parses edid-decode's "<kind> <id>: WxH[i] rate Hz aspect kHz MHz (...)" listing.
QMap<unsigned, ReferenceMode> parseListing(const QString &text, const QString &kind)
{
    const QRegularExpression re(
        QStringLiteral("^%1\\s+(0x[0-9a-f]+|\\d+):\\s+(\\d+)x(\\d+)(i?)\\s+([\\d.]+) Hz\\s+(\\S+)"
                       "\\s+[\\d.]+ kHz\\s+([\\d.]+) MHz(.*)$")
            .arg(kind));
    QMap<unsigned, ReferenceMode> out;
    ReferenceMode *current = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const auto m = re.match(line);
        if (m.hasMatch()) {
            const QString id = m.captured(1);
            const unsigned key =
                id.startsWith(QLatin1String("0x")) ? id.mid(2).toUInt(nullptr, 16) : id.toUInt();
            ReferenceMode r;
            r.width = m.captured(2).toUInt();
            r.height = m.captured(3).toUInt();
            r.interlaced = !m.captured(4).isEmpty();
            r.rate = m.captured(5).toDouble();
            r.aspect = m.captured(6);
            r.khz = m.captured(7).toDouble() * 1000.0;
            r.reducedBlanking = m.captured(8).contains(QLatin1String("(RB"));
            r.valid = true;
            out[key] = r;
            current = &out[key];
            continue;
        }
        if (readPorchLine(line, current) == PorchLine::Vertical)
            current = nullptr;
    }
    return out;
}

ReferenceMode referenceFor(const QString &option, unsigned id, const QString &kind)
{
    const QString text = VyrTest::edidDecodeTool({option, QString::number(id)});
    return parseListing(text, kind).value(id);
}

// Rows where this program's table deliberately differs from edid-decode, with the reason.
struct Deviation
{
    unsigned id;
    const char *field;
    const char *reason;
};

const Deviation dmtDeviations[] = {
    {0x0F, "rate",
     "1024 x 768 interlaced: the DMT list names it 43 Hz (frame rate); edid-decode prints the "
     "field rate 87 Hz"},
    {0x1A, "reduced blanking",
     "1280 x 768 at 120 Hz is a CVT reduced-blanking timing in the DMT list (160 pixels of "
     "blanking); edid-decode does not mark it RB"},
};

const Deviation *deviation(unsigned id, const char *field)
{
    for (const Deviation &d : dmtDeviations)
        if (d.id == id && qstrcmp(d.field, field) == 0)
            return &d;
    return nullptr;
}

} // namespace

class tst_TimingTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dmtRows_data();
    void dmtRows();
    void dmtReducedBlankingRule();
    void ceaRows_data();
    void ceaRows();
    void hdmiRows_data();
    void hdmiRows();
    void tellingRows();
    void threeDMasks();
    void outOfRangeLookups();
    void matchEveryCeaFormat_data();
    void matchEveryCeaFormat();
    void matchRejects();
    void maxResolution();
    void maxResolutionFromTimingsAndTables();
    void detailedTimingByteNames();

private:
    QMap<unsigned, ReferenceMode> m_dmts;
    QMap<unsigned, ReferenceMode> m_vics;
    QMap<unsigned, ReferenceMode> m_hdmiVics;
};

void tst_TimingTables::initTestCase()
{
    if (!VyrTest::haveEdidDecode())
        return;
    m_dmts = parseListing(VyrTest::edidDecodeTool({QStringLiteral("--list-dmts")}),
                          QStringLiteral("DMT"));
    m_vics = parseListing(VyrTest::edidDecodeTool({QStringLiteral("--list-vics")}),
                          QStringLiteral("VIC"));
    m_hdmiVics = parseListing(VyrTest::edidDecodeTool({QStringLiteral("--list-hdmi-vics")}),
                              QStringLiteral("HDMI VIC"));
    QVERIFY(m_dmts.size() >= 80);
    QVERIFY(m_vics.size() >= 64);
    QVERIFY(m_hdmiVics.size() >= 4);
}

void tst_TimingTables::dmtRows_data()
{
    QTest::addColumn<uint>("id");
    for (uint id = 1; id <= 80; ++id)
        QTest::newRow(qPrintable(QStringLiteral("DMT 0x%1").arg(id, 2, 16, QLatin1Char('0'))))
            << id;
}

// Size, rate, scan and reduced blanking of every DMT row agree with edid-decode, except the
// deviations listed above.
void tst_TimingTables::dmtRows()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(uint, id);
    const DmtVideoMode *row = DataBlock::GetDMTVideoMode(id - 1);
    QVERIFY(row);
    QCOMPARE(row->dmtId, id);
    const ReferenceMode r = m_dmts.value(id);
    QVERIFY(r.valid);
    QCOMPARE(row->width, r.width);
    QCOMPARE(row->height, r.height);
    QCOMPARE(row->interlaced != 0, r.interlaced);
    if (const Deviation *d = deviation(id, "rate")) {
        qInfo("deliberate difference: %s", d->reason);
        QVERIFY(std::abs(2.0 * row->refreshRate - r.rate) < 2.0);
    } else {
        QVERIFY2(std::abs(row->refreshRate - r.rate) < 1.0,
                 qPrintable(QStringLiteral("%1 Hz vs %2 Hz").arg(row->refreshRate).arg(r.rate)));
    }
    // The single-mode query of the reference gives the same mode as its list, with porches.
    const ReferenceMode single = referenceFor(QStringLiteral("--dmt"), id, QStringLiteral("DMT"));
    QCOMPARE(single.width, r.width);
    QCOMPARE(single.height, r.height);
    if (const Deviation *d = deviation(id, "reduced blanking")) {
        qInfo("deliberate difference: %s", d->reason);
        QVERIFY(row->reducedBlanking != 0 && !r.reducedBlanking);
        QCOMPARE(single.hFront + single.hSync + single.hBack, 160u); // CVT-RB blanking
    } else {
        QCOMPARE(row->reducedBlanking != 0, r.reducedBlanking);
    }
}

// Every 120 Hz row and the first 60 Hz row of the sizes that have a reduced-blanking variant
// carry the reduced-blanking flag; only 1024 x 768 at 43 Hz is interlaced.
void tst_TimingTables::dmtReducedBlankingRule()
{
    const QList<QPair<unsigned, unsigned>> rbSizes{{1280, 768}, {1280, 800},  {1400, 1050},
                                                   {1440, 900}, {1680, 1050}, {1920, 1200},
                                                   {2560, 1600}};
    QList<QPair<unsigned, unsigned>> seen60;
    for (unsigned i = 0; i < 80; ++i) {
        const DmtVideoMode *row = DataBlock::GetDMTVideoMode(i);
        const QPair<unsigned, unsigned> size{row->width, row->height};
        bool expectRb = row->refreshRate == 120;
        if (row->refreshRate == 60 && rbSizes.contains(size) && !seen60.contains(size)) {
            expectRb = true;
            seen60 << size;
        }
        QVERIFY2((row->reducedBlanking != 0) == expectRb, qPrintable(QString::number(i + 1)));
        QCOMPARE(row->interlaced != 0, row->dmtId == 0x0F);
    }
    QCOMPARE(seen60.size(), rbSizes.size());
}

void tst_TimingTables::ceaRows_data()
{
    QTest::addColumn<uint>("vic");
    for (uint vic = 1; vic <= 64; ++vic)
        QTest::newRow(qPrintable(QStringLiteral("VIC %1").arg(vic))) << vic;
}

// Size, rate, scan, aspect and clock of every VIC row agree with edid-decode. The reference
// prints one clock per format, the one of the rate the format is defined at: it is one of the
// two clock columns here (to the kHz), and the 50 Hz family has equal columns.
void tst_TimingTables::ceaRows()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(uint, vic);
    const CeaVideoMode *row = DataBlock::GetCeaVideoMode(vic - 1);
    QVERIFY(row);
    QCOMPARE(row->vic, vic);
    const ReferenceMode r = m_vics.value(vic);
    QVERIFY(r.valid);
    QCOMPARE(row->width, r.width);
    QCOMPARE(row->height, r.height);
    QCOMPARE(row->progressive == 0, r.interlaced);
    QVERIFY2(std::abs(row->refreshRate - r.rate) < 1.0,
             qPrintable(QStringLiteral("%1 Hz vs %2 Hz").arg(row->refreshRate).arg(r.rate)));
    QCOMPARE(r.aspect, row->aspect == 0 ? QStringLiteral("4:3") : QStringLiteral("16:9"));
    QVERIFY2(std::abs(row->pixelClock - r.khz) <= 1.0
                 || std::abs(row->pixelClock1001 - r.khz) <= 1.0,
             qPrintable(QStringLiteral("%1/%2 kHz vs %3 kHz")
                            .arg(row->pixelClock)
                            .arg(row->pixelClock1001)
                            .arg(r.khz)));
    const bool family50 = row->refreshRate % 25 == 0;
    QCOMPARE(row->pixelClock == row->pixelClock1001, family50);
    QVERIFY(row->pixelClock >= row->pixelClock1001);
    QVERIFY(row->pixelRepetition == 1 || row->pixelRepetition == 2 || row->pixelRepetition == 4);
}

void tst_TimingTables::hdmiRows_data()
{
    QTest::addColumn<uint>("hdmiVic");
    for (uint v = 1; v <= 4; ++v)
        QTest::newRow(qPrintable(QStringLiteral("HDMI VIC %1").arg(v))) << v;
}

void tst_TimingTables::hdmiRows()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(uint, hdmiVic);
    const CeaHdmiVideoMode *row = DataBlock::GetCeaHDMIVideoMode(hdmiVic - 1);
    QVERIFY(row);
    QCOMPARE(row->hdmiVic, hdmiVic);
    const ReferenceMode listed = m_hdmiVics.value(hdmiVic);
    QVERIFY(listed.valid);
    const ReferenceMode r =
        referenceFor(QStringLiteral("--hdmi-vic"), hdmiVic, QStringLiteral("HDMI VIC"));
    QVERIFY(r.valid);
    QCOMPARE(listed.width, r.width);
    QCOMPARE(row->width, r.width);
    QCOMPARE(row->height, r.height);
    QVERIFY(!r.interlaced);
    QVERIFY(std::abs(row->refreshRate - r.rate) < 1.0);
    QCOMPARE(row->hFrontPorch, r.hFront);
    QCOMPARE(row->hSyncWidth, r.hSync);
    QCOMPARE(row->hBlanking, r.hFront + r.hSync + r.hBack);
    QCOMPARE(row->vFrontPorch, r.vFront);
    QCOMPARE(row->vSyncWidth, r.vSync);
    QCOMPARE(row->vBlanking, r.vFront + r.vSync + r.vBack);
    QVERIFY(std::abs(row->pixelClock - r.khz) <= 1.0);
    QCOMPARE(row->pixelClock1001 == row->pixelClock, row->refreshRate == 25 || row->hdmiVic == 4);
}

// Rows whose every column is known exactly.
void tst_TimingTables::tellingRows()
{
    auto dmt = [](unsigned id) { return DataBlock::GetDMTVideoMode(id - 1); };
    QCOMPARE(dmt(0x01)->width, 640u);
    QCOMPARE(dmt(0x01)->height, 350u);
    QCOMPARE(dmt(0x01)->refreshRate, 85u);
    QCOMPARE(dmt(0x0D)->refreshRate, 120u);
    QVERIFY(dmt(0x0D)->reducedBlanking);
    QCOMPARE(dmt(0x0F)->refreshRate, 43u);
    QVERIFY(dmt(0x0F)->interlaced);
    QCOMPARE(dmt(0x50)->width, 2560u);
    QCOMPARE(dmt(0x50)->height, 1600u);
    QVERIFY(dmt(0x50)->reducedBlanking);

    auto cea = [](unsigned vic) {
        const CeaVideoMode *r = DataBlock::GetCeaVideoMode(vic - 1);
        return QList<uint>{r->vic,           r->width,  r->height,          r->refreshRate,
                           r->progressive,   r->aspect, r->pixelRepetition, r->pixelClock,
                           r->pixelClock1001};
    };
    QCOMPARE(cea(1), (QList<uint>{1, 640, 480, 60, 1, 0, 1, 25200, 25174}));
    QCOMPARE(cea(5), (QList<uint>{5, 1920, 1080, 60, 0, 1, 1, 74250, 74176}));
    QCOMPARE(cea(6), (QList<uint>{6, 1440, 480, 60, 0, 0, 2, 27027, 27000}));
    QCOMPARE(cea(10), (QList<uint>{10, 2880, 480, 60, 0, 0, 4, 54054, 54000}));
    QCOMPARE(cea(39), (QList<uint>{39, 1920, 1080, 50, 0, 1, 1, 72000, 72000}));
    QCOMPARE(cea(63), (QList<uint>{63, 1920, 1080, 120, 1, 1, 1, 297000, 296703}));
    QCOMPARE(cea(64), (QList<uint>{64, 1920, 1080, 100, 1, 1, 1, 297000, 297000}));

    const CeaHdmiVideoMode *h = DataBlock::GetCeaHDMIVideoMode(0);
    QCOMPARE((QList<uint>{h->hdmiVic, h->width, h->height, h->refreshRate, h->hBlanking,
                          h->vBlanking, h->hFrontPorch, h->vFrontPorch, h->hSyncWidth,
                          h->vSyncWidth, h->pixelClock, h->pixelClock1001}),
             (QList<uint>{1, 3840, 2160, 30, 560, 90, 176, 8, 88, 10, 297000, 296703}));
    h = DataBlock::GetCeaHDMIVideoMode(3);
    QCOMPARE((QList<uint>{h->hdmiVic, h->width, h->height, h->refreshRate, h->hBlanking,
                          h->hFrontPorch, h->pixelClock1001}),
             (QList<uint>{4, 4096, 2160, 24, 1404, 1020, 297000}));
}

void tst_TimingTables::threeDMasks()
{
    const QMap<unsigned, unsigned> basic{{4, 5}, {5, 2}, {19, 5}, {20, 2}, {32, 5}};
    const QMap<unsigned, unsigned> primary{{4, 7},  {5, 3},  {16, 4}, {19, 7}, {20, 3},
                                           {31, 4}, {32, 7}, {34, 3}, {60, 1}, {61, 1}};
    for (unsigned vic = 1; vic <= 64; ++vic) {
        const unsigned char *b = DataBlock::GetCea3DSupport(vic - 1);
        const unsigned char *p = DataBlock::GetCeaPrimary3DFormats(vic - 1);
        QVERIFY(b && p);
        QVERIFY2(*b == basic.value(vic, 0), qPrintable(QString::number(vic)));
        QVERIFY2(*p == primary.value(vic, 0), qPrintable(QString::number(vic)));
        // The mandatory formats are a subset of the primary ones.
        QCOMPARE(*b & ~*p, 0);
    }
}

void tst_TimingTables::outOfRangeLookups()
{
    QVERIFY(DataBlock::GetDMTVideoMode(79));
    QCOMPARE(DataBlock::GetDMTVideoMode(80), nullptr);
    QVERIFY(DataBlock::GetCeaVideoMode(63));
    QCOMPARE(DataBlock::GetCeaVideoMode(64), nullptr);
    QVERIFY(DataBlock::GetCeaHDMIVideoMode(3));
    QCOMPARE(DataBlock::GetCeaHDMIVideoMode(4), nullptr);
    QCOMPARE(DataBlock::GetCea3DSupport(64), nullptr);
    QCOMPARE(DataBlock::GetCeaPrimary3DFormats(64), nullptr);
    const unsigned huge = 0xFFFFFFFFu;
    QCOMPARE(DataBlock::GetDMTVideoMode(huge), nullptr);
    QCOMPARE(DataBlock::GetCeaVideoMode(huge), nullptr);
    QCOMPARE(DataBlock::GetCeaHDMIVideoMode(huge), nullptr);
    QCOMPARE(DataBlock::GetCea3DSupport(huge), nullptr);
    QCOMPARE(DataBlock::GetCeaPrimary3DFormats(huge), nullptr);
    QCOMPARE(DataBlock::MatchCeaVideoMode(nullptr), nullptr);
}

void tst_TimingTables::matchEveryCeaFormat_data()
{
    QTest::addColumn<uint>("vic");
    for (uint vic = 1; vic <= 64; ++vic)
        QTest::newRow(qPrintable(QStringLiteral("VIC %1").arg(vic))) << vic;
}

// A detailed timing built from edid-decode's timing of each VIC (interlaced ones hold one field
// per descriptor) is matched to that VIC's format, or to an earlier VIC with the same size, scan
// and clock (the aspect ratio is not part of a detailed timing).
void tst_TimingTables::matchEveryCeaFormat()
{
    if (!VyrTest::haveEdidDecode())
        VYR_SKIP("edid-decode is not installed");
    QFETCH(uint, vic);
    const ReferenceMode r = referenceFor(QStringLiteral("--vic"), vic, QStringLiteral("VIC"));
    QVERIFY(r.valid);
    DetailedTiming t;
    t.hActive = r.width;
    t.vActive = r.interlaced ? r.height / 2 : r.height;
    t.interlaced = r.interlaced;
    t.pixelClock = static_cast<quint32>(std::lround(r.khz / 10.0));
    t.hBlanking = r.hFront + r.hSync + r.hBack;
    t.vBlanking = r.vFront + r.vSync + r.vBack;

    const CeaVideoMode *target = DataBlock::GetCeaVideoMode(vic - 1);
    const CeaVideoMode *row = DataBlock::MatchCeaVideoMode(&t);
    QVERIFY2(row, qPrintable(QStringLiteral("no match for %1x%2%3 at %4 kHz")
                                 .arg(r.width)
                                 .arg(r.height)
                                 .arg(r.interlaced ? "i" : "")
                                 .arg(t.pixelClock * 10)));
    QVERIFY(row->vic <= vic);
    QCOMPARE(row->width, target->width);
    QCOMPARE(row->height, target->height);
    QCOMPARE(row->progressive, target->progressive);
    QVERIFY(row->pixelClock == target->pixelClock || row->pixelClock1001 == target->pixelClock1001);
}

void tst_TimingTables::matchRejects()
{
    DetailedTiming t;
    t.hActive = 1920;
    t.vActive = 1080;
    t.pixelClock = 14850;
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t)->vic, 16u);

    // The same size at another clock, or the progressive size flagged interlaced (whose frame
    // would be 2160 lines), matches nothing.
    t.pixelClock = 15400;
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t), nullptr);
    t.pixelClock = 14850;
    t.interlaced = true;
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t), nullptr);
    // One field of 1080i is matched by its frame height, not taken for 540 progressive lines.
    t.vActive = 540;
    t.pixelClock = 7425;
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t)->vic, 5u);
    t.interlaced = false;
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t), nullptr);
    // A clock two 10 kHz units away from a column is not that format.
    t.hActive = 1280;
    t.vActive = 720;
    t.pixelClock = 7415;
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t), nullptr);
    t.pixelClock = 7418; // 74180 kHz: the stored form of 74176 kHz
    QCOMPARE(DataBlock::MatchCeaVideoMode(&t)->vic, 4u);
}

void tst_TimingTables::maxResolution()
{
    Resolution res;
    DataBlock::updateMaxResolution(1920, 1200, &res);
    QCOMPARE(res.width, 1920u);
    QCOMPARE(res.height, 1200u);
    DataBlock::updateMaxResolution(1920, 1080, &res); // same width, lower: kept
    QCOMPARE(res.height, 1200u);
    DataBlock::updateMaxResolution(1920, 1440, &res); // same width, higher: taken
    QCOMPARE(res.height, 1440u);
    DataBlock::updateMaxResolution(2048, 1080, &res); // wider wins even when lower
    QCOMPARE(res.width, 2048u);
    QCOMPARE(res.height, 1080u);
    DataBlock::updateMaxResolution(1600, 4000, &res); // narrower loses even when higher
    QCOMPARE(res.width, 2048u);
    DataBlock::updateMaxResolution(4000, 4000, nullptr);
}

void tst_TimingTables::maxResolutionFromTimingsAndTables()
{
    Resolution res;
    // A display descriptor (clock 0) counts nothing.
    const QByteArray descriptor = QByteArray::fromHex("000000fc0054455354200a2020202020202020");
    DataBlock::getMaxResFromDetailed(
        reinterpret_cast<const EdidDetailedTiming *>(descriptor.constData()), &res);
    QCOMPARE(res.width, 0u);
    // 1080i counts as 1920 x 1080 (field lines doubled).
    const QByteArray interlaced = QByteArray::fromHex("011d8018711c1620582c2500c2ad4200009e");
    DataBlock::getMaxResFromDetailed(
        reinterpret_cast<const EdidDetailedTiming *>(interlaced.constData()), &res);
    QCOMPARE(res.width, 1920u);
    QCOMPARE(res.height, 1080u);

    DataBlock::getMaxResFromCeaVideoMode(64, &res); // beyond the table
    DataBlock::getMaxResFromCeaHDMIVideoMode(4, &res);
    QCOMPARE(res.width, 1920u);
    DataBlock::getMaxResFromCeaVideoMode(9, &res); // VIC 10: 2880 x 480
    QCOMPARE(res.width, 2880u);
    QCOMPARE(res.height, 480u);
    DataBlock::getMaxResFromCeaHDMIVideoMode(0, &res); // 3840 x 2160
    DataBlock::getMaxResFromCeaHDMIVideoMode(3, &res); // 4096 x 2160
    QCOMPARE(res.width, 4096u);
    QCOMPARE(res.height, 2160u);
}

void tst_TimingTables::detailedTimingByteNames()
{
    QString name, description;
    DataBlock::fillCellDetailedT(0, 2, &name, &description);
    QCOMPARE(name, QStringLiteral("Pixel Clock. Low Order Bits"));
    QCOMPARE(description, QStringLiteral("(Detailed Timing). 0th Byte of Entry[2]"));
    DataBlock::fillCellDetailedT(11, 0, &name, &description);
    QCOMPARE(name, QStringLiteral("H/V Sync Start/Sync Width. High Order Bits"));
    QCOMPARE(description, QStringLiteral("(Detailed Timing). 11th Byte of Entry[0]"));
    DataBlock::fillCellDetailedT(17, 3, &name, &description);
    QCOMPARE(name, QStringLiteral("Flags (Interlace, Stereo, Polarity, etc.)"));

    // Past the descriptor: nothing is written.
    name = QStringLiteral("kept");
    DataBlock::fillCellDetailedT(18, 0, &name, &description);
    QCOMPARE(name, QStringLiteral("kept"));
    DataBlock::fillCellDetailedT(5, 0, nullptr, nullptr);
}

QTEST_GUILESS_MAIN(tst_TimingTables)
#include "tst_timingtables.moc"
