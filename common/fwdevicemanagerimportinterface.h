#pragma once

#include "devicemodeltypes.h"
#include "fwinterface.h"

#include <QtPlugin>

// Binary contract: see ARCHITECTURE.md, "Plug-in interfaces".
// Offered by plug-ins that use the device model of the exporting plug-in. The
// system manager they are given may be null (no plug-in exports one); they never
// free it.
class FwDeviceManagerImportInterface
{
public:
    virtual ~FwDeviceManagerImportInterface() = default;

    virtual qint32 GetInterfaceVersion() { return VyrPluginInterfaceVersion; }
    virtual void setSystemManager(VyrSystemManager *systemManager) = 0;
    virtual void onDeviceSelected() = 0;
    virtual void onUpdateDeviceData() = 0;
};

#define FwDeviceManagerImportInterface_iid "com.vyr.vyrpell.FwDeviceManagerImportInterface/1.0"
Q_DECLARE_INTERFACE(FwDeviceManagerImportInterface, FwDeviceManagerImportInterface_iid)
