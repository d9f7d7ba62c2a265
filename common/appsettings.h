#pragma once

class QSettings;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// The settings stores handed to plug-ins. The ini store (the program's
// "vyredidutility.ini") is the one plug-ins read and write their keys in.
struct AppSettings
{
    QSettings *nativeSettings = nullptr;
    QSettings *iniSettings = nullptr;
};
