#pragma once

#include "items/displayid/vyrdiditembase.h"

// The video timing range limits data block (tag 0x09): pixel clock, horizontal frequency and
// blanking, vertical field rate and blanking limits, and the timing support flags of payload
// byte 14.
class VyrDIDVideoTimingRangeLimitsBlock : public VyrDIDItemBase
{
    Q_OBJECT

public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override;
    void DoEdit(const QString &name, const QVariant &value) override;
};
