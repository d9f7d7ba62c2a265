#include "displayidblock.h"
#include "displayidlayout.h"
#include "model/bits.h"
#include "model/callbackfillcontenttgt.h"
#include "model/reporttext.h"

using namespace DisplayIDLayout;

// Text report of a DisplayID section: one line per problem found. Data-block lines are framed
// as two spaces, the text, a space and CR LF.

namespace {

// A whole multiple of step within [step, high]: a payload of whole descriptors of step bytes,
// or a horizontal value in 8-pixel units.
bool stepsWithin(unsigned value, unsigned step, unsigned high)
{
    return value >= step && value <= high && value % step == 0;
}

// Writes problem lines of one data block; counts them.
class Report
{
public:
    Report(CallbackFillContentTgt *target, const QString &prefix)
        : m_target(target)
        , m_prefix(prefix)
    {}

    // A line with the block's prefix.
    void problem(const QString &text) { line(m_prefix + text); }
    // A line with its own prefix.
    void line(const QString &text)
    {
        m_target->AppendText(QStringLiteral("  ") + text + QStringLiteral(" \r\n"));
        ++m_count;
    }
    // A problem without a line.
    void silent() { ++m_count; }
    // A value check: outside [low, high] gives the line.
    void range(double value, double low, double high, const QString &text)
    {
        if (value < low || value > high)
            problem(text);
    }
    int count() const { return m_count; }

private:
    CallbackFillContentTgt *m_target;
    QString m_prefix;
    int m_count = 0;
};

} // namespace

int DisplayIDBlock::Validate(CallbackFillContentTgt *target)
{
    if (m_section == nullptr || target == nullptr)
        return 0;
    appendHeading(target);
    int problems = validateGeneralInfo(target);
    for (unsigned i = 0; i < m_blockCount; ++i)
        problems += validateDataBlock(target, i);
    problems += validateSingleBlocks(target);
    ReportText::appendValid(target, problems);
    return problems;
}

void DisplayIDBlock::appendHeading(CallbackFillContentTgt *target) const
{
    const unsigned version = GetVersion();
    const QString heading =
        m_base
            ? tr("\r\nValidating DisplayID %1.%2 Base Block. Data Range: Byte[%3] --> Byte[%4]\r\n")
            : tr("\r\nValidating DisplayID %1.%2 Extension Block. Data Range: Byte[%3] --> "
                 "Byte[%4]\r\n");
    // The range ends with the section's last byte, or for an extension with the last byte of
    // its 128-byte block (a wrapped section starts one byte into the block).
    const unsigned last =
        m_base ? startOffset + GetBlockSize() - 1
               : startOffset - (m_wrapped ? WrappedSectionByte : 0u) + ExtensionBlockBytes - 1;
    target->AppendText(heading.arg(version >> 4).arg(version & 15u).arg(startOffset).arg(last));
}

int DisplayIDBlock::validateDataBlock(CallbackFillContentTgt *target, unsigned index)
{
    using Check = int (DisplayIDBlock::*)(CallbackFillContentTgt *, unsigned);
    struct TagCheck
    {
        unsigned tag;
        Check check;
    };
    // Transfer characteristics (0x0E) and unknown tags have no check.
    static const TagCheck checks[] = {
        {DidTagProductId, &DisplayIDBlock::validateProductIdentification},
        {DidTagDisplayParams, &DisplayIDBlock::validateDisplayParameters},
        {DidTagColorChars, &DisplayIDBlock::validateColorCharacteristics},
        {DidTagType1Timing, &DisplayIDBlock::validateType1TimingDetailed},
        {DidTagType2Timing, &DisplayIDBlock::validateType2TimingDetailed},
        {DidTagType3Timing, &DisplayIDBlock::validateType3TimingShort},
        {DidTagType4Timing, &DisplayIDBlock::validateType4TimingDmt},
        {DidTagType5Timing, &DisplayIDBlock::validateType5TimingShort},
        {DidTagType6Timing, &DisplayIDBlock::validateType6TimingDetailed},
        {DidTagVesaTimings, &DisplayIDBlock::validateVesaTimings},
        {DidTagCeaTimings, &DisplayIDBlock::validateCeaTimings},
        {DidTagRangeLimits, &DisplayIDBlock::validateRangeLimits},
        {DidTagSerialNumber, &DisplayIDBlock::validateProductSerialNumber},
        {DidTagAsciiString, &DisplayIDBlock::validateGeneralPurposeAscii},
        {DidTagDeviceData, &DisplayIDBlock::validateDeviceData},
        {DidTagPowerSequencing, &DisplayIDBlock::validatePowerSequence},
        {DidTagDisplayInterface, &DisplayIDBlock::validateDisplayInterface},
        {DidTagStereoInterface, &DisplayIDBlock::validateStereoInterface},
        {DidTagTiledDisplay, &DisplayIDBlock::validateTiledDisplay},
        {DidTagVendorSpecific, &DisplayIDBlock::validateVendorSpecificData},
    };
    for (const TagCheck &entry : checks) {
        if (entry.tag == m_map[index].tag)
            return (this->*entry.check)(target, index);
    }
    return 0;
}

