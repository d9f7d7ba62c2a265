#include "diddevicedatatable.h"

#include "items/displayid/didtexttable.h"

#include <QCoreApplication>

#include <iterator>

// clang-format off
const char *const displayTypesStr[11] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "CRT"),
    QT_TRANSLATE_NOOP("VyrDIDText", "LCD"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Plasma"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Electroluminescent"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Inorganic LED"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Organic LED/OEL"),
    QT_TRANSLATE_NOOP("VyrDIDText", "FED"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Electrophoretic"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Electrochromic"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Electromechanical"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Electrowetting"),
};

const char *const lcdDisplayTypesStr[9] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Passive matrix TN"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Passive matrix cholesteric"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Passive matrix ferroelectric"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Other passive matrix"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Active matrix TN"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Active matrix IPS"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Active matrix VA"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Active matrix OCB"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Active matrix ferroelectric"),
};

const char *const operatingModeStr[15] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view reflective display relying on ambient lighting"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view reflective display, with illumination source, and default ambient lighting"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view reflective display with active illumination source"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view transmissive display relying on ambient lighting"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view transmissive display with illumination source, and default ambient lighting"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view transmissive display with active illumination source"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view emissive display"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view transreflective display in reflective mode"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Direct-view transreflective display in transmissive mode"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Transparent display whose image is seen by ambient light"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Transparent emissive display"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Projection device using reflective light modulator"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Projection device using transmissive light modulator"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Projection device using emissive image transducer"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Reserved"),
};

// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
const char *const subPixelStr[14] = {
    QT_TRANSLATE_NOOP("VyrDIDText", "Subpixel layout not defined"),
    QT_TRANSLATE_NOOP("VyrDIDText", "R/G/B vertical stripes"),
    QT_TRANSLATE_NOOP("VyrDIDText", "R/G/B horizontal stripes"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Vertical stripes with the primary ordering from chromacity information"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Horizontal stripes with the primary ordering from chromacity information"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Quad subpixels (red at top left, blue at bottom right, and remaining 2 subpixels green"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Quad subpixels (red at bottom left, blue at top right, and remaining 2 subpixels green"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Delta (triad) RGB subpixels"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Mosaic (other)"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Quad subpixels (R/G/B and 1 additional color in any order)"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Five subpixels (R/G/B with order from chromacity information and 2 additional colors located above or below R/G/B group)"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Six subpixels (R/G/B with order from chromacity information and 3 additional colors)"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Clairvoyante, Inc. \"PenTile Matrix\" layout"),
    QT_TRANSLATE_NOOP("VyrDIDText", "Reserved"),
};
// clang-format on

QList<ComboBoxData> displayTypes;
QList<ComboBoxData> crtTypes;
QList<ComboBoxData> lcdTypes;
QList<ComboBoxData> pdpTypes;
QList<ComboBoxData> empty;

namespace {

QString tableText(const char *text)
{
    return QCoreApplication::translate("VyrDIDDisplayDeviceDataBlock", text);
}

} // namespace

void InitDisplayTypesData()
{
    displayTypes.clear();
    for (int i = 0; i < int(std::size(displayTypesStr)); ++i)
        displayTypes.append({didText(displayTypesStr[i]), i});
    displayTypes.append(
        {tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "Not Defined here")), 255});

    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    crtTypes.clear();
    crtTypes.append(
        {tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "Monochrome CRT")), 0});
    crtTypes.append(
        {tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "Standard tricolor CRT")), 1});
    crtTypes.append(
        {tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "Other/undefines")), 2});

    lcdTypes.clear();
    for (int i = 0; i < int(std::size(lcdDisplayTypesStr)); ++i)
        lcdTypes.append({didText(lcdDisplayTypesStr[i]), i});

    pdpTypes.clear();
    pdpTypes.append({tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "DC plasma")), 0});
    pdpTypes.append({tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "AC plasma")), 1});

    empty.clear();
    empty.append({tableText(QT_TRANSLATE_NOOP("VyrDIDDisplayDeviceDataBlock", "N/A")), 0});
}
