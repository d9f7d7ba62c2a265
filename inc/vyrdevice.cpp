#include "vyrdevice.h"

#include "adapter.h"
#include "apploggerinfo.h"
#include "display.h"
#include "drivercommunicator.h"
#include "vyrasicid.h"
#include "vyrbaselogger.h"
#include "vyruiservice.h"
#include "vyrvbiosinfo.h"

#include <QDebug>
#include <QProcess>
#include <QSettings>

#include <cstring>

namespace {

// The driver settings file; VYR_DRIVER_SETTINGS names another one (the simulated
// machine's, a test's).
QString driverSettingsPath()
{
    return qEnvironmentVariable("VYR_DRIVER_SETTINGS", QStringLiteral("/etc/wex/vyrpcsdb"));
}

// Bit 4 of the logger's component flags enables the device's log.
const quint32 kDeviceLogFlag = 0x10;
// How long the device console may take for one request.
const int kToolTimeoutMs = 30000;

} // namespace

VyrDevice::VyrDevice(AppLoggerInfo *logger, int deviceIndex, AdapterInfo *record,
                     DeviceHelpers::VyrHwDevice *hwDevice, DriverCommunicator *communicator,
                     QObject *parent)
    : QObject(parent)
    , m_logger(logger)
    , m_communicator(communicator)
    , m_hwDevice(hwDevice)
{
    AdapterInfo first;
    std::memset(&first, 0, sizeof(first));
    if (record != nullptr)
        first = *record;
    const VyrAdapterInfo description(first);
    m_info.name = description.AdapterName;
    m_info.udid = description.UDID;
    m_info.busNumber = description.iBusNumber;
    m_info.deviceNumber = description.iDeviceNumber;
    m_info.deviceIndex = static_cast<quint32>(deviceIndex);
    m_info.adapterIndex = static_cast<quint32>(description.iAdapterIndex);
    m_info.vendorId = static_cast<quint32>(description.iVendorID);

    getCurrentMapConfig(first.iAdapterIndex);

    int count = 0;
    NOXDisplayInfo *records = nullptr;
    if (m_communicator != nullptr
        && m_communicator->DisplaysGetInfoEx(first.iAdapterIndex, &count, &records)
        && records != nullptr) {
        printLog(AppLogTest, tr("\t numberOfDisplays = %1").arg(count));
        for (int i = 0; i < count; ++i) {
            printLog(AppLogTest, tr("\t Create Display = %1").arg(i));
            if (records[i].iDisplayInfoValue & NOX_DISPLAY_DISPLAYINFO_DISPLAYCONNECTED)
                m_displays.append(new VyrDisplay(m_logger, m_communicator, &records[i]));
        }
    }
    if (m_communicator != nullptr)
        m_communicator->NoxMemmoryFree(records);

    AddAdapter(&first);

    m_info.settingsPath = driverSettingsPath();
    m_settings = new QSettings(m_info.settingsPath, QSettings::NativeFormat, this);
    m_info.deviceIndex = static_cast<quint32>(deviceIndex);
    m_info.adapterIndex = static_cast<quint32>(description.iAdapterIndex);

    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    m_info.driverVersion = GetDriverRegKeyValue(tr("DriverVersion")).toString();
    m_info.releaseVersion =
        GetDriverRegKeyValue(tr("VYRPCSROOT/SYSTEM/LDC/ReleaseVersion")).toString();
    m_info.driverDate = GetDriverRegKeyValue(tr("DriverDate")).toString();

    printLog(AppLogInfo, tr("VyrDevice::created"));
}

VyrDevice::~VyrDevice()
{
    clearBranches();
    qDeleteAll(m_displays);
    m_displays.clear();
    qDeleteAll(m_adapters);
    m_adapters.clear();
}

void VyrDevice::printLog(AppLogType type, const QString &text) const
{
    if (m_logger == nullptr || m_logger->logger == nullptr || !(m_logger->flags & kDeviceLogFlag))
        return;
    m_logger->logger->PrintLog(type, tr("DEVICE %1: ").arg(m_info.deviceIndex) + text);
}

