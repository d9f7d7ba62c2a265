#pragma once

#include <QString>
#include <QtGlobal>

// Records and enumerations shared by every EDID block class and by the tree items that show
// them. Raw records (Edid...) are byte images of the on-wire layout (alignment 1, so a pointer
// into an EDID buffer may be taken as one); decoded records are plain values.

// Byte range of one field in the whole EDID image (not in the block).
struct EdidItemLocation
{
    quint32 offset = 0; // byte offset counted from the start of the EDID image
    quint32 length = 0; // number of bytes
};

// Kinds of the 18-byte descriptors of an EDID base block.
enum DescriptorID : quint32 {
    DescriptorUnknown = 0,
    DescriptorPlaceholder = 1, // dummy descriptor, tag 0x10
    DescriptorDetailedTiming = 2,
    DescriptorSerialNumber = 3,          // tag 0xFF
    DescriptorDataString = 4,            // alphanumeric data string, tag 0xFE
    DescriptorRangeLimits = 5,           // tag 0xFD
    DescriptorProductName = 6,           // tag 0xFC
    DescriptorColorPoint = 7,            // tag 0xFB
    DescriptorStandardTimings = 8,       // tag 0xFA
    DescriptorColorManagement = 9,       // tag 0xF9
    DescriptorCvt3ByteCodes = 10,        // tag 0xF8
    DescriptorEstablishedTimingsIII = 11 // tag 0xF7
};

// Tag byte (byte 3) of an 18-byte display descriptor (VESA E-EDID 1.4, section 3.10.3).
enum EdidDescriptorTag : quint8 {
    EdidTagSerialNumber = 0xFF,
    EdidTagDataString = 0xFE,
    EdidTagRangeLimits = 0xFD,
    EdidTagProductName = 0xFC,
    EdidTagColorPoint = 0xFB,
    EdidTagStandardTimings = 0xFA,
    EdidTagColorManagement = 0xF9,
    EdidTagCvt3ByteCodes = 0xF8,
    EdidTagEstablishedTimingsIII = 0xF7,
    EdidTagDummy = 0x10
};

// Aspect ratio codes shared by the timing records and the range limits record.
enum AspectRatioCode : quint32 {
    AspectRatioUndefined = 0,
    AspectRatio16x9 = 2,
    AspectRatio16x10 = 3,
    AspectRatio4x3 = 4,
    AspectRatio5x4 = 5,
    AspectRatio15x9 = 10
};

// Preferred vertical rate of a CVT 3-byte code (byte 2 bits 6-5).
enum CvtRefreshRate : quint32 {
    CvtRefreshRate50Hz = 0,
    CvtRefreshRate60Hz = 1,
    CvtRefreshRate75Hz = 2,
    CvtRefreshRate85Hz = 3
};

// Where a listed mode comes from: 1 = established timings or the eight standard timings of a
// base block; 2 + s = the content of descriptor slot s (0..3) of a base block. Extension blocks
// use their own numbers.
using TimingSection = quint32;
constexpr TimingSection TimingSectionBaseTimings = 1;
constexpr TimingSection TimingSectionDescriptor0 = 2;

// 18-byte detailed timing descriptor as stored (VESA E-EDID 1.4, section 3.10.2).
struct EdidDetailedTiming
{
    quint8 pixelClock[2]; // 10 kHz units, little-endian
    quint8 hActiveLow;
    quint8 hBlankingLow;
    quint8 hActiveBlankingHigh; // 7-4 active bits 11-8, 3-0 blanking bits 11-8
    quint8 vActiveLow;
    quint8 vBlankingLow;
    quint8 vActiveBlankingHigh; // 7-4 active bits 11-8, 3-0 blanking bits 11-8
    quint8 hSyncOffsetLow;
    quint8 hSyncWidthLow;
    quint8 vSyncOffsetWidthLow; // 7-4 offset bits 3-0, 3-0 width bits 3-0
    quint8 syncHigh; // 7-6 h offset 9-8, 5-4 h width 9-8, 3-2 v offset 5-4, 1-0 v width 5-4
    quint8 hImageSizeLow;
    quint8 vImageSizeLow;
    quint8 imageSizeHigh; // 7-4 horizontal bits 11-8, 3-0 vertical bits 11-8
    quint8 hBorder;
    quint8 vBorder;
    quint8 flags; // 7 interlaced, 6-5 + 0 stereo, 4-3 sync type, 2 and 1 sync details
};
static_assert(sizeof(EdidDetailedTiming) == 18, "detailed timing descriptor is 18 bytes");
static_assert(alignof(EdidDetailedTiming) == 1, "raw records must map onto any byte");

