#include "fuzzsupport.h"
#include "model/cea/ceaextblock.h"

using namespace VyrFuzz;

namespace {

// Reads data block i with the getter of its kind and writes the record back; the stream may
// change a count first (within the record's arrays), which makes the block grow or shrink.
void roundTripDataBlock(CeaExtBlock &block, Guard &guard, Ops &ops, unsigned i)
{
    CeaGenericDataBlock generic;
    block.GetGenericDataBlock(i, &generic);
    if (ops.flag() && generic.payloadLength < CeaMaxGenericPayload)
        generic.payloadLength = ops.below(CeaMaxGenericPayload + 1);
    guard.run("SetGenericDataBlock", [&] { block.SetGenericDataBlock(i, &generic); });

    switch (block.GetDataBlockID(i)) {
    case CeaBlockAudio: {
        CeaSADDataBlock audio;
        block.GetAudioDataBlock(i, &audio);
        if (ops.flag())
            audio.count = ops.below(CeaMaxSads + 1);
        guard.run("SetAudioDataBlock", [&] { block.SetAudioDataBlock(i, &audio); });
        break;
    }
    case CeaBlockVideo: {
        CeaSVDDataBlock video;
        block.GetVideoDataBlock(i, &video);
        if (ops.flag())
            video.count = ops.below(32);
        guard.run("SetVideoDataBlock", [&] { block.SetVideoDataBlock(i, &video); });
        break;
    }
    case CeaBlockSpeakerAllocation: {
        CeaSpeakerAllocation speakers;
        block.GetSpeakersAllocation(i, &speakers);
        speakers.topCenter = ops.flag();
        guard.run("SetSpeakersAllocation", [&] { block.SetSpeakersAllocation(i, &speakers); });
        break;
    }
    case CeaBlockColorimetry: {
        CeaColometry colorimetry;
        block.GetColorimetry(i, &colorimetry);
        colorimetry.md3 = ops.flag();
        guard.run("SetColorimetry", [&] { block.SetColorimetry(i, &colorimetry); });
        break;
    }
    case CeaBlockVideoCapability: {
        CeaVideoCaps caps;
        block.GetVideoCaps(i, &caps);
        caps.ptOverscan = ops.below(4);
        guard.run("SetVideoCaps", [&] { block.SetVideoCaps(i, &caps); });
        break;
    }
    case CeaBlockHdmiVsdb: {
        CeaHdmiVSDB vsdb;
        block.GetHdmiVSDB(i, &vsdb);
        for (unsigned field = 0; field < 5; ++field) {
            const unsigned char value = block.getHdmiLatencyField(&vsdb, field);
            block.setHdmiLatencyField(&vsdb, field, value);
        }
        switch (ops.below(4)) {
        case 0:
            vsdb.latencyPresent = !vsdb.latencyPresent;
            break;
        case 1:
            vsdb.hdmiVideoPresent = !vsdb.hdmiVideoPresent;
            break;
        case 2:
            vsdb.hdmiVicCount = ops.below(CeaMaxHdmiVics + 1);
            break;
        default:
            vsdb.descriptor3DCount = ops.below(CeaMax3DDescriptors + 1);
            break;
        }
        guard.run("SetHdmiVSDB", [&] { block.SetHdmiVSDB(i, &vsdb); });
        break;
    }
    default:
        break;
    }
}

} // namespace