// ---- adapters and refresh ---------------------------------------------------------------------

Adapter *VyrDevice::AddAdapter(AdapterInfo *record)
{
    auto *adapter = new Adapter(m_logger, m_communicator, record, &m_mapConfig, &m_displays, this);
    m_adapters.append(adapter);
    return adapter;
}

bool VyrDevice::Init(bool force)
{
    Refresh(force);
    return true;
}

bool VyrDevice::Refresh(bool force)
{
    if (m_adapters.isEmpty())
        return false;
    for (Adapter *adapter : qAsConst(m_adapters))
        adapter->Update();
    if (force) {
        for (Adapter *adapter : GetActiveAdapterList()) {
            for (VyrDisplay *display : adapter->enabledDisplays()) {
                if (display->enabled()) {
                    display->UpdateTH();
                    display->UpdateMccs(0);
                }
            }
        }
    }
    createMstDisplayList();
    populateMstDevices();
    updateLoggerSettingsList();

    m_summary += tr("PCI Bus: %1, ").arg(m_info.busNumber);
    m_summary += tr("DeviceID: %1\n \n").arg(m_info.deviceNumber);
    m_summary += tr("Number of Controllers: %1\n\n").arg(m_adapters.size());
    m_summary += tr("Registry Path: \n%1\n\n").arg(m_info.settingsPath);
    printLog(AppLogInfo, tr("VyrDevice::Refresh: Refresh Called"));
    return true;
}

bool VyrDevice::Update()
{
    getCurrentMapConfig(firstAdapterIndex());
    for (Adapter *adapter : qAsConst(m_adapters)) {
        if (adapter != nullptr)
            adapter->Update();
    }
    return true;
}

void VyrDevice::getCurrentMapConfig(int adapterIndex)
{
    m_mapConfig.maps.clear();
    m_mapConfig.targets.clear();
    if (m_communicator == nullptr)
        return;
    int mapCount = 0;
    int targetCount = 0;
    NOXDisplayMap *maps = nullptr;
    NOXDisplayTarget *targets = nullptr;
    if (!m_communicator->DisplayGetMapConfig(adapterIndex, &mapCount, &maps, &targetCount, &targets,
                                             1))
        return;

    qDebug().noquote() << QString(40, QLatin1Char('<'));
    qDebug().noquote() << "Adapter Index = " << adapterIndex << " Number of maps = " << mapCount
                       << " Number of targets = " << targetCount;
    for (int i = 0; maps != nullptr && i < mapCount; ++i) {
        const NOXDisplayMap &map = maps[i];
        qDebug().noquote() << "DisplayMap " << i << " displayMode.iAdapterIndex "
                           << map.displayMode.iAdapterIndex << " iDisplayMapIndex "
                           << map.iDisplayMapIndex << " iDisplayMapMask " << map.iDisplayMapMask
                           << " iDisplayMapValue " << map.iDisplayMapValue
                           << " iFirstDisplayTargetArrayIndex " << map.iFirstDisplayTargetArrayIndex
                           << " iNumDisplayTarget " << map.iNumDisplayTarget << " Res "
                           << map.displayMode.iXRes << "x" << map.displayMode.iYRes;
        m_mapConfig.maps.append(map);
    }
    for (int i = 0; targets != nullptr && i < targetCount; ++i) {
        const NOXDisplayTarget &target = targets[i];
        qDebug().noquote() << "DisplayTarget " << i << " iDisplayLogicalAdapterIndex "
                           << target.displayID.iDisplayLogicalAdapterIndex
                           << " iDisplayLogicalIndex " << target.displayID.iDisplayLogicalIndex
                           << " iDisplayPhysicalAdapterIndex "
                           << target.displayID.iDisplayPhysicalAdapterIndex
                           << " iDisplayPhysicalIndex " << target.displayID.iDisplayPhysicalIndex
                           << " iDisplayTargetMask " << target.iDisplayTargetMask
                           << " iDisplayTargetValue " << target.iDisplayTargetValue;
        m_mapConfig.targets.append(target);
    }
    m_communicator->NoxMemmoryFree(maps);
    m_communicator->NoxMemmoryFree(targets);
}

