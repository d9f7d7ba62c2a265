#pragma once

// Byte layout of a DI-EXT block (VESA DI-EXT, section 2), private to the DI-EXT family. The block
// size and the tag are public in DiExtBlock. Multi-byte fields are stored low byte first.
namespace DiExtLayout {

constexpr unsigned TagByte = 0; // 0x40
constexpr unsigned VersionByte = 1;

// General information and digital interface (bytes 2-13).
constexpr unsigned InterfaceByte = 2;
constexpr unsigned VersionFormByte = 3;   // bits 7-6 form, bits 5-0 version integer part
constexpr unsigned VersionFieldsByte = 4; // bytes 4-6, by form: version and revision, letter, date
constexpr unsigned DataFormatFlagsByte = 7;
constexpr unsigned DataFormatCodeByte = 8;
constexpr unsigned MinClockByte = 9;
constexpr unsigned MaxClockByte = 10;  // 16 bits
constexpr unsigned CrossoverByte = 12; // 16 bits

// Display device (bytes 14-19).
constexpr unsigned SubPixelLayoutByte = 14; // layout, configuration, shape
constexpr unsigned HPitchByte = 17;
constexpr unsigned VPitchByte = 18;
constexpr unsigned DeviceFlagsByte = 19;

// Display capabilities (bytes 20-26 and 38-54) and colour/luminance decoding (bytes 27-37).
constexpr unsigned MiscCapsByte = 20;
constexpr unsigned FrameRateConversionByte = 21;
constexpr unsigned VFrequencyByte = 22; // 16 bits
constexpr unsigned HFrequencyByte = 24; // 16 bits
constexpr unsigned OrientationByte = 26;
constexpr unsigned DefaultDecodingByte = 27;
constexpr unsigned PreferredDecodingByte = 28;
constexpr unsigned DecodingCapsLowByte = 29;
constexpr unsigned DecodingCapsHighByte = 30;
constexpr unsigned DitheringByte = 31;
constexpr unsigned ColorDepthByte = 32; // six bytes: blue, green, red, Cb/Pb, Y, Cr/Pr
constexpr unsigned AspectConversionByte = 38;
constexpr unsigned PacketizedVideoByte = 39; // bytes 39-54

// Unused section, audio support section, gamma section and checksum.
constexpr unsigned UnusedSectionByte = 55;
constexpr unsigned AudioSectionByte = 72;
constexpr unsigned GammaByte = 81;       // bits 7-6 type, bits 5-0 number of points
constexpr unsigned GammaPointsByte = 82; // up to 45 points, bytes 82-126
constexpr unsigned ChecksumByte = 127;

} // namespace DiExtLayout
