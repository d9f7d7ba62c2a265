#include "vyredidgeneralinfoitem.h"

#include "frame/vyredidchecksum.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidgeneralinfosubitem.h"
#include "model/base/edid14block.h"
#include "widgets/vyrnumbertext.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using Code = VyrEdidGeneralInfoSubItem::Code;

// Every value of the group fits a narrow column.
template <typename W> W *narrow(W *widget)
{
    widget->setMinimumWidth(40);
    widget->setMaximumWidth(60);
    return widget;
}

// The manufacturer ID as letters: code 1 is "A"; a zero code ends the text.
QString manufacturerText(const ProductIdInfo &info)
{
    QString text;
    for (unsigned char code : {info.letter1, info.letter2, info.letter3}) {
        if (code == 0)
            break;
        text += QChar(64 + code);
    }
    return text;
}

// Letter code of character index of text (Latin-1, masked to five bits, so "a" and "A" both
// give 1); 0 when the text is shorter.
unsigned char letterCode(const QByteArray &text, int index)
{
    return index < text.size() ? static_cast<unsigned char>(text.at(index) & 0x1F) : 0;
}

QString hexText(unsigned value)
{
    return QString::number(value, 16).toUpper();
}

} // namespace

VyrEdidGeneralInfoItem::VyrEdidGeneralInfoItem(unsigned char *block, Edid13Block *edid13,
                                               Edid14Block *edid14)
    : VyrEdidBaseGroupItem(block, VyrEdidItemKind::GeneralInfo, edid13, edid14)
{
    setText(VyrEdidColumn::Property, tr("General Info"));
}

bool VyrEdidGeneralInfoItem::InitItems()
{
    m_version = narrow(
        placeLabel(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::Version), QString(), tr("[DEC]")));

    m_manufacturer =
        narrow(placeLineEdit(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::Manufacturer), QString(),
                             tr("[STR]"), [this]() { onProductNameChanged(); }));
    m_manufacturer->setInputMask(QStringLiteral(">AAA"));
    m_manufacturer->setToolTip(tr("Valid Value - 3 chars AAA"));

    m_productCode =
        narrow(placeLineEdit(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::ProductCode), QString(),
                             tr("[HEX]"), [this]() { onProductCodeChanged(); }));
    m_productCode->setInputMask(QStringLiteral(">hhhh"));
    m_productCode->setToolTip(tr("Valid Range 0 --> FFFF"));

    m_serialNumber =
        narrow(placeLineEdit(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::SerialNumber), QString(),
                             tr("[HEX]"), [this]() { onProductSerialChanged(); }));
    m_serialNumber->setInputMask(QStringLiteral(">hhhhhhhh"));
    // Eight digits do not fit the narrow column of the other values.
    m_serialNumber->setMaximumWidth(
        m_serialNumber->fontMetrics().horizontalAdvance(QStringLiteral("DDDDDDDDD")) + 12);

    // Weeks 1 to 53; 0 says the week is not given, 255 that the year is a model year
    // (VESA E-EDID 1.4, section 3.4.4).
    m_week = narrow(placeLineEdit(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::Week), QString(),
                                  tr("[DEC]"), [this]() { onWeekOfManufChanged(); }));
    m_week->setValidator(VyrNumberText::wholeValidator(0, 53, {255}, m_week));
    m_week->setToolTip(tr("Valid range 1 --> 53, 0 (not given) or 255 (model year)"));

    // Byte 17 holds the year minus 1990.
    m_year = narrow(placeLineEdit(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::Year), QString(),
                                  tr("[DEC]"), [this]() { onYearOfManufChanged(); }));
    m_year->setValidator(intValidator(1990, 1990 + 255, m_year));
    m_year->setToolTip(tr("Valid range 1990 --> 2245"));

    m_extensionCount = narrow(placeLabel(
        addGroupRow<VyrEdidGeneralInfoSubItem>(Code::ExtensionCount), QString(), tr("[DEC]")));
    m_checksum = narrow(
        placeLabel(addGroupRow<VyrEdidGeneralInfoSubItem>(Code::Checksum), QString(), tr("[HEX]")));

    UpdateItemData();
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::edidDataChanged, [this]() { updateReadOnlyData(); });
    return true;
}

QList<EdidItemLocation> VyrEdidGeneralInfoItem::GetItemLocations() const
{
    return model() ? model()->GetGeneralInfoLocation(~0u) : QList<EdidItemLocation>();
}

void VyrEdidGeneralInfoItem::UpdateItemData()
{
    Edid13Block *block = model();
    if (!block || !m_version)
        return;
    const unsigned version = block->GetVersion();
    m_version->setText(QStringLiteral("%1.%2").arg(version >> 8).arg(version & 0xFFu));
    showProductId();
    updateReadOnlyData();
}

void VyrEdidGeneralInfoItem::showProductId()
{
    Edid13Block *block = model();
    if (!block || !m_manufacturer)
        return;
    ProductIdInfo info{};
    block->GetProductIdInfo(&info);
    setEditorText(m_manufacturer, manufacturerText(info));
    setEditorText(m_productCode, hexText(info.productCode));
    setEditorText(m_serialNumber, hexText(info.serialNumber));
    setEditorText(m_week, QString::number(info.week));
    setEditorText(m_year, QString::number(info.year));
}

void VyrEdidGeneralInfoItem::updateReadOnlyData()
{
    if (!m_checksum)
        return;
    Edid13Block *block = model();
    m_extensionCount->setText(block ? QString::number(block->GetNumOfExtensions()) : QString());
    if (!block) {
        m_checksum->clear();
        return;
    }
    VyrEdidChecksum::show(m_checksum, block->GetChecksum(), block->GetComputedChecksum(),
                          VyrEdidChecksum::twoDigits);
}

template <typename Change> void VyrEdidGeneralInfoItem::editProductId(Change change)
{
    // The edit's notification refreshes the extension count and the checksum (see InitItems());
    // the editors show what was stored: an emptied code reads 0, as a fresh tree shows it.
    if (editRecord<ProductIdInfo>(model(), &Edid13Block::GetProductIdInfo,
                                  &Edid13Block::SetProductIdInfo, change))
        showProductId();
}

void VyrEdidGeneralInfoItem::onProductNameChanged()
{
    const QByteArray letters = m_manufacturer->text().toLatin1();
    editProductId([&letters](ProductIdInfo &info) {
        info.letter1 = letterCode(letters, 0);
        info.letter2 = letterCode(letters, 1);
        info.letter3 = letterCode(letters, 2);
    });
}

// Text that is not a number in its base gives 0, as QString::toUInt() answers.
void VyrEdidGeneralInfoItem::onProductCodeChanged()
{
    const unsigned code = m_productCode->text().toUInt(nullptr, 16);
    editProductId([code](ProductIdInfo &info) { info.productCode = code; });
}

void VyrEdidGeneralInfoItem::onProductSerialChanged()
{
    const unsigned serial = m_serialNumber->text().toUInt(nullptr, 16);
    editProductId([serial](ProductIdInfo &info) { info.serialNumber = serial; });
}

void VyrEdidGeneralInfoItem::onWeekOfManufChanged()
{
    const unsigned week = m_week->text().toUInt();
    editProductId([week](ProductIdInfo &info) { info.week = week; });
}

void VyrEdidGeneralInfoItem::onYearOfManufChanged()
{
    const unsigned year = m_year->text().toUInt();
    editProductId([year](ProductIdInfo &info) { info.year = year; });
}
