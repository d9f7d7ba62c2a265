// CEA-861 data blocks: decoders and encoders of audio, video, speaker allocation, video
// capability, colorimetry, generic and HDMI vendor-specific data blocks, the latency codec and
// the per-VIC 3D support table, checked on real blocks against edid-decode.

#include "ceatestsupport.h"
#include "edidbytes.h"
#include "model/cea/ceaextblock.h"
#include "vyrtestutil.h"

#include <QtTest>

#include <algorithm>
#include <functional>

using namespace CeaTest;

namespace {

// A sample image and the CEA block object over its first CTA-861 block.
struct Sample
{
    explicit Sample(const QString &name)
        : image(VyrTest::readSample(name))
    {
        at = 128;
        while (at + 128 <= image.size() && image.at(at) != 0x02)
            at += 128;
        block.reset(new CeaExtBlock(bytes(), 128, static_cast<unsigned>(at), nullptr));
    }
    unsigned char *bytes() { return VyrTest::bytes(image) + at; }
    // Index of the n-th data block of kind id, -1 when there is none.
    int find(CeaBlockID id, int n = 0) const
    {
        for (unsigned i = 0; i < block->dataBlockCount(); ++i)
            if (block->GetDataBlockID(i) == id && n-- == 0)
                return static_cast<int>(i);
        return -1;
    }
    QByteArray dataBlockBytes(int index) const
    {
        const CeaDataBlockEntry *e = block->dataBlockEntry(static_cast<unsigned>(index));
        return image.mid(at + 4 + static_cast<int>(e->offset), static_cast<int>(e->size));
    }
    // edid-decode's lines of the n-th data block titled with prefix.
    QStringList section(const QString &prefix, int n = 0) const
    {
        const QVector<CtaReport> reports = decodeCta(image);
        QStringList out;
        if (reports.isEmpty())
            return out;
        bool in = false;
        for (const QString &line : reports.first().lines) {
            const bool title =
                line.startsWith(QLatin1String("  ")) && !line.startsWith(QLatin1String("   "));
            if (title) {
                in = line.trimmed().startsWith(prefix) && n-- == 0;
                continue;
            }
            if (in)
                out << line.trimmed();
        }
        return out;
    }

    QByteArray image;
    int at = 0;
    QScopedPointer<CeaExtBlock> block;
};

QStringList matching(const QStringList &lines, const QString &pattern)
{
    const QRegularExpression re(pattern);
    QStringList out;
    for (const QString &line : lines)
        if (re.match(line).hasMatch())
            out << line;
    return out;
}

QStringList ctaSamples()
{
    QStringList names;
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray bytes = VyrTest::readSample(name);
        if (bytes.size() >= 256 && bytes.at(128) == 0x02)
            names << name;
    }
    return names;
}

// The facts edid-decode states about an HDMI VSDB, in its words, from our record.
QStringList hdmiFacts(const CeaHdmiVSDB &v)
{
    QStringList f;
    f << QStringLiteral("Source physical address: %1.%2.%3.%4")
             .arg(v.physicalA)
             .arg(v.physicalB)
             .arg(v.physicalC)
             .arg(v.physicalD);
    if (v.supportsAI)
        f << QStringLiteral("Supports_AI");
    if (v.deepColor48)
        f << QStringLiteral("DC_48bit");
    if (v.deepColor36)
        f << QStringLiteral("DC_36bit");
    if (v.deepColor30)
        f << QStringLiteral("DC_30bit");
    if (v.deepColorY444)
        f << QStringLiteral("DC_Y444");
    if (v.dviDualLink)
        f << QStringLiteral("DVI_Dual");
    if (v.maxTmdsClockPresent && v.maxTmdsClock)
        f << QStringLiteral("Maximum TMDS clock: %1 MHz").arg(v.maxTmdsClock);
    if (v.cnc0)
        f << QStringLiteral("Graphics");
    if (v.cnc1)
        f << QStringLiteral("Photo");
    if (v.cnc2)
        f << QStringLiteral("Cinema");
    if (v.cnc3)
        f << QStringLiteral("Game");
    if (v.present3D)
        f << QStringLiteral("3D present");
    if (v.multi3D == 1 || v.multi3D == 2) {
        if (v.structure3D & 1)
            f << QStringLiteral("3D: Frame-packing");
        if (v.structure3D & 2)
            f << QStringLiteral("3D: Side-by-side (half, horizontal)");
        if (v.structure3D & 4)
            f << QStringLiteral("3D: Top-and-bottom");
    }
    for (unsigned k = 0; k < v.hdmiVicCount; ++k)
        f << QStringLiteral("HDMI VIC %1:").arg(v.hdmiVics[k].hdmiVic);
    return f;
}

const QString hdmiFactPattern = QStringLiteral(
    "^(Source physical address|Supports_AI|DC_|DVI_Dual|Maximum TMDS clock|Graphics$|Photo$|"
    "Cinema$|Game$|3D present|3D: |HDMI VIC \\d+:)");

} // namespace

class tst_CeaDataBlocks : public QObject
{
    Q_OBJECT

private slots:
    void hdmiVsdbSamples_data();
    void hdmiVsdbSamples();
    void cutVsdbReadOnly_data();
    void cutVsdbReadOnly();
    void latency_data();
    void latency();
    void hdmiVsdbMinimal();
    void hdmiVsdbLayoutChanges();
    void hdmiVsdbRefused();
    void audioRoundTrip();
    void videoRoundTrip();
    void videoGrowth();
    void decodedAgreesOnSamples_data();
    void decodedAgreesOnSamples();
    void reservedBitsSurvive_data();
    void reservedBitsSurvive();
    void genericDataBlock();
    void threeDSupport_data();
    void threeDSupport();
    void threeDFirstSixteen();
    void locationsAndCells();
};

