#include "driverbridgesettingstable.h"

#include <QtGlobal>

// clang-format off
const DriverBridgeSettingsBox driverBridgeSettingsBoxes[DriverBridgeSettingsBoxCount] = {
    // "Reports" page, rows 0 to 6. Both report boxes stand for the one bit 0.
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Configuration to Report"),           DriverBridgeWord::Reports, 0},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Reg.Dump to Report"),                DriverBridgeWord::Reports, 0},
    // App-Log bits are the device library's log components: 0 device manager,
    // 1 driver communicator, 2 display, 3 adapter, 4 device.
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Device Manager App. Log to Report"), DriverBridgeWord::AppLog, 0},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Device App. Log Report"),            DriverBridgeWord::AppLog, 4},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Drv.Com App. Log Report"),           DriverBridgeWord::AppLog, 1},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Adapter App. Log Report"),           DriverBridgeWord::AppLog, 3},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Save Display App. Log Report"),           DriverBridgeWord::AppLog, 2},
    // "Event Handling" page, rows 0 to 2.
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Refresh at Device Node Change"),          DriverBridgeWord::EventHandling, 2},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Refresh at Device Config Change"),        DriverBridgeWord::EventHandling, 1},
    {QT_TRANSLATE_NOOP("VyrDriverBridgePlugIn", "Refresh at Display Mode Change"),         DriverBridgeWord::EventHandling, 0},
};
// clang-format on

const char *driverBridgeWordKey(DriverBridgeWord word)
{
    switch (word) {
    case DriverBridgeWord::Reports:
        return "configuration/reports";
    case DriverBridgeWord::AppLog:
        return "configuration/reportsAppLog";
    case DriverBridgeWord::EventHandling:
        return "configuration/devmanEventHandling";
    }
    return "";
}
