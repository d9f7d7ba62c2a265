#include "vyrdidvideotimingrangelimitsblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDVideoTimingRangeLimitsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagRangeLimits));
    return true;
}

void VyrDIDVideoTimingRangeLimitsBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDVideoTimingRangeLimitsBlock", name, value);
}
