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

const Title DisplayCapsTitles[] = {
    {27, QT_TRANSLATE_NOOP("DiExtNames", "Miscellaneous")},
    {28, QT_TRANSLATE_NOOP("DiExtNames", "Scaler On Board")},
    {29, QT_TRANSLATE_NOOP("DiExtNames", "Interlaced")},
    {30, QT_TRANSLATE_NOOP("DiExtNames", "Image Centered")},
    {31, QT_TRANSLATE_NOOP("DiExtNames", "Frame Lock")},
    {32, QT_TRANSLATE_NOOP("DiExtNames", "VGA/DOS Legacy Mode")},
    {33, QT_TRANSLATE_NOOP("DiExtNames", "Conditional Update")},
    {34, QT_TRANSLATE_NOOP("DiExtNames", "Stereo Video")},
    {35, QT_TRANSLATE_NOOP("DiExtNames", "Orientation")},
    {38, QT_TRANSLATE_NOOP("DiExtNames", "Orientation Type")},
    {39, QT_TRANSLATE_NOOP("DiExtNames", "Scan Direction")},
    {40, QT_TRANSLATE_NOOP("DiExtNames", "Zero Pixel Location")},
    {41, QT_TRANSLATE_NOOP("DiExtNames", "Aspecct Ratio Conversion Modes")},
    {42, QT_TRANSLATE_NOOP("DiExtNames", "Full")},
    {43, QT_TRANSLATE_NOOP("DiExtNames", "Zoom")},
    {44, QT_TRANSLATE_NOOP("DiExtNames", "Squeeze")},
    {45, QT_TRANSLATE_NOOP("DiExtNames", "Variable")},
    {46, QT_TRANSLATE_NOOP("DiExtNames", "Frequency Conversion")},
    {47, QT_TRANSLATE_NOOP("DiExtNames", "Frame Rate(Hz)")},
    {48, QT_TRANSLATE_NOOP("DiExtNames", "Line Rate(kHz)")},
};

const Title ColorPropertiesTitles[] = {
    {50, QT_TRANSLATE_NOOP("DiExtNames", "Monitor Color Depth")},
    {51, QT_TRANSLATE_NOOP("DiExtNames", "Blue")},
    {52, QT_TRANSLATE_NOOP("DiExtNames", "Green")},
    {53, QT_TRANSLATE_NOOP("DiExtNames", "Red")},
    {54, QT_TRANSLATE_NOOP("DiExtNames", "Cb//Pb")},
    {55, QT_TRANSLATE_NOOP("DiExtNames", "Y")},
    {56, QT_TRANSLATE_NOOP("DiExtNames", "Cr//Pr")},
    {57, QT_TRANSLATE_NOOP("DiExtNames", "Dithering")},
    {59, QT_TRANSLATE_NOOP("DiExtNames", "Default Decoding")},
    {60, QT_TRANSLATE_NOOP("DiExtNames", "Preferred Decoding")},
    {61, QT_TRANSLATE_NOOP("DiExtNames", "Decoding Capabilities")},
    {62, QT_TRANSLATE_NOOP("DiExtNames", "RGB(additive color)")},
    {63, QT_TRANSLATE_NOOP("DiExtNames", "Y//C(S-Video)PAL")},
    {64, QT_TRANSLATE_NOOP("DiExtNames", "Y//C(S-Video)NTSC")},
    {65, QT_TRANSLATE_NOOP("DiExtNames", "Y//C(S-Video)SECAM")},
    {66, QT_TRANSLATE_NOOP("DiExtNames", "YCrCb 4:4:4")},
    {67, QT_TRANSLATE_NOOP("DiExtNames", "YCrCb 4:2:2")},
    {68, QT_TRANSLATE_NOOP("DiExtNames", "YCrCb 4:2:0")},
    {69, QT_TRANSLATE_NOOP("DiExtNames", "YCrCb(SMPTE 260M)")},
    {70, QT_TRANSLATE_NOOP("DiExtNames", "YCrCb(SMPTE 274M")},
    {71, QT_TRANSLATE_NOOP("DiExtNames", "YPbPr(SMPTE 240M)")},
    {72, QT_TRANSLATE_NOOP("DiExtNames", "YPbPr(SMPTE 274M)")},
    {73, QT_TRANSLATE_NOOP("DiExtNames", "Y B-Y R-Y M-2(Matsushita)")},
    {74, QT_TRANSLATE_NOOP("DiExtNames", "Y B-Y R-Y(Sony)")},
    {75, QT_TRANSLATE_NOOP("DiExtNames", "Monochrome")},
};

