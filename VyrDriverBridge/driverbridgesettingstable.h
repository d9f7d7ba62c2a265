#pragma once

#include <QtGlobal>

// The three settings words of the driver bridge and the keys they are stored under in
// the program's ini file.
enum class DriverBridgeWord {
    Reports,      // "configuration/reports"
    AppLog,       // "configuration/reportsAppLog": the device library's log components
    EventHandling // "configuration/devmanEventHandling": refresh on main-window signals
};

// One check box of the settings pages: its text (untranslated, in the context
// "VyrDriverBridgePlugIn") and the bit of a settings word it stands for. Reports and
// App-Log boxes go on the "Reports" page, event-handling boxes on the "Event Handling"
// page, each page in table order. The bit comes from this table, never from the row,
// since the rows are not in bit order.
struct DriverBridgeSettingsBox
{
    const char *text;
    DriverBridgeWord word;
    int bit;
};

constexpr int DriverBridgeSettingsBoxCount = 10;
extern const DriverBridgeSettingsBox driverBridgeSettingsBoxes[DriverBridgeSettingsBoxCount];

// The key a word is stored under.
const char *driverBridgeWordKey(DriverBridgeWord word);
