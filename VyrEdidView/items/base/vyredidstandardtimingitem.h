#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// The standard timings of a base block (section 0: the eight codes of bytes 38 to 53) or of a
// standard timing descriptor (section = its slot number, six codes). The item shows its title
// and reports the group's bytes.
class VyrEdidStandardTimingItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidStandardTimingItem(unsigned int section, unsigned int count, DataBlock *block);

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