const Title GammaTitles[] = {
    {77, QT_TRANSLATE_NOOP("DiExtNames", "Gamma Points")},
    {78, QT_TRANSLATE_NOOP("DiExtNames", "Number of Points")},
    {79, QT_TRANSLATE_NOOP("DiExtNames", "Table Content")},
    {80, QT_TRANSLATE_NOOP("DiExtNames", "White")},
    {82, QT_TRANSLATE_NOOP("DiExtNames", "Blue")},
    {84, QT_TRANSLATE_NOOP("DiExtNames", "Green")},
    {86, QT_TRANSLATE_NOOP("DiExtNames", "Red")},
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
const char *const StereoModes[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "No Direct Stereo"),
    QT_TRANSLATE_NOOP("DiExtNames", "F.Seq. with Stereosync"),
    QT_TRANSLATE_NOOP("DiExtNames", "Column Interleave"),
    QT_TRANSLATE_NOOP("DiExtNames", "Line Interleave"),
};

const char *const FrequencyConversions[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Supported"),
    QT_TRANSLATE_NOOP("DiExtNames", "Vertical"),
    QT_TRANSLATE_NOOP("DiExtNames", "Horizontal"),
    QT_TRANSLATE_NOOP("DiExtNames", "Both"),
};

const char *const DisplayOrProjector[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Display"),
    QT_TRANSLATE_NOOP("DiExtNames", "Projector"),
};

const char *const LandscapeOrPortrait[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Landscape"),
    QT_TRANSLATE_NOOP("DiExtNames", "Portrait"),
};

const char *const OrientationTypes[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Fixed"),
    QT_TRANSLATE_NOOP("DiExtNames", "Default"),
    QT_TRANSLATE_NOOP("DiExtNames", "Current"),
};

const char *const ScanDirections[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Fast Scan on Long Axis"),
    QT_TRANSLATE_NOOP("DiExtNames", "Fast Scan on Short Axis"),
};

const char *const ZeroPixelLocations[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Upper Left Corner"),
    QT_TRANSLATE_NOOP("DiExtNames", "Upper Right Corner"),
    QT_TRANSLATE_NOOP("DiExtNames", "Lower Left Corner"),
    QT_TRANSLATE_NOOP("DiExtNames", "Lower Right Corner"),
};

const char *const DefaultDecodings[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "BGR (additive color)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Y/C (S-Video) NTSC"),
    QT_TRANSLATE_NOOP("DiExtNames", "Y/C (S-Video) PAL"),
    QT_TRANSLATE_NOOP("DiExtNames", "Y/C (S-Video) SECAM"),
    QT_TRANSLATE_NOOP("DiExtNames", "YCrCb 4:4:4"),
    QT_TRANSLATE_NOOP("DiExtNames", "YCrCb 4:2:2"),
    QT_TRANSLATE_NOOP("DiExtNames", "YCrCb 4:2:0"),
    QT_TRANSLATE_NOOP("DiExtNames", "YCrCb (SMPTE 260M)"),
    QT_TRANSLATE_NOOP("DiExtNames", "YPbPr (SMPTE 240M)"),
    QT_TRANSLATE_NOOP("DiExtNames", "YCrCb (SMPTE 274M)"),
    QT_TRANSLATE_NOOP("DiExtNames", "YPbPr (SMPTE 274M)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Y B-Y R-Y BetaCam (Sony)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Y B-Y R-Y M-2 (Matsushita)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Monochrome"),
};

const char *const PreferredDecodings[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "BGR (additive color)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Y/C (S-Video)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Yxx (SMPTE 2xxM)"),
    QT_TRANSLATE_NOOP("DiExtNames", "Monochrome"),
};

const char *const GammaTables[] = {
    QT_TRANSLATE_NOOP("DiExtNames", "Gamma Not Defined"),
    QT_TRANSLATE_NOOP("DiExtNames", "Single White Curve"),
    QT_TRANSLATE_NOOP("DiExtNames", "3 Color Curves (BGR)"),
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

QString displayCapsTitle(unsigned code)
{
    return titleOf(DisplayCapsTitles, code);
}

QString colorPropertiesTitle(unsigned code)
{
    return titleOf(ColorPropertiesTitles, code);
}

QString gammaTitle(unsigned code)
{
    return titleOf(GammaTitles, code);
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

QStringList stereoModes()
{
    return listOf(StereoModes);
}

QStringList frequencyConversions()
{
    return listOf(FrequencyConversions);
}

QStringList displayOrProjector()
{
    return listOf(DisplayOrProjector);
}

QStringList landscapeOrPortrait()
{
    return listOf(LandscapeOrPortrait);
}

QStringList orientationTypes()
{
    return listOf(OrientationTypes);
}

QStringList scanDirections()
{
    return listOf(ScanDirections);
}

QStringList zeroPixelLocations()
{
    return listOf(ZeroPixelLocations);
}

QStringList defaultDecodings()
{
    return listOf(DefaultDecodings);
}

QStringList preferredDecodings()
{
    return listOf(PreferredDecodings);
}

QStringList gammaTables()
{
    return listOf(GammaTables);
}

} // namespace DiExtNames
