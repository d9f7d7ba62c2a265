#pragma once

#include <QString>

#include <cstring>

// Text of a character buffer from the driver: Latin-1 up to its first NUL, and never
// past size bytes when the driver left no NUL in them.
inline QString noxText(const char *data, size_t size)
{
    const void *zero = std::memchr(data, 0, size);
    const size_t length =
        zero != nullptr ? static_cast<size_t>(static_cast<const char *>(zero) - data) : size;
    return QString::fromLatin1(data, static_cast<int>(length));
}

// Text of a fixed-size character field of a driver record.
template <size_t N> QString noxText(const char (&field)[N])
{
    return noxText(field, N);
}
