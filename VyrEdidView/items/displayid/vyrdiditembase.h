#pragma once

#include "items/displayid/vyrdidtreewidgetitem.h"

#include <QString>
#include <QVariant>

class DisplayIDBlock;

// Base of every item of a DisplayID data block (and of the section and add-block rows): the
// data block's position in the section's block map and the section's block object. The item is
// created by the block item, added to the tree, and only then asked for InitItems(), which
// builds its rows; each cell's edit arrives in DoEdit(name, value).
//
// How an item is built on it:
//     bool InitItems() override
//     {
//         setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagPowerSequencing));
//         DidPowerSeqDataBlock record;
//         m_model->GetPowerSeqDataBlock(m_index, &record);
//         auto *cell = new VyrDIDIntDualEditItem(tr("T4"), QString(), ..., 0, 1270);
//         addNamedChild(cell)->SetLocation({BaseOffset() + 3, 1});
//         return true;
//     }
//     void DoEdit(const QString &name, const QVariant &value) override
//     {
//         editRecord<DidPowerSeqDataBlock>(m_model, &DisplayIDBlock::GetPowerSeqDataBlock,
//                                          &DisplayIDBlock::SetPowerSeqDataBlock,
//                                          [&](DidPowerSeqDataBlock &r) { ... }, m_index);
//     }
class VyrDIDItemBase : public VyrDIDTreeWidgetItem
{
    Q_OBJECT

public:
    // index: the data block's position in the block map; model: the section, not owned.
    VyrDIDItemBase(unsigned int index, DisplayIDBlock *model);

    // Builds the item's rows and cells; the item must be in its tree.
    virtual bool InitItems() = 0;
    // Image offset of the data block's first payload byte; 0 without a model or block.
    virtual unsigned int BaseOffset() const;
    // Applies one edit of a cell: reads the record, changes the field name designates, writes.
    virtual void DoEdit(const QString &name, const QVariant &value) = 0;

    // The whole data block, its 3 header bytes included; {0, 0} without a model or block.
    EdidItemLocation Location() const;
    // Payload length of the data block (its length byte); 0 without a model or block.
    unsigned int payloadLength() const;

    unsigned int index() const { return m_index; }
    DisplayIDBlock *model() const { return m_model; }

public slots:
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    // Passes a cell's edit to DoEdit(), unless the item has left its tree; the line or two-value
    // cell that sent it then shows storedText(name) (editAndShowStored()).
    void onEdidtingFinished(const QString &name, const QVariant &value);

protected:
    // Adds a child row holding cell in column 1 (see addCellRow); the cell's edits reach
    // DoEdit(). Set the row's location right after.
    template <typename Cell> VyrDIDTreeWidgetItem *addNamedChild(Cell *cell)
    {
        return addCellRow(cell, this, &VyrDIDItemBase::onEdidtingFinished);
    }
    // Adds group (a VyrDIDCheckBoxItems or VyrDIDTreeItem) as a child when it has no parent yet
    // and passes its edits, under its name, to DoEdit().
    template <typename Group> Group *addGroup(Group *group)
    {
        if (!group->QTreeWidgetItem::parent())
            addChild(group);
        QObject::connect(group, &Group::editingFinished, this, &VyrDIDItemBase::onEdidtingFinished);
        return group;
    }

    // The section's rows are rebuilt once control is back in the event loop: an item calls it
    // after a write that changed where data blocks lie, then returns at once. Until then the
    // rows that show moved bytes take no edits. A base section rebuilds the whole tree (the
    // blocks behind it moved), an extension section its own rows.
    void rebuildSection();

    // Writes "<who> edited" ("edited" without who), the name in double quotes and the value to
    // the debug log, for edits an item does not store.
    static void logEdit(const char *who, const QString &name, const QVariant &value);

    unsigned int m_index;
    DisplayIDBlock *m_model;
};
