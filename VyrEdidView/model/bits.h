#pragma once

#include <QtGlobal>

// Small bit-field helpers for byte-oriented EDID code. Every EDID field is read and written
// through these instead of ad-hoc masks, so the bit numbers in the code match the bit numbers
// of the VESA/CTA tables they come from.

// Bit n (0 = least significant) of value, as 0 or 1.
constexpr unsigned bit(unsigned value, unsigned n)
{
    return n < 32u ? (value >> n) & 1u : 0u;
}

// Bits high..low (inclusive, high >= low) of value, shifted down to bit 0.
constexpr unsigned bits(unsigned value, unsigned high, unsigned low)
{
    return (high < 32u && low <= high)
               ? (value >> low)
                     & (high - low >= 31u ? 0xFFFFFFFFu : ((1u << (high - low + 1u)) - 1u))
               : 0u;
}

// value with bit n set to on.
constexpr unsigned withBit(unsigned value, unsigned n, bool on)
{
    return n < 32u ? (on ? (value | (1u << n)) : (value & ~(1u << n))) : value;
}

// value with bits high..low replaced by the low bits of field.
constexpr unsigned withBits(unsigned value, unsigned high, unsigned low, unsigned field)
{
    if (high >= 32u || low > high)
        return value;
    const unsigned mask = (high - low >= 31u ? 0xFFFFFFFFu : ((1u << (high - low + 1u)) - 1u));
    return (value & ~(mask << low)) | ((field & mask) << low);
}

// The low eight bits of value, for writing a field into a byte.
constexpr quint8 lowByte(unsigned value)
{
    return static_cast<quint8>(value & 0xFFu);
}

// Byte variants for writing back into an EDID buffer without sign or narrowing surprises.
constexpr quint8 setBit(quint8 byte, unsigned n, bool on)
{
    return static_cast<quint8>(withBit(byte, n, on) & 0xFFu);
}

constexpr quint8 setBits(quint8 byte, unsigned high, unsigned low, unsigned field)
{
    return static_cast<quint8>(withBits(byte, high, low, field) & 0xFFu);
}
