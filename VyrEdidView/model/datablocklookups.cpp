// Table look-ups, the CEA match, the largest-resolution search and the byte names of a
// detailed timing descriptor.

#include "bits.h"
#include "datablock.h"

#include <cstddef>

namespace {

constexpr unsigned dmtRows = sizeof(DataBlock::DmtVideoModes) / sizeof(DataBlock::DmtVideoModes[0]);
constexpr unsigned ceaRows =
    sizeof(DataBlock::Cea861bVICModes) / sizeof(DataBlock::Cea861bVICModes[0]);
constexpr unsigned hdmiRows =
    sizeof(DataBlock::Cea861bHDIVICModes) / sizeof(DataBlock::Cea861bHDIVICModes[0]);

// A detailed timing stores its clock in 10 kHz units, so a table clock matches when it lies
// within one such unit of the stored value (the 1000/1001 clocks are not multiples of 10 kHz).
bool clockMatches(unsigned tableKHz, unsigned timingKHz)
{
    const unsigned diff = tableKHz > timingKHz ? tableKHz - timingKHz : timingKHz - tableKHz;
    return diff < 10u;
}

} // namespace

const DmtVideoMode *DataBlock::GetDMTVideoMode(unsigned index)
{
    return index < dmtRows ? &DmtVideoModes[index] : nullptr;
}

const CeaVideoMode *DataBlock::GetCeaVideoMode(unsigned index)
{
    return index < ceaRows ? &Cea861bVICModes[index] : nullptr;
}

const CeaHdmiVideoMode *DataBlock::GetCeaHDMIVideoMode(unsigned index)
{
    return index < hdmiRows ? &Cea861bHDIVICModes[index] : nullptr;
}

const unsigned char *DataBlock::GetCea3DSupport(unsigned index)
{
    return index < 64u ? &Cea861Basic3DSupport[index] : nullptr;
}

const unsigned char *DataBlock::GetCeaPrimary3DFormats(unsigned index)
{
    return index < 64u ? &Cea861Primary3DSupport[index] : nullptr;
}

const CeaVideoMode *DataBlock::MatchCeaVideoMode(const DetailedTiming *timing)
{
    if (!timing)
        return nullptr;
    // The table lists frame heights; an interlaced descriptor holds the lines of one field.
    const unsigned height = timing->interlaced ? timing->vActive * 2u : timing->vActive;
    const unsigned clock = timing->pixelClock * 10u;
    for (unsigned i = 0; i < ceaRows; ++i) {
        const CeaVideoMode &row = Cea861bVICModes[i];
        if (row.width != timing->hActive || row.height != height)
            continue;
        if ((row.progressive != 0) == timing->interlaced)
            continue;
        if (clockMatches(row.pixelClock, clock) || clockMatches(row.pixelClock1001, clock))
            return &row;
    }
    return nullptr;
}

void DataBlock::updateMaxResolution(unsigned width, unsigned height, Resolution *resolution)
{
    if (!resolution)
        return;
    if (width > resolution->width || (width == resolution->width && height > resolution->height)) {
        resolution->width = width;
        resolution->height = height;
    }
}

void DataBlock::getMaxResFromDetailed(const EdidDetailedTiming *raw, Resolution *resolution)
{
    if (!raw || !resolution)
        return;
    if (raw->pixelClock[0] == 0 && raw->pixelClock[1] == 0)
        return; // a display descriptor, not a timing
    const unsigned width = bits(raw->hActiveBlankingHigh, 7, 4) * 256u + raw->hActiveLow;
    unsigned height = bits(raw->vActiveBlankingHigh, 7, 4) * 256u + raw->vActiveLow;
    if (bit(raw->flags, 7))
        height *= 2u;
    updateMaxResolution(width, height, resolution);
}

void DataBlock::getMaxResFromCeaVideoMode(unsigned index, Resolution *resolution)
{
    if (const CeaVideoMode *row = GetCeaVideoMode(index))
        updateMaxResolution(row->width, row->height, resolution);
}

void DataBlock::getMaxResFromCeaHDMIVideoMode(unsigned index, Resolution *resolution)
{
    if (const CeaHdmiVideoMode *row = GetCeaHDMIVideoMode(index))
        updateMaxResolution(row->width, row->height, resolution);
}

void DataBlock::fillCellDetailedT(unsigned byte, unsigned entry, QString *name,
                                  QString *description)
{
    static const char *const names[18] = {
        QT_TRANSLATE_NOOP("DataBlock", "Pixel Clock. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Pixel Clock. High Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal Addressable. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal Blanking. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal Addressable/Blanking. High Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Vertical Addressable. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Vertical Blanking. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Vertical Addressable/Blanking. High Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal Sync Start. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal Sync Width. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Vertical Sync Start/Sync Width. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "H/V Sync Start/Sync Width. High Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal Image Size. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Vertical Image Size. Low Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Horizontal/Vertical Image Size. High Order Bits"),
        QT_TRANSLATE_NOOP("DataBlock", "Left/Right Horizontal Border"),
        QT_TRANSLATE_NOOP("DataBlock", "Top/Bottom Vertical Border"),
        QT_TRANSLATE_NOOP("DataBlock", "Flags (Interlace, Stereo, Polarity, etc.)"),
    };
    if (byte >= 18u)
        return;
    if (name)
        *name = tr(names[byte]);
    if (description)
        *description = tr("(Detailed Timing). %1th Byte of Entry[%2]").arg(byte).arg(entry);
}

QList<EdidItemLocation> DataBlock::oneRange(unsigned offset, unsigned length)
{
    EdidItemLocation location;
    location.offset = offset;
    location.length = length;
    return {location};
}

QList<EdidItemLocation> DataBlock::detailedTimingLocation(unsigned field, unsigned start)
{
    using Raw = EdidDetailedTiming;
    const auto bytes = [start](std::size_t offset, unsigned length) {
        return oneRange(start + static_cast<unsigned>(offset), length);
    };
    // A value split into low-order bits and a byte of high-order bits covers both bytes.
    const auto split = [&bytes](std::size_t low, std::size_t high) {
        return bytes(low, 1) + bytes(high, 1);
    };
    switch (field) {
    case 0:
        return split(offsetof(Raw, hActiveLow), offsetof(Raw, hActiveBlankingHigh));
    case 1:
        return split(offsetof(Raw, vActiveLow), offsetof(Raw, vActiveBlankingHigh));
    case 2:
        return split(offsetof(Raw, hBlankingLow), offsetof(Raw, hActiveBlankingHigh));
    case 3:
        return split(offsetof(Raw, vBlankingLow), offsetof(Raw, vActiveBlankingHigh));
    case 4:
        return split(offsetof(Raw, hSyncOffsetLow), offsetof(Raw, syncHigh));
    case 5:
    case 7:
        return bytes(offsetof(Raw, vSyncOffsetWidthLow), 2); // with the high-order bits
    case 6:
        return split(offsetof(Raw, hSyncWidthLow), offsetof(Raw, syncHigh));
    case 8:
        return bytes(offsetof(Raw, hBorder), 1);
    case 9:
        return bytes(offsetof(Raw, vBorder), 1);
    case 10:
        return split(offsetof(Raw, hImageSizeLow), offsetof(Raw, imageSizeHigh));
    case 11:
        return split(offsetof(Raw, vImageSizeLow), offsetof(Raw, imageSizeHigh));
    case 12:
        return bytes(offsetof(Raw, pixelClock), 2);
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
        return bytes(offsetof(Raw, flags), 1);
    default:
        return bytes(0, sizeof(Raw));
    }
}
