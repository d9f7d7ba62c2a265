#include "vyredidestablishtimingsubitem.h"

#include "items/base/descriptorbytes.h"
#include "model/datablock.h"

namespace {

// An established timings III descriptor holds its bits from byte 6 on.
const unsigned int DescriptorBitsByte = 6;

} // namespace

VyrEdidEstablishTimingSubItem::VyrEdidEstablishTimingSubItem(unsigned int index,
                                                             unsigned int section, DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::GeneralInfo)
    , m_index(index)
    , m_section(section)
    , m_block(block)
{}

bool VyrEdidEstablishTimingSubItem::InitItems()
{
    bool supported = false;
    if (m_block) {
        setText(VyrEdidColumn::Property, m_block->GetEstablishedTimingName(m_section, m_index));
        supported = m_block->IsEstablishedTimingSupported(m_section, m_index);
    }
    placeCheckBox(this, supported, [this](bool state) { onChecked(state); });
    return true;
}

QList<EdidItemLocation> VyrEdidEstablishTimingSubItem::GetItemLocations() const
{
    return timingBytes(m_block, m_section, DescriptorBitsByte + m_index / 8, 1,
                       &DataBlock::GetEstablishedTimingLocation, m_index);
}

void VyrEdidEstablishTimingSubItem::onChecked(bool state)
{
    emit checkStateChanged(m_index, state);
}