int DisplayIDBlock::validateSingleBlocks(CallbackFillContentTgt *target) const
{
    struct Single
    {
        DisplayBlockID kind;
        const char *text;
    };
    static const Single singles[] = {
        {DidBlockProductId,
         QT_TRANSLATE_NOOP("DisplayIDBlock",
                           "There can only be 1 product identification data block.")},
        {DidBlockDisplayParams,
         QT_TRANSLATE_NOOP("DisplayIDBlock", "There can only be 1 display parameters data block.")},
        {DidBlockVesaTimings,
         QT_TRANSLATE_NOOP("DisplayIDBlock",
                           "There can only be 1 VESA timing standard data block.")},
        {DidBlockCeaTimings,
         QT_TRANSLATE_NOOP("DisplayIDBlock",
                           "There can only be 1 CEA timing standard data block.")},
        {DidBlockSerialNumber,
         QT_TRANSLATE_NOOP("DisplayIDBlock",
                           "There can only be 1 product serial number data block.")},
        {DidBlockDeviceData,
         QT_TRANSLATE_NOOP("DisplayIDBlock", "There can only be 1 display device data block.")},
        {DidBlockPowerSequencing,
         QT_TRANSLATE_NOOP("DisplayIDBlock", "There can only be 1 power sequencing data block.")},
        {DidBlockDisplayInterface,
         QT_TRANSLATE_NOOP("DisplayIDBlock", "There can only be 1 display interface data block.")},
        {DidBlockStereoInterface,
         QT_TRANSLATE_NOOP("DisplayIDBlock", "There can only be 1 stereo interface data block.")},
    };
    Report duplicates(target, QString());
    for (const Single &single : singles) {
        if (counter(single.kind) > 1)
            duplicates.line(tr(single.text));
    }
    return duplicates.count();
}

int DisplayIDBlock::validateGeneralInfo(CallbackFillContentTgt *target)
{
    if (m_section == nullptr || target == nullptr)
        return 0;
    const unsigned limit = m_base ? MaxSectionLength : (m_wrapped ? PaddedExtensionLength : 122u);
    Report report(target, QString());
    if (sectionLength() > limit)
        report.line(tr("Section size is greater than %1 bytes.").arg(limit));
    return report.count();
}

int DisplayIDBlock::validateProductIdentification(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Product identification data block] - "));
    if (length < 12 || length > 248) {
        report.problem(
            tr("payload size is beyond the range [%1 bytes, %2 bytes].").arg(12).arg(248));
        return report.count();
    }
    DidProductIdDataBlock r;
    GetProductIdentificationDataBlock(index, &r);
    if (m_base && index != 0)
        report.problem(tr("this block has to be first one."));
    if (r.nameLength > 233)
        report.problem(tr("product ID string size exceeds %1 bytes.").arg(233));
    if (r.week > 54)
        report.line(tr("[Product idenfication data block] - manufacturer week can't exceed 54."));
    if (r.year < 2000)
        report.line(tr(
            "[Product idenfication data block] - manufacturer year can't be smaller than 2000."));
    return report.count();
}

