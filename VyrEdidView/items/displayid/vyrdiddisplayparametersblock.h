#pragma once

#include "items/displayid/vyrdiditembase.h"

// The display parameters data block (tag 0x01): its title row; selecting it shows the data block's
// bytes, header included.
class VyrDIDDisplayParametersBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