void tst_CeaDataBlocks::hdmiVsdbSamples_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : ctaSamples()) {
        Sample s(name);
        if (s.find(CeaBlockHdmiVsdb) >= 0)
            QTest::newRow(qPrintable(name)) << name;
    }
}

// Every real HDMI VSDB: the decoded values are edid-decode's, and decode -> encode gives the
// same bytes.
void tst_CeaDataBlocks::hdmiVsdbSamples()
{
    QFETCH(QString, sample);
    Sample s(sample);
    const int i = s.find(CeaBlockHdmiVsdb);
    CeaHdmiVSDB v;
    s.block->GetHdmiVSDB(static_cast<unsigned>(i), &v);
    QCOMPARE(v.payloadLength, s.block->dataBlockEntry(static_cast<unsigned>(i))->size - 4);
    QCOMPARE(v.physicalAddressSize, 2u);
    QCOMPARE(v.mask3DSize, 2u);

    const QStringList lines = s.section(QStringLiteral("Vendor-Specific Data Block (HDMI)"));
    QStringList facts = matching(lines, hdmiFactPattern);
    for (QString &fact : facts)
        if (fact.startsWith(QLatin1String("HDMI VIC")))
            fact = fact.section(QLatin1Char(':'), 0, 0) + QLatin1Char(':');
    QCOMPARE(hdmiFacts(v), facts);
    // This edid-decode prints a latency byte b as 2b + 1 ms; compare the stored bytes.
    static const char *const latencyNames[4] = {
        "Video latency: ", "Audio latency: ", "Interlaced video latency: ",
        "Interlaced audio latency: "};
    for (unsigned k = 0; k < 4; ++k) {
        const QStringList l = matching(lines, QStringLiteral("^") + latencyNames[k] + "\\d+ ms");
        if (v.latencyState[k] == CeaLatencyValid) {
            QCOMPARE(l.size(), 1);
            const unsigned ms = l.first().section(QLatin1Char(' '), -2, -2).toUInt();
            QCOMPARE(static_cast<unsigned>(s.block->getHdmiLatencyField(&v, k)), (ms - 1) / 2);
        } else {
            QVERIFY(l.isEmpty());
        }
    }

    const QByteArray before = s.image;
    CeaHdmiVSDB copy = v;
    s.block->SetHdmiVSDB(static_cast<unsigned>(i), &copy);
    QCOMPARE(s.image.toHex(), before.toHex());
}

void tst_CeaDataBlocks::cutVsdbReadOnly_data()
{
    QTest::addColumn<QByteArray>("vsdb");
    QTest::addColumn<unsigned>("vics");
    QTest::newRow("latency flag, one byte left")
        << QByteArray::fromHex("69030C00 1000 00 00 80 0B") << 0u;
    QTest::newRow("interlaced flag, no pair")
        << QByteArray::fromHex("6A030C00 1000 00 00 C0 0B0B") << 0u;
    QTest::newRow("HDMI_VIC_LEN past the end")
        << QByteArray::fromHex("6B030C00 1000 00 00 20 00 60 01") << 1u;
    QTest::newRow("HDMI_3D_LEN past the end")
        << QByteArray::fromHex("6C030C00 1000 00 00 20 40 04 0001") << 0u;
    QTest::newRow("side-by-side entry cut")
        << QByteArray::fromHex("6B030C00 1000 00 00 20 00 02 08") << 0u;
}

// A block whose own length fields claim more than its payload holds is read as far as it goes;
// writing the record read back leaves it as it is.
void tst_CeaDataBlocks::cutVsdbReadOnly()
{
    QFETCH(QByteArray, vsdb);
    QFETCH(unsigned, vics);
    const QByteArray image =
        baseBlock() + makeExt(4u + static_cast<unsigned>(vsdb.size()), 0, vsdb);
    QByteArray edited = image;
    CeaExtBlock block(VyrTest::bytes(edited) + 128, 128, 128, nullptr);
    CeaHdmiVSDB v;
    block.GetHdmiVSDB(0, &v);
    QCOMPARE(v.payloadLength, static_cast<unsigned>(vsdb.size() - 4));
    QCOMPARE(v.hdmiVicCount, vics);
    block.SetHdmiVSDB(0, &v);
    QCOMPARE(edited, image);
    v.physicalA = 3;
    block.SetHdmiVSDB(0, &v);
    QCOMPARE(edited, image);
}

void tst_CeaDataBlocks::latency_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<unsigned>("state");
    QTest::addColumn<unsigned>("ms");
    QTest::newRow("0: no data") << 0 << unsigned(CeaLatencyNoData) << 0u;
    QTest::newRow("1: 0 ms") << 1 << unsigned(CeaLatencyValid) << 0u;
    QTest::newRow("51: 100 ms") << 51 << unsigned(CeaLatencyValid) << 100u;
    QTest::newRow("251: 500 ms") << 251 << unsigned(CeaLatencyValid) << 500u;
    QTest::newRow("254: 506 ms") << 254 << unsigned(CeaLatencyValid) << 506u;
    QTest::newRow("255: not supported") << 255 << unsigned(CeaLatencyNotSupported) << 0u;
}

