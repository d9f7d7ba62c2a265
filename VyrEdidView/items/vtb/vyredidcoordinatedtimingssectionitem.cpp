#include "vyredidcoordinatedtimingssectionitem.h"

#include "items/base/vyredidcvt3bytesubitem.h"
#include "model/vtb/edidextvtb.h"
#include "widgets/cvttimingwidget.h"

VyrEdidCoordinatedTimingsSectionItem::VyrEdidCoordinatedTimingsSectionItem(unsigned int index,
                                                                           unsigned int count,
                                                                           DataBlock *block)
    : VtbSectionItem(VyrEdidItemKind::Cvt3Byte, index, count, block)
{
    setText(VyrEdidColumn::Property, tr("Coordinated Video Timings Info"));
}

QList<EdidItemLocation> VyrEdidCoordinatedTimingsSectionItem::GetItemLocations() const
{
    return m_block ? m_block->GetCvt3ByteTimingLocation(m_entryIndex, m_entryIndex)
                   : QList<EdidItemLocation>();
}

unsigned int VyrEdidCoordinatedTimingsSectionItem::countInBlock() const
{
    return m_block ? m_block->CVTCount() : 0;
}

bool VyrEdidCoordinatedTimingsSectionItem::allowNew() const
{
    return vtb() && vtb()->AllowNewCVT();
}

QTreeWidgetItem *VyrEdidCoordinatedTimingsSectionItem::buildRow(unsigned int index)
{
    Cvt3ByteTiming timing{};
    if (m_block)
        m_block->GetCvt3ByteTiming(index, &timing);
    auto *editor = new CvtTimingWidget(&timing, index);
    auto *row = new VyrEdidCVT3ByteSubItem(index, m_block);
    addChild(row);
    row->setText(VyrEdidColumn::Property, tr("CVT 3Byte Timing %1").arg(index));
    placeWidget(row, VyrEdidColumn::Value, editor);
    relay(editor, &CvtTimingWidget::editFinished,
          [this](unsigned int entry, const Cvt3ByteTiming &edited) {
              onUpdateItemData(entry, edited);
          });
    return row;
}

void VyrEdidCoordinatedTimingsSectionItem::onAddCVT()
{
    changeEntries([](EdidExtVtb &block) { block.AddCVT(); });
}

void VyrEdidCoordinatedTimingsSectionItem::onRemoveCVT(unsigned int index, bool isAddButton)
{
    Q_UNUSED(isAddButton)
    changeEntries([index](EdidExtVtb &block) { block.RemoveCVT(index); });
}

void VyrEdidCoordinatedTimingsSectionItem::onUpdateItemData(unsigned int index,
                                                            const Cvt3ByteTiming &timing)
{
    if (cvtAwaitingLines(timing))
        return;
    editRecord<Cvt3ByteTiming>(
        vtb(), &EdidExtVtb::GetCvt3ByteTiming, &EdidExtVtb::SetCvt3ByteTiming,
        [&timing](Cvt3ByteTiming &code) { code = timing; }, index);
}
