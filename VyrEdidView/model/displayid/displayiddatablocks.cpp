#include "displayidblock.h"
#include "displayidlayout.h"
#include "model/bits.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Identification, display and interface data blocks (DisplayID 1.3, section 4). Scaled values
// are written rounded to the nearest stored step, so a record that was just read writes back
// the same bytes. Enumerations that the reader clips keep a stored value beyond the clip when
// the record still holds the clip value.

using namespace DisplayIDLayout;

namespace {

constexpr unsigned kStereoMethodBytes[6] = {2, 2, 9, 2, 3, 2}; // method code + parameters

unsigned stereoMethodBytes(unsigned method)
{
    if (method < 6)
        return kStereoMethodBytes[method];
    return method == 255 ? 1u : 0u;
}

} // namespace

// ---- product identification (tag 0x00) -------------------------------------------------------

void DisplayIDBlock::GetProductIdentificationDataBlock(unsigned index,
                                                       DidProductIdDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length < 12 || length > 248)
        return;
    std::memcpy(record->vendorId, p, 3);
    record->productCode = qFromLittleEndian<quint16>(p + 3);
    record->serialNumber = qFromLittleEndian<quint32>(p + 5);
    record->week = p[9];
    record->year = p[10] == 0 ? 0u : 2000u + p[10];
    record->nameLength = p[11];
    const unsigned name = std::min({unsigned(p[11]), length - 12, unsigned(sizeof record->name)});
    std::memset(record->name, 0, sizeof record->name);
    std::memcpy(record->name, p + 12, name);
}

void DisplayIDBlock::SetProductIdentificationDataBlock(unsigned index,
                                                       const DidProductIdDataBlock *record,
                                                       int sizeChange)
{
    Q_UNUSED(sizeChange) // the change follows from the record's name length
    unsigned length = 0;
    if (payload(index, &length) == nullptr || record == nullptr
        || record->nameLength > sizeof record->name)
        return;
    const unsigned newLength = 12 + record->nameLength;
    if (!resizePayload(index, int(newLength) - int(length)))
        return;
    unsigned char *p = payload(index);
    std::memcpy(p, record->vendorId, 3);
    qToLittleEndian(static_cast<quint16>(record->productCode), p + 3);
    qToLittleEndian(static_cast<quint32>(record->serialNumber), p + 5);
    p[9] = static_cast<unsigned char>(record->week & 0xFFu);
    p[10] = record->year == 0 ? 0 : static_cast<unsigned char>((record->year - 2000u) & 0xFFu);
    p[11] = static_cast<unsigned char>(record->nameLength);
    std::memcpy(p + 12, record->name, record->nameLength);
    recalcCheckSum();
}

// ---- display parameters (tag 0x01) -----------------------------------------------------------

void DisplayIDBlock::GetDisplayParametersDataBlock(unsigned index,
                                                   DidDisplayParamsDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 12)
        return;
    record->hImageSize = qFromLittleEndian<quint16>(p) / 10.0;
    record->vImageSize = qFromLittleEndian<quint16>(p + 2) / 10.0;
    record->hPixels = qFromLittleEndian<quint16>(p + 4);
    record->vPixels = qFromLittleEndian<quint16>(p + 6);
    record->audioSupport = bit(p[8], 7);
    record->separateAudioInputs = bit(p[8], 6);
    record->audioInputOverride = bit(p[8], 5);
    record->powerManagement = bit(p[8], 4);
    record->fixedTiming = bit(p[8], 3);
    record->fixedPixelFormat = bit(p[8], 2);
    record->reservedFeature = bit(p[8], 1);
    record->deinterlacing = bit(p[8], 0);
    record->gamma = p[9] / 100.0 + 1.0;
    record->aspectRatio = p[10] / 100.0 + 1.0;
    record->overallDynamicRange = bits(p[11], 7, 4) + 1;
    record->nativeDynamicRange = bits(p[11], 3, 0) + 1;
}

