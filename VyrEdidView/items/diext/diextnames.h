#pragma once

#include <QString>
#include <QStringList>

// The texts of the DI-EXT tree (VESA DI-EXT, section 2): row titles by field code and
// the entries of the drop-down lists, whose row number is the field value. Every text is
// translated in the context "DiExtNames".
namespace DiExtNames {

// Row titles of the general information (codes 1-4), data format (6-14), display device
// (16-25), display capabilities (27-48), colour and luminance (50-75) and gamma (77-87)
// sections; empty for a code the section does not have.
QString generalInfoTitle(unsigned code);
QString dataFormatTitle(unsigned code);
QString displayDeviceTitle(unsigned code);
QString displayCapsTitle(unsigned code);
QString colorPropertiesTitle(unsigned code);
QString gammaTitle(unsigned code);

// General information.
QStringList interfaceStandards(); // byte 2
QStringList versionForms();       // byte 3 bits 7-6

// Data format and clock.
QStringList dataFormats();     // byte 8, in code order 0x15, 0x19, 0x24, 0x48, 0x49
QStringList shiftClockEdges(); // byte 7 bits 5-4
QStringList dataEnableModes(); // byte 7 bits 7-6: none, active low, active high

// Display device.
QStringList subPixelLayouts();         // byte 14
QStringList subPixelConfigurations();  // byte 15
QStringList subPixelShapes();          // byte 16
QStringList viewDirections();          // byte 19 bits 6-5
QStringList physicalImplementations(); // byte 19 bits 3-2

// Display capabilities.
QStringList stereoModes();          // byte 20 bits 6-4
QStringList frequencyConversions(); // byte 21 bits 6-5
QStringList displayOrProjector();   // byte 26 bit 0
QStringList landscapeOrPortrait();  // byte 26 bit 5
QStringList orientationTypes();     // byte 26 bits 7-6
QStringList scanDirections();       // byte 26 bits 2-1
QStringList zeroPixelLocations();   // byte 26 bits 4-3

// Colour and luminance.
QStringList defaultDecodings();   // byte 27
QStringList preferredDecodings(); // byte 28

// Gamma.
QStringList gammaTables(); // byte 81 bits 7-6

} // namespace DiExtNames