void tst_CeaDataBlocks::latency()
{
    QFETCH(int, byte);
    QFETCH(unsigned, state);
    QFETCH(unsigned, ms);
    QByteArray b = makeExt(0, 0, {});
    CeaExtBlock block(VyrTest::bytes(b), 128, 128, nullptr);
    for (unsigned k = 0; k < 4; ++k) {
        CeaHdmiVSDB v;
        block.setHdmiLatencyField(&v, k, static_cast<unsigned char>(byte));
        QCOMPARE(v.latencyState[k], state);
        QCOMPARE(v.latencyMs[k], ms);
        QCOMPARE(static_cast<int>(block.getHdmiLatencyField(&v, k)), byte);
    }
    // Milliseconds beyond the largest valid byte stay valid instead of wrapping or turning
    // into "not supported".
    CeaHdmiVSDB v;
    v.latencyState[0] = CeaLatencyValid;
    v.latencyMs[0] = 508;
    QCOMPARE(static_cast<int>(block.getHdmiLatencyField(&v, 0)), 254);
    v.latencyMs[0] = 1000;
    QCOMPARE(static_cast<int>(block.getHdmiLatencyField(&v, 0)), 254);
    v.latencyMs[0] = 3; // nearest byte
    QCOMPARE(static_cast<int>(block.getHdmiLatencyField(&v, 0)), 3);
    QCOMPARE(static_cast<int>(block.getHdmiLatencyField(&v, 4)), 0);
}

void tst_CeaDataBlocks::hdmiVsdbMinimal()
{
    QByteArray image = baseBlock() + makeExt(0, 0, {});
    auto *p = VyrTest::bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    block.AddDataBlock(CeaBlockHdmiVsdb); // total size 6: header, OUI, physical address
    CeaHdmiVSDB v;
    block.GetHdmiVSDB(0, &v);
    QCOMPARE(v.payloadLength, 2u);
    QVERIFY(!v.flagsPresent && !v.maxTmdsClockPresent && !v.contentTypePresent);
    QVERIFY(!v.latencyPresent && !v.hdmiVideoPresent);
    QCOMPARE(v.maxPayloadLength, qMin(28u, 2u + block.freeDataBlockBytes()));

    // TMDS clock 297 MHz is stored as 59 and reads back as 295 MHz.
    v.payloadLength = 4;
    v.physicalA = 1;
    v.physicalB = 2;
    v.physicalC = 3;
    v.physicalD = 4;
    v.flagsPresent = true;
    v.deepColor30 = true;
    v.maxTmdsClockPresent = true;
    v.maxTmdsClock = 297;
    block.SetHdmiVSDB(0, &v);
    QCOMPARE(image.mid(132, 8).toHex(), QByteArray("67030c001234103b"));
    CeaHdmiVSDB back;
    block.GetHdmiVSDB(0, &back);
    QCOMPARE(back.maxTmdsClock, 295u);
    QVERIFY(invariantFault(block, p).isEmpty());
    QVERIFY(VyrTest::edidDecode(image).contains(QLatin1String("Source physical address: 1.2.3.4")));
}

// Parts switched on and off move the later parts and leave no bytes of a part behind.
void tst_CeaDataBlocks::hdmiVsdbLayoutChanges()
{
    Sample s(QStringLiteral("cta-basic-onk0d61-2.bin"));
    const unsigned i = static_cast<unsigned>(s.find(CeaBlockHdmiVsdb));
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)).toHex(),
             QByteArray("6c030c001100802dc001010101"));
    CeaHdmiVSDB v;
    s.block->GetHdmiVSDB(i, &v);
    QVERIFY(v.latencyPresent && v.interlacedLatencyPresent);

    // Latency off, payload length kept: the latency bytes are cleared, not left behind.
    v.latencyPresent = false;
    v.interlacedLatencyPresent = false;
    s.block->SetHdmiVSDB(i, &v);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)).toHex(),
             QByteArray("6c030c001100802d0000000000"));

    // HDMI video with two HDMI VICs and 51 (100 ms) video latency; the payload fits exactly.
    v.latencyPresent = true;
    v.latencyState[0] = CeaLatencyValid;
    v.latencyMs[0] = 100;
    v.latencyState[1] = CeaLatencyNotSupported;
    v.hdmiVideoPresent = true;
    v.hdmiVicCount = 2;
    v.hdmiVics[0].hdmiVic = 1;
    v.hdmiVics[1].hdmiVic = 3;
    v.payloadLength = 5 + 2 + 2 + 2;
    s.block->SetHdmiVSDB(i, &v);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)).toHex(),
             QByteArray("6e030c001100802da033ff00400103"));
    QVERIFY(invariantFault(*s.block, s.bytes()).isEmpty());
    QVERIFY(VyrTest::edidDecodeChecksumsOk(s.image));
    const QStringList lines = s.section(QStringLiteral("Vendor-Specific Data Block (HDMI)"));
    QVERIFY(lines.contains(QStringLiteral("Video latency: 103 ms"))); // this edid-decode: 2b + 1
    QVERIFY(!matching(lines, QStringLiteral("^HDMI VIC 3:")).isEmpty());
    compareWithEdidDecode(*s.block, s.image);

    // Shrink again to the flags byte: everything after it goes.
    CeaHdmiVSDB small;
    s.block->GetHdmiVSDB(i, &small);
    small.latencyPresent = false;
    small.hdmiVideoPresent = false;
    small.contentTypePresent = false;
    small.payloadLength = 4;
    s.block->SetHdmiVSDB(i, &small);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)).toHex(), QByteArray("67030c001100802d"));
    QVERIFY(invariantFault(*s.block, s.bytes()).isEmpty());
    compareWithEdidDecode(*s.block, s.image);
}

