#pragma once

#include <QString>
#include <QtGlobal>

// Records of the CEA-861 extension block and of the data blocks in its data block collection
// (CTA-861-G, sections 7.5 and 7.5.1 to 7.5.7; HDMI 1.4b, section 8.3.2). The block object
// (CeaExtBlock) decodes into these records and encodes them back in place.

// Kind of a data block in the collection. The numbers are fixed: tree items and callers store them.
// Each kind has one row in CeaExtBlock::BlockKinds (ceablockkindtable.cpp) and one in the tree's
// table of data block items (items/cea/ceadatablockitemtable.cpp), both in this order.
enum CeaBlockID : quint32 {
    CeaBlockDummy = 0,                   // no known kind; cannot be added
    CeaBlockAudio = 1,                   // tag 1
    CeaBlockVideo = 2,                   // tag 2
    CeaBlockHdmiVsdb = 3,                // tag 3 with the HDMI OUI 00-0C-03
    CeaBlockSpeakerAllocation = 4,       // tag 4
    CeaBlockVideoCapability = 5,         // tag 7, extended tag 0
    CeaBlockColorimetry = 6,             // tag 7, extended tag 5
    CeaBlockVendorSpecific = 7,          // tag 3 with any other OUI
    CeaBlockVendorSpecificVideo = 8,     // tag 7, extended tag 1
    CeaBlockVendorSpecificAudio = 9,     // tag 7, extended tag 17
    CeaBlockVesaDtc = 10,                // tag 5
    CeaBlockVesaVideoDisplayDevice = 11, // tag 7, extended tag 2
    CeaBlockVesaVideo = 12,              // tag 7, extended tag 3
    CeaBlockHdmiVideo = 13,              // tag 7, extended tag 4
    CeaBlockMiscAudioFields = 14,        // tag 7, extended tag 16
    CeaBlockHdmiAudio = 15,              // tag 7, extended tag 18
    CeaBlockKindCount                    // the number of kinds above; not a kind
};

// Tag code stored for "no valid code" and the extended tag stored for a plain (not extended) kind.
constexpr quint8 CeaTagCodeInvalid = 8;
constexpr quint16 CeaExtendedTagNone = 256;

// IEEE OUI values of the vendor-specific kinds.
constexpr quint32 CeaOuiHdmi = 0x000C03;
constexpr quint32 CeaOuiNewBlock = 0x000001; // written into a new non-HDMI vendor-specific block

// Identification of a data block: tag code, extended tag (CeaExtendedTagNone for plain kinds)
// and the 24-bit IEEE OUI, least significant byte first as stored.
struct CeaBlockTag
{
    quint8 tagCode = 0;
    quint16 extendedTag = CeaExtendedTagNone;
    quint8 oui[3] = {0, 0, 0};

    quint32 ouiValue() const
    {
        return static_cast<quint32>(oui[0]) | (static_cast<quint32>(oui[1]) << 8)
               | (static_cast<quint32>(oui[2]) << 16);
    }
    void setOui(quint32 value)
    {
        oui[0] = static_cast<quint8>(value & 0xFFu);
        oui[1] = static_cast<quint8>((value >> 8) & 0xFFu);
        oui[2] = static_cast<quint8>((value >> 16) & 0xFFu);
    }
};

// One entry of the data block map. Offsets count from byte 4 of the extension block.
struct CeaDataBlockEntry
{
    CeaBlockTag tag;
    quint32 offset = 0;        // header byte
    quint32 payloadOffset = 0; // offset + headerLength
    quint32 headerLength =
        1;               // 1 plain, 2 extended, 4 vendor-specific with OUI, 5 extended with OUI
    quint32 size = 0;    // length field + 1
    quint32 minSize = 0; // minimum size of its kind, header included
};

// A data block kind with its name, for lists of kinds offered to the user.
struct CeaDataBlockInfo
{
    CeaBlockID id = CeaBlockDummy;
    QString name;
};

// Header and general information of the extension (bytes 2 and 3) and the block's counts.
struct CeaGeneralInfo
{
    quint32 dtdOffset = 0;      // byte 2
    quint32 nativeDtdCount = 0; // byte 3 bits 3-0
    quint32 dtdCount = 0;       // detailed timings found from the DTD offset on
    quint32 dataBlockCount = 0;
    quint32 freeDataBlockBytes = 0;
    quint32 freeDtdBytes = 0; // between the last detailed timing and byte 126
    bool ycbcr422 = false;    // byte 3 bit 4
    bool ycbcr444 = false;    // byte 3 bit 5
    bool basicAudio = false;  // byte 3 bit 6
    bool underscan = false;   // byte 3 bit 7
};

