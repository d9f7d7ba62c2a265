#pragma once

#include <QtEndian>

#include <cmath>

// Byte layout of a DisplayID 1.x section (VESA DisplayID 1.3, sections 3 and 4) and the value
// codings its data blocks share; private to the DisplayID family. Multi-byte fields are stored
// low byte first: 16- and 32-bit ones are read and written through <QtEndian>, the 24-bit ones
// (pixel clocks) through le24 and put24 below.
namespace DisplayIDLayout {

// Section header: version, length of the data-block area, product type, extension count; the
// data blocks follow, then one checksum byte.
constexpr unsigned VersionByte = 0;
constexpr unsigned LengthByte = 1;
constexpr unsigned ProductTypeByte = 2;
constexpr unsigned ExtensionCountByte = 3;
constexpr unsigned HeaderBytes = 4;
constexpr unsigned SectionOverhead = HeaderBytes + 1; // header and checksum

// Data block header: tag, revision, payload length; the payload follows.
constexpr unsigned BlockTagByte = 0;
constexpr unsigned BlockRevisionByte = 1;
constexpr unsigned BlockLengthByte = 2;
constexpr unsigned BlockHeaderBytes = 3;

// An extension section comes as a whole 128-byte block. Wrapped in an EDID extension block
// (tag 0x70 in byte 0) it starts at byte 1 and the block's own checksum is byte 127.
constexpr unsigned ExtensionBlockBytes = 128;
constexpr unsigned WrappedSectionByte = 1;
constexpr unsigned WrappedChecksumByte = 127;

inline unsigned le24(const unsigned char *p)
{
    return qFromLittleEndian<quint16>(p) | unsigned(p[2]) << 16;
}

// The low 24 bits of value.
inline void put24(unsigned char *p, unsigned value)
{
    qToLittleEndian(static_cast<quint16>(value & 0xFFFFu), p);
    p[2] = static_cast<unsigned char>((value >> 16) & 0xFFu);
}

// value x factor rounded to the nearest whole step (0 for negative or non-finite values), so
// a value read as stored / factor is written back as the same stored number.
inline unsigned scaled(double value, double factor)
{
    const double v = value * factor;
    if (!(v > 0.0))
        return 0;
    if (v >= 4294967295.0)
        return 0xFFFFFFFFu;
    return static_cast<unsigned>(std::floor(v + 0.5));
}

// value / step rounded to the nearest whole step.
inline unsigned nearestStep(unsigned value, unsigned step)
{
    return (value + step / 2) / step;
}

// Stored enumeration to write: the record's value, or the stored one when the record holds the
// value the reader clipped it to.
inline unsigned keepClipped(unsigned recordValue, unsigned stored, unsigned clip)
{
    return (recordValue == clip && stored > clip) ? stored : recordValue;
}

} // namespace DisplayIDLayout