void tst_CeaDataBlocks::hdmiVsdbRefused()
{
    Sample s(QStringLiteral("cta-basic-sny4803-3.bin"));
    const unsigned i = static_cast<unsigned>(s.find(CeaBlockHdmiVsdb));
    CeaHdmiVSDB v;
    s.block->GetHdmiVSDB(i, &v);
    const QByteArray before = s.image;
    auto refused = [&](const char *what, const std::function<void(CeaHdmiVSDB &)> &change) {
        CeaHdmiVSDB r = v;
        change(r);
        s.block->SetHdmiVSDB(i, &r);
        QVERIFY2(s.image == before, what);
    };
    refused("payload shorter than its parts", [](CeaHdmiVSDB &r) { r.payloadLength -= 1; });
    refused("payload above the maximum", [](CeaHdmiVSDB &r) { r.payloadLength = 29; });
    refused("payload beyond the free bytes",
            [&](CeaHdmiVSDB &r) { r.payloadLength = r.maxPayloadLength + 1; });
    refused("eight HDMI VICs", [](CeaHdmiVSDB &r) {
        r.hdmiVicCount = 8;
        r.payloadLength += 8;
    });
    refused("22 3D descriptors", [](CeaHdmiVSDB &r) { r.descriptor3DCount = 22; });
    refused("interlaced latency without latency", [](CeaHdmiVSDB &r) {
        r.interlacedLatencyPresent = true;
        r.payloadLength += 2;
    });
    // Not an HDMI VSDB: nothing is written into the video block.
    CeaHdmiVSDB r = v;
    s.block->SetHdmiVSDB(static_cast<unsigned>(s.find(CeaBlockVideo)), &r);
    QCOMPARE(s.image, before);
}

void tst_CeaDataBlocks::audioRoundTrip()
{
    Sample s(QStringLiteral("cta-basic-onk0d61-2.bin"));
    const unsigned i = static_cast<unsigned>(s.find(CeaBlockAudio));
    const QByteArray original = s.dataBlockBytes(static_cast<int>(i));
    CeaSADDataBlock a;
    s.block->GetAudioDataBlock(i, &a);
    QCOMPARE(a.count, 8u);

    QCOMPARE(a.sad[0].formatCode, 1u);
    QCOMPARE(a.sad[0].value, 7u); // 16, 20 and 24 bit

    const unsigned freeBefore = s.block->freeDataBlockBytes() + s.block->freeDtdBytes();
    CeaSADDataBlock three = a;
    three.count = 3;
    s.block->SetAudioDataBlock(i, &three);
    QCOMPARE(s.block->freeDataBlockBytes() + s.block->freeDtdBytes(), freeBefore + 15);
    CeaSADDataBlock back;
    s.block->GetAudioDataBlock(i, &back);
    QCOMPARE(back.count, 3u);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)).mid(1), original.mid(1, 9));
    QVERIFY(invariantFault(*s.block, s.bytes()).isEmpty());
    compareWithEdidDecode(*s.block, s.image);

    s.block->SetAudioDataBlock(i, &a);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)), original);
    QVERIFY(VyrTest::sumsToZero(s.bytes(), 128));
    compareWithEdidDecode(*s.block, s.image);

    // Format 2 with 640 kHz stores 80; more than ten descriptors are refused.
    CeaSADDataBlock ac3;
    ac3.count = 1;
    ac3.sad[0].formatCode = 2;
    ac3.sad[0].channels = 6;
    ac3.sad[0].sampleRates = 0x07;
    ac3.sad[0].value = 640;
    s.block->SetAudioDataBlock(i, &ac3);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)).toHex(), QByteArray("23150750"));
    const QByteArray before = s.image;
    ac3.count = 11;
    s.block->SetAudioDataBlock(i, &ac3);
    QCOMPARE(s.image, before);
    ac3.count = 0; // below the minimum size
    s.block->SetAudioDataBlock(i, &ac3);
    QCOMPARE(s.image, before);
}

void tst_CeaDataBlocks::videoRoundTrip()
{
    Sample s(QStringLiteral("cta-basic-sny4803-3.bin"));
    const unsigned i = static_cast<unsigned>(s.find(CeaBlockVideo));
    const QByteArray original = s.dataBlockBytes(static_cast<int>(i));
    CeaSVDDataBlock v;
    s.block->GetVideoDataBlock(i, &v);
    QCOMPARE(v.count, 19u);
    QCOMPARE(v.maxCount, qMin(31u, 19u + s.block->freeDataBlockBytes() + s.block->freeDtdBytes()));
    CeaSVDDataBlock five = v;
    five.count = 5;
    s.block->SetVideoDataBlock(i, &five);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)), QByteArray(1, '\x45') + original.mid(1, 5));
    QVERIFY(invariantFault(*s.block, s.bytes()).isEmpty());
    compareWithEdidDecode(*s.block, s.image);
    s.block->SetVideoDataBlock(i, &v);
    QCOMPARE(s.dataBlockBytes(static_cast<int>(i)), original);
    QVERIFY(VyrTest::sumsToZero(s.bytes(), 128));
    compareWithEdidDecode(*s.block, s.image);

    CeaSVDDataBlock all;
    s.block->GetAllSVDs(&all);
    QCOMPARE(all.count, 19u);
    QCOMPARE(all.maxCount, 64u);
}

// Three SVDs written into a 2-byte video block grow it to 4 bytes; the timings move only when
// the free data block bytes do not cover the growth.
void tst_CeaDataBlocks::videoGrowth()
{
    QByteArray image = baseBlock()
                       + makeExt(8, 0,
                                 QByteArray::fromHex("4101"
                                                     "4102"),
                                 1);
    auto *p = VyrTest::bytes(image) + 128;
    CeaExtBlock block(p, 128, 128, nullptr);
    CeaSVDDataBlock v;
    v.count = 3;
    v.svd[0].vic = 16;
    v.svd[0].native = 1;
    v.svd[1].vic = 4;
    v.svd[2].vic = 31;
    block.SetVideoDataBlock(0, &v);
    QCOMPARE(image.mid(132, 6).toHex(), QByteArray("4390041f4102"));
    QCOMPARE(static_cast<int>(p[2]), 10); // no free byte: moved by exactly 2
    QVERIFY(invariantFault(block, p).isEmpty());
    compareWithEdidDecode(block, image);
    v.count = 1;
    block.SetVideoDataBlock(1, &v);
    QCOMPARE(static_cast<int>(p[2]), 10);
    QCOMPARE(image.mid(136, 2).toHex(), QByteArray("4190"));
}