void DisplayIDBlock::SetDisplayParametersDataBlock(unsigned index,
                                                   const DidDisplayParamsDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 12)
        return;
    unsigned char out[12] = {};
    qToLittleEndian(static_cast<quint16>(scaled(record->hImageSize, 10.0)), out);
    qToLittleEndian(static_cast<quint16>(scaled(record->vImageSize, 10.0)), out + 2);
    qToLittleEndian(static_cast<quint16>(record->hPixels), out + 4);
    qToLittleEndian(static_cast<quint16>(record->vPixels), out + 6);
    quint8 features = 0;
    features = setBit(features, 7, record->audioSupport);
    features = setBit(features, 6, record->separateAudioInputs);
    features = setBit(features, 5, record->audioInputOverride);
    features = setBit(features, 4, record->powerManagement);
    features = setBit(features, 3, record->fixedTiming);
    features = setBit(features, 2, record->fixedPixelFormat);
    features = setBit(features, 1, record->reservedFeature);
    features = setBit(features, 0, record->deinterlacing);
    out[8] = features;
    out[9] = lowByte(scaled(record->gamma - 1.0, 100.0));
    out[10] = lowByte(scaled(record->aspectRatio - 1.0, 100.0));
    out[11] = setBits(setBits(0, 7, 4, record->overallDynamicRange - 1), 3, 0,
                      record->nativeDynamicRange - 1);
    std::memcpy(p, out, sizeof out);
    recalcCheckSum();
}

// ---- colour characteristics (tag 0x02) -------------------------------------------------------

void DisplayIDBlock::GetColorCharsDataBlock(unsigned index, DidColorCharsDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length < 1)
        return;
    record->coordinateType = static_cast<quint8>(bit(m_map[index].revision, 7));
    record->temporal = static_cast<quint8>(bit(p[0], 7));
    record->whitePoints = static_cast<quint8>(bits(p[0], 3, 0));
    record->primaries = static_cast<quint8>(bits(p[0], 6, 4));
    const unsigned points = record->whitePoints + record->primaries;
    if (length > 1 + 3 * DidMaxColorPoints || length != 3 * points + 1)
        return;
    for (unsigned i = 0; i < points; ++i) {
        const unsigned char *q = p + 1 + 3 * i;
        record->points[i].x = q[0] | bits(q[1], 3, 0) << 8;
        record->points[i].y = bits(q[1], 7, 4) | unsigned(q[2]) << 4;
    }
}

void DisplayIDBlock::SetColorCharsDataBlock(unsigned index, const DidColorCharsDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr)
        return;
    const unsigned points = unsigned(record->whitePoints & 15u) + unsigned(record->primaries & 7u);
    // The block is not resized here: the record must describe the payload as it is.
    if (points > DidMaxColorPoints || length != 3 * points + 1)
        return;
    // Points the stored counts do not describe were never read into a record: their bytes are
    // kept, only the counts change.
    const unsigned storedPoints = bits(p[0], 3, 0) + bits(p[0], 6, 4);
    const bool pointsRead = storedPoints <= DidMaxColorPoints && length == 3 * storedPoints + 1;
    p[0] = static_cast<unsigned char>((record->temporal & 1u) << 7 | (record->primaries & 7u) << 4
                                      | (record->whitePoints & 15u));
    // The coordinate type lives in the data block's revision byte (DisplayID 1.3, 4.3).
    writeRevision(index, setBit(m_map[index].revision, 7, record->coordinateType & 1u));
    for (unsigned i = 0; pointsRead && i < points; ++i) {
        unsigned char *q = p + 1 + 3 * i;
        const unsigned x = record->points[i].x;
        const unsigned y = record->points[i].y;
        q[0] = lowByte(bits(x, 7, 0));
        q[1] = lowByte(bits(y, 3, 0) << 4 | bits(x, 11, 8));
        q[2] = lowByte(bits(y, 11, 4));
    }
    recalcCheckSum();
}

// ---- video timing range limits (tag 0x09) ----------------------------------------------------

void DisplayIDBlock::GetRangeLimitsDataBlock(unsigned index, DidRangeLimitsDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 15)
        return;
    record->minPixelClock = le24(p) / 100.0;
    record->maxPixelClock = le24(p + 3) / 100.0;
    record->minHFrequency = p[6];
    record->maxHFrequency = p[7];
    record->minHBlanking = qFromLittleEndian<quint16>(p + 8);
    record->minVRate = p[10];
    record->maxVRate = p[11];
    record->minVBlanking = qFromLittleEndian<quint16>(p + 12);
    record->interlaced = static_cast<quint8>(bit(p[14], 7));
    record->reducedBlanking = static_cast<quint8>(bit(p[14], 5));
    record->standardBlanking = static_cast<quint8>(bit(p[14], 6));
    record->discreteFrequency = static_cast<quint8>(bit(p[14], 4));
}

