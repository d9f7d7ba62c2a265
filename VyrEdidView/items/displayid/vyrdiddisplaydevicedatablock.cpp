#include "vyrdiddisplaydevicedatablock.h"

#include "items/displayid/didcellmakers.h"
#include "items/displayid/diddevicedatatable.h"
#include "items/displayid/didtexttable.h"
#include "items/displayid/vyrdidcheckboxitem.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdiddoubledualedititem.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "model/displayid/displayidblock.h"

#include <QDoubleSpinBox>
#include <QSignalBlocker>

#include <iterator>

namespace {

// The technologies with a sub-type list.
constexpr unsigned int Crt = 0;
constexpr unsigned int Lcd = 1;
constexpr unsigned int Plasma = 2;
// The record's technology for stored values 11-15, shown as "Not Defined here" (value 255).
constexpr unsigned int UndefinedTechnology = 11;
constexpr int NotDefinedHere = 255;

const QList<ComboBoxData> &subTypeList(unsigned int technology)
{
    switch (technology) {
    case Crt:
        return crtTypes;
    case Lcd:
        return lcdTypes;
    case Plasma:
        return pdpTypes;
    default:
        return empty;
    }
}

VyrDIDComboBoxItem *listCell(const QString &name, const QList<ComboBoxData> &entries, int value)
{
    auto *cell = new VyrDIDComboBoxItem(name);
    cell->addItems(entries);
    cell->setCurrentValue(value);
    return cell;
}

QList<ComboBoxData> textList(const char *const *texts, int count)
{
    QList<ComboBoxData> entries;
    for (int i = 0; i < count; ++i)
        entries.append({didText(texts[i]), i});
    return entries;
}

} // namespace

int VyrDIDDisplayDeviceDataBlock::fillSubTypes(unsigned int technology, unsigned int subType)
{
    const QList<ComboBoxData> &entries = subTypeList(technology);
    const QSignalBlocker blocker(m_subType);
    m_subType->addItems(entries);
    m_subType->setCurrentValue(int(subType));
    return entries.first().value;
}

bool VyrDIDDisplayDeviceDataBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagDeviceData));
    DidDevDataBlock r;
    if (m_model)
        m_model->GetDisplayDeviceDataBlock(m_index, &r);
    InitDisplayTypesData();
    const unsigned int base = BaseOffset();

    const int technology = r.technology >= UndefinedTechnology ? NotDefinedHere : int(r.technology);
    addNamedChild(listCell(tr("Display device type"), displayTypes, technology))
        ->SetLocation({base, 1});
    m_subType = new VyrDIDComboBoxItem(tr("Display device sub-type"));
    fillSubTypes(r.technology, r.subType);
    addNamedChild(m_subType)->SetLocation({base, 1});
    addNamedChild(listCell(tr("Operating Mode Flags"),
                           textList(operatingModeStr, int(std::size(operatingModeStr))),
                           int(r.operatingMode)))
        ->SetLocation({base + 1, 1});
    addNamedChild(new VyrDIDCheckBoxItem(tr("Backlight switch"),
                                         tr("Backlight may be switched on and off"), 0,
                                         r.backlight != 0))
        ->SetLocation({base + 1, 1});
    addNamedChild(new VyrDIDCheckBoxItem(tr("Backlight intensity"),
                                         tr("Backlight intensity can be controlled"), 1,
                                         r.intensity != 0))
        ->SetLocation({base + 1, 1});
    addNamedChild(new VyrDIDIntDualEditItem(tr("Native pixel count"), tr("H/V"), int(r.hPixels),
                                            int(r.vPixels), QStringLiteral("[DEC]"), 0, 65535))
        ->setLocations({{base + 2, 2}, {base + 4, 2}});
    // The pitch bytes hold hundredths of a millimetre: 0.00 to 2.55.
    auto *pitch = new VyrDIDDoubleDualEditItem(tr("Pixel Pitch"), tr("H/V"), r.hPitch, r.vPitch,
                                               QStringLiteral("[FLT]"), 0, 2.55, 2);
    pitch->leftBox()->setSingleStep(0.01);
    pitch->rightBox()->setSingleStep(0.01);
    addNamedChild(pitch)->setLocations({{base + 9, 1}, {base + 10, 1}});
    addNamedChild(decimalLineCell(tr("Color Bit Depth"), r.colorBitDepth, 15))
        ->SetLocation({base + 11, 1});
    addNamedChild(decimalLineCell(tr("Response Time"), r.responseTime, 127))
        ->SetLocation({base + 12, 1});
    addNamedChild(new VyrDIDCheckBoxItem(tr("Response Time Flag"), tr("White to black"), 0,
                                         r.responseTimeFlag != 0))
        ->SetLocation({base + 12, 1});
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    addNamedChild(listCell(tr("Default Orientation"),
                           {{tr("Lanscape"), 0},
                            {tr("Portrait"), 1},
                            {tr("Orientation not fixed"), 2},
                            {tr("Undefines"), 3}},
                           int(r.orientation)))
        ->SetLocation({base + 7, 1});
    addNamedChild(listCell(tr("Rotation Capability"),
                           {{tr("No Rotation"), 0},
                            {tr("90 degrees clockwise"), 1},
                            {tr("90 degrees counterclockwise"), 2},
                            {tr("90 degrees either direction"), 3}},
                           int(r.rotation)))
        ->SetLocation({base + 7, 1});
    addNamedChild(listCell(tr("Zero Pixel Location"),
                           {{tr("Upper left corner"), 0},
                            {tr("Upper right corner"), 1},
                            {tr("Lower left corner"), 2},
                            {tr("Lower right corner"), 3}},
                           int(r.zeroPixelLocation)))
        ->SetLocation({base + 7, 1});
    addNamedChild(listCell(tr("Scan Direction"),
                           {{tr("Not defined"), 0},
                            {tr("Fast(line) scan on long axis"), 1},
                            {tr("Fast(line) scan on short axis"), 2},
                            {tr("Undefined"), 3}},
                           int(r.scanDirection)))
        ->SetLocation({base + 7, 1});
    addNamedChild(listCell(tr("Sub-pixel configuration"),
                           textList(subPixelStr, int(std::size(subPixelStr))),
                           int(r.subPixelLayout)))
        ->SetLocation({base + 8, 1});
    return true;
}

void VyrDIDDisplayDeviceDataBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDDisplayDeviceDataBlock", name, value);
    const auto checked = [&value] { return quint8(value.value<CheckBoxData>().isChecked ? 1 : 0); };
    editRecord<DidDevDataBlock>(
        m_model, &DisplayIDBlock::GetDisplayDeviceDataBlock,
        &DisplayIDBlock::SetDisplayDeviceDataBlock,
        [&](DidDevDataBlock &r) {
            bool read = true; // false for text that is no number: nothing is written
            if (name == tr("Display device type")) {
                r.technology = value.toUInt();
                // The new technology's list, its first entry chosen and stored.
                r.subType = unsigned(fillSubTypes(r.technology, 0));
            } else if (name.contains(tr("Display device sub-type"))) {
                if (r.technology == Crt || r.technology == Lcd || r.technology == Plasma)
                    r.subType = value.toUInt();
            } else if (name.contains(tr("Operating Mode"))) {
                r.operatingMode = value.toUInt();
            } else if (name.contains(tr("Backlight switch"))) {
                r.backlight = checked();
            } else if (name.contains(tr("Backlight intensity"))) {
                r.intensity = checked();
            } else if (name.contains(tr("Native pixel count") + QLatin1String(" left"))) {
                read = wholeValue(value, &r.hPixels);
            } else if (name.contains(tr("Native pixel count") + QLatin1String(" right"))) {
                read = wholeValue(value, &r.vPixels);
            } else if (name.contains(tr("Pixel Pitch") + QLatin1String(" left"))) {
                read = realValue(value, &r.hPitch);
            } else if (name.contains(tr("Pixel Pitch") + QLatin1String(" right"))) {
                read = realValue(value, &r.vPitch);
            } else if (name.contains(tr("Color Bit Depth"))) {
                read = wholeValue(value, &r.colorBitDepth);
            } else if (name == tr("Response Time")) {
                read = wholeValue(value, &r.responseTime);
            } else if (name.contains(tr("Response Time Flag"))) {
                r.responseTimeFlag = checked();
            } else if (name.contains(tr("Default Orientation"))) {
                r.orientation = value.toUInt();
            } else if (name.contains(tr("Rotation Capability"))) {
                r.rotation = value.toUInt();
            } else if (name.contains(tr("Zero Pixel Location"))) {
                r.zeroPixelLocation = value.toUInt();
            } else if (name.contains(tr("Scan Direction"))) {
                r.scanDirection = value.toUInt();
            } else if (name.contains(tr("Sub-pixel configuration"))) {
                r.subPixelLayout = value.toUInt();
            }
            return read;
        },
        m_index);
}
