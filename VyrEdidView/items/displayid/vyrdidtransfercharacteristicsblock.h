#pragma once

#include "items/displayid/vyrdiditembase.h"

// The transfer characteristics data block (tag 0x0E): its title only; selecting it shows the
// data block's bytes. No decoder of its content exists.
class VyrDIDTransferCharacteristicsBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
