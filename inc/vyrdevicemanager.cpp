#include "vyrdevicemanager.h"

#include "adapter.h"
#include "apploggerinfo.h"
#include "drivercommunicator.h"
#include "sleeper.h"
#include "vyrbaselogger.h"
#include "vyrbrellixapimanager.h"
#include "vyrdevicehelper.h"
#include "vyruiservice.h"

#include <QProcess>

#include <cstring>

namespace {

// Bit 0 of the logger's component flags enables the device manager's log.
const quint32 kManagerLogFlag = 0x1;
// How long a helper program may run.
const int kProcessTimeoutMs = 30000;

// Standard output of a finished program as ASCII text, up to its first NUL byte.
QString runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kProcessTimeoutMs);
    QByteArray output = process.readAllStandardOutput();
    const int zero = output.indexOf('\0');
    if (zero >= 0)
        output.truncate(zero);
    process.close();
    return QString::fromLatin1(output);
}

// The register helper's key of an adapter's PCI location: bus, device and function
// packed as the PCI configuration mechanism does (see DeviceHelpers::PciGetBus).
unsigned int pciLocation(const AdapterInfo &record)
{
    return ((static_cast<unsigned int>(record.iBusNumber) << 8) & 0xFFFFu)
           | ((static_cast<unsigned int>(record.iDeviceNumber) << 3) & 0xFFu)
           | (static_cast<unsigned int>(record.iFunctionNumber) & 0x7u);
}

} // namespace

VyrDeviceManager::VyrDeviceManager(AppLoggerInfo *logger, QObject *parent)
    : QObject(parent)
    , m_logger(logger)
{
    construct(nullptr);
}

VyrDeviceManager::VyrDeviceManager(AppLoggerInfo *logger, const QStringList &libraryFiles,
                                   QObject *parent)
    : QObject(parent)
    , m_logger(logger)
{
    construct(&libraryFiles);
}

void VyrDeviceManager::construct(const QStringList *libraryFiles)
{
    m_name = tr("local system");
    m_regHelper = std::make_unique<DeviceHelpers::VyrDeviceHelper>(
        g_pVyrBrellixApiManager.Get()->ShareBrellixApi());
    updateCurrentOsVersion();
    m_communicator = libraryFiles != nullptr
                         ? std::make_unique<DriverCommunicator>(m_logger, *libraryFiles)
                         : std::make_unique<DriverCommunicator>(m_logger);
    if (!m_communicator->IsNoxLoaded())
        printLog(AppLogError, tr("VyrDeviceManager::Init(): Failed to Load NOX"));
    initDevices(false);
    if (m_kind == LocalSystem) {
        for (int i = 0; i < m_devices.size(); ++i)
            UnlockLoggerFeature(i, true);
    }
}

VyrDeviceManager::~VyrDeviceManager()
{
    if (m_kind == LocalSystem) {
        for (int i = 0; i < m_devices.size(); ++i)
            UnlockLoggerFeature(i, false);
    }
    qDeleteAll(m_devices);
    m_devices.clear();
}

void VyrDeviceManager::printLog(AppLogType type, const QString &text) const
{
    if (m_logger == nullptr || m_logger->logger == nullptr || !(m_logger->flags & kManagerLogFlag))
        return;
    m_logger->logger->PrintLog(type, tr("DEVICE MANAGER - ") + text);
}

void VyrDeviceManager::updateCurrentOsVersion()
{
    m_osVersion = 1;
}

QString VyrDeviceManager::GetOsVersionName() const
{
    switch (m_osVersion) {
    case 1:
        return tr("Linux");
    case 2:
        return tr("MS Windows XP 32bit");
    case 3:
        return tr("MS Windows XP 64bit");
    case 4:
        return tr("MS Windows Vista 32bit");
    case 5:
        return tr("MS Windows Vista 64bit");
    case 6:
        return tr("MS Windows 7 32bit");
    case 7:
        return tr("MS Windows 7 64bit");
    case 8:
        return tr("MS Windows 8 32bit");
    case 9:
        return tr("MS Windows 8 64bit");
    default:
        return tr("Unknown");
    }
}

