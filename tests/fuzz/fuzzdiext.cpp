#include "fuzzsupport.h"
#include "model/diext/diextblock.h"

#include <cstring>

using namespace VyrFuzz;

void fuzzDiExtBlock(unsigned char *image, unsigned offset, Ops &ops)
{
    DiExtBlock block(image + offset, ImageSize - offset, offset, nullptr);
    Guard guard(image, offset, 128, Checksum::Edid);
    Sink sink;
    exerciseDataBlock("DiExtBlock", block, guard, sink, offset);
    DiExtBlock::ValidateDiExt(&sink, image, offset, ImageSize - offset);

    for (unsigned code : {0u, 1u, 4u, 6u, 10u, 11u, 16u, 21u, 31u, 41u, 50u, 56u, 61u, 72u, 77u,
                          80u, 87u, AllIndexes}) {
        for (unsigned index : {0u, 44u, 45u, AllIndexes}) {
            Guard::checkLocations("DI general", block.GetGeneralInfoLocation(code, index, image));
            Guard::checkLocations("DI format", block.GetDataFormatDescLocation(code, index, image));
            Guard::checkLocations("DI device", block.GetDisplayDeviceLocation(code, index, image));
            Guard::checkLocations("DI caps", block.GetDisplayCapsLocation(code, index, image));
            Guard::checkLocations("DI colour",
                                  block.GetColorPropertiesLocation(code, index, image));
            Guard::checkLocations("DI gamma", block.GetGammaLocation(code, index, image));
        }
    }

    // Each section read and written back, then written with values the stream picks.
    DiGeneralInfo info{};
    block.GetGeneralInfo(&info);
    guard.run("SetGeneralInfo", [&] { block.SetGeneralInfo(&info); });
    DiDataFormatDesc format{};
    block.GetDataFormatDesc(&format);
    guard.run("SetDataFormatDesc", [&] { block.SetDataFormatDesc(&format); });
    DiDisplayDevice device{};
    block.GetDisplayDevice(&device);
    guard.run("SetDisplayDevice", [&] { block.SetDisplayDevice(&device); });
    DiDisplayCaps caps{};
    block.GetDisplayCaps(&caps);
    guard.run("SetDisplayCaps", [&] { block.SetDisplayCaps(&caps); });
    DiColorProperties color{};
    block.GetColorProperties(&color);
    guard.run("SetColorProperties", [&] { block.SetColorProperties(&color); });
    DiGamma gamma{};
    block.GetGamma(&gamma);
    guard.run("SetGamma", [&] { block.SetGamma(&gamma); });

    int steps = 0;
    while (ops.more() && steps++ < 32) {
        switch (ops.below(6)) {
        case 0:
            info.interfaceStandard = ops.byte();
            info.versionForm = ops.below(4);
            info.versionNumber = ops.byte() * 0.37 - 3.0;
            info.revisionNumber = ops.byte() * 1.13;
            info.year = 1900u + ops.byte() * 2u;
            info.month = ops.byte();
            info.day = ops.byte();
            info.letter = ops.byte();
            guard.run("SetGeneralInfo", [&] { block.SetGeneralInfo(&info); });
            break;
        case 1:
            format.dataFormat = ops.below(7);
            format.maxPixelClock = ops.byte() * 300u;
            format.shiftClockEdge = ops.byte();
            guard.run("SetDataFormatDesc", [&] { block.SetDataFormatDesc(&format); });
            break;
        case 2:
            device.horizontalPitch = ops.byte() * 11u;
            device.verticalPitch = 0xFFFFFFFFu - ops.byte();
            device.viewDirection = ops.byte();
            guard.run("SetDisplayDevice", [&] { block.SetDisplayDevice(&device); });
            break;
        case 3:
            caps.frameRate = (ops.byte() - 20) * 17.31;
            caps.lineRate = ops.byte() * 1e6;
            caps.stereoMode = ops.byte();
            guard.run("SetDisplayCaps", [&] { block.SetDisplayCaps(&caps); });
            break;
        case 4:
            color.depthRed = ops.byte() * 3u;
            color.monochrome = ops.flag();
            guard.run("SetColorProperties", [&] { block.SetColorProperties(&color); });
            break;
        default:
            gamma.type = ops.below(4);
            gamma.numPoints = ops.byte();
            gamma.values[ops.below(DiGamma::MaxPoints)] = ops.byte() * 7u;
            guard.run("SetGamma", [&] { block.SetGamma(&gamma); });
            break;
        }
        QString name, description, title;
        block.FillCellInfo(offset + ops.below(128), &name, &description, &title);
    }
    guard.run("RecalcCheckSum", [&] { block.RecalcCheckSum(); });
}
