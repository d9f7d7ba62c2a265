#include "ceatestsupport.h"

#include "edidbytes.h"
#include "vyrtestutil.h"

#include <QRegularExpression>
#include <QtTest>

namespace CeaTest {

QByteArray baseBlock()
{
    return VyrTest::sampleBaseBlock(QStringLiteral("cta-basic-dela0a4-1.bin"), 1);
}

QByteArray sampleDtd()
{
    return QByteArray::fromHex("023a801871382d40582c4500c48e2100001e");
}

QByteArray serialDescriptor()
{
    return QByteArray::fromHex("000000ff00") + QByteArray("123456\n      ");
}

QByteArray makeExt(unsigned d, unsigned flags, const QByteArray &collection, int dtds)
{
    QByteArray b(128, '\0');
    b[0] = 0x02;
    b[1] = 0x03;
    b[2] = static_cast<char>(d);
    b[3] = static_cast<char>(flags);
    for (int i = 0; i < collection.size() && 4 + i < 127; ++i)
        b[4 + i] = collection[i];
    for (int k = 0; k < dtds; ++k) {
        const int at = static_cast<int>(d) + 18 * k;
        if (at + 18 <= 127)
            b.replace(at, 18, sampleDtd());
    }
    VyrTest::fixChecksum(b);
    return b;
}

// ext with its slot area from byte 2 on filled with timings timings and then a serial number
// descriptor; the checksum fixed.
static QByteArray withSerialAfterTimings(QByteArray ext, int timings)
{
    const int d = static_cast<unsigned char>(ext.at(2));
    for (int k = 0; k < timings; ++k)
        ext.replace(d + 18 * k, 18, sampleDtd());
    ext.replace(d + 18 * timings, 18, serialDescriptor());
    VyrTest::fixChecksum(ext);
    return ext;
}

QVector<VyrTest::NamedImage> patternImages()
{
    // An HDMI monitor's collection: video, audio, speakers, HDMI block (25 bytes).
    const QByteArray monitor = QByteArray::fromHex("4a90 0403 0114 1205 1f10 13"
                                                   "23090707"
                                                   "83010000"
                                                   "65030c001000");
    // A 4K TV's collection with a tag 0 header before its HDMI block: video (VICs 95, 94 and
    // 93 among them), audio, tag 0, HDMI block with three HDMI VICs, YCbCr 4:2:0 video data
    // block, speakers (50 bytes).
    const QByteArray tv = QByteArray::fromHex("5390 0504 0307 0206 011f 1413 1216 1115 5f5e 5d20"
                                              "2609 7f07 1507 50"
                                              "00"
                                              "6d030c00 1000 00 3c 20 00 60 010203"
                                              "e30e6061"
                                              "83010000");
    // Video codes 16 (native), 97, 118, 219, 193, 4, 95 and 5; a TV's HDMI block with the 3D
    // mask and 3D entries for these codes; HDR static metadata (35 bytes).
    const QByteArray codes = QByteArray::fromHex("48 9061 76db c104 5f05"
                                                 "72030c00 4000 b8 2d 2f d0 08 0140 007f"
                                                 "20307076"
                                                 "e6060501 62623e");
    return {
        {QStringLiteral("CEA serial string after the timings"),
         baseBlock() + withSerialAfterTimings(makeExt(29, 0xF2, monitor), 2)},
        {QStringLiteral("CEA tag 0 header inside the collection"),
         baseBlock() + makeExt(54, 0x73, tv, 3)},
        {QStringLiteral("CEA video codes 65-127 and 193-219"),
         baseBlock() + makeExt(4u + static_cast<unsigned>(codes.size()), 0xF1, codes, 2)},
        {QStringLiteral("CEA zero padding before the timings"),
         baseBlock() + withSerialAfterTimings(makeExt(55, 0xF3, monitor), 3)},
    };
}

QByteArray imageWithCollection(const QByteArray &collection)
{
    return baseBlock() + makeExt(4u + static_cast<unsigned>(collection.size()), 0, collection);
}

QByteArray videoBlocks(const QVector<int> &lengths)
{
    QByteArray collection;
    for (int length : lengths) {
        collection += static_cast<char>(0x40 | (length - 1));
        for (int i = 1; i < length; ++i)
            collection += static_cast<char>(i);
    }
    return collection;
}

bool isZeroByteTitle(const QString &title)
{
    return title.startsWith(QLatin1String("Unknown CTA-861 Data Block (tag 0x00, length 0)"));
}

int kindOfTitle(const QString &title)
{
    if (title.startsWith(QLatin1String("Audio Data Block")))
        return CeaBlockAudio;
    if (title.startsWith(QLatin1String("Video Data Block")))
        return CeaBlockVideo;
    if (title.startsWith(QLatin1String("Vendor-Specific Data Block (HDMI),")))
        return CeaBlockHdmiVsdb;
    if (title.startsWith(QLatin1String("Vendor-Specific Data Block")))
        return CeaBlockVendorSpecific;
    if (title.startsWith(QLatin1String("Speaker Allocation Data Block")))
        return CeaBlockSpeakerAllocation;
    if (title.startsWith(QLatin1String("Video Capability Data Block")))
        return CeaBlockVideoCapability;
    if (title.startsWith(QLatin1String("Colorimetry Data Block")))
        return CeaBlockColorimetry;
    if (title.startsWith(QLatin1String("Vendor-Specific Video Data Block")))
        return CeaBlockVendorSpecificVideo;
    if (title.startsWith(QLatin1String("Vendor-Specific Audio Data Block")))
        return CeaBlockVendorSpecificAudio;
    if (title.startsWith(QLatin1String("VESA Display Transfer Characteristics Data Block")))
        return CeaBlockVesaDtc;
    if (title.startsWith(QLatin1String("VESA Video Display Device Data Block")))
        return CeaBlockVesaVideoDisplayDevice;
    if (title.startsWith(QLatin1String("VESA Video Timing Block Extension")))
        return CeaBlockVesaVideo;
    if (title.startsWith(QLatin1String("Reserved for HDMI Video Data Block")))
        return CeaBlockHdmiVideo;
    if (title.startsWith(QLatin1String("Reserved for CTA-861 Miscellaneous Audio Fields")))
        return CeaBlockMiscAudioFields;
    if (title.startsWith(QLatin1String("HDMI Audio Data Block")))
        return CeaBlockHdmiAudio;
    return CeaBlockDummy;
}

QVector<CtaReport> decodeCta(const QByteArray &image)
{
    QVector<CtaReport> reports;
    const QString text = VyrTest::edidDecode(image, {QStringLiteral("-s")});
    static const QRegularExpression dtdLine(
        QStringLiteral("^\\s+DTD\\s+\\d+:\\s+(\\d+)x(\\d+)(i?)\\s.*?([\\d.]+) MHz"));
    bool inCta = false;
    bool inDtds = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Block "))) {
            inCta = line.contains(QLatin1String("CTA-861 Extension Block"));
            inDtds = false;
            if (inCta)
                reports.append(CtaReport());
            continue;
        }
        if (!line.startsWith(QLatin1Char(' ')))
            inCta = false;
        if (!inCta)
            continue;
        CtaReport &r = reports.last();
        r.lines << line;
        if (line.startsWith(QLatin1String("  ")) && !line.startsWith(QLatin1String("   "))) {
            const QString title = line.trimmed();
            inDtds = title.startsWith(QLatin1String("Detailed Timing Descriptors"));
            if (title.endsWith(QLatin1Char(':')) && !inDtds) {
                r.kinds << kindOfTitle(title);
                r.titles << title;
            }
            continue;
        }
        if (inDtds) {
            const QRegularExpressionMatch m = dtdLine.match(line);
            if (m.hasMatch())
                r.dtds << QStringLiteral("%1x%2%3 %4 MHz")
                              .arg(m.captured(1), m.captured(2), m.captured(3),
                                   QString::number(m.captured(4).toDouble(), 'f', 2));
        }
    }
    // Zero bytes at the end of the collection are padding, not data blocks.
    for (CtaReport &r : reports) {
        while (!r.titles.isEmpty() && isZeroByteTitle(r.titles.last())) {
            r.titles.removeLast();
            r.kinds.removeLast();
        }
    }
    return reports;
}