// ---- adapter and display queries ----------------------------------------------------------------

Adapter *VyrDevice::GetAdapter(int adapterIndex) const
{
    for (Adapter *adapter : m_adapters) {
        if (adapter->adapterIndex() == adapterIndex)
            return adapter;
    }
    return nullptr;
}

QList<Adapter *> VyrDevice::GetActiveAdapterList() const
{
    QList<Adapter *> active;
    for (Adapter *adapter : m_adapters) {
        if (adapter->hasEnabledDisplay())
            active.append(adapter);
    }
    return active;
}

int VyrDevice::activeAdapterCount() const
{
    return GetActiveAdapterList().size();
}

QList<VyrDisplay *> VyrDevice::GetEnabledDisplaysList() const
{
    QList<VyrDisplay *> list;
    for (Adapter *adapter : m_adapters)
        list += adapter->enabledDisplays();
    return list;
}

QList<VyrDisplay *> VyrDevice::GetNotEnabledDisplaysList() const
{
    QList<VyrDisplay *> list;
    for (Adapter *adapter : m_adapters)
        list += adapter->notEnabledDisplays();
    return list;
}

VyrDisplay *VyrDevice::getDisplay(int index) const
{
    return index >= 0 && index < m_displays.size() ? m_displays.at(index) : nullptr;
}

VyrDisplay *VyrDevice::displayByIndex(int displayIndex) const
{
    for (VyrDisplay *display : m_displays) {
        if (display->index() == displayIndex)
            return display;
    }
    return nullptr;
}

void VyrDevice::UpdateDisplayList(QList<VyrDisplay *> &list)
{
    m_displayList = list;
    for (Adapter *adapter : qAsConst(m_adapters))
        adapter->UpdateDisplayList(m_displayList);
}

bool VyrDevice::IsSingleDesktopMode() const
{
    int enabled = 0;
    for (VyrDisplay *display : m_displays) {
        if (display->enabled())
            ++enabled;
    }
    return enabled == 1;
}

EDesktopMode VyrDevice::GetDesktopMode(int displayIndex) const
{
    const VyrDisplay *display = displayByIndex(displayIndex);
    if (display == nullptr)
        return DesktopModeNone;
    if (display->parentAdapter() == nullptr || !display->enabled())
        return DesktopModeDisabled;
    const int shared = display->parentAdapter()->enabledDisplays().size();
    if (shared == 0)
        return DesktopModeNone;
    if (shared > 1)
        return DesktopModeClone;
    return IsSingleDesktopMode() ? DesktopModeSingle : DesktopModeExtended;
}

bool VyrDevice::GetVBiosInfo(VyrVBiosInfo *out) const
{
    if (m_adapters.isEmpty() || out == nullptr)
        return false;
    *out = m_adapters.first()->vbiosInfo();
    return true;
}

bool VyrDevice::GetAsicId(VyrAsicId *out) const
{
    if (m_adapters.isEmpty() || out == nullptr)
        return false;
    // The words up to byte 28 and from 36 to 44; the word at 32 and the 16-bit values
    // after the words are not copied.
    const VyrAsicId &source = m_adapters.first()->asicId();
    for (int offset = 0; offset <= 44; offset += 4) {
        if (offset != 32)
            out->setWord(offset, source.word(offset));
    }
    return true;
}

void VyrDevice::SetCurrentMode(int displayIndex, int width, int height, float refreshRate,
                               int colourDepth)
{
    VyrDisplay *display = displayByIndex(displayIndex);
    if (display == nullptr)
        return;
    DeviceModeInfo &mode = display->currentMode();
    mode.xRes = width;
    mode.yRes = height;
    mode.colourDepth = colourDepth;
    mode.refreshRate = static_cast<qint32>(refreshRate);
}

// ---- display map
// ---------------------------------------------------------------------------------

