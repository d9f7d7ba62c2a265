#include "vyrdiddisplaydevicedatablock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDDisplayDeviceDataBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagDeviceData));
    return true;
}

void VyrDIDDisplayDeviceDataBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDDisplayDeviceDataBlock", name, value);
}
