#pragma once

// Plain records decoded from (and encoded into) an EDID base block: vendor and product
// identification, basic display parameters, colour characteristics and the display
// descriptors (strings, colour point, range limits, colour management), plus the monitor
// summary the load/save form keeps. Shared by the EDID 1.3 and EDID 1.4 block classes.

// Screen size kinds of BasicDisplayParams::screenSizeKind (bytes 21 and 22).
enum ScreenSizeKind : unsigned {
    ScreenSizeCm = 0,         // both sizes given in centimetres
    ScreenSizeUndefined = 1,  // both bytes 0
    ScreenLandscape16x9 = 2,  // EDID 1.4: byte 21 = 79, byte 22 = 0
    ScreenLandscape16x10 = 3, // byte 21 = 61
    ScreenLandscape4x3 = 4,   // byte 21 = 34
    ScreenLandscape5x4 = 5,   // byte 21 = 26
    ScreenPortrait9x16 = 6,   // EDID 1.4: byte 22 = 79, byte 21 = 0
    ScreenPortrait10x16 = 7,  // byte 22 = 61
    ScreenPortrait3x4 = 8,    // byte 22 = 34
    ScreenPortrait4x5 = 9     // byte 22 = 26
};

// A code of a range limits descriptor that the descriptor's EDID version gives no meaning (a
// reserved value): RangeReservedCode plus the code as stored. The readers give it for such a
// code and the writers keep the stored code and the bytes that go with it, so an edit of
// another field never replaces it.
constexpr unsigned RangeReservedCode = 0x100;

inline bool isRangeReservedCode(unsigned value)
{
    return (value & RangeReservedCode) != 0;
}

// Rate offset kinds of the EDID 1.4 range limits descriptor (byte 4).
enum RateOffsetKind : unsigned {
    RateOffsetNone = 0,
    RateOffsetMax255 = 1,                      // maximum + 255
    RateOffsetMaxMin255 = 2,                   // maximum + 255 and minimum + 255
    RateOffsetReserved = RangeReservedCode + 1 // the two bits 01
};

// Timing support kinds of the range limits descriptor (byte 10), or RangeReservedCode plus a
// byte 10 without meaning.
// EDID 1.3 uses 0 (byte 10 = 0x00, default GTF) and 2; EDID 1.4 uses all four.
enum RangeTimingSupport : unsigned {
    RangeLimitsOnly = 0,
    RangeDefaultGtf = 1,
    RangeSecondaryGtf = 2,
    RangeCvt = 3
};

// Feature bits of BasicDisplayParams::featureBits.
enum BasicFeatureBit : unsigned {
    FeatureStandby = 0x01,
    FeatureSuspend = 0x02,
    FeatureActiveOff = 0x04,
    FeatureStandardColorSpace = 0x08,
    FeaturePreferredTiming = 0x10,
    FeatureContinuousFrequency = 0x20, // EDID 1.4 only
    FeatureDefaultGtf = 0x40           // EDID 1.3 only
};

// Bytes 8-17: vendor and product identification.
struct ProductIdInfo
{
    // Letter codes, 5 bits each: 1 = 'A' ... 26 = 'Z'. Plain bytes rather than bit fields, so
    // that assigning a masked value never needs a cast.
    unsigned char letter1;
    unsigned char letter2;
    unsigned char letter3;
    unsigned productCode;
    unsigned serialNumber;
    unsigned week;
    unsigned year; // full calendar year
};

// Bytes 20-24: basic display parameters and features.
struct BasicDisplayParams
{
    bool gammaDefined;
    bool digital;
    unsigned colorType;      // byte 24 bits 4-3; EDID 1.4 digital inputs: 4 + the bits
    unsigned screenSizeKind; // ScreenSizeKind
    unsigned horizontalSize; // cm
    unsigned verticalSize;   // cm
    double gamma;
    unsigned signalLevel; // analog: byte 20 bits 6-5
    bool blankToBlackSetup;
    bool separateSync;
    bool compositeSyncOnHorizontal;
    bool syncOnGreen;
    bool serration;
    unsigned colorBitDepth;    // EDID 1.4 digital: byte 20 bits 6-4
    unsigned digitalInterface; // EDID 1.4 digital: byte 20 bits 3-0
    unsigned char featureBits; // BasicFeatureBit
};

