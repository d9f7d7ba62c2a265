#pragma once

#include "applogtype.h"
#include "dpcdtableinfo.h"
#include "vyrdevice.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Adapter;
class DriverCommunicator;
class VyrDisplay;
struct AppLoggerInfo;
struct VyrBranch;

namespace DeviceHelpers {
class VyrDeviceHelper;
}

// What the user has picked in a device tree: each pointer null when unset. Whichever
// view shows a selection writes it; every rebuild of the device list clears it.
struct VyrDeviceSelection
{
    VyrDevice *device = nullptr;
    Adapter *adapter = nullptr;
    VyrDisplay *display = nullptr;
    VyrBranch *branch = nullptr;
};

// One machine's graphics devices as the driver reports them. The manager owns the one
// DriverCommunicator of the process, enumerates the driver's adapters into VyrDevice
// objects (one per PCI bus and device number) and rebuilds that list on every refresh.
//
// Every rebuild deletes every device, adapter, display and branch and makes them anew:
// the selection record is cleared first and configurationChangedSignal() comes last.
// Whoever keeps a pointer into the model drops it when that signal arrives.
class VyrDeviceManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int numberOfDevices READ GetNumberOfDevices)
    Q_PROPERTY(Priority priority READ priority WRITE setPriority)

public:
    enum Priority { High = 0, Low = 1, VeryHigh = 2, VeryLow = 3 };
    Q_ENUM(Priority)

    // Kind of a manager: only the local system is enumerated and refreshed.
    enum Kind { LocalSystem = 0 };

    // Binds the driver control library under its default names and builds the list.
    explicit VyrDeviceManager(AppLoggerInfo *logger, QObject *parent = nullptr);
    // Binds the first of the given library files instead (a particular build of the
    // driver control library).
    VyrDeviceManager(AppLoggerInfo *logger, const QStringList &libraryFiles,
                     QObject *parent = nullptr);
    ~VyrDeviceManager() override;

    VyrDeviceManager(const VyrDeviceManager &) = delete;
    VyrDeviceManager &operator=(const VyrDeviceManager &) = delete;

    Q_INVOKABLE QString GetOsVersionName() const;
    // The display name of the first adapter of the device at index; empty when there is
    // no such device or it has no adapter.
    Q_INVOKABLE QString GetAdapterName(int index) const;
    // The device at index; null when there is none.
    Q_INVOKABLE VyrDevice *getVyrDevice(int index) const;
    // Driver log requests of the device at deviceIndex; a missing device gives false, an
    // empty text, 0 or -1.
    Q_INVOKABLE bool ReadDriverLog(int deviceIndex);
    Q_INVOKABLE QString GetDriverLog(int deviceIndex) const;
    Q_INVOKABLE int GetLoggerBufferSize(int deviceIndex);
    // The mask of the device's log category numbered like the device itself.
    Q_INVOKABLE unsigned int GetLoggerSetting(int deviceIndex) const;
    Q_INVOKABLE void ClearDriverLog(int deviceIndex);
    Q_INVOKABLE int GetLoggerMajorIndex(int deviceIndex, const QString &label) const;
    Q_INVOKABLE bool SetLoggerSetting(int deviceIndex, int index, unsigned int value);
    Q_INVOKABLE void UnlockLoggerFeature(int deviceIndex, bool unlock);
    Q_INVOKABLE void EnableLoggerFeature(int deviceIndex, bool enable);
    Q_INVOKABLE bool ForceUpdateLogger(unsigned int deviceIndex);
    // Clone, extend or disable a display of a device, then rebuild the list; answers the
    // device's result (false for an index past the list, which rebuilds nothing). Refresh
    // requests that arrive meanwhile do nothing.
    Q_INVOKABLE bool CloneDisplay(int deviceIndex, int displayIndex);
    Q_INVOKABLE bool ExtendDisplay(int deviceIndex, int displayIndex);
    Q_INVOKABLE bool DisableDisplay(int deviceIndex, int displayIndex);
    Q_INVOKABLE int GetNumberOfDevices() const { return m_devices.size(); }
    // Rebuilds the whole model for a local manager that is not busy; nothing otherwise.
    Q_INVOKABLE void Refresh(bool forceUpdateAll = false);

    // The only builder of the device list.
    void initDevices(bool force);
    // The first device with that PCI bus and device number; null if none.
    VyrDevice *getDevice(int bus, int device) const;
    bool StartStopDevice(unsigned int deviceIndex, DeviceStartStopOption option);
    // The driver settings and log categories of the device at deviceIndex (VyrDevice);
    // a missing device gives false, an invalid value or an empty list.
    bool GetLoggerSetings(unsigned int deviceIndex, QList<LogMajorInfo> *list);
    bool IsDriverRegKeyValid(unsigned int deviceIndex, const QString &key) const;
    QVariant GetDriverRegKeyValue(unsigned int deviceIndex, const QString &key);
    QStringList GetDriverRegKeyList(unsigned int deviceIndex, const QString &filter) const;
    QStringList GetDriverRegKeyGroups(unsigned int deviceIndex, const QString &group) const;
    QStringList GetDriverRegGroupKeyList(unsigned int deviceIndex, const QString &group) const;
    bool SetDriverRegKeyValue(unsigned int deviceIndex, const QString &key, const QVariant &value);
    bool DeleteDriverRegKey(unsigned int deviceIndex, const QString &key);
    bool IsStartStropEnabled() const;
    int GetNoxVersion() const;
    DpcdTableInfo *GetDpcdInfo();
    bool GetGlobalEdidPersistence(int *current, int *def);
    bool SetGlobalEdidPersistence(int value);
    // "RAM: <n> MB" from /proc/meminfo.
    QString getSystemMemSize() const;
    // The processor lines of lscpu, each followed by ", ".
    QString getCpuInfo() const;
    void printLog(AppLogType type, const QString &text) const;

    const QList<VyrDevice *> &devices() const { return m_devices; }
    VyrDeviceSelection &selection() { return m_selection; }
    const VyrDeviceSelection &selection() const { return m_selection; }
    int kind() const { return m_kind; }
    QString name() const { return m_name; }
    bool busy() const { return m_busy; }
    Priority priority() const { return m_priority; }
    void setPriority(Priority priority) { m_priority = priority; }
    DriverCommunicator *communicator() const { return m_communicator.get(); }

signals:
    void configurationChangedSignal();

public slots:
    // Shows a progress dialog for five seconds while the device changes state, then
    // rebuilds the list and marks the device with that hardware id.
    void onDeviceStateChanged(bool enabled, QString hardwareId);

private:
    void construct(const QStringList *libraryFiles);
    void updateCurrentOsVersion();
    VyrDevice *deviceAt(int index) const;
    template <typename Op> bool changeDisplays(int deviceIndex, Op op);

    Priority m_priority = High;
    int m_osVersion = 0;
    std::unique_ptr<DriverCommunicator> m_communicator;
    // Hardware register access for the devices; its records live as long as the manager,
    // over every rebuild of the device list.
    std::unique_ptr<DeviceHelpers::VyrDeviceHelper> m_regHelper;
    AppLoggerInfo *m_logger = nullptr;
    QStringList m_texts;
    QList<VyrDevice *> m_devices;
    VyrDeviceSelection m_selection;
    bool m_loggerFeature = false;
    int m_kind = LocalSystem;
    QString m_name;
    DpcdTableInfo m_ownDpcdTable;
    bool m_busy = false;
};
