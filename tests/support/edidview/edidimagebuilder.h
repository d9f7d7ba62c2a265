#pragma once

#include <QByteArray>
#include <QList>

namespace VyrTest {

// Builds a 512-byte EDID image from small byte lists per block, with every checksum right.
// Blocks follow each other in the order they are added; a patch changes bytes of the block
// added last (offsets count from that block's first byte). image() announces the blocks after
// the first one in the first block (byte 126 of an EDID base block, byte 3 of a DisplayID base
// section) unless announce() said otherwise, and then fixes the checksums.
//
//     const QByteArray image = EdidImageBuilder().edid14().cea().patch(3, {0x40}).image();
class EdidImageBuilder
{
public:
    // Default blocks as the model's initialisers write them (128 bytes each).
    EdidImageBuilder &edid13();
    EdidImageBuilder &edid14();
    EdidImageBuilder &cea();
    EdidImageBuilder &diExt();
    EdidImageBuilder &vtb();
    // A DisplayID extension section wrapped in an EDID extension block (tag 0x70).
    EdidImageBuilder &displayIdExtension(int version = 0x12);
    // DisplayID sections without EDID wrapping, 5 bytes each (no data blocks).
    EdidImageBuilder &displayIdBase(int version = 0x12);
    EdidImageBuilder &displayIdSection(int version = 0x12);
    // Any 128-byte block (shorter bytes are padded with zeros); its byte 127 is fixed.
    EdidImageBuilder &block(const QByteArray &bytes);
    // Bytes that are not a block at all (stay as given, no checksum).
    EdidImageBuilder &raw(const QByteArray &bytes);

    // Appends a data block {tag, revision, payload length} and its payload to the DisplayID
    // section added last, whose length byte grows with it (a wrapped section stays 128 bytes).
    EdidImageBuilder &displayIdDataBlock(int tag, int revision, const QByteArray &payload);

    EdidImageBuilder &patch(int offset, const QList<int> &bytes);
    EdidImageBuilder &announce(int extensions);

    QByteArray image() const;
    // Start of every block added, in the image.
    QList<int> offsets() const;

private:
    enum class Kind { Edid, EdidBase, DisplayIdWrapped, DisplayIdBase, DisplayIdSection, Raw };
    struct Part
    {
        Kind kind;
        QByteArray bytes;
    };
    EdidImageBuilder &add(Kind kind, QByteArray bytes);

    QList<Part> m_parts;
    int m_announce = -1;
};

// A DisplayID section's checksum (after its header and data blocks) and, for a section
// wrapped in a 128-byte EDID extension block, the block's byte 127.
void fixDisplayIdChecksums(unsigned char *section, bool wrapped);

} // namespace VyrTest
