#pragma once

#include "devicemodeltypes.h"
#include "fwinterface.h"

#include <QtPlugin>

// Binary contract: see ARCHITECTURE.md, "Plug-in interfaces".
// Offered by the plug-in that creates and owns the device model.
class FwDeviceManagerExportInterface
{
public:
    virtual ~FwDeviceManagerExportInterface() = default;

    virtual qint32 GetInterfaceVersion() { return VyrPluginInterfaceVersion; }
    virtual VyrDeviceManager *getDeviceManager() const = 0;
    virtual VyrSystemManager *getSystemManager() const = 0;
    virtual bool isFunctionSupported(VyrDriverFnSupported function) = 0;
};

#define FwDeviceManagerExportInterface_iid "com.vyr.vyrpell.FwDeviceManagerExportInterface/1.0"
Q_DECLARE_INTERFACE(FwDeviceManagerExportInterface, FwDeviceManagerExportInterface_iid)
