#pragma once

#include <QString>
#include <QStringList>

// The texts of the DI-EXT tree (VESA DI-EXT, sections 2.1 to 2.3): row titles by field code and
// the entries of the drop-down lists, whose row number is the field value. Every text is
// translated in the context "DiExtNames".
namespace DiExtNames {

// Row titles of the general information (codes 1-4), data format (6-14) and display device
// (16-25) sections; empty for a code the section does not have.
QString generalInfoTitle(unsigned code);
QString dataFormatTitle(unsigned code);
QString displayDeviceTitle(unsigned code);

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

} // namespace DiExtNames
