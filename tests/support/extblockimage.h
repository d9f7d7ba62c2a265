#pragma once

// A 512-byte EDID image with the extension block under test in block 1, shared by the DI-EXT
// and VTB-EXT tests: the bytes outside the block must stay as they are.

#include <QByteArray>

namespace ExtBlockImage {

constexpr int BlockOffset = 128;

inline unsigned char *blockOf(QByteArray &image)
{
    return reinterpret_cast<unsigned char *>(image.data()) + BlockOffset;
}

inline QByteArray outsideBlock(const QByteArray &image)
{
    return image.left(BlockOffset) + image.mid(BlockOffset + 128);
}

} // namespace ExtBlockImage
