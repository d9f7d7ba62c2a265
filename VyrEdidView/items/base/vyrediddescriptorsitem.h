#pragma once

#include "frame/vyrediditembase.h"

#include <QList>
#include <QString>

#include <array>

class DataBlock;

// A descriptor kind the block may take, as the add dialog offers it.
struct DescriptorInfo
{
    DescriptorID id;
    QString name;
};

// "Descriptors": the four 18-byte descriptor slots of a base block (bytes 54 to 125), one child
// per recognised descriptor, each with a button in the "Action" column: a placeholder carries
// an add button (choose a kind the block may still take), every other descriptor an erase
// button (it becomes a placeholder). Slots count 0 to 3 here and in the block's list
// operations; the children and the block's per-descriptor operations take the slot number 1
// to 4.
class VyrEdidDescriptorsItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    static constexpr unsigned int SlotCount = 4;

    explicit VyrEdidDescriptorsItem(DataBlock *block);

    // Builds the children (updateDataBlocks()).
    bool InitItems() override;
    // Bytes 54 to 125; nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    // The name of a kind; empty for 0 and above 11.
    static QString getDescriptorName(DescriptorID id);
    // The kinds the block may take now, in id order (asked again on every call: a kind that
    // may occur once is offered only while the block holds none).
    QList<DescriptorInfo> addableDescriptors() const;

    // Builds one child per slot whose kind is recognised.
    void updateDataBlocks();

    DataBlock *block() const { return m_block; }
    // The child of slot 0 to 3; null for a slot without one.
    VyrEdidItemBase *slotChild(unsigned int slot) const;

public slots:
    // The button of slot: add = true asks for a kind and puts it into the placeholder's slot;
    // add = false turns the descriptor into a placeholder.
    void on_addremoveDescriptor(unsigned int slot, bool add);

private:
    // The child item of kind id for slot; null for a kind without one.
    VyrEdidItemBase *createChild(DescriptorID id, unsigned int slot);
    // How many detailed timing descriptors the slots before slot hold.
    unsigned int timingsBefore(unsigned int slot) const;
    // Puts child at index among the children, builds its rows and gives it its button.
    void placeChild(VyrEdidItemBase *child, int index, unsigned int slot);
    // Replaces the child of slot by the item of kind id, which the block holds now.
    void replaceChild(unsigned int slot, DescriptorID id);

    DataBlock *m_block;
    // Detailed timing children made so far; the next one's ordinal.
    std::array<VyrEdidItemBase *, SlotCount> m_slotChildren{};
};
