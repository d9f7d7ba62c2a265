#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// "Established Timings Info": the established timings of a base block (section 0: the 17 bits
// of bytes 35 to 37, established timings I and II and the manufacturer's timing) or of an
// established timings III descriptor (section = its slot number: the 44 bits from its byte 6),
// one VyrEdidEstablishTimingSubItem row per bit. A change is written through the block's
// SetEstablishedTimingSupport with the item's own section (which keeps the checksum) and
// notified.
class VyrEdidEstablishTimingItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidEstablishTimingItem(unsigned int section, DataBlock *block);

    // Builds one row per bit; the item must be in the tree. A descriptor that the block does
    // not decode (established timings III in an EDID 1.3 block) gets no rows.
    bool InitItems() override;
    // Section 0: bytes 35 to 37; a descriptor: its 18 bytes. Nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }

    unsigned int section() const { return m_section; }

public slots:
    void onUpdateItemData(unsigned int index, bool state);

private:
    unsigned int rowCount() const;

    unsigned int m_section;
    DataBlock *m_block;
};
