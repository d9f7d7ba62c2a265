#include "vyrdidvideotimingrangelimitsblock.h"

#include "items/displayid/didcelldata.h"
#include "items/displayid/didcellmakers.h"
#include "items/displayid/vyrdidcheckboxitems.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "model/displayid/displayidblock.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// The boxes of "Video Timing Support over this range" in their order, each with the record's
// flag it stands for (payload byte 14: interlaced bit 7, standard blanking bit 6, reduced
// blanking bit 5, discrete frequency bit 4).
struct SupportFlag
{
    const char *label;
    quint8 DidRangeLimitsDataBlock::*flag;
};

const SupportFlag SupportFlags[] = {
    {QT_TRANSLATE_NOOP("VyrDIDVideoTimingRangeLimitsBlock", "Interlaced"),
     &DidRangeLimitsDataBlock::interlaced},
    {QT_TRANSLATE_NOOP("VyrDIDVideoTimingRangeLimitsBlock", "Standard blanking timings"),
     &DidRangeLimitsDataBlock::standardBlanking},
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    {QT_TRANSLATE_NOOP("VyrDIDVideoTimingRangeLimitsBlock", "Redused blanking timings"),
     &DidRangeLimitsDataBlock::reducedBlanking},
    {QT_TRANSLATE_NOOP("VyrDIDVideoTimingRangeLimitsBlock", "Discrete frequency display device"),
     &DidRangeLimitsDataBlock::discreteFrequency},
};

constexpr int SupportFlagCount = int(std::size(SupportFlags));

// The pixel clock editors' upper limit in MHz: what 24 bits of 10 kHz hold.
constexpr double MaxPixelClock = 167772.15;

} // namespace

bool VyrDIDVideoTimingRangeLimitsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagRangeLimits));
    DidRangeLimitsDataBlock record;
    if (m_model)
        m_model->GetRangeLimitsDataBlock(m_index, &record);
    const unsigned int base = BaseOffset();
    const QString minMax = tr("Min/Max");
    const QString dec = QStringLiteral("[DEC]");

    addNamedChild(new VyrDIDDoubleDualEditItem(tr("Pixel clock(MHz)"), minMax, record.minPixelClock,
                                               record.maxPixelClock, QStringLiteral("[FLT]"), 0,
                                               MaxPixelClock, 2))
        ->setLocations({{base, 3}, {base + 3, 3}});
    addNamedChild(new VyrDIDIntDualEditItem(tr("HFrequency(KHz)"), minMax,
                                            int(record.minHFrequency), int(record.maxHFrequency),
                                            dec, 0, 255))
        ->setLocations({{base + 6, 1}, {base + 7, 1}});
    addNamedChild(decimalLineCell(tr("Min. HBlank(pixel)"), record.minHBlanking, 65535))
        ->SetLocation({base + 8, 2});
    addNamedChild(decimalLineCell(tr("Min. VBlank(lines)"), record.minVBlanking, 65535))
        ->SetLocation({base + 12, 2});
    addNamedChild(new VyrDIDIntDualEditItem(tr("VFieldRate(Hz)"), minMax, int(record.minVRate),
                                            int(record.maxVRate), dec, 0, 255))
        ->setLocations({{base + 10, 1}, {base + 11, 1}});

    auto *support = addGroup(new VyrDIDCheckBoxItems(tr("Video Timing Support over this range")));
    QStringList labels;
    for (const SupportFlag &entry : SupportFlags)
        labels << tr(entry.label);
    fillFlagGroup(support, labels,
                  [&record](int box) { return (record.*SupportFlags[box].flag) != 0; },
                  {base + 14, 1});
    return true;
}

void VyrDIDVideoTimingRangeLimitsBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDVideoTimingRangeLimitsBlock", name, value);
    const bool left = name.contains(QLatin1String("left"));
    const bool right = name.contains(QLatin1String("right"));
    editRecord<DidRangeLimitsDataBlock>(
        m_model, &DisplayIDBlock::GetRangeLimitsDataBlock, &DisplayIDBlock::SetRangeLimitsDataBlock,
        [&](DidRangeLimitsDataBlock &r) {
            // Text that is no number writes nothing.
            if (name.contains(tr("Pixel clock")) && left)
                return realValue(value, &r.minPixelClock);
            if (name.contains(tr("Pixel clock")) && right)
                return realValue(value, &r.maxPixelClock);
            if (name.contains(tr("HFrequency")) && left)
                return wholeValue(value, &r.minHFrequency);
            if (name.contains(tr("HFrequency")) && right)
                return wholeValue(value, &r.maxHFrequency);
            if (name.contains(tr("HBlank")))
                return wholeValue(value, &r.minHBlanking);
            if (name.contains(tr("VBlank")))
                return wholeValue(value, &r.minVBlanking);
            if (name.contains(tr("VFieldRate")) && left)
                return wholeValue(value, &r.minVRate);
            if (name.contains(tr("VFieldRate")) && right)
                return wholeValue(value, &r.maxVRate);
            if (name.contains(tr("Video Timing Support"))) {
                const auto box = value.value<CheckBoxData>();
                if (box.bit >= 0 && box.bit < SupportFlagCount)
                    r.*SupportFlags[box.bit].flag = box.isChecked ? 1 : 0;
            }
            return true;
        },
        m_index);
}
