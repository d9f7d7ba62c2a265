#include "diextnames.h"

#include <QCoreApplication>

#include <cstddef>

namespace {

constexpr const char *Context = "DiExtNames";

struct Title
{
    unsigned code;
    const char *text;
};

template <std::size_t N> QString titleOf(const Title (&titles)[N], unsigned code)
{
    for (const Title &title : titles) {
        if (title.code == code)
            return QCoreApplication::translate(Context, title.text);
    }
    return QString();
}

template <std::size_t N> QStringList listOf(const char *const (&texts)[N])
{
    QStringList list;
    list.reserve(static_cast<int>(N));
    for (const char *text : texts)
        list << QCoreApplication::translate(Context, text);
    return list;
}

// clang-format off
const Title GeneralInfoTitles[] = {
    {1, QT_TRANSLATE_NOOP("DiExtNames", "Major Version")},
    {2, QT_TRANSLATE_NOOP("DiExtNames", "Interface Standard")},
    {3, QT_TRANSLATE_NOOP("DiExtNames", "Version")},
    {4, QT_TRANSLATE_NOOP("DiExtNames", "Checksum")},
};

const Title DataFormatTitles[] = {
    {6, QT_TRANSLATE_NOOP("DiExtNames", "Data Format")},
    {7, QT_TRANSLATE_NOOP("DiExtNames", "Edge of Shift Clock")},
    {8, QT_TRANSLATE_NOOP("DiExtNames", "Data Enable Signal")},
    {9, QT_TRANSLATE_NOOP("DiExtNames", "Min.Pixel Clock")},
    {10, QT_TRANSLATE_NOOP("DiExtNames", "Max.Pixel Clock")},
    {11, QT_TRANSLATE_NOOP("DiExtNames", "CrossOver Freq.")},
    {12, QT_TRANSLATE_NOOP("DiExtNames", "HDCP Supported")},
    {13, QT_TRANSLATE_NOOP("DiExtNames", "Double Clocking Supported")},
    {14, QT_TRANSLATE_NOOP("DiExtNames", "Packetized Video Supported")},
};

const Title DisplayDeviceTitles[] = {
    {16, QT_TRANSLATE_NOOP("DiExtNames", "Sub-Pixel Layout")},
    {17, QT_TRANSLATE_NOOP("DiExtNames", "Sub-Pixel Configuration")},
    {18, QT_TRANSLATE_NOOP("DiExtNames", "Sub Pixel Shape")},
    {19, QT_TRANSLATE_NOOP("DiExtNames", "Hor. Pitch(cm)")},
    {20, QT_TRANSLATE_NOOP("DiExtNames", "Ver. Pitch(cm)")},
    {21, QT_TRANSLATE_NOOP("DiExtNames", "View Direction")},
    {22, QT_TRANSLATE_NOOP("DiExtNames", "Physical Implementation")},
    {23, QT_TRANSLATE_NOOP("DiExtNames", "Fixed Pixel Format Support")},
    {24, QT_TRANSLATE_NOOP("DiExtNames", "Transparent Background")},
    {25, QT_TRANSLATE_NOOP("DiExtNames", "DDC//CI Support")},
};

const char *const InterfaceStandards[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Analog"),
    QT_TRANSLATE_NOOP("DiExtNames", "Digital"),
    QT_TRANSLATE_NOOP("DiExtNames", "DVI Single Link"),
    QT_TRANSLATE_NOOP("DiExtNames", "DVI DL High Resolution"),
    QT_TRANSLATE_NOOP("DiExtNames", "DVI DL High Color"),
    QT_TRANSLATE_NOOP("DiExtNames", "DVI DL CE"),
    QT_TRANSLATE_NOOP("DiExtNames", "Plug & Display"),
    QT_TRANSLATE_NOOP("DiExtNames", "LDI Single Link"),
    QT_TRANSLATE_NOOP("DiExtNames", "Open LDI Dual Link"),
    QT_TRANSLATE_NOOP("DiExtNames", "Open LDI CE"),
};

const char *const VersionForms[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "None"),
    QT_TRANSLATE_NOOP("DiExtNames", "Version//Revision"),
    QT_TRANSLATE_NOOP("DiExtNames", "Letter Designation"),
    QT_TRANSLATE_NOOP("DiExtNames", "Date"),
};