void tst_CeaDataBlocks::decodedAgreesOnSamples_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : ctaSamples())
        QTest::newRow(qPrintable(name)) << name;
}

// Audio, video, speaker allocation, colorimetry and video capability blocks of every sample
// decode to what edid-decode reads, and writing the decoded record back changes nothing.
void tst_CeaDataBlocks::decodedAgreesOnSamples()
{
    QFETCH(QString, sample);
    Sample s(sample);
    const int au = s.find(CeaBlockAudio);
    if (au >= 0) {
        CeaSADDataBlock a;
        s.block->GetAudioDataBlock(static_cast<unsigned>(au), &a);
        QStringList channels;
        QStringList rates;
        for (unsigned k = 0; k < a.count; ++k) {
            channels << QStringLiteral("Max channels: %1").arg(a.sad[k].channels);
            if (a.sad[k].formatCode >= 2 && a.sad[k].formatCode <= 8)
                rates << QStringLiteral("Maximum bit rate: %1 kb/s").arg(a.sad[k].value);
        }
        const QStringList lines = s.section(QStringLiteral("Audio Data Block"));
        QCOMPARE(channels, matching(lines, QStringLiteral("^Max channels")));
        QCOMPARE(rates, matching(lines, QStringLiteral("^Maximum bit rate")));
        const QByteArray before = s.image;
        s.block->SetAudioDataBlock(static_cast<unsigned>(au), &a);
        QCOMPARE(s.image, before);
    }
    const int vd = s.find(CeaBlockVideo);
    if (vd >= 0) {
        CeaSVDDataBlock v;
        s.block->GetVideoDataBlock(static_cast<unsigned>(vd), &v);
        QStringList ours;
        for (unsigned k = 0; k < v.count; ++k)
            ours << QStringLiteral("VIC %1%2").arg(v.svd[k].vic).arg(v.svd[k].native ? "*" : "");
        QStringList theirs;
        for (const QString &line :
             matching(s.section(QStringLiteral("Video Data Block")), QStringLiteral("^VIC ")))
            theirs << QStringLiteral("VIC %1%2")
                          .arg(line.section(QLatin1Char(':'), 0, 0).mid(4).trimmed())
                          .arg(line.endsWith(QLatin1String("(native)")) ? "*" : "");
        QCOMPARE(ours, theirs);
        const QByteArray before = s.image;
        s.block->SetVideoDataBlock(static_cast<unsigned>(vd), &v);
        QCOMPARE(s.image, before);
    }
    const int sp = s.find(CeaBlockSpeakerAllocation);
    if (sp >= 0) {
        CeaSpeakerAllocation a;
        s.block->GetSpeakersAllocation(static_cast<unsigned>(sp), &a);
        QStringList ours;
        const QPair<bool, const char *> speakers[] = {{a.frontLeftRight, "FL/FR"},
                                                      {a.lowFrequencyEffects, "LFE1"},
                                                      {a.frontCenter, "FC"},
                                                      {a.rearLeftRight, "BL/BR"},
                                                      {a.rearCenter, "BC"},
                                                      {a.frontLeftRightCenter, "FLc/FRc"},
                                                      {a.rearLeftRightCenter, "RLC/RRC"},
                                                      {a.frontLeftRightWide, "FLw/FRw"},
                                                      {a.frontLeftRightHigh, "TpFL/TpFR"},
                                                      {a.topCenter, "TpC"},
                                                      {a.frontCenterHigh, "TpFC"}};
        for (const auto &sp2 : speakers)
            if (sp2.first)
                ours << QString::fromLatin1(sp2.second);
        QStringList theirs;
        for (const QString &line : matching(s.section(QStringLiteral("Speaker Allocation")),
                                            QStringLiteral("^(FL/FR|LFE1|FC|BL/BR|BC|FLc/FRc|"
                                                           "RLC/RRC|FLw/FRw|TpFL/TpFR|TpC|"
                                                           "TpFC) ")))
            theirs << line.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(ours, theirs);
        const QByteArray before = s.image;
        s.block->SetSpeakersAllocation(static_cast<unsigned>(sp), &a);
        QCOMPARE(s.image, before);
    }
    const int c = s.find(CeaBlockColorimetry);
    if (c >= 0) {
        CeaColometry m;
        s.block->GetColorimetry(static_cast<unsigned>(c), &m);
        QStringList ours;
        const QPair<bool, const char *> flags[] = {
            {m.xvYCC601, "xvYCC601"},    {m.xvYCC709, "xvYCC709"}, {m.sYCC601, "sYCC601"},
            {m.adobeYCC601, "opYCC601"}, {m.adobeRGB, "opRGB"},    {m.md0, "Reserved MD0"},
            {m.md1, "Reserved MD1"},     {m.md2, "Reserved MD2"},  {m.md3, "Reserved MD3"}};
        for (const auto &f : flags)
            if (f.first)
                ours << QString::fromLatin1(f.second);
        QCOMPARE(ours, matching(s.section(QStringLiteral("Colorimetry Data Block")),
                                QStringLiteral("^(xvYCC601|xvYCC709|sYCC601|opYCC601|opRGB|"
                                               "Reserved MD\\d)$")));
        const QByteArray before = s.image;
        s.block->SetColorimetry(static_cast<unsigned>(c), &m);
        QCOMPARE(s.image, before);
    }
    const int vc = s.find(CeaBlockVideoCapability);
    if (vc >= 0) {
        CeaVideoCaps caps;
        s.block->GetVideoCaps(static_cast<unsigned>(vc), &caps);
        static const char *const scan[4] = {nullptr, "Always Overscanned", "Always Underscanned",
                                            "Supports both over- and underscan"};
        QStringList ours;
        if (caps.yccQuantizationSelectable)
            ours << QStringLiteral("YCbCr quantization: Selectable (via AVI YQ)");
        if (caps.rgbQuantizationSelectable)
            ours << QStringLiteral("RGB quantization: Selectable (via AVI Q)");
        if (caps.ptOverscan)
            ours << QStringLiteral("PT scan behavior: %1").arg(scan[caps.ptOverscan]);
        if (caps.itOverscan)
            ours << QStringLiteral("IT scan behavior: %1").arg(scan[caps.itOverscan]);
        if (caps.ceOverscan)
            ours << QStringLiteral("CE scan behavior: %1").arg(scan[caps.ceOverscan]);
        QCOMPARE(ours, matching(s.section(QStringLiteral("Video Capability Data Block")),
                                QStringLiteral("(Selectable|Always|Supports both)")));
        const QByteArray before = s.image;
        s.block->SetVideoCaps(static_cast<unsigned>(vc), &caps);
        QCOMPARE(s.image, before);
    }
}

