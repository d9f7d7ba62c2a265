#include "vyredidcolormgmtitem.h"

#include "items/base/vyredidcolormgmtsubitem.h"
#include "model/base/edidbaserecords.h"
#include "model/datablock.h"

#include <QLineEdit>

namespace {

// The record field of each row code.
double ColorManagement::*const Coefficients[VyrEdidColorMgmtItem::CoefficientCount] = {
    &ColorManagement::redA2, &ColorManagement::greenA2, &ColorManagement::blueA2,
    &ColorManagement::redA3, &ColorManagement::greenA3, &ColorManagement::blueA3,
};

// 16 bits in units of 0.01.
constexpr double Limit = 327.67;

} // namespace

// The colour management item shares the kind code of the descriptor list.
VyrEdidColorMgmtItem::VyrEdidColorMgmtItem(unsigned int slotNumber, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::Descriptors, slotNumber, block)
{
    setText(VyrEdidColumn::Property, tr("Color Management"));
}

bool VyrEdidColorMgmtItem::InitItems()
{
    ColorManagement record{};
    if (!m_block || !m_block->GetColorManagement(m_slotNumber, &record))
        return true;
    QValidator *validator = doubleValidator(-Limit, Limit, 2, this);
    for (unsigned int code = 0; code < CoefficientCount; ++code) {
        auto *row = new VyrEdidColorMgmtSubItem(code, m_slotNumber, m_block);
        addChild(row);
        row->InitItems();
        QLineEdit *edit = placeLineEdit(row, QString::number(record.*Coefficients[code], 'f', 2),
                                        tr("[FLT"), [this, code]() { onDataChanged(code); });
        edit->setValidator(validator);
        edit->setToolTip(tr("Valid Range -327.67 --> +327.67"));
        m_edits[code] = edit;
    }
    return true;
}

void VyrEdidColorMgmtItem::onDataChanged(unsigned int code)
{
    if (code >= CoefficientCount || !m_edits[code])
        return;
    const double value = m_edits[code]->text().toDouble();
    const auto field = Coefficients[code];
    editRecord<ColorManagement>(
        m_block, &DataBlock::GetColorManagement, &DataBlock::SetColorManagement,
        [field, value](ColorManagement &record) { record.*field = value; }, m_slotNumber);
}
