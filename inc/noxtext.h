#pragma once

#include <QString>

#include <cstring>

// Text of a fixed-size character field of a driver record: ASCII up to its first NUL,
// and never past the field's end when the driver left no NUL in it.
template <size_t N> QString noxText(const char (&field)[N])
{
    const void *zero = std::memchr(field, 0, N);
    const size_t length =
        zero != nullptr ? static_cast<size_t>(static_cast<const char *>(zero) - field) : N;
    return QString::fromLatin1(field, static_cast<int>(length));
}
