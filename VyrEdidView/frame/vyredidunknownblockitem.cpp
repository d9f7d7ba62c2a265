#include "vyredidunknownblockitem.h"

#include "frame/vyredidkinds.h"
#include "model/vyredidblockrecogniser.h"

VyrEdidUnknownBlockItem::VyrEdidUnknownBlockItem(unsigned char *image, unsigned int startOffset)
    : VyrEdidBlockItem(image, VyrEdidItemKind::UnknownExtension, startOffset, nullptr)
{
    // Byte 0 of an extension block is its tag.
    const unsigned int tag = image ? image[startOffset] : 0u;
    setText(VyrEdidColumn::Property,
            tr("Unknown Extension (Tag 0x%1)").arg(QString::asprintf("%02X", tag)));
}

unsigned int VyrEdidUnknownBlockItem::GetBlockSize() const
{
    return VyrEdidBlockRecogniser::ExtensionSize;
}
