#include "vyredidstandardtimingsectionitem.h"

#include "items/base/vyredidstandardtimingsubitem.h"
#include "model/vtb/edidextvtb.h"

VyrEdidStandardTimingSectionItem::VyrEdidStandardTimingSectionItem(unsigned int index,
                                                                   unsigned int count,
                                                                   DataBlock *block)
    : VtbSectionItem(VyrEdidItemKind::StandardTimings, index, count, block)
{
    setText(VyrEdidColumn::Property, tr("Standard Timings Info"));
}

QList<EdidItemLocation> VyrEdidStandardTimingSectionItem::GetItemLocations() const
{
    return m_block ? m_block->GetStandardTimingLocation(m_entryIndex, m_entryIndex)
                   : QList<EdidItemLocation>();
}

unsigned int VyrEdidStandardTimingSectionItem::countInBlock() const
{
    return m_block ? m_block->STCount() : 0;
}

bool VyrEdidStandardTimingSectionItem::allowNew() const
{
    return vtb() && vtb()->AllowNewST();
}

QTreeWidgetItem *VyrEdidStandardTimingSectionItem::buildRow(unsigned int index)
{
    // The block takes the entry from the first number.
    auto *row = new VyrEdidStandardTimingSubItem(index, index, m_block);
    addChild(row);
    row->InitItems();
    relay(row, &VyrEdidStandardTimingSubItem::valuesChanged,
          [this](unsigned int entry, StandardTiming edited) { onUpdateItemData(entry, edited); });
    return row;
}

void VyrEdidStandardTimingSectionItem::onAddST()
{
    changeEntries([](EdidExtVtb &block) { block.AddST(); });
}

void VyrEdidStandardTimingSectionItem::onRemoveST(unsigned int index, bool isAddButton)
{
    Q_UNUSED(isAddButton)
    changeEntries([index](EdidExtVtb &block) { block.RemoveST(index); });
}

void VyrEdidStandardTimingSectionItem::onUpdateItemData(unsigned int index, StandardTiming aTiming)
{
    editRecord<StandardTiming>(
        vtb(), &EdidExtVtb::GetStandardTiming, &EdidExtVtb::SetStandardTiming,
        [&aTiming](StandardTiming &timing) { timing = aTiming; }, index, index);
}