void tst_CeaDataBlocks::reservedBitsSurvive_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("expected"); // after the edit of the row's kind
    QTest::newRow("speaker allocation")
        << QByteArray::fromHex("834FF8FF") << QByteArray::fromHex("834FFAFF");
    QTest::newRow("colorimetry") << QByteArray::fromHex("E305E3F5")
                                 << QByteArray::fromHex("E305E1F7");
    QTest::newRow("audio LPCM") << QByteArray::fromHex("238987F9")
                                << QByteArray::fromHex("238D87F9");
    QTest::newRow("HDMI VSDB")
        << QByteArray::fromHex("70030C00 1000 86 2D 30 47 06 FFFF 0003 08 1F")
        << QByteArray::fromHex("70030C00 1000 06 3C 31 47 06 FFBF 0003 08 2F");
}

// An edit of one field keeps every reserved bit of its block as stored.
void tst_CeaDataBlocks::reservedBitsSurvive()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, expected);
    QByteArray image = baseBlock() + makeExt(0, 0, block + QByteArray::fromHex("4101"));
    auto *p = VyrTest::bytes(image) + 128;
    CeaExtBlock cea(p, 128, 128, nullptr);
    QCOMPARE(cea.dataBlockCount(), 2u);
    const QByteArray stored = image;
    switch (cea.GetDataBlockID(0)) {
    case CeaBlockSpeakerAllocation: {
        CeaSpeakerAllocation a;
        cea.GetSpeakersAllocation(0, &a);
        cea.SetSpeakersAllocation(0, &a);
        QCOMPARE(image, stored);
        a.topCenter = true;
        cea.SetSpeakersAllocation(0, &a);
        break;
    }
    case CeaBlockColorimetry: {
        CeaColometry m;
        cea.GetColorimetry(0, &m);
        cea.SetColorimetry(0, &m);
        QCOMPARE(image, stored);
        m.xvYCC709 = false;
        m.md1 = true;
        cea.SetColorimetry(0, &m);
        break;
    }
    case CeaBlockAudio: {
        CeaSADDataBlock a;
        cea.GetAudioDataBlock(0, &a);
        cea.SetAudioDataBlock(0, &a);
        QCOMPARE(image, stored);
        a.sad[0].channels = 6;
        cea.SetAudioDataBlock(0, &a);
        break;
    }
    case CeaBlockHdmiVsdb: {
        CeaHdmiVSDB v;
        cea.GetHdmiVSDB(0, &v);
        QCOMPARE(v.multi3D, 2u);
        QCOMPARE(v.descriptor3DCount, 1u);
        cea.SetHdmiVSDB(0, &v);
        QCOMPARE(image, stored);
        v.supportsAI = false;
        v.maxTmdsClock = 300;
        v.cnc0 = true;
        v.structure3D = static_cast<quint8>(v.structure3D & ~4u); // top-and-bottom off
        v.descriptors3D[0].detail = 2;
        cea.SetHdmiVSDB(0, &v);
        break;
    }
    default:
        QFAIL("unexpected kind");
    }
    QCOMPARE(image.mid(132, expected.size()).toHex(), expected.toHex());
    QVERIFY(VyrTest::sumsToZero(p, 128));
}

