// Codecs of DataBlock for the three timing encodings shared by the EDID block kinds:
// the 18-byte detailed timing descriptor, the 2-byte standard timing and the 3-byte CVT code
// (VESA E-EDID 1.4, sections 3.9, 3.10.2 and 3.10.3.8).

#include "bits.h"
#include "datablock.h"

#include <QtEndian>

namespace {

// Decodes everything but the block-dependent border-active state.
void decodeDetailedTiming(const EdidDetailedTiming *raw, DetailedTiming *timing)
{
    timing->pixelClock = qFromLittleEndian<quint16>(raw->pixelClock);
    timing->hActive = bits(raw->hActiveBlankingHigh, 7, 4) * 256u + raw->hActiveLow;
    timing->hBlanking = bits(raw->hActiveBlankingHigh, 3, 0) * 256u + raw->hBlankingLow;
    timing->vActive = bits(raw->vActiveBlankingHigh, 7, 4) * 256u + raw->vActiveLow;
    timing->vBlanking = bits(raw->vActiveBlankingHigh, 3, 0) * 256u + raw->vBlankingLow;
    timing->hSyncOffset = bits(raw->syncHigh, 7, 6) * 256u + raw->hSyncOffsetLow;
    timing->hSyncWidth = bits(raw->syncHigh, 5, 4) * 256u + raw->hSyncWidthLow;
    timing->vSyncOffset = bits(raw->syncHigh, 3, 2) * 16u + bits(raw->vSyncOffsetWidthLow, 7, 4);
    timing->vSyncWidth = bits(raw->syncHigh, 1, 0) * 16u + bits(raw->vSyncOffsetWidthLow, 3, 0);
    timing->hImageSize = bits(raw->imageSizeHigh, 7, 4) * 256u + raw->hImageSizeLow;
    timing->vImageSize = bits(raw->imageSizeHigh, 3, 0) * 256u + raw->vImageSizeLow;
    timing->hBorder = raw->hBorder;
    timing->vBorder = raw->vBorder;

    const unsigned flags = raw->flags;
    timing->interlaced = bit(flags, 7) != 0;
    timing->syncFlag2 = bit(flags, 2) != 0;
    timing->syncFlag1 = bit(flags, 1) != 0;
    timing->syncType = bits(flags, 4, 3);
    // Stereo: bits 6-5 and bit 0 form v = mode + 1; bits 6-5 = 00 is "no stereo" whatever
    // bit 0 holds.
    const unsigned v = bits(flags, 6, 5) * 2u + bit(flags, 0);
    timing->stereoMode = v != 0 ? v - 1u : 0u;
}

quint8 nibbles(unsigned high, unsigned low)
{
    return static_cast<quint8>(((high & 0xFu) << 4) | (low & 0xFu));
}

} // namespace

void DataBlock::edidToDetailedTiming(const EdidDetailedTiming *raw, DetailedTiming *timing) const
{
    if (!raw || !timing)
        return;
    decodeDetailedTiming(raw, timing);
    timing->borderActive = borderActive;
}

void DataBlock::detailedTimingToEdid(const DetailedTiming *timing, EdidDetailedTiming *raw)
{
    if (!timing || !raw)
        return;
    qToLittleEndian(static_cast<quint16>(timing->pixelClock), raw->pixelClock);
    raw->hActiveLow = lowByte(timing->hActive);
    raw->hBlankingLow = lowByte(timing->hBlanking);
    raw->hActiveBlankingHigh =
        nibbles(bits(timing->hActive, 11, 8), bits(timing->hBlanking, 11, 8));
    raw->vActiveLow = lowByte(timing->vActive);
    raw->vBlankingLow = lowByte(timing->vBlanking);
    raw->vActiveBlankingHigh =
        nibbles(bits(timing->vActive, 11, 8), bits(timing->vBlanking, 11, 8));
    raw->hSyncOffsetLow = lowByte(timing->hSyncOffset);
    raw->hSyncWidthLow = lowByte(timing->hSyncWidth);
    raw->vSyncOffsetWidthLow =
        nibbles(bits(timing->vSyncOffset, 3, 0), bits(timing->vSyncWidth, 3, 0));
    raw->syncHigh = static_cast<quint8>(
        (bits(timing->hSyncOffset, 9, 8) << 6) | (bits(timing->hSyncWidth, 9, 8) << 4)
        | (bits(timing->vSyncOffset, 5, 4) << 2) | bits(timing->vSyncWidth, 5, 4));
    raw->hImageSizeLow = lowByte(timing->hImageSize);
    raw->vImageSizeLow = lowByte(timing->vImageSize);
    raw->imageSizeHigh = nibbles(bits(timing->hImageSize, 11, 8), bits(timing->vImageSize, 11, 8));
    raw->hBorder = lowByte(timing->hBorder);
    raw->vBorder = lowByte(timing->vBorder);

    // Byte 17: bits 6, 5 and 0 (stereo) are kept unless the stereo mode says otherwise.
    quint8 flags = raw->flags;
    flags = setBit(flags, 7, timing->interlaced);
    flags = setBits(flags, 4, 3, timing->syncType);
    flags = setBit(flags, 2, timing->syncFlag2);
    flags = setBit(flags, 1, timing->syncFlag1);
    if (timing->stereoMode != 0 || bits(flags, 6, 5) != 0) {
        const unsigned v = timing->stereoMode + 1u;
        flags = setBit(flags, 0, bit(v, 0) != 0);
        flags = setBits(flags, 6, 5, bits(v, 2, 1));
    }
    raw->flags = flags;
}

