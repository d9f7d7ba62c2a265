#pragma once

#include "items/displayid/vyrdiditembase.h"

// The Type II detailed timing data block (tag 0x04): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDType2TimingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
