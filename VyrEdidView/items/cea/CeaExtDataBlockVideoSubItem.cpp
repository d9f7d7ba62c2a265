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
    CeaSVDDataBlock record{};
    if (m_block)
        m_block->GetVideoDataBlock(m_index, &record);
    const bool stored = m_svd < record.count;
    const int vic = stored ? record.svd[m_svd].vic : 0;
    // A VIC of 0 or above 64 leaves the list without a selection.
    const int entry = vic >= 1 && vic <= 64 ? vic - 1 : -1;
    placeComboBox(this, vicEntries(), entry, [this](int k) { onTimingSelected(k); });
    setFlags(flags() | Qt::ItemIsUserCheckable);
    setCheckState(VyrEdidColumn::Property,
                  stored && record.svd[m_svd].native ? Qt::Checked : Qt::Unchecked);
    if (QTreeWidget *tree = treeWidget()) {
        relay(tree, &QTreeWidget::itemChanged, [this](QTreeWidgetItem *item, int column) {
            if (item == this && column == VyrEdidColumn::Property)
                onNativeChanged(checkState(VyrEdidColumn::Property) == Qt::Checked);
        });
    }
    return true;
}

void CeaExtDataBlockVideoSubItem::onTimingSelected(int entry)
{
    if (entry < 0)
        return;
    editRecord<CeaSVDDataBlock>(
        m_block, &CeaExtBlock::GetVideoDataBlock, &CeaExtBlock::SetVideoDataBlock,
        [&](CeaSVDDataBlock &r) {
            if (m_svd < r.count)
                r.svd[m_svd].vic = static_cast<quint8>(entry + 1); // native flag kept
        },
        m_index);
}

// At most one descriptor of the block is native: checking this one clears the others in one
// write; the other rows then show the stored flags quietly (no row hears its own change).
void CeaExtDataBlockVideoSubItem::onNativeChanged(bool native)
{
    CeaSVDDataBlock stored{};
    if (m_block)
        m_block->GetVideoDataBlock(m_index, &stored);
    if (m_svd >= stored.count || (stored.svd[m_svd].native != 0) == native)
        return; // a check state that shows what is stored (also any other data change)
    editRecord<CeaSVDDataBlock>(
        m_block, &CeaExtBlock::GetVideoDataBlock, &CeaExtBlock::SetVideoDataBlock,
        [&](CeaSVDDataBlock &r) {
            if (native) {
                for (unsigned int k = 0; k < r.count && k < CeaMaxSvds; ++k)
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
