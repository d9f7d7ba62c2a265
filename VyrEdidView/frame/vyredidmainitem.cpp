#include "vyredidmainitem.h"

#include "frame/vyredidblockitems.h"
#include "frame/vyredidchooser.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidrows.h"
#include "frame/vyredidwidgets.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/vtb/edidextvtb.h"
#include "vyruiservice.h"

#include <QPushButton>
#include <QToolButton>
#include <QTreeWidgetItemIterator>

#include <cstring>

VyrEdidMainItem::VyrEdidMainItem(unsigned char *image)
    : VyrEdidItemBase(image, VyrEdidItemKind::Root)
{}

VyrEdidMainItem::~VyrEdidMainItem()
{
    // The block items point to the block objects: they go first.
    VyrEdidRows::detach(this);
    qDeleteAll(takeChildren());
    m_blocks.clear();
}

bool VyrEdidMainItem::InitItems()
{
    m_addButton = new QPushButton(tr("Add Block"));
    // 60 pixels, or what its caption needs in the font in use.
    m_addButton->setMaximumWidth(qMax(60, m_addButton->sizeHint().width()));
    // A click leaves the focus where it is, as on the tool buttons of the other rows: a button
    // in a row that takes the focus makes its row current, and the user's row would be lost.
    m_addButton->setFocusPolicy(Qt::TabFocus);
    placeWidget(this, VyrEdidColumn::Action, m_addButton);
    relay(m_addButton, &QPushButton::clicked, [this]() { on_btnAddBlock(); });
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::rebuildBlocksSignal,
              [this]() { onRebuildBlocksRequested(); });
    updateDataBlocks();
    if (QTreeWidget *tree = treeWidget()) {
        tree->setColumnWidth(VyrEdidColumn::Value,
                             neededColumnWidth(tree, VyrEdidColumn::Value, LeastValueWidth));
        tree->setColumnWidth(VyrEdidColumn::Type, 60);
        tree->setColumnWidth(VyrEdidColumn::Action,
                             neededColumnWidth(tree, VyrEdidColumn::Action, LeastActionWidth));
    }
    return true;
}

// A compound editor (the CVT code, for one) or a button ("Add Block") is not cut until the user
// widens its column.
int VyrEdidMainItem::neededColumnWidth(QTreeWidget *tree, int column, int least)
{
    int width = least;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (QWidget *widget = tree->itemWidget(*it, column))
            width = qMax(width, widget->minimumSizeHint().width());
    }
    return width;
}

QList<EdidItemLocation> VyrEdidMainItem::GetItemLocations() const
{
    return {{0, ImageSize}};
}

unsigned int VyrEdidMainItem::announcedBlocks()
{
    return m_baseBlockItem ? 1 + m_baseBlockItem->GetNumberOfExtentions() : 0;
}

unsigned int VyrEdidMainItem::blocksInImage()
{
    return qMax(m_blockCount, announcedBlocks());
}

unsigned int VyrEdidMainItem::blocksThatFit() const
{
    const unsigned int room = ImageSize - blockOffset(m_blockCount);
    return qMin(MaxBlocks, m_blockCount + room / VyrEdidBlockRecogniser::ExtensionSize);
}

unsigned int VyrEdidMainItem::blockOffset(unsigned int index) const
{
    return index <= m_blockCount ? m_blockOffsets[index] : m_blockOffsets[m_blockCount];
}

VyrEdidItemBase *VyrEdidMainItem::createBlockItem(const VyrEdidRecognisedBlock &block)
{
    return VyrEdidBlockItems::create(m_bytes, block);
}

static QString titleOf(VyrEdidBlockKind kind)
{
    switch (kind) {
    case VyrEdidBlockKind::DisplayIdBase:
        return VyrEdidMainItem::tr("DISPLAY ID BASE");
    case VyrEdidBlockKind::Edid14:
        return VyrEdidMainItem::tr("EDID 1.4");
    case VyrEdidBlockKind::Edid13:
        return VyrEdidMainItem::tr("EDID 1.3");
    default:
        return QString();
    }
}

