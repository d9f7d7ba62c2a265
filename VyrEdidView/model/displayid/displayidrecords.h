#pragma once

#include <QtGlobal>

// Records and enumerations of DisplayID 1.x sections (VESA DisplayID 1.3): the section and
// data-block headers as exchanged with callers, the kinds of data blocks, and one plain record
// per data-block kind or timing descriptor. DisplayIDBlock decodes into these records and
// encodes them back in place.

// Kinds of data blocks in the programming interface (the tag is the on-wire value).
enum DisplayBlockID : quint32 {
    DidBlockNone = 0,
    DidBlockProductId = 1,
    DidBlockDisplayParams = 2,
    DidBlockColorChars = 3,
    DidBlockType1Timing = 4,
    DidBlockType2Timing = 5,
    DidBlockType3Timing = 6,
    DidBlockType4Timing = 7,
    DidBlockType5Timing = 8,
    DidBlockType6Timing = 9,
    DidBlockVesaTimings = 10,
    DidBlockCeaTimings = 11,
    DidBlockRangeLimits = 12,
    DidBlockSerialNumber = 13,
    DidBlockAsciiString = 14,
    DidBlockDeviceData = 15,
    DidBlockPowerSequencing = 16,
    DidBlockTransferChars = 17,
    DidBlockDisplayInterface = 18,
    DidBlockStereoInterface = 19,
    DidBlockVendorSpecific = 20,
    DidBlockTiledDisplay = 21
};

// On-wire tags of the data blocks (DisplayID 1.3, section 4).
enum DisplayID_DataBlock_Tag : quint32 {
    DidTagProductId = 0x00,
    DidTagDisplayParams = 0x01,
    DidTagColorChars = 0x02,
    DidTagType1Timing = 0x03,
    DidTagType2Timing = 0x04,
    DidTagType3Timing = 0x05,
    DidTagType4Timing = 0x06,
    DidTagVesaTimings = 0x07,
    DidTagCeaTimings = 0x08,
    DidTagRangeLimits = 0x09,
    DidTagSerialNumber = 0x0A,
    DidTagAsciiString = 0x0B,
    DidTagDeviceData = 0x0C,
    DidTagPowerSequencing = 0x0D,
    DidTagTransferChars = 0x0E,
    DidTagDisplayInterface = 0x0F,
    DidTagStereoInterface = 0x10,
    DidTagType5Timing = 0x11,
    DidTagTiledDisplay = 0x12,
    DidTagType6Timing = 0x13,
    DidTagVendorSpecific = 0x7F
};

// The four header bytes of a section.
struct DisplayID_Section_Header
{
    quint8 version = 0;
    quint8 sectionLength = 0; // data-block bytes after the header
    quint8 productType = 0;
    quint8 extensionCount = 0;
};

// The three header bytes of a data block.
struct DisplayID_Block_Header
{
    quint8 tag = 0;
    quint8 revision = 0;
    quint8 payloadLength = 0; // bytes after the header
};

// Product identification (tag 0x00).
struct DidProductIdDataBlock
{
    quint8 vendorId[3] = {};
    quint16 productCode = 0;
    quint32 serialNumber = 0;
    quint32 week = 0;
    quint32 year = 0; // full year, 0 = none
    quint32 nameLength = 0;
    quint8 name[236] = {};
};

// Display parameters (tag 0x01).
struct DidDisplayParamsDataBlock
{
    double hImageSize = 0; // mm
    double vImageSize = 0; // mm
    quint32 hPixels = 0;
    quint32 vPixels = 0;
    bool audioSupport = false;        // byte 8 bit 7
    bool separateAudioInputs = false; // bit 6
    bool audioInputOverride = false;  // bit 5
    bool powerManagement = false;     // bit 4
    bool fixedTiming = false;         // bit 3
    bool fixedPixelFormat = false;    // bit 2
    bool reservedFeature = false;     // bit 1
    bool deinterlacing = false;       // bit 0
    double gamma = 0;
    double aspectRatio = 0;
    quint32 overallDynamicRange = 0; // bits per colour
    quint32 nativeDynamicRange = 0;  // bits per colour
};

struct DidColorPoint
{
    quint32 x = 0; // 12-bit coordinate
    quint32 y = 0;
};

constexpr unsigned DidMaxColorPoints = 22; // 15 white points + 7 primaries

// Colour characteristics (tag 0x02).
struct DidColorCharsDataBlock
{
    quint8 coordinateType = 0; // revision byte bit 7: 0 = CIE 1931 (x, y), 1 = CIE 1976 (u', v')
    quint8 whitePoints = 0;    // payload byte 0 bits 3..0
    quint8 primaries = 0;      // payload byte 0 bits 6..4
    quint8 temporal = 0;       // payload byte 0 bit 7: 1 = temporal, 0 = spatial colour
    DidColorPoint points[DidMaxColorPoints];
};

