#include "type1timingentry.h"

#include "items/displayid/didtimingtexttable.h"
#include "model/displayid/displayidblock.h"

#include <iterator>

// Descriptor bytes: 0-2 pixel clock; 3 flags, stereo and aspect codes; then eight 16-bit
// lengths stored minus one, the front porches in bits 14-0 with the sync polarity in bit 15.
static constexpr unsigned int DescriptorBytes = 20;

Type1TimingEntry::Type1TimingEntry(unsigned int blockIndex, unsigned int descIndex,
                                   DisplayIDBlock *model)
    : DisplayIDTimingItem(blockIndex, descIndex, model, DescriptorBytes)
{}

bool Type1TimingEntry::InitItems()
{
    setText(VyrEdidColumn::Property, tr("Type I Detailed Timing %1").arg(m_descIndex));
    DidType1DetTimingDesc r;
    if (m_model)
        m_model->GetType1DetTimingDescriptor(m_blockIndex, m_descIndex, &r);

    const Range length{1, 65536};
    const Range porch{1, 32768}; // 15 bits
    addPair(Active, r.hActive, r.vActive, length, length, at(4, 2), at(12, 2));
    addPair(Blank, r.hBlank, r.vBlank, length, length, at(6, 2), at(14, 2));
    addPair(SyncFrontPorch, r.hOffset, r.vOffset, porch, porch, at(8, 2), at(16, 2));
    addPair(SyncWidth, r.hSyncWidth, r.vSyncWidth, length, length, at(10, 2), at(18, 2));
    // The polarities are bit 15 of the front porches: bit 7 of bytes 9 and 17.
    addFlags({{Preferred, 0, r.preferred != 0, 3},
              {Interlaced, 1, r.interlaced != 0, 3},
              {HSyncPolarity, 2, r.hSyncPolarity != 0, 9},
              {VSyncPolarity, 3, r.vSyncPolarity != 0, 17}});
    addPixelClock(r.pixelClock);
    addChoice(AspectRatio, aspectRatioStr, int(std::size(aspectRatioStr)), r.aspect, at(3));
    addChoice(StereoSupport, stereoSupportStr, int(std::size(stereoSupportStr)), r.stereo, at(3));
    return true;
}

void Type1TimingEntry::DoEdit(const QString &name, const QVariant &value)
{
    editRecord<DidType1DetTimingDesc>(
        m_model, &DisplayIDBlock::GetType1DetTimingDescriptor,
        &DisplayIDBlock::SetType1DetTimingDescriptor,
        [&](DidType1DetTimingDesc &r) {
            bool changed = applyDetailedEdit(r, name, value);
            if (name.contains(rowName(AspectRatio)))
                changed = wholeValue(value, &r.aspect);
            return changed;
        },
        m_blockIndex, m_descIndex);
    logEdit("Type1TimingEntry", name, value);
}

QString Type1TimingEntry::storedText(const QString &name) const
{
    return storedDetailedText<DidType1DetTimingDesc>(&DisplayIDBlock::GetType1DetTimingDescriptor,
                                                     name);
}
