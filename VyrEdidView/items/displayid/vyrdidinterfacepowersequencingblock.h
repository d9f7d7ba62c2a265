#pragma once

#include "items/displayid/vyrdiditembase.h"

// The interface power sequencing data block (tag 0x0D): the power-up and power-down delays T1
// to T6 in milliseconds, each row over its payload byte.
class VyrDIDInterfacePowerSequencingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
    QString storedText(const QString &name) const override;
};