int DisplayIDBlock::validateDisplayParameters(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Display parameters data block] - "));
    if (length != 12) {
        report.problem(tr("payload size should be %1 bytes].").arg(12));
        return report.count();
    }
    DidDisplayParamsDataBlock r;
    GetDisplayParametersDataBlock(index, &r);
    report.range(r.hImageSize, 0.1, 6553.5,
                 tr("horizontal image size should be within [0.1 , 6553.5] mm."));
    report.range(r.vImageSize, 0.1, 6553.5,
                 tr("vertical image size should be within [0.1 , 6553.5] mm."));
    report.range(r.hPixels, 1, 65535, tr("horizontal pixel count should be within [1, 65 535]."));
    report.range(r.vPixels, 1, 65535, tr("vertical pixel count should be within [1, 65 535]."));
    report.range(r.gamma, 1.0, 3.54, tr("gamma value should be within [1.00, 3.54]."));
    report.range(r.aspectRatio, 1.0, 3.55, tr("aspect ratio should be within [1.00, 3.55]."));
    report.range(r.overallDynamicRange, 1, 16,
                 tr("overall dynamic range should be within [1, 16]."));
    report.range(r.nativeDynamicRange, 1, 16, tr("dynamic range should be within [1, 16]."));
    return report.count();
}

int DisplayIDBlock::validateColorCharacteristics(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (target == nullptr || p == nullptr)
        return 0;
    Report report(target, tr("[Color characteristics data block] - "));
    if (length == 0 || (length - 1) % 3 != 0)
        report.problem(tr("payload size is invalid."));
    if (length == 0)
        return report.count();
    const unsigned white = bits(p[0], 3, 0);
    const unsigned primaries = bits(p[0], 6, 4);
    if (3 * (white + primaries) + 1 != length)
        report.problem(tr("payload size does not match number of primaries and white points."));
    if (white == 0)
        report.problem(tr("Number of white points has to be greater than 0."));
    return report.count();
}

int DisplayIDBlock::validateType1TimingDetailed(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Type 1 Detailed Timing] - "));
    if (!stepsWithin(length, 20, 240)) {
        report.problem(tr("the payload size is invalid."));
        return report.count();
    }
    for (unsigned k = 0; k < length / 20; ++k) {
        DidType1DetTimingDesc r;
        GetType1DetTimingDescriptor(index, k, &r);
        report.range(r.pixelClock, 0.01, 167772.16,
                     tr("pixel clock should be within 0.01->167,772.16 MPixels/sec."));
        report.range(r.hActive, 1, 65536, tr("HActive should be within 1->65,536 pixels."));
        report.range(r.hBlank, 1, 65536, tr("HBlank should be within 1->65,536."));
        report.range(r.hOffset, 1, 32768, tr("hFront porch should be within 1->32,768."));
        report.range(r.vActive, 1, 65536, tr("vActive should be within 1->65,536."));
        report.range(r.vBlank, 1, 65536, tr("vBlank should be within 1->65,536."));
        report.range(r.vOffset, 1, 32768, tr("vFront porch should be within 1->32,768."));
        report.range(r.vSyncWidth, 1, 65536, tr("vSync width should be within 1->65,536."));
    }
    return report.count();
}

int DisplayIDBlock::validateType2TimingDetailed(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Type 2 Detailed Timing] - "));
    if (!stepsWithin(length, 11, 242)) {
        report.problem(tr("the payload size is invalid."));
        return report.count();
    }
    const auto eighths = [&](unsigned value, unsigned high, const QString &text) {
        if (!stepsWithin(value, 8, high))
            report.problem(text);
    };
    for (unsigned k = 0; k < length / 11; ++k) {
        DidType2DetTimingDesc r;
        GetType2DetTimingDescriptor(index, k, &r);
        report.range(r.pixelClock, 0.01, 167772.16,
                     tr("pixel clock should be within 0.01->167,772.16 MPixels/sec."));
        eighths(r.hActive, 4096,
                tr("hActive should be within 8->4096 and must be divisible by 8."));
        eighths(r.hBlank, 1024, tr("hBlank should be within 8->1024 and must be divisible by 8."));
        eighths(r.hOffset, 128,
                tr("hFront porch should be within 8->128 and must be divisible by 8."));
        eighths(r.hSyncWidth, 128,
                tr("hSync width should be within 8->128 and must be divisible by 8."));
        report.range(r.vActive, 1, 4096, tr("vActive should be within 1->4096."));
        report.range(r.vBlank, 1, 256, tr("vBlank should be within 1->256."));
        report.range(r.vOffset, 1, 16, tr("vFront porch should be within 1->16."));
        report.range(r.vSyncWidth, 1, 16, tr("vSync width shoudl be within 1->16."));
    }
    return report.count();
}

