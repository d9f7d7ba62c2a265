#pragma once

// Byte layout of a VTB-EXT block (VESA VTB-EXT, section 2), private to the VTB-EXT family. The
// block size, the tag, the entry area and the entry sizes are public in EdidExtVtb.
namespace VtbLayout {

constexpr unsigned TagByte = 0; // 0x10
constexpr unsigned VersionByte = 1;
// Number of entries in each list; the lists follow one another from byte 5.
constexpr unsigned DtbCountByte = 2;
constexpr unsigned CvtCountByte = 3;
constexpr unsigned StCountByte = 4;
constexpr unsigned ChecksumByte = 127;

} // namespace VtbLayout
