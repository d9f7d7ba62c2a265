#pragma once

#include <algorithm>
#include <cstring>

// Bounds shared by the AUX access objects: a transfer never asks the driver for more
// than its record holds, and a reply never fills more than the caller's buffer.
namespace DpcdTransfer {

// Whether a transfer of length bytes fits a record of capacity data bytes and has
// somewhere to put (or take) them.
inline bool fits(unsigned int length, unsigned int capacity, const void *buffer)
{
    return length <= capacity && (length == 0 || buffer != nullptr);
}

// Copies the bytes the driver says it returned, at most length (which fits the record).
// A negative count from the driver copies nothing.
inline void copyReply(unsigned char *buffer, unsigned int length, const unsigned char *data,
                      long long reported)
{
    const auto count = static_cast<unsigned int>(std::clamp<long long>(reported, 0, length));
    if (count > 0)
        std::memcpy(buffer, data, count);
}

} // namespace DpcdTransfer
