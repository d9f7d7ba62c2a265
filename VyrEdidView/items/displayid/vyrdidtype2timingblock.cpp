#include "vyrdidtype2timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDType2TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType2Timing));
    return true;
}

void VyrDIDType2TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType2TimingBlock", name, value);
}
