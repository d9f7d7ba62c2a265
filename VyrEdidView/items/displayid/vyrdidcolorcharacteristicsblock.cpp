#include "vyrdidcolorcharacteristicsblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDColorCharacteristicsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagColorChars));
    return true;
}

void VyrDIDColorCharacteristicsBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDColorCharacteristicsBlock", name, value);
}
