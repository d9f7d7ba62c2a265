#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// "Timing <index>": one 2-byte standard timing code (VESA E-EDID 1.4, section 3.9) with a
// StandardTimingWidget in the value column. Section 0 addresses the base block's codes (bytes
// 38 to 53), 1 to 4 a standard timing descriptor's slot number; an extension block gives the
// section its own meaning. The row only reports the user's edits (valuesChanged); its parent
// writes them.
class VyrEdidStandardTimingSubItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidStandardTimingSubItem(unsigned int index, unsigned int section, DataBlock *block);

    // Reads the code (not defined without a block, for 01 01 and for a missing descriptor) and
    // places its editor; the row must be in the tree.
    bool InitItems() override;
    // The code's two bytes; nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int index() const { return m_index; }
    unsigned int section() const { return m_section; }

signals:
    void valuesChanged(unsigned int index, StandardTiming standardTiming);

public slots:
    void onValuesChanged(StandardTiming standardTiming);

private:
    unsigned int m_index;
    unsigned int m_section;
    DataBlock *m_block;
};