int DisplayIDBlock::validateType3TimingShort(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Type 3 Short Timing] - "));
    if (!stepsWithin(length, 3, 246)) {
        report.problem(tr("the payload size is invalid."));
        return report.count();
    }
    for (unsigned k = 0; k < length / 3; ++k) {
        DidType3ShortTimingDesc r;
        GetType3ShortTimingDescriptor(index, k, &r);
        if (!stepsWithin(r.hActive, 8, 2048))
            report.problem(tr("hActive should be within [8, 2048] and must be divisible by 8."));
        report.range(r.refresh, 1, 128,
                     tr("the frame/field refresh rate should be within 1->128 ."));
    }
    return report.count();
}

int DisplayIDBlock::validateType4TimingDmt(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (target == nullptr || p == nullptr)
        return 0;
    Report report(target, tr("[Type 4 DMT Timing] - "));
    if (length < 1 || length > 248) {
        report.problem(tr("the payload size is invalid."));
        return report.count();
    }
    const unsigned type = bits(m_map[index].revision, 7, 6);
    const unsigned limits[] = {255, 64, 4};
    if (type > 2)
        return report.count();
    for (unsigned k = 0; k < length; ++k) {
        if (p[k] < 1 || p[k] > limits[type])
            report.problem(tr("timing code is outside the range [1, %1].").arg(limits[type]));
    }
    return report.count();
}

int DisplayIDBlock::validateType5TimingShort(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Type 5 Short Timing] - "));
    if (!stepsWithin(length, 7, 245)) {
        report.problem(tr("the payload size is invalid."));
        return report.count();
    }
    for (unsigned k = 0; k < length / 7; ++k) {
        DidType5ShortTimingDesc r;
        GetType5ShortTimingDescriptor(index, k, &r);
        report.range(r.hActive, 1, 65536, tr("hActive should be within 1->65,536 pixels."));
        report.range(r.vActive, 1, 65536, tr("vActive should be within 1->65,536 lines."));
        report.range(r.refresh, 1, 256, tr("the refresh rate should be within 1->256 Hz."));
    }
    return report.count();
}

int DisplayIDBlock::validateType6TimingDetailed(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    Report report(target, tr("[Type 6 Detailed Timing] - "));
    if (length < 14 || length > 238) {
        report.silent();
        return report.count();
    }
    const std::unique_ptr<unsigned[]> counts = GetNumOfType6DetTimingDescriptors(index);
    const unsigned count = counts[0] + counts[1];
    const std::unique_ptr<bool[]> sizes = GetType6DetDescriptorInfo(index, count);
    if (sizes == nullptr)
        return report.count();
    unsigned offset = 0;
    for (unsigned k = 0; k < count; ++k) {
        const unsigned size = sizes[k] ? 17u : 14u;
        if (offset + size > length)
            break;
        offset += size;
        DidType6DetTimingDesc r;
        GetType6DetTimingDescriptor(index, k, sizes.get(), &r);
        report.range(r.pixelClock, 0.001, 4194.303,
                     tr("pixel clock should be within 0.001->4,194.303 MPixels/sec."));
        report.range(r.hActive, 1, 16384, tr("hActive should be within 1->16,384 pixels."));
        report.range(r.hBlank, 1, 4096, tr("hBlank should be within 1->4096 pixels."));
        report.range(r.hOffset, 1, 4096, tr("hFront porch should be within 1->4096."));
        report.range(r.hSyncWidth, 1, 256, tr("hSync width should be within 1->256."));
        report.range(r.vActive, 1, 16384, tr("vActive should be within 1->16,384 lines."));
        report.range(r.vBlank, 1, 256, tr("vBlank should be within 1->256 lines."));
        report.range(r.vOffset, 1, 256, tr("vFront porch should be within 1->256."));
        report.range(r.vSyncWidth, 1, 16, tr("vSync width should be within 1->16."));
        if (sizes[k]) {
            report.range(r.aspectRatio, 0, 2.99, tr("Aspect ratio should be within 0->2.99."));
            report.range(r.vImageSize, 1, 4096, tr("vImage size should be within 1->4096 mm."));
            report.range(r.vSizeMultiplier, 1, 16, tr("vSize multiplier should be within 1->16."));
        }
    }
    return report.count();
}

