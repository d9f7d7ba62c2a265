#include "ceaextdatablocksitem.h"

#include "ceaextdatablockitem.h"
#include "frame/vyredidchooser.h"
#include "model/cea/ceaextblock.h"

#include <QStringList>

CeaExtDataBlocksItem::CeaExtDataBlocksItem(unsigned int startOffset, CeaExtBlock *block,
                                           unsigned char *image)
    : CeaExtListItem(startOffset, block, image)
{
    setText(VyrEdidColumn::Property, tr("Data Blocks"));
}

bool CeaExtDataBlocksItem::InitItems()
{
    placeAddButton([this](unsigned int index, bool add) { onAddDataBlock(index, add); });
    updateBlockData();
    return true;
}

bool CeaExtDataBlocksItem::allowAdd() const
{
    return m_block && m_block->AllowNewDataBlocks();
}

QList<CeaDataBlockInfo> CeaExtDataBlocksItem::addableKinds() const
{
    QList<CeaDataBlockInfo> kinds;
    if (!m_block)
        return kinds;
    // Every kind the block takes now (the dummy kind never).
    for (quint32 k = 0; k < CeaBlockKindCount; ++k) {
        const auto id = static_cast<CeaBlockID>(k);
        if (m_block->IsDataBlockSupported(id))
            kinds.append({id, getDataBlockName(id)});
    }
    return kinds;
}

void CeaExtDataBlocksItem::updateBlockData()
{
    if (isDetached())
        return;
    removeChildRows();
    m_blockCount = m_block ? m_block->dataBlockCount() : 0;
    for (unsigned int i = 0; i < m_blockCount; ++i) {
        // Every data block gets a row, so that the rows match the count of the general
        // information and every byte of the collection lights up with its block.
        CeaExtDataBlockItem *item =
            createDataBlockItem(m_block->GetDataBlockID(i), i, m_block, m_bytes);
        if (!item)
            continue;
        addChild(item);
        item->InitItems();
        placeRemoveButton(item, i,
                          [this](unsigned int index, bool add) { onRemoveDataBlock(index, add); });
    }
    refreshAddButton();
    NotifyAtDataChanged();
}

void CeaExtDataBlocksItem::onAddDataBlock(unsigned int index, bool add)
{
    Q_UNUSED(index)
    Q_UNUSED(add)
    if (!commitBeforeChange() || !m_block)
        return;
    // Asked now: what fitted when the tree was built may not fit any more.
    const QList<CeaDataBlockInfo> kinds = addableKinds();
    QStringList names;
    for (const CeaDataBlockInfo &kind : kinds)
        names << kind.name;
    int row = -1;
    QString name;
    if (!VyrEdidChooser::instance()->choose(names, &row, &name) || row < 0 || row >= kinds.size()
        || isDetached())
        return;
    m_block->AddDataBlock(kinds.at(row).id);
    updateBlockData();
}

void CeaExtDataBlocksItem::onRemoveDataBlock(unsigned int index, bool add)
{
    Q_UNUSED(add)
    if (!commitBeforeChange() || !m_block)
        return;
    m_block->RemoveDataBlock(index);
    updateBlockData();
}
