#include "diextblock.h"

#include "diextlayout.h"
#include "model/bits.h"
#include "model/reporttext.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

using namespace DiExtLayout;

namespace {
constexpr unsigned YearBase = 1990;
// Colour depth format codes of byte 8, by record value 0..4.
constexpr quint8 DataFormatCodes[5] = {0x15, 0x19, 0x24, 0x48, 0x49};

// Hundredths of a non-negative value, rounded to the nearest and capped at limit; NaN and
// negative values give 0.
unsigned hundredths(double value, unsigned limit)
{
    if (!(value > 0.0))
        return 0;
    const double scaled = std::floor(value * 100.0 + 0.5);
    if (!(scaled < static_cast<double>(limit)))
        return limit;
    return static_cast<unsigned>(scaled);
}

// floor(100 x value + 0.5) reduced to its low 16 bits; NaN, infinite and negative values give 0.
quint16 scaledWord(double value)
{
    const double scaled = std::floor(value * 100.0 + 0.5);
    if (!(scaled >= 0.0) || !std::isfinite(scaled))
        return 0;
    return static_cast<quint16>(std::fmod(scaled, 65536.0));
}

quint8 flag(bool on, unsigned n)
{
    return static_cast<quint8>(on ? (1u << n) : 0u);
}

} // namespace

DiExtBlock::DiExtBlock(unsigned char *buffer, unsigned int size, unsigned int offset,
                       CallbackContext *context)
    : DataBlock(offset, context)
    , rawData(IsDiExt(buffer, size) ? buffer : nullptr)
{}

DiExtBlock::~DiExtBlock() = default;

bool DiExtBlock::IsDiExt(const unsigned char *buffer, unsigned int size)
{
    return buffer != nullptr && size >= BlockSize && buffer[TagByte] == Tag;
}

bool DiExtBlock::InitBuffer(unsigned char *buffer, unsigned int size)
{
    return initExtensionBlock(buffer, size, Tag, 1);
}

bool DiExtBlock::ValidateDiExt(CallbackFillContentTgt *target, const unsigned char *buffer,
                               unsigned int offset, unsigned int size)
{
    if (size < BlockSize || buffer == nullptr) {
        ReportText::append(target,
                           tr("DI Ext Block....: %1 - unsufficient size. Required %2 bytes\r\n")
                               .arg(size)
                               .arg(BlockSize));
        return false;
    }
    const unsigned value = buffer[offset + TagByte];
    if (value != Tag) {
        ReportText::append(target, tr("DI Ext Block....: Byte[%1] = 0x%2 does not match DI "
                                      "extension tag (0x%3)\r\n")
                                       .arg(offset + TagByte)
                                       .arg(ReportText::hex(value, 2))
                                       .arg(ReportText::hex(Tag, 2)));
        return false;
    }
    return true;
}

unsigned DiExtBlock::GetChecksum() const
{
    return rawData ? rawData[ChecksumByte] : 0u;
}

unsigned DiExtBlock::GetComputedChecksum() const
{
    return rawData ? computeOneByteCheckSum(rawData, ChecksumByte) : 0u;
}

unsigned DiExtBlock::GetBlockSize() const
{
    return rawData ? BlockSize : 0u;
}

void DiExtBlock::recalcCheckSum()
{
    storeBlockChecksum(rawData, GetBlockSize());
}

// ---- General information (bytes 1-6, 127) ----

void DiExtBlock::GetGeneralInfo(DiGeneralInfo *info) const
{
    if (!rawData || !info)
        return;
    const unsigned formByte = rawData[VersionFormByte];
    info->version = rawData[VersionByte];
    info->interfaceStandard = rawData[InterfaceByte];
    info->versionForm = bits(formByte, 7, 6);
    info->checksum = rawData[ChecksumByte];
    const unsigned char *fields = rawData + VersionFieldsByte;
    switch (info->versionForm) {
    case 1:
        info->versionNumber = bits(formByte, 5, 0) + fields[0] / 100.0;
        info->revisionNumber = fields[1] + fields[2] / 100.0;
        break;
    case 2:
        info->letter = fields[0];
        break;
    case 3:
        info->year = fields[0] + YearBase;
        info->month = fields[1];
        info->day = fields[2];
        break;
    default:
        break;
    }
}

