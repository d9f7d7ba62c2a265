#include "CeaExtDataBlockAudioItem.h"

#include "CeaExtDataBlockAudioSubItem.h"
#include "model/cea/ceaextblock.h"

CeaExtDataBlockAudioItem::CeaExtDataBlockAudioItem(unsigned int fieldCode, unsigned int index,
                                                   CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, tr("Audio Data Block"));
}

bool CeaExtDataBlockAudioItem::InitItems()
{
    m_copy = CeaSADDataBlock{};
    for (CeaShortAudioDescriptor &sad : m_copy.sad)
        sad.channels = 1; // a descriptor never read encodes as zero bytes
    if (m_block)
        m_block->GetAudioDataBlock(m_index, &m_copy);
    m_countCombo =
        placeComboBox(this, decimalCounts(m_copy.maxCount), static_cast<int>(m_copy.count),
                      [this](int count) { onNumOfEntriesChanged(count); });
    updateBlockData();
    return true;
}

// The rows follow the block's stored count: a refused resize shows what is stored.
void CeaExtDataBlockAudioItem::updateBlockData()
{
    removeChildRows();
    CeaSADDataBlock record{};
    if (m_block)
        m_block->GetAudioDataBlock(m_index, &record);
    refillComboBox(m_countCombo, decimalCounts(record.maxCount), static_cast<int>(record.count));
    for (unsigned int k = 0; k < record.count; ++k) {
        auto *row = new CeaExtDataBlockAudioSubItem(m_fieldCode, m_index, k, m_block, m_bytes);
        addChild(row);
        row->InitItems();
    }
}

void CeaExtDataBlockAudioItem::onNumOfEntriesChanged(int count)
{
    if (count < 0 || isDetached())
        return;
    const auto n = qMin(static_cast<unsigned int>(count), static_cast<unsigned int>(CeaMaxSads));
    if (m_block)
        m_block->GetAudioDataBlock(m_index, &m_copy); // descriptors beyond the count are kept
    editRecord<CeaSADDataBlock>(
        m_block, &CeaExtBlock::GetAudioDataBlock, &CeaExtBlock::SetAudioDataBlock,
        [&](CeaSADDataBlock &r) {
            r = m_copy;
            r.count = n;
        },
        m_index);
    if (!isDetached())
        updateBlockData();
}

QList<EdidItemLocation> CeaExtDataBlockAudioItem::GetItemLocations() const
{
    return m_block ? m_block->GetAudioDataBlockLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
