#include "vyrdidgeneralasciistringblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "model/displayid/displayidblock.h"

bool VyrDIDGeneralAsciiStringBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagAsciiString));
    initTextRow(&DisplayIDBlock::GetGeneralPurposeAsciiDataBlock);
    return true;
}

QString VyrDIDGeneralAsciiStringBlock::storedText(const QString &) const
{
    return storedTextOf(&DisplayIDBlock::GetGeneralPurposeAsciiDataBlock);
}

void VyrDIDGeneralAsciiStringBlock::DoEdit(const QString &name, const QVariant &value)
{
    Q_UNUSED(name)
    editText(value, &DisplayIDBlock::GetGeneralPurposeAsciiDataBlock,
             &DisplayIDBlock::SetGeneralPurposeAsciiDataBlock, [] {
                 VyrUiService::instance()->message(VyrUiService::Icon::Warning, QString(),
                                                   tr("String is too long!!!"));
             });
}
