#pragma once

#include "frame/vyrediditembase.h"

class DataBlock;

// "Standard Timings Info": the standard timings of a base block (section 0: the eight codes of
// bytes 38 to 53) or of a standard timing descriptor (section = its slot number, six codes from
// its byte 5), one VyrEdidStandardTimingSubItem row per code. An edit is written through the
// block's SetStandardTiming (which keeps the checksum) and notified.
class VyrEdidStandardTimingItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidStandardTimingItem(unsigned int section, unsigned int count, DataBlock *block);

    // Builds count rows; the item must be in the tree.
    bool InitItems() override;
    // Section 0: bytes 38 to 53; a descriptor: its 18 bytes. Nothing without a block.
    QList<EdidItemLocation> GetItemLocations() const override;

    DataBlock *block() const { return m_block; }

    unsigned int section() const { return m_section; }
    unsigned int count() const { return m_count; }

public slots:
    // Writes code index; a code that encodes to the bytes already stored writes nothing and
    // sends no notification (an editor confirmed without a change).
    void onUpdateItemData(unsigned int index, StandardTiming standardTiming);

private:
    unsigned int m_section;
    unsigned int m_count;
    DataBlock *m_block;
};
