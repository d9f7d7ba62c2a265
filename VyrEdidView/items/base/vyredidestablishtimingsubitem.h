#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// One established timing bit: the timing's name from the block model and a check box that is
// checked while the block supports it. Row index i stands for bit 7 - i mod 8 of byte i / 8 of
// the group's bytes: bytes 35 to 37 of the base block (section 0) or the bytes from byte 6 of
// an established timings III descriptor (section = its slot number). The row only reports the
// user's changes (checkStateChanged); its parent writes them.
class VyrEdidEstablishTimingSubItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidEstablishTimingSubItem(unsigned int index, unsigned int section, DataBlock *block);

    // Places the check box; the row must be in the tree. Without a block the name stays empty
    // and the box unchecked.
    bool InitItems() override;
    // The byte that holds the bit; nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int index() const { return m_index; }

signals:
    void checkStateChanged(unsigned int index, bool state);

public slots:
    void onChecked(bool state);

private:
    unsigned int m_index;
    unsigned int m_section;
    DataBlock *m_block;
};
