// EDID 1.4 base block (VESA E-EDID 1.4): basic display parameters with aspect ratio, colour
// depth and interface; range limits with rate offsets and CVT support (section 3.10.3.3);
// colour management (3.10.3.7), CVT 3-byte codes (3.10.3.8) and established timings III
// (3.10.3.9) descriptors.

#include "edid14block.h"

#include "edidbaselayout.h"
#include "model/bits.h"
#include "model/callbackfillcontenttgt.h"
#include "model/reporttext.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

using namespace EdidBaseLayout;

namespace {

// Aspect-ratio bytes of an EDID 1.4 screen size (landscape in byte 21, portrait in byte 22):
// 16:9, 16:10, 4:3, 5:4.
const unsigned kAspectBytes[4] = {79, 61, 34, 26};

// Screen size kind offset (0..3) of an aspect-ratio byte; -1 for any other value.
int aspectIndex(unsigned byte)
{
    for (int i = 0; i < 4; ++i) {
        if (kAspectBytes[i] == byte)
            return i;
    }
    return -1;
}

// Range limits rate offsets (2 bits) <-> RateOffsetKind; 01 is reserved.
unsigned offsetKind(unsigned twoBits)
{
    static const unsigned kinds[4] = {RateOffsetNone, RateOffsetReserved, RateOffsetMax255,
                                      RateOffsetMaxMin255};
    return kinds[twoBits & 3u];
}

unsigned offsetBits(unsigned kind)
{
    switch (kind) {
    case RateOffsetReserved:
        return 1;
    case RateOffsetMax255:
        return 2;
    case RateOffsetMaxMin255:
        return 3;
    default:
        return 0;
    }
}

// The EDID 1.4 timing-support kind of range limits byte 10; a reserved byte as such.
unsigned timingSupportKind(unsigned byte10)
{
    switch (byte10) {
    case 0x00:
        return RangeDefaultGtf;
    case 0x01:
        return RangeLimitsOnly;
    case 0x02:
        return RangeSecondaryGtf;
    case 0x04:
        return RangeCvt;
    default:
        return RangeReservedCode + byte10;
    }
}

// The CVT preferred aspect ratio of byte 15 bits 7-5 (VESA E-EDID 1.4, table 3.27); 101 to 111
// are reserved.
const unsigned kPreferredAspects[5] = {AspectRatio4x3, AspectRatio16x9, AspectRatio16x10,
                                       AspectRatio5x4, AspectRatio15x9};

unsigned preferredAspect(unsigned threeBits)
{
    return threeBits < 5 ? kPreferredAspects[threeBits] : RangeReservedCode + threeBits;
}

unsigned preferredAspectBits(unsigned aspect)
{
    if (isRangeReservedCode(aspect))
        return aspect & 7u;
    for (unsigned bitsValue = 0; bitsValue < 5; ++bitsValue) {
        if (kPreferredAspects[bitsValue] == aspect)
            return bitsValue;
    }
    return 0; // an unknown code: 4:3
}

// Horizontal addressable pixels of a CVT code with lines lines and aspect bits (byte 1 bits
// 3-2), in whole character cells of 8 pixels as the CVT formula gives them.
unsigned cvtWidth(unsigned lines, unsigned aspectBits)
{
    switch (aspectBits) {
    case 0: // 4:3
        return lines * 4u / 24u * 8u;
    case 1: // 16:9
        return lines * 16u / 72u * 8u;
    case 2: // 16:10
        return lines * 16u / 80u * 8u;
    default: // 15:9
        return lines * 15u / 72u * 8u;
    }
}

unsigned cvtLines(const EdidCvt3ByteTiming *raw)
{
    return (raw->linesLow + bits(raw->linesHighAspect, 7, 4) * 256u + 1u) * 2u;
}

bool cvtEmpty(const EdidCvt3ByteTiming *raw)
{
    return raw->linesLow == 0 && raw->linesHighAspect == 0 && raw->rates == 0;
}

// Colour management coefficient: signed 16-bit little-endian in hundredths.
double coefficient(const unsigned char *bytes)
{
    return qFromLittleEndian<qint16>(bytes) / 100.0;
}

void storeCoefficient(unsigned char *bytes, double value)
{
    double scaled = std::floor(value * 100.0 + 0.5);
    if (!(scaled >= -32768.0)) // also catches NaN
        scaled = scaled > 0 ? 32767.0 : -32768.0;
    if (scaled > 32767.0)
        scaled = 32767.0;
    qToLittleEndian(static_cast<qint16>(scaled), bytes);
}

} // namespace