void DisplayIDBlock::SetRangeLimitsDataBlock(unsigned index, const DidRangeLimitsDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 15)
        return;
    unsigned char out[15] = {};
    put24(out, scaled(record->minPixelClock, 100.0));
    put24(out + 3, scaled(record->maxPixelClock, 100.0));
    out[6] = lowByte(record->minHFrequency);
    out[7] = lowByte(record->maxHFrequency);
    qToLittleEndian(static_cast<quint16>(record->minHBlanking), out + 8);
    out[10] = lowByte(record->minVRate);
    out[11] = lowByte(record->maxVRate);
    qToLittleEndian(static_cast<quint16>(record->minVBlanking), out + 12);
    quint8 flags = 0;
    flags = setBit(flags, 7, record->interlaced & 1u);
    flags = setBit(flags, 6, record->standardBlanking & 1u);
    flags = setBit(flags, 5, record->reducedBlanking & 1u);
    flags = setBit(flags, 4, record->discreteFrequency & 1u);
    out[14] = flags;
    std::memcpy(p, out, sizeof out);
    recalcCheckSum();
}

// ---- product serial number (0x0A) and general-purpose ASCII string (0x0B) ----------------------

template <typename TextRecord>
void DisplayIDBlock::getTextBlock(unsigned index, TextRecord *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length > DidMaxTextLength)
        return;
    record->length = static_cast<quint8>(length);
    std::memset(record->text, 0, sizeof record->text);
    std::memcpy(record->text, p, length);
}

template <typename TextRecord>
void DisplayIDBlock::setTextBlock(unsigned index, const TextRecord *record)
{
    unsigned length = 0;
    if (payload(index, &length) == nullptr || record == nullptr
        || record->length > DidMaxTextLength)
        return;
    if (!resizePayload(index, int(record->length) - int(length)))
        return;
    std::memcpy(payload(index), record->text, record->length);
    recalcCheckSum();
}

void DisplayIDBlock::GetProductSerialNumberDataBlock(unsigned index,
                                                     DidProductSNDataBlock *record) const
{
    getTextBlock(index, record);
}

void DisplayIDBlock::SetProductSerialNumberDataBlock(unsigned index,
                                                     const DidProductSNDataBlock *record,
                                                     int sizeChange)
{
    Q_UNUSED(sizeChange) // the change follows from the record's length
    setTextBlock(index, record);
}

void DisplayIDBlock::GetGeneralPurposeAsciiDataBlock(unsigned index,
                                                     DidAsciiDataBlock *record) const
{
    getTextBlock(index, record);
}

void DisplayIDBlock::SetGeneralPurposeAsciiDataBlock(unsigned index,
                                                     const DidAsciiDataBlock *record,
                                                     int sizeChange)
{
    Q_UNUSED(sizeChange) // the change follows from the record's length
    setTextBlock(index, record);
}

// ---- display device data (tag 0x0C) ---------------------------------------------------------

void DisplayIDBlock::GetDisplayDeviceDataBlock(unsigned index, DidDevDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 13)
        return;
    const unsigned technology = bits(p[0], 7, 4);
    const unsigned subType = bits(p[0], 3, 0);
    record->technology = std::min(technology, 11u);
    switch (technology) {
    case 0:
        record->subType = std::min(subType, 3u);
        break;
    case 1:
        record->subType = (subType >= 9 && subType <= 14) ? 9u : subType;
        break;
    case 2:
        record->subType = std::min(subType, 2u);
        break;
    default:
        record->subType = 0;
        break;
    }
    record->operatingMode = std::min(bits(p[1], 7, 4), 14u);
    record->backlight = static_cast<quint8>(bit(p[1], 3));
    record->intensity = static_cast<quint8>(bit(p[1], 2));
    record->hPixels = qFromLittleEndian<quint16>(p + 2);
    record->vPixels = qFromLittleEndian<quint16>(p + 4);
    record->aspectRatio = p[6] / 100.0 + 1.0;
    record->scanDirection = bits(p[7], 1, 0);
    record->zeroPixelLocation = bits(p[7], 3, 2);
    record->rotation = bits(p[7], 5, 4);
    record->orientation = bits(p[7], 7, 6);
    record->subPixelLayout = std::min(unsigned(p[8]), 13u);
    record->hPitch = p[9] / 100.0;
    record->vPitch = p[10] / 100.0;
    record->colorBitDepth = bits(p[11], 3, 0);
    record->responseTime = bits(p[12], 6, 0);
    record->responseTimeFlag = static_cast<quint8>(bit(p[12], 7));
}

