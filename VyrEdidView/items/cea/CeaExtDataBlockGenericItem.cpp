#include "CeaExtDataBlockGenericItem.h"

#include "model/cea/ceaextblock.h"

#include <QtGlobal>

CeaExtDataBlockGenericItem::CeaExtDataBlockGenericItem(unsigned int fieldCode, unsigned int index,
                                                       CeaExtBlock *block, unsigned char *image)
    : CeaExtDataBlockItem(fieldCode, index, block, image)
{
    setText(VyrEdidColumn::Property, titleOf(fieldCode));
}

QString CeaExtDataBlockGenericItem::titleOf(unsigned int fieldCode)
{
    // By CeaBlockID 7 to 15.
    static const char *const titles[] = {
        QT_TR_NOOP("Vendor Specific Data"),
        QT_TR_NOOP("Vendor Specific Video Data"),
        QT_TR_NOOP("Vendor Specific Audio Data"),
        QT_TR_NOOP("VESA DTC Data"),
        QT_TR_NOOP("VESA Video Display Device Info"),
        QT_TR_NOOP("VESA Video Data"),
        QT_TR_NOOP("HDMI Video Data"),
        QT_TR_NOOP("CEA Miscellaneous Audio Fields"),
        QT_TR_NOOP("HDMI Audio Data"),
    };
    constexpr unsigned int first = FieldCodeBase + CeaBlockVendorSpecific;
    const unsigned int k = fieldCode - first; // wraps for codes below the first
    return k < sizeof titles / sizeof titles[0] ? tr(titles[k]) : tr("Dummy");
}

bool CeaExtDataBlockGenericItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> CeaExtDataBlockGenericItem::GetItemLocations() const
{
    return m_block ? m_block->GetGenericDataBlockLocation(~0u, m_index, 0, m_bytes)
                   : QList<EdidItemLocation>();
}