void VyrEdidMainItem::updateDataBlocks()
{
    m_title.clear();
    m_blockCount = 0;
    m_blockOffsets.fill(0);
    m_baseBlockItem = nullptr;
    m_baseEraseButton = nullptr;

    std::vector<VyrEdidRecognisedBlock> blocks = VyrEdidBlockRecogniser::recognise(m_bytes);
    for (VyrEdidRecognisedBlock &block : blocks) {
        VyrEdidItemBase *item = createBlockItem(block);
        if (!item || !appendBlockItem(item, block))
            break;
        m_blocks.push_back(std::move(block.block));
    }
    // The first block can be removed only while it is the only one.
    if (m_baseEraseButton && m_blockCount > 1)
        m_baseEraseButton->setEnabled(false);
    setText(VyrEdidColumn::Property, m_title);
    NotifyAtDataChanged();
}

bool VyrEdidMainItem::appendBlockItem(VyrEdidItemBase *item, VyrEdidRecognisedBlock &block)
{
    const unsigned int index = m_blockCount;
    addChild(item);

    auto *erase = new VyrEdidToolButton(index);
    erase->setIcon(VyrEdidIcons::erase());
    erase->setMaximumWidth(40);
    placeWidget(item, VyrEdidColumn::Action, erase);
    relay(erase, &VyrEdidToolButton::clicked, [this](unsigned int i) { on_removeBlock(i); });
    if (block.kind == VyrEdidBlockKind::DisplayIdBase
        || block.kind == VyrEdidBlockKind::DisplayIdExtension) {
        QToolButton *add = block.kind == VyrEdidBlockKind::DisplayIdBase ? new VyrEdidToolButton(0)
                                                                         : new QToolButton;
        add->setIcon(VyrEdidIcons::add());
        add->setMaximumWidth(40);
        placeWidget(item, VyrEdidColumn::Type, add);
        relay(add, &QToolButton::clicked, [this]() { on_btnAddDIDBlock(); });
    }

    const unsigned int size = block.size();
    if (!item->InitItems() || size == 0 || block.offset + size > ImageSize) {
        // An item that cannot show its block ends the list; it goes before its block object.
        std::vector<std::unique_ptr<DataBlock>> retired;
        retired.push_back(std::move(block.block));
        VyrEdidRows::removeChildren(this, indexOfChild(item), std::move(retired));
        return false;
    }
    if (index == 0) {
        m_baseBlockItem = item;
        m_baseEraseButton = erase;
        m_title = titleOf(block.kind);
    }
    m_blockOffsets[index] = block.offset;
    m_blockOffsets[index + 1] = block.offset + size;
    ++m_blockCount;
    return true;
}

VyrEdidMainItem *VyrEdidMainItem::rootOf(QTreeWidgetItem *item)
{
    while (item && item->parent())
        item = item->parent();
    return dynamic_cast<VyrEdidMainItem *>(item);
}

void VyrEdidMainItem::onRebuildBlocksRequested()
{
    if (isDetached() || m_rebuildQueued)
        return;
    m_rebuildQueued = true;
    // The blocks behind the one that changed may have moved: no block item may write until the
    // blocks are found again.
    for (int i = 0; i < childCount(); ++i)
        VyrEdidRows::detach(child(i));
    const bool expanded = m_baseBlockItem && m_baseBlockItem->isExpanded();
    QMetaObject::invokeMethod(
        this,
        [this, expanded]() {
            m_rebuildQueued = false;
            rebuildBlocks();
            if (expanded && m_baseBlockItem)
                m_baseBlockItem->setExpanded(true);
        },
        Qt::QueuedConnection);
}

void VyrEdidMainItem::rebuildBlocks()
{
    if (isDetached())
        return;
    std::vector<std::unique_ptr<DataBlock>> retired = std::move(m_blocks);
    m_blocks.clear();
    m_baseBlockItem = nullptr;
    m_baseEraseButton = nullptr;
    VyrEdidRows::removeChildren(this, 0, std::move(retired));
    updateDataBlocks();
}

