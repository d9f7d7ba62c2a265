#include "vyrdidvesatimingsblock.h"

#include "items/displayid/vyrdiddatablocktable.h"

bool VyrDIDVesaTimingsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagVesaTimings));
    return true;
}

void VyrDIDVesaTimingsBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDVesaTimingsBlock", name, value);
}
