#pragma once

#include "ceaextdatablockfieldrow.h"
#include "model/cea/ceaextblock.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <cstddef>

// The data blocks whose fields are the fields of one fixed record (speaker allocation, video
// capability, colorimetry): one row per field, grouped under title rows, each with a check box
// or a drop-down list. A family of such blocks is a table (CeaFieldFamily), not a class: the one
// item below builds every family from its table.

// The entries of a drop-down list; the entry index is the field's value.
struct CeaFieldChoices
{
    const char *const *texts;
    int count;
};

template <std::size_t N> constexpr CeaFieldChoices fieldChoices(const char *const (&texts)[N])
{
    return {texts, static_cast<int>(N)};
}

// One row of a family: its field code (by which the block locates the row's bytes), its label,
// the code of its parent row (0: the data block's row) and its editor: a check box of a flag, a
// drop-down list of a flag (entry 0: false, 1: true) or of a number, or none (a title row).
template <typename Record> struct CeaFieldRow
{
    unsigned int code;
    const char *label;
    unsigned int parent;
    bool Record::*flag;
    quint32 Record::*number;
    const CeaFieldChoices *choices;
};

template <typename Record>
constexpr CeaFieldRow<Record> titleRow(unsigned int code, const char *label)
{
    return {code, label, 0, nullptr, nullptr, nullptr};
}

template <typename Record>
constexpr CeaFieldRow<Record> flagRow(unsigned int code, const char *label, bool Record::*flag,
                                      unsigned int parent = 0)
{
    return {code, label, parent, flag, nullptr, nullptr};
}

template <typename Record>
constexpr CeaFieldRow<Record> choiceRow(unsigned int code, const char *label,
                                        quint32 Record::*number, const CeaFieldChoices &choices)
{
    return {code, label, 0, nullptr, number, &choices};
}

template <typename Record>
constexpr CeaFieldRow<Record> choiceRow(unsigned int code, const char *label, bool Record::*flag,
                                        const CeaFieldChoices &choices)
{
    return {code, label, 0, flag, nullptr, &choices};
}

// A family: the title of its data block row, the block's getter, setter and locator of the
// record, and its rows in the order shown. The texts are translated in the family's context.
template <typename Record> struct CeaFieldFamily
{
    using RecordType = Record;

    const char *context;
    const char *title;
    void (CeaExtBlock::*get)(unsigned int index, Record *record) const;
    void (CeaExtBlock::*set)(unsigned int index, Record *record);
    CeaExtDataBlockFieldRow::Locate locate;
    const CeaFieldRow<Record> *rows;
    int count;
};

// The families, each defined in its table file (cea<family>table.cpp).
extern const CeaFieldFamily<CeaSpeakerAllocation> CeaSpeakerAllocationFields;
extern const CeaFieldFamily<CeaVideoCaps> CeaVideoCapabilityFields;
extern const CeaFieldFamily<CeaColometry> CeaColorimetryFields;

// The item of a data block of a family. An editor writes only its own field: the record is read
// again, the field set, the record written. The editors are filled from the block before they are
// connected.
template <typename Record> class CeaExtDataBlockFieldsItem : public CeaExtDataBlockItem
{
public:
    CeaExtDataBlockFieldsItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                              unsigned char *image, const CeaFieldFamily<Record> &family)
        : CeaExtDataBlockItem(fieldCode, index, block, image)
        , m_family(family)
    {
        setText(VyrEdidColumn::Property, text(family.title));
    }

    bool InitItems() override
    {
        Record record{};
        if (m_block)
            (m_block->*m_family.get)(m_index, &record);
        QHash<unsigned int, QTreeWidgetItem *> made;
        for (int i = 0; i < m_family.count; ++i) {
            const CeaFieldRow<Record> &entry = m_family.rows[i];
            auto *row = new CeaExtDataBlockFieldRow(entry.code, m_index, m_block, m_bytes,
                                                    text(entry.label), m_family.locate);
            made.value(entry.parent, this)->addChild(row);
            row->InitItems();
            made.insert(entry.code, row);
            if (entry.choices)
                placeChoice(row, entry, record);
            else if (entry.flag)
                placeFlag(row, entry.flag, record);
        }
        return true;
    }

    QList<EdidItemLocation> GetItemLocations() const override
    {
        return m_block ? (m_block->*m_family.locate)(~0u, m_index, m_bytes)
                       : QList<EdidItemLocation>();
    }

private:
    QString text(const char *source) const
    {
        return QCoreApplication::translate(m_family.context, source);
    }

    template <typename Change> void edit(Change change)
    {
        editRecord<Record>(m_block, m_family.get, m_family.set, change, m_index);
    }

    void placeFlag(QTreeWidgetItem *row, bool Record::*flag, const Record &record)
    {
        placeCheckBox(row, record.*flag,
                      [this, flag](bool checked) { edit([&](Record &r) { r.*flag = checked; }); });
    }

    void placeChoice(QTreeWidgetItem *row, const CeaFieldRow<Record> &entry, const Record &record)
    {
        QStringList entries;
        for (int k = 0; k < entry.choices->count; ++k)
            entries << text(entry.choices->texts[k]);
        bool Record::*flag = entry.flag;
        quint32 Record::*number = entry.number;
        const auto current = flag ? (record.*flag ? 1u : 0u) : record.*number;
        placeComboBox(row, entries, static_cast<int>(current), [this, flag, number](int k) {
            if (k < 0)
                return;
            const auto value = static_cast<unsigned int>(k);
            edit([&](Record &r) {
                if (flag)
                    r.*flag = value > 0;
                else
                    r.*number = value;
            });
        });
    }

    const CeaFieldFamily<Record> &m_family;
};
