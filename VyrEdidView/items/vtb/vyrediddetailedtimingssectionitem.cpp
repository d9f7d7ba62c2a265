#include "vyrediddetailedtimingssectionitem.h"

#include "items/base/vyrediddetiledtimingitem.h"
#include "model/vtb/edidextvtb.h"

VyrEdidDetailedTimingsSectionItem::VyrEdidDetailedTimingsSectionItem(unsigned int index,
                                                                     unsigned int count,
                                                                     DataBlock *block)
    : VtbSectionItem(VyrEdidItemKind::DetailedTiming, index, count, block)
{
    setText(VyrEdidColumn::Property, tr("Detailed Timings Info"));
}

QList<EdidItemLocation> VyrEdidDetailedTimingsSectionItem::GetItemLocations() const
{
    return m_block ? m_block->GetDetailedTimingLocation(0, m_entryIndex)
                   : QList<EdidItemLocation>();
}

unsigned int VyrEdidDetailedTimingsSectionItem::countInBlock() const
{
    return m_block ? m_block->DTBCount() : 0;
}

bool VyrEdidDetailedTimingsSectionItem::allowNew() const
{
    return vtb() && vtb()->AllowNewDTB();
}

QTreeWidgetItem *VyrEdidDetailedTimingsSectionItem::buildRow(unsigned int index)
{
    auto *row = new VyrEdidDetiledTimingItem(index, index, m_block);
    addChild(row);
    if (row->InitItems())
        return row;
    removeChildRow(indexOfChild(row));
    return nullptr;
}

void VyrEdidDetailedTimingsSectionItem::onAddDTB()
{
    changeEntries([](EdidExtVtb &block) { block.AddDTB(); });
}

void VyrEdidDetailedTimingsSectionItem::onRemoveDTB(unsigned int index, bool isAddButton)
{
    Q_UNUSED(isAddButton)
    changeEntries([index](EdidExtVtb &block) { block.RemoveDTB(index); });
}

void VyrEdidDetailedTimingsSectionItem::onUpdateItemData(unsigned int index,
                                                         DetailedTiming &aTiming)
{
    editRecord<DetailedTiming>(
        vtb(), &EdidExtVtb::GetDetailedTiming, &EdidExtVtb::SetDetailedTiming,
        [&aTiming](DetailedTiming &timing) { timing = aTiming; }, index);
}