// ---- the device list
// ------------------------------------------------------------------------------

void VyrDeviceManager::initDevices(bool force)
{
    m_selection = VyrDeviceSelection();
    if (m_kind != LocalSystem) {
        emit configurationChangedSignal();
        return;
    }
    qDeleteAll(m_devices);
    m_devices.clear();
    if (!m_communicator->IsNoxLoaded())
        return;

    m_regHelper->Initialize();
    m_communicator->Refresh();
    const int count = qMax(0, m_communicator->GetNumberOfAdapers());
    QVector<AdapterInfo> records(count);
    if (count > 0)
        std::memset(records.data(), 0, static_cast<size_t>(count) * sizeof(AdapterInfo));
    const bool read = m_communicator->AdaptersGetInfoEx(
        records.data(), static_cast<unsigned int>(count) * sizeof(AdapterInfo));
    if (read) {
        for (AdapterInfo &record : records) {
            if (VyrDevice *existing = getDevice(record.iBusNumber, record.iDeviceNumber)) {
                existing->AddAdapter(&record);
                continue;
            }
            DeviceHelpers::VyrHwDevice *hwDevice =
                m_regHelper->IsInitialized() ? m_regHelper->GetHwDevice(pciLocation(record))
                                             : nullptr;
            auto *device = new VyrDevice(m_logger, m_devices.size(), &record, hwDevice,
                                         m_communicator.get(), nullptr);
            m_devices.append(device);
            printLog(AppLogInfo, tr("VyrDeviceManager::initDevices(): Device %1 Created")
                                     .arg(device->deviceIndex()));
            device->setLoggerFeatureEnabled(m_loggerFeature);
        }
    }
    printLog(AppLogInfo,
             tr("VyrDeviceManager::initDevices(): Created %1 devices").arg(m_devices.size()));

    for (VyrDevice *device : qAsConst(m_devices)) {
        if (device->Init(force))
            printLog(AppLogInfo, tr("VyrDeviceManager::initDevices(): Device %1 initialized")
                                     .arg(device->deviceIndex()));
        else
            printLog(AppLogError,
                     tr("VyrDeviceManager::initDevices(): Failed to initialize Device %1")
                         .arg(device->deviceIndex()));
        // Queued: the change rebuilds the list, which deletes the device that reports it.
        connect(device, &VyrDevice::deviceStateChanged, this,
                &VyrDeviceManager::onDeviceStateChanged, Qt::QueuedConnection);
    }
    emit configurationChangedSignal();
}

void VyrDeviceManager::Refresh(bool forceUpdateAll)
{
    if (m_kind == LocalSystem && !m_busy)
        initDevices(forceUpdateAll);
}

VyrDevice *VyrDeviceManager::getDevice(int bus, int device) const
{
    for (VyrDevice *candidate : m_devices) {
        if (candidate->info().busNumber == bus && candidate->info().deviceNumber == device)
            return candidate;
    }
    return nullptr;
}

VyrDevice *VyrDeviceManager::deviceAt(int index) const
{
    return index >= 0 && index < m_devices.size() ? m_devices.at(index) : nullptr;
}

VyrDevice *VyrDeviceManager::getVyrDevice(int index) const
{
    return deviceAt(index);
}

QString VyrDeviceManager::GetAdapterName(int index) const
{
    const VyrDevice *device = deviceAt(index);
    if (device == nullptr || device->adapters().isEmpty())
        return QString();
    return device->adapters().first()->adapterInfo().DisplayName;
}

// ---- per-device requests ------------------------------------------------------------------------

bool VyrDeviceManager::StartStopDevice(unsigned int deviceIndex, DeviceStartStopOption option)
{
    VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr && device->StartStopDevice(option);
}

