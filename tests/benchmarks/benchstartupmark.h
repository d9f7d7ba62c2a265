#pragma once

#include "fwdevicemanagerimportinterface.h"
#include "fwinterface.h"

#include <QObject>

class QMainWindow;

// A plug-in for the start-up benchmark only, placed beside the program's own two plug-ins.
// It sorts last and, once the program has handed the device model to every plug-in, waits
// for the first turn of the event loop with the main window on screen, writes
// "ready <steady clock in ns>" to its standard output and closes the window, so the program
// ends by itself.
class BenchStartupMark : public QObject, public FwInterface, public FwDeviceManagerImportInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FwInterface_iid)
    Q_INTERFACES(FwInterface FwDeviceManagerImportInterface)

public:
    qint32 GetInterfaceVersion() override { return VyrPluginInterfaceVersion; }
    void initPlugin(WorkSpaceLayout *layout) override;
    quint32 getPriority() const override { return 4294967295u; }
    QStringList pluginInfo() const override { return {QStringLiteral("start-up mark")}; }
    void setAppLogger(AppLoggerInfo) override {}
    QList<PluginComponentInfo> getComponentInfoList() override { return {}; }
    void setSystemManager(VyrSystemManager *) override;
    void onDeviceSelected() override {}
    void onUpdateDeviceData() override {}

private:
    QMainWindow *m_window = nullptr;
};
