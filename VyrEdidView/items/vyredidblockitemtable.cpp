// The one table of the block items: for each kind of block the root recognises, the item class
// of its family. A kind added to VyrEdidBlockKind without a row here fails to compile.

#include "frame/vyredidblockitems.h"
#include "frame/vyredidunknownblockitem.h"
#include "items/base/vyrbaseblockitem.h"
#include "items/cea/vyredidceaextblockitem.h"
#include "items/diext/vyrediddiextblockitem.h"
#include "items/displayid/vyrediddispidblockitem.h"
#include "items/vtb/vyredidextvtbitem.h"
#include "model/base/edid13block.h"
#include "model/base/edid14block.h"
#include "model/cea/ceaextblock.h"
#include "model/diext/diextblock.h"
#include "model/displayid/displayidblock.h"
#include "model/tableorder.h"
#include "model/vtb/edidextvtb.h"

#include <cstddef>

namespace {

using Kind = VyrEdidBlockKind;
using Recognised = VyrEdidRecognisedBlock;

// The block object of a recognised block, as the class its kind says it is.
template <typename Block> Block *blockObject(const Recognised &block)
{
    return static_cast<Block *>(block.block.get());
}

VyrEdidItemBase *displayIdBase(unsigned char *image, const Recognised &block)
{
    return new VyrEdidDispIdBlockItem(true, image, block.offset,
                                      blockObject<DisplayIDBlock>(block));
}

VyrEdidItemBase *edid14(unsigned char *image, const Recognised &block)
{
    return new VyrEdidBaseBlockItem(image, nullptr, blockObject<Edid14Block>(block));
}

VyrEdidItemBase *edid13(unsigned char *image, const Recognised &block)
{
    return new VyrEdidBaseBlockItem(image, blockObject<Edid13Block>(block), nullptr);
}

VyrEdidItemBase *displayIdExtension(unsigned char *image, const Recognised &block)
{
    DisplayIDBlock *section = blockObject<DisplayIDBlock>(block);
    // Adds nothing to an extension section (the product type says which blocks a base section
    // needs).
    DisplayID_Section_Header header;
    section->AddMandatoryBlocks(&header);
    return new VyrEdidDispIdBlockItem(false, image, block.offset, section);
}

VyrEdidItemBase *ceaExtension(unsigned char *image, const Recognised &block)
{
    return new VyrEdidCeaExtBlockItem(image, block.offset, blockObject<CeaExtBlock>(block));
}

VyrEdidItemBase *diExtension(unsigned char *image, const Recognised &block)
{
    return new VyrEdidDiExtBlockItem(image, block.offset, blockObject<DiExtBlock>(block));
}

VyrEdidItemBase *vtbExtension(unsigned char *image, const Recognised &block)
{
    return new VyrEdidExtVtbItem(image, block.offset, blockObject<EdidExtVtb>(block));
}

// A block no block class reads keeps its bytes as they are: the frame's row of its own.
VyrEdidItemBase *unknownExtension(unsigned char *image, const Recognised &block)
{
    return new VyrEdidUnknownBlockItem(image, block.offset);
}

struct BlockItemRow
{
    Kind kind;
    VyrEdidBlockItems::Factory factory;
};

// clang-format off
constexpr BlockItemRow BlockItemRows[] = {
    {Kind::None,               nullptr},
    {Kind::DisplayIdBase,      &displayIdBase},
    {Kind::Edid14,             &edid14},
    {Kind::Edid13,             &edid13},
    {Kind::DisplayIdExtension, &displayIdExtension},
    {Kind::CeaExtension,       &ceaExtension},
    {Kind::DiExtension,        &diExtension},
    {Kind::VtbExtension,       &vtbExtension},
    {Kind::Unknown,            &unknownExtension},
};
// clang-format on

// The rows as the frame reads them, each at its kind's number: no kind without a row, no row out
// of place.
static_assert(rowsInKeyOrder(BlockItemRows, &BlockItemRow::kind, VyrEdidBlockItems::KindCount),
              "every VyrEdidBlockKind has one row, in the order of the enum");

constexpr VyrEdidBlockItems::Table blockItemTable()
{
    VyrEdidBlockItems::Table table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = BlockItemRows[i].factory;
    return table;
}

constexpr VyrEdidBlockItems::Table BlockItemTable = blockItemTable();

} // namespace

// Installed before main() runs. Nothing calls into this file, so the items library has every
// program that links it keep the file all the same (--undefined=vyrEdidBlockItemTable, see its
// CMakeLists.txt).
extern "C" const bool vyrEdidBlockItemTable = VyrEdidBlockItems::install(BlockItemTable);
