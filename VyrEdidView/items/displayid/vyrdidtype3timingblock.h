#pragma once

#include "items/displayid/vyrdiditembase.h"

// The Type III short timing data block (tag 0x05): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDType3TimingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
