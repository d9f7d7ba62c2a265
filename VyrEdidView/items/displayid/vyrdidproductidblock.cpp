#include "vyrdidproductidblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDProductIdBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagProductId));
    return true;
}

void VyrDIDProductIdBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDProductIdBlock", name, value);
}
