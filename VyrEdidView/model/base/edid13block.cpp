// EDID 1.3 base block (VESA E-EDID 1.3 / E-EDID 1.4 section 3): identification, basic
// parameters, colour characteristics, established and standard timings, the four 18-byte
// descriptors, monitor summary and location queries. The text report, the mode list and the
// byte descriptions live in edid13blockreport.cpp.

#include "edid13block.h"

#include "edidbaselayout.h"
#include "model/bits.h"

#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace EdidBaseLayout;

namespace {

// Gamma byte: gamma x 100 - 100, kept within 0..254 (255 means "not defined").
quint8 gammaByte(double gamma)
{
    const double stored = std::floor(gamma * 100.0 + 0.5) - 100.0;
    if (!(stored > 0.0))
        return 0;
    if (stored > 254.0)
        return 254;
    return static_cast<quint8>(stored);
}

double gammaValue(unsigned byte)
{
    return (byte + 100.0) / 100.0;
}

} // namespace

const unsigned char Edid13Block::EdidHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

Edid13Block::Edid13Block(unsigned char *image, unsigned size, unsigned offset,
                         CallbackContext *context)
    : DataBlock(offset, context)
    , rawData(IsEdid13(image, size) ? image : nullptr)
{
    setBorderActiveState(false);
}

Edid13Block::~Edid13Block() = default;

// ---------------------------------------------------------------------------------------------
// Recognition, empty block, descriptor kinds

bool Edid13Block::IsEdid13(unsigned char *data, unsigned size)
{
    return data && size >= BlockSize
           && std::memcmp(data + HeaderByte, EdidHeader, sizeof EdidHeader) == 0
           && data[VersionByte] == 1 && data[RevisionByte] < 4;
}

bool Edid13Block::InitBuffer(unsigned char *data, unsigned size)
{
    if (!data || size < BlockSize)
        return false;
    std::memset(data, 0, BlockSize);
    std::memcpy(data + HeaderByte, EdidHeader, sizeof EdidHeader);
    data[VersionByte] = 1;
    data[RevisionByte] = 3;
    std::memset(data + StandardByte, 0x01, StandardCount * StandardSize); // all unused
    for (unsigned slot = 0; slot < DescriptorCount; ++slot)
        data[descriptorByte(slot) + DescriptorTagByte] = EdidTagDummy;
    data[ChecksumByte] = computeOneByteCheckSum(data, ChecksumByte);
    return true;
}

namespace {

// Display descriptor tags and the kinds the descriptor list shows them as.
struct DescriptorKind
{
    EdidDescriptorTag tag;
    DescriptorID id;
};

constexpr DescriptorKind kDescriptorKinds[] = {
    {EdidTagSerialNumber, DescriptorSerialNumber},
    {EdidTagDataString, DescriptorDataString},
    {EdidTagRangeLimits, DescriptorRangeLimits},
    {EdidTagProductName, DescriptorProductName},
    {EdidTagColorPoint, DescriptorColorPoint},
    {EdidTagStandardTimings, DescriptorStandardTimings},
    {EdidTagColorManagement, DescriptorColorManagement},
    {EdidTagCvt3ByteCodes, DescriptorCvt3ByteCodes},
    {EdidTagEstablishedTimingsIII, DescriptorEstablishedTimingsIII},
    // The dummy descriptor is the placeholder of an empty slot: the descriptor list shows it
    // (and offers to add a descriptor there) only when it has a kind of its own.
    {EdidTagDummy, DescriptorPlaceholder},
};

} // namespace

DescriptorID Edid13Block::descriptorTagToID(EdidDescriptorTag tag)
{
    for (const DescriptorKind &kind : kDescriptorKinds) {
        if (kind.tag == tag)
            return kind.id;
    }
    return DescriptorUnknown;
}

// Unknown and detailed timing have no tag: 0.
EdidDescriptorTag Edid13Block::descriptorIDToTag(DescriptorID id)
{
    for (const DescriptorKind &kind : kDescriptorKinds) {
        if (kind.id == id)
            return kind.tag;
    }
    return static_cast<EdidDescriptorTag>(0);
}

// ---------------------------------------------------------------------------------------------
// Helpers

bool Edid13Block::isDisplayDescriptor(const unsigned char *descriptor)
{
    // Pixel clock 0 and byte 2 zero: a display descriptor; anything else is a detailed timing.
    return descriptor[0] == 0 && descriptor[1] == 0 && descriptor[2] == 0;
}

unsigned char *Edid13Block::getDescriptor(EdidDescriptorTag tag)
{
    for (unsigned slot = 0; slot < DescriptorCount; ++slot) {
        if (unsigned char *d = getDescriptor(tag, slot))
            return d;
    }
    return nullptr;
}

