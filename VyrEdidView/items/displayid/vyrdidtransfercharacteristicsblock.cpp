#include "vyrdidtransfercharacteristicsblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDTransferCharacteristicsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagTransferChars));
    return true;
}

void VyrDIDTransferCharacteristicsBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDTransferCharacteristicsBlock", name, value);
}
