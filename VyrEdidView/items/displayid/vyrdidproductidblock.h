#pragma once

#include "items/displayid/vyrdiditembase.h"

// The product identification data block (tag 0x00): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDProductIdBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
