#include "vyredidblockrecogniser.h"

#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"

namespace {

template <typename Block>
VyrEdidRecognisedBlock made(VyrEdidBlockKind kind, unsigned int offset, unsigned char *bytes,
                            unsigned int room, unsigned int startOffset)
{
    VyrEdidRecognisedBlock result;
    result.kind = kind;
    result.offset = offset;
    result.block = std::make_unique<Block>(bytes, room, startOffset, nullptr);
    return result;
}

} // namespace

VyrEdidRecognisedBlock VyrEdidBlockRecogniser::first(unsigned char *image, unsigned int size)
{
    if (!image || size == 0)
        return {};
    if (DisplayIDBlock::IsDisplayIDBaseBlock(image, size))
        return made<DisplayIDBlock>(VyrEdidBlockKind::DisplayIdBase, 0, image, size, 0);
    if (Edid14Block::IsEdid14(image, size))
        return made<Edid14Block>(VyrEdidBlockKind::Edid14, 0, image, size, 0);
    if (Edid13Block::IsEdid13(image, size))
        return made<Edid13Block>(VyrEdidBlockKind::Edid13, 0, image, size, 0);
    return {};
}

VyrEdidRecognisedBlock VyrEdidBlockRecogniser::extension(unsigned char *image, unsigned int offset,
                                                         unsigned int size)
{
    if (!image || offset >= size)
        return {};
    unsigned char *bytes = image + offset;
    const unsigned int room = size - offset;
    // The DisplayID and VTB-EXT objects count their locations from the block's real offset;
    // the CEA-861 and DI-EXT objects take the image start from their items.
    if (DisplayIDBlock::IsDisplayIDExtBlock(bytes, room))
        return made<DisplayIDBlock>(VyrEdidBlockKind::DisplayIdExtension, offset, bytes, room,
                                    offset);
    if (CeaExtBlock::IsCeaExt(bytes, room))
        return made<CeaExtBlock>(VyrEdidBlockKind::CeaExtension, offset, bytes, room, 0);
    if (DiExtBlock::IsDiExt(bytes, room))
        return made<DiExtBlock>(VyrEdidBlockKind::DiExtension, offset, bytes, room, 0);
    if (EdidExtVtb::IsEdidExtVtb(room, bytes))
        return made<EdidExtVtb>(VyrEdidBlockKind::VtbExtension, offset, bytes, room, offset);
    if (room < ExtensionSize)
        return {};
    VyrEdidRecognisedBlock unknown;
    unknown.kind = VyrEdidBlockKind::Unknown;
    unknown.offset = offset;
    unknown.length = ExtensionSize;
    return unknown;
}

unsigned int VyrEdidBlockRecogniser::announcedExtensions(const VyrEdidRecognisedBlock &first)
{
    return first.block ? first.block->GetNumOfExtensions() : 0;
}

std::vector<VyrEdidRecognisedBlock> VyrEdidBlockRecogniser::recognise(unsigned char *image,
                                                                      unsigned int size)
{
    std::vector<VyrEdidRecognisedBlock> blocks;
    VyrEdidRecognisedBlock base = first(image, size);
    if (base.kind == VyrEdidBlockKind::None || base.size() == 0 || base.size() > size)
        return blocks;
    const unsigned int extensions = announcedExtensions(base);
    unsigned int end = base.size();
    blocks.push_back(std::move(base));
    for (unsigned int pass = 0; pass < extensions && blocks.size() < MaxBlocks; ++pass) {
        VyrEdidRecognisedBlock next = extension(image, end, size);
        // A block that would reach past the image is not one.
        if (next.kind == VyrEdidBlockKind::None || next.size() == 0 || next.size() > size - end)
            break;
        end += next.size();
        blocks.push_back(std::move(next));
    }
    return blocks;
}
