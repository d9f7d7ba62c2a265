#pragma once

#include "devicemodeinfo.h"
#include "noxinterface.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct AppLoggerInfo;

// The device model's gateway to the driver: the control library wrappers of
// NoxInterface, plus the driver's configuration store, the mode list and current mode
// of the control library, and mode setting through the X Resize and Rotate extension.
// Store handles and X connections are opened and closed within each call.
class DriverCommunicator : public NoxInterface
{
    Q_DECLARE_TR_FUNCTIONS(DriverCommunicator)

public:
    explicit DriverCommunicator(AppLoggerInfo *loggerInfo);
    // Binds the control library from the given files instead of the default names
    // (used to bind a particular build of the library).
    DriverCommunicator(AppLoggerInfo *loggerInfo, const QStringList &libraryFiles);
    ~DriverCommunicator();

    DriverCommunicator(const DriverCommunicator &) = delete;
    DriverCommunicator &operator=(const DriverCommunicator &) = delete;

    // Reads a key of the configuration store: an unsigned int, a QString or a
    // QByteArray; an invalid QVariant when nothing could be read.
    QVariant GetKeyValueLinux(QString key);
    // Writes value (as unsigned int) under key; true when the store took it.
    bool SetKeyValueLinux(QString key, QVariant value);
    // Deletes key; true when the store deleted it.
    bool DeleteKeyLinux(QString key);

    // Splits a store key below the store root into the store's location and name;
    // leaves both unchanged when the key cannot be split.
    static void GetLocationAndName(const QString &key, QString &location, QString &name);

    // The adapter's possible modes from the control library, in the library's order.
    bool DisplayGetModeList(int adapter, int *count, QList<DeviceModeInfo> *list);
    // Resolution, colour depth and refresh rate of the display's current mode.
    bool DisplayGetCurrentMode(int adapter, int display, int *count, DeviceModeInfo *mode);
    // Sets the X screen to the mode's size and refresh rate. Only sizes and rates the X
    // server lists are set; anything else answers false and changes nothing.
    bool DisplaySetMode(int adapter, int display, int flags, DeviceModeInfo *mode);
};
