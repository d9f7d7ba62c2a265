#pragma once

#include "items/displayid/vyrdiditembase.h"

// The Type IV DMT ID code data block (tag 0x06): its title row; selecting it shows the data block's
// bytes, header included.
class VyrDIDType4TimingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
