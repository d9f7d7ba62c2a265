#pragma once

#include "datablock.h"

#include <memory>
#include <vector>

// What a block of an EDID image was recognised as.
enum class VyrEdidBlockKind {
    None,
    DisplayIdBase, // first block
    Edid14,        // first block
    Edid13,        // first block (EDID structure 1.0 to 1.3)
    DisplayIdExtension,
    CeaExtension,
    DiExtension,
    VtbExtension,
    // An extension block no test recognises, kept as its 128 bytes. The last kind: the EDID
    // tree's table of block items (frame/vyredidblockitems.h) counts the kinds up to it.
    Unknown
};

// One recognised block: its kind, where it starts in the image, and the block object over its
// bytes (null for the kinds None and Unknown).
struct VyrEdidRecognisedBlock
{
    VyrEdidBlockKind kind = VyrEdidBlockKind::None;
    unsigned int offset = 0;
    std::unique_ptr<DataBlock> block;
    // Bytes of a block kept without a block object (kind Unknown).
    unsigned int length = 0;

    // Image bytes the block takes.
    unsigned int size() const { return block ? block->GetBlockSize() : length; }
};

// Finds the blocks of a 512-byte EDID image. The EDID tree and the file writers both use it,
// so the two always agree on where the blocks are.
//
// The first block is tested as a DisplayID base section, then EDID 1.4, then EDID 1.3. As many
// further blocks as the first one announces follow, each where the one before it ends, tested
// as a DisplayID extension section, CEA-861, DI-EXT, then VTB-EXT. An extension that no test
// recognises (a DisplayID 2.x section, a block map, an erased block, a tag without a class) is
// still one of the blocks the first one announces: it is kept as a block of kind Unknown over
// its 128 bytes, so that the tree shows it and the writers write it, and the walk goes on
// behind it. The walk ends at a block that would reach past the end of the image, and after
// MaxBlocks blocks (the EDID tree keeps MaxBlocks + 1 offsets: every start and the end of the
// last block). Nothing is written.
class VyrEdidBlockRecogniser
{
public:
    static constexpr unsigned int ImageSize = 512;
    static constexpr unsigned int MaxBlocks = 7;
    // Size of an EDID extension block, and so of a block of kind Unknown.
    static constexpr unsigned int ExtensionSize = 128;

    // The first block of the image (size bytes at image).
    static VyrEdidRecognisedBlock first(unsigned char *image, unsigned int size = ImageSize);
    // An extension block starting at offset: kind Unknown when no test recognises it, None when
    // it does not fit into the image.
    static VyrEdidRecognisedBlock extension(unsigned char *image, unsigned int offset,
                                            unsigned int size = ImageSize);
    // Number of extension blocks the first block announces.
    static unsigned int announcedExtensions(const VyrEdidRecognisedBlock &first);

    // Every block in image order; empty when the first block is not recognised.
    static std::vector<VyrEdidRecognisedBlock> recognise(unsigned char *image,
                                                         unsigned int size = ImageSize);
};