void VyrDeviceManager::UnlockLoggerFeature(int deviceIndex, bool unlock)
{
    // The driver's logger needs no unlocking on this platform.
    Q_UNUSED(deviceIndex)
    Q_UNUSED(unlock)
}

void VyrDeviceManager::EnableLoggerFeature(int deviceIndex, bool enable)
{
    VyrDevice *device = deviceAt(deviceIndex);
    if (device == nullptr)
        return;
    m_loggerFeature = enable;
    device->setLoggerFeatureEnabled(enable);
}

QString VyrDeviceManager::GetDriverLog(int deviceIndex) const
{
    const VyrDevice *device = deviceAt(deviceIndex);
    return device != nullptr ? device->driverLog() : QString();
}

void VyrDeviceManager::ClearDriverLog(int deviceIndex)
{
    if (VyrDevice *device = deviceAt(deviceIndex))
        device->clearDriverLog();
}

bool VyrDeviceManager::ReadDriverLog(int deviceIndex)
{
    VyrDevice *device = deviceAt(deviceIndex);
    return device != nullptr && device->ReadDriverLog();
}

int VyrDeviceManager::GetLoggerBufferSize(int deviceIndex)
{
    VyrDevice *device = deviceAt(deviceIndex);
    return device != nullptr ? static_cast<int>(device->GetLoggerBufferSize()) : 0;
}

unsigned int VyrDeviceManager::GetLoggerSetting(int deviceIndex) const
{
    const VyrDevice *device = deviceAt(deviceIndex);
    return device != nullptr ? device->GetLoggerSeting(deviceIndex) : 0u;
}

int VyrDeviceManager::GetLoggerMajorIndex(int deviceIndex, const QString &label) const
{
    const VyrDevice *device = deviceAt(deviceIndex);
    return device != nullptr ? device->GetLoggerMajorIndex(label) : -1;
}

bool VyrDeviceManager::SetLoggerSetting(int deviceIndex, int index, unsigned int value)
{
    VyrDevice *device = deviceAt(deviceIndex);
    return device != nullptr && device->SetLoggerSeting(index, value);
}

bool VyrDeviceManager::ForceUpdateLogger(unsigned int deviceIndex)
{
    VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr && device->ForceUpdateLogger();
}

bool VyrDeviceManager::GetLoggerSetings(unsigned int deviceIndex, QList<LogMajorInfo> *list)
{
    VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr && device->GetLoggerSetings(list);
}

bool VyrDeviceManager::IsDriverRegKeyValid(unsigned int deviceIndex, const QString &key) const
{
    const VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr && device->IsDriverRegKeyValid(key);
}

QVariant VyrDeviceManager::GetDriverRegKeyValue(unsigned int deviceIndex, const QString &key)
{
    VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr ? device->GetDriverRegKeyValue(key) : QVariant();
}

QStringList VyrDeviceManager::GetDriverRegKeyList(unsigned int deviceIndex,
                                                  const QString &filter) const
{
    const VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr ? device->GetDriverRegKeyList(filter) : QStringList();
}

QStringList VyrDeviceManager::GetDriverRegKeyGroups(unsigned int deviceIndex,
                                                    const QString &group) const
{
    const VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr ? device->GetDriverRegKeyGroups(group) : QStringList();
}

QStringList VyrDeviceManager::GetDriverRegGroupKeyList(unsigned int deviceIndex,
                                                       const QString &group) const
{
    const VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr ? device->GetDriverRegGroupKeyList(group) : QStringList();
}

bool VyrDeviceManager::SetDriverRegKeyValue(unsigned int deviceIndex, const QString &key,
                                            const QVariant &value)
{
    VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr && device->SetDriverRegKeyValue(key, value);
}

bool VyrDeviceManager::DeleteDriverRegKey(unsigned int deviceIndex, const QString &key)
{
    VyrDevice *device = deviceAt(static_cast<int>(deviceIndex));
    return device != nullptr && device->DeleteDriverRegKey(key);
}