// The screen size of a record: its kind and both sizes.
inline bool sameScreenSize(const BasicDisplayParams &a, const BasicDisplayParams &b)
{
    return a.screenSizeKind == b.screenSizeKind && a.horizontalSize == b.horizontalSize
           && a.verticalSize == b.verticalSize;
}

inline void copyScreenSize(BasicDisplayParams &to, const BasicDisplayParams &from)
{
    to.screenSizeKind = from.screenSizeKind;
    to.horizontalSize = from.horizontalSize;
    to.verticalSize = from.verticalSize;
}

// Bytes 25-34: chromaticity coordinates as 10-bit codes (code / 1024).
struct ColorCharacteristics
{
    unsigned redX;
    unsigned redY;
    unsigned greenX;
    unsigned greenY;
    unsigned blueX;
    unsigned blueY;
    unsigned whiteX;
    unsigned whiteY;
};

// Bytes 5-17 of a string descriptor, as stored (line feed and blanks included).
struct EdidString
{
    unsigned char text[13];
};

// Colour point descriptor (tag 0xFB): two additional white points.
struct ColorPoint
{
    bool gamma1Defined;
    bool gamma2Defined;
    unsigned whitePointIndex1; // 0 = not used
    unsigned whitePointIndex2;
    unsigned whiteX1; // 10-bit codes
    unsigned whiteX2;
    unsigned whiteY1;
    unsigned whiteY2;
    double gamma1;
    double gamma2;
};

// Secondary GTF curve values of a range limits descriptor (timing support 2). C and J come in
// steps of 0.5 and are kept as counts of halves, as bytes 13 and 17 store them (81 is
// C = 40.5 %), so that every stored byte is written back as it was.
struct RangeGtfValues
{
    unsigned startFrequency; // kHz
    unsigned cHalves;        // C x 2
    unsigned m;
    unsigned k;
    unsigned jHalves; // J x 2
};

// CVT values of an EDID 1.4 range limits descriptor (timing support 3).
struct RangeCvtValues
{
    unsigned version;             // byte 11 as stored (0x11 = 1.1)
    unsigned maxActivePixels;     // stored 10-bit count
    unsigned pixelClockPrecision; // kHz
    unsigned preferredAspect;     // AspectRatioCode, or RangeReservedCode + bits 7-5 of byte 15
    unsigned preferredRefresh;    // Hz
};

// Display range limits descriptor (tag 0xFD).
struct RangeLimits
{
    bool rateOffsets;              // set by the EDID 1.4 reader, cleared by the EDID 1.3 reader
    bool edid14;                   // same rule; no writer reads either
    unsigned horizontalOffsetKind; // RateOffsetKind, EDID 1.4 only
    unsigned verticalOffsetKind;
    unsigned minVerticalRate;   // Hz
    unsigned maxVerticalRate;   // Hz
    unsigned minHorizontalRate; // kHz
    unsigned maxHorizontalRate; // kHz
    unsigned maxPixelClock;     // MHz
    unsigned timingSupport;     // RangeTimingSupport
    union {
        RangeGtfValues gtf; // timing support 2
        RangeCvtValues cvt; // timing support 3
    };
    bool standardBlanking;
    bool reducedBlanking;
    bool aspect4x3;
    bool aspect5x4;
    bool aspect16x9;
    bool aspect16x10;
    bool aspect15x9;
    bool horizontalShrink;
    bool horizontalStretch;
    bool verticalShrink;
    bool verticalStretch;
};

// Colour management descriptor (tag 0xF9, EDID 1.4).
struct ColorManagement
{
    unsigned char version;
    double redA2;
    double redA3;
    double greenA2;
    double greenA3;
    double blueA2;
    double blueA3;
};

// Summary of a base block for the load/save form and the monitor INF writer.
// The caller clears the record; GetMonInfo writes only what it finds.
struct MonitorInfo
{
    char pnpId[33];        // three letters and the product code in hexadecimal
    char manufacturer[33]; // three letters
    char monitorName[34];
    unsigned minVerticalRate;
    unsigned maxVerticalRate;
    unsigned minHorizontalRate;
    unsigned maxHorizontalRate;
    bool powerManagement;
};
