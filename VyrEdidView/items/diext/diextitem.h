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
    template <typename Row> Row *addRow(unsigned int code, QTreeWidgetItem *parent = nullptr)
    {
        auto *row = new Row(code, WholeSection, m_block, m_bytes);
        (parent ? parent : this)->addChild(row);
        row->InitItems();
        return row;
    }

    // The row of a drop-down list holding entries that shows value: -1 (no row) for a value the
    // list has no entry for, so such a value is shown as none and never replaced unasked.
    static int listRow(unsigned int value, const QStringList &entries);

    DiExtBlock *m_block;

private:
    unsigned int m_code;
    unsigned int m_index;
    Locate m_locate;
};