unsigned char *Edid13Block::getDescriptor(EdidDescriptorTag tag, unsigned slot)
{
    if (!rawData || slot >= DescriptorCount)
        return nullptr;
    unsigned char *d = rawData + descriptorByte(slot);
    return isDisplayDescriptor(d) && d[DescriptorTagByte] == tag ? d : nullptr;
}

unsigned char *Edid13Block::descriptorBytes(unsigned slotNumber) const
{
    if (!rawData || slotNumber < 1 || slotNumber > DescriptorCount)
        return nullptr;
    return rawData + descriptorByte(slotNumber - 1);
}

unsigned Edid13Block::descriptorOffset(unsigned slotNumber) const
{
    // 54 + 18 x (slot - 1), written so that slot 0 gives 36 without an unsigned wrap.
    return startOffset + DescriptorByte - DescriptorSize + DescriptorSize * slotNumber;
}

bool Edid13Block::establishedBit(const unsigned char *bytes, unsigned index)
{
    return bit(bytes[index / 8], 7 - index % 8) != 0;
}

bool Edid13Block::setEstablishedBit(unsigned char *bytes, unsigned index, bool on)
{
    if (establishedBit(bytes, index) == on)
        return false;
    bytes[index / 8] = setBit(bytes[index / 8], 7 - index % 8, on);
    return true;
}

void Edid13Block::recalcCheckSum()
{
    storeBlockChecksum(rawData, BlockSize);
}

// ---------------------------------------------------------------------------------------------
// Block-wide values

unsigned Edid13Block::GetNumOfExtensions() const
{
    return rawData ? rawData[ExtensionCountByte] : 0u;
}

bool Edid13Block::SupportExtensions() const
{
    return rawData != nullptr;
}

unsigned Edid13Block::GetChecksum() const
{
    return rawData ? rawData[ChecksumByte] : 0u;
}

unsigned Edid13Block::GetComputedChecksum() const
{
    return rawData ? computeOneByteCheckSum(rawData, ChecksumByte) : 0u;
}

unsigned Edid13Block::GetBlockSize() const
{
    return rawData ? BlockSize : 0u;
}

unsigned Edid13Block::GetVersion() const
{
    return rawData ? (static_cast<unsigned>(rawData[VersionByte]) << 8) | rawData[RevisionByte]
                   : 0u;
}

