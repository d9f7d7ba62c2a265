#include "vyrediddescriptorsitem.h"

#include "frame/vyredidchooser.h"
#include "frame/vyredidwidgets.h"
#include "items/base/vyredidcolormgmtitem.h"
#include "items/base/vyredidcolorpointitem.h"
#include "items/base/vyredidcvt3byteitem.h"
#include "items/base/vyrediddetiledtimingitem.h"
#include "items/base/vyrediddummydescriptoritem.h"
#include "items/base/vyredidestablishtimingitem.h"
#include "items/base/vyredidrangelimititem.h"
#include "items/base/vyredidstandardtimingitem.h"
#include "items/base/vyredidstringdescriptoritem.h"
#include "model/datablock.h"

#include <QTreeWidget>

namespace {

// Six standard timing codes fill a standard timing descriptor (bytes 5 to 16), four CVT codes
// a CVT 3-byte code descriptor (bytes 6 to 17).
const unsigned int DescriptorStandardTimingCount = 6;
const unsigned int DescriptorCvtCodeCount = 4;
const int ButtonWidth = 40;

} // namespace

VyrEdidDescriptorsItem::VyrEdidDescriptorsItem(DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::Descriptors)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, tr("Descriptors"));
}

bool VyrEdidDescriptorsItem::InitItems()
{
    updateDataBlocks();
    return true;
}

QList<EdidItemLocation> VyrEdidDescriptorsItem::GetItemLocations() const
{
    return m_block ? m_block->GetDescriptorsLocation() : QList<EdidItemLocation>();
}

QList<DescriptorInfo> VyrEdidDescriptorsItem::addableDescriptors() const
{
    QList<DescriptorInfo> kinds;
    if (!m_block)
        return kinds;
    for (quint32 id = DescriptorUnknown; id <= DescriptorEstablishedTimingsIII; ++id) {
        const auto kind = static_cast<DescriptorID>(id);
        if (m_block->IsDescriptorSupported(kind))
            kinds.append({kind, getDescriptorName(kind)});
    }
    return kinds;
}

VyrEdidItemBase *VyrEdidDescriptorsItem::slotChild(unsigned int slot) const
{
    return slot < SlotCount ? m_slotChildren[slot] : nullptr;
}

void VyrEdidDescriptorsItem::updateDataBlocks()
{
    removeChildRows();
    m_slotChildren.fill(nullptr);
    if (!m_block)
        return;
    for (unsigned int slot = 0; slot < SlotCount; ++slot) {
        VyrEdidItemBase *child = createChild(m_block->GetDescriptorID(slot), slot);
        if (child)
            placeChild(child, childCount(), slot);
    }
}

VyrEdidItemBase *VyrEdidDescriptorsItem::createChild(DescriptorID id, unsigned int slot)
{
    const unsigned int number = slot + 1;
    switch (id) {
    case DescriptorPlaceholder:
        return new VyrEdidDummyDescriptorItem(number, m_block);
    case DescriptorDetailedTiming:
        return new VyrEdidDetiledTimingItem(number, timingsBefore(slot), m_block);
    case DescriptorSerialNumber:
        return new VyrEdidStringDescriptorItem(number, tr("Product Serial"), m_block);
    case DescriptorDataString:
        return new VyrEdidStringDescriptorItem(number, tr("ASCII String"), m_block);
    case DescriptorRangeLimits:
        return new VyrEdidRangeLimitItem(number, m_block);
    case DescriptorProductName:
        return new VyrEdidStringDescriptorItem(number, tr("Product Name"), m_block);
    case DescriptorColorPoint:
        return new VyrEdidColorPointItem(number, m_block);
    case DescriptorStandardTimings:
        return new VyrEdidStandardTimingItem(number, DescriptorStandardTimingCount, m_block);
    case DescriptorColorManagement:
        return new VyrEdidColorMgmtItem(number, m_block);
    case DescriptorCvt3ByteCodes:
        return new VyrEdidCVT3ByteItem(number, DescriptorCvtCodeCount, m_block);
    case DescriptorEstablishedTimingsIII:
        return new VyrEdidEstablishTimingItem(number, m_block);
    case DescriptorUnknown:
        break;
    }
    return nullptr;
}

unsigned int VyrEdidDescriptorsItem::timingsBefore(unsigned int slot) const
{
    unsigned int count = 0;
    for (unsigned int s = 0; s < slot && s < SlotCount; ++s) {
        if (m_slotChildren[s] && m_slotChildren[s]->type() == VyrEdidItemKind::DetailedTiming)
            ++count;
    }
    return count;
}

void VyrEdidDescriptorsItem::placeChild(VyrEdidItemBase *child, int index, unsigned int slot)
{
    insertChild(index, child);
    m_slotChildren[slot] = child;
    child->InitItems();
    const bool add = child->type() == VyrEdidItemKind::DummyDescriptor;
    auto *button = new EdidAddRemoveToolButton(slot, add);
    button->setMaximumWidth(ButtonWidth);
    placeWidget(child, VyrEdidColumn::Action, button);
    relay(button, &EdidAddRemoveToolButton::clicked, [this](unsigned int buttonSlot, bool addItem) {
        on_addremoveDescriptor(buttonSlot, addItem);
    });
}

void VyrEdidDescriptorsItem::on_addremoveDescriptor(unsigned int slot, bool add)
{
    if (isDetached() || !slotChild(slot))
        return;
    DescriptorID id = DescriptorPlaceholder;
    if (add) {
        const QList<DescriptorInfo> kinds = addableDescriptors();
        QStringList names;
        for (const DescriptorInfo &kind : kinds)
            names << kind.name;
        int row = -1;
        QString name;
        // The dialog takes the focus: an editor holding unconfirmed text reports it now.
        const bool chosen = VyrEdidChooser::instance()->choose(names, &row, &name);
        if (isDetached())
            return;
        if (!chosen || row < 0 || row >= kinds.size()) {
            NotifyAtDataChanged();
            return;
        }
        id = kinds.at(row).id;
    }
    // Pending text of any editor is written first, while every row still stands for the bytes
    // it was built from; the descriptor's new bytes come after it.
    commitPendingEdit();
    if (isDetached())
        return;
    if (m_block) {
        m_block->RemoveDescriptor(slot);
        if (id != DescriptorPlaceholder)
            m_block->AddDescriptor(id, slot);
    }
    replaceChild(slot, id);
    NotifyAtDataChanged();
}

void VyrEdidDescriptorsItem::replaceChild(unsigned int slot, DescriptorID id)
{
    VyrEdidItemBase *old = slotChild(slot);
    const int index = indexOfChild(old);
    QTreeWidget *tree = treeWidget();
    bool wasCurrent = false;
    for (QTreeWidgetItem *row = tree ? tree->currentItem() : nullptr; row; row = row->parent())
        wasCurrent = wasCurrent || row == old;
    removeChildRow(index);
    m_slotChildren[slot] = nullptr;
    VyrEdidItemBase *child = createChild(id, slot);
    if (!child)
        return;
    placeChild(child, index, slot);
    // The timings are numbered in slot order, as a fresh build numbers them.
    for (unsigned int s = slot + 1; s < SlotCount; ++s) {
        if (auto *timing = dynamic_cast<VyrEdidDetiledTimingItem *>(m_slotChildren[s]))
            timing->setNumber(timingsBefore(s));
    }
    if (wasCurrent && tree)
        tree->setCurrentItem(child);
}