void VyrEdidMainItem::on_btnAddBlock()
{
    if (isDetached())
        return;
    // A value typed into an editor without Enter is written before the image changes.
    commitPendingEdit();
    if (blocksInImage() >= blocksThatFit()) {
        VyrUiService::instance()->message(VyrUiService::Icon::Warning, tr("Warning"),
                                          tr("Maximal number of blocks achieved"));
        return;
    }
    // The kinds offered, in this order: base kinds for an empty image, extensions after a
    // first block. The choice is compared with the translated names.
    struct Offer
    {
        QString name;
        VyrEdidBlockTypes kind;
    };
    const QList<Offer> offers =
        m_blockCount == 0 ? QList<Offer>{{tr("EDID1.3 Base Block"), VyrEdidBlockEdid13},
                                         {tr("EDID1.4 Base Block"), VyrEdidBlockEdid14},
                                         {tr("DID Base Block 1.1"), VyrEdidBlockDisplayIdBase11},
                                         {tr("DID Base Block 1.2"), VyrEdidBlockDisplayIdBase12}}
                          : QList<Offer>{{tr("EDID CEA Ext Block"), VyrEdidBlockCea},
                                         {tr("EDID DI Ext Block"), VyrEdidBlockDiExt},
                                         {tr("DID Ext Block"), VyrEdidBlockDisplayIdExtension},
                                         {tr("EDID VTB Ext Block"), VyrEdidBlockVtb}};
    QStringList names;
    for (const Offer &offer : offers)
        names << offer.name;
    // A new block goes to the image start, or where the last block ends.
    const unsigned int end = blockOffset(m_blockCount);
    unsigned char *where = m_bytes ? m_bytes + end : nullptr;
    const unsigned int room = ImageSize - end;

    int row = 0;
    QString name;
    if (!VyrEdidChooser::instance()->choose(names, &row, &name))
        return;
    VyrEdidBlockTypes kind = VyrEdidBlockNone;
    for (const Offer &offer : offers) {
        if (offer.name == name)
            kind = offer.kind;
    }
    addBlock(kind, where, room);
}

void VyrEdidMainItem::on_btnAddDIDBlock()
{
    on_btnAddBlock();
}

void VyrEdidMainItem::addBlock(VyrEdidBlockTypes kind, unsigned char *where, unsigned int room)
{
    if (isDetached())
        return;
    commitPendingEdit();
    bool written = false;
    bool extension = false;
    switch (kind) {
    case VyrEdidBlockEdid13:
        written = Edid13Block::InitBuffer(where, room);
        break;
    case VyrEdidBlockEdid14:
        written = Edid14Block::InitBuffer(where, room);
        break;
    case VyrEdidBlockDisplayIdBase:
    case VyrEdidBlockDisplayIdBase11:
        written = DisplayIDBlock::InitBaseBlockBuffer(where, room, 0x11);
        break;
    case VyrEdidBlockDisplayIdBase12:
        written = DisplayIDBlock::InitBaseBlockBuffer(where, room, 0x12);
        break;
    case VyrEdidBlockCea:
    case VyrEdidBlockDiExt:
    case VyrEdidBlockDisplayIdExtension:
    case VyrEdidBlockVtb:
        // An extension needs a first block to announce it.
        extension = m_baseBlockItem != nullptr;
        if (!extension)
            break;
        if (kind == VyrEdidBlockCea)
            written = CeaExtBlock::InitBuffer(where, room);
        else if (kind == VyrEdidBlockDiExt)
            written = DiExtBlock::InitBuffer(where, room);
        else if (kind == VyrEdidBlockDisplayIdExtension)
            written = DisplayIDBlock::InitExtBlockBuffer(where, room, 0x11, false);
        else
            written = EdidExtVtb::InitBuffer(where, room);
        break;
    case VyrEdidBlockNone:
        break;
    }
    if (written && extension)
        m_baseBlockItem->SetNumberOfExtentions(m_baseBlockItem->GetNumberOfExtentions() + 1);
    rebuildBlocks();
}

void VyrEdidMainItem::on_removeBlock(uint index)
{
    if (isDetached())
        return;
    // A value typed into an editor without Enter lands on its own block before blocks move.
    commitPendingEdit();
    if (m_blockCount == 0 || index >= m_blockCount || !m_bytes)
        return;
    // The first block can be removed only while it is the only one.
    if (index == 0 && m_blockCount > 1)
        return;
    if (index == 0) {
        // Without its first block nothing of the image means anything.
        std::memset(m_bytes, 0, ImageSize);
        rebuildBlocks();
        return;
    }
    const unsigned int start = m_blockOffsets[index];
    const unsigned int end = m_blockOffsets[index + 1];
    const unsigned int length = end - start;
    // Everything behind the block moves down, the extensions behind the last recognised one
    // included (the first block still announces them); only the bytes the move leaves behind
    // are cleared.
    std::memmove(m_bytes + start, m_bytes + end, ImageSize - end);
    std::memset(m_bytes + ImageSize - length, 0, length);
    if (m_baseBlockItem) {
        const unsigned int announced = m_baseBlockItem->GetNumberOfExtentions();
        if (announced > 0)
            m_baseBlockItem->SetNumberOfExtentions(announced - 1);
    }
    rebuildBlocks();
}
