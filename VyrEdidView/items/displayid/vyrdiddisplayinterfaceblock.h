#pragma once

#include "items/displayid/vyrdiditembase.h"

// The display interface data block (tag 0x0F): its title row; selecting it shows the data block's
// bytes, header included.
class VyrDIDDisplayInterfaceBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