void DiExtBlock::SetGeneralInfo(const DiGeneralInfo *info)
{
    if (!rawData || !info)
        return;
    std::memset(rawData + VersionFormByte, 0, 4); // the form and its three fields
    rawData[InterfaceByte] = lowByte(info->interfaceStandard);
    const unsigned form = info->versionForm <= 3 ? info->versionForm : 0u; // no such form: none
    unsigned char *fields = rawData + VersionFieldsByte;
    rawData[VersionFormByte] = static_cast<quint8>(form << 6);
    switch (form) {
    case 1: {
        // Both numbers are stored as an integer part and hundredths; rounding to the nearest
        // hundredth keeps a value read from the block (or typed as 1.13) exactly as it was.
        const unsigned version = hundredths(info->versionNumber, 63 * 100 + 99);
        const unsigned revision = hundredths(info->revisionNumber, 255 * 100 + 99);
        rawData[VersionFormByte] = setBits(rawData[VersionFormByte], 5, 0, version / 100);
        fields[0] = lowByte(version % 100);
        fields[1] = lowByte(revision / 100);
        fields[2] = lowByte(revision % 100);
        break;
    }
    case 2:
        fields[0] = info->letter;
        break;
    case 3:
        fields[0] = lowByte(info->year - YearBase); // modulo 256
        fields[1] = lowByte(info->month);
        fields[2] = lowByte(info->day);
        break;
    default:
        break;
    }
    if (info->interfaceStandard == 0) {
        // An analog interface has no digital data format: reset that section.
        DiDataFormatDesc none;
        std::memset(&none, 0, sizeof none);
        SetDataFormatDesc(&none);
    }
    recalcCheckSum();
}

// ---- Digital interface (bytes 7-13) ----

void DiExtBlock::GetDataFormatDesc(DiDataFormatDesc *format) const
{
    if (!rawData || !format)
        return;
    const unsigned flags = rawData[DataFormatFlagsByte];
    format->dataEnableUsed = bit(flags, 7);
    format->dataEnableHigh = bit(flags, 6);
    format->shiftClockEdge = bits(flags, 5, 4);
    format->hdcpSupported = bit(flags, 3);
    format->doubleClocking = bit(flags, 2);
    format->packetizedVideo = bit(flags, 1);
    for (unsigned i = 0; i < 5; ++i) {
        if (rawData[DataFormatCodeByte] == DataFormatCodes[i])
            format->dataFormat = i;
    }
    format->minPixelClock = rawData[MinClockByte];
    format->maxPixelClock = qFromLittleEndian<quint16>(rawData + MaxClockByte);
    format->crossoverFrequency = qFromLittleEndian<quint16>(rawData + CrossoverByte);
}

void DiExtBlock::SetDataFormatDesc(const DiDataFormatDesc *format)
{
    if (!rawData || !format)
        return;
    quint8 flags = static_cast<quint8>(rawData[DataFormatFlagsByte] & 0x01u);
    flags |= flag(format->dataEnableUsed, 7);
    flags |= flag(format->dataEnableHigh, 6);
    flags = setBits(flags, 5, 4, format->shiftClockEdge);
    flags |= flag(format->hdcpSupported, 3);
    flags |= flag(format->doubleClocking, 2);
    flags |= flag(format->packetizedVideo, 1);
    rawData[DataFormatFlagsByte] = flags;
    if (format->dataFormat < 5)
        rawData[DataFormatCodeByte] = DataFormatCodes[format->dataFormat];
    rawData[MinClockByte] = lowByte(format->minPixelClock);
    qToLittleEndian(static_cast<quint16>(format->maxPixelClock), rawData + MaxClockByte);
    qToLittleEndian(static_cast<quint16>(format->crossoverFrequency), rawData + CrossoverByte);
    recalcCheckSum();
}

// ---- Display device (bytes 14-19) ----

void DiExtBlock::GetDisplayDevice(DiDisplayDevice *device) const
{
    if (!rawData || !device)
        return;
    const unsigned flags = rawData[DeviceFlagsByte];
    device->subPixelLayout = rawData[SubPixelLayoutByte];
    device->subPixelConfiguration = rawData[SubPixelLayoutByte + 1];
    device->subPixelShape = rawData[SubPixelLayoutByte + 2];
    device->horizontalPitch = rawData[HPitchByte] * 10u;
    device->verticalPitch = rawData[VPitchByte] * 10u;
    device->fixedPixelFormat = bit(flags, 7);
    device->viewDirection = bits(flags, 6, 5);
    device->transparentBackground = bit(flags, 4);
    device->physicalImplementation = bits(flags, 3, 2);
    device->ddcCiSupported = bit(flags, 1);
}

