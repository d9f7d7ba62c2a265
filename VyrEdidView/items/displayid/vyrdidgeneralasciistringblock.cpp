#include "vyrdidgeneralasciistringblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDGeneralAsciiStringBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagAsciiString));
    return true;
}

void VyrDIDGeneralAsciiStringBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDGeneralAsciiStringBlock", name, value);
}
