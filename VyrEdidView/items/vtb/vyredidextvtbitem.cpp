#include "vyredidextvtbitem.h"

#include "frame/vyredidchecksum.h"
#include "items/vtb/vyredidcoordinatedtimingssectionitem.h"
#include "items/vtb/vyrediddetailedtimingssectionitem.h"
#include "items/vtb/vyredidstandardtimingsectionitem.h"
#include "model/vtb/edidextvtb.h"

namespace {
constexpr unsigned int WholeList = ~0u;
} // namespace

VyrEdidExtVtbItem::VyrEdidExtVtbItem(unsigned char *image, unsigned int startOffset,
                                     EdidExtVtb *block)
    : VyrEdidBlockItem(image, VyrEdidItemKind::VtbExtension, startOffset, block)
    , m_block(block && block->IsChecksumValid() ? block : nullptr)
{
    setText(VyrEdidColumn::Property, block && !m_block ? tr("Invalid VTB-EXT") : tr("VTB-EXT"));
    if (block && !m_block) {
        // Why the block is invalid.
        setText(VyrEdidColumn::Value,
                tr("Checksum %1")
                    .arg(VyrEdidChecksum::text(block->GetChecksum(), block->GetComputedChecksum(),
                                               VyrEdidChecksum::twoDigits)));
        setToolTip(VyrEdidColumn::Value,
                   tr("The checksum does not match the block's bytes: the block is shown but "
                      "cannot be edited."));
    }
}

bool VyrEdidExtVtbItem::InitItems()
{
    if (!m_block)
        return true;
    VtbSectionItem *sections[] = {
        new VyrEdidDetailedTimingsSectionItem(WholeList, m_block->DTBCount(), m_block),
        new VyrEdidCoordinatedTimingsSectionItem(WholeList, m_block->CVTCount(), m_block),
        new VyrEdidStandardTimingSectionItem(WholeList, m_block->STCount(), m_block)};
    for (VtbSectionItem *section : sections) {
        addChild(section);
        if (!section->InitItems())
            removeChildRow(indexOfChild(section));
    }
    return true;
}