// Video timing range limits (tag 0x09).
struct DidRangeLimitsDataBlock
{
    double minPixelClock = 0;     // MHz
    double maxPixelClock = 0;     // MHz
    quint32 minHFrequency = 0;    // kHz
    quint32 maxHFrequency = 0;    // kHz
    quint32 minHBlanking = 0;     // pixels
    quint32 minVRate = 0;         // Hz
    quint32 maxVRate = 0;         // Hz
    quint32 minVBlanking = 0;     // lines
    quint8 interlaced = 0;        // byte 14 bit 7
    quint8 reducedBlanking = 0;   // bit 5
    quint8 standardBlanking = 0;  // bit 6
    quint8 discreteFrequency = 0; // bit 4
};

constexpr unsigned DidMaxTextLength = 248;

// Product serial number (tag 0x0A).
struct DidProductSNDataBlock
{
    quint8 length = 0;
    quint8 text[DidMaxTextLength] = {};
};

// General-purpose ASCII string (tag 0x0B).
struct DidAsciiDataBlock
{
    quint8 length = 0;
    quint8 text[DidMaxTextLength] = {};
};

// Display device data (tag 0x0C).
struct DidDevDataBlock
{
    quint32 technology = 0; // 0..10, stored values above read as 11
    quint32 subType = 0;
    quint32 operatingMode = 0; // stored values above 14 read as 14
    quint8 backlight = 0;      // byte 1 bit 3: backlight may be switched on and off
    quint8 intensity = 0;      // byte 1 bit 2: backlight intensity can be controlled
    quint32 hPixels = 0;
    quint32 vPixels = 0;
    double aspectRatio = 0;
    quint32 scanDirection = 0;     // byte 7 bits 1..0
    quint32 zeroPixelLocation = 0; // bits 3..2
    quint32 rotation = 0;          // bits 5..4
    quint32 orientation = 0;       // bits 7..6
    quint32 subPixelLayout = 0;    // stored values above 13 read as 13
    double hPitch = 0;             // mm
    double vPitch = 0;             // mm
    quint32 colorBitDepth = 0;
    quint32 responseTime = 0; // ms
    quint8 responseTimeFlag = 0;
};

// Interface power sequencing (tag 0x0D).
struct DidPowerSeqDataBlock
{
    double t1Min = 0;  // ms
    quint32 t1Max = 0; // ms
    quint32 reserved1 = 0;
    quint32 t2 = 0;
    quint32 reserved2 = 0;
    quint32 t3 = 0;
    quint32 t4Min = 0;
    quint32 t5Min = 0;
    quint32 t6Min = 0;
};

// Display interface (tag 0x0F).
struct DidDisplayInterfaceDataBlock
{
    quint32 interfaceType = 0;  // 0..11; 12..15 are reserved
    quint32 subTypeOrLinks = 0; // analog sub-type (type 0, clipped to 3) or number of links
    quint32 version = 0;
    quint32 revision = 0;
    bool rgb[6] = {};              // 6, 8, 10, 12, 14, 16 bits per primary
    bool ycbcr444[6] = {};         // 6, 8, 10, 12, 14, 16 bits
    bool ycbcr422[5] = {};         // 8, 10, 12, 14, 16 bits
    quint32 contentProtection = 0; // 0 none, 1 HDCP, 2 DTCP, 3 DPCP
    quint32 cpRevision = 0;
    quint32 cpVersion = 0;
    double spreadSpectrum = 0; // %
    quint32 spreadSpectrumType = 0;
    // First attribute byte: LVDS (type 1) flags 0..4 = bits 0..4, proprietary (type 11) flags
    // 0..2 = bits 0..2; any other type keeps the whole byte in element 0.
    quint8 attributes1[5] = {};
    // Second attribute byte: LVDS flags 0..2 = bits 0..2; other types the whole byte in
    // element 0.
    quint8 attributes2[3] = {};
};

constexpr unsigned DidMaxStereoGroups = 3;

struct DidStereoCodeGroup
{
    quint8 codeType = 0; // bits 7..6 of the group byte
    quint8 count = 0;    // bits 4..0, at most 31
    quint8 codes[32] = {};
};

// Stereo display interface (tag 0x10).
struct DidStereoInterfaceDataBlock
{
    quint32 timingSupport = 0; // bits 7..6 of the data block's revision byte
    quint32 methodLength = 0;  // payload byte 0: bytes of the method code and its parameters
    quint32 method = 0;        // 0..5 or 255
    // Method parameters: methods 0, 1, 5: params[0] = flag; method 2: params[0..7];
    // method 3: params[0] = flag, params[1] = 2-bit value; method 4: params[0..1].
    quint8 params[8] = {};
    DidStereoCodeGroup groups[DidMaxStereoGroups];
};

