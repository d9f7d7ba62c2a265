#include "fuzzsupport.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"

#include <cstring>
#include <memory>

using namespace VyrFuzz;

namespace {

// Every field group and descriptor slot of a base block read and written back.
void roundTrip(Edid13Block &block, Guard &guard, Sink &sink)
{
    MonitorInfo monitor;
    std::memset(&monitor, 0, sizeof monitor);
    block.GetMonInfo(&monitor);
    Resolution resolution;
    block.GetMaxResolution(&resolution);
    ProductIdInfo product;
    std::memset(&product, 0, sizeof product);
    block.GetProductIdInfo(&product);
    guard.run("SetProductIdInfo", [&] { block.SetProductIdInfo(&product); });
    BasicDisplayParams params;
    std::memset(&params, 0, sizeof params);
    block.GetBasicDisplayParams(&params);
    guard.run("SetBasicDisplayParams", [&] { block.SetBasicDisplayParams(&params); });
    ColorCharacteristics colors;
    std::memset(&colors, 0, sizeof colors);
    block.GetColorCharacteristics(&colors);
    guard.run("SetColorCharacteristics", [&] { block.SetColorCharacteristics(&colors); });

    for (unsigned slot = 0; slot < 6; ++slot) {
        sink.seen += block.GetDescriptorID(slot);
        EdidString text;
        std::memset(&text, 0, sizeof text);
        block.GetDescriptorString(slot, &text);
        guard.run("SetDescriptorString", [&] { block.SetDescriptorString(slot, &text); });
        RangeLimits limits;
        std::memset(&limits, 0, sizeof limits);
        block.GetRangeLimits(slot, &limits);
        guard.run("SetRangeLimits", [&] { block.SetRangeLimits(slot, &limits); });
        ColorPoint point;
        std::memset(&point, 0, sizeof point);
        block.GetColorPoint(slot, &point);
        guard.run("SetColorPoint", [&] { block.SetColorPoint(slot, &point); });
        ColorManagement management;
        std::memset(&management, 0, sizeof management);
        if (block.GetColorManagement(slot, &management))
            guard.run("SetColorManagement", [&] { block.SetColorManagement(slot, &management); });
    }
}

void exercise(Edid13Block &block, unsigned char *image, Ops &ops)
{
    Guard guard(image, 0, 128, Checksum::Edid);
    Sink sink;
    exerciseDataBlock("Edid13Block/Edid14Block", block, guard, sink, 0);
    for (unsigned code = 0; code < 64; code += 3) {
        sink.seen +=
            static_cast<unsigned long long>(block.GetGeneralInfoLocation(code).size()
                                            + block.GetBasicDisplayParamsLocation(code).size()
                                            + block.GetColorCharacteristicsLocation(code).size());
        for (unsigned slot = 0; slot < 6; slot += 2)
            sink.seen +=
                static_cast<unsigned long long>(block.GetColorPointLocation(code, slot).size());
    }
    roundTrip(block, guard, sink);
    if (auto *edid14 = dynamic_cast<Edid14Block *>(&block)) {
        for (unsigned slot = 0; slot < 6; ++slot) {
            for (unsigned code = 0; code < 64; code += 7) {
                sink.seen += static_cast<unsigned long long>(
                    edid14->GetDCMLocation(code, slot).size()
                    + edid14->GetCVTLocation(code, slot).size()
                    + edid14->GetEstablisheIIILocation(code, slot).size());
            }
            for (unsigned index = 0; index < 5; ++index) {
                Cvt3ByteTiming cvt;
                if (edid14->GetCvt3ByteTiming(slot, index, &cvt))
                    guard.run("SetCvt3ByteTiming",
                              [&] { edid14->SetCvt3ByteTiming(slot, index, &cvt); });
            }
        }
    }

    int steps = 0;
    while (ops.more() && steps++ < 16) {
        const unsigned slot = ops.below(5);
        switch (ops.below(4)) {
        case 0: {
            const auto id = static_cast<DescriptorID>(ops.below(13));
            if (block.IsDescriptorSupported(id))
                guard.run("AddDescriptor", [&] { block.AddDescriptor(id, slot); });
            break;
        }
        case 1:
            guard.run("RemoveDescriptor", [&] { block.RemoveDescriptor(slot); });
            break;
        case 2: {
            const unsigned count = ops.below(5);
            guard.run("SetNumOfExtensions", [&] { block.SetNumOfExtensions(count); });
            break;
        }
        default:
            roundTrip(block, guard, sink);
            break;
        }
    }
    guard.run("Validate", [&] { block.Validate(&sink); });
    guard.run("RecalcCheckSum", [&] { block.RecalcCheckSum(); });
}

} // namespace

void fuzzEdidBaseBlock(unsigned char *image, Ops &ops, bool edid14)
{
    std::unique_ptr<Edid13Block> block;
    if (edid14)
        block = std::make_unique<Edid14Block>(image, ImageSize, 0, nullptr);
    else
        block = std::make_unique<Edid13Block>(image, ImageSize, 0, nullptr);
    if (block->GetBlockSize() == 0)
        fail("Edid13Block/Edid14Block", "a recognised block holds no data");
    exercise(*block, image, ops);
}
