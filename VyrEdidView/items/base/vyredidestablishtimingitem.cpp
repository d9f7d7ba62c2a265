#include "vyredidestablishtimingitem.h"

#include "items/base/descriptorbytes.h"
#include "items/base/vyredidestablishtimingsubitem.h"
#include "model/datablock.h"

#include <QCoreApplication>

namespace {

// Bits 7-0 of bytes 35 and 36 and bit 7 of byte 37 (VESA E-EDID 1.4, section 3.8).
const unsigned int BaseBlockTimingCount = 17;
// Bytes 6 to 11 of the descriptor, the last four bits reserved (section 3.10.3.9).
const unsigned int DescriptorTimingCount = 44;
const unsigned int DescriptorSize = 18;

} // namespace

VyrEdidEstablishTimingItem::VyrEdidEstablishTimingItem(unsigned int section, DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::EstablishedTimings)
    , m_section(section)
    , m_block(block)
{
    // The title is shared with other timing groups: translated as a common text.
    setText(VyrEdidColumn::Property,
            QCoreApplication::translate("QObject", "Established Timings Info"));
}

unsigned int VyrEdidEstablishTimingItem::rowCount() const
{
    if (m_section == 0)
        return BaseBlockTimingCount;
    // A block that names no timing of the descriptor does not decode it: its rows could
    // neither show nor change a bit.
    if (m_block && m_block->GetEstablishedTimingName(m_section, 0).isEmpty())
        return 0;
    return DescriptorTimingCount;
}

bool VyrEdidEstablishTimingItem::InitItems()
{
    const unsigned int count = rowCount();
    for (unsigned int index = 0; index < count; ++index) {
        auto *row = new VyrEdidEstablishTimingSubItem(index, m_section, m_block);
        addChild(row);
        row->InitItems();
        relay(row, &VyrEdidEstablishTimingSubItem::checkStateChanged,
              [this](unsigned int bitIndex, bool state) { onUpdateItemData(bitIndex, state); });
    }
    return true;
}

QList<EdidItemLocation> VyrEdidEstablishTimingItem::GetItemLocations() const
{
    return timingBytes(m_block, m_section, 0, DescriptorSize,
                       &DataBlock::GetEstablishedTimingLocation, ~0u);
}

void VyrEdidEstablishTimingItem::onUpdateItemData(unsigned int index, bool state)
{
    if (isDetached())
        return;
    if (m_block)
        m_block->SetEstablishedTimingSupport(m_section, index, state);
    NotifyAtDataChanged();
}