// Tiled display topology (tag 0x12).
struct DidTiledDisplayDataBlock
{
    quint32 behaviourA = 0;  // byte 0 bits 2..0
    quint32 behaviourB = 0;  // byte 0 bits 4..3
    quint8 bezelPresent = 0; // byte 0 bit 6
    quint8 flagBit7 = 0;     // byte 0 bit 7
    quint32 hTiles = 0;
    quint32 vTiles = 0;
    quint32 hLocation = 0;
    quint32 vLocation = 0;
    quint32 hTileSize = 0;
    quint32 vTileSize = 0;
    quint32 pixelDensity = 0;
    quint32 bezel[4] = {};
    quint8 vendorId[3] = {};
    quint16 productCode = 0;
    quint32 serialNumber = 0;
};

// Vendor specific (tag 0x7F): only the vendor ID is decoded.
struct DidVendorSpecificDataBlock
{
    quint8 vendorId[3] = {};
};

// Type I detailed timing descriptor (tag 0x03, 20 bytes).
struct DidType1DetTimingDesc
{
    double pixelClock = 0; // MHz
    quint32 preferred = 0;
    quint32 stereo = 0; // 0..3
    quint32 interlaced = 0;
    quint32 aspect = 0; // as stored (0..15)
    quint32 hActive = 0;
    quint32 hBlank = 0;
    quint32 hOffset = 0; // front porch
    quint32 hSyncPolarity = 0;
    quint32 hSyncWidth = 0;
    quint32 vActive = 0;
    quint32 vBlank = 0;
    quint32 vOffset = 0; // front porch
    quint32 vSyncPolarity = 0;
    quint32 vSyncWidth = 0;
};

// Type II detailed timing descriptor (tag 0x04, 11 bytes).
struct DidType2DetTimingDesc
{
    double pixelClock = 0; // MHz
    quint8 preferred = 0;
    quint32 stereo = 0;
    quint8 interlaced = 0;
    quint8 hSyncPolarity = 0;
    quint8 vSyncPolarity = 0;
    quint8 optionCode = 0; // byte 3 bits 1..0, carried unchanged
    quint32 hActive = 0;   // pixels, multiples of 8
    quint32 hBlank = 0;
    quint32 hOffset = 0;
    quint32 hSyncWidth = 0;
    quint32 vActive = 0; // lines
    quint32 vBlank = 0;
    quint32 vOffset = 0;
    quint32 vSyncWidth = 0;
};

// Type III short timing descriptor (tag 0x05, 3 bytes).
struct DidType3ShortTimingDesc
{
    quint32 preferred = 0;
    quint32 formula = 0; // stored codes above 2 read as 2
    quint32 aspect = 0;  // as stored (0..15)
    quint32 hActive = 0; // pixels, multiple of 8
    quint32 interlaced = 0;
    quint32 refresh = 0; // Hz
};

// Type IV DMT / VIC code (tag 0x06, 1 byte per entry).
struct DidType4DmtTimingDesc
{
    quint32 codeType = 0; // 0 DMT ID, 1 CEA-861 VIC, 2 HDMI VIC
    quint32 code = 0;
};

// Type V short timing descriptor (tag 0x11, 7 bytes).
struct DidType5ShortTimingDesc
{
    quint8 preferred = 0;  // byte 0 bit 7
    quint8 optionFlag = 0; // byte 0 bit 6
    quint8 optionCode = 0; // byte 0 bits 1..0
    quint32 hActive = 0;
    quint32 vActive = 0;
    quint32 refresh = 0; // Hz
};

// Type VI detailed timing descriptor (tag 0x13, 14 or 17 bytes).
struct DidType6DetTimingDesc
{
    double pixelClock = 0;  // MHz
    double aspectRatio = 0; // 17-byte form only
    quint8 flag1 = 0;       // byte 2 bit 7
    quint8 form17 = 0;      // byte 2 bit 6 (set by the writer from the size list)
    quint8 flag2 = 0;       // byte 4 bit 7
    quint8 flag3 = 0;       // byte 6 bit 7
    quint8 flag4 = 0;       // byte 13 bit 7
    quint32 code = 0;       // byte 13 bits 6..5
    quint32 hActive = 0;
    quint32 hBlank = 0;
    quint32 hOffset = 0;
    quint32 hSyncWidth = 0;
    quint32 vActive = 0;
    quint32 vBlank = 0;
    quint32 vOffset = 0;
    quint32 vSyncWidth = 0;
    quint32 vImageSize = 0;      // mm, 17-byte form only
    quint32 vSizeMultiplier = 0; // 17-byte form only
};

// What a new data block of each kind looks like (row = DisplayBlockID, 0 unused).
struct DidKindInfo
{
    quint32 tag;        // on-wire tag
    quint32 minSize;    // bytes of a new block, header included
    quint32 newPayload; // payload length of a new block
};

// Row of the kind table for id (1..21); null for any other value.
const DidKindInfo *didKindInfo(DisplayBlockID id);
