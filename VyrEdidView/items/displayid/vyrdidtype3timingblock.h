#pragma once

#include "items/displayid/vyrdiditembase.h"

// The Type III timing data block (tag 0x05): one entry row (Type3TimingEntry) per 3-byte
// descriptor; a payload that is no whole number of descriptors shows none. Selecting the item
// or an entry shows the data block's bytes, header included.
class VyrDIDType3TimingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
