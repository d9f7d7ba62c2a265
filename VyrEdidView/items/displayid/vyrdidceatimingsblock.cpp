#include "vyrdidceatimingsblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDCEATimingsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagCeaTimings));
    return true;
}

void VyrDIDCEATimingsBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDCEATimingsBlock", name, value);
}