bool VyrDevice::CloneDisplay(int primaryDisplayIndex)
{
    if (m_communicator == nullptr)
        return false;
    if (activeAdapterCount() == 1)
        printLog(AppLogTest,
                 tr(" VyrDevice::CloneDisplay displays now in clone mode or single display"));
    else
        printLog(AppLogTest, tr("VyrDevice::CloneDisplay displays now in Extended mode"));

    VyrDisplay *primary = displayByIndex(primaryDisplayIndex);
    if (primary == nullptr || !primary->enabled() || primary->parentAdapter() == nullptr)
        return false;
    // One desktop in the primary display's mode, on the adapter that drives it, with every
    // display of the device as its targets.
    const int adapter = primary->parentAdapter()->adapterIndex();
    NOXDisplayMap map;
    std::memset(&map, 0, sizeof(map));
    primary->currentMode().GetNOXMode(&map.displayMode);
    QVector<NOXDisplayTarget> targets;
    for (VyrDisplay *display : qAsConst(m_displays)) {
        NOXDisplayTarget target;
        std::memset(&target, 0, sizeof(target));
        target.displayID.iDisplayLogicalIndex = display->index();
        target.displayID.iDisplayLogicalAdapterIndex = adapter;
        targets.append(target);
    }
    // The map owns every target (map 0, from target 0 on).
    map.iNumDisplayTarget = targets.size();
    const bool done =
        m_communicator->DisplaySetMapConfig(adapter, 1, &map, targets.size(), targets.data());
    if (done)
        Update();
    return done;
}

bool VyrDevice::ExtendDisplay(int index, bool byPosition)
{
    if (m_adapters.isEmpty() || m_communicator == nullptr)
        return false;
    VyrDisplay *display = byPosition ? getDisplay(index) : displayByIndex(index);
    if (display == nullptr)
        return false;
    bool enabled = false;
    if (display->IsEnabled(enabled) && enabled
        && GetDesktopMode(display->index()) == DesktopModeExtended)
        return false;
    Update();
    for (Adapter *adapter : qAsConst(m_adapters)) {
        if (adapter->hasEnabledDisplay())
            continue;
        NOXDisplayTarget target;
        std::memset(&target, 0, sizeof(target));
        target.displayID.iDisplayLogicalIndex = display->index();
        target.displayID.iDisplayLogicalAdapterIndex = adapter->adapterIndex();
        int result = 0;
        if (!m_communicator->AdapterSetActivePrefer(adapter->adapterIndex(), 1, 1, &target,
                                                    &result))
            return false;
        getCurrentMapConfig(firstAdapterIndex());
        adapter->Update();
        display->SetParent(adapter);
        return true;
    }
    return false;
}

bool VyrDevice::DisableDisplay(int displayIndex)
{
    if (activeAdapterCount() == 1)
        printLog(AppLogTest,
                 tr(" VyrDevice::ExtendDisplay displays now in clone mode or single display"));
    else
        printLog(AppLogTest, tr("VyrDevice::ExtendDisplay displays now in Extended mode"));
    bool found = false;
    bool done = true;
    for (Adapter *adapter : qAsConst(m_adapters)) {
        if (VyrDisplay *display = adapter->GetDisplay(displayIndex)) {
            found = true;
            done = display->Disable() && done;
        }
    }
    return found && done;
}

bool VyrDevice::SetPrimaryDisplay(int index, bool byPosition)
{
    if (byPosition && (index < 0 || index >= m_displays.size()))
        return false;
    Update();
    VyrDisplay *display = byPosition ? m_displays.at(index) : displayByIndex(index);
    if (display != nullptr && display->parentAdapter() != nullptr
        && display->parentAdapter()->MakePrimary()) {
        printLog(AppLogTest, tr("VyrDevice::SetPrimaryDisplay succeeded"));
        return true;
    }
    printLog(AppLogTest, tr("VyrDevice::SetPrimaryDisplay failed"));
    return false;
}

// ---- adapter-level driver calls
// ------------------------------------------------------------------ They address the device's
// first adapter by its driver adapter index.

