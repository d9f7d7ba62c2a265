#include "vyredidstandardtimingsubitem.h"

#include "items/base/descriptorbytes.h"
#include "model/base/edid13block.h"
#include "widgets/standardtimingwidget.h"

namespace {

// A standard timing descriptor holds its six codes from byte 5 on, two bytes each.
const unsigned int DescriptorCodesByte = 5;
const unsigned int CodeSize = 2;

// Before EDID 1.3 the aspect bits 00 of a standard timing mean 1:1, not 16:10 (VESA E-EDID 1.4,
// section 3.9): for such a base block the editor names its first row "Square" and derives the
// height as the block model does.
bool squareAspect(DataBlock *block)
{
    const auto *base = dynamic_cast<const Edid13Block *>(block);
    return base && (base->GetVersion() & 0xFFu) < 3;
}

} // namespace

VyrEdidStandardTimingSubItem::VyrEdidStandardTimingSubItem(unsigned int index, unsigned int section,
                                                           DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::GeneralInfo)
    , m_index(index)
    , m_section(section)
    , m_block(block)
{}

bool VyrEdidStandardTimingSubItem::InitItems()
{
    StandardTiming timing;
    if (m_block)
        m_block->GetStandardTiming(m_section, m_index, &timing);
    auto *editor = new StandardTimingWidget(&timing, squareAspect(m_block));
    placeWidget(this, VyrEdidColumn::Value, editor);
    setText(VyrEdidColumn::Property, tr("Timing %1").arg(m_index));
    relay(editor, &StandardTimingWidget::editFinished,
          [this](StandardTiming edited) { onValuesChanged(edited); });
    return true;
}

QList<EdidItemLocation> VyrEdidStandardTimingSubItem::GetItemLocations() const
{
    return timingBytes(m_block, m_section, DescriptorCodesByte + CodeSize * m_index, CodeSize,
                       &DataBlock::GetStandardTimingLocation, m_index);
}

void VyrEdidStandardTimingSubItem::onValuesChanged(StandardTiming standardTiming)
{
    emit valuesChanged(m_index, standardTiming);
}
