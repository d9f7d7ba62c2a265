#include "vyrdidtype4timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDType4TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType4Timing));
    return true;
}

void VyrDIDType4TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType4TimingBlock", name, value);
}
