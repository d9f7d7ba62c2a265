#pragma once

#include "items/displayid/vyrdiditembase.h"

// The stereo display interface data block (tag 0x10): its stereo interface method (payload
// byte 1) in the row "Interface Method". The method is only shown: the list is disabled, since
// a method change would also change the method's parameters and the payload length.
class VyrDIDStereoDisplayInterfaceBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
