#include "edidbasecheck.h"

#include "edidreport.h"

#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace EdidBaseCheck {

// The lines edid-decode prints for block 0 (between "Block 0" and "Checksum").
static QStringList decodeBlock0(const QByteArray &image)
{
    return VyrTest::reportBlockLines(VyrTest::edidDecode(image), 0);
}

static QString valueOf(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    }
    return QString();
}

// Lines between the header line starting with section and the next unindented section.
static QStringList sectionLines(const QStringList &lines, const QString &section)
{
    QStringList result;
    int i = 0;
    while (i < lines.size() && !lines.at(i).startsWith(section))
        ++i;
    for (++i; i < lines.size(); ++i) {
        if (lines.at(i).endsWith(QLatin1Char(':')) && !lines.at(i).contains(QLatin1String("Hz")))
            break;
        result << lines.at(i);
    }
    return result;
}

namespace {

// A mode line "....   1024x768i   60.003840 Hz ..." as {width, height, rounded Hz, interlaced}.
struct ModeLine
{
    unsigned width = 0;
    unsigned height = 0;
    unsigned hz = 0;
    bool interlaced = false;
};

} // namespace

static bool parseMode(const QString &line, ModeLine *mode)
{
    static const QRegularExpression re(QStringLiteral("(\\d+)x(\\d+)(i?)\\s+([0-9.]+) Hz"));
    const QRegularExpressionMatch m = re.match(line);
    if (!m.hasMatch())
        return false;
    mode->width = m.captured(1).toUInt();
    mode->height = m.captured(2).toUInt();
    mode->interlaced = !m.captured(3).isEmpty();
    mode->hz = static_cast<unsigned>(std::lround(m.captured(4).toDouble()));
    return true;
}

static QString chroma(unsigned x, unsigned y)
{
    // edid-decode prints code / 1024 cut to four decimals.
    const auto cut = [](unsigned v) {
        return QStringLiteral("0.%1").arg(v * 10000u / 1024u, 4, 10, QLatin1Char('0'));
    };
    return cut(x) + QStringLiteral(", ") + cut(y);
}

static QString textOf(const EdidString &s)
{
    QByteArray text;
    for (unsigned char c : s.text) {
        if (c == 0x0A)
            break;
        text += static_cast<char>(c);
    }
    return QString::fromLatin1(text);
}

