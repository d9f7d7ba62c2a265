#include "CeaExtDataBlockVideoItem.h"

#include "CeaExtDataBlockVideoSubItem.h"
#include "model/cea/ceaextblock.h"

CeaExtDataBlockVideoItem::CeaExtDataBlockVideoItem(unsigned int fieldCode, unsigned int index,
                                                   CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("Video Data Block"));
}

bool CeaExtDataBlockVideoItem::InitItems()
{
    CeaSVDDataBlock record{};
    if (m_block)
        m_block->GetVideoDataBlock(m_index, &record);
    m_countCombo =
        placeComboBox(this, decimalCounts(record.maxCount), static_cast<int>(record.count),
                      [this](int count) { onNumOfEntriesChanged(count); });
    updateBlockData();
    return true;
}

// The rows follow the block's stored count: a refused resize shows what is stored.
void CeaExtDataBlockVideoItem::updateBlockData()
{
    removeChildRows();
    CeaSVDDataBlock record{};
    if (m_block)
        m_block->GetVideoDataBlock(m_index, &record);
    refillComboBox(m_countCombo, decimalCounts(record.maxCount), static_cast<int>(record.count));
    for (unsigned int k = 0; k < record.count; ++k) {
        auto *row = new CeaExtDataBlockVideoSubItem(m_fieldCode, m_index, k, m_block, m_bytes);
        addChild(row);
        row->InitItems();
    }
}

void CeaExtDataBlockVideoItem::showNativeFlags()
{
    for (int i = 0; i < childCount(); ++i) {
        if (auto *row = dynamic_cast<CeaExtDataBlockVideoSubItem *>(child(i)))
            row->showStored();
    }
}

// New descriptors are VIC 1, not native; those kept stay as they are.
void CeaExtDataBlockVideoItem::onNumOfEntriesChanged(int count)
{
    if (count < 0 || isDetached())
        return;
    const auto n = qMin(static_cast<unsigned int>(count), static_cast<unsigned int>(CeaMaxSvds));
    editRecord<CeaSVDDataBlock>(
        m_block, &CeaExtBlock::GetVideoDataBlock, &CeaExtBlock::SetVideoDataBlock,
        [n](CeaSVDDataBlock &r) {
            for (unsigned int k = qMin(n, r.count); k < CeaMaxSvds; ++k) {
                r.svd[k].vic = 1;
                r.svd[k].native = 0;
            }
            r.count = n;
        },
        m_index);
    if (!isDetached())
        updateBlockData();
}

QList<EdidItemLocation> CeaExtDataBlockVideoItem::GetItemLocations() const
{
    return m_block ? m_block->GetVideoDataBlockLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