void DiExtBlock::SetDisplayDevice(const DiDisplayDevice *device)
{
    if (!rawData || !device)
        return;
    rawData[SubPixelLayoutByte] = lowByte(device->subPixelLayout);
    rawData[SubPixelLayoutByte + 1] = lowByte(device->subPixelConfiguration);
    rawData[SubPixelLayoutByte + 2] = lowByte(device->subPixelShape);
    // Pitches are stored in units of 10 of the record's unit, rounded to the nearest.
    rawData[HPitchByte] =
        lowByte(static_cast<unsigned>((quint64{device->horizontalPitch} + 5) / 10));
    rawData[VPitchByte] = lowByte(static_cast<unsigned>((quint64{device->verticalPitch} + 5) / 10));
    quint8 flags = static_cast<quint8>(rawData[DeviceFlagsByte] & 0x01u);
    flags |= flag(device->fixedPixelFormat, 7);
    flags = setBits(flags, 6, 5, device->viewDirection);
    flags |= flag(device->transparentBackground, 4);
    flags = setBits(flags, 3, 2, device->physicalImplementation);
    flags |= flag(device->ddcCiSupported, 1);
    rawData[DeviceFlagsByte] = flags;
    recalcCheckSum();
}

// ---- Display capabilities (bytes 20-26, 38) ----

void DiExtBlock::GetDisplayCaps(DiDisplayCaps *caps) const
{
    if (!rawData || !caps)
        return;
    const unsigned misc = rawData[MiscCapsByte];
    caps->legacyModes = bit(misc, 7);
    caps->stereoMode = bits(misc, 6, 4);
    caps->scalerOnBoard = bit(misc, 3);
    caps->imageCentered = bit(misc, 2);
    caps->conditionalUpdate = bit(misc, 1);
    caps->interlaced = bit(misc, 0);
    const unsigned conversion = rawData[FrameRateConversionByte];
    caps->frameLock = bit(conversion, 7);
    caps->frequencyConversion = bits(conversion, 6, 5);
    caps->frameRate = qFromLittleEndian<quint16>(rawData + VFrequencyByte) / 100.0;
    caps->lineRate = qFromLittleEndian<quint16>(rawData + HFrequencyByte) / 100.0;
    const unsigned orientation = rawData[OrientationByte];
    caps->orientationType = bits(orientation, 7, 6);
    caps->portrait = bit(orientation, 5);
    caps->zeroPixelLocation = bits(orientation, 4, 3);
    caps->scanDirection = bits(orientation, 2, 1);
    caps->projector = bit(orientation, 0);
    const unsigned aspect = rawData[AspectConversionByte];
    caps->arFull = bit(aspect, 7);
    caps->arZoom = bit(aspect, 6);
    caps->arSqueeze = bit(aspect, 5);
    caps->arVariable = bit(aspect, 4);
}

void DiExtBlock::SetDisplayCaps(const DiDisplayCaps *caps)
{
    if (!rawData || !caps)
        return;
    quint8 misc = 0;
    misc |= flag(caps->legacyModes, 7);
    misc = setBits(misc, 6, 4, caps->stereoMode);
    misc |= flag(caps->scalerOnBoard, 3);
    misc |= flag(caps->imageCentered, 2);
    misc |= flag(caps->conditionalUpdate, 1);
    misc |= flag(caps->interlaced, 0);
    rawData[MiscCapsByte] = misc;

    quint8 conversion = static_cast<quint8>(rawData[FrameRateConversionByte] & 0x1Fu);
    conversion |= flag(caps->frameLock, 7);
    conversion = setBits(conversion, 6, 5, caps->frequencyConversion);
    rawData[FrameRateConversionByte] = conversion;

    qToLittleEndian(scaledWord(caps->frameRate), rawData + VFrequencyByte);
    qToLittleEndian(scaledWord(caps->lineRate), rawData + HFrequencyByte);

    quint8 orientation = 0;
    orientation = setBits(orientation, 7, 6, caps->orientationType);
    orientation |= flag(caps->portrait, 5);
    orientation = setBits(orientation, 4, 3, caps->zeroPixelLocation);
    orientation = setBits(orientation, 2, 1, caps->scanDirection);
    orientation |= flag(caps->projector, 0);
    rawData[OrientationByte] = orientation;

    quint8 aspect = static_cast<quint8>(rawData[AspectConversionByte] & 0x0Fu);
    aspect |= flag(caps->arFull, 7);
    aspect |= flag(caps->arZoom, 6);
    aspect |= flag(caps->arSqueeze, 5);
    aspect |= flag(caps->arVariable, 4);
    rawData[AspectConversionByte] = aspect;
    recalcCheckSum();
}

