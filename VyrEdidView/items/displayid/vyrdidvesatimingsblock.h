#pragma once

#include "items/displayid/vyrdiditembase.h"

// The VESA timing standard data block (tag 0x07): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDVesaTimingsBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
