#pragma once

#include "items/displayid/vyrdidtreewidgetitem.h"

#include <QString>
#include <QVariant>

class VyrDIDIntDualEditItem;

// Base of the entry rows of timing descriptors below a DisplayID timing data block. The owner
// adds the entry to the tree, gives it one location (the whole data block, header included),
// then asks it for InitItems(); each edit of a cell arrives in DoEdit(name, value).
class DetailedTimingDesc : public VyrDIDTreeWidgetItem
{
    Q_OBJECT

public:
    DetailedTimingDesc() = default;

    // Builds the entry's rows and cells; the entry must be in its tree.
    virtual bool InitItems() = 0;
    // Applies one edit of a cell to the descriptor.
    virtual void DoEdit(const QString &name, const QVariant &value) = 0;
    // Image offset of the entry's first location (the data block's tag byte); 0 without one.
    virtual unsigned int BaseOffset() const;

signals:
    // Declared for the owner to connect to; the entries write their edits themselves.
    void editingFinished(const QString &name, const QVariant &value);

public slots:
    // Passes a cell's edit to DoEdit(), unless the entry has left its tree; the line or two-value
    // cell that sent it then shows storedText(name) (editAndShowStored()).
    void onEdidtingFinished(const QString &name, const QVariant &value);

protected:
    // Adds a labelled row for a cell ("name label" in column 0, the type tag in column 2); the
    // cell's edits reach DoEdit(). Set the row's locations right after.
    template <typename Cell> VyrDIDTreeWidgetItem *addWidget(Cell *cell)
    {
        return addCellRow(cell, this, &DetailedTimingDesc::onEdidtingFinished);
    }
};
