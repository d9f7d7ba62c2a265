#include "vyrediddispidblockitem.h"

#include "frame/vyredidchooser.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidrows.h"
#include "items/displayid/vyrdidaddblockitem.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidsection.h"
#include "model/displayid/displayidblock.h"
#include "vyruiservice.h"

#include <QCoreApplication>
#include <QMetaObject>

VyrEdidDispIdBlockItem::VyrEdidDispIdBlockItem(bool isBase, unsigned char *image,
                                               unsigned int startOffset, DisplayIDBlock *model)
    : VyrEdidBlockItem(image, VyrEdidItemKind::DisplayIdBlock, startOffset, model)
    , m_isBase(isBase)
    , m_model(model)
{
    // The title follows what the section says it is, not the caller's flag.
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    const bool base = m_model && m_model->IsBaseBlock();
    setText(VyrEdidColumn::Property, base ? tr("DID Base Block") : tr("DID Extention"));
    buildChildren();
}

bool VyrEdidDispIdBlockItem::InitItems()
{
    for (VyrDIDItemBase *item : m_items)
        item->InitItems();
    return true;
}

unsigned int VyrEdidDispIdBlockItem::GetNumberOfExtentions()
{
    return m_model && m_isBase ? m_model->GetNumOfExtensions() : 0;
}

void VyrEdidDispIdBlockItem::SetNumberOfExtentions(unsigned int count)
{
    if (m_model)
        m_model->SetNumOfExtensions(count);
}

VyrDIDItemBase *VyrEdidDispIdBlockItem::CreateDataBlockItem(int i)
{
    if (!m_model || i < 0)
        return nullptr;
    const auto index = static_cast<unsigned int>(i);
    const VyrDIDDataBlockKind *kind = VyrDIDDataBlocks::find(m_model->GetDataBlockTag(index));
    return kind ? kind->create(index, m_model) : nullptr;
}

void VyrEdidDispIdBlockItem::buildChildren()
{
    m_items.clear();
    m_items.push_back(new VyrDIDSection(0, m_model));
    const unsigned int count = m_model ? m_model->GetNumOfDataBlocks() : 0;
    for (unsigned int i = 0; i < count; ++i) {
        // A data block without item keeps its position: the later items keep their indexes.
        if (VyrDIDItemBase *item = CreateDataBlockItem(static_cast<int>(i)))
            m_items.push_back(item);
    }
    auto *add = new VyrDIDAddBlockItem(0, m_model);
    relay(add, &VyrDIDAddBlockItem::addBlockSignal, [this]() { onAddDataBlock(); });
    m_items.push_back(add);
    for (VyrDIDItemBase *item : m_items)
        addChild(item);
}

void VyrEdidDispIdBlockItem::requestRebuild()
{
    if (isDetached() || m_rebuildPending)
        return;
    m_rebuildPending = true;
    // A value typed into another cell without Enter is written while every row is whole.
    commitPendingEdit();
    // The blocks behind a base section moved with it: the root finds them again and builds every
    // block item anew (this one included).
    auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget());
    if (tree && m_model && m_model->IsBaseBlock() && tree->requestBlocksRebuild())
        return;
    for (int i = 0; i < childCount(); ++i)
        VyrEdidRows::detach(child(i));
    QMetaObject::invokeMethod(
        this, [this]() { rebuildRows(); }, Qt::QueuedConnection);
}

void VyrEdidDispIdBlockItem::rebuildRows()
{
    m_rebuildPending = false;
    if (isDetached())
        return;
    removeChildRows(0);
    buildChildren();
    InitItems();
}

QList<QPair<QString, unsigned int>> VyrEdidDispIdBlockItem::addableKinds() const
{
    QList<QPair<QString, unsigned int>> kinds;
    if (!m_model || !m_model->AllowNewDataBlocks())
        return kinds;
    for (const VyrDIDDataBlockKind &kind : VyrDIDDataBlocks::Table) {
        const DisplayBlockID id = DisplayIDBlock::kindOfTag(kind.tag);
        if (kind.addable && m_model->IsDataBlockSupported(id)
            && DisplayIDBlock::getMinDataBlockSize(id) <= m_model->GetNumOfAvailableBytes())
            kinds.append({VyrDIDDataBlocks::title(kind.tag), id});
    }
    return kinds;
}

void VyrEdidDispIdBlockItem::onAddDataBlock()
{
    if (isDetached() || !m_model)
        return;
    // A value typed into a cell without Enter is written before the section changes.
    commitPendingEdit();
    if (isDetached())
        return;
    const QList<QPair<QString, unsigned int>> kinds = addableKinds();
    if (kinds.isEmpty()) {
        VyrUiService::instance()->message(VyrUiService::Icon::Warning, tr("Add block"),
                                          tr("This section can take no further data block."));
        return;
    }
    QStringList names;
    for (const auto &kind : kinds)
        names << kind.first;
    int row = 0;
    QString name;
    if (!VyrEdidChooser::instance()->choose(names, &row, &name) || isDetached())
        return;
    const int chosen = names.indexOf(name);
    if (chosen < 0)
        return;
    const unsigned int before = m_model->GetNumOfDataBlocks();
    m_model->AddDataBlock(static_cast<DisplayBlockID>(kinds.at(chosen).second));
    if (m_model->GetNumOfDataBlocks() != before + 1) {
        VyrUiService::instance()->message(VyrUiService::Icon::Warning, tr("Add block"),
                                          tr("The data block could not be added."));
        return;
    }
    NotifyAtDataChanged();
    requestRebuild();
}
