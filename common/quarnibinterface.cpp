#include "quarnibinterface.h"

#include "apploggerinfo.h"
#include "vyrbaselogger.h"
#include "vyruiservice.h"

#include <QDebug>
#include <QDir>
#include <QSettings>

#include <cstring>

namespace {

const char PathKey[] = "quarnib/quarnibPath";

void debugLine(const QString &text)
{
    qDebug().noquote() << QStringLiteral("QuarnibInterface>> ") + text;
}

void debugCandidate(const QString &path)
{
    debugLine(QStringLiteral("FILENAME: \"%1\"").arg(path));
}

template <typename Fn> bool bind(QLibrary &library, const char *name, Fn &slot)
{
    slot = reinterpret_cast<Fn>(library.resolve(name));
    return slot != nullptr;
}

} // namespace

QuarnibInterface::QuarnibInterface(AppLoggerInfo *loggerInfo)
    : m_loggerInfo(loggerInfo)
    , m_settings(
          new QSettings(QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini"),
                        QSettings::IniFormat))
{
    m_initialized = TryToLoadQuarnib(false);
}

QuarnibInterface::~QuarnibInterface()
{
    // The library is left loaded; its de-initialisation is never called.
    delete m_settings;
}

bool QuarnibInterface::AskUserToLocateQuarnib()
{
    return TryToLoadQuarnib(true);
}

bool QuarnibInterface::TryToLoadQuarnib(bool askUser)
{
    m_initialized = false;
    QString path;
    bool accepted = false;
    if (askUser) {
        path = VyrUiService::instance()->openFileName(tr("Locate Quarnib.dll"), QDir::currentPath(),
                                                      tr("DLL files(*.dll);;All files(*.*);;"));
        debugCandidate(path);
        accepted = loadQuarnib(path);
        if (!accepted)
            path.clear();
    }
    if (!accepted) {
        const QString defaultPath = tr("Program Files/VYR Corvane/Quarnib.dll");
        const QStringList candidates = {
            m_settings->value(QLatin1String(PathKey), defaultPath).toString(),
            QDir::rootPath() + QStringLiteral("Program Files/VYR Corvane/Quarnib.dll"),
            QStringLiteral("plugins/Quarnib.dll"),
            QStringLiteral("Quarnib.dll"),
        };
        for (const QString &candidate : candidates) {
            debugCandidate(candidate);
            if (loadQuarnib(candidate)) {
                path = candidate;
                accepted = true;
                break;
            }
        }
    }
    if (!accepted) {
        printLog(QStringLiteral("QuarnibInterface: Failed to load Quarnib.dll!"));
        debugLine(QStringLiteral("Failed to load Quarnib.dll!"));
        return false;
    }
    if (!hookQuarnib()) {
        debugLine(QStringLiteral("Failed to hook Quarnib functions!"));
        unloadQuarnib();
        return false;
    }
    if (!initialize()) {
        debugLine(QStringLiteral("Failed to initialize Quarnib state!"));
        unloadQuarnib();
        return false;
    }
    m_initialized = true;
    m_settings->setValue(QLatin1String(PathKey), path);
    m_settings->sync();
    printLog(QStringLiteral("QuarnibInterface: Quarnib initialization unloads NOX...")
             + QStringLiteral("Reloading NOX after Quarnib initialization..."));
    return true;
}

bool QuarnibInterface::loadQuarnib(const QString &path)
{
    // Nothing of an earlier file is carried over to this one.
    m_entry.initializeQuarnib = nullptr;
    m_library.setFileName(path);
    if (m_library.load() && isQuarnibLoaded())
        return true;
    m_library.unload();
    return false;
}

bool QuarnibInterface::isQuarnibLoaded()
{
    if (!m_library.isLoaded())
        return false;
    if (!m_entry.initializeQuarnib)
        bind(m_library, "InitializeQuarnib", m_entry.initializeQuarnib);
    return m_entry.initializeQuarnib != nullptr;
}

bool QuarnibInterface::hookQuarnib()
{
    // All nine are resolved; any missing one fails the binding.
    bool ok = bind(m_library, "InitializeQuarnib", m_entry.initializeQuarnib);
    ok = bind(m_library, "DeInitializeQuarnib", m_entry.deInitializeQuarnib) && ok;
    ok = bind(m_library, "EnumerateDevices", m_entry.enumerateDevices) && ok;
    ok = bind(m_library, "GetDeviceID", m_entry.getDeviceId) && ok;
    ok = bind(m_library, "GetDeviceInfo", m_entry.getDeviceInfo) && ok;
    ok = bind(m_library, "MMRegRead32", m_entry.mmRegRead32) && ok;
    ok = bind(m_library, "MMRegWrite32", m_entry.mmRegWrite32) && ok;
    ok = bind(m_library, "ReadPCIConfigReg32", m_entry.readPciConfigReg32) && ok;
    ok = bind(m_library, "WritePCIConfigReg32", m_entry.writePciConfigReg32) && ok;
    return ok;
}

