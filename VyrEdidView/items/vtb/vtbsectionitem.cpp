#include "vtbsectionitem.h"

#include "frame/vyredidinfotree.h"
#include "frame/vyredidwidgets.h"
#include "model/vtb/edidextvtb.h"
#include "model/vtb/vtblayout.h"

namespace {
constexpr unsigned int WholeList = ~0u;

// Disables the widgets of row's descendants.
void disableWidgets(QTreeWidget *tree, QTreeWidgetItem *row)
{
    for (int i = 0; i < row->childCount(); ++i) {
        QTreeWidgetItem *child = row->child(i);
        for (int column = VyrEdidColumn::Value; column < VyrEdidColumn::Count; ++column)
            if (QWidget *widget = tree->itemWidget(child, column))
                widget->setEnabled(false);
        disableWidgets(tree, child);
    }
}
} // namespace

VtbSectionItem::VtbSectionItem(int kind, unsigned int index, unsigned int count, DataBlock *block)
    : VyrEdidItemBase(nullptr, kind)
    , m_entryIndex(index)
    , m_count(count)
    , m_block(block)
{}

EdidExtVtb *VtbSectionItem::vtb() const
{
    return dynamic_cast<EdidExtVtb *>(m_block);
}

bool VtbSectionItem::isWritable(const DataBlock *block)
{
    const auto *vtb = dynamic_cast<const EdidExtVtb *>(block);
    const unsigned char *raw = vtb ? vtb->GetRawData() : nullptr;
    if (!raw)
        return false;
    // The block answers the counts as far as the entries fit; a count byte above that claims
    // bytes outside the entry area.
    return raw[VtbLayout::DtbCountByte] == vtb->DTBCount()
           && raw[VtbLayout::CvtCountByte] == vtb->CVTCount()
           && raw[VtbLayout::StCountByte] == vtb->STCount();
}

bool VtbSectionItem::InitItems()
{
    if (!treeWidget())
        return false;
    m_addButton = new EdidAddRemoveToolButton(WholeList, true);
    placeWidget(this, VyrEdidColumn::Action, m_addButton);
    relay(m_addButton, QOverload<unsigned int, bool>::of(&EdidAddRemoveToolButton::clicked),
          [this]() { addClicked(); });
    // An add or remove in another list changes the free bytes as well.
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::edidDataChanged, [this]() { refreshAddButton(); });
    buildRows();
    refreshAddButton();
    return true;
}

void VtbSectionItem::updateBlockData()
{
    if (!m_block || isDetached())
        return;
    removeChildRows();
    m_count = countInBlock();
    buildRows();
    refreshAddButton();
    NotifyAtDataChanged();
}

void VtbSectionItem::buildRows()
{
    const bool writable = isWritable(m_block);
    for (unsigned int i = 0; i < m_count; ++i) {
        QTreeWidgetItem *row = buildRow(i);
        if (!row || !writable)
            continue;
        auto *remove = new EdidAddRemoveToolButton(i, false);
        placeWidget(row, VyrEdidColumn::Action, remove);
        relay(remove, QOverload<unsigned int, bool>::of(&EdidAddRemoveToolButton::clicked),
              [this](unsigned int index, bool isAdd) { removeClicked(index, isAdd); });
    }
    if (!writable)
        disableEditors();
}

void VtbSectionItem::refreshAddButton()
{
    if (m_addButton)
        m_addButton->setEnabled(isWritable(m_block) && allowNew());
}

void VtbSectionItem::disableEditors()
{
    if (QTreeWidget *tree = treeWidget())
        disableWidgets(tree, this);
}

bool VtbSectionItem::beforeChange()
{
    if (isDetached() || !isWritable(m_block))
        return false;
    commitPendingEdit();
    return !isDetached();
}
