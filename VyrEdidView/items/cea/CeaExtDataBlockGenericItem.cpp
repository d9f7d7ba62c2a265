#include "CeaExtDataBlockGenericItem.h"

#include "CeaExtDataBlockGenericSubItem.h"
#include "model/cea/ceaextblock.h"

#include <QtGlobal>

CeaExtDataBlockGenericItem::CeaExtDataBlockGenericItem(unsigned int fieldCode, unsigned int index,
                                                       CeaExtBlock *block, unsigned char *image,
                                                       const QString &title)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    const CeaDataBlockEntry *entry = block ? block->dataBlockEntry(index) : nullptr;
    setText(VyrEdidColumn::Property, !title.isEmpty() ? title
                                     : entry          ? titleOf(entry->tag)
                                                      : tr("Dummy"));
}

QString CeaExtDataBlockGenericItem::titleOf(const CeaBlockTag &tag)
{
    if (tag.extendedTag != CeaExtendedTagNone)
        return tr("Data Block (Tag %1, Extended Tag %2)").arg(tag.tagCode).arg(tag.extendedTag);
    return tr("Data Block (Tag %1)").arg(tag.tagCode);
}

// One entry per payload length from 0 to the longest the block can take.
static QStringList lengthEntries(unsigned int maximum)
{
    QStringList entries;
    for (unsigned int n = 0; n <= maximum; ++n)
        entries << CeaExtDataBlockGenericItem::tr("%1 bytes").arg(n);
    return entries;
}

bool CeaExtDataBlockGenericItem::InitItems()
{
    CeaGenericDataBlock record{};
    if (m_block)
        m_block->GetGenericDataBlock(m_index, &record);
    m_countCombo = placeComboBox(this, lengthEntries(record.maxPayloadLength),
                                 static_cast<int>(record.payloadLength),
                                 [this](int count) { onByteCountChanged(count); });
    updateBlockData();
    return true;
}

void CeaExtDataBlockGenericItem::updateBlockData()
{
    removeChildRows();
    CeaGenericDataBlock record{};
    if (m_block)
        m_block->GetGenericDataBlock(m_index, &record);
    // Quietly: a refused resize shows the stored length again without asking for it.
    refillComboBox(m_countCombo, lengthEntries(record.maxPayloadLength),
                   static_cast<int>(record.payloadLength));
    if (record.hasOui) {
        auto *row = new CeaExtDataBlockGenericSubItem(CeaExtDataBlockGenericSubItem::VendorIdCode,
                                                      m_index, 0, m_block, m_bytes);
        addChild(row);
        row->InitItems();
    }
    for (unsigned int k = 0; k < record.payloadLength; ++k) {
        auto *row = new CeaExtDataBlockGenericSubItem(CeaExtDataBlockGenericSubItem::ByteCode,
                                                      m_index, k, m_block, m_bytes);
        addChild(row);
        row->InitItems();
    }
}

// Bytes cut off are zeroed in the record first, so that growing the block again later gives
// zero bytes, not the old ones.
void CeaExtDataBlockGenericItem::onByteCountChanged(int count)
{
    if (count < 0 || isDetached())
        return;
    const auto n = static_cast<unsigned int>(count);
    editRecord<CeaGenericDataBlock>(
        m_block, &CeaExtBlock::GetGenericDataBlock, &CeaExtBlock::SetGenericDataBlock,
        [n](CeaGenericDataBlock &r) {
            for (unsigned int k = n; k < r.payloadLength && k < CeaMaxGenericPayload; ++k)
                r.payload[k] = 0;
            r.payloadLength = qMin(n, static_cast<unsigned int>(CeaMaxGenericPayload));
        },
        m_index);
    if (!isDetached())
        updateBlockData();
}

QList<EdidItemLocation> CeaExtDataBlockGenericItem::GetItemLocations() const
{
    return m_block ? m_block->GetGenericDataBlockLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
