#pragma once

#include "items/displayid/vyrdiditembase.h"

// The product serial number data block (tag 0x0A): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDProductSerialNumberBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