void DisplayIDBlock::SetDisplayDeviceDataBlock(unsigned index, const DidDevDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 13)
        return;
    const unsigned storedTechnology = bits(p[0], 7, 4);
    const unsigned storedSubType = bits(p[0], 3, 0);
    const unsigned technology = keepClipped(record->technology, storedTechnology, 11);
    unsigned subType = storedSubType; // kept for technologies without sub-types
    switch (technology) {
    case 0:
        subType = keepClipped(record->subType, storedSubType, 3);
        break;
    case 1:
        subType = (record->subType == 9 && storedSubType >= 9 && storedSubType <= 14)
                      ? storedSubType
                      : record->subType;
        break;
    case 2:
        subType = keepClipped(record->subType, storedSubType, 2);
        break;
    default:
        break;
    }
    unsigned char out[13] = {};
    out[0] = setBits(setBits(0, 7, 4, technology), 3, 0, subType);
    quint8 mode = setBits(0, 7, 4, keepClipped(record->operatingMode, bits(p[1], 7, 4), 14));
    mode = setBit(mode, 3, record->backlight & 1u);
    mode = setBit(mode, 2, record->intensity & 1u);
    out[1] = mode;
    qToLittleEndian(static_cast<quint16>(record->hPixels), out + 2);
    qToLittleEndian(static_cast<quint16>(record->vPixels), out + 4);
    out[6] = lowByte(scaled(record->aspectRatio - 1.0, 100.0));
    quint8 orientation = setBits(0, 1, 0, record->scanDirection);
    orientation = setBits(orientation, 3, 2, record->zeroPixelLocation);
    orientation = setBits(orientation, 5, 4, record->rotation);
    orientation = setBits(orientation, 7, 6, record->orientation);
    out[7] = orientation;
    out[8] = lowByte(keepClipped(record->subPixelLayout, p[8], 13));
    out[9] = lowByte(scaled(record->hPitch, 100.0));
    out[10] = lowByte(scaled(record->vPitch, 100.0));
    out[11] = setBits(0, 3, 0, record->colorBitDepth);
    out[12] = setBit(setBits(0, 6, 0, record->responseTime), 7, record->responseTimeFlag & 1u);
    std::memcpy(p, out, sizeof out);
    recalcCheckSum();
}

// ---- interface power sequencing (tag 0x0D) ---------------------------------------------------

void DisplayIDBlock::GetPowerSeqDataBlock(unsigned index, DidPowerSeqDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 6)
        return;
    record->t1Min = bits(p[0], 7, 4) / 10.0;
    record->t1Max = bits(p[0], 3, 0) * 2;
    record->reserved1 = 0;
    record->t2 = bits(p[1], 5, 0) * 2;
    record->reserved2 = 0;
    record->t3 = bits(p[2], 5, 0) * 2;
    record->t4Min = bits(p[3], 6, 0) * 10;
    record->t5Min = bits(p[4], 5, 0) * 10;
    record->t6Min = bits(p[5], 5, 0) * 10;
}

void DisplayIDBlock::SetPowerSeqDataBlock(unsigned index, const DidPowerSeqDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 6)
        return;
    unsigned char out[6] = {};
    out[0] =
        setBits(setBits(0, 7, 4, scaled(record->t1Min, 10.0)), 3, 0, nearestStep(record->t1Max, 2));
    out[1] = setBits(0, 5, 0, nearestStep(record->t2, 2));
    out[2] = setBits(0, 5, 0, nearestStep(record->t3, 2));
    out[3] = setBits(0, 6, 0, nearestStep(record->t4Min, 10));
    out[4] = setBits(0, 5, 0, nearestStep(record->t5Min, 10));
    out[5] = setBits(0, 5, 0, nearestStep(record->t6Min, 10));
    std::memcpy(p, out, sizeof out);
    recalcCheckSum();
}

