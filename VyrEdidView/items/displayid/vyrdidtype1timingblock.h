#pragma once

#include "items/displayid/vyrdiditembase.h"

// The Type I detailed timing data block (tag 0x03): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDType1TimingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
