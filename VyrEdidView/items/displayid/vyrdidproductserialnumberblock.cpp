#include "vyrdidproductserialnumberblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "model/displayid/displayidblock.h"

bool VyrDIDProductSerialNumberBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagSerialNumber));
    initTextRow(&DisplayIDBlock::GetProductSerialNumberDataBlock);
    return true;
}

QString VyrDIDProductSerialNumberBlock::storedText(const QString &) const
{
    return storedTextOf(&DisplayIDBlock::GetProductSerialNumberDataBlock);
}

void VyrDIDProductSerialNumberBlock::DoEdit(const QString &name, const QVariant &value)
{
    Q_UNUSED(name)
    editText(value, &DisplayIDBlock::GetProductSerialNumberDataBlock,
             &DisplayIDBlock::SetProductSerialNumberDataBlock, [] {
                 VyrUiService::instance()->message(VyrUiService::Icon::Critical, tr("Error"),
                                                   tr("String is too long!!!"));
             });
}
