#include "vyrdiddisplayparametersblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDDisplayParametersBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagDisplayParams));
    return true;
}

void VyrDIDDisplayParametersBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDDisplayParametersBlock", name, value);
}