// One short video descriptor as decoded.
struct CeaShortVideoDescriptor
{
    quint8 vic = 0;    // bits 6-0
    quint8 native = 0; // bit 7, 0 or 1

    // The byte as stored.
    quint8 code() const { return static_cast<quint8>((vic & 0x7Fu) | ((native & 1u) << 7)); }
    // CTA-861-F, section 7.5.1: only codes 1-64 and 129-192 (native VICs 1-64) carry a native
    // flag in bit 7; codes 65-127 and 193-255 are video codes of their own, and 0 and 128 are
    // reserved.
    bool hasNativeFlag() const { return vic >= 1 && vic <= 64; }
    // The video code the byte stands for: 1-64 for a code with a native flag, else the byte.
    unsigned videoCode() const { return hasNativeFlag() ? vic : code(); }
};

// One short video descriptor byte as stored: bits 6-0 VIC, bit 7 native.
struct CeaVideoCodeByte
{
    quint8 code = 0;

    quint8 vic() const { return static_cast<quint8>(code & 0x7Fu); }
    bool native() const { return (code & 0x80u) != 0; }
};

constexpr unsigned CeaMaxSvds = 64;

// Video data block (tag 2), or every SVD of the extension (GetAllSVDs).
struct CeaSVDDataBlock
{
    quint32 count = 0;
    quint32 maxCount = 0;
    CeaShortVideoDescriptor svd[CeaMaxSvds];
};

// One short audio descriptor.
struct CeaShortAudioDescriptor
{
    quint32 channels = 1;   // 1..8
    quint32 formatCode = 0; // 0..15
    quint8 sampleRates = 0; // bits 0-6: 32, 44.1, 48, 88.2, 96, 176.4, 192 kHz
    // Format 1: bits 0-2 = 16/20/24 bit; 2-8: maximum bit rate in kHz; 9-13: byte 3 as stored;
    // 14: profile (0-7); 15: extension type code.
    quint32 value = 0;
};

constexpr unsigned CeaMaxSads = 10;

// Audio data block (tag 1).
struct CeaSADDataBlock
{
    quint32 count = 0;
    quint32 maxCount = 0;
    CeaShortAudioDescriptor sad[CeaMaxSads];
};

// Speaker allocation data block (tag 4), payload bytes 0 and 1.
struct CeaSpeakerAllocation
{
    bool frontCenter = false;          // byte 0 bit 2
    bool frontLeftRightCenter = false; // byte 0 bit 5
    bool frontCenterHigh = false;      // byte 1 bit 2
    bool frontLeftRightHigh = false;   // byte 1 bit 0
    bool frontLeftRight = false;       // byte 0 bit 0
    bool frontLeftRightWide = false;   // byte 0 bit 7
    bool lowFrequencyEffects = false;  // byte 0 bit 1
    bool rearCenter = false;           // byte 0 bit 4
    bool rearLeftRightCenter = false;  // byte 0 bit 6
    bool rearLeftRight = false;        // byte 0 bit 3
    bool topCenter = false;            // byte 1 bit 1
};

// Colorimetry data block (tag 7, extended tag 5), payload bytes 0 and 1. Name kept as spelled
// (ARCHITECTURE.md).
struct CeaColometry
{
    bool xvYCC601 = false;    // byte 0 bit 0
    bool xvYCC709 = false;    // byte 0 bit 1
    bool sYCC601 = false;     // byte 0 bit 2
    bool adobeYCC601 = false; // byte 0 bit 3
    bool adobeRGB = false;    // byte 0 bit 4
    bool md0 = false;         // byte 1 bit 0
    bool md1 = false;         // byte 1 bit 1
    bool md2 = false;         // byte 1 bit 2
    bool md3 = false;         // byte 1 bit 3
};

// Video capability data block (tag 7, extended tag 0), payload byte 0.
struct CeaVideoCaps
{
    quint32 ceOverscan = 0;                 // bits 1-0
    quint32 itOverscan = 0;                 // bits 3-2
    quint32 ptOverscan = 0;                 // bits 5-4
    bool rgbQuantizationSelectable = false; // bit 6
    bool yccQuantizationSelectable = false; // bit 7
};

constexpr unsigned CeaMaxGenericPayload = 32;

// Raw view of any data block: the bytes after the header (and extended tag and OUI).
struct CeaGenericDataBlock
{
    quint32 hasOui = 0; // 1 for the kinds of any OUI (CeaExtBlock::AnyOui)
    quint32 oui = 0;    // 24 bits
    quint32 payloadLength = 0;
    quint32 maxPayloadLength = 0;
    quint8 payload[CeaMaxGenericPayload] = {};
};

