#pragma once

#include "items/displayid/vyrdiditembase.h"

// The video timing range limits data block (tag 0x09): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDVideoTimingRangeLimitsBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