void QuarnibInterface::unloadQuarnib()
{
    m_library.unload();
    // No entry point of an unloaded file may be called or taken for the next one.
    m_entry = EntryPoints();
    clearDevices();
}

void QuarnibInterface::clearDevices()
{
    for (std::unique_ptr<DEVICE> &device : m_devices)
        device.reset();
    m_deviceCount = 0;
    m_currentIndex = -1;
    m_currentDevice = nullptr;
}

bool QuarnibInterface::initialize()
{
    m_currentIndex = -1;
    m_currentDevice = nullptr;
    if (!initQuarnib() || m_deviceCount == 0)
        return false;
    m_currentIndex = 0;
    m_currentDevice = m_devices[0].get();
    return true;
}

bool QuarnibInterface::initQuarnib()
{
    clearDevices();
    unsigned char state[256] = {};
    if (m_entry.initializeQuarnib(state) != 0)
        return false;
    while (DEVICE *device = m_entry.enumerateDevices()) {
        if (m_deviceCount == MaxDevices) {
            debugLine(
                QStringLiteral("More than %1 devices; the others are left out.").arg(MaxDevices));
            break;
        }
        const quint16 id = m_entry.getDeviceId(device);
        auto copy = std::make_unique<DEVICE>();
        std::memcpy(copy.get(), device, sizeof(DEVICE));
        copy->deviceId = id;
        m_devices[m_deviceCount++] = std::move(copy);
    }
    return true;
}

void QuarnibInterface::printLog(const QString &text)
{
    if (m_loggerInfo && m_loggerInfo->logger)
        m_loggerInfo->logger->PrintLog(AppLogWarning, text);
}

bool QuarnibInterface::validIndex(int index) const
{
    return m_initialized && index >= 0 && static_cast<unsigned int>(index) < m_deviceCount;
}

unsigned int QuarnibInterface::GetDeviceCount() const
{
    return m_initialized ? m_deviceCount : 0;
}

bool QuarnibInterface::SelectDevice(int index)
{
    if (!validIndex(index))
        return false;
    m_currentIndex = index;
    m_currentDevice = m_devices[static_cast<size_t>(index)].get();
    return true;
}

int QuarnibInterface::GetCurrentDeviceIndex() const
{
    return m_initialized ? m_currentIndex : 0;
}

quint16 QuarnibInterface::GetCurrentDeviceId() const
{
    return m_initialized && m_currentDevice ? m_currentDevice->deviceId : 0;
}

quint16 QuarnibInterface::GetDeviceId(int index) const
{
    return validIndex(index) ? m_devices[static_cast<size_t>(index)]->deviceId : 0;
}

bool QuarnibInterface::GetDevice(DEVICE *out, int index) const
{
    if (!out || !validIndex(index))
        return false;
    std::memcpy(out, m_devices[static_cast<size_t>(index)].get(), sizeof(DEVICE));
    return true;
}

bool QuarnibInterface::GetCurrentDevice(DEVICE *out) const
{
    if (!out || !m_initialized || !m_currentDevice)
        return false;
    std::memcpy(out, m_currentDevice, sizeof(DEVICE));
    return true;
}

bool QuarnibInterface::GetDeviceInfo(int index, unsigned int kind, unsigned int &value)
{
    return validIndex(index)
           && m_entry.getDeviceInfo(m_devices[static_cast<size_t>(index)].get(), kind, &value) == 0;
}

bool QuarnibInterface::ReadCfgReg(quint8 bus, quint8 device, quint8 function, unsigned int offset,
                                  unsigned int *value)
{
    if (!value || !m_initialized || !m_currentDevice)
        return false;
    quint32 result = 0;
    if (m_entry.readPciConfigReg32(bus, device, function, offset, &result) != 0)
        return false;
    *value = result;
    return true;
}

bool QuarnibInterface::WriteCfgReg(quint8 bus, quint8 device, quint8 function, unsigned int offset,
                                   unsigned int value)
{
    return m_initialized && m_currentDevice
           && m_entry.writePciConfigReg32(bus, device, function, offset, value) == 0;
}

bool QuarnibInterface::ReadReg(unsigned int address, unsigned int *value)
{
    if (!value || !m_initialized || !m_currentDevice)
        return false;
    *value = m_entry.mmRegRead32(m_currentDevice, address >> 2);
    return true;
}

bool QuarnibInterface::WriteReg(unsigned int address, unsigned int value)
{
    if (!m_initialized || !m_currentDevice)
        return false;
    m_entry.mmRegWrite32(m_currentDevice, address >> 2, value);
    return true;
}
