#include "vyredidstandardtimingitem.h"

#include "items/base/descriptorbytes.h"
#include "items/base/vyredidstandardtimingsubitem.h"
#include "model/datablock.h"

#include <QCoreApplication>

#include <cstring>

namespace {

const unsigned int DescriptorSize = 18;

// Whether two records give the same two bytes.
bool sameCode(const StandardTiming &a, const StandardTiming &b)
{
    EdidStandardTiming first{};
    EdidStandardTiming second{};
    DataBlock::standardTimingToEdid(&a, &first);
    DataBlock::standardTimingToEdid(&b, &second);
    return std::memcmp(&first, &second, sizeof first) == 0;
}

} // namespace

VyrEdidStandardTimingItem::VyrEdidStandardTimingItem(unsigned int section, unsigned int count,
                                                     DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::StandardTimings)
    , m_section(section)
    , m_count(count)
    , m_block(block)
{
    // The title is shared with other timing groups: translated as a common text.
    setText(VyrEdidColumn::Property,
            QCoreApplication::translate("QObject", "Standard Timings Info"));
}

bool VyrEdidStandardTimingItem::InitItems()
{
    for (unsigned int index = 0; index < m_count; ++index) {
        auto *row = new VyrEdidStandardTimingSubItem(index, m_section, m_block);
        addChild(row);
        row->InitItems();
        relay(row, &VyrEdidStandardTimingSubItem::valuesChanged,
              [this](unsigned int code, StandardTiming timing) { onUpdateItemData(code, timing); });
    }
    return true;
}

QList<EdidItemLocation> VyrEdidStandardTimingItem::GetItemLocations() const
{
    return timingBytes(m_block, m_section, 0, DescriptorSize, &DataBlock::GetStandardTimingLocation,
                       ~0u);
}

void VyrEdidStandardTimingItem::onUpdateItemData(unsigned int index, StandardTiming standardTiming)
{
    if (isDetached())
        return;
    if (m_block) {
        StandardTiming stored;
        if (m_block->GetStandardTiming(m_section, index, &stored)
            && sameCode(stored, standardTiming))
            return;
    }
    editRecord<StandardTiming>(
        m_block, &DataBlock::GetStandardTiming, &DataBlock::SetStandardTiming,
        [&standardTiming](StandardTiming &timing) { timing = standardTiming; }, m_section, index);
}
