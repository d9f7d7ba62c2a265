#pragma once

#include "items/displayid/vyrdiditembase.h"

// The general-purpose ASCII string data block (tag 0x0B): its title row; selecting it shows the
// data block's bytes, header included.
class VyrDIDGeneralAsciiStringBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