void DataBlock::edidToStandardTiming(const EdidStandardTiming *raw, StandardTiming *timing)
{
    if (!raw || !timing)
        return;
    if (raw->hActive == 0x01 && raw->aspectRefresh == 0x01) {
        timing->defined = false; // unused entry; the other fields stay as they were
        return;
    }
    timing->defined = true;
    timing->width = (raw->hActive + 31u) * 8u;
    timing->refreshRate = bits(raw->aspectRefresh, 5, 0) + 60u;
    switch (bits(raw->aspectRefresh, 7, 6)) {
    case 0:
        timing->aspect = AspectRatio16x10;
        break;
    case 1:
        timing->aspect = AspectRatio4x3;
        break;
    case 2:
        timing->aspect = AspectRatio5x4;
        break;
    default:
        timing->aspect = AspectRatio16x9;
        break;
    }
}

void DataBlock::standardTimingToEdid(const StandardTiming *timing, EdidStandardTiming *raw)
{
    if (!timing || !raw)
        return;
    if (!timing->defined) {
        raw->hActive = 0x01;
        raw->aspectRefresh = 0x01;
        return;
    }
    raw->hActive = lowByte(timing->width / 8u - 31u);
    quint8 second = setBits(raw->aspectRefresh, 5, 0, timing->refreshRate - 60u);
    switch (timing->aspect) {
    case AspectRatio16x10:
        second = setBits(second, 7, 6, 0);
        break;
    case AspectRatio4x3:
        second = setBits(second, 7, 6, 1);
        break;
    case AspectRatio5x4:
        second = setBits(second, 7, 6, 2);
        break;
    case AspectRatio16x9:
        second = setBits(second, 7, 6, 3);
        break;
    default:
        break; // no standard-timing code: the stored aspect bits stay
    }
    raw->aspectRefresh = second;
}

void DataBlock::edidToCvt3ByteTiming(const EdidCvt3ByteTiming *raw, Cvt3ByteTiming *timing)
{
    if (!timing)
        return;
    if (!raw || (raw->linesLow == 0 && raw->linesHighAspect == 0 && raw->rates == 0)) {
        timing->defined = false; // empty entry; the other fields stay as they were
        return;
    }
    timing->defined = true;
    timing->lines = (raw->linesLow + bits(raw->linesHighAspect, 7, 4) * 256u + 1u) * 2u;
    switch (bits(raw->linesHighAspect, 3, 2)) {
    case 0:
        timing->aspect = AspectRatio4x3;
        break;
    case 1:
        timing->aspect = AspectRatio16x9;
        break;
    case 2:
        timing->aspect = AspectRatio16x10;
        break;
    default:
        timing->aspect = AspectRatio15x9;
        break;
    }
    timing->preferredRate = bits(raw->rates, 6, 5);
    timing->rate50Hz = bit(raw->rates, 4) != 0;
    timing->rate60Hz = bit(raw->rates, 3) != 0;
    timing->rate75Hz = bit(raw->rates, 2) != 0;
    timing->rate85Hz = bit(raw->rates, 1) != 0;
    timing->rate60HzReducedBlanking = bit(raw->rates, 0) != 0;
}