// ---- Colour and luminance (bytes 27-37) ----

void DiExtBlock::GetColorProperties(DiColorProperties *color) const
{
    if (!rawData || !color)
        return;
    color->defaultDecoding = rawData[DefaultDecodingByte];
    color->preferredDecoding = rawData[PreferredDecodingByte];
    const unsigned low = rawData[DecodingCapsLowByte];
    color->bgr = bit(low, 7);
    color->ycNtsc = bit(low, 6);
    color->ycPal = bit(low, 5);
    color->ycSecam = bit(low, 4);
    color->ycrcb444 = bit(low, 3);
    color->ycrcb422 = bit(low, 2);
    color->ycrcb420 = bit(low, 1);
    color->ycrcbSmpte260m = bit(low, 0);
    const unsigned high = rawData[DecodingCapsHighByte];
    color->ypbprSmpte240m = bit(high, 7);
    color->ycrcbSmpte274m = bit(high, 6);
    color->ypbprSmpte274m = bit(high, 5);
    color->ybyrySony = bit(high, 4);
    color->ybyryMatsushita = bit(high, 3);
    color->monochrome = bit(high, 2);
    color->dithering = bit(rawData[DitheringByte], 7);
    color->depthBlue = rawData[ColorDepthByte];
    color->depthGreen = rawData[ColorDepthByte + 1];
    color->depthRed = rawData[ColorDepthByte + 2];
    color->depthCbPb = rawData[ColorDepthByte + 3];
    color->depthY = rawData[ColorDepthByte + 4];
    color->depthCrPr = rawData[ColorDepthByte + 5];
}

void DiExtBlock::SetColorProperties(const DiColorProperties *color)
{
    if (!rawData || !color)
        return;
    rawData[DefaultDecodingByte] = lowByte(color->defaultDecoding);
    rawData[PreferredDecodingByte] = lowByte(color->preferredDecoding);
    rawData[DecodingCapsLowByte] = static_cast<quint8>(
        flag(color->bgr, 7) | flag(color->ycNtsc, 6) | flag(color->ycPal, 5)
        | flag(color->ycSecam, 4) | flag(color->ycrcb444, 3) | flag(color->ycrcb422, 2)
        | flag(color->ycrcb420, 1) | flag(color->ycrcbSmpte260m, 0));
    rawData[DecodingCapsHighByte] = static_cast<quint8>(
        (rawData[DecodingCapsHighByte] & 0x03u) | flag(color->ypbprSmpte240m, 7)
        | flag(color->ycrcbSmpte274m, 6) | flag(color->ypbprSmpte274m, 5)
        | flag(color->ybyrySony, 4) | flag(color->ybyryMatsushita, 3) | flag(color->monochrome, 2));
    rawData[DitheringByte] = setBit(rawData[DitheringByte], 7, color->dithering);
    rawData[ColorDepthByte] = lowByte(color->depthBlue);
    rawData[ColorDepthByte + 1] = lowByte(color->depthGreen);
    rawData[ColorDepthByte + 2] = lowByte(color->depthRed);
    rawData[ColorDepthByte + 3] = lowByte(color->depthCbPb);
    rawData[ColorDepthByte + 4] = lowByte(color->depthY);
    rawData[ColorDepthByte + 5] = lowByte(color->depthCrPr);
    recalcCheckSum();
}

// ---- Gamma (bytes 81-126) ----

void DiExtBlock::GetGamma(DiGamma *gamma) const
{
    if (!rawData || !gamma)
        return;
    gamma->type = bits(rawData[GammaByte], 7, 6);
    gamma->numPoints = bits(rawData[GammaByte], 5, 0);
    for (unsigned i = 0; i < DiGamma::MaxPoints; ++i)
        gamma->values[i] = rawData[GammaPointsByte + i];
}

