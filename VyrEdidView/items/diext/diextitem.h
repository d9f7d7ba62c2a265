#pragma once

#include "frame/vyrediditembase.h"

#include <QString>
#include <QStringList>

class DiExtBlock;

// Base of the items below a DI-EXT block item: a section ("General Info", "Data Format and
// Clock", ...) and each of its rows. The item knows its block, its field code and entry index,
// and its section's location query of the block, which answers the image bytes of a field code
// (WholeSection: the whole section). Every DI-EXT item has the kind 1104.
class DiExtItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    using Locate = QList<EdidItemLocation> (DiExtBlock::*)(unsigned int, unsigned int,
                                                           const unsigned char *) const;

    // The field code and index of a section item, and of a row that is no list entry.
    static constexpr unsigned int WholeSection = ~0u;

    // image: the start of the EDID image, from which the locations count; block may be null
    // (the item then reports no bytes and its edits write nothing).
    DiExtItem(unsigned int code, unsigned int index, DiExtBlock *block, unsigned char *image,
              Locate locate);

    // A row builds nothing; a section overrides this with its rows.
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    DiExtBlock *block() const { return m_block; }
    unsigned int fieldCode() const { return m_code; }
    unsigned int index() const { return m_index; }

protected:
    // Adds a row of class Row (constructed with (code, index, block, image)) as the next child
    // of parent (this item when null), then initialises it; the row can take editors from now.
    template <typename Row>
    Row *addRow(unsigned int code, QTreeWidgetItem *parent = nullptr,
                unsigned int index = WholeSection)
    {
        auto *row = new Row(code, index, m_block, m_bytes);
        (parent ? parent : this)->addChild(row);
        row->InitItems();
        return row;
    }

    // What a drop-down list holding entries, whose row number is the code, shows for value: a
    // value the list has no entry for shows as such and is never replaced unasked.
    static ComboRows::Shown listRow(unsigned int value, const QStringList &entries)
    {
        return ComboRows::byCode(value, static_cast<int>(entries.size()));
    }

    // A drop-down list of entries in column of row, showing value (see listRow()), then
    // connected: handler(int row) runs when the user chooses an entry.
    template <typename Handler>
    QComboBox *placeList(QTreeWidgetItem *row, const QStringList &entries, unsigned int value,
                         Handler handler, int column = VyrEdidColumn::Value)
    {
        auto *combo = new QComboBox;
        refillComboBox(combo, entries, listRow(value, entries));
        placeWidget(row, column, combo);
        relay(combo, QOverload<int>::of(&QComboBox::currentIndexChanged),
              [combo, handler](int index) mutable {
                  if (index >= 0 && !ComboRows::isUnknown(combo, index))
                      handler(index);
              });
        return combo;
    }

    // Makes a drop-down list at least 140 pixels wide, and wide enough for its longest entry.
    static void fitWidth(QComboBox *combo);

    DiExtBlock *m_block;

private:
    unsigned int m_code;
    unsigned int m_index;
    Locate m_locate;
};
