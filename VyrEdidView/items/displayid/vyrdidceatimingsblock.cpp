#include "vyrdidceatimingsblock.h"

#include "model/displayid/displayidblock.h"

VyrDIDCEATimingsBlock::VyrDIDCEATimingsBlock(unsigned int index, DisplayIDBlock *model)
    : VyrDIDTimingBitmapBlock(index, model, DidTagCeaTimings, 64,
                              &DisplayIDBlock::GetCeaTimingsDataBlock,
                              &DisplayIDBlock::SetCeaTimingsDataBlock, "CEA timing edited ")
{}

QString VyrDIDCEATimingsBlock::modeLabel(unsigned int bit) const
{
    const CeaVideoMode *mode = DataBlock::GetCeaVideoMode(bit);
    if (!mode)
        return QString();
    return tr("%1x%2%3 @ %4-%5")
        .arg(mode->width)
        .arg(mode->height)
        .arg(mode->progressive ? QStringLiteral("p") : QStringLiteral("i"))
        .arg(mode->refreshRate)
        .arg(mode->aspect ? QStringLiteral("16:9") : QStringLiteral("4:3"));
}
