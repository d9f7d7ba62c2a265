#pragma once

#include "items/displayid/vyrdiditembase.h"

// The colour characteristics data block (tag 0x02): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDColorCharacteristicsBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
