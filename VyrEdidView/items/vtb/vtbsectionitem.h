#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;
class EdidExtVtb;
class EdidAddRemoveToolButton;

// Base of the three lists of a VTB-EXT block (detailed timings, CVT codes, standard timings):
// the list's row with an add button in the "Action" column, and one row per entry with a
// remove button. Adding and removing go through the block, which moves the later lists; then
// every entry row is built again, so titles and button indexes follow the entries' places.
//
// A block whose count bytes claim more than its 122 entry bytes (VESA VTB-EXT, section 2) is
// shown read-only: its entries as far as they fit, no add or remove buttons that act, every
// editor disabled. The block refuses to change it anyway; this keeps the view honest.
class VtbSectionItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // Builds the add button and the entry rows; the row must be in the tree.
    bool InitItems() override;
    // Takes the entry rows out and builds them again from the block.
    void updateBlockData();

    unsigned int entryCount() const { return m_count; }
    EdidAddRemoveToolButton *addButton() const { return m_addButton; }

    // False for a block whose counts do not fit its entry area (and without a block).
    static bool isWritable(const DataBlock *block);

protected:
    // index: -1, the whole list; count: its entries now.
    VtbSectionItem(int kind, unsigned int index, unsigned int count, DataBlock *block);

    // Entries of the list in the block.
    virtual unsigned int countInBlock() const = 0;
    // Whether the block takes one more entry.
    virtual bool allowNew() const = 0;
    // Adds the row of entry index (made, added as a child and filled); null when the entry
    // could not be shown (the row is gone again).
    virtual QTreeWidgetItem *buildRow(unsigned int index) = 0;
    // The add button's and a remove button's action.
    virtual void addClicked() = 0;
    virtual void removeClicked(unsigned int index, bool isAddButton) = 0;

    // Before the block moves bytes, a value typed without Enter is written to the entry it
    // was typed for; then change(block) runs and the rows are built again. Nothing for a block
    // that cannot be changed.
    template <typename Change> void changeEntries(Change change)
    {
        if (!beforeChange())
            return;
        change(*vtb());
        updateBlockData();
    }

    EdidExtVtb *vtb() const;

    unsigned int m_entryIndex;
    unsigned int m_count;
    DataBlock *m_block;

private:
    // Builds rows 0 to count - 1 with their remove buttons.
    void buildRows();
    // Follows the block: the add button acts exactly while the block takes one more entry (after
    // every change the tree reports, since the lists share the free bytes).
    void refreshAddButton();
    // Every editor below this row disabled (a block that must not be changed).
    void disableEditors();
    bool beforeChange();

    EdidAddRemoveToolButton *m_addButton = nullptr;
};
