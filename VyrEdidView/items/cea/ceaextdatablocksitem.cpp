#include "ceaextdatablocksitem.h"

#include "CeaExtDataBlockAudioItem.h"
#include "CeaExtDataBlockColorimetryItem.h"
#include "CeaExtDataBlockGenericItem.h"
#include "CeaExtDataBlockSpeakerAllocItem.h"
#include "CeaExtDataBlockVSHDMIItem.h"
#include "CeaExtDataBlockVideoCapItem.h"
#include "CeaExtDataBlockVideoItem.h"
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
    for (quint32 k = CeaBlockAudio; k <= CeaBlockHdmiAudio; ++k) {
        const auto id = static_cast<CeaBlockID>(k);
        if (m_block->IsDataBlockSupported(id))
            kinds.append({id, getDataBlockName(id)});
    }
    return kinds;
}

CeaExtDataBlockItem *CeaExtDataBlocksItem::createDataBlockItem(CeaBlockID id, unsigned int index,
                                                               CeaExtBlock *block,
                                                               unsigned char *image)
{
    // Field codes: the first code of each item's own rows.
    switch (id) {
    case CeaBlockAudio:
        return new CeaExtDataBlockAudioItem(28, index, block, image);
    case CeaBlockVideo:
        return new CeaExtDataBlockVideoItem(43, index, block, image);
    case CeaBlockHdmiVsdb:
        return new CeaExtDataBlockVSHDMIItem(44, index, block, image);
    case CeaBlockSpeakerAllocation:
        return new CeaExtDataBlockSpeakerAllocItem(84, index, block, image);
    case CeaBlockVideoCapability:
        return new CeaExtDataBlockVideoCapItem(98, index, block, image);
    case CeaBlockColorimetry:
        return new CeaExtDataBlockColorimetryItem(104, index, block, image);
    case CeaBlockVendorSpecific:
    case CeaBlockVendorSpecificVideo:
    case CeaBlockVendorSpecificAudio:
    case CeaBlockVesaDtc:
    case CeaBlockVesaVideoDisplayDevice:
    case CeaBlockVesaVideo:
    case CeaBlockHdmiVideo:
    case CeaBlockMiscAudioFields:
    case CeaBlockHdmiAudio:
    case CeaBlockDummy: // a tag of no known kind: its raw bytes, titled by its tags
        return new CeaExtDataBlockGenericItem(CeaExtDataBlockGenericItem::FieldCodeBase + id, index,
                                              block, image);
    }
    return nullptr;
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