static bool printable(const EdidString &s)
{
    for (unsigned char c : s.text) {
        if (c == 0x0A)
            break;
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

void writeBackEverything(Edid13Block &block)
{
    ProductIdInfo id{};
    block.GetProductIdInfo(&id);
    block.SetProductIdInfo(&id);
    BasicDisplayParams params{};
    block.GetBasicDisplayParams(&params);
    block.SetBasicDisplayParams(&params);
    ColorCharacteristics colors{};
    block.GetColorCharacteristics(&colors);
    block.SetColorCharacteristics(&colors);
    for (unsigned i = 0; i < 17; ++i)
        block.SetEstablishedTimingSupport(0, i, block.IsEstablishedTimingSupported(0, i));
    for (unsigned i = 0; i < 8; ++i) {
        StandardTiming t;
        block.GetStandardTiming(0, i, &t);
        block.SetStandardTiming(0, i, &t);
    }
    block.SetNumOfExtensions(block.GetNumOfExtensions());
    for (unsigned slot = 1; slot <= 4; ++slot) {
        switch (block.GetDescriptorID(slot - 1)) {
        case DescriptorDetailedTiming: {
            DetailedTiming t;
            block.GetDetailedTiming(slot, &t);
            block.SetDetailedTiming(slot, &t);
            break;
        }
        case DescriptorSerialNumber:
        case DescriptorDataString:
        case DescriptorProductName: {
            EdidString s{};
            block.GetDescriptorString(slot, &s);
            block.SetDescriptorString(slot, &s);
            break;
        }
        case DescriptorRangeLimits: {
            RangeLimits r{};
            block.GetRangeLimits(slot, &r);
            block.SetRangeLimits(slot, &r);
            break;
        }
        case DescriptorColorPoint: {
            ColorPoint p{};
            block.GetColorPoint(slot, &p);
            block.SetColorPoint(slot, &p);
            break;
        }
        case DescriptorStandardTimings:
            for (unsigned i = 0; i < 6; ++i) {
                StandardTiming t;
                block.GetStandardTiming(slot, i, &t);
                block.SetStandardTiming(slot, i, &t);
            }
            break;
        default:
            break;
        }
    }
}

QStringList compareWithEdidDecode(Edid13Block &block, const QByteArray &image, bool edid14)
{
    QStringList diffs;
    const QStringList lines = decodeBlock0(image);
    const auto expect = [&diffs](const QString &what, const QString &ours, const QString &theirs) {
        if (ours != theirs)
            diffs << QStringLiteral("%1: ours '%2', edid-decode '%3'").arg(what, ours, theirs);
    };

    ProductIdInfo id{};
    block.GetProductIdInfo(&id);
    const QString vendor =
        QString(QChar(0x40 + id.letter1)) + QChar(0x40 + id.letter2) + QChar(0x40 + id.letter3);
    expect(QStringLiteral("manufacturer"), vendor, valueOf(lines, QStringLiteral("Manufacturer:")));
    expect(QStringLiteral("model"), QString::number(id.productCode),
           valueOf(lines, QStringLiteral("Model:")));
    expect(QStringLiteral("serial"), id.serialNumber ? QString::number(id.serialNumber) : QString(),
           valueOf(lines, QStringLiteral("Serial Number:")));
    const QString made = valueOf(lines, QStringLiteral("Made in:"));
    if (id.week == 0)
        expect(QStringLiteral("year"), QString::number(id.year), made);
    else if (id.week != 0xFF)
        expect(QStringLiteral("week/year"),
               QStringLiteral("week %1 of %2").arg(id.week).arg(id.year), made);

    BasicDisplayParams p{};
    block.GetBasicDisplayParams(&p);
    expect(QStringLiteral("input"),
           p.digital ? QStringLiteral("Digital") : QStringLiteral("Analog"),
           lines.contains(QStringLiteral("Digital display")) ? QStringLiteral("Digital")
                                                             : QStringLiteral("Analog"));
    const QString size = valueOf(lines, QStringLiteral("Maximum image size:"));
    if (!size.isEmpty())
        expect(QStringLiteral("size"),
               QStringLiteral("%1 cm x %2 cm").arg(p.horizontalSize).arg(p.verticalSize), size);
    else if (lines.contains(QStringLiteral("Image size is variable")))
        expect(QStringLiteral("size kind"), QString::number(p.screenSizeKind),
               QString::number(ScreenSizeUndefined));
    const QString gamma = valueOf(lines, QStringLiteral("Gamma:"));
    expect(QStringLiteral("gamma"), p.gammaDefined ? QString::number(p.gamma, 'f', 2) : QString(),
           gamma);
    QStringList dpms;
    if (p.featureBits & FeatureStandby)
        dpms << QStringLiteral("Standby");
    if (p.featureBits & FeatureSuspend)
        dpms << QStringLiteral("Suspend");
    if (p.featureBits & FeatureActiveOff)
        dpms << QStringLiteral("Off");
    expect(QStringLiteral("DPMS"), dpms.join(QLatin1Char(' ')),
           valueOf(lines, QStringLiteral("DPMS levels:")));
    expect(QStringLiteral("sRGB"),
           QString::number((p.featureBits & FeatureStandardColorSpace) != 0),
           QString::number(lines.contains(
               QStringLiteral("Default (sRGB) color space is primary color space"))));
    const bool preferredLine =
        lines.contains(QStringLiteral("First detailed timing is the preferred timing"))
        || lines.contains(QStringLiteral("First detailed timing includes the native pixel format "
                                         "and preferred refresh rate"));
    expect(QStringLiteral("preferred timing"),
           QString::number((p.featureBits & FeaturePreferredTiming) != 0),
           QString::number(preferredLine));
    if (edid14)
        expect(QStringLiteral("continuous"),
               QString::number((p.featureBits & FeatureContinuousFrequency) != 0),
               QString::number(lines.contains(QStringLiteral("Display is continuous frequency"))));
    else
        expect(QStringLiteral("default GTF"),
               QString::number((p.featureBits & FeatureDefaultGtf) != 0),
               QString::number(
                   lines.contains(QStringLiteral("Supports GTF timings within operating range"))));
    if (!p.digital || !edid14) {
        static const char *const types[4] = {"Monochrome or grayscale display", "RGB color display",
                                             "Non-RGB color display",
                                             "Undefined display color type"};
        expect(QStringLiteral("colour type"), QString::number(p.colorType),
               QString::number(p.colorType < 4 && lines.contains(QLatin1String(types[p.colorType]))
                                   ? p.colorType
                                   : 99u));
    } else {
        static const char *const formats[4] = {"RGB 4:4:4", "RGB 4:4:4, YCrCb 4:4:4",
                                               "RGB 4:4:4, YCrCb 4:2:2",
                                               "RGB 4:4:4, YCrCb 4:4:4, YCrCb 4:2:2"};
        expect(QStringLiteral("colour formats"),
               p.colorType >= 4 && p.colorType <= 7 ? QLatin1String(formats[p.colorType - 4])
                                                    : QString(),
               valueOf(lines, QStringLiteral("Supported color formats:")));
        static const char *const depths[8] = {"", "6", "8", "10", "12", "14", "16", ""};
        expect(QStringLiteral("colour depth"), QLatin1String(depths[p.colorBitDepth & 7]),
               valueOf(lines, QStringLiteral("Bits per primary color channel:")));
        static const char *const interfaces[6] = {"",
                                                  "DVI interface",
                                                  "HDMI-a interface",
                                                  "HDMI-b interface",
                                                  "MDDI interface",
                                                  "DisplayPort interface"};
        if (p.digitalInterface >= 1 && p.digitalInterface <= 5)
            expect(QStringLiteral("interface"), QString::number(p.digitalInterface),
                   QString::number(lines.contains(QLatin1String(interfaces[p.digitalInterface]))
                                       ? p.digitalInterface
                                       : 99u));
    }
    if (!p.digital) {
        static const char *const levels[4] = {
            "0.700 : 0.300 : 1.000 V p-p", "0.714 : 0.286 : 1.000 V p-p",
            "1.000 : 0.400 : 1.400 V p-p", "0.700 : 0.000 : 0.700 V p-p"};
        expect(QStringLiteral("signal level"), QLatin1String(levels[p.signalLevel & 3]),
               valueOf(lines, QStringLiteral("Signal Level Standard:")));
        expect(QStringLiteral("blank-to-black"), QString::number(p.blankToBlackSetup),
               QString::number(lines.contains(QStringLiteral("Blank-to-black setup/pedestal"))));
        QStringList sync;
        if (p.separateSync)
            sync << QStringLiteral("Separate");
        if (p.compositeSyncOnHorizontal)
            sync << QStringLiteral("Composite");
        if (p.syncOnGreen)
            sync << QStringLiteral("SyncOnGreen");
        if (p.serration)
            sync << QStringLiteral("Serration");
        expect(QStringLiteral("sync"), sync.join(QLatin1Char(' ')),
               valueOf(lines, QStringLiteral("Sync:")));
    }

    ColorCharacteristics c{};
    block.GetColorCharacteristics(&c);
    expect(QStringLiteral("red"), chroma(c.redX, c.redY), valueOf(lines, QStringLiteral("Red  :")));
    expect(QStringLiteral("green"), chroma(c.greenX, c.greenY),
           valueOf(lines, QStringLiteral("Green:")));
    expect(QStringLiteral("blue"), chroma(c.blueX, c.blueY),
           valueOf(lines, QStringLiteral("Blue :")));
    expect(QStringLiteral("white"), chroma(c.whiteX, c.whiteY),
           valueOf(lines, QStringLiteral("White:")));

    // Established timings I & II: sizes exactly, rates within 1 Hz (the table holds the
    // nominal rate, e.g. 72 Hz for the 72.8 Hz mode).
    QList<ModeLine> ourModes;
    for (unsigned i = 0; i < 17; ++i) {
        if (!block.IsEstablishedTimingSupported(0, i))
            continue;
        const EstablishedMode &m = Edid13Block::EstablishedTimings[i];
        ModeLine line;
        line.width = m.width;
        line.height = i == 16 ? 870u : m.height;
        line.hz = m.refreshRate;
        ourModes << line;
    }
    QList<ModeLine> theirModes;
    for (const QString &line : sectionLines(lines, QStringLiteral("Established Timings I & II"))) {
        ModeLine m;
        if (parseMode(line, &m))
            theirModes << m;
    }
    const auto modeText = [](const QList<ModeLine> &modes) {
        QStringList list;
        for (const ModeLine &m : modes)
            list << QStringLiteral("%1x%2@%3").arg(m.width).arg(m.height).arg(m.hz);
        return list.join(QLatin1Char(' '));
    };
    bool same = ourModes.size() == theirModes.size();
    for (int i = 0; same && i < ourModes.size(); ++i) {
        const ModeLine &a = ourModes.at(i);
        const ModeLine &b = theirModes.at(i);
        same = a.width == b.width && a.height == b.height
               && (a.hz > b.hz ? a.hz - b.hz : b.hz - a.hz) <= 1;
    }
    if (!same)
        diffs << QStringLiteral("established timings: ours '%1', edid-decode '%2'")
                     .arg(modeText(ourModes), modeText(theirModes));
    QStringList theirs;

    // Standard timings: every code edid-decode lists must be one of ours, in order.
    const auto standardList = [&block](unsigned section, unsigned count) {
        QStringList list;
        for (unsigned i = 0; i < count; ++i) {
            StandardTiming t;
            t.defined = false;
            block.GetStandardTiming(section, i, &t);
            if (!t.defined || t.width <= 256)
                continue;
            unsigned h = 0;
            switch (t.aspect) {
            case AspectRatio16x10:
                // Before EDID 1.3 the aspect bits 00 meant 1:1.
                h = (block.GetVersion() & 0xFFu) < 3 ? t.width : t.width * 10 / 16;
                break;
            case AspectRatio4x3:
                h = t.width * 3 / 4;
                break;
            case AspectRatio5x4:
                h = t.width * 4 / 5;
                break;
            default:
                h = t.width * 9 / 16;
                break;
            }
            list << QStringLiteral("%1x%2@%3").arg(t.width).arg(h).arg(t.refreshRate);
        }
        return list;
    };
    theirs.clear();
    for (const QString &line : sectionLines(lines, QStringLiteral("Standard Timings:"))) {
        ModeLine m;
        if (parseMode(line, &m))
            theirs << QStringLiteral("%1x%2@%3").arg(m.width).arg(m.height).arg(m.hz);
    }
    expect(QStringLiteral("standard timings"), standardList(0, 8).join(QLatin1Char(' ')),
           theirs.join(QLatin1Char(' ')));

    // Descriptors in slot order.
    QStringList ourDescriptors;
    for (unsigned slot = 0; slot < 4; ++slot) {
        const DescriptorID kind = block.GetDescriptorID(slot);
        EdidString s{};
        switch (kind) {
        case DescriptorDetailedTiming: {
            DetailedTiming t;
            block.GetDetailedTiming(slot + 1, &t);
            QString line = QStringLiteral("DTD %1x%2%3")
                               .arg(t.hActive)
                               .arg(t.interlaced ? t.vActive * 2 : t.vActive)
                               .arg(t.interlaced ? QStringLiteral("i") : QString());
            if (t.hImageSize || t.vImageSize)
                line += QStringLiteral(" (%1 mm x %2 mm)").arg(t.hImageSize).arg(t.vImageSize);
            ourDescriptors << line;
            break;
        }
        case DescriptorProductName:
        case DescriptorSerialNumber:
        case DescriptorDataString: {
            block.GetDescriptorString(slot + 1, &s);
            const QString label =
                kind == DescriptorProductName    ? QStringLiteral("Display Product Name")
                : kind == DescriptorSerialNumber ? QStringLiteral("Display Product Serial Number")
                                                 : QStringLiteral("Alphanumeric Data String");
            ourDescriptors << (printable(s) ? QStringLiteral("%1: '%2'").arg(label, textOf(s))
                                            : QStringLiteral("%1: *").arg(label));
            break;
        }
        case DescriptorRangeLimits: {
            RangeLimits r{};
            block.GetRangeLimits(slot + 1, &r);
            unsigned minV = r.minVerticalRate, maxV = r.maxVerticalRate;
            unsigned minH = r.minHorizontalRate, maxH = r.maxHorizontalRate;
            // The reserved offset bits 01 add nothing.
            const auto raisesMax = [](unsigned offsets) {
                return offsets == RateOffsetMax255 || offsets == RateOffsetMaxMin255;
            };
            if (edid14) {
                if (raisesMax(r.horizontalOffsetKind))
                    maxH += 255;
                if (r.horizontalOffsetKind == RateOffsetMaxMin255)
                    minH += 255;
                if (raisesMax(r.verticalOffsetKind))
                    maxV += 255;
                if (r.verticalOffsetKind == RateOffsetMaxMin255)
                    minV += 255;
            }
            ourDescriptors << QStringLiteral("Range %1-%2 Hz V, %3-%4 kHz H, max dotclock %5 MHz")
                                  .arg(minV)
                                  .arg(maxV)
                                  .arg(minH)
                                  .arg(maxH)
                                  .arg(r.maxPixelClock);
            break;
        }
        default:
            break;
        }
    }
    QStringList theirDescriptors;
    static const QRegularExpression dtd(
        QStringLiteral("^DTD \\d+:\\s+(\\d+x\\d+i?)\\s.*?(\\(\\d+ mm x \\d+ mm\\))?$"));
    static const QRegularExpression range(QStringLiteral(
        "^Monitor ranges \\(.*\\): (\\d+-\\d+ Hz V, \\d+-\\d+ kHz H, max dotclock \\d+ MHz)"));
    const bool spwg = lines.contains(QStringLiteral("SPWG Descriptor #3:"));
    for (const QString &line : lines) {
        QRegularExpressionMatch m = dtd.match(line);
        if (m.hasMatch()) {
            theirDescriptors << QStringLiteral("DTD ") + m.captured(1)
                                    + (m.captured(2).isEmpty()
                                           ? QString()
                                           : QStringLiteral(" ") + m.captured(2));
            continue;
        }
        m = range.match(line);
        if (m.hasMatch()) {
            theirDescriptors << QStringLiteral("Range ") + m.captured(1);
            continue;
        }
        for (const QString &label : {QStringLiteral("Display Product Name"),
                                     QStringLiteral("Display Product Serial Number"),
                                     QStringLiteral("Alphanumeric Data String")}) {
            if (line.startsWith(label + QLatin1Char(':'))) {
                theirDescriptors << line;
                break;
            }
        }
    }
    // Strings we cannot compare as text ('*') take whatever edid-decode printed there.
    for (int i = 0; i < ourDescriptors.size() && i < theirDescriptors.size(); ++i) {
        if (ourDescriptors.at(i).endsWith(QLatin1String(": *")))
            ourDescriptors[i] = theirDescriptors.at(i);
    }
    if (spwg) {
        // The SPWG 0xFE descriptors are printed as a panel layout by edid-decode.
        ourDescriptors.erase(std::remove_if(ourDescriptors.begin(), ourDescriptors.end(),
                                            [](const QString &s) {
                                                return s.startsWith(QLatin1String("Alphanumeric"));
                                            }),
                             ourDescriptors.end());
    }
    expect(QStringLiteral("descriptors"), ourDescriptors.join(QStringLiteral(" | ")),
           theirDescriptors.join(QStringLiteral(" | ")));
    return diffs;
}

void writeBackEdid14Descriptors(Edid14Block &block)
{
    for (unsigned slot = 1; slot <= 4; ++slot) {
        switch (block.GetDescriptorID(slot - 1)) {
        case DescriptorColorManagement: {
            ColorManagement cm{};
            block.GetColorManagement(slot, &cm);
            block.SetColorManagement(slot, &cm);
            break;
        }
        case DescriptorCvt3ByteCodes:
            for (unsigned i = 0; i < 4; ++i) {
                Cvt3ByteTiming t;
                block.GetCvt3ByteTiming(slot, i, &t);
                block.SetCvt3ByteTiming(slot, i, &t);
            }
            break;
        case DescriptorEstablishedTimingsIII:
            for (unsigned i = 0; i < 44; ++i)
                block.SetEstablishedTimingSupport(slot, i,
                                                  block.IsEstablishedTimingSupported(slot, i));
            break;
        default:
            break;
        }
    }
}

QStringList compareEdid14Descriptors(Edid14Block &block, const QByteArray &image)
{
    QStringList diffs;
    const QStringList lines = decodeBlock0(image);
    const auto expect = [&diffs](const QString &what, const QString &ours, const QString &theirs) {
        if (ours != theirs)
            diffs << QStringLiteral("%1: ours '%2', edid-decode '%3'").arg(what, ours, theirs);
    };
    const auto modes = [](const QStringList &section) {
        QStringList list;
        for (const QString &line : section) {
            ModeLine m;
            if (parseMode(line, &m))
                list << QStringLiteral("%1x%2@%3%4")
                            .arg(m.width)
                            .arg(m.height)
                            .arg(m.hz)
                            .arg(line.contains(QLatin1String("RB")) ? QStringLiteral("RB")
                                                                    : QString());
        }
        return list;
    };
    for (unsigned slot = 1; slot <= 4; ++slot) {
        switch (block.GetDescriptorID(slot - 1)) {
        case DescriptorColorManagement: {
            ColorManagement cm{};
            block.GetColorManagement(slot, &cm);
            const QStringList section =
                sectionLines(lines, QStringLiteral("Display Color Management Data:"));
            const QString ours = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                                     .arg(cm.version)
                                     .arg(cm.redA3, 0, 'f', 2)
                                     .arg(cm.redA2, 0, 'f', 2)
                                     .arg(cm.greenA3, 0, 'f', 2)
                                     .arg(cm.greenA2, 0, 'f', 2)
                                     .arg(cm.blueA3, 0, 'f', 2)
                                     .arg(cm.blueA2, 0, 'f', 2);
            QStringList values;
            for (const QString &line : section)
                values << line.section(QLatin1Char(':'), 1).trimmed();
            expect(QStringLiteral("colour management"), ours, values.join(QLatin1Char(' ')));
            break;
        }
        case DescriptorCvt3ByteCodes: {
            QStringList ours;
            for (unsigned i = 0; i < 4; ++i) {
                Cvt3ByteTiming t;
                if (!block.GetCvt3ByteTiming(slot, i, &t) || !t.defined)
                    continue;
                unsigned w = 0;
                switch (t.aspect) {
                case AspectRatio4x3:
                    w = t.lines * 4 / 24 * 8;
                    break;
                case AspectRatio16x9:
                    w = t.lines * 16 / 72 * 8;
                    break;
                case AspectRatio16x10:
                    w = t.lines * 16 / 80 * 8;
                    break;
                default:
                    w = t.lines * 15 / 72 * 8;
                    break;
                }
                const auto add = [&](bool on, unsigned hz, bool rb) {
                    if (on)
                        ours << QStringLiteral("%1x%2@%3%4")
                                    .arg(w)
                                    .arg(t.lines)
                                    .arg(hz)
                                    .arg(rb ? QStringLiteral("RB") : QString());
                };
                add(t.rate50Hz, 50, false);
                add(t.rate60Hz, 60, false);
                add(t.rate75Hz, 75, false);
                add(t.rate85Hz, 85, false);
                add(t.rate60HzReducedBlanking, 60, true);
            }
            QStringList theirs =
                modes(sectionLines(lines, QStringLiteral("CVT 3 Byte Timing Codes:")));
            ours.sort();
            theirs.sort();
            expect(QStringLiteral("CVT codes"), ours.join(QLatin1Char(' ')),
                   theirs.join(QLatin1Char(' ')));
            break;
        }
        case DescriptorEstablishedTimingsIII: {
            QStringList ours;
            for (unsigned i = 0; i < 44; ++i) {
                if (block.IsEstablishedTimingSupported(slot, i)) {
                    const EstablishedMode &m = Edid14Block::EstablishedTimingsIII[i];
                    ours << QStringLiteral("%1x%2").arg(m.width).arg(m.height);
                }
            }
            QStringList theirs;
            for (const QString &line :
                 sectionLines(lines, QStringLiteral("Established timings III:"))) {
                ModeLine m;
                if (parseMode(line, &m))
                    theirs << QStringLiteral("%1x%2").arg(m.width).arg(m.height);
            }
            expect(QStringLiteral("established timings III"), ours.join(QLatin1Char(' ')),
                   theirs.join(QLatin1Char(' ')));
            break;
        }
        case DescriptorRangeLimits: {
            RangeLimits r{};
            block.GetRangeLimits(slot, &r);
            if (r.timingSupport != RangeCvt)
                break;
            // edid-decode leaves out a line count of 0 (no limit) and a precision of 0.
            expect(QStringLiteral("CVT max active pixels"),
                   r.cvt.maxActivePixels ? QString::number(r.cvt.maxActivePixels * 8) : QString(),
                   valueOf(lines, QStringLiteral("Max active pixels per line:")));
            expect(
                QStringLiteral("CVT real max dotclock"),
                r.cvt.pixelClockPrecision
                    ? QString::number(r.maxPixelClock - r.cvt.pixelClockPrecision / 1000.0, 'f', 2)
                          + QStringLiteral(" MHz")
                    : QString(),
                valueOf(lines, QStringLiteral("Real max dotclock:")));
            QStringList aspects;
            if (r.aspect4x3)
                aspects << QStringLiteral("4:3");
            if (r.aspect16x9)
                aspects << QStringLiteral("16:9");
            if (r.aspect16x10)
                aspects << QStringLiteral("16:10");
            if (r.aspect5x4)
                aspects << QStringLiteral("5:4");
            if (r.aspect15x9)
                aspects << QStringLiteral("15:9");
            expect(QStringLiteral("CVT aspects"), aspects.join(QLatin1Char(' ')),
                   valueOf(lines, QStringLiteral("Supported aspect ratios:")));
            static const QMap<unsigned, QString> names = {
                {AspectRatio4x3, QStringLiteral("4:3")},
                {AspectRatio16x9, QStringLiteral("16:9")},
                {AspectRatio16x10, QStringLiteral("16:10")},
                {AspectRatio5x4, QStringLiteral("5:4")},
                {AspectRatio15x9, QStringLiteral("15:9")}};
            // edid-decode names a reserved code as the tree does.
            const QString preferred =
                isRangeReservedCode(r.cvt.preferredAspect)
                    ? QStringLiteral("Unknown (0x%1)")
                          .arg(r.cvt.preferredAspect & 0xFFu, 2, 16, QLatin1Char('0'))
                    : names.value(r.cvt.preferredAspect);
            expect(QStringLiteral("CVT preferred aspect"), preferred,
                   valueOf(lines, QStringLiteral("Preferred aspect ratio:")));
            expect(
                QStringLiteral("CVT standard blanking"), QString::number(r.standardBlanking),
                QString::number(lines.contains(QStringLiteral("Supports CVT standard blanking"))));
            expect(
                QStringLiteral("CVT reduced blanking"), QString::number(r.reducedBlanking),
                QString::number(lines.contains(QStringLiteral("Supports CVT reduced blanking"))));
            QStringList scaling;
            if (r.horizontalShrink)
                scaling << QStringLiteral("Horizontal shrink");
            if (r.horizontalStretch)
                scaling << QStringLiteral("Horizontal stretch");
            if (r.verticalShrink)
                scaling << QStringLiteral("Vertical shrink");
            if (r.verticalStretch)
                scaling << QStringLiteral("Vertical stretch");
            QStringList theirScaling;
            for (const QString &s :
                 {QStringLiteral("Horizontal shrink"), QStringLiteral("Horizontal stretch"),
                  QStringLiteral("Vertical shrink"), QStringLiteral("Vertical stretch")}) {
                if (lines.contains(s))
                    theirScaling << s;
            }
            expect(QStringLiteral("CVT scaling"), scaling.join(QLatin1Char(',')),
                   theirScaling.join(QLatin1Char(',')));
            expect(QStringLiteral("CVT preferred refresh"),
                   QStringLiteral("%1 Hz").arg(r.cvt.preferredRefresh),
                   valueOf(lines, QStringLiteral("Preferred vertical refresh:")));
            break;
        }
        default:
            break;
        }
    }
    return diffs;
}

} // namespace EdidBaseCheck
