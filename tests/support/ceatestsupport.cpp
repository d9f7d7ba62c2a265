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

int kindOfTitle(const QString &title)
{
    if (title.startsWith(QLatin1String("Unknown CTA-861 Data Block (tag 0x00, length 0)")))
        return -1;
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
                const int kind = kindOfTitle(title);
                if (kind >= 0) {
                    r.kinds << kind;
                    r.titles << title;
                }
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
    unsigned end = 0;
    for (unsigned i = 0; i < block.dataBlockCount(); ++i) {
        const CeaDataBlockEntry *e = block.dataBlockEntry(i);
        end = e->offset + e->size;
    }
    const unsigned d = bytes[2];
    if (block.dtdCount() == 0 && d != (end > 0 ? 4 + end : 0))
        return QStringLiteral("byte 2 is %1 without detailed timings, collection ends at %2")
            .arg(d)
            .arg(end);
    if (block.dtdCount() > 0 && (d < 4 + end || d + 18 * block.dtdCount() > 127))
        return QStringLiteral("byte 2 is %1 with %2 detailed timings").arg(d).arg(block.dtdCount());
    if (end + block.freeDataBlockBytes() + 18 * block.dtdCount() + block.freeDtdBytes() != 123)
        return QStringLiteral("free bytes %1 + %2 do not add up")
            .arg(block.freeDataBlockBytes())
            .arg(block.freeDtdBytes());
    return QString();
}

} // namespace CeaTest
