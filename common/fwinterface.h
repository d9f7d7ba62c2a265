#pragma once

#include "apploggerinfo.h"
#include "appsettings.h"
#include "plugincomponentinfo.h"
#include "workspacelayout.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QStackedWidget;
class QTreeWidget;

// Binary contract: see ARCHITECTURE.md, "Plug-in interfaces".
// Version number every plug-in interface answers.
constexpr qint32 VyrPluginInterfaceVersion = 10282012;

// The interface every plug-in offers: the program drives it through logger,
// settings and workspace set-up, the settings dialog and shut-down.
class FwInterface
{
public:
    virtual ~FwInterface() = default;

    virtual qint32 GetInterfaceVersion() { return VyrPluginInterfaceVersion; }
    virtual void initPlugin(WorkSpaceLayout *layout) = 0;
    virtual void unInitPlugin() {}
    virtual quint32 getPriority() const = 0;
    virtual QStringList pluginInfo() const = 0;
    virtual void setAppLogger(AppLoggerInfo loggerInfo) = 0;
    virtual QList<PluginComponentInfo> getComponentInfoList() = 0;
    virtual void SetSettings(AppSettings *settings) { Q_UNUSED(settings) }
    virtual void populateSettings(QTreeWidget *tree, QStackedWidget *pages, QString owner)
    {
        Q_UNUSED(tree)
        Q_UNUSED(pages)
        Q_UNUSED(owner)
    }
    virtual void saveSettings(QString owner) { Q_UNUSED(owner) }
};

#define FwInterface_iid "com.vyr.vyrpell.FwInterface/1.0"
Q_DECLARE_INTERFACE(FwInterface, FwInterface_iid)
