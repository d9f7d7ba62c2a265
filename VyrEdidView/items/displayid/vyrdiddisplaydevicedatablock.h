#pragma once

#include "items/displayid/vyrdiditembase.h"

class VyrDIDComboBoxItem;

// The display device data block (tag 0x0C, DisplayID 1.3 section 4.13): display technology and
// sub-type, operating mode, backlight, native pixel count, pixel pitch, colour depth, response
// time, orientation and sub-pixel layout. The aspect ratio (payload byte 6) has no row.
class VyrDIDDisplayDeviceDataBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;

private:
    // Fills the sub-type cell with the list of technology (no report of the change) and
    // selects subType; answers the value of the list's first entry.
    int fillSubTypes(unsigned int technology, unsigned int subType);

    // The sub-type cell, refilled when the technology changes; owned by the tree.
    VyrDIDComboBoxItem *m_subType = nullptr;
};
