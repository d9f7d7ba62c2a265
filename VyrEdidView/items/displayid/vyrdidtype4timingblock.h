#pragma once

#include "items/displayid/vyrdiditembase.h"
#include "model/displayid/displayidrecords.h"

#include <vector>

// The Type IV DMT ID code data block (tag 0x06): one row "Timing Descriptor 1-50" listing the
// codes in decimal, each after a blank. The list is shown, not edited: a changed number of
// codes would resize the data block.
class VyrDIDType4TimingBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;

private:
    // The codes read by InitItems(), in payload order.
    std::vector<DidType4DmtTimingDesc> m_codes;
};
