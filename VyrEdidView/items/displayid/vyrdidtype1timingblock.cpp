#include "vyrdidtype1timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDType1TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType1Timing));
    return true;
}

void VyrDIDType1TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType1TimingBlock", name, value);
}
