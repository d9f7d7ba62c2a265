#pragma once

#include "ceaextdatablockitem.h"
#include "model/cea/ceaextblock.h"

#include <QCoreApplication>
#include <QHash>

// Base of the data block items whose fields are flags of one record (speaker allocation,
// colorimetry): one check box row per flag, grouped under title rows, built from a table whose
// order is the order of the rows, not of the bits. A check box writes only its own flag: the
// record is read again, the flag set, the record written.
template <typename Record> class CeaExtDataBlockFlagsItem : public CeaExtDataBlockItem
{
public:
    // One row: its field code, label, the code of its parent row (0: the block row) and its
    // flag (null for a title row).
    struct FlagRow
    {
        unsigned int code;
        const char *label;
        unsigned int parent;
        bool Record::*flag;
    };

    // The label of code in rows (translated in context), empty for a code not in the table.
    static QString labelIn(const FlagRow *rows, int count, unsigned int code, const char *context)
    {
        for (int i = 0; i < count; ++i) {
            if (rows[i].code == code)
                return QCoreApplication::translate(context, rows[i].label);
        }
        return QString();
    }

protected:
    using CeaExtDataBlockItem::CeaExtDataBlockItem;

    using Get = void (CeaExtBlock::*)(unsigned int, Record *) const;
    using Set = void (CeaExtBlock::*)(unsigned int, Record *);

    // Adds the rows of the table (RowItem: the family's row class) and a check box per flag,
    // each set from the block before it is connected.
    template <typename RowItem> void buildFlagRows(const FlagRow *rows, int count, Get get, Set set)
    {
        Record record{};
        if (m_block)
            (m_block->*get)(m_index, &record);
        QHash<unsigned int, QTreeWidgetItem *> made;
        for (int i = 0; i < count; ++i) {
            const FlagRow &entry = rows[i];
            auto *row = new RowItem(entry.code, m_index, m_block, m_bytes);
            QTreeWidgetItem *parent = made.value(entry.parent, this);
            parent->addChild(row);
            row->InitItems();
            made.insert(entry.code, row);
            if (!entry.flag)
                continue;
            bool Record::*flag = entry.flag;
            placeCheckBox(row, record.*flag, [this, flag, get, set](bool checked) {
                this->template editRecord<Record>(
                    m_block, get, set, [&](Record &r) { r.*flag = checked; }, m_index);
            });
        }
    }
};
