#pragma once

#include "items/base/vyrediddetiledtimingitem.h"

class CeaExtBlock;

// One detailed timing descriptor of a CEA-861 extension, titled "Detailed Timings Info": the
// eighteen field rows and editors of a base block descriptor, with rows that are
// CeaExtDetiledTimingSubChildItem (field codes 10 to 27) and bytes located in the extension.
// The descriptor is addressed by its number: when the list moves descriptors it rebuilds its
// rows.
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class CeaExtDetiledTimingSubItem : public VyrEdidDetiledTimingItem
{
    Q_OBJECT

public:
    // The field code of the descriptor row itself: the whole 18 bytes.
    static constexpr unsigned int FieldCode = 9;

    // index: the descriptor's number in the block (0 = the first after the data blocks);
    // image: the start of the EDID image.
    CeaExtDetiledTimingSubItem(unsigned int index, CeaExtBlock *block, unsigned char *image);

    // InitItems() (inherited) builds the field rows; false without a block or descriptor.
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int index() const { return m_slotNumber; }

protected:
    VyrEdidItemBase *createFieldRow(unsigned int code) override;

private:
    CeaExtBlock *m_ceaBlock;
};
