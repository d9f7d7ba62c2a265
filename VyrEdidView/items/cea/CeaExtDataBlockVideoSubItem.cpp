#include "CeaExtDataBlockVideoSubItem.h"

#include "CeaExtDataBlockVideoItem.h"
#include "model/cea/ceaextblock.h"
#include "model/datablock.h"

CeaExtDataBlockVideoSubItem::CeaExtDataBlockVideoSubItem(unsigned int fieldCode, unsigned int index,
                                                         unsigned int svdIndex, CeaExtBlock *block,
                                                         unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
    , m_svd(svdIndex)
{}

QStringList CeaExtDataBlockVideoSubItem::vicEntries()
{
    QStringList entries;
    for (unsigned int k = 0; k < 64; ++k) {
        const CeaVideoMode *mode = DataBlock::GetCeaVideoMode(k);
        if (!mode)
            break;
        entries << tr("[%1] %2x%3%4@%5, %6")
                       .arg(mode->vic)
                       .arg(mode->width)
                       .arg(mode->height)
                       .arg(mode->progressive ? tr("p") : tr("i"))
                       .arg(mode->refreshRate)
                       .arg(mode->aspect ? tr("16x9") : tr("4x3"));
    }
    return entries;
}

bool CeaExtDataBlockVideoSubItem::InitItems()
{
    m_vicCombo = placeComboBox(this, QStringList(), -1, [this](int k) { onTimingSelected(k); });
    showStored();
    if (QTreeWidget *tree = treeWidget()) {
        relay(tree, &QTreeWidget::itemChanged, [this](QTreeWidgetItem *item, int column) {
            if (item == this && column == VyrEdidColumn::Property)
                onNativeChanged(checkState(VyrEdidColumn::Property) == Qt::Checked);
        });
    }
    return true;
}

void CeaExtDataBlockVideoSubItem::showStored()
{
    CeaSVDDataBlock record{};
    if (m_block)
        m_block->GetVideoDataBlock(m_index, &record);
    QStringList entries = vicEntries();
    int entry = -1;
    bool flagged = true; // a row past the stored descriptors shows an empty box
    bool native = false;
    if (m_svd < record.count) {
        const CeaShortVideoDescriptor &svd = record.svd[m_svd];
        flagged = svd.hasNativeFlag();
        native = flagged && svd.native != 0;
        if (flagged) {
            entry = svd.vic - 1;
        } else {
            entries << tr("VIC %1").arg(svd.videoCode());
            entry = static_cast<int>(entries.size()) - 1;
        }
    }
    refillComboBox(m_vicCombo, entries, entry);
    const QSignalBlocker blocker(treeWidget());
    if (flagged) {
        setFlags(flags() | Qt::ItemIsUserCheckable);
        setCheckState(VyrEdidColumn::Property, native ? Qt::Checked : Qt::Unchecked);
    } else {
        setFlags(flags() & ~Qt::ItemIsUserCheckable);
        setData(VyrEdidColumn::Property, Qt::CheckStateRole, QVariant());
    }
}

// A code without a native flag that becomes a VIC of the list is not native; a code with one
// keeps it. The entry of a code the list cannot name is that code: choosing it writes nothing.
void CeaExtDataBlockVideoSubItem::onTimingSelected(int entry)
{
    if (entry < 0 || !DataBlock::GetCeaVideoMode(static_cast<unsigned int>(entry)))
        return;
    editRecord<CeaSVDDataBlock>(
        m_block, &CeaExtBlock::GetVideoDataBlock, &CeaExtBlock::SetVideoDataBlock,
        [&](CeaSVDDataBlock &r) {
            if (m_svd >= r.count)
                return;
            CeaShortVideoDescriptor &svd = r.svd[m_svd];
            if (!svd.hasNativeFlag())
                svd.native = 0;
            svd.vic = static_cast<quint8>(entry + 1);
        },
        m_index);
    if (!isDetached())
        showStored();
}

// At most one descriptor of the block is native: checking this one clears the others in one
// write; the other rows then show the stored flags quietly (no row hears its own change). Codes
// without a native flag are never rewritten.
void CeaExtDataBlockVideoSubItem::onNativeChanged(bool native)
{
    CeaSVDDataBlock stored{};
    if (m_block)
        m_block->GetVideoDataBlock(m_index, &stored);
    if (m_svd >= stored.count || !stored.svd[m_svd].hasNativeFlag()
        || (stored.svd[m_svd].native != 0) == native)
        return; // a check state that shows what is stored (also any other data change)
    editRecord<CeaSVDDataBlock>(
        m_block, &CeaExtBlock::GetVideoDataBlock, &CeaExtBlock::SetVideoDataBlock,
        [&](CeaSVDDataBlock &r) {
            if (native) {
                for (unsigned int k = 0; k < r.count && k < CeaMaxSvds; ++k)
                    if (r.svd[k].hasNativeFlag())
                        r.svd[k].native = 0;
            }
            r.svd[m_svd].native = native ? 1 : 0;
        },
        m_index);
    if (auto *list = dynamic_cast<CeaExtDataBlockVideoItem *>(parentRow()))
        list->showNativeFlags();
}

QList<EdidItemLocation> CeaExtDataBlockVideoSubItem::GetItemLocations() const
{
    return m_block ? m_block->GetVideoDataBlockLocation(m_fieldCode, m_index, m_svd, m_bytes)
                   : QList<EdidItemLocation>();
}
