#pragma once

#include <QtGlobal>

class VyrBaseLogger;

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// What a plug-in or a device-library object needs to log: the application logger
// (never owned by the holder), the component enable bits (1 device manager,
// 2 driver communicator, 4 display, 8 adapter, 16 device) and an id (the plug-in's
// position in initialisation order).
struct AppLoggerInfo
{
    AppLoggerInfo() = default;
    AppLoggerInfo(VyrBaseLogger *appLogger, quint32 componentFlags, qint32 loggerId)
        : logger(appLogger)
        , flags(componentFlags)
        , id(loggerId)
    {}

    VyrBaseLogger *logger = nullptr;
    quint32 flags = 0;
    qint32 id = 0;
};
