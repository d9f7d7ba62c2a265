#pragma once

#include "applogtype.h"
#include "displaysettingtypes.h"
#include "hwregaddraperture.h"
#include "logmajorinfo.h"
#include "noxapi.h"
#include "vyrdeviceinfo.h"
#include "vyrdisplaymapconfig.h"

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariant>

class Adapter;
class DriverCommunicator;
class QProcess;
class QSettings;
class VyrDisplay;
struct AppLoggerInfo;
struct LoggerInfo;
struct VyrAsicId;
struct VyrBranch;
struct VyrVBiosInfo;

namespace DeviceHelpers {
class VyrHwDevice;
}

// What the device console is asked to do with a device.
enum DeviceStartStopOption : int { DeviceStart = 0, DeviceStop = 1, DeviceRestart = 2 };

// How a display takes part in the desktop (GetDesktopMode).
enum EDesktopMode : int {
    DesktopModeNone = 0,     // no such display, or its adapter has no enabled display
    DesktopModeDisabled = 1, // no parent adapter, or the display is not enabled
    DesktopModeSingle = 2,   // the only enabled display of the device
    DesktopModeClone = 3,    // its adapter drives more than one display
    DesktopModeExtended = 4  // one of several desktops of the device
};

// One graphics device (one PCI bus and device number) as the driver sees it: the
// adapters the driver reports for it, every connected display listed for its first
// adapter, the current display map, and its hardware register access. The device
// manager creates one per distinct bus and device number, adds the further adapters of
// the same device, and deletes all devices on every rebuild of its list.
//
// The whole model is rebuilt by every refresh of the device manager: a pointer to a
// device is valid until the manager's next configurationChangedSignal().
class VyrDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(unsigned int deviceIndex READ deviceIndex)
    Q_PROPERTY(int numberOfDisplays READ GetNumOfDisplays)