template <typename Op> bool VyrDeviceManager::changeDisplays(int deviceIndex, Op op)
{
    VyrDevice *device = deviceAt(deviceIndex);
    if (device == nullptr)
        return false;
    m_busy = true;
    // The model is rebuilt whatever the answer: a refused request may have changed part
    // of the driver's state.
    const bool done = op(device);
    initDevices(false);
    m_busy = false;
    return done;
}

bool VyrDeviceManager::CloneDisplay(int deviceIndex, int displayIndex)
{
    return changeDisplays(deviceIndex,
                          [displayIndex](VyrDevice *d) { return d->CloneDisplay(displayIndex); });
}

bool VyrDeviceManager::ExtendDisplay(int deviceIndex, int displayIndex)
{
    return changeDisplays(deviceIndex, [displayIndex](VyrDevice *d) {
        return d->ExtendDisplay(displayIndex, false);
    });
}

bool VyrDeviceManager::DisableDisplay(int deviceIndex, int displayIndex)
{
    return changeDisplays(deviceIndex,
                          [displayIndex](VyrDevice *d) { return d->DisableDisplay(displayIndex); });
}

void VyrDeviceManager::onDeviceStateChanged(bool enabled, QString hardwareId)
{
    VyrUiService *ui = VyrUiService::instance();
    ui->beginProgress(tr("Changing device state..."), 0, 10);
    // The device takes a while to come up or go down; the window keeps painting.
    for (int value = 0; value < 10; value += 2) {
        ui->setProgress(value);
        Sleeper::sleep(1, true);
    }
    Refresh(false);
    for (VyrDevice *device : qAsConst(m_devices)) {
        if (device->info().hardwareId == hardwareId) {
            device->setEnabled(enabled);
            break;
        }
    }
    ui->endProgress();
}

// ---- machine-wide queries
// -------------------------------------------------------------------------

bool VyrDeviceManager::IsStartStropEnabled() const
{
    for (const VyrDevice *device : m_devices) {
        if (device->startStopEnabled())
            return true;
    }
    return false;
}

int VyrDeviceManager::GetNoxVersion() const
{
    return m_communicator ? static_cast<int>(m_communicator->GetNoxVersion()) : -1;
}

DpcdTableInfo *VyrDeviceManager::GetDpcdInfo()
{
    if (m_kind != LocalSystem || !m_communicator)
        return &m_ownDpcdTable;
    return m_communicator->GetDpcdTableInfo();
}

bool VyrDeviceManager::GetGlobalEdidPersistence(int *current, int *def)
{
    return m_communicator && m_communicator->WorkstationGlobalEdidPersistenceGet(current, def);
}

bool VyrDeviceManager::SetGlobalEdidPersistence(int value)
{
    return m_communicator && m_communicator->WorkstationGlobalEdidPersistenceSet(value);
}

QString VyrDeviceManager::getSystemMemSize() const
{
    const QString output =
        runProgram(QStringLiteral("awk"),
                   {QStringLiteral("/MemTotal/ { print $2 }"), QStringLiteral("/proc/meminfo")});
    const long long kibibytes = output.trimmed().toLongLong(nullptr, 10);
    return tr("RAM: %1 MB").arg(kibibytes / 1024);
}

QString VyrDeviceManager::getCpuInfo() const
{
    const QString output = runProgram(QStringLiteral("lscpu"), {});
    QString result;
    const auto add = [&result](const QString &line) {
        result += line.simplified() + QStringLiteral(", ");
    };
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("Architecture")))
            add(line);
        if (line.contains(QLatin1String("CPU(s)")) && !line.contains(QLatin1String(" CPU")))
            add(line);
        if (line.contains(QLatin1String("Vendor ID")))
            add(line);
        if (line.contains(QLatin1String("CPU family")))
            add(line);
        if (line.contains(QLatin1String("Model")))
            add(line);
        if (line.contains(QLatin1String("Stepping")))
            add(line);
    }
    return result;
}