// State of an HDMI latency field.
enum CeaLatencyState : quint32 {
    CeaLatencyNoData = 0,       // byte 0
    CeaLatencyNotSupported = 1, // byte 255
    CeaLatencyValid = 2         // bytes 1..254: (byte - 1) x 2 ms
};

// Index of a latency field.
enum CeaLatencyField : quint32 {
    CeaLatencyVideo = 0,
    CeaLatencyAudio = 1,
    CeaLatencyInterlacedVideo = 2,
    CeaLatencyInterlacedAudio = 3
};

// Kinds of an HDMI 3D descriptor (3D_Structure 0, 8 and 6).
enum CeaHdmi3DKind : quint32 {
    CeaHdmi3DNone = 0,
    CeaHdmi3DFramePacking = 3,
    CeaHdmi3DSideBySideHalf = 4,
    CeaHdmi3DTopAndBottom = 5
};

struct CeaHdmi3DDescriptor
{
    quint32 kind = CeaHdmi3DNone; // CeaHdmi3DKind
    quint32 vicOrder = 0;         // index into the SVD list (2D_VIC_order)
    quint32 detail = 0;           // 3D_Detail (side-by-side only), 4 bits
    quint32 size = 1;             // bytes: 1, or 2 for side-by-side
};

struct CeaHdmiVicEntry
{
    quint32 hdmiVic = 0;
    quint32 present = 0; // 1 for an entry read from the block
};

constexpr unsigned CeaMaxHdmiVics = 7;
constexpr unsigned CeaMax3DDescriptors = 21;
constexpr unsigned CeaMaxHdmiVsdbPayload = 28; // 32 bytes minus header and OUI

// HDMI vendor-specific data block (tag 3, OUI 00-0C-03). The payload counts the bytes after
// the OUI; the optional parts follow in payload order.
struct CeaHdmiVSDB
{
    quint32 payloadLength = 0;
    quint32 maxPayloadLength = 0;
    quint32 hdmiVicCount = 0;      // 0..7
    quint32 descriptor3DCount = 0; // 0..21
    // Optional parts present.
    bool flagsPresent = false;             // byte 6
    bool maxTmdsClockPresent = false;      // byte 7
    bool contentTypePresent = false;       // byte 8
    bool latencyPresent = false;           // video and audio latency
    bool interlacedLatencyPresent = false; // interlaced video and audio latency
    bool hdmiVideoPresent = false;         // HDMI video byte, count byte, HDMI VICs and 3D data
    // Sizes in bytes of the block's parts, set by every decode (2, 1, 1, 1, 2, 2, 2, 2, 2); not
    // read on encode.
    quint32 physicalAddressSize = 0;
    quint32 flagsSize = 0;
    quint32 maxTmdsClockSize = 0;
    quint32 contentTypeSize = 0;
    quint32 interlacedLatencySize = 0;
    quint32 latencySize = 0;
    quint32 hdmiVideoSize = 0;
    quint32 structure3DSize = 0;
    quint32 mask3DSize = 0;
    // Source physical address A.B.C.D.
    quint32 physicalB = 0; // byte 4 bits 3-0
    quint32 physicalA = 0; // byte 4 bits 7-4
    quint32 physicalD = 0; // byte 5 bits 3-0
    quint32 physicalC = 0; // byte 5 bits 7-4
    // Byte 6.
    bool dviDualLink = false;   // bit 0
    bool deepColorY444 = false; // bit 3
    bool deepColor30 = false;   // bit 4
    bool deepColor36 = false;   // bit 5
    bool deepColor48 = false;   // bit 6
    bool supportsAI = false;    // bit 7
    quint32 maxTmdsClock = 0;   // MHz (byte 7 x 5)
    // Byte 8 bits 0-3.
    bool cnc0 = false;                      // graphics
    bool cnc1 = false;                      // photo
    bool cnc2 = false;                      // cinema
    bool cnc3 = false;                      // game
    quint32 latencyState[4] = {0, 0, 0, 0}; // CeaLatencyState, by CeaLatencyField
    quint32 latencyMs[4] = {0, 0, 0, 0};    // milliseconds, by CeaLatencyField
    // HDMI video byte and 3D data.
    quint32 imageSize = 0;  // bits 4-3
    bool present3D = false; // bit 7
    quint32 multi3D = 0;    // bits 6-5: 0 none, 1 structure for all VICs, 2 structure and mask
    quint8 structure3D = 0; // bit 0 frame packing, bit 1 side-by-side half, bit 2 top-and-bottom
    quint32 mask3D = 0;     // bit k = SVD k of the extension (k < 16)
    CeaHdmi3DDescriptor descriptors3D[CeaMax3DDescriptors];
    CeaHdmiVicEntry hdmiVics[CeaMaxHdmiVics];
};
