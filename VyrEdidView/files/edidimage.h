#pragma once

#include <QtGlobal>

// The EDID image that the load/save form holds and the file readers and writers work on:
// four 128-byte blocks. Readers fill it from byte 0; writers write a prefix of it.
constexpr quint32 EdidImageSize = 512;
using EdidImage = unsigned char[EdidImageSize];
