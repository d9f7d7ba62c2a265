#include "vyrdiddisplayinterfaceblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDDisplayInterfaceBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagDisplayInterface));
    return true;
}

void VyrDIDDisplayInterfaceBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDDisplayInterfaceBlock", name, value);
}