// Stereo modes of a detailed timing (byte 17 bits 6-5 and 0, stored as mode + 1).
enum DetailedTimingStereo : quint32 {
    StereoNone = 0,
    StereoFieldSequentialRight = 1,
    StereoTwoWayInterleavedRight = 2,
    StereoFieldSequentialLeft = 3,
    StereoTwoWayInterleavedLeft = 4,
    StereoFourWayInterleaved = 5,
    StereoSideBySide = 6
};

// Sync type of a detailed timing (byte 17 bits 4-3).
enum DetailedTimingSyncType : quint32 {
    SyncAnalogComposite = 0,
    SyncBipolarAnalogComposite = 1,
    SyncDigitalComposite = 2,
    SyncDigitalSeparate = 3
};

// Decoded detailed timing.
struct DetailedTiming
{
    quint32 pixelClock = 0; // 10 kHz units
    quint32 hActive = 0;
    quint32 vActive = 0;
    quint32 hBlanking = 0;
    quint32 vBlanking = 0;
    quint32 hSyncOffset = 0;
    quint32 hSyncWidth = 0;
    quint32 vSyncOffset = 0;
    quint32 vSyncWidth = 0;
    quint32 hBorder = 0;
    quint32 vBorder = 0;
    quint32 hImageSize = 0;  // mm
    quint32 vImageSize = 0;  // mm
    bool interlaced = false; // byte 17 bit 7
    bool syncFlag2 = false;  // byte 17 bit 2: vertical polarity or serrations, by sync type
    bool syncFlag1 = false;  // byte 17 bit 1: horizontal polarity or sync on all three signals
    quint32 stereoMode = StereoNone;        // DetailedTimingStereo
    quint32 syncType = SyncAnalogComposite; // DetailedTimingSyncType
    bool borderActive = false; // copy of the decoding block's state: borders are addressable
};

// 2-byte standard timing as stored (VESA E-EDID 1.4, section 3.9).
struct EdidStandardTiming
{
    quint8 hActive;       // horizontal active pixels / 8 - 31
    quint8 aspectRefresh; // 7-6 aspect ratio, 5-0 refresh rate - 60
};
static_assert(sizeof(EdidStandardTiming) == 2, "standard timing is 2 bytes");

// Decoded standard timing.
struct StandardTiming
{
    bool defined = false;
    quint32 width = 0;       // pixels
    quint32 refreshRate = 0; // Hz
    AspectRatioCode aspect = AspectRatioUndefined;
};

// 3-byte CVT code as stored (VESA E-EDID 1.4, section 3.10.3.8).
struct EdidCvt3ByteTiming
{
    quint8 linesLow;        // low 8 bits of (addressable lines / 2 - 1)
    quint8 linesHighAspect; // 7-4 high 4 bits of the line value, 3-2 aspect, 1-0 reserved
    quint8 rates; // 7 reserved, 6-5 preferred rate, 4-1 50/60/75/85 Hz, 0 60 Hz reduced blanking
};
static_assert(sizeof(EdidCvt3ByteTiming) == 3, "CVT code is 3 bytes");

// Decoded CVT 3-byte code.
struct Cvt3ByteTiming
{
    bool defined = false;
    quint32 lines = 0; // addressable lines
    AspectRatioCode aspect = AspectRatioUndefined;
    quint32 preferredRate = CvtRefreshRate50Hz; // CvtRefreshRate
    bool rate50Hz = false;
    bool rate60Hz = false;
    bool rate75Hz = false;
    bool rate85Hz = false;
    bool rate60HzReducedBlanking = false;
};

// A code ticked "defined" whose lines are still to be given: it has no mode yet, and is not
// written until it has (stored now, it would read as a 2-line mode).
inline bool cvtAwaitingLines(const Cvt3ByteTiming &timing)
{
    return timing.defined && timing.lines == 0;
}

