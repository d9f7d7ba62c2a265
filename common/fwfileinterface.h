#pragma once

#include "fwinterface.h"
#include "supportedfiletypes.h"

#include <QString>
#include <QtPlugin>

// Binary contract: see ARCHITECTURE.md, "Plug-in interfaces".
// Offered by plug-ins that open and save files of their own types.
class FwFileInterface
{
public:
    virtual ~FwFileInterface() = default;

    virtual qint32 GetInterfaceVersion() { return VyrPluginInterfaceVersion; }
    virtual void fileOpen(QString fileName) { Q_UNUSED(fileName) }
    virtual bool fileSave() = 0;
    virtual bool fileSaveAs() = 0;
    virtual void fileSaveAll(QString directory) { Q_UNUSED(directory) }
    virtual void print() {}
    virtual bool importFile(QString fileName)
    {
        Q_UNUSED(fileName)
        return false;
    }
    virtual bool exportFile() { return false; }
    virtual SupportedFileTypes fileNameExtensions() const = 0;
};

#define FwFileInterface_iid "com.vyr.vyrpell.FwFileInterface/1.0"
Q_DECLARE_INTERFACE(FwFileInterface, FwFileInterface_iid)
