#include "fuzzsupport.h"
#include "model/displayid/displayidblock.h"

#include <memory>
#include <vector>

using namespace VyrFuzz;

namespace {

// Reads every descriptor of timing data block i and writes them back, one by one where the
// class offers it and as a whole list.
void roundTripTimings(DisplayIDBlock &block, Guard &guard, unsigned i, DisplayBlockID kind)
{
    switch (kind) {
    case DidBlockType1Timing: {
        const unsigned n = block.GetNumOfType1DetTimingDescriptors(i);
        std::vector<DidType1DetTimingDesc> records(n);
        for (unsigned j = 0; j < n; ++j) {
            block.GetType1DetTimingDescriptor(i, j, &records[j]);
            guard.run("SetType1DetTimingDescriptor",
                      [&] { block.SetType1DetTimingDescriptor(i, j, &records[j]); });
        }
        guard.run("SetType1DetTimingDescriptors",
                  [&] { block.SetType1DetTimingDescriptors(i, n, n, records.data()); });
        break;
    }
    case DidBlockType2Timing: {
        const unsigned n = block.GetNumOfType2DetTimingDescriptors(i);
        std::vector<DidType2DetTimingDesc> records(n);
        for (unsigned j = 0; j < n; ++j) {
            block.GetType2DetTimingDescriptor(i, j, &records[j]);
            guard.run("SetType2DetTimingDescriptor",
                      [&] { block.SetType2DetTimingDescriptor(i, j, &records[j]); });
        }
        guard.run("SetType2DetTimingDescriptors",
                  [&] { block.SetType2DetTimingDescriptors(i, n, n, records.data()); });
        break;
    }
    case DidBlockType3Timing: {
        const unsigned n = block.GetNumOfType3ShortTimingDescriptors(i);
        std::vector<DidType3ShortTimingDesc> records(n);
        for (unsigned j = 0; j < n; ++j) {
            block.GetType3ShortTimingDescriptor(i, j, &records[j]);
            guard.run("SetType3ShortTimingDescriptor",
                      [&] { block.SetType3ShortTimingDescriptor(i, j, &records[j]); });
        }
        guard.run("SetType3ShortTimingDescriptors",
                  [&] { block.SetType3ShortTimingDescriptors(i, n, n, records.data()); });
        break;
    }
    case DidBlockType4Timing: {
        const unsigned n = block.GetNumOfType4DmtTimingDescriptors(i);
        std::vector<DidType4DmtTimingDesc> records(n);
        for (unsigned j = 0; j < n; ++j)
            block.GetType4DmtTimingDescriptor(i, j, &records[j]);
        guard.run("SetType4DmtTimingDescriptors",
                  [&] { block.SetType4DmtTimingDescriptors(i, n, n, records.data()); });
        break;
    }
    case DidBlockType5Timing: {
        const unsigned n = block.GetNumOfType5ShortTimingDescriptors(i);
        std::vector<DidType5ShortTimingDesc> records(n);
        for (unsigned j = 0; j < n; ++j)
            block.GetType5ShortTimingDescriptor(i, j, &records[j]);
        guard.run("SetType5ShortTimingDescriptors",
                  [&] { block.SetType5ShortTimingDescriptors(i, n, n, records.data()); });
        break;
    }
    case DidBlockType6Timing: {
        std::unique_ptr<unsigned[]> counts(block.GetNumOfType6DetTimingDescriptors(i));
        if (!counts)
            break;
        const unsigned n = counts[0] + counts[1];
        std::unique_ptr<bool[]> sizes(block.GetType6DetDescriptorInfo(i, n));
        if (!sizes)
            break;
        std::vector<DidType6DetTimingDesc> records(n);
        for (unsigned j = 0; j < n; ++j)
            block.GetType6DetTimingDescriptor(i, j, sizes.get(), &records[j]);
        guard.run("SetType6DetTimingDescriptors", [&] {
            block.SetType6DetTimingDescriptors(i, n, n, sizes.get(), sizes.get(), records.data());
        });
        break;
    }
    case DidBlockVesaTimings:
    case DidBlockCeaTimings: {
        const bool vesa = kind == DidBlockVesaTimings;
        unsigned char *bitmap = nullptr;
        if (vesa)
            block.GetVesaTimingsDataBlock(i, &bitmap);
        else
            block.GetCeaTimingsDataBlock(i, &bitmap);
        if (!bitmap)
            break;
        bool flags[80] = {};
        for (unsigned b = 0; b < (vesa ? 80u : 64u); ++b)
            flags[b] = (bitmap[b / 8] >> (b % 8)) & 1u;
        guard.run("SetVesa/CeaTimingsDataBlock", [&] {
            if (vesa)
                block.SetVesaTimingsDataBlock(i, flags);
            else
                block.SetCeaTimingsDataBlock(i, flags);
        });
        break;
    }
    default:
        break;
    }
}

// Reads data block i with the getter of its kind and writes the record back unchanged.
void roundTripDataBlock(DisplayIDBlock &block, Guard &guard, unsigned i)
{
    DisplayID_Block_Header header;
    block.GetDisplayBlockHeader(i, &header);
    unsigned offset = 0;
    block.calculateOffset(i, offset);
    const DisplayBlockID kind = DisplayIDBlock::kindOfTag(block.GetDataBlockTag(i));
    switch (kind) {
    case DidBlockProductId: {
        DidProductIdDataBlock r;
        block.GetProductIdentificationDataBlock(i, &r);
        guard.run("SetProductIdentificationDataBlock",
                  [&] { block.SetProductIdentificationDataBlock(i, &r, 0); });
        break;
    }
    case DidBlockDisplayParams: {
        DidDisplayParamsDataBlock r;
        block.GetDisplayParametersDataBlock(i, &r);
        guard.run("SetDisplayParametersDataBlock",
                  [&] { block.SetDisplayParametersDataBlock(i, &r); });
        break;
    }
    case DidBlockColorChars: {
        DidColorCharsDataBlock r;
        block.GetColorCharsDataBlock(i, &r);
        guard.run("SetColorCharsDataBlock", [&] { block.SetColorCharsDataBlock(i, &r); });
        break;
    }
    case DidBlockRangeLimits: {
        DidRangeLimitsDataBlock r;
        block.GetRangeLimitsDataBlock(i, &r);
        guard.run("SetRangeLimitsDataBlock", [&] { block.SetRangeLimitsDataBlock(i, &r); });
        break;
    }
    case DidBlockSerialNumber: {
        DidProductSNDataBlock r;
        block.GetProductSerialNumberDataBlock(i, &r);
        guard.run("SetProductSerialNumberDataBlock",
                  [&] { block.SetProductSerialNumberDataBlock(i, &r, 0); });
        break;
    }
    case DidBlockAsciiString: {
        DidAsciiDataBlock r;
        block.GetGeneralPurposeAsciiDataBlock(i, &r);
        guard.run("SetGeneralPurposeAsciiDataBlock",
                  [&] { block.SetGeneralPurposeAsciiDataBlock(i, &r, 0); });
        break;
    }
    case DidBlockDeviceData: {
        DidDevDataBlock r;
        block.GetDisplayDeviceDataBlock(i, &r);
        guard.run("SetDisplayDeviceDataBlock", [&] { block.SetDisplayDeviceDataBlock(i, &r); });
        break;
    }
    case DidBlockPowerSequencing: {
        DidPowerSeqDataBlock r;
        block.GetPowerSeqDataBlock(i, &r);
        guard.run("SetPowerSeqDataBlock", [&] { block.SetPowerSeqDataBlock(i, &r); });
        break;
    }
    case DidBlockDisplayInterface: {
        DidDisplayInterfaceDataBlock r;
        block.GetDisplayInterfaceDataBlock(i, &r);
        guard.run("SetDisplayInterfaceDataBlock",
                  [&] { block.SetDisplayInterfaceDataBlock(i, &r); });
        break;
    }
    case DidBlockStereoInterface: {
        DidStereoInterfaceDataBlock r;
        block.GetStereoInterfaceDataBlock(i, &r);
        guard.run("SetStereoInterfaceDataBlock",
                  [&] { block.SetStereoInterfaceDataBlock(i, &r, 0); });
        break;
    }
    case DidBlockTiledDisplay: {
        DidTiledDisplayDataBlock r;
        block.GetTiledDisplayDataBlock(i, &r);
        guard.run("SetTiledDisplayDataBlock", [&] { block.SetTiledDisplayDataBlock(i, &r); });
        break;
    }
    case DidBlockVendorSpecific: {
        DidVendorSpecificDataBlock r;
        block.GetVendorSpecificDataBlock(i, &r);
        guard.run("SetVendorSpecificDataBlock", [&] { block.SetVendorSpecificDataBlock(i, &r); });
        break;
    }
    default:
        roundTripTimings(block, guard, i, kind);
        break;
    }
}

} // namespace