// ---- display interface (tag 0x0F) ------------------------------------------------------------
// Payload: 0 interface type (7..4) and number of links or analog sub-type (3..0); 1 standard
// version (7..4) and revision (3..0); 2-4 RGB, YCbCr 4:4:4 and 4:2:2 colour depths; 5 content
// protection (2..0); 6 its version (7..4) and revision (3..0); 7 spread-spectrum type (7..6)
// and percentage in 0.1 % (3..0); 8-9 interface attributes.

void DisplayIDBlock::GetDisplayInterfaceDataBlock(unsigned index,
                                                  DidDisplayInterfaceDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 10)
        return;
    const unsigned type = bits(p[0], 7, 4);
    record->interfaceType = type; // 12-15 reserved; written back as stored
    record->subTypeOrLinks = type == 0 ? std::min(bits(p[0], 3, 0), 3u) : bits(p[0], 3, 0);
    record->version = bits(p[1], 7, 4);
    record->revision = bits(p[1], 3, 0);
    for (unsigned i = 0; i < 6; ++i) {
        record->rgb[i] = bit(p[2], i);
        record->ycbcr444[i] = bit(p[3], i);
    }
    for (unsigned i = 0; i < 5; ++i)
        record->ycbcr422[i] = bit(p[4], i);
    record->contentProtection = bits(p[5], 2, 0);
    record->cpVersion = bits(p[6], 7, 4);
    record->cpRevision = bits(p[6], 3, 0);
    record->spreadSpectrumType = bits(p[7], 7, 6);
    record->spreadSpectrum = bits(p[7], 3, 0) / 10.0;
    std::memset(record->attributes1, 0, sizeof record->attributes1);
    std::memset(record->attributes2, 0, sizeof record->attributes2);
    if (type == 1) {
        for (unsigned i = 0; i < 5; ++i)
            record->attributes1[i] = static_cast<quint8>(bit(p[8], i));
        for (unsigned i = 0; i < 3; ++i)
            record->attributes2[i] = static_cast<quint8>(bit(p[9], i));
    } else if (type == 11) {
        for (unsigned i = 0; i < 3; ++i)
            record->attributes1[i] = static_cast<quint8>(bit(p[8], i));
        record->attributes2[0] = p[9];
    } else {
        record->attributes1[0] = p[8];
        record->attributes2[0] = p[9];
    }
}

void DisplayIDBlock::SetDisplayInterfaceDataBlock(unsigned index,
                                                  const DidDisplayInterfaceDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 10)
        return;
    const unsigned storedType = bits(p[0], 7, 4);
    const unsigned type = keepClipped(record->interfaceType, storedType, 12);
    unsigned links = record->subTypeOrLinks;
    if (type == 0)
        links = keepClipped(links, bits(p[0], 3, 0), 3);
    unsigned char out[10] = {};
    out[0] = setBits(setBits(0, 7, 4, type), 3, 0, links);
    out[1] = setBits(setBits(0, 7, 4, record->version), 3, 0, record->revision);
    for (unsigned i = 0; i < 6; ++i) {
        out[2] = setBit(out[2], i, record->rgb[i]);
        out[3] = setBit(out[3], i, record->ycbcr444[i]);
    }
    for (unsigned i = 0; i < 5; ++i)
        out[4] = setBit(out[4], i, record->ycbcr422[i]);
    out[5] = setBits(0, 2, 0, record->contentProtection);
    out[6] = setBits(setBits(0, 7, 4, record->cpVersion), 3, 0, record->cpRevision);
    out[7] = setBits(setBits(0, 7, 6, record->spreadSpectrumType), 3, 0,
                     scaled(record->spreadSpectrum, 10.0));
    if (type == 1) {
        for (unsigned i = 0; i < 5; ++i)
            out[8] = setBit(out[8], i, record->attributes1[i] & 1u);
        for (unsigned i = 0; i < 3; ++i)
            out[9] = setBit(out[9], i, record->attributes2[i] & 1u);
    } else if (type == 11) {
        for (unsigned i = 0; i < 3; ++i)
            out[8] = setBit(out[8], i, record->attributes1[i] & 1u);
        out[9] = record->attributes2[0];
    } else {
        out[8] = record->attributes1[0];
        out[9] = record->attributes2[0];
    }
    std::memcpy(p, out, sizeof out);
    recalcCheckSum();
}

// ---- stereo display interface (tag 0x10) -----------------------------------------------------
// Payload: 0 length of the method part, 1 method code, then its parameters, then up to three
// groups of timing codes (bits 7..6 code type, 4..0 number of codes, then the codes).

