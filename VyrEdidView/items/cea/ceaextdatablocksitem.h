#pragma once

#include "ceaextlistitem.h"
#include "model/cea/ceadatablocks.h"

#include <QList>

class CeaExtDataBlockItem;

// "Data Blocks": the data block collection of a CEA-861 extension (CTA-861-G, section 7.5), one
// item per data block chosen by its kind, each with a remove button, and an add button on the
// list's row while the block takes one more data block (revision 3 or later, at least 2 free
// bytes, fewer than nine data blocks). The add button offers the kinds that fit the block at that
// moment. Adding and removing go through the block, then every data block row is built again, so
// each item's index and its remove button match the data block's place.
class CeaExtDataBlocksItem : public CeaExtListItem
{
    Q_OBJECT

public:
    CeaExtDataBlocksItem(unsigned int startOffset, CeaExtBlock *block, unsigned char *image);

    bool InitItems() override;
    // Builds the data block rows again from the block.
    void updateBlockData();

    // The display name of a kind ("Dummy" for 0 and unknown kinds); from the table of data
    // block items (ceadatablockitemtable.cpp).
    static QString getDataBlockName(CeaBlockID id);
    // The kinds a new data block may have now, in ascending id order.
    QList<CeaDataBlockInfo> addableKinds() const;
    // The item of data block index of kind id (its title row, its rows), as the table of data
    // block items says; kind 0 (no known kind) gets the raw-bytes item; null for an id outside
    // the kinds.
    static CeaExtDataBlockItem *createDataBlockItem(CeaBlockID id, unsigned int index,
                                                    CeaExtBlock *block, unsigned char *image);

    unsigned int blockCount() const { return m_blockCount; }

public slots:
    // Offers the addable kinds and adds the one chosen; both arguments are ignored.
    void onAddDataBlock(unsigned int index, bool add);
    // Removes data block index; the role is ignored.
    void onRemoveDataBlock(unsigned int index, bool add);

protected:
    bool allowAdd() const override;

private:
    unsigned int m_blockCount = 0;
};
