// libFuzzer target over whole EDID images. The first 512 input bytes are the image (shorter
// inputs are padded with zeros); the bytes after them steer the edits. Every block is
// recognised in the order the EDID view uses (base block: DisplayID base section, EDID 1.4,
// EDID 1.3; each further 128-byte block: DisplayID extension, CEA-861, DI-EXT, VTB-EXT), and
// the object of each recognised block reads, writes back, adds and removes what it offers.
// The image lives in a buffer of exactly 512 bytes, so the address sanitizer sees any access
// past it; the guards of fuzzsupport.h check what each edit may change inside it.

#include "fuzzsupport.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"

#include <cstring>
#include <memory>

using namespace VyrFuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[ImageSize]);
    unsigned char *image = buffer.get();
    std::memset(image, 0, ImageSize);
    std::memcpy(image, data, size < ImageSize ? size : ImageSize);
    Ops ops(data + (size > ImageSize ? ImageSize : size), size > ImageSize ? size - ImageSize : 0);

    if (DisplayIDBlock::IsDisplayIDBaseBlock(image, ImageSize))
        fuzzDisplayIDBlock(image, 0, ops, true);
    else if (Edid14Block::IsEdid14(image, ImageSize))
        fuzzEdidBaseBlock(image, ops, true);
    else if (Edid13Block::IsEdid13(image, ImageSize))
        fuzzEdidBaseBlock(image, ops, false);

    for (unsigned offset = 128; offset < ImageSize; offset += 128) {
        unsigned char *block = image + offset;
        const unsigned available = ImageSize - offset;
        if (DisplayIDBlock::IsDisplayIDExtBlock(block, available))
            fuzzDisplayIDBlock(image, offset, ops, false);
        else if (CeaExtBlock::IsCeaExt(block, available))
            fuzzCeaExtBlock(image, offset, ops);
        else if (DiExtBlock::IsDiExt(block, available))
            fuzzDiExtBlock(image, offset, ops);
        else if (EdidExtVtb::IsEdidExtVtb(available, block))
            fuzzEdidExtVtb(image, offset, ops);
    }
    return 0;
}