public:
    VyrDevice(AppLoggerInfo *logger, int deviceIndex, AdapterInfo *record,
              DeviceHelpers::VyrHwDevice *hwDevice, DriverCommunicator *communicator,
              QObject *parent = nullptr);
    ~VyrDevice() override;

    VyrDevice(const VyrDevice &) = delete;
    VyrDevice &operator=(const VyrDevice &) = delete;

    // ---- adapters and refresh --------------------------------------------------------------
    Adapter *AddAdapter(AdapterInfo *record);
    bool Init(bool force);
    // Updates every adapter (controllers, modes, displays); false without adapters.
    bool Refresh(bool force);
    // Reads the display map again and updates every adapter.
    bool Update();
    Q_INVOKABLE void getCurrentMapConfig(int adapterIndex);

    // ---- adapter and display queries --------------------------------------------------------
    Adapter *GetAdapter(int adapterIndex) const;
    // The adapters with at least one enabled display, in adapter order.
    QList<Adapter *> GetActiveAdapterList() const;
    Q_INVOKABLE QList<VyrDisplay *> GetEnabledDisplaysList() const;
    Q_INVOKABLE QList<VyrDisplay *> GetNotEnabledDisplaysList() const;
    Q_INVOKABLE QList<VyrDisplay *> GetAllDisplays() const { return m_displays; }
    Q_INVOKABLE int GetNumOfDisplays() const { return m_displays.size(); }
    // The display at that position of the device's display list; null outside it.
    Q_INVOKABLE VyrDisplay *getDisplay(int index) const;
    void UpdateDisplayList(QList<VyrDisplay *> &list);
    bool IsSingleDesktopMode() const;
    Q_INVOKABLE EDesktopMode GetDesktopMode(int displayIndex) const;
    bool GetVBiosInfo(VyrVBiosInfo *out) const;
    bool GetAsicId(VyrAsicId *out) const;

    // Writes size, colour depth and refresh rate into the display's current mode, which
    // its ForceSetMode() applies.
    Q_INVOKABLE void SetCurrentMode(int displayIndex, int width, int height, float refreshRate,
                                    int colourDepth);

    // ---- colour and scaling of a display --------------------------------------------------------
    // Each finds the display by its display index and forwards; no such display (or a
    // failed read) gives the default named.
    Q_INVOKABLE bool SetColorTemperatureSource(int displayIndex,
                                               DisplayColorTemperatureSource source);
    // DisplayColorTemperatureSourceUnknown when it cannot be read.
    Q_INVOKABLE DisplayColorTemperatureSource GetColorTemperatureSource(int displayIndex) const;
    Q_INVOKABLE bool SetGPUScaling(int displayIndex, bool enabled);
    Q_INVOKABLE bool GetGPUScaling(int displayIndex) const;
    Q_INVOKABLE bool SetScalingOption(int displayIndex, int option);
    // DisplayScalingNone when it cannot be read.
    Q_INVOKABLE int GetScalingOption(int displayIndex) const;
    Q_INVOKABLE bool SetColorParameter(int displayIndex, DisplayColorTypes type, int value);
    // The current, default, minimum and maximum value of a colour control; 0 when it
    // cannot be read.
    Q_INVOKABLE int GetColorParameter(int displayIndex, DisplayColorTypes type) const;
    Q_INVOKABLE int GetDefaultColorParameter(int displayIndex, DisplayColorTypes type) const;
    Q_INVOKABLE int GetMinColorParameter(int displayIndex, DisplayColorTypes type) const;
    Q_INVOKABLE int GetMaxColorParameter(int displayIndex, DisplayColorTypes type) const;

    // ---- MST ------------------------------------------------------------------------------------
    // Whether the device's MST display list holds a display with the same display index.
    Q_INVOKABLE bool isMstDisplayAdded(VyrDisplay *display) const;
    // Gathers the MST displays of every adapter, each display once.
    Q_INVOKABLE void createMstDisplayList();
    // Whether an MST display of the same tree sits above the display: a shorter relative
    // address that the display's starts with.
    Q_INVOKABLE bool mstDisplayHasParent(VyrDisplay *display) const;
    // Whether the two branches' roots share the relative address up to the source's depth.
    bool isSameMstBranch(const VyrBranch *source, const VyrBranch *target) const;
    // Whether the display belongs below the branch's root: same tree, same address up
    // to the root's depth.
    bool isChildMstDevice(const VyrBranch *parent, VyrDisplay *display) const;
    bool isBranchAlreadyAdded(const VyrBranch *branch) const;
    bool isMstDisplayAddedToBranch(const VyrBranch *branch, VyrDisplay *display) const;
    // Adds every MST display of the branch's tree (its root too) to the branch.
    void addChildToBranch(VyrBranch *branch);
    // Rebuilds the branches: one per tree, rooted at its topmost display.
    Q_INVOKABLE void populateMstDevices();

    // ---- display map ---------------------------------------------------------------------------
    // Puts every display of the device on the desktop of the enabled display with that
    // index; answers the driver's result.
    Q_INVOKABLE bool CloneDisplay(int primaryDisplayIndex);
    // Moves the display to the first adapter without enabled displays; with byPosition
    // index is a position in the display list, else a display index.
    Q_INVOKABLE bool ExtendDisplay(int index, bool byPosition);
    // Takes the enabled display with that index off the desktop (VyrDisplay::Disable());
    // false when no adapter has it enabled or the driver refused.
    Q_INVOKABLE bool DisableDisplay(int displayIndex);
    Q_INVOKABLE bool SetPrimaryDisplay(int index, bool byPosition);

    // ---- adapter-level driver calls ------------------------------------------------------------
    bool X2Caps(_NOXAdapterCapsX2 *caps);
    bool GetBoardLayout(int *validFlags, int *numberOfSlots, _NOXBracketSlotInfo **slotInfo,
                        int *numberOfConnectors, _NOXConnectorInfo **connectors);
    bool GetSupportedConnections(const _NOXDevicePort &port, _NOXSupportedConnections *connections);
    bool ConnectionStateGet(const _NOXDevicePort &port, _NOXConnectionState *state);
    bool EmulationModeSet(const _NOXDevicePort &port, int mode);
    bool ConnectionDataSet(const _NOXDevicePort &port, const _NOXConnectionData &data);
    bool ConnectionDataGet(const _NOXDevicePort &port, int option, _NOXConnectionData *data);
    bool ConnectionDataRemove(const _NOXDevicePort &port);
    bool SetupDisplaySynchronization(int displayIndex,
                                     const tagZOVRETH_DISPLAY_SETUP_SYNC_DATA *data);
    bool GetDisplaySyncStatus(int displayIndex, tagZOVRETH_DISPLAY_SYNC_STATUS *status);
    bool MeasureDisplayTimingsDelta(int first, int second,
                                    tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT *output);

    // ---- hardware registers ---------------------------------------------------------------------
    // Register access goes through the register helper's record of this device's PCI
    // location; a device without one (no register-access library, or no device at that
    // location) answers false to every access.
    bool IsHwRegAccessEnabled() const { return m_hwDevice != nullptr; }
    bool ReadHwRegister(const DeviceHelpers::HwRegAddrAperture &aperture, void *buffer,
                        unsigned long size);
    bool WriteHwRegister(const DeviceHelpers::HwRegAddrAperture &aperture, const void *buffer,
                         unsigned long size);
    bool ReadHwRegister(const DeviceHelpers::HwRegAddrAperture &aperture, unsigned int *value);
    bool WriteHwRegister(const DeviceHelpers::HwRegAddrAperture &aperture, unsigned int value);
    // The 32-bit register; 0 when it cannot be read.
    Q_INVOKABLE unsigned int readRegister(const DeviceHelpers::HwRegAddrAperture &aperture);
    Q_INVOKABLE bool writeRegister(const DeviceHelpers::HwRegAddrAperture &aperture,
                                   unsigned int value);

    // ---- driver settings ----------------------------------------------------------------------
    // The driver keeps its settings in the configuration store and in the driver settings
    // file (VYR_DRIVER_SETTINGS, else /etc/wex/vyrpcsdb); writes go to both, the store first.
    bool IsDriverRegKeyValid(const QString &key) const;
    // The store's value; when it has none, -1 for an empty key, else the file's value.
    QVariant GetDriverRegKeyValue(const QString &key);
    // True only when the store took the value and the file was written and holds it.
    bool SetDriverRegKeyValue(const QString &key, const QVariant &value);
    bool DeleteDriverRegKey(const QString &key);
    QStringList GetDriverRegGroupKeyList(const QString &group) const;
    QStringList GetDriverRegKeyGroups(const QString &group) const;
    // The top-level keys of the file that contain filter (case-sensitive).
    QStringList GetDriverRegKeyList(const QString &filter) const;

    // ---- driver log
    // ------------------------------------------------------------------------------- Adapter-level
    // calls address the first adapter; without adapters they answer false or 0.
    unsigned int GetLoggerEnableFlags() const;
    bool SetLoggerEnableFlags(unsigned int flags);
    unsigned int GetLoggerBufferSize();
    // Writes a new buffer size and has the driver apply it; false for the current size.
    bool SetLoggerBufferSize(unsigned int size);
    bool ForceUpdateLogger();
    bool GetAdapterLoggerInfo(LoggerInfo *info);
    // Appends a header line and the driver's log text to driverLog(); false when the
    // driver keeps no log (the header stays).
    bool ReadDriverLog();
    // The driver's log categories, masks cleared.
    Q_INVOKABLE void updateLoggerSettingsList();
    // The categories with their masks from the settings file.
    bool GetLoggerSetings(QList<LogMajorInfo> *out);
    // Takes the categories and writes each mask (a zero mask deletes its key); true when
    // every mask was written.
    bool SetLoggerSetings(QList<LogMajorInfo> &list);
    // The mask of the category at index; 0 outside the list.
    unsigned int GetLoggerSeting(int index) const;
    // Writes the mask of the category at index; true when written (a zero mask deletes it).
    bool SetLoggerSeting(int index, unsigned int mask);
    // Position of the category with that name; -1 if none.
    int GetLoggerMajorIndex(const QString &name) const;

    // ---- device console -----------------------------------------------------------------------
    bool CanStartStopDevice() const { return !m_toolPath.isEmpty(); }
    // Starts, stops or restarts the device through the device console; without one it
    // says "DevCon not found" and does nothing.
    bool StartStopDevice(DeviceStartStopOption option);

    Q_INVOKABLE void printLog(AppLogType type, const QString &text) const;

    // ---- state read by the model and its views --------------------------------------------------
    const VyrDeviceInfo &info() const { return m_info; }
    unsigned int deviceIndex() const { return m_info.deviceIndex; }
    const QString &summary() const { return m_summary; }
    const VyrDisplayMapConfig &mapConfig() const { return m_mapConfig; }
    const QList<Adapter *> &adapters() const { return m_adapters; }
    const QList<VyrBranch *> &branches() const { return m_branches; }
    const QList<VyrDisplay *> &displays() const { return m_displays; }
    const QList<VyrDisplay *> &mstDisplays() const { return m_mstDisplays; }
    const QList<LogMajorInfo> &loggerSettings() const { return m_loggerSettings; }
    // Set at creation; the device console's replies change it.
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // Nothing in this system sets it; the device manager reports it.
    bool startStopEnabled() const { return m_startStopEnabled; }
    bool loggerFeatureEnabled() const { return m_loggerFeature; }
    void setLoggerFeatureEnabled(bool enabled) { m_loggerFeature = enabled; }
    const QString &driverLog() const { return m_driverLog; }
    // Empties a log that was read (a log never read stays null).
    void clearDriverLog();
    DriverCommunicator *communicator() const { return m_communicator; }
    DeviceHelpers::VyrHwDevice *hwDevice() const { return m_hwDevice; }

