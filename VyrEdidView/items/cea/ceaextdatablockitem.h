#pragma once

#include "frame/vyrediditembase.h"

#include <QStringList>

class CeaExtBlock;

// Base of the items of single data blocks of a CEA-861 extension: the block's field code (which
// kind of item, see CeaExtDataBlocksItem), its index in the data block collection and the
// extension's block object. The data block list makes one per data block and rebuilds them all
// after any add or remove, so the index always names the item's own data block.
class CeaExtDataBlockItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    unsigned int fieldCode() const { return m_fieldCode; }
    unsigned int dataBlockIndex() const { return m_index; }
    CeaExtBlock *block() const { return m_block; }

protected:
    // The field code comes first, as every item of the family is built with
    // (field code, data block index, block, image).
    CeaExtDataBlockItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                        unsigned char *image);

    // The choices of a count combo box: 0 to last as decimal text.
    static QStringList decimalCounts(unsigned int last);

    unsigned int m_index;
    unsigned int m_fieldCode;
    CeaExtBlock *m_block;
};
