#pragma once

#include "plugincomponentinfo.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

class FwDeviceManagerExportInterface;
class FwDeviceManagerImportInterface;
class FwFileInterface;
class FwInterface;
class QObject;
class QPluginLoader;

// One plug-in file as the program loaded it: its loader, its root object and the
// interfaces that object offers (null where it offers none).
class PluginItem
{
public:
    PluginItem(const QString &path, const QString &name);
    ~PluginItem();

    PluginItem(const PluginItem &) = delete;
    PluginItem &operator=(const PluginItem &) = delete;

    // Destroying the record unloads the library unless this was called: accepted
    // plug-ins stay loaded until the process ends.
    void keepLoaded() { m_unloadOnDestroy = false; }

    QString filePath;
    QString fileName;
    QObject *rootObject = nullptr; // owned by the loader
    QSharedPointer<QPluginLoader> loader;
    QList<PluginComponentInfo> components;
    FwInterface *fwInterface = nullptr;
    FwFileInterface *fileInterface = nullptr;
    FwDeviceManagerExportInterface *exportInterface = nullptr;
    FwDeviceManagerImportInterface *importInterface = nullptr;

private:
    bool m_unloadOnDestroy = true;
};
