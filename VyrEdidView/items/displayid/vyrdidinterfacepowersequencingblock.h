#pragma once

#include "items/displayid/vyrdiditembase.h"

// The interface power sequencing data block (tag 0x0D): its title row; selecting it shows the data
// block's bytes, header included.
class VyrDIDInterfacePowerSequencingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
