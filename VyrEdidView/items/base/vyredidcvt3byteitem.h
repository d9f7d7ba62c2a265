#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// "CVT 3Byte Timings": a list of 3-byte CVT timing codes (VESA E-EDID 1.4, section 3.10.3.8),
// one VyrEdidCVT3ByteSubItem row with a CvtTimingWidget per code. Section 1 to 4: the four
// codes of the CVT 3-byte code descriptor in that slot number of an EDID 1.4 base block (from
// its byte 6); section 0: the block's index-based codes. An edit is written through the block's
// setter (which keeps the checksum) and notified.
class VyrEdidCVT3ByteItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidCVT3ByteItem(unsigned int section, unsigned int count, DataBlock *block);

    // Builds count rows when the item is in the tree and has a block that decodes its codes
    // (an EDID 1.3 block does not decode the descriptor); otherwise nothing. Always true.
    bool InitItems() override;
    // A descriptor: its 18 bytes; section 0: the block's answer for all its codes. Nothing
    // without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }
    unsigned int section() const { return m_section; }
    unsigned int count() const { return m_count; }

public slots:
    // Writes code aIdx; a code that encodes to the bytes already stored writes nothing and
    // sends no notification (the editor reports the values it held before a change, too).
    void onTimingChanged(unsigned int aIdx, const Cvt3ByteTiming &aTiming);

private:
    unsigned int m_section;
    unsigned int m_count;
    DataBlock *m_block;
};