QVector<int> ourKinds(CeaExtBlock &block)
{
    QVector<int> kinds;
    for (unsigned i = 0; i < block.dataBlockCount(); ++i)
        kinds << static_cast<int>(block.GetDataBlockID(i));
    return kinds;
}

QStringList ourDtds(CeaExtBlock &block)
{
    QStringList dtds;
    for (unsigned i = 0; i < block.dtdCount(); ++i) {
        DetailedTiming t;
        block.GetDetailedTiming(i, &t);
        dtds << QStringLiteral("%1x%2%3 %4 MHz")
                    .arg(t.hActive)
                    .arg(t.interlaced ? t.vActive * 2 : t.vActive)
                    .arg(t.interlaced ? QStringLiteral("i") : QString())
                    .arg(QString::number(t.pixelClock / 100.0, 'f', 2));
    }
    return dtds;
}

void compareWithEdidDecode(CeaExtBlock &block, const QByteArray &image, int ctaIndex)
{
    const QVector<CtaReport> reports = decodeCta(image);
    QVERIFY2(reports.size() > ctaIndex, "edid-decode reports no CTA-861 block");
    const CtaReport &r = reports[ctaIndex];
    QCOMPARE(ourKinds(block), r.kinds);
    QCOMPARE(ourDtds(block), r.dtds);
}

QString invariantFault(CeaExtBlock &block, const unsigned char *bytes)
{
    if (!VyrTest::sumsToZero(bytes, 128))
        return QStringLiteral("checksum");
    const unsigned end = block.collectionLength();
    for (unsigned i = 0; i < block.dataBlockCount(); ++i) {
        const CeaDataBlockEntry *e = block.dataBlockEntry(i);
        if (e->offset + e->size > end)
            return QStringLiteral("data block %1 ends after the collection").arg(i);
    }
    const unsigned d = bytes[2];
    const unsigned slotTotal = block.slotCount();
    if (slotTotal == 0 && d != (end > 0 ? 4 + end : 0))
        return QStringLiteral("byte 2 is %1 without slots, collection ends at %2").arg(d).arg(end);
    if (slotTotal > 0 && (d < 4 + end || d + 18 * slotTotal > 127))
        return QStringLiteral("byte 2 is %1 with %2 slots").arg(d).arg(slotTotal);
    if (end + block.freeDataBlockBytes() + 18 * slotTotal + block.freeDtdBytes() != 123)
        return QStringLiteral("free bytes %1 + %2 do not add up")
            .arg(block.freeDataBlockBytes())
            .arg(block.freeDtdBytes());
    return QString();
}

} // namespace CeaTest