void DiExtBlock::SetGamma(const DiGamma *gamma)
{
    if (!rawData || !gamma)
        return;
    rawData[GammaByte] = static_cast<quint8>(((gamma->type & 3u) << 6) | (gamma->numPoints & 63u));
    for (unsigned i = 0; i < DiGamma::MaxPoints; ++i)
        rawData[GammaPointsByte + i] = lowByte(gamma->values[i]);
    recalcCheckSum();
}

// ---- Locations ----

EdidItemLocation DiExtBlock::location(unsigned blockByte, unsigned length,
                                      const unsigned char *base) const
{
    EdidItemLocation loc;
    loc.offset = imagePosition(rawData, base) + blockByte;
    loc.length = length;
    return loc;
}

QList<EdidItemLocation> DiExtBlock::locations(std::initializer_list<unsigned> blockBytes,
                                              const unsigned char *base) const
{
    QList<EdidItemLocation> list;
    for (unsigned b : blockBytes)
        list.append(location(b, 1, base));
    return list;
}

QList<EdidItemLocation> DiExtBlock::GetGeneralInfoLocation(unsigned int code, unsigned int,
                                                           const unsigned char *base) const
{
    if (!rawData)
        return {};
    switch (code) {
    case 1:
        return {location(VersionByte, 1, base)};
    case 2:
        return {location(InterfaceByte, 1, base)};
    case 3:
        return {location(VersionFormByte, 4, base)};
    case 4:
        return {location(ChecksumByte, 1, base)};
    default:
        return {location(0, 44, base)};
    }
}

QList<EdidItemLocation> DiExtBlock::GetDataFormatDescLocation(unsigned int code, unsigned int,
                                                              const unsigned char *base) const
{
    if (!rawData)
        return {};
    switch (code) {
    case 6:
        return locations({DataFormatCodeByte}, base);
    case 7:
    case 8:
    case 12:
    case 13:
    case 14:
        return locations({DataFormatFlagsByte}, base);
    case 9:
        return locations({MinClockByte}, base);
    case 10:
        return locations({MaxClockByte, MaxClockByte + 1}, base);
    case 11:
        return locations({CrossoverByte, CrossoverByte + 1}, base);
    default:
        return locations({DataFormatFlagsByte, MinClockByte, MaxClockByte, MaxClockByte + 1,
                          CrossoverByte, CrossoverByte + 1},
                         base);
    }
}

QList<EdidItemLocation> DiExtBlock::GetDisplayDeviceLocation(unsigned int code, unsigned int,
                                                             const unsigned char *base) const
{
    if (!rawData)
        return {};
    if (code >= 16 && code <= 20)
        return {location(SubPixelLayoutByte + (code - 16), 1, base)};
    if (code >= 21 && code <= 25)
        return {location(DeviceFlagsByte, 1, base)};
    return {location(SubPixelLayoutByte, 6, base)};
}

QList<EdidItemLocation> DiExtBlock::GetDisplayCapsLocation(unsigned int code, unsigned int,
                                                           const unsigned char *base) const
{
    if (!rawData)
        return {};
    if ((code >= 27 && code <= 30) || (code >= 32 && code <= 34))
        return {location(MiscCapsByte, 1, base)};
    if (code == 31)
        return {location(FrameRateConversionByte, 1, base)};
    if (code >= 35 && code <= 40)
        return {location(OrientationByte, 1, base)};
    if (code >= 41 && code <= 45) // full, zoom, squeeze, variable
        return {location(AspectConversionByte, 1, base)};
    return {location(MiscCapsByte, 35, base), location(FrameRateConversionByte, 1, base),
            location(OrientationByte, 1, base), location(AspectConversionByte, 1, base)};
}

QList<EdidItemLocation> DiExtBlock::GetColorPropertiesLocation(unsigned int code, unsigned int,
                                                               const unsigned char *base) const
{
    if (!rawData)
        return {};
    if (code == 50)
        return {location(ColorDepthByte, 6, base)};
    if (code >= 51 && code <= 56)
        return {location(ColorDepthByte + (code - 51), 1, base)};
    if (code == 57)
        return {location(DitheringByte, 1, base)};
    if (code == 59)
        return {location(DefaultDecodingByte, 1, base)};
    if (code == 60)
        return {location(PreferredDecodingByte, 1, base)};
    if (code == 61)
        return {location(DecodingCapsLowByte, 2, base)};
    if (code >= 62 && code <= 69)
        return {location(DecodingCapsLowByte, 1, base)};
    if (code >= 70 && code <= 75) // the six flags of byte 30, YPbPr SMPTE 274M included
        return {location(DecodingCapsHighByte, 1, base)};
    return {location(MiscCapsByte, 35, base)};
}