void fuzzDisplayIDBlock(unsigned char *image, unsigned offset, Ops &ops, bool base)
{
    unsigned char *raw = image + offset;
    DisplayIDBlock block(raw, ImageSize - offset, offset, nullptr);
    if (block.GetBlockSize() == 0)
        fail("DisplayIDBlock", "a recognised section holds no data");
    const bool wrapped = !base && raw[0] == DisplayIDBlock::EdidExtensionTag;
    Guard guard(image, offset, base ? ImageSize : 128,
                wrapped ? Checksum::WrappedEdid : Checksum::Section);
    Sink sink;
    exerciseDataBlock("DisplayIDBlock", block, guard, sink, block.GetStartOffset());
    if (base)
        DisplayIDBlock::ValidateDisplayIDBaseBlock(&sink, image, offset, ImageSize - offset);
    else
        DisplayIDBlock::ValidateDisplayIDExtBlock(&sink, image, offset, ImageSize - offset);

    DisplayID_Section_Header header;
    block.GetSectionHeader(&header);
    sink.seen += block.GetNumOfAvailableBytes() + block.GetDIDBlockSize() + block.IsBaseBlock()
                 + block.AllowNewDataBlocks();
    for (unsigned id = 0; id < 23; ++id)
        sink.seen += block.IsDataBlockSupported(static_cast<DisplayBlockID>(id));
    for (unsigned i = 0; i < block.GetNumOfDataBlocks(); ++i)
        roundTripDataBlock(block, guard, i);

    int steps = 0;
    while (ops.more() && steps++ < 24) {
        switch (ops.below(4)) {
        case 0: {
            const auto id = static_cast<DisplayBlockID>(ops.below(23));
            if (block.AllowNewDataBlocks() && block.IsDataBlockSupported(id))
                guard.run("AddDataBlock", [&] { block.AddDataBlock(id); });
            break;
        }
        case 1: {
            const unsigned i = ops.below(block.GetNumOfDataBlocks() + 1);
            guard.run("RemoveDataBlock", [&] { block.RemoveDataBlock(i); });
            break;
        }
        case 2:
            if (block.GetNumOfDataBlocks() > 0)
                roundTripDataBlock(block, guard, ops.below(block.GetNumOfDataBlocks()));
            break;
        default: {
            const unsigned count = ops.below(4);
            guard.run("SetNumOfExtensions", [&] { block.SetNumOfExtensions(count); });
            break;
        }
        }
        if (block.GetNumOfDataBlocks() > DisplayIDBlock::MaxDataBlocks)
            fail("DisplayIDBlock", "more data blocks mapped than the map holds");
    }
    guard.run("Validate", [&] { block.Validate(&sink); });
    guard.run("RecalcCheckSum", [&] { block.RecalcCheckSum(); });
}
