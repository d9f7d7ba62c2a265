#pragma once

// Byte layout of the 128-byte EDID base block (VESA E-EDID 1.4, section 3.1, table 3.1), shared
// by the EDID 1.3 and 1.4 block classes. Private to the base block family: the offsets count from
// the block's first byte.
namespace EdidBaseLayout {

constexpr unsigned BlockSize = 128;

constexpr unsigned HeaderByte = 0; // 00 FF FF FF FF FF FF 00
constexpr unsigned HeaderLength = 8;

// Vendor and product identification (bytes 8-17).
constexpr unsigned VendorByte = 8;   // 2 bytes, big-endian: three 5-bit letters
constexpr unsigned ProductByte = 10; // 2 bytes, little-endian
constexpr unsigned SerialByte = 12;  // 4 bytes, little-endian
constexpr unsigned WeekByte = 16;
constexpr unsigned YearByte = 17;             // year - 1990
constexpr unsigned IdentificationLength = 12; // bytes 8-19, with the version

// EDID structure version and revision (bytes 18-19).
constexpr unsigned VersionByte = 18;
constexpr unsigned RevisionByte = 19;

// Basic display parameters (bytes 20-24).
constexpr unsigned InputByte = 20;
constexpr unsigned HSizeByte = 21;
constexpr unsigned VSizeByte = 22;
constexpr unsigned GammaByte = 23;
constexpr unsigned FeatureByte = 24;
constexpr unsigned BasicParamsLength = 5;

// Colour characteristics (bytes 25-34): two bytes of low-order bits, then the eight high-order
// bytes red x, red y, green x, green y, blue x, blue y, white x, white y.
constexpr unsigned ColorByte = 25;
constexpr unsigned ColorHighByte = 27;
constexpr unsigned ColorLength = 10;

// Established timings I and II and the manufacturer's timings (bytes 35-37).
constexpr unsigned EstablishedByte = 35;
constexpr unsigned EstablishedLength = 3;
constexpr unsigned EstablishedCount = 17; // bits 7-0 of bytes 35 and 36, bit 7 of byte 37

// Eight standard timings of two bytes (bytes 38-53).
constexpr unsigned StandardByte = 38;
constexpr unsigned StandardCount = 8;
constexpr unsigned StandardSize = 2;

// Four 18-byte descriptors (bytes 54, 72, 90, 108).
constexpr unsigned DescriptorByte = 54;
constexpr unsigned DescriptorSize = 18;
constexpr unsigned DescriptorCount = 4;

constexpr unsigned ExtensionCountByte = 126;
constexpr unsigned ChecksumByte = 127;

// First byte of descriptor slot 0..3.
constexpr unsigned descriptorByte(unsigned slot)
{
    return DescriptorByte + DescriptorSize * slot;
}

// Inside an 18-byte display descriptor (VESA E-EDID 1.4, section 3.10.3): bytes 0-2 are zero,
// byte 3 is the tag, byte 4 is reserved (EDID 1.4 range limits: the rate offsets) and bytes
// 5-17 carry the data.
constexpr unsigned DescriptorTagByte = 3;
constexpr unsigned DescriptorDataByte = 5;
constexpr unsigned DescriptorDataLength = 13;

// Data of the display descriptor kinds (counted from the descriptor's first byte).
constexpr unsigned DescriptorStandardCount = 6; // standard timings (tag 0xFA) from byte 5
constexpr unsigned DescriptorVersionByte = 5;   // colour management, CVT codes, timings III
// The CVT version a range limits descriptor gets when it becomes a CVT one (byte 11: 1.1).
constexpr unsigned RangeCvtNewVersion = 0x11;
constexpr unsigned CvtCodesByte = 6; // four 3-byte CVT codes (tag 0xF8)
constexpr unsigned CvtCodeSize = 3;
constexpr unsigned CvtCodeCount = 4;
constexpr unsigned EstablishedIIIByte = 6; // established timings III bits (tag 0xF7)
constexpr unsigned EstablishedIIICount = 44;

} // namespace EdidBaseLayout
