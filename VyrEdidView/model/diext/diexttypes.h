#pragma once

#include <cstdint>

// Decoded sections of a VESA display information extension (DI-EXT, tag 0x40).
// Offsets in the comments count from the first byte of the 128-byte block.

// Bytes 1-6 and 127: versions of the block and of the digital interface standard.
struct DiGeneralInfo
{
    uint32_t version;           // byte 1
    uint32_t interfaceStandard; // byte 2
    uint32_t versionForm;       // byte 3 bits 7-6: 0 none, 1 version/revision, 2 letter, 3 date
    double versionNumber;       // form 1: byte 3 bits 5-0 + byte 4 / 100
    double revisionNumber;      // form 1: byte 5 + byte 6 / 100
    uint32_t day;               // form 3: byte 6
    uint32_t month;             // form 3: byte 5
    uint32_t year;              // form 3: byte 4 + 1990
    uint8_t letter;             // form 2: byte 4
    uint8_t checksum;           // byte 127 (read only)
};

// Bytes 7-13: digital interface data format and link clocks.
struct DiDataFormatDesc
{
    bool dataEnableUsed;         // byte 7 bit 7
    bool dataEnableHigh;         // byte 7 bit 6
    uint32_t shiftClockEdge;     // byte 7 bits 5-4
    bool hdcpSupported;          // byte 7 bit 3
    bool doubleClocking;         // byte 7 bit 2
    bool packetizedVideo;        // byte 7 bit 1
    uint32_t dataFormat;         // byte 8: 0..4 for 0x15, 0x19, 0x24, 0x48, 0x49
    uint32_t minPixelClock;      // byte 9, MHz
    uint32_t maxPixelClock;      // bytes 10-11, MHz
    uint32_t crossoverFrequency; // bytes 12-13, MHz
};

// Bytes 14-19: display device.
struct DiDisplayDevice
{
    uint32_t subPixelLayout;         // byte 14
    uint32_t subPixelConfiguration;  // byte 15
    uint32_t subPixelShape;          // byte 16
    uint32_t horizontalPitch;        // byte 17 x 10 (micrometres)
    uint32_t verticalPitch;          // byte 18 x 10 (micrometres)
    bool fixedPixelFormat;           // byte 19 bit 7
    uint32_t viewDirection;          // byte 19 bits 6-5
    bool transparentBackground;      // byte 19 bit 4
    uint32_t physicalImplementation; // byte 19 bits 3-2
    bool ddcCiSupported;             // byte 19 bit 1
};

// Bytes 20-26 and 38: display capabilities and feature support.
struct DiDisplayCaps
{
    bool legacyModes;             // byte 20 bit 7
    uint32_t stereoMode;          // byte 20 bits 6-4
    bool scalerOnBoard;           // byte 20 bit 3
    bool imageCentered;           // byte 20 bit 2
    bool conditionalUpdate;       // byte 20 bit 1
    bool interlaced;              // byte 20 bit 0
    bool frameLock;               // byte 21 bit 7
    uint32_t frequencyConversion; // byte 21 bits 6-5
    double frameRate;             // bytes 22-23 / 100, Hz
    double lineRate;              // bytes 24-25 / 100, kHz
    uint32_t orientationType;     // byte 26 bits 7-6
    bool portrait;                // byte 26 bit 5
    uint32_t zeroPixelLocation;   // byte 26 bits 4-3
    uint32_t scanDirection;       // byte 26 bits 2-1
    bool projector;               // byte 26 bit 0
    bool arFull;                  // byte 38 bit 7
    bool arZoom;                  // byte 38 bit 6
    bool arSqueeze;               // byte 38 bit 5
    bool arVariable;              // byte 38 bit 4
};

// Bytes 27-37: colour and luminance decoding.
struct DiColorProperties
{
    uint32_t defaultDecoding;   // byte 27
    uint32_t preferredDecoding; // byte 28
    bool bgr;                   // byte 29 bit 7
    bool ycNtsc;                // byte 29 bit 6
    bool ycPal;                 // byte 29 bit 5
    bool ycSecam;               // byte 29 bit 4
    bool ycrcb444;              // byte 29 bit 3
    bool ycrcb422;              // byte 29 bit 2
    bool ycrcb420;              // byte 29 bit 1
    bool ycrcbSmpte260m;        // byte 29 bit 0
    bool ypbprSmpte240m;        // byte 30 bit 7
    bool ycrcbSmpte274m;        // byte 30 bit 6
    bool ypbprSmpte274m;        // byte 30 bit 5
    bool ybyrySony;             // byte 30 bit 4
    bool ybyryMatsushita;       // byte 30 bit 3
    bool monochrome;            // byte 30 bit 2
    bool dithering;             // byte 31 bit 7
    uint32_t depthBlue;         // byte 32 (sub-channel 0)
    uint32_t depthGreen;        // byte 33 (sub-channel 1)
    uint32_t depthRed;          // byte 34 (sub-channel 2)
    uint32_t depthCbPb;         // byte 35 (sub-channel 0)
    uint32_t depthY;            // byte 36 (sub-channel 1)
    uint32_t depthCrPr;         // byte 37 (sub-channel 2)
};

// Bytes 81-126: display transfer characteristic (gamma).
struct DiGamma
{
    static constexpr unsigned MaxPoints = 45;
    uint32_t type;              // byte 81 bits 7-6: 0 none, 1 white curve, 2 blue/green/red curves
    uint32_t numPoints;         // byte 81 bits 5-0
    uint32_t values[MaxPoints]; // bytes 82-126
};
