#include "vyrdidproductserialnumberblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDProductSerialNumberBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagSerialNumber));
    return true;
}

void VyrDIDProductSerialNumberBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDProductSerialNumberBlock", name, value);
}
