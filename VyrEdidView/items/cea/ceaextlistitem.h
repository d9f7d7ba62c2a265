#pragma once

#include "frame/vyredidinfotree.h"
#include "frame/vyrediditembase.h"
#include "frame/vyredidwidgets.h"

class CeaExtBlock;

// Base of the two lists of a CEA-861 extension block, its detailed timings and its data blocks:
// an add button in the "Action" column of the list's own row, a remove button in that column of
// each entry row, and the add button shown only while the block takes one more entry. Other
// items change the block's free room as well (a data block that grows or shrinks), so the add
// button follows every change the tree reports, not only the list's own adds and removes.
class CeaExtListItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // A list covers no bytes of its own.
    QList<EdidItemLocation> GetItemLocations() const override;

    CeaExtBlock *block() const { return m_block; }
    unsigned int startOffset() const { return m_startOffset; }
    EdidAddRemoveToolButton *addButton() const { return m_addButton; }
    // True while the add button is offered.
    bool addButtonShown() const;

protected:
    CeaExtListItem(unsigned int startOffset, CeaExtBlock *block, unsigned char *image);

    // Whether the block takes one more entry now.
    virtual bool allowAdd() const = 0;

    // Puts the add button (index 0) into this row and relays its clicks to
    // handler(unsigned int index, bool add); from then on the button follows allowAdd().
    template <typename Handler> void placeAddButton(Handler handler)
    {
        m_addButton = new EdidAddRemoveToolButton(0, true);
        placeWidget(this, VyrEdidColumn::Action, holderOf(m_addButton));
        relay(m_addButton, &EdidAddRemoveToolButton::clicked, handler);
        if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
            relay(tree, &VyrEdidInfoTree::edidDataChanged, [this]() { refreshAddButton(); });
        refreshAddButton();
    }

    // Puts a remove button for entry index into row and relays its clicks to handler.
    template <typename Handler>
    EdidAddRemoveToolButton *placeRemoveButton(QTreeWidgetItem *row, unsigned int index,
                                               Handler handler)
    {
        auto *button = new EdidAddRemoveToolButton(index, false);
        placeWidget(row, VyrEdidColumn::Action, button);
        relay(button, &EdidAddRemoveToolButton::clicked, handler);
        return button;
    }

    // Shows the add button when allowAdd() holds, hides it otherwise.
    void refreshAddButton();

    // Before an add or remove moves bytes: a value typed into any editor of the tree without
    // Enter is written now, to the entry it was typed for. False when the item has left its tree
    // meanwhile (nothing more may be done).
    bool commitBeforeChange();

    CeaExtBlock *m_block;
    unsigned int m_startOffset;

private:
    // The view shows every cell widget again whenever it lays out its rows, so the button sits
    // in a holder that the view shows and is hidden inside it.
    static QWidget *holderOf(QWidget *button);

    EdidAddRemoveToolButton *m_addButton = nullptr;
};