namespace {

// A payload-size check with its single line.
int sizeCheck(CallbackFillContentTgt *target, bool valid, const char *text)
{
    if (valid)
        return 0;
    Report report(target, QString());
    report.line(DisplayIDBlock::tr(text));
    return report.count();
}

} // namespace

int DisplayIDBlock::validateVesaTimings(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(target, length == 10,
                     QT_TRANSLATE_NOOP("DisplayIDBlock",
                                       "[VESA Timing Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateCeaTimings(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(target, length == 8,
                     QT_TRANSLATE_NOOP("DisplayIDBlock",
                                       "[CEA Timing Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateRangeLimits(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    if (length != 15) {
        return sizeCheck(
            target, false,
            QT_TRANSLATE_NOOP(
                "DisplayIDBlock",
                "[Video Timing Range Limits Data Block] - the payload size is invalid."));
    }
    Report report(target, tr("[Range Limits Data Block] - "));
    DidRangeLimitsDataBlock r;
    GetRangeLimitsDataBlock(index, &r);
    report.range(r.minPixelClock, 0.01, 167772.16,
                 tr("min. pixel clock should be within 0.01->167,772.16 MHz."));
    report.range(r.maxPixelClock, 0.01, 167772.16,
                 tr("max. pixel clock should be within 0.01->167,772.16 MHz."));
    report.range(r.minHFrequency, 0, 255, tr("min. HFrequency should be within 0->255 kHz."));
    report.range(r.maxHFrequency, 0, 255, tr("max. HFrequency should be within 0->255 kHz."));
    report.range(r.minHBlanking, 0, 65535, tr("min. HBlanking should be within 0->65,535 pixels."));
    report.range(r.minVRate, 0, 255, tr("min. VField rate should be within 0->255Hz."));
    report.range(r.maxVRate, 0, 255, tr("max. VField rate should be within 0->255Hz."));
    report.range(r.minVBlanking, 0, 65535, tr("min VBlanking should be within 0->65,535 lines."));
    return report.count();
}

int DisplayIDBlock::validateProductSerialNumber(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(
        target, length < 249,
        QT_TRANSLATE_NOOP("DisplayIDBlock",
                          "[Product Serial Number Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateGeneralPurposeAscii(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(
        target, length < 249,
        QT_TRANSLATE_NOOP(
            "DisplayIDBlock",
            "[General Purpose ASCII String Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateDeviceData(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(
        target, length == 13,
        QT_TRANSLATE_NOOP("DisplayIDBlock",
                          "[Display Device Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validatePowerSequence(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(
        target, length == 6,
        QT_TRANSLATE_NOOP("DisplayIDBlock",
                          "[Power Sequencing Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateDisplayInterface(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(
        target, length == 10,
        QT_TRANSLATE_NOOP("DisplayIDBlock",
                          "[Display Interface Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateStereoInterface(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (target == nullptr || p == nullptr)
        return 0;
    // The method-part length byte and the method code, and the method part within the payload
    // (a proprietary method has no parameters, so its payload is 2 bytes).
    const bool valid = length >= 2 && 1u + p[0] <= length;
    return sizeCheck(
        target, valid,
        QT_TRANSLATE_NOOP("DisplayIDBlock",
                          "[Stereo Interface Data Block] - the payload size is invalid."));
}

int DisplayIDBlock::validateTiledDisplay(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    if (length != 22)
        return sizeCheck(
            target, false,
            QT_TRANSLATE_NOOP("DisplayIDBlock",
                              "[Tiled Display Block]  - the payload size is invalid."));
    Report report(target, tr("[Tiled Display] - "));
    DidTiledDisplayDataBlock r;
    GetTiledDisplayDataBlock(index, &r);
    const bool bezels = r.bezel[0] != 0 || r.bezel[1] != 0 || r.bezel[2] != 0 || r.bezel[3] != 0;
    if (r.bezelPresent != 0 && r.pixelDensity == 0)
        report.problem(tr("Pixel density should be non-zero when bezel info is present."));
    if (r.bezelPresent == 0 && bezels)
        report.problem(tr("Bezel info is provided although the bezel info bit was set to 0."));
    report.range(r.hTiles, 1, 64, tr("Number of horizontal tiles should be within [1, 64]."));
    report.range(r.vTiles, 1, 64, tr("Number of vertical tiles should be within [1, 64]."));
    report.range(r.hLocation, 1, 64, tr("Horizontal tile location should be within [1, 64]."));
    report.range(r.vLocation, 1, 64, tr("Vertical tile location should be within [1, 64]."));
    report.range(r.hTileSize, 1, 65536,
                 tr("Horizontal tile size should be within [1, 65 536] pixels."));
    report.range(r.vTileSize, 1, 65536,
                 tr("Vertical tile size should be within [1, 65 536] lines."));
    return report.count();
}

int DisplayIDBlock::validateVendorSpecificData(CallbackFillContentTgt *target, unsigned index)
{
    unsigned length = 0;
    if (target == nullptr || payload(index, &length) == nullptr)
        return 0;
    return sizeCheck(
        target, length >= 3 && length <= 248,
        QT_TRANSLATE_NOOP("DisplayIDBlock",
                          "[Vendor Specific Data Block] - the payload size is invalid."));
}

bool DisplayIDBlock::ValidateDisplayIDBaseBlock(CallbackFillContentTgt *target,
                                                const unsigned char *image,
                                                unsigned startOffsetValue, unsigned size)
{
    if (target == nullptr || image == nullptr)
        return false;
    if (size < SectionOverhead) {
        target->AppendText(tr("  DisplayID: %1 - unsufficient size. Required at least %2 bytes\r\n")
                               .arg(size)
                               .arg(SectionOverhead));
        return false;
    }
    const unsigned char *section = image + startOffsetValue;
    const unsigned length = section[LengthByte];
    if (length > MaxSectionLength) {
        target->AppendText(
            tr("  DisplayID: Byte[%1] = %2 specifies size larger than maximum (%3 bytes)\r\n")
                .arg(startOffsetValue + LengthByte)
                .arg(length)
                .arg(MaxSectionLength));
        return false;
    }
    // The data area, the four header bytes and the checksum must all lie within the size.
    if (length + SectionOverhead > size) {
        target->AppendText(tr("  DisplayID: Byte[%1] = %2 specifies size large than available "
                              "space (%3 bytes)\r\n")
                               .arg(startOffsetValue + LengthByte)
                               .arg(length)
                               .arg(size));
        return false;
    }
    const unsigned version = section[VersionByte];
    if (version < 0x11 || version > 0x13) {
        target->AppendText(tr("  DisplayID: Byte[%1] = 0x%2 defines invalid version. Should be "
                              "between 0x%3 and 0x%4\r\n")
                               .arg(startOffsetValue + VersionByte)
                               .arg(ReportText::hex(version, 2), ReportText::hex(0x11, 2),
                                    ReportText::hex(0x13, 2)));
        return false;
    }
    return true;
}

bool DisplayIDBlock::ValidateDisplayIDExtBlock(CallbackFillContentTgt *target,
                                               const unsigned char *image,
                                               unsigned startOffsetValue, unsigned size)
{
    if (target == nullptr || image == nullptr)
        return false;
    if (size < ExtensionBlockBytes) {
        target->AppendText(tr("  DisplayID Ext: %1 - unsufficient size. Required %2 bytes\r\n")
                               .arg(size)
                               .arg(ExtensionBlockBytes));
        return false;
    }
    const unsigned tag = image[startOffsetValue];
    if (tag != EdidExtensionTag) {
        target->AppendText(
            tr("  DisplayID Ext: Byte[%1] = 0x%2 does not match DisplayID extension tag (0x%3)\r\n")
                .arg(startOffsetValue)
                .arg(ReportText::hex(tag, 2), ReportText::hex(EdidExtensionTag, 2)));
        return false;
    }
    // The wrapped section lies in bytes 1..126; byte 127 is the EDID block checksum.
    return ValidateDisplayIDBaseBlock(target, image, startOffsetValue + WrappedSectionByte,
                                      WrappedChecksumByte - WrappedSectionByte);
}