void Edid13Block::SetNumOfExtensions(unsigned count)
{
    if (!rawData)
        return;
    rawData[ExtensionCountByte] = lowByte(count);
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Vendor and product identification (bytes 8-17)

void Edid13Block::GetProductIdInfo(ProductIdInfo *info)
{
    if (!rawData || !info)
        return;
    const unsigned id = qFromBigEndian<quint16>(rawData + VendorByte);
    info->letter1 = static_cast<unsigned char>(bits(id, 14, 10));
    info->letter2 = static_cast<unsigned char>(bits(id, 9, 5));
    info->letter3 = static_cast<unsigned char>(bits(id, 4, 0));
    info->productCode = qFromLittleEndian<quint16>(rawData + ProductByte);
    info->serialNumber = qFromLittleEndian<quint32>(rawData + SerialByte);
    info->week = rawData[WeekByte];
    info->year = rawData[YearByte] + 1990u;
}

void Edid13Block::SetProductIdInfo(ProductIdInfo *info)
{
    if (!rawData || !info)
        return;
    const unsigned l1 = info->letter1 & 0x1Fu;
    const unsigned l2 = info->letter2 & 0x1Fu;
    const unsigned l3 = info->letter3 & 0x1Fu;
    // Bit 15 of the big-endian vendor word stays 0.
    qToBigEndian(static_cast<quint16>((l1 << 10) | (l2 << 5) | l3), rawData + VendorByte);
    qToLittleEndian(static_cast<quint16>(info->productCode), rawData + ProductByte);
    qToLittleEndian(static_cast<quint32>(info->serialNumber), rawData + SerialByte);
    rawData[WeekByte] = lowByte(info->week);
    rawData[YearByte] = lowByte(info->year - 1990u);
    recalcCheckSum();
}

QList<EdidItemLocation> Edid13Block::GetGeneralInfoLocation(unsigned code)
{
    switch (code) {
    case 0:
        return oneRange(startOffset + VersionByte, 2);
    case 1:
        return oneRange(startOffset + VendorByte, 2);
    case 2:
        return oneRange(startOffset + ProductByte, 2);
    case 3:
        return oneRange(startOffset + SerialByte, 4);
    case 4:
        return oneRange(startOffset + WeekByte, 1);
    case 5:
        return oneRange(startOffset + YearByte, 1);
    case 6:
        return oneRange(startOffset + ExtensionCountByte, 1);
    case 7:
        return oneRange(startOffset + ChecksumByte, 1);
    default:
        return oneRange(startOffset + VendorByte, IdentificationLength);
    }
}

// ---------------------------------------------------------------------------------------------
// Basic display parameters (bytes 20-24)

void Edid13Block::readBasicDisplayParams(BasicDisplayParams *params) const
{
    const unsigned input = rawData[InputByte];
    const unsigned features = rawData[FeatureByte];
    params->digital = bit(input, 7) != 0;
    if (rawData[GammaByte] != 0xFF) {
        params->gammaDefined = true;
        params->gamma = gammaValue(rawData[GammaByte]);
    } else {
        params->gammaDefined = false;
    }
    params->horizontalSize = rawData[HSizeByte];
    params->verticalSize = rawData[VSizeByte];
    params->screenSizeKind = (params->horizontalSize == 0 && params->verticalSize == 0)
                                 ? ScreenSizeUndefined
                                 : ScreenSizeCm;
    params->colorType = bits(features, 4, 3);
    unsigned flags = params->featureBits;
    flags = withBit(flags, 0, bit(features, 7) != 0); // standby
    flags = withBit(flags, 1, bit(features, 6) != 0); // suspend
    flags = withBit(flags, 2, bit(features, 5) != 0); // active off
    flags = withBit(flags, 3, bit(features, 2) != 0); // standard colour space
    flags = withBit(flags, 4, bit(features, 1) != 0); // preferred timing in slot 0
    flags = withBit(flags, 6, bit(features, 0) != 0); // default GTF
    params->featureBits = lowByte(flags);
    if (!params->digital) {
        params->signalLevel = bits(input, 6, 5);
        params->blankToBlackSetup = bit(input, 4) != 0;
        params->separateSync = bit(input, 3) != 0;
        params->compositeSyncOnHorizontal = bit(input, 2) != 0;
        params->syncOnGreen = bit(input, 1) != 0;
        params->serration = bit(input, 0) != 0;
    }
}

void Edid13Block::writeBasicDisplayParams(const BasicDisplayParams *params)
{
    const bool wasDigital = bit(rawData[InputByte], 7) != 0;
    quint8 input = setBit(rawData[InputByte], 7, params->digital);
    if (!params->digital) {
        input = setBits(input, 6, 5, params->signalLevel);
        input = setBit(input, 4, params->blankToBlackSetup);
        input = setBit(input, 3, params->separateSync);
        input = setBit(input, 2, params->compositeSyncOnHorizontal);
        input = setBit(input, 1, params->syncOnGreen);
        input = setBit(input, 0, params->serration);
    } else if (!wasDigital) {
        // Switching an analog input to digital drops the analog signal level and sync bits:
        // bits 6-1 are reserved for a digital input (bit 0 is the DFP 1.x bit).
        input = setBits(input, 6, 0, 0);
    }
    // A digital input that stays digital keeps bits 6-0 as stored (the DFP 1.x compatibility
    // bit and the reserved bits have no field in the record).
    rawData[InputByte] = input;

    rawData[GammaByte] = params->gammaDefined ? gammaByte(params->gamma) : quint8(0xFF);

    if (params->screenSizeKind == ScreenSizeUndefined) {
        rawData[HSizeByte] = 0;
        rawData[VSizeByte] = 0;
    } else {
        rawData[HSizeByte] = lowByte(params->horizontalSize);
        rawData[VSizeByte] = lowByte(params->verticalSize);
    }

    quint8 features = static_cast<quint8>(rawData[FeatureByte] & 0x18u); // colour type kept
    if (params->colorType < 4)
        features = setBits(features, 4, 3, params->colorType);
    const unsigned flags = params->featureBits;
    features = setBit(features, 7, bit(flags, 0) != 0);
    features = setBit(features, 6, bit(flags, 1) != 0);
    features = setBit(features, 5, bit(flags, 2) != 0);
    features = setBit(features, 2, bit(flags, 3) != 0);
    features = setBit(features, 1, bit(flags, 4) != 0);
    features = setBit(features, 0, bit(flags, 6) != 0);
    rawData[FeatureByte] = features;
}

void Edid13Block::GetBasicDisplayParams(BasicDisplayParams *params)
{
    if (!rawData || !params)
        return;
    readBasicDisplayParams(params);
}

void Edid13Block::SetBasicDisplayParams(BasicDisplayParams *params)
{
    if (!rawData || !params)
        return;
    writeBasicDisplayParams(params);
    recalcCheckSum();
}

QList<EdidItemLocation> Edid13Block::GetBasicDisplayParamsLocation(unsigned code)
{
    if (code < BasicParamsLength)
        return oneRange(startOffset + InputByte + code, 1);
    return oneRange(startOffset + InputByte, BasicParamsLength);
}

// ---------------------------------------------------------------------------------------------
// Colour characteristics (bytes 25-34)

void Edid13Block::GetColorCharacteristics(ColorCharacteristics *colors)
{
    if (!rawData || !colors)
        return;
    const unsigned rg = rawData[ColorByte];
    const unsigned bw = rawData[ColorByte + 1];
    const unsigned char *high = rawData + ColorHighByte;
    colors->redX = high[0] * 4u + bits(rg, 7, 6);
    colors->redY = high[1] * 4u + bits(rg, 5, 4);
    colors->greenX = high[2] * 4u + bits(rg, 3, 2);
    colors->greenY = high[3] * 4u + bits(rg, 1, 0);
    colors->blueX = high[4] * 4u + bits(bw, 7, 6);
    colors->blueY = high[5] * 4u + bits(bw, 5, 4);
    colors->whiteX = high[6] * 4u + bits(bw, 3, 2);
    colors->whiteY = high[7] * 4u + bits(bw, 1, 0);
}

void Edid13Block::SetColorCharacteristics(ColorCharacteristics *colors)
{
    if (!rawData || !colors)
        return;
    const unsigned values[8] = {colors->redX,  colors->redY,  colors->greenX, colors->greenY,
                                colors->blueX, colors->blueY, colors->whiteX, colors->whiteY};
    quint8 low[2] = {0, 0};
    for (unsigned i = 0; i < 8; ++i) {
        const unsigned high = 7 - (i % 4) * 2; // bits 7-6, 5-4, 3-2, 1-0
        low[i / 4] = setBits(low[i / 4], high, high - 1, bits(values[i], 1, 0));
        rawData[ColorHighByte + i] = lowByte(values[i] >> 2);
    }
    rawData[ColorByte] = low[0];
    rawData[ColorByte + 1] = low[1];
    recalcCheckSum();
}

QList<EdidItemLocation> Edid13Block::GetColorCharacteristicsLocation(unsigned code)
{
    // Codes: 0..3 red, green, blue, white x; 4..7 their y.
    // Red and green keep their low bits in byte 25, blue and white in byte 26.
    static const unsigned lowBytes[8] = {0, 0, 1, 1, 0, 0, 1, 1};
    static const unsigned highBytes[8] = {0, 2, 4, 6, 1, 3, 5, 7};
    if (code >= 8)
        return oneRange(startOffset + ColorByte, ColorLength);
    QList<EdidItemLocation> list = oneRange(startOffset + ColorByte + lowBytes[code], 1);
    list += oneRange(startOffset + ColorHighByte + highBytes[code], 1);
    return list;
}

// ---------------------------------------------------------------------------------------------
// Established timings (bytes 35-37)

bool Edid13Block::IsEstablishedTimingSupported(unsigned section, unsigned index)
{
    if (!rawData || section != 0 || index >= EstablishedCount)
        return false;
    return establishedBit(rawData + EstablishedByte, index);
}

void Edid13Block::SetEstablishedTimingSupport(unsigned section, unsigned index, bool supported)
{
    if (!rawData || section != 0 || index >= EstablishedCount)
        return;
    if (setEstablishedBit(rawData + EstablishedByte, index, supported))
        recalcCheckSum();
}

QString Edid13Block::GetEstablishedTimingName(unsigned section, unsigned index)
{
    if (!rawData || section != 0 || index >= EstablishedCount)
        return QString();
    return EstablishedTimings[index].label;
}

QList<EdidItemLocation> Edid13Block::GetEstablishedTimingLocation(unsigned index, unsigned)
{
    if (index == ~0u)
        return oneRange(startOffset + EstablishedByte, EstablishedLength);
    return oneRange(startOffset + EstablishedByte + index / 8, 1);
}

// ---------------------------------------------------------------------------------------------
// Standard timings (bytes 38-53 and standard timing descriptors)

unsigned char *Edid13Block::standardTimingBytes(unsigned section, unsigned index)
{
    if (section == 0 && index < StandardCount)
        return rawData + StandardByte + StandardSize * index;
    if (section >= 1 && section <= DescriptorCount && index < DescriptorStandardCount) {
        if (unsigned char *d = getDescriptor(EdidTagStandardTimings, section - 1))
            return d + DescriptorDataByte + StandardSize * index;
    }
    return nullptr;
}

bool Edid13Block::GetStandardTiming(unsigned section, unsigned index, StandardTiming *timing)
{
    if (!rawData)
        return false;
    if (const unsigned char *codes = standardTimingBytes(section, index))
        edidToStandardTiming(reinterpret_cast<const EdidStandardTiming *>(codes), timing);
    return true;
}

bool Edid13Block::SetStandardTiming(unsigned section, unsigned index, StandardTiming *timing)
{
    if (!rawData)
        return false;
    unsigned char *codes = standardTimingBytes(section, index);
    if (!codes || !timing)
        return false;
    standardTimingToEdid(timing, reinterpret_cast<EdidStandardTiming *>(codes));
    recalcCheckSum();
    return true;
}

QList<EdidItemLocation> Edid13Block::GetStandardTimingLocation(unsigned index, unsigned)
{
    if (index == ~0u)
        return oneRange(startOffset + StandardByte, StandardCount * StandardSize);
    return oneRange(startOffset + StandardByte + StandardSize * index, StandardSize);
}

// ---------------------------------------------------------------------------------------------
// Descriptors: kinds, adding and removing

DescriptorID Edid13Block::GetDescriptorID(unsigned slot)
{
    if (!rawData || slot >= DescriptorCount)
        return DescriptorUnknown;
    const unsigned char *d = rawData + descriptorByte(slot);
    if (!isDisplayDescriptor(d))
        return DescriptorDetailedTiming;
    return descriptorTagToID(static_cast<EdidDescriptorTag>(d[DescriptorTagByte]));
}

bool Edid13Block::IsDescriptorSupported(DescriptorID id)
{
    switch (id) {
    case DescriptorDetailedTiming:
    case DescriptorDataString:
    case DescriptorStandardTimings:
        return true;
    case DescriptorSerialNumber:
    case DescriptorRangeLimits:
    case DescriptorProductName:
    case DescriptorColorPoint:
        // At most one of each.
        return getDescriptor(descriptorIDToTag(id)) == nullptr;
    default:
        return false;
    }
}

void Edid13Block::AddDescriptor(DescriptorID id, unsigned slot)
{
    if (!rawData || slot >= DescriptorCount)
        return;
    unsigned char *d = rawData + descriptorByte(slot);
    std::memset(d, 0, DescriptorSize);
    if (id == DescriptorDetailedTiming) {
        qToLittleEndian<quint16>(5400, d); // pixel clock 54.00 MHz
        recalcCheckSum();
        return;
    }
    d[DescriptorTagByte] = descriptorIDToTag(id);
    switch (id) {
    case DescriptorSerialNumber:
    case DescriptorDataString:
    case DescriptorProductName:
        // An empty string: line feed, then spaces.
        d[DescriptorDataByte] = 0x0A;
        std::memset(d + DescriptorDataByte + 1, 0x20, DescriptorDataLength - 1);
        break;
    case DescriptorRangeLimits: {
        // 1-255 Hz, 1-255 kHz, 10 MHz, default GTF.
        static const unsigned char defaults[7] = {1, 0xFF, 1, 0xFF, 1, 0, 0x0A};
        std::memcpy(d + 5, defaults, sizeof defaults);
        std::memset(d + 12, 0x20, 6);
        break;
    }
    case DescriptorColorPoint:
        d[9] = 0xFF; // no gamma
        d[14] = 0xFF;
        d[15] = 0x0A;
        d[16] = 0x20;
        d[17] = 0x20;
        break;
    case DescriptorStandardTimings:
        std::memset(d + 5, 0x01, 12); // six empty codes
        d[17] = 0x0A;
        break;
    default:
        break; // the tag only
    }
    recalcCheckSum();
}

void Edid13Block::RemoveDescriptor(unsigned slot)
{
    if (!rawData || slot >= DescriptorCount)
        return;
    unsigned char *d = rawData + descriptorByte(slot);
    std::memset(d, 0, DescriptorSize);
    d[DescriptorTagByte] = EdidTagDummy;
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Detailed timings and strings

bool Edid13Block::GetDetailedTiming(unsigned slot, DetailedTiming *timing)
{
    const unsigned char *d = descriptorBytes(slot);
    if (!d || !timing)
        return false;
    edidToDetailedTiming(reinterpret_cast<const EdidDetailedTiming *>(d), timing);
    return true;
}

void Edid13Block::SetDetailedTiming(unsigned slot, DetailedTiming *timing)
{
    unsigned char *d = descriptorBytes(slot);
    if (!d || !timing)
        return;
    detailedTimingToEdid(timing, reinterpret_cast<EdidDetailedTiming *>(d));
    recalcCheckSum();
}

void Edid13Block::GetDescriptorString(unsigned slot, EdidString *text)
{
    const unsigned char *d = descriptorBytes(slot);
    if (!d || !text)
        return;
    std::memcpy(text->text, d + DescriptorDataByte, sizeof text->text);
}

void Edid13Block::SetDescriptorString(unsigned slot, EdidString *text)
{
    unsigned char *d = descriptorBytes(slot);
    if (!d || !text)
        return;
    std::memcpy(d + DescriptorDataByte, text->text, sizeof text->text);
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Colour point descriptor (tag 0xFB)

void Edid13Block::GetColorPoint(unsigned slot, ColorPoint *point)
{
    const unsigned char *d = descriptorBytes(slot);
    if (!d || !point)
        return;
    // Per white point: index, low bits (x in bits 3-2, y in bits 1-0), x high, y high, gamma.
    const unsigned char *w1 = d + 5;
    const unsigned char *w2 = d + 10;
    point->whitePointIndex1 = w1[0];
    point->whitePointIndex2 = w2[0];
    if (w1[0] != 0) {
        point->whiteX1 = w1[2] * 4u + bits(w1[1], 3, 2);
        point->whiteY1 = w1[3] * 4u + bits(w1[1], 1, 0);
    }
    if (w2[0] != 0) {
        point->whiteX2 = w2[2] * 4u + bits(w2[1], 3, 2);
        point->whiteY2 = w2[3] * 4u + bits(w2[1], 1, 0);
    }
    point->gamma1Defined = w1[4] != 0xFF;
    point->gamma2Defined = w2[4] != 0xFF;
    if (point->gamma1Defined)
        point->gamma1 = gammaValue(w1[4]);
    if (point->gamma2Defined)
        point->gamma2 = gammaValue(w2[4]);
}

void Edid13Block::SetColorPoint(unsigned slot, ColorPoint *point)
{
    unsigned char *d = descriptorBytes(slot);
    if (!d || !point)
        return;
    const auto writePoint = [](unsigned char *w, unsigned index, unsigned x, unsigned y,
                               bool gammaDefined, double gamma) {
        if (index == 0) {
            std::memset(w, 0, 4);
        } else {
            w[0] = lowByte(index);
            quint8 low = setBits(w[1], 3, 2, bits(x, 1, 0));
            w[1] = setBits(low, 1, 0, bits(y, 1, 0));
            w[2] = lowByte(x >> 2);
            w[3] = lowByte(y >> 2);
        }
        w[4] = gammaDefined ? gammaByte(gamma) : quint8(0xFF);
    };
    writePoint(d + 5, point->whitePointIndex1, point->whiteX1, point->whiteY1, point->gamma1Defined,
               point->gamma1);
    writePoint(d + 10, point->whitePointIndex2, point->whiteX2, point->whiteY2,
               point->gamma2Defined, point->gamma2);
    recalcCheckSum();
}

// ---------------------------------------------------------------------------------------------
// Range limits descriptor (tag 0xFD), EDID 1.3 meaning

void Edid13Block::writeRangeRates(unsigned char *descriptor, const RangeLimits *limits)
{
    descriptor[5] = lowByte(limits->minVerticalRate);
    descriptor[6] = lowByte(limits->maxVerticalRate);
    descriptor[7] = lowByte(limits->minHorizontalRate);
    descriptor[8] = lowByte(limits->maxHorizontalRate);
    descriptor[9] = lowByte(static_cast<unsigned>(limits->maxPixelClock / 10.0 + 0.5));
}

void Edid13Block::readSecondaryGtf(const unsigned char *descriptor, RangeLimits *limits)
{
    limits->timingSupport = RangeSecondaryGtf;
    limits->gtf.startFrequency = descriptor[12] * 2u;
    limits->gtf.cHalves = descriptor[13];
    limits->gtf.m = qFromLittleEndian<quint16>(descriptor + 14);
    limits->gtf.k = descriptor[16];
    limits->gtf.jHalves = descriptor[17];
}

void Edid13Block::writeSecondaryGtf(unsigned char *descriptor, const RangeLimits *limits)
{
    std::memset(descriptor + 11, 0, 7);
    descriptor[10] = 0x02;
    descriptor[12] = lowByte(limits->gtf.startFrequency / 2u);
    descriptor[13] = lowByte(limits->gtf.cHalves);
    qToLittleEndian(static_cast<quint16>(limits->gtf.m), descriptor + 14);
    descriptor[16] = lowByte(limits->gtf.k);
    descriptor[17] = lowByte(limits->gtf.jHalves);
}

void Edid13Block::writeNoTimingFormula(unsigned char *descriptor, unsigned char code)
{
    descriptor[10] = code;
    descriptor[11] = 0x0A;
    std::memset(descriptor + 12, 0x20, 6);
}

void Edid13Block::GetRangeLimits(unsigned slot, RangeLimits *limits)
{
    const unsigned char *d = descriptorBytes(slot);
    if (!d || !limits)
        return;
    limits->rateOffsets = false;
    limits->edid14 = false;
    limits->minVerticalRate = d[5];
    limits->maxVerticalRate = d[6];
    limits->minHorizontalRate = d[7];
    limits->maxHorizontalRate = d[8];
    limits->maxPixelClock = d[9] * 10u;
    // EDID 1.3 knows byte 10 = 0x00 (no secondary formula) and 0x02 (secondary GTF) only.
    if (d[10] == 0x02)
        readSecondaryGtf(d, limits);
    else if (d[10] == 0x00)
        limits->timingSupport = RangeLimitsOnly;
    else
        limits->timingSupport = RangeReservedCode + d[10];
}

void Edid13Block::SetRangeLimits(unsigned slot, RangeLimits *limits)
{
    unsigned char *d = descriptorBytes(slot);
    if (!d || !limits)
        return;
    writeRangeRates(d, limits);
    if (limits->timingSupport == RangeSecondaryGtf) {
        writeSecondaryGtf(d, limits);
    } else if (!isRangeReservedCode(limits->timingSupport) && d[10] != 0x00) {
        writeNoTimingFormula(d, 0x00);
    }
    // Otherwise the kind did not change: bytes 10-17 stay as stored, so a timing-support byte
    // without meaning in EDID 1.3 (0x01 "range limits only" of EDID 1.4, 0x04 CVT, ...) and its
    // bytes survive an edit of the rates.
    recalcCheckSum();
}

void Edid13Block::SetRangeFormulaDefaults(unsigned kind, RangeLimits *limits)
{
    if (!limits)
        return;
    switch (kind) {
    case RangeSecondaryGtf: {
        // The default GTF curve (VESA GTF, section 2.3: C = 40 %, M = 600 %/kHz, K = 128,
        // J = 20 %), starting at the top of the horizontal range: the display keeps to the
        // default curve until the user sets another.
        unsigned top = limits->maxHorizontalRate;
        if (limits->horizontalOffsetKind == RateOffsetMax255
            || limits->horizontalOffsetKind == RateOffsetMaxMin255)
            top += 255;
        limits->gtf.startFrequency = qMin(top, 510u) / 2u * 2u; // stored as kHz / 2
        limits->gtf.cHalves = 80;
        limits->gtf.m = 600;
        limits->gtf.k = 128;
        limits->gtf.jHalves = 40;
        break;
    }
    case RangeCvt:
        // CVT 1.1 without a line or clock limit; 16:9 supported and preferred at 60 Hz with
        // standard blanking; no scaling.
        limits->cvt.version = RangeCvtNewVersion;
        limits->cvt.maxActivePixels = 0;
        limits->cvt.pixelClockPrecision = 0;
        limits->cvt.preferredAspect = AspectRatio16x9;
        limits->cvt.preferredRefresh = 60;
        limits->standardBlanking = true;
        limits->reducedBlanking = false;
        limits->aspect4x3 = false;
        limits->aspect16x9 = true;
        limits->aspect16x10 = false;
        limits->aspect5x4 = false;
        limits->aspect15x9 = false;
        limits->horizontalShrink = false;
        limits->horizontalStretch = false;
        limits->verticalShrink = false;
        limits->verticalStretch = false;
        break;
    default:
        break; // no formula values
    }
}

QList<EdidItemLocation> Edid13Block::GetRangeLimitsLocation(unsigned code, unsigned slot)
{
    // {offset in the descriptor, length} by field code 0..31.
    static const unsigned char ranges[32][2] = {
        {4, 6},  {4, 1},  {7, 1},  {8, 1},  {4, 1},  {5, 1},  {6, 1},  {9, 1},
        {10, 1}, {11, 7}, {13, 1}, {16, 1}, {14, 2}, {17, 1}, {12, 1}, {11, 7},
        {12, 1}, {12, 1}, {15, 1}, {17, 1}, {15, 1}, {15, 1}, {16, 1}, {5, 13},
        {16, 1}, {16, 1}, {14, 1}, {14, 1}, {14, 1}, {14, 1}, {14, 1}, {14, 1},
    };
    const unsigned d = descriptorOffset(slot);
    if (code == ~0u)
        return oneRange(d + 4, 13);
    if (code >= 32)
        return oneRange(d + 5, 13);
    return oneRange(d + ranges[code][0], ranges[code][1]);
}

// ---------------------------------------------------------------------------------------------
// Descriptor locations

QList<EdidItemLocation> Edid13Block::GetDescriptorsLocation()
{
    return oneRange(startOffset + DescriptorByte, DescriptorCount * DescriptorSize);
}

QList<EdidItemLocation> Edid13Block::GetStringDescriptorLocation(unsigned, unsigned slot)
{
    return oneRange(descriptorOffset(slot), DescriptorSize);
}

QList<EdidItemLocation> Edid13Block::GetDummyDescriptorLocation(unsigned, unsigned slot)
{
    return oneRange(descriptorOffset(slot), DescriptorSize);
}

QList<EdidItemLocation> Edid13Block::GetColorPointLocation(unsigned, unsigned slot)
{
    return oneRange(descriptorOffset(slot), DescriptorSize);
}

QList<EdidItemLocation> Edid13Block::GetCvt3ByteTimingLocation(unsigned code, unsigned slot)
{
    return GetStringDescriptorLocation(code, slot);
}

QList<EdidItemLocation> Edid13Block::GetDetailedTimingLocation(unsigned code, unsigned slot)
{
    return detailedTimingLocation(code, descriptorOffset(slot));
}

// ---------------------------------------------------------------------------------------------
// Monitor summary and largest resolution

void Edid13Block::GetMonInfo(MonitorInfo *info)
{
    if (!rawData || !info)
        return;
    const unsigned id = qFromBigEndian<quint16>(rawData + VendorByte);
    const unsigned letters[3] = {bits(id, 14, 10), bits(id, 9, 5), bits(id, 4, 0)};
    unsigned written = 0;
    for (unsigned i = 0; i < 3; ++i) {
        if (letters[i] != 0) {
            info->pnpId[i] = static_cast<char>(0x40 + letters[i]);
            info->manufacturer[i] = static_cast<char>(0x40 + letters[i]);
            ++written;
        }
    }
    if (letters[0] == 0 && info->manufacturer[0] == '\0') {
        std::memcpy(info->pnpId, "XXX", 3);
        std::memcpy(info->manufacturer, "XXX", 3);
        written = 3;
    }
    const unsigned product = qFromLittleEndian<quint16>(rawData + ProductByte);
    std::snprintf(info->pnpId + written, sizeof info->pnpId - written, "%X", product);

    if (const unsigned char *name = getDescriptor(EdidTagProductName)) {
        unsigned length = 0;
        while (length < DescriptorDataLength && name[DescriptorDataByte + length] != 0x0A) {
            info->monitorName[length] = static_cast<char>(name[DescriptorDataByte + length]);
            ++length;
        }
        info->monitorName[length] = '\0';
    } else {
        std::snprintf(info->monitorName, sizeof info->monitorName, "%s", "Default Monitor");
    }

    info->powerManagement = rawData[FeatureByte] > 31; // standby, suspend or active off

    if (const unsigned char *range = getDescriptor(EdidTagRangeLimits)) {
        info->minVerticalRate = range[5];
        info->maxVerticalRate = range[6];
        info->minHorizontalRate = range[7];
        info->maxHorizontalRate = range[8];
        if (rawData[RevisionByte] >= 4) {
            // EDID 1.4 rate offsets (byte 4): 10 = maximum + 255, 11 = both + 255.
            const unsigned offsets = range[4];
            if (bits(offsets, 3, 2) == 3)
                info->minHorizontalRate += 255;
            if (bit(offsets, 3) != 0)
                info->maxHorizontalRate += 255;
            if (bits(offsets, 1, 0) == 3)
                info->minVerticalRate += 255;
            if (bit(offsets, 1) != 0)
                info->maxVerticalRate += 255;
        }
    }
}

void Edid13Block::getMaxResFromStandard(const EdidStandardTiming *raw, Resolution *resolution)
{
    if (!raw || !resolution || (raw->hActive == 0x01 && raw->aspectRefresh == 0x01))
        return;
    const unsigned n = raw->hActive + 31u;
    const unsigned revision = rawData ? rawData[RevisionByte] : 0u;
    updateMaxResolution(n * 8u, standardTimingHeight(n, bits(raw->aspectRefresh, 7, 6), revision),
                        resolution);
}

unsigned Edid13Block::standardTimingHeight(unsigned n, unsigned aspectBits, unsigned revision)
{
    switch (aspectBits) {
    case 0: // 16:10 since EDID 1.3, 1:1 before
        return revision > 2 ? n * 5u : n * 8u;
    case 1: // 4:3
        return n * 6u;
    case 2: // 5:4
        return n * 32u / 5u;
    default: // 16:9
        return n * 72u / 16u;
    }
}

void Edid13Block::GetMaxResolution(Resolution *resolution)
{
    if (!rawData || !resolution)
        return;
    for (unsigned slot = 0; slot < DescriptorCount; ++slot)
        getMaxResFromDetailed(
            reinterpret_cast<const EdidDetailedTiming *>(rawData + descriptorByte(slot)),
            resolution);
    for (unsigned i = 0; i < EstablishedCount; ++i) {
        if (establishedBit(rawData + EstablishedByte, i))
            updateMaxResolution(EstablishedTimings[i].width, EstablishedTimings[i].height,
                                resolution);
    }
    // Section 0: bytes 38-53; sections 1-4: a standard timings descriptor in slot section - 1.
    for (unsigned section = 0; section <= DescriptorCount; ++section) {
        for (unsigned i = 0; i < StandardCount; ++i) {
            if (const unsigned char *codes = standardTimingBytes(section, i))
                getMaxResFromStandard(reinterpret_cast<const EdidStandardTiming *>(codes),
                                      resolution);
        }
    }
}
