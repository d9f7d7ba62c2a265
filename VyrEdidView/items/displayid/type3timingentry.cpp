#include "type3timingentry.h"

#include "items/displayid/didtimingtexttable.h"
#include "model/displayid/displayidblock.h"

#include <iterator>

// Descriptor bytes: 0 preferred flag, formula and aspect codes; 1 horizontal active in 8-pixel
// units minus one; 2 interlaced flag and refresh rate minus one (7 bits).
static constexpr unsigned int DescriptorBytes = 3;

Type3TimingEntry::Type3TimingEntry(unsigned int blockIndex, unsigned int descIndex,
                                   DisplayIDBlock *model)
    : DisplayIDTimingItem(blockIndex, descIndex, model, DescriptorBytes)
{}

bool Type3TimingEntry::InitItems()
{
    setText(VyrEdidColumn::Property, tr("Type III Short Timing %1").arg(m_descIndex));
    DidType3ShortTimingDesc r;
    if (m_model)
        m_model->GetType3ShortTimingDescriptor(m_blockIndex, m_descIndex, &r);

    addChoice(TimingFormula, timingFormulaStr, int(std::size(timingFormulaStr)), r.formula, at(0));
    addFlags({{Preferred, 0, r.preferred != 0, 0}, {Interlaced, 1, r.interlaced != 0, 2}});
    addChoice(AspectRatio, aspectRatioStr, int(std::size(aspectRatioStr)), r.aspect, at(0));
    addNumber(FieldRate, r.refresh, QStringLiteral("[FLT]"), {1, 128}, at(2));
    addNumber(HActive, r.hActive, QStringLiteral("[DEC]"), {8, 2048}, at(1));
    return true;
}

void Type3TimingEntry::DoEdit(const QString &name, const QVariant &value)
{
    editRecord<DidType3ShortTimingDesc>(
        m_model, &DisplayIDBlock::GetType3ShortTimingDescriptor,
        &DisplayIDBlock::SetType3ShortTimingDescriptor,
        [&](DidType3ShortTimingDesc &r) {
            bool changed = false;
            quint32 number = 0;
            if (name.contains(rowName(TimingFormula)) && wholeValue(value, &number)
                && number <= 2) {
                r.formula = number;
                changed = true;
            }
            if (name.contains(rowName(Flags))) {
                const CheckBoxFlag flag = checkBoxFlag(value);
                if (flag.bit == 0)
                    changed = setFlag(r.preferred, flag.checked);
                else if (flag.bit == 1)
                    changed = setFlag(r.interlaced, flag.checked);
            }
            // Text that is no number writes nothing.
            if (name.contains(rowName(AspectRatio)))
                changed = wholeValue(value, &r.aspect);
            if (name.contains(rowName(FieldRate)))
                changed = wholeValue(value, &r.refresh);
            if (name.contains(rowName(HActive)))
                changed = wholeValue(value, &r.hActive);
            return changed;
        },
        m_blockIndex, m_descIndex);
    logEdit("Type3TimingEntry", name, value);
}

QString Type3TimingEntry::storedText(const QString &name) const
{
    // The width is stored in steps of 8 pixels, so 1763 reads back as another width.
    const bool width = name.contains(rowName(HActive));
    if (!m_model || (!width && !name.contains(rowName(FieldRate))))
        return QString();
    DidType3ShortTimingDesc r;
    m_model->GetType3ShortTimingDescriptor(m_blockIndex, m_descIndex, &r);
    return QString::number(width ? r.hActive : r.refresh);
}
