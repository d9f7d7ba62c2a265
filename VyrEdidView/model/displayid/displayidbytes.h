#pragma once

#include <cmath>

// Little-endian fields and scaled values of DisplayID data blocks.
namespace DidBytes {

inline unsigned le16(const unsigned char *p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

inline unsigned le24(const unsigned char *p)
{
    return le16(p) | unsigned(p[2]) << 16;
}

inline unsigned le32(const unsigned char *p)
{
    return le24(p) | unsigned(p[3]) << 24;
}

inline unsigned char byteOf(unsigned value)
{
    return static_cast<unsigned char>(value & 0xFFu);
}

inline void put16(unsigned char *p, unsigned value)
{
    p[0] = byteOf(value);
    p[1] = byteOf(value >> 8);
}

inline void put24(unsigned char *p, unsigned value)
{
    put16(p, value);
    p[2] = byteOf(value >> 16);
}

inline void put32(unsigned char *p, unsigned value)
{
    put24(p, value);
    p[3] = byteOf(value >> 24);
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

} // namespace DidBytes