void fuzzCeaExtBlock(unsigned char *image, unsigned offset, Ops &ops)
{
    CeaExtBlock block(image + offset, ImageSize - offset, offset, nullptr);
    Guard guard(image, offset, 128, Checksum::Edid);
    Sink sink;
    exerciseDataBlock("CeaExtBlock", block, guard, sink, offset);
    CeaExtBlock::ValidateCeaExt(&sink, image, offset, ImageSize - offset);

    CeaGeneralInfo info;
    block.GetGeneralInfo(&info);
    guard.run("SetGeneralInfo", [&] { block.SetGeneralInfo(&info); });
    Resolution resolution;
    block.GetMaxResolution(&resolution);
    CeaSVDDataBlock all;
    block.GetAllSVDs(&all);
    for (unsigned vic = 0; vic < 260; vic += 7)
        sink.seen += block.Get3DSupport(vic);
    // Every kind and two ids past the last, which the block must refuse.
    for (unsigned id = 0; id < CeaBlockKindCount + 2u; ++id)
        sink.seen += block.IsDataBlockSupported(static_cast<CeaBlockID>(id));
    sink.seen += block.AllowNewDataBlocks() + block.AllowNewDTDs();

    // Location queries for data blocks and DTDs the stream picks (one past the end included).
    static const unsigned codes[] = {0u,  2u,  5u,  10u, 15u,  22u,  27u,       28u,
                                     29u, 38u, 43u, 45u, 50u,  57u,  64u,       67u,
                                     70u, 83u, 86u, 92u, 105u, 110u, AllIndexes};
    for (int n = 0; n < 12; ++n) {
        const unsigned i = n < 4 ? unsigned(n) : ops.below(block.dataBlockCount() + 2);
        const unsigned code = codes[ops.below(sizeof codes / sizeof codes[0])];
        const unsigned sub = ops.flag() ? AllIndexes : ops.below(32);
        Guard::checkLocations("CEA video", block.GetVideoDataBlockLocation(code, i, sub, image));
        Guard::checkLocations("CEA audio", block.GetAudioDataBlockLocation(code, i, sub, image));
        Guard::checkLocations("CEA generic",
                              block.GetGenericDataBlockLocation(code, i, sub, image));
        Guard::checkLocations("CEA HDMI", block.GetHdmiVSDBLocation(code, i, sub, image));
        Guard::checkLocations("CEA general", block.GetGeneralInfoLocation(code, i, image));
        Guard::checkLocations("CEA DTD", block.GetDetiledTimingLocation(code, i, image));
        Guard::checkLocations("CEA speakers", block.GetSpeakersAllocationLocation(code, i, image));
        Guard::checkLocations("CEA colorimetry", block.GetColorimetryLocation(code, i, image));
        Guard::checkLocations("CEA caps", block.GetVideoCapsLocation(code, i, image));
    }
    for (unsigned i = 0; i < block.dataBlockCount(); ++i)
        roundTripDataBlock(block, guard, ops, i);

    int steps = 0;
    while (ops.more() && steps++ < 32) {
        switch (ops.below(6)) {
        case 0:
            guard.run("AddDTD", [&] { block.AddDTD(); });
            break;
        case 1: {
            const unsigned i = ops.below(8);
            guard.run("RemoveDTD", [&] { block.RemoveDTD(i); });
            break;
        }
        case 2: {
            const auto id = static_cast<CeaBlockID>(ops.below(CeaBlockKindCount + 1u));
            guard.run("AddDataBlock", [&] { block.AddDataBlock(id); });
            break;
        }
        case 3: {
            const unsigned i = ops.below(11);
            guard.run("RemoveDataBlock", [&] { block.RemoveDataBlock(i); });
            break;
        }
        case 4:
            if (block.dataBlockCount() > 0)
                roundTripDataBlock(block, guard, ops, ops.below(block.dataBlockCount()));
            break;
        default: {
            DetailedTiming dt;
            if (block.GetDetailedTiming(ops.below(7), &dt))
                guard.run("SetDetailedTiming", [&] { block.SetDetailedTiming(ops.below(7), &dt); });
            break;
        }
        }
        if (block.dataBlockCount() > 123 || block.dtdCount() > CeaExtBlock::MaxDtds)
            fail("CeaExtBlock", "more entries mapped than the block can hold");
    }
    guard.run("Validate", [&] { block.Validate(&sink); });
    guard.run("RecalcCheckSum", [&] { block.RecalcCheckSum(); });
}