unsigned DisplayIDBlock::stereoPayloadSize(const DidStereoInterfaceDataBlock *record)
{
    if (record == nullptr)
        return 0;
    const unsigned method = stereoMethodBytes(record->method);
    if (method == 0)
        return 0;
    unsigned size = 1 + method;
    for (const DidStereoCodeGroup &group : record->groups) {
        const unsigned count = std::min(unsigned(group.count), 31u);
        if (count != 0)
            size += 1 + count;
    }
    return size;
}

void DisplayIDBlock::GetStereoInterfaceDataBlock(unsigned index,
                                                 DidStereoInterfaceDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr)
        return;
    record->timingSupport = bits(m_map[index].revision, 7, 6);
    if (length < 2)
        return;
    record->methodLength = p[0];
    record->method = stereoMethodBytes(p[1]) != 0 ? p[1] : 255u;
    std::memset(record->params, 0, sizeof record->params);
    const unsigned methodEnd = std::min(1u + p[0], length); // payload bytes of the method part
    const auto at = [&](unsigned i) {
        return i < methodEnd ? p[i] : static_cast<unsigned char>(0);
    };
    switch (record->method) {
    case 0:
    case 1:
    case 5:
        record->params[0] = static_cast<quint8>(bit(at(2), 0));
        break;
    case 2:
        for (unsigned i = 0; i < 8; ++i)
            record->params[i] = at(2 + i);
        break;
    case 3:
        record->params[0] = static_cast<quint8>(bit(at(2), 0));
        record->params[1] = static_cast<quint8>(bits(at(2), 2, 1));
        break;
    case 4:
        record->params[0] = at(2);
        record->params[1] = at(3);
        break;
    default:
        break;
    }
    for (DidStereoCodeGroup &group : record->groups)
        group = DidStereoCodeGroup();
    unsigned pos = 1 + unsigned(p[0]);
    for (unsigned g = 0; g < DidMaxStereoGroups && pos < length; ++g) {
        const unsigned count = bits(p[pos], 4, 0);
        if (pos + 1 + count > length)
            break; // a group is taken only whole
        record->groups[g].codeType = static_cast<quint8>(bits(p[pos], 7, 6));
        record->groups[g].count = static_cast<quint8>(count);
        std::memcpy(record->groups[g].codes, p + pos + 1, count);
        pos += 1 + count;
    }
}

void DisplayIDBlock::SetStereoInterfaceDataBlock(unsigned index,
                                                 const DidStereoInterfaceDataBlock *record,
                                                 int sizeChange)
{
    Q_UNUSED(sizeChange) // the payload is exactly the encoded record
    unsigned length = 0;
    const unsigned char *old = payload(index, &length);
    if (old == nullptr || record == nullptr)
        return;
    // A stored method without a known layout reads as 255; such a block is left alone.
    if (record->method == 255 && length >= 2 && stereoMethodBytes(old[1]) == 0)
        return;
    const unsigned size = stereoPayloadSize(record);
    if (size == 0)
        return;
    const quint8 revision = m_map[index].revision; // may carry a new stereo timing support
    if (!resizePayload(index, int(size) - int(length)))
        return;
    writeRevision(index, revision);

    unsigned char *p = payload(index);
    const unsigned method = stereoMethodBytes(record->method);
    p[0] = static_cast<unsigned char>(method);
    p[1] = static_cast<unsigned char>(record->method);
    switch (record->method) {
    case 0:
    case 1:
    case 5:
        p[2] = static_cast<unsigned char>(record->params[0] & 1u);
        break;
    case 2:
        std::memcpy(p + 2, record->params, 8);
        break;
    case 3:
        p[2] = setBits(setBit(0, 0, record->params[0] & 1u), 2, 1, record->params[1]);
        break;
    case 4:
        p[2] = record->params[0];
        p[3] = record->params[1];
        break;
    default:
        break;
    }
    unsigned pos = 1 + method;
    for (const DidStereoCodeGroup &group : record->groups) {
        const unsigned count = std::min(unsigned(group.count), 31u);
        if (count == 0)
            continue;
        p[pos] = setBits(setBits(0, 7, 6, group.codeType), 4, 0, count);
        std::memcpy(p + pos + 1, group.codes, count);
        pos += 1 + count;
    }
    recalcCheckSum();
}

