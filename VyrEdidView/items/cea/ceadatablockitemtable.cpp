// The one table of the tree's data block items: for each CeaBlockID, its name in the add dialog,
// the field code of its item and the item that shows it. A kind added to CeaBlockID without a row
// here fails to compile; which kinds a block may take comes from the model's table of kinds.

#include "CeaExtDataBlockAudioItem.h"
#include "CeaExtDataBlockGenericItem.h"
#include "CeaExtDataBlockVSHDMIItem.h"
#include "CeaExtDataBlockVideoItem.h"
#include "ceaextdatablockfieldsitem.h"
#include "ceaextdatablocksitem.h"
#include "model/tableorder.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <type_traits>

namespace {

struct ItemRow;
using Factory = CeaExtDataBlockItem *(*)(const ItemRow &row, unsigned int index, CeaExtBlock *block,
                                         unsigned char *image);

// One kind: its name in the add dialog (translated as CeaExtDataBlocksItem's), the field code of
// its item (the first of the codes of the item's rows), the item, and the title of a kind that the
// raw-bytes item shows (translated as CeaExtDataBlockGenericItem's; null for the other items,
// which title themselves).
struct ItemRow
{
    CeaBlockID id;
    const char *name;
    unsigned int fieldCode;
    Factory make;
    const char *title;
};

// An item of its own, built as every item of the family is: (field code, index, block, image).
template <typename Item>
CeaExtDataBlockItem *makeItem(const ItemRow &row, unsigned int index, CeaExtBlock *block,
                              unsigned char *image)
{
    return new Item(row.fieldCode, index, block, image);
}

// The item of a family of fields (ceaextdatablockfieldsitem.h) from the family's table.
template <const auto &Family>
CeaExtDataBlockItem *makeFields(const ItemRow &row, unsigned int index, CeaExtBlock *block,
                                unsigned char *image)
{
    using Record = typename std::remove_reference_t<decltype(Family)>::RecordType;
    return new CeaExtDataBlockFieldsItem<Record>(row.fieldCode, index, block, image, Family);
}

// The raw bytes of the block; a kind of no row of its own is titled by its tags.
CeaExtDataBlockItem *makeRaw(const ItemRow &row, unsigned int index, CeaExtBlock *block,
                             unsigned char *image)
{
    const QString title = row.title != nullptr
                              ? QCoreApplication::translate("CeaExtDataBlockGenericItem", row.title)
                              : QString();
    return new CeaExtDataBlockGenericItem(row.fieldCode, index, block, image, title);
}

constexpr ItemRow ItemRows[] = {
    {CeaBlockDummy, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Dummy"), 109, &makeRaw, nullptr},
    {CeaBlockAudio, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Audio Data Block"), 28,
     &makeItem<CeaExtDataBlockAudioItem>, nullptr},
    {CeaBlockVideo, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Video Data Block"), 43,
     &makeItem<CeaExtDataBlockVideoItem>, nullptr},
    {CeaBlockHdmiVsdb, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "HDMI Vendor Specific Data Block"),
     44, &makeItem<CeaExtDataBlockVSHDMIItem>, nullptr},
    {CeaBlockSpeakerAllocation,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Speaker Allocation Data Block"), 84,
     &makeFields<CeaSpeakerAllocationFields>, nullptr},
    {CeaBlockVideoCapability,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Video Capability Data Block"), 98,
     &makeFields<CeaVideoCapabilityFields>, nullptr},
    {CeaBlockColorimetry, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Colorimetry Data Block"), 104,
     &makeFields<CeaColorimetryFields>, nullptr},
    {CeaBlockVendorSpecific,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Vendor Specific Data Block"), 116, &makeRaw,
     QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "Vendor Specific Data")},
    {CeaBlockVendorSpecificVideo,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Vendor-Specific Video Data Block"), 117, &makeRaw,
     QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "Vendor Specific Video Data")},
    {CeaBlockVendorSpecificAudio,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "Vendor-Specific Audio Data Block"), 118, &makeRaw,
     QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "Vendor Specific Audio Data")},
    {CeaBlockVesaDtc, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "VESA DTC Data Block"), 119,
     &makeRaw, QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "VESA DTC Data")},
    {CeaBlockVesaVideoDisplayDevice,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "VESA Video Display Device Info"), 120, &makeRaw,
     QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "VESA Video Display Device Info")},
    {CeaBlockVesaVideo, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "VESA Video Data Block"), 121,
     &makeRaw, QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "VESA Video Data")},
    {CeaBlockHdmiVideo, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "HDMI Video Data Block"), 122,
     &makeRaw, QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "HDMI Video Data")},
    {CeaBlockMiscAudioFields,
     QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "CEA Miscellaneous Audio Fields"), 123, &makeRaw,
     QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "CEA Miscellaneous Audio Fields")},
    {CeaBlockHdmiAudio, QT_TRANSLATE_NOOP("CeaExtDataBlocksItem", "HDMI Audio Data Block"), 124,
     &makeRaw, QT_TRANSLATE_NOOP("CeaExtDataBlockGenericItem", "HDMI Audio Data")},
};

// Every kind has its row at its own index (a missing row is a zero row, out of place) and a name.
// A kind that the raw-bytes item shows without a title here is titled by its tags.
constexpr bool rowsInKindOrder()
{
    if (!rowsInKeyOrder(ItemRows, &ItemRow::id, CeaBlockKindCount))
        return false;
    for (const ItemRow &row : ItemRows) {
        if (row.name[0] == '\0')
            return false;
    }
    return true;
}
static_assert(rowsInKindOrder(), "every CeaBlockID has one row, in the order of the enum");

const ItemRow &itemRow(CeaBlockID id)
{
    return ItemRows[id < CeaBlockKindCount ? id : CeaBlockDummy];
}

} // namespace

QString CeaExtDataBlocksItem::getDataBlockName(CeaBlockID id)
{
    return tr(itemRow(id).name);
}

CeaExtDataBlockItem *CeaExtDataBlocksItem::createDataBlockItem(CeaBlockID id, unsigned int index,
                                                               CeaExtBlock *block,
                                                               unsigned char *image)
{
    if (id >= CeaBlockKindCount)
        return nullptr;
    const ItemRow &row = itemRow(id);
    return row.make(row, index, block, image);
}
