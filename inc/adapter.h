#pragma once

#include "applogtype.h"
#include "devicemodeinfo.h"
#include "noxapi.h"
#include "vyradapterinfo.h"
#include "vyrasicid.h"
#include "vyrvbiosinfo.h"

#include <QList>
#include <QObject>

class Controller;
class DriverCommunicator;
class VyrDevice;
class VyrDisplay;
struct AppLoggerInfo;
struct VyrBranch;
struct VyrDisplayMapConfig;

// One driver adapter of a graphics device: its description, video BIOS and ASIC
// identity, its display controllers, the modes it offers and its display lists
// (enabled displays, connected displays that are not enabled, displays of MST
// topologies with the branches over them). The displays belong to the device; the
// adapter sorts the device's displays into its lists on every Update().
//
// The whole model is rebuilt by every refresh of the device manager: a pointer to an
// adapter is valid until the manager's next configurationChangedSignal().
class Adapter : private QObject
{
    Q_OBJECT

public:
    Adapter(AppLoggerInfo *logger, DriverCommunicator *communicator, AdapterInfo *record,
            VyrDisplayMapConfig *mapConfig, QList<VyrDisplay *> *displayList, VyrDevice *device);
    ~Adapter() override;

    Adapter(const Adapter &) = delete;
    Adapter &operator=(const Adapter &) = delete;

    // Reads controllers, video BIOS, ASIC id and adapter information again and sorts the
    // device's displays into the enabled and not-enabled lists, updating each.
    void Update();
    // Replaces the contents of the device's display list, then Update().
    void UpdateDisplayList(QList<VyrDisplay *> &displays);

    // The enabled display with that logical index; null if none.
    VyrDisplay *GetDisplay(int displayIndex) const;
    Controller *getController(unsigned int index) const;
    // The controller with that index, read from the driver and added when new; null
    // when its mode cannot be read.
    Controller *addController(unsigned int index);
    // Adds the controllers the adapter owns, lowest first, up to the first failure.
    void addControllers();
    // The first controller's timing and its index; false (index -1) without controllers.
    bool GetControllerTimingData(int *index, tagCONTROLLERTIMINGDATA *timing) const;
    // Sets the adapter's mode at position index on a display; false for a position that
    // does not exist.
    bool SetMode(unsigned int displayIndex, unsigned int index);
    // The adapter's key in the registry; never empty.
    QString GetRegPath() const;
    // True when the child's relative address starts with the parent's (always for a
    // parent at the top of its topology).
    bool isChildMstDevice(VyrDisplay *parent, VyrDisplay *child) const;
    // The same adapter in the same state: identity, BIOS, modes and enabled displays.
    bool Compare(const Adapter *other) const;
    // Appends to the branch the MST displays one level below it, depth first.
    bool appendMstChild(VyrBranch *branch);

    void printLog(AppLogType type, const QString &text) const;

    // ---- driver calls for this adapter ----------------------------------------------------
    bool GetTarvishSupport(int *support);
    bool LoadDefaultAudioChannelTable(int first, int second, unsigned int third,
                                      NOXDisplayChannelMapping **table);
    bool GetAudioChannelSplitConfiguration(NOXAudioChannelSplitSetting *setting);
    bool EnableAudioChannelSplit(NOXAudioChannelSplitSetting *setting);
    bool DisableAudioChannelSplit();
    bool GetCurrentSampleRate(int *rate);
    bool GetAudioDelayAdjustmentInfo(NOXApoAudioDelayRangeInfo *info);
    bool SetApoAudioDelay(NOXAudioDelayPerSampleRate *delay);
    bool GetAsicFamilyType(int *type, int *valids);
    bool Activate();
    bool Disable();
    bool MakePrimary();
    bool GetVideoColorParameter(int feature, float &value);
    bool SetVideoColorParameter(int feature, float value);

    // ---- state -----------------------------------------------------------------------------
    int adapterIndex() const { return m_adapterInfo.iAdapterIndex; }
    VyrDevice *device() const { return m_device; }
    const VyrAdapterInfo &adapterInfo() const { return m_adapterInfo; }
    // The adapter's active flag: at least one display of the adapter is enabled.
    bool hasEnabledDisplay() const { return m_hasEnabledDisplay; }
    const VyrVBiosInfo &vbiosInfo() const { return m_vbios; }
    const VyrAsicId &asicId() const { return m_asicId; }
    const tagADAPTERINFO &adapterInfoRecord() const { return m_adapterInfoRecord; }
    const QList<DeviceModeInfo> &modes() const { return m_modes; }
    const QList<Controller *> &controllers() const { return m_controllers; }
    const QList<VyrDisplay *> &enabledDisplays() const { return m_enabledDisplays; }
    const QList<VyrDisplay *> &notEnabledDisplays() const { return m_notEnabledDisplays; }
    const QList<VyrDisplay *> &mstDisplays() const { return m_mstDisplays; }
    const QList<VyrBranch *> &mstBranches() const { return m_mstBranches; }

private:
    bool libraryLoaded() const;
    void readIdentity();
    void clearControllers();
    void clearMstBranches();
    void updateMstDisplayList();
    void updateMstBranches();
    static bool compareLists(QList<VyrDisplay *> a, QList<VyrDisplay *> b);

    VyrDevice *m_device = nullptr;
    int m_skipUpdates = 0;
    AppLoggerInfo *m_logger = nullptr;
    VyrDisplayMapConfig *m_mapConfig = nullptr;
    QList<VyrDisplay *> *m_displayList = nullptr;
    bool m_hasEnabledDisplay = false;
    DriverCommunicator *m_communicator = nullptr;
    int m_reserved = 0;
    VyrVBiosInfo m_vbios;
    VyrAsicId m_asicId;
    QList<DeviceModeInfo> m_modes;
    VyrAdapterInfo m_adapterInfo;
    tagADAPTERINFO m_adapterInfoRecord = {};
    QList<Controller *> m_controllers;
    QList<VyrDisplay *> m_enabledDisplays;
    QList<VyrDisplay *> m_notEnabledDisplays;
    QList<VyrBranch *> m_mstBranches;
    QList<VyrDisplay *> m_mstDisplays;
};
