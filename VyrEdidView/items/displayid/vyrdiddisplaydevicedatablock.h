#pragma once

#include "items/displayid/vyrdiditembase.h"

// The display device data data block (tag 0x0C): its title row; selecting it shows the data block's
// bytes, header included.
class VyrDIDDisplayDeviceDataBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