bool VyrDevice::X2Caps(_NOXAdapterCapsX2 *caps)
{
    return m_communicator != nullptr && m_communicator->AdapterX2Caps(firstAdapterIndex(), caps);
}

bool VyrDevice::GetBoardLayout(int *validFlags, int *numberOfSlots, _NOXBracketSlotInfo **slotInfo,
                               int *numberOfConnectors, _NOXConnectorInfo **connectors)
{
    return m_communicator != nullptr
           && m_communicator->AdapterGetBoardLayout(firstAdapterIndex(), validFlags, numberOfSlots,
                                                    slotInfo, numberOfConnectors, connectors);
}

bool VyrDevice::GetSupportedConnections(const _NOXDevicePort &port,
                                        _NOXSupportedConnections *connections)
{
    return m_communicator != nullptr
           && m_communicator->AdapterGetSupportedConnections(firstAdapterIndex(), port,
                                                             connections);
}

bool VyrDevice::ConnectionStateGet(const _NOXDevicePort &port, _NOXConnectionState *state)
{
    return m_communicator != nullptr
           && m_communicator->AdapterConnectionStateGet(firstAdapterIndex(), port, state);
}

bool VyrDevice::EmulationModeSet(const _NOXDevicePort &port, int mode)
{
    return m_communicator != nullptr
           && m_communicator->AdapterEmulationModeSet(firstAdapterIndex(), port, mode);
}

bool VyrDevice::ConnectionDataSet(const _NOXDevicePort &port, const _NOXConnectionData &data)
{
    return m_communicator != nullptr
           && m_communicator->AdapterConnectionDataSet(firstAdapterIndex(), port, data);
}

bool VyrDevice::ConnectionDataGet(const _NOXDevicePort &port, int option, _NOXConnectionData *data)
{
    return m_communicator != nullptr
           && m_communicator->AdapterConnectionDataGet(firstAdapterIndex(), port, option, data);
}

bool VyrDevice::ConnectionDataRemove(const _NOXDevicePort &port)
{
    return m_communicator != nullptr
           && m_communicator->AdapterConnectionDataRemove(firstAdapterIndex(), port);
}

bool VyrDevice::SetupDisplaySynchronization(int displayIndex,
                                            const tagZOVRETH_DISPLAY_SETUP_SYNC_DATA *data)
{
    return m_communicator != nullptr
           && m_communicator->THDisplaySetupSynchronization(firstAdapterIndex(), displayIndex,
                                                            data);
}

bool VyrDevice::GetDisplaySyncStatus(int displayIndex, tagZOVRETH_DISPLAY_SYNC_STATUS *status)
{
    return m_communicator != nullptr
           && m_communicator->THDisplayGetSyncStatus(firstAdapterIndex(), displayIndex, status);
}

bool VyrDevice::MeasureDisplayTimingsDelta(int first, int second,
                                           tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT *output)
{
    return m_communicator != nullptr
           && m_communicator->THDisplayMeasureTimingsDelta(
               firstAdapterIndex(), static_cast<unsigned long>(first),
               static_cast<unsigned long>(second), output);
}

// ---- device console
// -------------------------------------------------------------------------------

bool VyrDevice::StartStopDevice(DeviceStartStopOption option)
{
    if (!CanStartStopDevice()) {
        VyrUiService::instance()->message(VyrUiService::Icon::Critical, tr("Start/Stop Device"),
                                          tr("DevCon not found"));
        return false;
    }
    static const char *const verbs[] = {"enable", "disable", "restart"};
    const int verb = option >= DeviceStart && option <= DeviceRestart ? option : DeviceStart;
    QProcess *process = deviceConsole();
    process->start(m_toolPath, {QString::fromLatin1(verbs[verb]), deviceId()},
                   QIODevice::ReadWrite);
    process->waitForFinished(kToolTimeoutMs);
    process->start(m_toolPath, {QStringLiteral("status"), deviceId()}, QIODevice::ReadWrite);
    return true;
}

void VyrDevice::clearDriverLog()
{
    if (!m_driverLog.isNull())
        m_driverLog = QLatin1String("");
}