QList<EdidItemLocation> DiExtBlock::GetGammaLocation(unsigned int code, unsigned int index,
                                                     const unsigned char *base) const
{
    if (!rawData)
        return {};
    if (code == 77)
        return {location(GammaByte, 1, base)};
    if (code >= 80 && code <= 87) {
        // Point index of the section (0..44); -1 names the byte before the points (the
        // control byte), as the rows of a whole curve pass it.
        const qint64 pos = qint64{GammaPointsByte} + static_cast<qint32>(index);
        if (pos >= GammaByte && pos < ChecksumByte)
            return {location(static_cast<unsigned>(pos), 1, base)};
    }
    return {location(GammaByte, 46, base)};
}

// ---- Report ----

int DiExtBlock::Validate(CallbackFillContentTgt *target)
{
    if (!rawData)
        return 0;
    const unsigned size = GetBlockSize();
    ReportText::append(
        target, tr("\r\nValidating DI%1 Extension Block. Data Range: Byte[%2] --> Byte[%3]\r\n")
                    .arg(rawData[VersionByte])
                    .arg(startOffset)
                    .arg(startOffset + size - 1));
    int errors = ReportText::checkChecksum(target, rawData, size);
    errors += validateGeneralInfo(target);
    errors += validateDataFormatDesc(target);
    errors += validateDisplayDevice(target);
    errors += validateDisplayCaps(target);
    errors += validateColorProperties(target);
    errors += validateGamma(target);
    ReportText::appendValid(target, errors);
    return errors;
}

int DiExtBlock::validateGeneralInfo(CallbackFillContentTgt *)
{
    return 0;
}

int DiExtBlock::validateDataFormatDesc(CallbackFillContentTgt *)
{
    return 0;
}

int DiExtBlock::validateDisplayDevice(CallbackFillContentTgt *)
{
    return 0;
}

int DiExtBlock::validateDisplayCaps(CallbackFillContentTgt *)
{
    return 0;
}

int DiExtBlock::validateColorProperties(CallbackFillContentTgt *)
{
    return 0;
}

int DiExtBlock::validateGamma(CallbackFillContentTgt *)
{
    return 0;
}

void DiExtBlock::FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                              QString *blockTitle)
{
    if (!rawData || byteIndex < startOffset || byteIndex - startOffset >= BlockSize)
        return;
    const unsigned r = byteIndex - startOffset;
    if (blockTitle)
        *blockTitle = tr("DI-v%1").arg(rawData[VersionByte]);
    QString localName;
    QString localDescription;
    if (r == TagByte) {
        localName = tr("Extension Tag");
    } else if (r == VersionByte) {
        localName = tr("Version Number");
    } else if (r < SubPixelLayoutByte) {
        fillCellDI(r - InterfaceByte, &localName, &localDescription);
        localDescription = tr("(Digital Interface Section)");
    } else if (r < MiscCapsByte) {
        fillCellDisplayDevice(r - SubPixelLayoutByte, &localName, &localDescription);
        localDescription = tr("(Display Device Section)");
    } else if (r < UnusedSectionByte) {
        fillCellDisplayCaps(r - MiscCapsByte, &localName, &localDescription);
        localDescription = tr("(Display Capabilities Section)");
    } else if (r < AudioSectionByte) {
        localName = tr("Reserved (Unused)");
        localDescription = tr("Byte[%1] of Unused Section").arg(r - UnusedSectionByte);
    } else if (r < GammaByte) {
        localName = tr("Reserved (Unused)");
        localDescription = tr("Byte[%1] of Audio Support Section").arg(r - AudioSectionByte);
    } else if (r < ChecksumByte) {
        fillCellGamma(r - GammaByte, &localName, &localDescription);
        localDescription = tr("(Gamma Section)");
    } else {
        localName = tr("Checksum");
    }
    if (name)
        *name = localName;
    if (description)
        *description = localDescription;
}

