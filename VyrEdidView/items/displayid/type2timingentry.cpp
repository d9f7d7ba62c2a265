#include "type2timingentry.h"

#include "items/displayid/didtimingtexttable.h"
#include "model/displayid/displayidblock.h"

#include <iterator>

// Descriptor bytes: 0-2 pixel clock; 3 flags, stereo code and sync polarities; 4-6 horizontal
// lengths in 8-pixel units, 7-10 vertical lengths in lines, all stored minus one.
static constexpr unsigned int DescriptorBytes = 11;

Type2TimingEntry::Type2TimingEntry(unsigned int blockIndex, unsigned int descIndex,
                                   DisplayIDBlock *model)
    : DisplayIDTimingItem(blockIndex, descIndex, model, DescriptorBytes)
{}

bool Type2TimingEntry::InitItems()
{
    setText(VyrEdidColumn::Property, tr("Type II Detailed Timing %1").arg(m_descIndex));
    DidType2DetTimingDesc r;
    if (m_model)
        m_model->GetType2DetTimingDescriptor(m_blockIndex, m_descIndex, &r);

    // What each field holds: horizontal (units + 1) x 8 pixels in 9, 7, 4 and 4 bits, vertical
    // lines + 1 in 12, 8, 4 and 4 bits.
    addPair(Active, r.hActive, r.vActive, {8, 4096}, {1, 4096}, at(4, 2), at(7, 2));
    addPair(Blank, r.hBlank, r.vBlank, {8, 1024}, {1, 256}, at(4, 2), at(9));
    addPair(SyncFrontPorch, r.hOffset, r.vOffset, {8, 128}, {1, 16}, at(6), at(10));
    addPair(SyncWidth, r.hSyncWidth, r.vSyncWidth, {8, 128}, {1, 16}, at(6), at(10));
    addFlags({{Preferred, 0, r.preferred != 0, 3},
              {Interlaced, 1, r.interlaced != 0, 3},
              {HSyncPolarity, 2, r.hSyncPolarity != 0, 3},
              {VSyncPolarity, 3, r.vSyncPolarity != 0, 3}});
    addPixelClock(r.pixelClock);
    addChoice(StereoSupport, stereoSupportStr, int(std::size(stereoSupportStr)), r.stereo, at(3));
    return true;
}

void Type2TimingEntry::DoEdit(const QString &name, const QVariant &value)
{
    editRecord<DidType2DetTimingDesc>(
        m_model, &DisplayIDBlock::GetType2DetTimingDescriptor,
        &DisplayIDBlock::SetType2DetTimingDescriptor,
        [&](DidType2DetTimingDesc &r) { return applyDetailedEdit(r, name, value); }, m_blockIndex,
        m_descIndex);
    logEdit("Type2TimingEntry", name, value);
}

QString Type2TimingEntry::storedText(const QString &name) const
{
    return storedDetailedText<DidType2DetTimingDesc>(&DisplayIDBlock::GetType2DetTimingDescriptor,
                                                     name);
}