void DataBlock::cvt3ByteTimingToEdid(const Cvt3ByteTiming *timing, EdidCvt3ByteTiming *raw)
{
    if (!timing || !raw)
        return;
    if (!timing->defined) {
        raw->linesLow = 0;
        raw->linesHighAspect = 0;
        raw->rates = 0;
        return;
    }
    // Stored as lines / 2 - 1 in 12 bits; an odd count becomes the next lower even one, and
    // fewer than 2 lines store 0.
    const unsigned v = timing->lines / 2u > 0 ? timing->lines / 2u - 1u : 0u;
    raw->linesLow = lowByte(v);
    quint8 second = setBits(raw->linesHighAspect, 7, 4, bits(v, 11, 8));
    quint8 rates = static_cast<quint8>(raw->rates & 0x80u);
    rates = setBits(rates, 6, 5, timing->preferredRate);
    rates = setBit(rates, 4, timing->rate50Hz);
    rates = setBit(rates, 3, timing->rate60Hz);
    rates = setBit(rates, 2, timing->rate75Hz);
    rates = setBit(rates, 1, timing->rate85Hz);
    rates = setBit(rates, 0, timing->rate60HzReducedBlanking);
    raw->rates = rates;
    switch (timing->aspect) {
    case AspectRatio4x3:
        second = setBits(second, 3, 2, 0);
        break;
    case AspectRatio16x9:
        second = setBits(second, 3, 2, 1);
        break;
    case AspectRatio16x10:
        second = setBits(second, 3, 2, 2);
        break;
    case AspectRatio15x9:
        second = setBits(second, 3, 2, 3);
        break;
    default:
        break; // no CVT code: the stored aspect bits stay
    }
    raw->linesHighAspect = second;
}

const CeaVideoMode *DataBlock::edidToModeInfo(const EdidDetailedTiming *raw, ModeInfo *mode,
                                              TimingSection section) const
{
    if (!raw || !mode)
        return nullptr;
    DetailedTiming t;
    edidToDetailedTiming(raw, &t);

    const unsigned hBorder = t.hBorder;
    const unsigned vBorder = t.vBorder;
    unsigned hSyncOffset = t.hSyncOffset;
    unsigned vSyncOffset = t.vSyncOffset;
    unsigned hTotal = t.hActive + t.hBlanking;
    unsigned vTotal = t.vActive + t.vBlanking;
    if (t.borderActive) {
        // EDID 1.4: the borders lie outside the blanking.
        hTotal += 2u * hBorder;
        vTotal += 2u * vBorder;
    } else {
        // EDID 1.3: the borders lie inside the blanking, so the front porch starts after one
        // border. A malformed offset smaller than the border is clamped to 0.
        hSyncOffset = hSyncOffset > hBorder ? hSyncOffset - hBorder : 0u;
        vSyncOffset = vSyncOffset > vBorder ? vSyncOffset - vBorder : 0u;
    }

    mode->hActive = t.hActive;
    mode->vActive = t.vActive;
    mode->hTotal = hTotal;
    mode->vTotal = vTotal;
    mode->leftBorder = hBorder;
    mode->rightBorder = hBorder;
    mode->topBorder = vBorder;
    mode->bottomBorder = vBorder;
    mode->hSyncOffset = hSyncOffset;
    mode->hSyncWidth = t.hSyncWidth;
    mode->vSyncOffset = vSyncOffset;
    mode->vSyncWidth = t.vSyncWidth;
    mode->pixelClock = t.pixelClock * 10u;
    const quint64 pixels = static_cast<quint64>(hTotal) * vTotal;
    mode->refreshRate =
        pixels == 0 ? 0u
                    : static_cast<quint32>(
                        (static_cast<quint64>(mode->pixelClock) * 1000u + pixels / 2u) / pixels);
    mode->interlaced = t.interlaced ? 1 : 0;
    if (t.interlaced) {
        // Report the frame: both fields, with the half line of each field.
        mode->vActive = t.vActive * 2u;
        mode->vTotal = vTotal * 2u + 1u;
        mode->vSyncOffset = vSyncOffset * 2u + 1u;
        mode->vSyncWidth = t.vSyncWidth * 2u;
        mode->topBorder = vBorder * 2u;
        mode->bottomBorder = vBorder * 2u;
    }
    mode->section = section;
    mode->preferred = section == TimingSectionDescriptor0 ? 1 : 0;
    mode->timingValid = 0xFF;
    mode->sourceKind = ModeSourceDetailedTiming;
    mode->syncFlags = static_cast<quint8>((1u << t.syncType) | (t.syncFlag2 ? 0x10u : 0u)
                                          | (t.syncFlag1 ? 0x20u : 0u));
    if (t.stereoMode >= 1 && t.stereoMode <= 6)
        mode->stereoFlags = static_cast<quint8>(1u << (t.stereoMode - 1u));

    const CeaVideoMode *row = MatchCeaVideoMode(&t);
    if (row) {
        mode->vic = row->vic;
        mode->ceaPixelClock = row->pixelClock;
        mode->ceaFlags = static_cast<quint8>(mode->ceaFlags | 0x01u);
        const unsigned clock = t.pixelClock * 10u;
        const auto near = [clock](unsigned column) {
            return (column > clock ? column - clock : clock - column) < 10u;
        };
        mode->rateVariant =
            row->pixelClock1001 != row->pixelClock && near(row->pixelClock1001) ? 1 : 0;
    }
    return row;
}
