#include "vyredidcolorcharsitem.h"

#include "items/base/vyredidcolorcharssubitem.h"
#include "model/base/edid14block.h"

#include <QLineEdit>

#include <cmath>

namespace {

using Code = VyrEdidColorCharsSubItem::Code;

// The record field of each row code (rows list the x values first, the record pairs x and y).
unsigned ColorCharacteristics::*const Fields[Code::CodeCount] = {
    &ColorCharacteristics::redX,   &ColorCharacteristics::greenX, &ColorCharacteristics::blueX,
    &ColorCharacteristics::whiteX, &ColorCharacteristics::redY,   &ColorCharacteristics::greenY,
    &ColorCharacteristics::blueY,  &ColorCharacteristics::whiteY};

constexpr unsigned MaximumCode = 1023;

QString coordinateText(unsigned code)
{
    return QString::number(double(VyrEdidColorCharsItem::colorToFloat(code)), 'f', 3);
}

} // namespace

VyrEdidColorCharsItem::VyrEdidColorCharsItem(unsigned char *block, Edid13Block *edid13,
                                             Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::ColorChars, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("Color Characteristics Info"));
}

bool VyrEdidColorCharsItem::InitItems()
{
    // The slot of each row code.
    static void (VyrEdidColorCharsItem::*const Slots[Code::CodeCount])() = {
        &VyrEdidColorCharsItem::onRedX,  &VyrEdidColorCharsItem::onGreenX,
        &VyrEdidColorCharsItem::onBlueX, &VyrEdidColorCharsItem::onWhiteX,
        &VyrEdidColorCharsItem::onRedY,  &VyrEdidColorCharsItem::onGreenY,
        &VyrEdidColorCharsItem::onBlueY, &VyrEdidColorCharsItem::onWhiteY};
    for (unsigned code = 0; code < Code::CodeCount; ++code) {
        auto *row = addGroupRow<VyrEdidColorCharsSubItem>(code);
        const auto slot = Slots[code];
        QLineEdit *edit =
            placeLineEdit(row, QString(), tr("[FLT]"), [this, slot]() { (this->*slot)(); });
        edit->setMinimumWidth(40);
        edit->setMaximumWidth(60);
        edit->setValidator(doubleValidator(0.001, 0.999, 3, edit));
        edit->setToolTip(tr("Valid Range 0 --> 1 excluding 0 and 1"));
        m_editors[code] = edit;
    }
    UpdateItemData();
    return true;
}

QList<EdidItemLocation> VyrEdidColorCharsItem::GetItemLocations() const
{
    return model() ? model()->GetColorCharacteristicsLocation(~0u) : QList<EdidItemLocation>();
}

void VyrEdidColorCharsItem::UpdateItemData()
{
    Edid13Block *block = model();
    if (!block || !m_editors[0])
        return;
    ColorCharacteristics colors{};
    block->GetColorCharacteristics(&colors);
    for (unsigned code = 0; code < Code::CodeCount; ++code)
        setEditorText(m_editors[code], coordinateText(colors.*Fields[code]));
}

float VyrEdidColorCharsItem::colorToFloat(unsigned int code)
{
    return float(code) * (1.0f / 1024.0f);
}

unsigned int VyrEdidColorCharsItem::colorStrToUint(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0.0))
        return 0;
    const double code = std::floor(value * 1024.0 + 0.5);
    return code >= MaximumCode ? MaximumCode : unsigned(code);
}

void VyrEdidColorCharsItem::editCoordinate(unsigned int code)
{
    Edid13Block *block = model();
    if (!block)
        return;
    const unsigned value = colorStrToUint(m_editors[code]->text());
    editRecord<ColorCharacteristics>(
        block, &Edid13Block::GetColorCharacteristics, &Edid13Block::SetColorCharacteristics,
        [code, value](ColorCharacteristics &colors) { colors.*Fields[code] = value; });
}

void VyrEdidColorCharsItem::onRedX()
{
    editCoordinate(Code::RedX);
}

void VyrEdidColorCharsItem::onRedY()
{
    editCoordinate(Code::RedY);
}

void VyrEdidColorCharsItem::onGreenX()
{
    editCoordinate(Code::GreenX);
}

void VyrEdidColorCharsItem::onGreenY()
{
    editCoordinate(Code::GreenY);
}

void VyrEdidColorCharsItem::onBlueX()
{
    editCoordinate(Code::BlueX);
}

void VyrEdidColorCharsItem::onBlueY()
{
    editCoordinate(Code::BlueY);
}

void VyrEdidColorCharsItem::onWhiteX()
{
    editCoordinate(Code::WhiteX);
}

void VyrEdidColorCharsItem::onWhiteY()
{
    editCoordinate(Code::WhiteY);
}
