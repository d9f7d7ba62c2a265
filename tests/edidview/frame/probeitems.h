#pragma once

// Test block items built on the item toolkit: a ProbeItem stands for one block of the image and
// edits four bytes of it through one editor each, so the toolkit's rules (fill then connect,
// changed text only, check-state relay, one edit path, safe removal) can be seen in bytes.
//
// Rows below "Probe": "Text" (line editor, byte 16), "Box" (check box, byte 17 bit 0), "List"
// (drop-down list, byte 18 = row), "Checked" (check state of column 0, byte 19 bit 0), "Erase"
// (a tool button in the "Action" column that removes all the probe's rows, its own included)
// and "Rebuild" (a tool button that has the root build every block item anew).

#include "frame/vyrediditembase.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidwidgets.h"
#include "model/bits.h"
#include "model/datablock.h"

#include <QSet>
#include <QTreeWidgetItem>

namespace Probe {

constexpr unsigned TextByte = 16;
constexpr unsigned BoxByte = 17;
constexpr unsigned ListByte = 18;
constexpr unsigned CheckedByte = 19;

// One byte as a record, read and written through a block-like accessor.
struct ByteField
{
    unsigned value = 0;
};

// Reads and writes single bytes of a 128-byte block and keeps its checksum.
class ByteAccess
{
public:
    explicit ByteAccess(unsigned char *block)
        : m_block(block)
    {}
    bool Get(unsigned offset, ByteField *field)
    {
        if (offset >= 127)
            return false;
        field->value = m_block[offset];
        return true;
    }
    void Set(unsigned offset, ByteField *field)
    {
        m_block[offset] = static_cast<unsigned char>(field->value & 0xFFu);
        m_block[127] = DataBlock::computeOneByteCheckSum(m_block, 127);
    }

private:
    unsigned char *m_block;
};

class ProbeItem : public VyrEdidItemBase
{
public:
    ProbeItem(unsigned char *image, unsigned offset, bool initialises = true)
        : VyrEdidItemBase(image, VyrEdidItemKind::GeneralInfo)
        , m_offset(offset)
        , m_access(image + offset)
        , m_initialises(initialises)
    {
        setText(VyrEdidColumn::Property, QStringLiteral("Probe"));
    }

    bool InitItems() override
    {
        if (!m_initialises)
            return false;
        const unsigned char *block = m_bytes + m_offset;
        auto *text = addRow(QStringLiteral("Text"));
        QLineEdit *edit =
            placeLineEdit(text, QString::number(block[TextByte]), QStringLiteral("[DEC]"),
                          [this](const QString &value) { writeByte(TextByte, value.toUInt()); });
        edit->setValidator(intValidator(0, 255, edit));

        auto *box = addRow(QStringLiteral("Box"));
        placeCheckBox(box, bit(block[BoxByte], 0), [this](bool on) {
            writeByte(BoxByte, setBit(m_bytes[m_offset + BoxByte], 0, on));
        });

        auto *list = addRow(QStringLiteral("List"));
        placeComboBox(list, {QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two")},
                      block[ListByte] < 3 ? block[ListByte] : -1,
                      [this](int row) { writeByte(ListByte, unsigned(row)); });

        auto *checked = addRow(QStringLiteral("Checked"));
        placeCheckState(checked, VyrEdidColumn::Property, bit(block[CheckedByte], 0),
                        [this](bool on) {
                            writeByte(CheckedByte, setBit(m_bytes[m_offset + CheckedByte], 0, on));
                        });

        auto *erase = addRow(QStringLiteral("Erase"));
        auto *button = new EdidAddRemoveToolButton(0, false);
        placeWidget(erase, VyrEdidColumn::Action, button);
        relay(button, &EdidAddRemoveToolButton::clicked, [this]() { removeChildRows(0); });

        auto *rebuild = addRow(QStringLiteral("Rebuild"));
        auto *again = new EdidAddRemoveToolButton(0, true);
        placeWidget(rebuild, VyrEdidColumn::Action, again);
        relay(again, &EdidAddRemoveToolButton::clicked,
              [this]() { VyrEdidMainItem::rootOf(this)->rebuildBlocks(); });
        return true;
    }

    // A probe of the first block keeps the extension count in byte 126, as a base block does.
    unsigned int GetNumberOfExtentions() override { return m_offset == 0 ? m_bytes[126] : 0; }
    void SetNumberOfExtentions(unsigned int count) override
    {
        if (m_offset == 0) {
            ByteField field{count};
            m_access.Set(126, &field);
        }
    }
    unsigned int GetBlockSize() const override { return 128; }
    QList<EdidItemLocation> GetItemLocations() const override { return {{m_offset, 128}}; }

    // Handler calls that reached the edit path.
    int writes = 0;

    // The one edit path, as every item uses it.
    void writeByte(unsigned offset, unsigned value)
    {
        ++writes;
        editRecord<ByteField>(
            &m_access, &ByteAccess::Get, &ByteAccess::Set,
            [value](ByteField &field) { field.value = value; }, offset);
    }

    // Exposed toolkit parts the tests call directly.
    using VyrEdidItemBase::editRecord;
    using VyrEdidItemBase::placeCheckState;
    using VyrEdidItemBase::refillComboBox;
    using VyrEdidItemBase::removeChildRows;
    using VyrEdidItemBase::setCheckedQuietly;
    using VyrEdidItemBase::setEditorText;
    ByteAccess *access() { return &m_access; }

private:
    QTreeWidgetItem *addRow(const QString &title)
    {
        auto *row = new QTreeWidgetItem(QStringList{title});
        addChild(row);
        return row;
    }

    unsigned m_offset;
    ByteAccess m_access;
    bool m_initialises;
};

// A root item whose blocks are all shown by probes; blocks listed in failing get a probe whose
// InitItems() fails.
class ProbeRoot : public VyrEdidMainItem
{
public:
    explicit ProbeRoot(unsigned char *image, QSet<unsigned> failing = {})
        : VyrEdidMainItem(image)
        , m_failing(std::move(failing))
    {}

protected:
    VyrEdidItemBase *createBlockItem(const VyrEdidRecognisedBlock &block) override
    {
        return new ProbeItem(m_bytes, block.offset, !m_failing.contains(m_made++));
    }

private:
    QSet<unsigned> m_failing;
    unsigned m_made = 0;
};

} // namespace Probe
