#include "vyrdidvesatimingsblock.h"

#include "model/displayid/displayidblock.h"

VyrDIDVesaTimingsBlock::VyrDIDVesaTimingsBlock(unsigned int index, DisplayIDBlock *model)
    : VyrDIDTimingBitmapBlock(index, model, DidTagVesaTimings, 80,
                              &DisplayIDBlock::GetVesaTimingsDataBlock,
                              &DisplayIDBlock::SetVesaTimingsDataBlock, "Vesa timing edited ")
{}

QString VyrDIDVesaTimingsBlock::modeLabel(unsigned int bit) const
{
    const DmtVideoMode *mode = DataBlock::GetDMTVideoMode(bit);
    if (!mode)
        return QString();
    QString label = tr("%1x%2@%3").arg(mode->width).arg(mode->height).arg(mode->refreshRate);
    if (mode->reducedBlanking)
        label += QStringLiteral("-RB");
    else if (mode->interlaced)
        label += QStringLiteral("-i");
    return label;
}
