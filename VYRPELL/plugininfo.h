#pragma once

#include "fileopensaveoption.h"
#include "pluginitem.h"

#include <QList>
#include <QStringList>

#include <memory>

// An element of the main window's plug-in list: the loaded plug-in and the file
// types it reported.
class PluginInfo
{
public:
    PluginInfo(const QString &path, const QString &name);

    // Orders by ascending priority; a record without a plug-in interface is never less.
    bool operator<(const PluginInfo &other) const;

    std::unique_ptr<PluginItem> item;
    QStringList fileTypeNames;
    QList<FileOpenSaveOption> fileTypeOptions;
};