// ---- tiled display topology (tag 0x12) -------------------------------------------------------

void DisplayIDBlock::GetTiledDisplayDataBlock(unsigned index,
                                              DidTiledDisplayDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 22)
        return;
    record->behaviourA = bits(p[0], 2, 0);
    record->behaviourB = bits(p[0], 4, 3);
    record->bezelPresent = static_cast<quint8>(bit(p[0], 6));
    record->flagBit7 = static_cast<quint8>(bit(p[0], 7));
    // Each 6-bit field: low 4 bits in byte 1 or 2, high 2 bits in byte 3; stored minus 1.
    record->hTiles = (bits(p[3], 7, 6) << 4 | bits(p[1], 7, 4)) + 1;
    record->vTiles = (bits(p[3], 5, 4) << 4 | bits(p[1], 3, 0)) + 1;
    record->hLocation = (bits(p[3], 3, 2) << 4 | bits(p[2], 7, 4)) + 1;
    record->vLocation = (bits(p[3], 1, 0) << 4 | bits(p[2], 3, 0)) + 1;
    record->hTileSize = qFromLittleEndian<quint16>(p + 4) + 1u;
    record->vTileSize = qFromLittleEndian<quint16>(p + 6) + 1u;
    record->pixelDensity = p[8];
    for (unsigned i = 0; i < 4; ++i)
        record->bezel[i] = p[9 + i];
    std::memcpy(record->vendorId, p + 13, 3);
    record->productCode = qFromLittleEndian<quint16>(p + 16);
    record->serialNumber = qFromLittleEndian<quint32>(p + 18);
}

void DisplayIDBlock::SetTiledDisplayDataBlock(unsigned index,
                                              const DidTiledDisplayDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length != 22)
        return;
    unsigned char out[22] = {};
    quint8 b0 = setBits(0, 2, 0, record->behaviourA);
    b0 = setBits(b0, 4, 3, record->behaviourB);
    b0 = setBit(b0, 6, record->bezelPresent & 1u);
    out[0] = setBit(b0, 7, record->flagBit7 & 1u);
    const unsigned ht = record->hTiles - 1;
    const unsigned vt = record->vTiles - 1;
    const unsigned hl = record->hLocation - 1;
    const unsigned vl = record->vLocation - 1;
    out[1] = setBits(setBits(0, 7, 4, bits(ht, 3, 0)), 3, 0, bits(vt, 3, 0));
    out[2] = setBits(setBits(0, 7, 4, bits(hl, 3, 0)), 3, 0, bits(vl, 3, 0));
    quint8 high = setBits(0, 7, 6, bits(ht, 5, 4));
    high = setBits(high, 5, 4, bits(vt, 5, 4));
    high = setBits(high, 3, 2, bits(hl, 5, 4));
    out[3] = setBits(high, 1, 0, bits(vl, 5, 4));
    qToLittleEndian(static_cast<quint16>(record->hTileSize - 1), out + 4);
    qToLittleEndian(static_cast<quint16>(record->vTileSize - 1), out + 6);
    out[8] = lowByte(record->pixelDensity);
    for (unsigned i = 0; i < 4; ++i)
        out[9 + i] = lowByte(record->bezel[i]);
    std::memcpy(out + 13, record->vendorId, 3);
    qToLittleEndian(static_cast<quint16>(record->productCode), out + 16);
    qToLittleEndian(static_cast<quint32>(record->serialNumber), out + 18);
    std::memcpy(p, out, sizeof out);
    recalcCheckSum();
}

// ---- vendor specific (tag 0x7F) --------------------------------------------------------------

void DisplayIDBlock::GetVendorSpecificDataBlock(unsigned index,
                                                DidVendorSpecificDataBlock *record) const
{
    unsigned length = 0;
    const unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length < 3 || length > 248)
        return;
    std::memcpy(record->vendorId, p, 3);
}

void DisplayIDBlock::SetVendorSpecificDataBlock(unsigned index,
                                                const DidVendorSpecificDataBlock *record)
{
    unsigned length = 0;
    unsigned char *p = payload(index, &length);
    if (p == nullptr || record == nullptr || length < 3)
        return;
    std::memcpy(p, record->vendorId, 3); // the vendor's own bytes stay as they are
    recalcCheckSum();
}
