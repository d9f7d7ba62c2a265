#pragma once

// Byte layout of a CEA-861 extension block (CTA-861-G, section 7.5), private to the CEA family.
// The block size and the size of a detailed timing are public in CeaExtBlock.
namespace CeaLayout {

constexpr unsigned TagByte = 0; // 0x02
constexpr unsigned char Tag = 0x02;
constexpr unsigned RevisionByte = 1;
constexpr unsigned NewRevision = 3; // written into a new block; data blocks need 3 or later
// Offset d of the first detailed timing; without detailed timings the end of the data block
// collection (0: neither data blocks nor detailed timings).
constexpr unsigned DtdOffsetByte = 2;
// Bit 7 underscan, 6 basic audio, 5 YCbCr 4:4:4, 4 YCbCr 4:2:2, 3-0 number of native DTDs.
constexpr unsigned FlagsByte = 3;
// The data block collection (bytes 4 .. d-1), then detailed timings and padding up to byte 126.
constexpr unsigned CollectionStart = 4;
constexpr unsigned ChecksumByte = 127;
constexpr unsigned AreaLength = ChecksumByte - CollectionStart; // bytes 4..126

// A data block starts with a header byte: tag code in bits 7-5, length of the rest in bits 4-0.
// Tag code 7 is followed by an extended tag byte, tag code 3 by a three-byte IEEE OUI.
constexpr unsigned VendorTagCode = 3;
constexpr unsigned ExtendedTagCode = 7;
constexpr unsigned OuiLength = 3;

// HDMI vendor-specific data block (HDMI 1.4b, section 8.3.2), counted from its header byte:
// the OUI in bytes 1-3, the payload from byte 4.
constexpr unsigned VsdbPayloadStart = 4;
constexpr unsigned VsdbAddressByte = 4; // source physical address A.B.C.D, bytes 4-5
constexpr unsigned VsdbFlagsByte = 6;   // deep colour and other flags
constexpr unsigned VsdbMaxTmdsByte = 7; // maximum TMDS clock / 5 MHz
constexpr unsigned VsdbContentByte = 8; // latency and HDMI video presence, content types
constexpr unsigned VsdbLatencyByte = 9; // first byte after byte 8: latency or HDMI video

} // namespace CeaLayout