void tst_CeaDataBlocks::genericDataBlock()
{
    Sample s(QStringLiteral("cta-hdr-del41d9-3.bin"));
    const int i = s.find(CeaBlockVendorSpecific);
    QVERIFY(i >= 0);
    const QByteArray original = s.dataBlockBytes(i);
    CeaGenericDataBlock g;
    s.block->GetGenericDataBlock(static_cast<unsigned>(i), &g);
    QCOMPARE(g.hasOui, 1u);
    QCOMPARE(g.oui, 0x00001Au);
    QCOMPARE(g.payloadLength, static_cast<quint32>(original.size() - 4));
    QCOMPARE(
        QByteArray(reinterpret_cast<const char *>(g.payload), static_cast<int>(g.payloadLength)),
        original.mid(4));
    QCOMPARE(g.maxPayloadLength,
             qMin(28u, g.payloadLength + s.block->freeDataBlockBytes() + s.block->freeDtdBytes()));
    s.block->SetGenericDataBlock(static_cast<unsigned>(i), &g);
    QCOMPARE(s.dataBlockBytes(i), original);

    g.oui = 0x00044B;
    g.payloadLength = 2;
    s.block->SetGenericDataBlock(static_cast<unsigned>(i), &g);
    QCOMPARE(s.dataBlockBytes(i).toHex(), QByteArray("654b0400") + original.mid(4, 2).toHex());
    QVERIFY(invariantFault(*s.block, s.bytes()).isEmpty());
    compareWithEdidDecode(*s.block, s.image);
    // edid-decode names the owner of a known OUI in its title; the OUI number is compared.
    const QStringList titles = decodeCta(s.image).first().titles;
    QVERIFY(std::any_of(titles.begin(), titles.end(), [](const QString &title) {
        return title.startsWith(QLatin1String("Vendor-Specific Data Block"))
               && title.endsWith(QLatin1String(", OUI 00-04-4B:"));
    }));

    // A vendor-specific block too short for an OUI: the bytes stay within the block.
    QByteArray image = baseBlock()
                       + makeExt(0, 0,
                                 QByteArray::fromHex("62AABB"
                                                     "4101"));
    CeaExtBlock small(VyrTest::bytes(image) + 128, 128, 128, nullptr);
    CeaGenericDataBlock h;
    small.GetGenericDataBlock(0, &h);
    QCOMPARE(h.payloadLength, 2u);
    h.oui = 0xFFFFFF;
    h.payload[0] = 0x11;
    h.payload[1] = 0x22;
    small.SetGenericDataBlock(0, &h);
    QCOMPARE(image.mid(132, 5).toHex(), QByteArray("6211224101"));
}

void tst_CeaDataBlocks::threeDSupport_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("3D mask and 3D VIC list") << QStringLiteral("cta-basic-sny4803-3.bin");
    QTest::newRow("3D structures") << QStringLiteral("cta-basic-bnqad03-4.bin");
}

// The table built from a block with 3D data holds what edid-decode reads from it: the
// formats every 3D sink has for the mandatory VICs, the structures of the masked VICs and the
// formats of the listed VICs.
void tst_CeaDataBlocks::threeDSupport()
{
    QFETCH(QString, sample);
    Sample s(sample);
    unsigned char expected[65] = {};
    const QStringList lines = s.section(QStringLiteral("Vendor-Specific Data Block (HDMI)"));
    if (lines.contains(QStringLiteral("3D present"))) {
        CeaSVDDataBlock all;
        s.block->GetAllSVDs(&all);
        for (unsigned k = 0; k < all.count; ++k) {
            const unsigned vic = all.svd[k].vic;
            if (vic == 32 || vic == 4 || vic == 19) // 1080p24, 720p60, 720p50
                expected[vic] = Cea3DFramePacking | Cea3DTopAndBottom;
            if (vic == 5 || vic == 20) // 1080i60, 1080i50
                expected[vic] = Cea3DSideBySideHalf;
        }
    }
    unsigned char all = 0;
    if (lines.contains(QStringLiteral("3D: Frame-packing")))
        all |= Cea3DFramePacking;
    if (lines.contains(QStringLiteral("3D: Side-by-side (half, horizontal)")))
        all |= Cea3DSideBySideHalf;
    if (lines.contains(QStringLiteral("3D: Top-and-bottom")))
        all |= Cea3DTopAndBottom;
    enum { None, Masked, Specific } part = None;
    static const QRegularExpression vicLine(QStringLiteral("^VIC\\s+(\\d+):"));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("3D VIC indices that support")))
            part = Masked;
        else if (line.startsWith(QLatin1String("3D VIC indices with specific")))
            part = Specific;
        const QRegularExpressionMatch m = vicLine.match(line);
        if (!m.hasMatch() || part == None)
            continue;
        const int vic = m.captured(1).toInt();
        if (part == Masked)
            expected[vic] |= all;
        else if (line.endsWith(QLatin1String("(frame packing)")))
            expected[vic] |= Cea3DFramePacking;
        else if (line.endsWith(QLatin1String("(top-and-bottom)")))
            expected[vic] |= Cea3DTopAndBottom;
        else if (line.contains(QLatin1String("(side-by-side")))
            expected[vic] |= Cea3DSideBySideHalf;
    }
    QVERIFY(all != 0);
    for (unsigned vic = 1; vic <= 64; ++vic)
        QVERIFY2(s.block->Get3DSupport(vic) == expected[vic],
                 qPrintable(QStringLiteral("VIC %1: %2 instead of %3")
                                .arg(vic)
                                .arg(s.block->Get3DSupport(vic))
                                .arg(expected[vic])));
    QCOMPARE(static_cast<int>(s.block->Get3DSupport(0)), 0);
    QCOMPARE(static_cast<int>(s.block->Get3DSupport(65)), 0);

    // Writing the video block in another order moves the 3D data with the SVDs.
    CeaSVDDataBlock v;
    const unsigned video = static_cast<unsigned>(s.find(CeaBlockVideo));
    s.block->GetVideoDataBlock(video, &v);
    std::reverse(v.svd, v.svd + v.count);
    s.block->SetVideoDataBlock(video, &v);
    QByteArray copy = s.image;
    CeaExtBlock again(VyrTest::bytes(copy) + s.at, 128, 128, nullptr);
    for (unsigned vic = 1; vic <= 64; ++vic)
        QCOMPARE(static_cast<int>(s.block->Get3DSupport(vic)),
                 static_cast<int>(again.Get3DSupport(vic)));
}

