#include "vyrdidtype3timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDType3TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType3Timing));
    return true;
}

void VyrDIDType3TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType3TimingBlock", name, value);
}
