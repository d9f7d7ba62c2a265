#include "ceaextdetiledtimingitem.h"

#include "ceaextdetiledtimingsubitem.h"
#include "model/cea/ceaextblock.h"

CeaExtDetiledTimingItem::CeaExtDetiledTimingItem(unsigned int startOffset, CeaExtBlock *block,
                                                 unsigned char *image)
    : CeaExtListItem(startOffset, block, image)
{
    setText(VyrEdidColumn::Property, tr("Detailed Timings"));
}

bool CeaExtDetiledTimingItem::InitItems()
{
    placeAddButton([this](unsigned int index, bool add) { onAddDTD(index, add); });
    updateBlockData();
    return true;
}

bool CeaExtDetiledTimingItem::allowAdd() const
{
    return m_block && m_block->AllowNewDTDs();
}

void CeaExtDetiledTimingItem::updateBlockData()
{
    if (isDetached())
        return;
    removeChildRows();
    CeaGeneralInfo info;
    if (m_block)
        m_block->GetGeneralInfo(&info);
    // The descriptors found in the block, not the native count of byte 3.
    m_dtdCount = info.dtdCount;
    for (unsigned int i = 0; i < m_dtdCount; ++i) {
        auto *row = new CeaExtDetiledTimingSubItem(i, m_block, m_bytes);
        addChild(row);
        row->InitItems();
        placeRemoveButton(row, i,
                          [this](unsigned int index, bool add) { onRemoveDTD(index, add); });
    }
    refreshAddButton();
    NotifyAtDataChanged();
}

void CeaExtDetiledTimingItem::onAddDTD(unsigned int index, bool add)
{
    Q_UNUSED(index)
    Q_UNUSED(add)
    // A value typed into a descriptor's editor lands on that descriptor before any moves.
    if (!commitBeforeChange())
        return;
    if (m_block)
        m_block->AddDTD();
    updateBlockData();
}

void CeaExtDetiledTimingItem::onRemoveDTD(unsigned int index, bool add)
{
    Q_UNUSED(add)
    if (!commitBeforeChange())
        return;
    if (m_block)
        m_block->RemoveDTD(index);
    updateBlockData();
}
