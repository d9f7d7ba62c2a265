#pragma once

#include "vyrediddtdfieldsitem.h"

class CeaExtBlock;

// One detailed timing descriptor of a CEA-861 extension, titled "Detailed Timings Info", with
// its eighteen field rows (CeaExtDetiledTimingSubChildItem, codes 10 to 27). The descriptor is
// addressed by its number: when the list moves descriptors it rebuilds its rows.
class CeaExtDetiledTimingSubItem : public VyrEdidDtdFieldsItem
{
    Q_OBJECT

public:
    // The field code of the descriptor row itself: the whole 18 bytes.
    static constexpr unsigned int FieldCode = 9;

    // index: the descriptor's number in the block (0 = the first after the data blocks).
    CeaExtDetiledTimingSubItem(unsigned int index, CeaExtBlock *block, unsigned char *image);

    // Builds the field rows; false without a block (or when the block has no such descriptor).
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int index() const { return m_dtdIndex; }

protected:
    VyrEdidItemBase *createFieldRow(unsigned int field) override;

private:
    CeaExtBlock *m_block;
};