Edid14Block::Edid14Block(unsigned char *image, unsigned size, unsigned offset,
                         CallbackContext *context)
    : Edid13Block(image, size, offset, context)
{
    rawData = IsEdid14(image, size) ? image : nullptr;
    setBorderActiveState(true);
}

Edid14Block::~Edid14Block() = default;

// ---------------------------------------------------------------------------------------------
// Recognition and empty block

bool Edid14Block::IsEdid14(unsigned char *data, unsigned size)
{
    // Revision 4, and the later revisions real monitors carry (1.5, 1.19), which readers take
    // as EDID 1.4.
    return data && size >= BlockSize
           && std::memcmp(data + HeaderByte, EdidHeader, sizeof EdidHeader) == 0
           && data[VersionByte] == 1 && data[RevisionByte] >= 4;
}

bool Edid14Block::InitBuffer(unsigned char *data, unsigned size)
{
    if (!Edid13Block::InitBuffer(data, size))
        return false;
    data[RevisionByte] = 4;
    data[ChecksumByte] = computeOneByteCheckSum(data, ChecksumByte);
    return true;
}

bool Edid14Block::ValidateEdid14(CallbackFillContentTgt *target, unsigned char *image,
                                 unsigned offset, unsigned size)
{
    const QString prefix = QStringLiteral("  EDID1.4.........: ");
    if (!validateHeader(target, image, offset, size, prefix))
        return false;
    const unsigned revision = image[offset + RevisionByte];
    if (revision != 4) {
        ReportText::append(target, tr("%1Byte[%2] = 0x%3 defines invalid sub-version. Should be "
                                      "4\r\n")
                                       .arg(prefix)
                                       .arg(offset + RevisionByte)
                                       .arg(ReportText::hex(revision, 2)));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Basic display parameters

void Edid14Block::GetBasicDisplayParams(BasicDisplayParams *params)
{
    if (!rawData || !params)
        return;
    readBasicDisplayParams(params);
    const unsigned h = rawData[HSizeByte];
    const unsigned v = rawData[VSizeByte];
    // One size byte alone is an aspect ratio. A value outside the four ratios this program
    // offers stays a size pair (kind 0), so that writing the record back keeps it.
    if (h != 0 && v == 0 && aspectIndex(h) >= 0) {
        params->screenSizeKind = ScreenLandscape16x9 + static_cast<unsigned>(aspectIndex(h));
        params->horizontalSize = 0;
        params->verticalSize = 0;
    } else if (h == 0 && v != 0 && aspectIndex(v) >= 0) {
        params->screenSizeKind = ScreenPortrait9x16 + static_cast<unsigned>(aspectIndex(v));
        params->horizontalSize = 0;
        params->verticalSize = 0;
    }
    const unsigned features = rawData[FeatureByte];
    unsigned flags = withBit(params->featureBits, 6, false);
    flags = withBit(flags, 5, bit(features, 0) != 0); // continuous frequency
    params->featureBits = lowByte(flags);
    if (params->digital) {
        const unsigned input = rawData[InputByte];
        params->colorType = 4 + bits(features, 4, 3);
        params->colorBitDepth = bits(input, 6, 4);
        params->digitalInterface = bits(input, 3, 0);
    }
}

void Edid14Block::SetBasicDisplayParams(BasicDisplayParams *params)
{
    if (!rawData || !params)
        return;
    writeBasicDisplayParams(params);
    const unsigned kind = params->screenSizeKind;
    if (kind >= ScreenLandscape16x9 && kind <= ScreenLandscape5x4) {
        rawData[HSizeByte] = lowByte(kAspectBytes[kind - ScreenLandscape16x9]);
        rawData[VSizeByte] = 0;
    } else if (kind >= ScreenPortrait9x16 && kind <= ScreenPortrait4x5) {
        rawData[HSizeByte] = 0;
        rawData[VSizeByte] = lowByte(kAspectBytes[kind - ScreenPortrait9x16]);
    }
    rawData[FeatureByte] = setBit(rawData[FeatureByte], 0, bit(params->featureBits, 5) != 0);
    if (params->digital) {
        if (params->colorType > 3)
            rawData[FeatureByte] = setBits(rawData[FeatureByte], 4, 3, params->colorType - 4);
        quint8 input = setBits(rawData[InputByte], 6, 4, params->colorBitDepth);
        rawData[InputByte] = setBits(input, 3, 0, params->digitalInterface);
    }
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Descriptors

unsigned char *Edid14Block::taggedDescriptor(EdidDescriptorTag tag, unsigned slotNumber)
{
    if (slotNumber < 1 || slotNumber > DescriptorCount)
        return nullptr;
    return getDescriptor(tag, slotNumber - 1);
}

bool Edid14Block::IsDescriptorSupported(DescriptorID id)
{
    switch (id) {
    case DescriptorColorManagement:
    case DescriptorCvt3ByteCodes:
    case DescriptorEstablishedTimingsIII:
        return getDescriptor(descriptorIDToTag(id)) == nullptr;
    default:
        return Edid13Block::IsDescriptorSupported(id);
    }
}

void Edid14Block::AddDescriptor(DescriptorID id, unsigned slot)
{
    if (!rawData || slot >= DescriptorCount)
        return;
    Edid13Block::AddDescriptor(id, slot);
    unsigned char *version = rawData + descriptorByte(slot) + DescriptorVersionByte;
    switch (id) {
    case DescriptorColorManagement:
        *version = 3;
        break;
    case DescriptorCvt3ByteCodes:
        *version = 1;
        break;
    case DescriptorEstablishedTimingsIII:
        *version = 10;
        break;
    default:
        return;
    }
    recalcCheckSum();
}

QList<EdidItemLocation> Edid14Block::GetDCMLocation(unsigned, unsigned slot)
{
    return oneRange(descriptorOffset(slot), DescriptorSize);
}

QList<EdidItemLocation> Edid14Block::GetCVTLocation(unsigned, unsigned slot)
{
    return oneRange(descriptorOffset(slot), DescriptorSize);
}

QList<EdidItemLocation> Edid14Block::GetEstablisheIIILocation(unsigned, unsigned slot)
{
    return oneRange(descriptorOffset(slot), DescriptorSize);
}

// ---------------------------------------------------------------------------------------------
// Colour management descriptor (tag 0xF9)

bool Edid14Block::GetColorManagement(unsigned slot, ColorManagement *colorManagement)
{
    const unsigned char *d = descriptorBytes(slot);
    if (!d || !colorManagement)
        return false;
    colorManagement->version = d[DescriptorVersionByte];
    colorManagement->redA3 = coefficient(d + 6);
    colorManagement->redA2 = coefficient(d + 8);
    colorManagement->greenA3 = coefficient(d + 10);
    colorManagement->greenA2 = coefficient(d + 12);
    colorManagement->blueA3 = coefficient(d + 14);
    colorManagement->blueA2 = coefficient(d + 16);
    return true;
}

bool Edid14Block::SetColorManagement(unsigned slot, ColorManagement *colorManagement)
{
    unsigned char *d = descriptorBytes(slot);
    if (!d || !colorManagement)
        return false;
    // The version byte is not written.
    storeCoefficient(d + 6, colorManagement->redA3);
    storeCoefficient(d + 8, colorManagement->redA2);
    storeCoefficient(d + 10, colorManagement->greenA3);
    storeCoefficient(d + 12, colorManagement->greenA2);
    storeCoefficient(d + 14, colorManagement->blueA3);
    storeCoefficient(d + 16, colorManagement->blueA2);
    recalcCheckSum();
    return true;
}

// ---------------------------------------------------------------------------------------------
// CVT 3-byte codes descriptor (tag 0xF8)

bool Edid14Block::GetCvt3ByteTiming(unsigned slot, unsigned index, Cvt3ByteTiming *timing)
{
    const unsigned char *d = taggedDescriptor(EdidTagCvt3ByteCodes, slot);
    if (!d || index >= CvtCodeCount || !timing)
        return false;
    edidToCvt3ByteTiming(
        reinterpret_cast<const EdidCvt3ByteTiming *>(d + CvtCodesByte + CvtCodeSize * index),
        timing);
    return true;
}

void Edid14Block::SetCvt3ByteTiming(unsigned slot, unsigned index, Cvt3ByteTiming *timing)
{
    unsigned char *d = taggedDescriptor(EdidTagCvt3ByteCodes, slot);
    if (!d || index >= CvtCodeCount || !timing)
        return;
    cvt3ByteTimingToEdid(
        timing, reinterpret_cast<EdidCvt3ByteTiming *>(d + CvtCodesByte + CvtCodeSize * index));
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Range limits descriptor (tag 0xFD), EDID 1.4 meaning

void Edid14Block::GetRangeLimits(unsigned slot, RangeLimits *limits)
{
    const unsigned char *d = descriptorBytes(slot);
    if (!d || !limits)
        return;
    limits->rateOffsets = true;
    limits->edid14 = true;
    limits->horizontalOffsetKind = offsetKind(bits(d[4], 3, 2));
    limits->verticalOffsetKind = offsetKind(bits(d[4], 1, 0));
    limits->minVerticalRate = d[5];
    limits->maxVerticalRate = d[6];
    limits->minHorizontalRate = d[7];
    limits->maxHorizontalRate = d[8];
    limits->maxPixelClock = d[9] * 10u;
    switch (d[10]) {
    case 0x02:
        readSecondaryGtf(d, limits);
        break;
    case 0x04: {
        limits->timingSupport = RangeCvt;
        limits->cvt.version = d[11];
        limits->cvt.maxActivePixels = bits(d[12], 1, 0) * 256u + d[13];
        limits->cvt.pixelClockPrecision = bits(d[12], 7, 2) * 250u;
        limits->cvt.preferredRefresh = d[17];
        limits->aspect4x3 = bit(d[14], 7) != 0;
        limits->aspect16x9 = bit(d[14], 6) != 0;
        limits->aspect16x10 = bit(d[14], 5) != 0;
        limits->aspect5x4 = bit(d[14], 4) != 0;
        limits->aspect15x9 = bit(d[14], 3) != 0;
        limits->horizontalShrink = bit(d[16], 7) != 0;
        limits->horizontalStretch = bit(d[16], 6) != 0;
        limits->verticalShrink = bit(d[16], 5) != 0;
        limits->verticalStretch = bit(d[16], 4) != 0;
        limits->reducedBlanking = bit(d[15], 4) != 0;
        limits->standardBlanking = bit(d[15], 3) != 0;
        limits->cvt.preferredAspect = preferredAspect(bits(d[15], 7, 5));
        break;
    }
    default:
        limits->timingSupport = timingSupportKind(d[10]);
        break;
    }
}

void Edid14Block::SetRangeLimits(unsigned slot, RangeLimits *limits)
{
    unsigned char *d = descriptorBytes(slot);
    if (!d || !limits)
        return;
    writeRangeRates(d, limits);

    // Rate offsets: a pair that already means the chosen kind (the reserved 01 included) stays
    // as it is, and so do bits 7-4.
    quint8 offsets = d[4];
    if (offsetKind(bits(offsets, 3, 2)) != limits->horizontalOffsetKind)
        offsets = setBits(offsets, 3, 2, offsetBits(limits->horizontalOffsetKind));
    if (offsetKind(bits(offsets, 1, 0)) != limits->verticalOffsetKind)
        offsets = setBits(offsets, 1, 0, offsetBits(limits->verticalOffsetKind));
    d[4] = offsets;

    switch (limits->timingSupport) {
    case RangeSecondaryGtf:
        writeSecondaryGtf(d, limits);
        break;
    case RangeCvt: {
        // A CVT descriptor keeps the CVT version it holds (byte 11: 0x11, 0x12, ...); the record's
        // version shares its field with the GTF start frequency and is not trusted. A descriptor
        // that becomes a CVT one gets CVT 1.1.
        const quint8 version = d[10] == 0x04 ? d[11] : quint8(RangeCvtNewVersion);
        std::memset(d + 11, 0, 7);
        d[10] = 0x04;
        d[11] = version;
        d[17] = lowByte(limits->cvt.preferredRefresh);
        const unsigned precision =
            static_cast<unsigned>(limits->cvt.pixelClockPrecision / 250.0 + 0.5);
        d[12] = lowByte(((precision & 0x3Fu) << 2) | bits(limits->cvt.maxActivePixels, 9, 8));
        d[13] = lowByte(limits->cvt.maxActivePixels);
        quint8 aspects = 0;
        aspects = setBit(aspects, 7, limits->aspect4x3);
        aspects = setBit(aspects, 6, limits->aspect16x9);
        aspects = setBit(aspects, 5, limits->aspect16x10);
        aspects = setBit(aspects, 4, limits->aspect5x4);
        aspects = setBit(aspects, 3, limits->aspect15x9);
        d[14] = aspects;
        quint8 scaling = 0;
        scaling = setBit(scaling, 7, limits->horizontalShrink);
        scaling = setBit(scaling, 6, limits->horizontalStretch);
        scaling = setBit(scaling, 5, limits->verticalShrink);
        scaling = setBit(scaling, 4, limits->verticalStretch);
        d[16] = scaling;
        quint8 preferred = 0;
        preferred = setBit(preferred, 4, limits->reducedBlanking);
        preferred = setBit(preferred, 3, limits->standardBlanking);
        d[15] = setBits(preferred, 7, 5, preferredAspectBits(limits->cvt.preferredAspect));
        break;
    }
    default:
        // Range limits only / default GTF. When byte 10 already means the chosen kind, bytes
        // 10-17 stay as stored; so do they for a reserved byte 10.
        if (!isRangeReservedCode(limits->timingSupport)
            && (d[10] == 0x02 || d[10] == 0x04
                || timingSupportKind(d[10]) != limits->timingSupport))
            writeNoTimingFormula(d, limits->timingSupport == RangeDefaultGtf ? 0x00 : 0x01);
        break;
    }
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Established timings III descriptor (tag 0xF7)

bool Edid14Block::IsEstablishedTimingSupported(unsigned section, unsigned index)
{
    if (section == 0)
        return Edid13Block::IsEstablishedTimingSupported(section, index);
    const unsigned char *d = taggedDescriptor(EdidTagEstablishedTimingsIII, section);
    if (!d || index >= EstablishedIIICount)
        return false;
    return establishedBit(d + EstablishedIIIByte, index);
}

void Edid14Block::SetEstablishedTimingSupport(unsigned section, unsigned index, bool supported)
{
    if (section == 0) {
        Edid13Block::SetEstablishedTimingSupport(section, index, supported);
        return;
    }
    unsigned char *d = taggedDescriptor(EdidTagEstablishedTimingsIII, section);
    if (!d || index >= EstablishedIIICount)
        return;
    if (setEstablishedBit(d + EstablishedIIIByte, index, supported))
        recalcCheckSum();
}

QString Edid14Block::GetEstablishedTimingName(unsigned section, unsigned index)
{
    if (section == 0)
        return Edid13Block::GetEstablishedTimingName(section, index);
    if (!rawData || index >= EstablishedIIICount)
        return QString();
    return EstablishedTimingsIII[index].label;
}

// ---------------------------------------------------------------------------------------------
// Largest resolution and mode list

void Edid14Block::getMaxResFromCVT(const EdidCvt3ByteTiming *raw, Resolution *resolution)
{
    if (!raw || !resolution || cvtEmpty(raw))
        return;
    const unsigned lines = cvtLines(raw);
    updateMaxResolution(cvtWidth(lines, bits(raw->linesHighAspect, 3, 2)), lines, resolution);
}

void Edid14Block::GetMaxResolution(Resolution *resolution)
{
    if (!rawData || !resolution)
        return;
    Edid13Block::GetMaxResolution(resolution);
    for (unsigned slot = 0; slot < DescriptorCount; ++slot) {
        if (const unsigned char *d = getDescriptor(EdidTagEstablishedTimingsIII, slot)) {
            for (unsigned i = 0; i < EstablishedIIICount; ++i) {
                if (establishedBit(d + EstablishedIIIByte, i))
                    updateMaxResolution(EstablishedTimingsIII[i].width,
                                        EstablishedTimingsIII[i].height, resolution);
            }
        }
        if (const unsigned char *d = getDescriptor(EdidTagCvt3ByteCodes, slot)) {
            for (unsigned i = 0; i < CvtCodeCount; ++i)
                getMaxResFromCVT(reinterpret_cast<const EdidCvt3ByteTiming *>(d + CvtCodesByte
                                                                              + CvtCodeSize * i),
                                 resolution);
        }
    }
}

void Edid14Block::FillModeInfo(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    Edid13Block::FillModeInfo(target);
    fillCvt3ByteTimings(target);
}

void Edid14Block::fillEstablishedTimings(CallbackFillContentTgt *target)
{
    Edid13Block::fillEstablishedTimings(target);
    if (!rawData)
        return;
    for (unsigned slot = 0; slot < DescriptorCount; ++slot) {
        if (const unsigned char *d = getDescriptor(EdidTagEstablishedTimingsIII, slot)) {
            for (unsigned i = 0; i < EstablishedIIICount; ++i) {
                if (establishedBit(d + EstablishedIIIByte, i))
                    fillEstablishedTiming(target, &EstablishedTimingsIII[i],
                                          TimingSectionDescriptor0 + slot);
            }
        }
    }
}

void Edid14Block::fillCvt3ByteTimings(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    for (unsigned slot = 0; slot < DescriptorCount; ++slot) {
        const unsigned char *d = getDescriptor(EdidTagCvt3ByteCodes, slot);
        if (!d)
            continue;
        for (unsigned i = 0; i < CvtCodeCount; ++i) {
            const auto *raw =
                reinterpret_cast<const EdidCvt3ByteTiming *>(d + CvtCodesByte + CvtCodeSize * i);
            if (cvtEmpty(raw))
                continue;
            const unsigned lines = cvtLines(raw);
            // One mode per supported rate: 50, 60, 60 reduced blanking, 75, 85 Hz.
            const struct
            {
                unsigned bitNumber;
                unsigned hz;
                bool reduced;
            } rates[5] = {
                {4, 50, false}, {3, 60, false}, {0, 60, true}, {2, 75, false}, {1, 85, false}};
            for (const auto &rate : rates) {
                if (bit(raw->rates, rate.bitNumber) == 0)
                    continue;
                ModeInfo info{};
                info.hActive = cvtWidth(lines, bits(raw->linesHighAspect, 3, 2));
                info.vActive = lines;
                info.refreshRate = rate.hz;
                info.reducedBlanking = rate.reduced ? 1 : 0;
                info.section = TimingSectionDescriptor0 + slot;
                info.sourceKind = ModeSourceCvt3Byte;
                target->AppendMode(&info);
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Byte descriptions

void Edid14Block::fillCellDescriptor(unsigned byte, unsigned slot, QString *name,
                                     QString *description)
{
    Edid13Block::fillCellDescriptor(byte, slot, name, description);
    if (!rawData || slot >= DescriptorCount || byte >= DescriptorSize)
        return;
    switch (rawData[descriptorByte(slot) + DescriptorTagByte]) {
    case EdidTagCvt3ByteCodes:
        fillCellCVTDesc(byte, slot, name, description);
        break;
    case EdidTagColorManagement:
        fillCellColorMgmtDesc(byte, slot, name, description);
        break;
    case EdidTagEstablishedTimingsIII:
        fillCellEstIIIDesc(byte, slot, name, description);
        break;
    default:
        break;
    }
}

void Edid14Block::fillCellColorMgmtDesc(unsigned byte, unsigned slot, QString *name,
                                        QString *description)
{
    static const char *const names[13] = {
        QT_TRANSLATE_NOOP("Edid14Block", "Version Number"),
        QT_TRANSLATE_NOOP("Edid14Block", "Red a3. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Red a3. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Red a2. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Red a2. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Green a3. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Green a3. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Green a2. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Green a2. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Blue a3. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Blue a3. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Blue a2. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Blue a2. High Order Bits"),
    };
    if (name && byte >= 5 && byte <= 17)
        *name = tr(names[byte - 5]);
    if (description)
        *description = tr("(Color Management Data Descriptor). Entry[%1]").arg(slot);
}

void Edid14Block::fillCellCVTDesc(unsigned byte, unsigned slot, QString *name, QString *description)
{
    static const char *const names[3] = {
        QT_TRANSLATE_NOOP("Edid14Block", "Vertical Addressable. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid14Block", "Aspect Ratio/High Order Bits of Vertical Addressable"),
        QT_TRANSLATE_NOOP("Edid14Block",
                          "Preferred Vertical Rate/Supported Vertical Rate and Blanking Style"),
    };
    if (byte > 5) {
        if (name)
            *name = tr(names[(byte - 6) % 3]);
        if (description)
            *description = tr("(CVT 3 Byte Code Descriptor). Timing[%1]. Entry[%2]")
                               .arg((byte - 6) / 3)
                               .arg(slot);
        return;
    }
    if (name && byte == 5)
        *name = tr("Version Number");
    if (description)
        *description = tr("(CVT 3 Byte Code Descriptor). Entry[%1]").arg(slot);
}

void Edid14Block::fillCellEstIIIDesc(unsigned byte, unsigned slot, QString *name,
                                     QString *description)
{
    static const char *const names[6] = {
        QT_TRANSLATE_NOOP("Edid14Block", "640 x 350 @ 85Hz  --  1152 x 864 @ 75Hz"),
        QT_TRANSLATE_NOOP("Edid14Block", "1280 x 768 @ 60Hz (RB)  --  1280 x 1024 @ 85Hz"),
        QT_TRANSLATE_NOOP("Edid14Block", "1360 x 768 @ 60Hz  --  1400 x 1050 @ 75Hz"),
        QT_TRANSLATE_NOOP("Edid14Block", "1400 x 1050 @ 85Hz  --  1600 x 1200 @ 70Hz"),
        QT_TRANSLATE_NOOP("Edid14Block", "1600 x 1200 @ 75Hz  --  1920 x 1200 @ 60Hz"),
        QT_TRANSLATE_NOOP("Edid14Block", "1920 x 1200 @ 75Hz  --  1920 x 1440 @ 75Hz"),
    };
    if (name) {
        if (byte == 5)
            *name = tr("Version Number");
        else if (byte >= 6 && byte <= 11)
            *name = tr(names[byte - 6]);
        else if (byte >= 12 && byte <= 17)
            *name = tr("Reserved Byte");
    }
    if (description) {
        *description = byte > 5
                           ? tr("(Established Timings III Descriptor). Timing Byte[%1]. Entry[%2]")
                                 .arg(byte - 6)
                                 .arg(slot)
                           : tr("(Established Timings III Descriptor). Entry[%1]").arg(slot);
    }
}