// One row of an established timing table.
struct EstablishedMode
{
    quint8 reducedBlanking; // bool
    quint8 interlaced;      // bool
    quint32 width;
    quint32 height;
    quint32 refreshRate; // Hz
    QString label;       // for example " 720 x 400  at 70Hz"
};

// Origin of a listed mode (ModeInfo::sourceKind).
enum ModeSourceKind : quint8 {
    ModeSourceUnknown = 0,
    ModeSourceDetailedTiming = 1,
    ModeSourceEstablished = 2,
    ModeSourceStandard = 3,
    ModeSourceCeaSvd = 4,
    ModeSourceHdmiVic = 5,
    ModeSourceCvt3Byte = 6
};

// One mode handed to CallbackFillContentTgt::AppendMode. The caller zeroes it before filling.
struct ModeInfo
{
    quint32 hActive;
    quint32 vActive;
    quint32 hTotal;
    quint32 leftBorder;
    quint32 rightBorder;
    quint32 hSyncOffset;
    quint32 hSyncWidth;
    quint32 vTotal;
    quint32 topBorder;
    quint32 bottomBorder;
    quint32 vSyncOffset;
    quint32 vSyncWidth;
    quint32 pixelClock;    // kHz
    quint32 ceaPixelClock; // kHz, first clock column of the matched VIC
    quint32 refreshRate;   // Hz
    quint8 interlaced;     // bool
    TimingSection section;
    quint32 vic;            // matched or listed CEA VIC, 0 for none
    quint8 preferred;       // bool: detailed timing of descriptor slot 0
    quint8 reducedBlanking; // bool
    quint8 rateVariant;     // bool: the 1000/1001 pixel clock of the VIC applies
    // Flag bytes (no reader in the program; kept for a report front end).
    quint8 timingValid; // 0xFF when the sync/porch/total fields are filled from a full timing
    quint8 sourceKind;  // ModeSourceKind
    quint8 syncFlags;   // bit (sync type) set; bit 4 = byte 17 bit 2; bit 5 = byte 17 bit 1
    quint8 stereoFlags; // bit (m - 1) set for detailed-timing stereo mode m (1..6)
    quint8 stereo;   // CEA 3D structure: 0 none, 3 frame packing, 4 side-by-side, 5 top-and-bottom
    quint8 ceaFlags; // bit 0: matched a CEA VIC; bit 1: native SVD
};

// Largest resolution found; raised by DataBlock::updateMaxResolution.
struct Resolution
{
    quint32 width = 0;
    quint32 height = 0;
};

// Row of the VESA DMT table.
struct DmtVideoMode
{
    quint32 dmtId;
    quint32 width;
    quint32 height;
    quint32 refreshRate;    // Hz
    quint8 interlaced;      // bool
    quint8 reducedBlanking; // bool
};

// Row of the CEA-861 video format table (VIC 1..64).
struct CeaVideoMode
{
    quint32 vic;
    quint32 width;           // active pixels, repetition included
    quint32 height;          // active lines per frame (1080 for 1080i)
    quint32 refreshRate;     // field rate, Hz
    quint32 progressive;     // 1 progressive, 0 interlaced
    quint32 aspect;          // 0 = 4:3, 1 = 16:9
    quint32 pixelRepetition; // 1, 2 or 4
    quint32 pixelClock;      // kHz
    quint32 pixelClock1001;  // kHz at the 1000/1001 rate (equal to pixelClock for 50 Hz families)
};

// Row of the HDMI VIC table (HDMI 1.4b, section 8.2.3.1).
struct CeaHdmiVideoMode
{
    quint32 hdmiVic;
    quint32 width;
    quint32 height;
    quint32 refreshRate; // Hz
    quint32 hBlanking;
    quint32 vBlanking;
    quint32 hFrontPorch;
    quint32 vFrontPorch;
    quint32 hSyncWidth;
    quint32 vSyncWidth;
    quint32 pixelClock;     // kHz
    quint32 pixelClock1001; // kHz at the 1000/1001 rate
};

// 3D format bits of the CEA 3D support masks.
enum Cea3DFormat : quint8 {
    Cea3DFramePacking = 0x01,
    Cea3DSideBySideHalf = 0x02,
    Cea3DTopAndBottom = 0x04
};
