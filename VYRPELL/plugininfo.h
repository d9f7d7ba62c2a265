#pragma once

#include "fileopensaveoption.h"
#include "pluginitem.h"

#include <QList>
#include <QScopedPointer>
#include <QStringList>

// An element of the main window's plug-in list: the loaded plug-in and the file
// types it reported.
class PluginInfo
{
public:
    PluginInfo(const QString &path, const QString &name);

    // Orders by ascending priority; a record without a plug-in interface is never less.
    bool operator<(const PluginInfo &other) const;

    QScopedPointer<PluginItem> item;
    QStringList fileTypeNames;
    QList<FileOpenSaveOption> fileTypeOptions;
};
