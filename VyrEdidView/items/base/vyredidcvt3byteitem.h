#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// "CVT 3Byte Timings": a list of 3-byte CVT timing codes (VESA E-EDID 1.4, section 3.10.3.8),
// of a CVT 3-byte code descriptor (section = its slot number) or of an extension block. The
// item shows its title and reports the bytes of the codes.
class VyrEdidCVT3ByteItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidCVT3ByteItem(unsigned int section, unsigned int count, DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }
    unsigned int section() const { return m_section; }
    unsigned int count() const { return m_count; }

private:
    unsigned int m_section;
    unsigned int m_count;
    DataBlock *m_block;
};