void DiExtBlock::fillCellDI(unsigned int byte, QString *name, QString *)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("DiExtBlock", "Digital Interface Specification"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Type Definition/Version Number (Integer)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Version Number (Decimal)/Letter Designation/Year Code"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Revision Number (Integer)/Month Code"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Revision Number (Decimal)/Day Code"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Data Format Description"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Color Depth Format"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Minimum Pixel Clock Per Link"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Maximum Pixel Clock Per Link. Low Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Maximum Pixel Clock Per Link. High Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Crossover Frequency. Low Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Crossover Frequency. High Order Bits"),
    };
    if (name && byte < sizeof names / sizeof names[0])
        *name = tr(names[byte]);
}

void DiExtBlock::fillCellDisplayDevice(unsigned int byte, QString *name, QString *)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("DiExtBlock", "Sub-Pixel Layout"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Sub-Pixel Configuration"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Sub-Pixel Shape"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Horizontal Pixel Pitch"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Vertical Pixel Pitch"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Major Display Device Characteristics"),
    };
    if (name && byte < sizeof names / sizeof names[0])
        *name = tr(names[byte]);
}

void DiExtBlock::fillCellDisplayCaps(unsigned int byte, QString *name, QString *)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("DiExtBlock", "Miscellaneous Display Capabilities"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Frame Rate Conversion"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Vertical Frequency Conversion. Low Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Vertical Frequency Conversion. High Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Horizontal Frequency Conversion. Low Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Horizontal Frequency Conversion. High Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Display/Scan Orientation"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Default Color/Luminance Decoding"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Preferred Color/Luminance Decoding"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Color/Luminance Decoding Caps. Low Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Color/Luminance Decoding Caps. High Order Bits"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Dithering"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Monitor Color Depth for Blue (Sub-Channel 0)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Monitor Color Depth for Green (Sub-Channel 1)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Monitor Color Depth for Red (Sub-Channel 2)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Monitor Color Depth for Cb/Pb (Sub-Channel 0)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Monitor Color Depth for Y (Sub-Channel 1)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Monitor Color Depth for Cr/Pr (Sub-Channel 2)"),
        QT_TRANSLATE_NOOP("DiExtBlock", "Aspect Ratio Conversion Modes"),
    };
    constexpr unsigned count = sizeof names / sizeof names[0];
    if (!name)
        return;
    if (byte < count)
        *name = tr(names[byte]);
    else if (byte + MiscCapsByte < UnusedSectionByte)
        *name = tr("Byte[%1] of Packetized Digital Video Information")
                    .arg(byte + MiscCapsByte - PacketizedVideoByte);
}

void DiExtBlock::fillCellGamma(unsigned int byte, QString *name, QString *)
{
    if (!name || !rawData || byte >= ChecksumByte - GammaByte)
        return;
    if (byte == 0) {
        *name = tr("Gamma Control");
        return;
    }
    const unsigned j = byte - 1;
    const unsigned mode = bits(rawData[GammaByte], 7, 6);
    const unsigned points = bits(rawData[GammaByte], 5, 0);
    if (mode == 1) {
        *name = j < points ? tr("White Data Point[%1]").arg(j)
                           : tr("Unused/Empty White Data Point[%1]").arg(j);
    } else if (mode == 2) {
        // Fifteen points per colour (j is at most 44): blue, green, then red.
        static const char *const used[3] = {
            QT_TRANSLATE_NOOP("DiExtBlock", "Blue Data Point[%1]"),
            QT_TRANSLATE_NOOP("DiExtBlock", "Green Data Point[%1]"),
            QT_TRANSLATE_NOOP("DiExtBlock", "Red Data Point[%1]"),
        };
        static const char *const unused[3] = {
            QT_TRANSLATE_NOOP("DiExtBlock", "Unused/Empty Blue Data Point[%1]"),
            QT_TRANSLATE_NOOP("DiExtBlock", "Unused/Empty Green Data Point[%1]"),
            QT_TRANSLATE_NOOP("DiExtBlock", "Unused/Empty Red Data Point[%1]"),
        };
        const unsigned i = j % 15;
        *name = tr(i < points ? used[j / 15] : unused[j / 15]).arg(i);
    } else {
        *name = tr("Unused/Empty Data Point[%1]").arg(j);
    }
}