void tst_CeaDataBlocks::threeDFirstSixteen()
{
    // 18 SVDs (VIC 1..18), an HDMI VSDB with 3D structure top-and-bottom for all VICs.
    QByteArray svds = QByteArray::fromHex("52");
    for (int vic = 1; vic <= 18; ++vic)
        svds += static_cast<char>(vic);
    QByteArray image =
        baseBlock()
        + makeExt(36, 0, svds + QByteArray::fromHex("6C030C00 1000 00 00 20 20 02 0040"));
    CeaExtBlock block(VyrTest::bytes(image) + 128, 128, 128, nullptr);
    CeaHdmiVSDB v;
    block.GetHdmiVSDB(1, &v);
    QCOMPARE(v.multi3D, 1u);
    QCOMPARE(static_cast<int>(v.structure3D), static_cast<int>(Cea3DTopAndBottom));
    for (unsigned vic = 1; vic <= 18; ++vic)
        QCOMPARE(static_cast<int>(block.Get3DSupport(vic)),
                 vic <= 16 ? static_cast<int>(Cea3DTopAndBottom) : 0);
    const QStringList lines = decodeCta(image).first().lines;
    QVERIFY(lines.contains(QStringLiteral("      3D: Top-and-bottom")));
}

void tst_CeaDataBlocks::locationsAndCells()
{
    Sample s(QStringLiteral("cta-basic-sny4803-3.bin"));
    const unsigned i = static_cast<unsigned>(s.find(CeaBlockHdmiVsdb));
    const CeaDataBlockEntry *e = s.block->dataBlockEntry(i);
    const unsigned start = static_cast<unsigned>(s.at) + 4 + e->offset;
    const auto *base = reinterpret_cast<const unsigned char *>(s.image.constData());
    auto at = [](const QList<EdidItemLocation> &l) {
        return l.size() == 1 ? QStringLiteral("%1+%2").arg(l[0].offset).arg(l[0].length)
                             : QStringLiteral("?");
    };
    auto loc = [&](unsigned pos, unsigned length) {
        return QStringLiteral("%1+%2").arg(start + pos).arg(length);
    };
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(45, i, 0, base)), loc(4, 2));
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(57, i, 0, base)), loc(7, 1));
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(60, i, 0, base)), loc(8, 1));
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(70, i, 0, base)), loc(9, 1)); // no latency here
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(78, i, 0, base)), loc(11, 1));
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(79, i, 0, base)), loc(12, 1));
    QCOMPARE(at(s.block->GetHdmiVSDBLocation(0xFFFFFFFFu, i, 0, base)), loc(0, e->size));

    QString name, description;
    s.block->fillCellDataBlock(2, i, &name, &description);
    QCOMPARE(name, QStringLiteral("Byte[1] of IEEE Registration Identifier"));
    QCOMPARE(description, QStringLiteral("(HDMI Vendor Specific Data Block)"));
    name.clear();
    description.clear();
    s.block->fillCellDataBlock(13, i, &name, &description);
    QCOMPARE(name, QStringLiteral("Subset of First 16 VICs which support 3D Formats (VICs 15..8)"));
    description.clear();
    s.block->fillCellDataBlock(15, i, &name, &description);
    QCOMPARE(name, QStringLiteral("3D Structure/3D VIC Index"));
    QCOMPARE(description,
             QStringLiteral("(HDMI Vendor Specific Data Block). Detailed 3D Descriptor[0]"));

    const unsigned a = static_cast<unsigned>(s.find(CeaBlockAudio));
    const unsigned audioStart =
        static_cast<unsigned>(s.at) + 4 + s.block->dataBlockEntry(a)->offset;
    QCOMPARE(at(s.block->GetAudioDataBlockLocation(30, a, 1, base)),
             QStringLiteral("%1+1").arg(audioStart + 1 + 3 + 1));
    QCOMPARE(at(s.block->GetAudioDataBlockLocation(37, a, 1, base)),
             QStringLiteral("%1+1").arg(audioStart + 1 + 3));
    QCOMPARE(at(s.block->GetAudioDataBlockLocation(40, a, 1, base)),
             QStringLiteral("%1+1").arg(audioStart + 1 + 3 + 2));
    QCOMPARE(at(s.block->GetAudioDataBlockLocation(28, a, 1, base)),
             QStringLiteral("%1+3").arg(audioStart + 1 + 3));
    s.block->fillCellDataBlock(5, a, &name, &description);
    QCOMPARE(name, QStringLiteral("Supported Audio Rates"));
    QCOMPARE(description, QStringLiteral("(Audio Data Block). Short Audio Descriptor[1]"));

    const unsigned vc = static_cast<unsigned>(s.find(CeaBlockVideoCapability));
    const unsigned capsStart =
        static_cast<unsigned>(s.at) + 4 + s.block->dataBlockEntry(vc)->offset;
    QCOMPARE(at(s.block->GetVideoCapsLocation(99, vc, base)),
             QStringLiteral("%1+1").arg(capsStart + 2));
    QCOMPARE(at(s.block->GetGenericDataBlockLocation(115, vc, 0, base)),
             QStringLiteral("%1+1").arg(capsStart + 1));
    QCOMPARE(at(s.block->GetVideoDataBlockLocation(43, 0, 2, base)),
             QStringLiteral("%1+1").arg(static_cast<unsigned>(s.at) + 4 + 1 + 2));
    QVERIFY(s.block->GetVideoDataBlockLocation(43, 99, 2, base).isEmpty());
}

QTEST_GUILESS_MAIN(tst_CeaDataBlocks)
#include "tst_ceadatablocks.moc"
