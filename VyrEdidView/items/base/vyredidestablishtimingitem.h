#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// The established timings of a base block (section 0: bytes 35 to 37) or of an established
// timings III descriptor (section = its slot number). The item shows its title and reports the
// group's bytes.
class VyrEdidEstablishTimingItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidEstablishTimingItem(unsigned int section, DataBlock *block);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }

    unsigned int section() const { return m_section; }

private:
    unsigned int m_section;
    DataBlock *m_block;
};
