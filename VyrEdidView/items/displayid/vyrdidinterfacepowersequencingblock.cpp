#include "vyrdidinterfacepowersequencingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDInterfacePowerSequencingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagPowerSequencing));
    return true;
}

void VyrDIDInterfacePowerSequencingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDInterfacePowerSequencingBlock", name, value);
}