signals:
    void deviceStateChanged(bool enabled, QString hardwareId);
    void hwRegListChanged();

public slots:
    // Replies of the device console: its state line, its errors, a crash or a failed start.
    void onReadFromStdout();
    void onReadFromStdErr();
    void processFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void processError(QProcess::ProcessError error);

private:
    bool syncSettings(const QString &key, const QVariant &before);
    QString deviceId() const;
    QProcess *deviceConsole();
    VyrDisplay *displayByIndex(int displayIndex) const;
    void clearBranches();
    // Value which (0 current, 1 default, 2 minimum, 3 maximum) of a display's colour
    // control; 0 when it cannot be read.
    int colorParameter(int displayIndex, DisplayColorTypes type, int which) const;
    int firstAdapterIndex() const { return static_cast<int>(m_info.adapterIndex); }
    int activeAdapterCount() const;

    VyrDeviceInfo m_info;
    QString m_summary;
    VyrDisplayMapConfig m_mapConfig;
    QList<Adapter *> m_adapters;
    QList<VyrBranch *> m_branches;
    QList<VyrDisplay *> m_displays;
    QList<VyrDisplay *> m_displayList;
    QList<VyrDisplay *> m_mstDisplays;
    AppLoggerInfo *m_logger = nullptr;
    QList<LogMajorInfo> m_loggerSettings;
    QString m_driverLog;
    bool m_enabled = true;
    QString m_toolPath;
    QProcess *m_process = nullptr;
    QString m_toolStdout;
    QString m_toolStderr;
    DriverCommunicator *m_communicator = nullptr;
    QSettings *m_settings = nullptr;
    DeviceHelpers::VyrHwDevice *m_hwDevice = nullptr;
    bool m_loggerFeature = false;
    bool m_startStopEnabled = false;
};
