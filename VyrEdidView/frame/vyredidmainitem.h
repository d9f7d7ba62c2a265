#pragma once

#include "frame/vyrediditembase.h"
#include "model/vyredidblockrecogniser.h"

#include <array>
#include <memory>
#include <vector>

class QPushButton;
class VyrEdidToolButton;

// Kinds of block that addBlock() writes.
enum VyrEdidBlockTypes : int {
    VyrEdidBlockNone = 0, // nothing is written, only a rebuild
    VyrEdidBlockEdid13 = 1,
    VyrEdidBlockEdid14 = 2,
    VyrEdidBlockDisplayIdBase = 3, // version 0x11, as 4
    VyrEdidBlockDisplayIdBase11 = 4,
    VyrEdidBlockDisplayIdBase12 = 5,
    VyrEdidBlockCea = 6,
    VyrEdidBlockDiExt = 7,
    VyrEdidBlockDisplayIdExtension = 8,
    VyrEdidBlockVtb = 9
};

// The single top-level item of the EDID tree. It finds the blocks of the 512-byte image
// (VyrEdidBlockRecogniser), owns one block object and builds one block item per block, records
// where each block starts, and adds a block of a chosen kind after the last one or removes a
// block. Every change of the block list is written into the image and followed by a rebuild of
// everything below the root.
class VyrEdidMainItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // The width column needs for its widest widget, at least least pixels.
    static int neededColumnWidth(QTreeWidget *tree, int column, int least);
    // Least widths of the value column (260 pixels) and of the action column (30 pixels).
    static constexpr int LeastValueWidth = 260;
    static constexpr int LeastActionWidth = 30;
    static constexpr unsigned int ImageSize = VyrEdidBlockRecogniser::ImageSize;
    // The offset table holds MaxBlocks + 1 entries: every block's start and the last one's end.
    static constexpr unsigned int MaxBlocks = VyrEdidBlockRecogniser::MaxBlocks;

    // image: the 512-byte EDID image, owned by the view's caller.
    explicit VyrEdidMainItem(unsigned char *image);
    ~VyrEdidMainItem() override;

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Recognises the blocks and builds their items; the root's children must be gone already.
    void updateDataBlocks();
    // Writes a default block of kind at where (room bytes available), then rebuilds.
    void addBlock(VyrEdidBlockTypes kind, unsigned char *where, unsigned int room);
    // Recognises the blocks again and builds every item below the root anew. The calling item is
    // detached by it: its handler returns right after the call.
    void rebuildBlocks();

    // The root item of the tree item belongs to; null outside an EDID tree.
    static VyrEdidMainItem *rootOf(QTreeWidgetItem *item);

    unsigned int blockCount() const { return m_blockCount; }
    // Blocks the first block announces, itself included; 0 without a first block. More than
    // blockCount() when the EDID is longer than the image holds.
    unsigned int announcedBlocks();
    // Blocks the image holds: those shown, or as many as the first block announces when the
    // shown ones end before them.
    unsigned int blocksInImage();
    // Blocks the image can hold: those shown and as many 128-byte blocks as fit behind the last
    // one (at most MaxBlocks). "Add Block" is refused once blocksInImage() reaches it.
    unsigned int blocksThatFit() const;
    // Start of block index; blockOffset(blockCount()) is the end of the last block.
    unsigned int blockOffset(unsigned int index) const;
    QString title() const { return m_title; }
    VyrEdidItemBase *baseBlockItem() const { return m_baseBlockItem; }
    QPushButton *addButton() const { return m_addButton; }
    VyrEdidToolButton *baseEraseButton() const { return m_baseEraseButton; }

public slots:
    void on_btnAddBlock();
    void on_btnAddDIDBlock();
    void on_removeBlock(uint index);

protected:
    // The block item for a recognised block (its block object stays with the root): the one the
    // item families' table gives for its kind (VyrEdidBlockItems).
    virtual VyrEdidItemBase *createBlockItem(const VyrEdidRecognisedBlock &block);

private:
    // An item of the tree changed where the blocks end (a DisplayID base section that grew; the
    // tree's rebuildBlocksSignal()): every block item is detached now and built anew once control
    // is back in the event loop. Several requests before then make one rebuild.
    void onRebuildBlocksRequested();
    // Adds item as the next child, places its erase (and DisplayID add) buttons, initialises
    // it and records it; false when its InitItems() fails (the item is then taken out).
    bool appendBlockItem(VyrEdidItemBase *item, VyrEdidRecognisedBlock &block);

    QPushButton *m_addButton = nullptr;
    VyrEdidToolButton *m_baseEraseButton = nullptr;
    VyrEdidItemBase *m_baseBlockItem = nullptr;
    unsigned int m_blockCount = 0;
    std::array<unsigned int, MaxBlocks + 1> m_blockOffsets{};
    std::vector<std::unique_ptr<DataBlock>> m_blocks;
    QString m_title;
    bool m_rebuildQueued = false;
};