const char *const DataFormats[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "8-Bit  RGB"),
    QT_TRANSLATE_NOOP("DiExtNames", "12-Bit RGB"),
    QT_TRANSLATE_NOOP("DiExtNames", "24-Bit RGB"),
    QT_TRANSLATE_NOOP("DiExtNames", "48-Bit RGB High Resolution"),
    QT_TRANSLATE_NOOP("DiExtNames", "48-Bit RGB High color"),
};

const char *const ShiftClockEdges[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "No Data"),
    QT_TRANSLATE_NOOP("DiExtNames", "Rising edge of shift clock"),
    QT_TRANSLATE_NOOP("DiExtNames", "Falling edge of shift clock"),
    QT_TRANSLATE_NOOP("DiExtNames", "Rising & falling edges"),
};

const char *const DataEnableModes[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Supported"),
    QT_TRANSLATE_NOOP("DiExtNames", "Data enabled on DE signal Low"),
    QT_TRANSLATE_NOOP("DiExtNames", "Data enabled on DE signal High"),
};

const char *const SubPixelLayouts[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "R.G.B"),
    QT_TRANSLATE_NOOP("DiExtNames", "B.G.R"),
    QT_TRANSLATE_NOOP("DiExtNames", "Quad Pixel, R.G-G.B or B.G-G.R"),
    QT_TRANSLATE_NOOP("DiExtNames", "Quad Pixel, G.R-B.G or G.B-R.G"),
};

const char *const SubPixelConfigurations[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Delta (Tri-ad)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Stripe"),
    QT_TRANSLATE_NOOP("DiExtNames", "Stripe Offset"),
    QT_TRANSLATE_NOOP("DiExtNames", "Quad Pixel"),
};

const char *const SubPixelShapes[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Round"),
    QT_TRANSLATE_NOOP("DiExtNames", "Square"),
    QT_TRANSLATE_NOOP("DiExtNames", "Rectangular"),
    QT_TRANSLATE_NOOP("DiExtNames", "Oval"),
    QT_TRANSLATE_NOOP("DiExtNames", "Elliptical"),
};

const char *const ViewDirections[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Direct View"),
    QT_TRANSLATE_NOOP("DiExtNames", "Reflected View"),
    QT_TRANSLATE_NOOP("DiExtNames", "Direct & Reflected View"),
};

const char *const PhysicalImplementations[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Large Image Device"),
    QT_TRANSLATE_NOOP("DiExtNames", "Desktop/Personal Display"),
    QT_TRANSLATE_NOOP("DiExtNames", "Eyepiece Personal Display"),
};
// clang-format on

} // namespace

namespace DiExtNames {

QString generalInfoTitle(unsigned code)
{
    return titleOf(GeneralInfoTitles, code);
}

QString dataFormatTitle(unsigned code)
{
    return titleOf(DataFormatTitles, code);
}

QString displayDeviceTitle(unsigned code)
{
    return titleOf(DisplayDeviceTitles, code);
}

QStringList interfaceStandards()
{
    return listOf(InterfaceStandards);
}

QStringList versionForms()
{
    return listOf(VersionForms);
}

QStringList dataFormats()
{
    return listOf(DataFormats);
}

QStringList shiftClockEdges()
{
    return listOf(ShiftClockEdges);
}

QStringList dataEnableModes()
{
    return listOf(DataEnableModes);
}

QStringList subPixelLayouts()
{
    return listOf(SubPixelLayouts);
}

QStringList subPixelConfigurations()
{
    return listOf(SubPixelConfigurations);
}

QStringList subPixelShapes()
{
    return listOf(SubPixelShapes);
}

QStringList viewDirections()
{
    return listOf(ViewDirections);
}

QStringList physicalImplementations()
{
    return listOf(PhysicalImplementations);
}

} // namespace DiExtNames
