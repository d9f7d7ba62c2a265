// VyrDevice: the driver's settings (configuration store and settings file), the driver's
// log, and the replies of the device console.

#include "adapter.h"
#include "drivercommunicator.h"
#include "noxtext.h"
#include "vyrdevice.h"
#include "vyruiservice.h"

#include <QDateTime>
#include <QSettings>

#include <vector>

namespace {

// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
// Keys of the driver settings file.
const char kLogEnableKey[] = "ZelkLogEnable";
const char kLogBufferSizeKey[] = "ZelkLogBufferSize";
const char kLogMaskPrefix[] = "ZelkLogMask_";

// A driver that answers every enumeration would keep the category lists growing; no
// driver has anywhere near this many.
const quint32 kMaxLogCategories = 1024;
// The most log text read in one go, whatever buffer size the driver reports.
const unsigned int kMaxLogRead = 64u * 1024u * 1024u;

QString maskKey(const LogMajorInfo &major)
{
    return QLatin1String(kLogMaskPrefix) + major.name;
}

// The keys or groups (list) below group of the settings file; empty without a file.
QStringList groupEntries(QSettings *settings, const QString &group,
                         QStringList (QSettings::*list)() const)
{
    if (settings == nullptr)
        return QStringList();
    settings->beginGroup(group);
    const QStringList entries = (settings->*list)();
    settings->endGroup();
    return entries;
}

} // namespace

// ---- driver settings ----------------------------------------------------------------------------

bool VyrDevice::IsDriverRegKeyValid(const QString &key) const
{
    return m_settings != nullptr && m_settings->value(key).isValid();
}

QVariant VyrDevice::GetDriverRegKeyValue(const QString &key)
{
    if (m_settings == nullptr)
        return QVariant();
    if (m_communicator != nullptr) {
        const QVariant stored = m_communicator->GetKeyValueLinux(key);
        if (stored.isValid())
            return stored;
    }
    if (key.isEmpty())
        return QVariant(-1);
    return m_settings->value(key);
}

bool VyrDevice::SetDriverRegKeyValue(const QString &key, const QVariant &value)
{
    // An empty name is never written to the store.
    if (m_settings == nullptr || key.isEmpty() || m_communicator == nullptr
        || !m_communicator->SetKeyValueLinux(key, value))
        return false;
    const QVariant before = m_settings->value(key);
    m_settings->setValue(key, value);
    if (!syncSettings(key, before))
        return false;
    const QVariant readBack = m_settings->value(key);
    return readBack.isValid() && readBack.toString() == value.toString();
}

bool VyrDevice::DeleteDriverRegKey(const QString &key)
{
    if (m_settings == nullptr || key.isEmpty() || m_communicator == nullptr
        || !m_communicator->DeleteKeyLinux(key))
        return false;
    const QVariant before = m_settings->value(key);
    m_settings->remove(key);
    return syncSettings(key, before);
}

bool VyrDevice::syncSettings(const QString &key, const QVariant &before)
{
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    // The file was not written: the cache goes back to what the file holds, so no later
    // read shows a value that never reached it.
    if (before.isValid())
        m_settings->setValue(key, before);
    else
        m_settings->remove(key);
    // QSettings keeps the first error it met; a new object judges the next write alone.
    delete m_settings;
    m_settings = new QSettings(m_info.settingsPath, QSettings::NativeFormat, this);
    return false;
}

QStringList VyrDevice::GetDriverRegGroupKeyList(const QString &group) const
{
    return groupEntries(m_settings, group, &QSettings::childKeys);
}

QStringList VyrDevice::GetDriverRegKeyGroups(const QString &group) const
{
    return groupEntries(m_settings, group, &QSettings::childGroups);
}

QStringList VyrDevice::GetDriverRegKeyList(const QString &filter) const
{
    if (m_settings == nullptr)
        return QStringList();
    return m_settings->childKeys().filter(filter, Qt::CaseSensitive);
}

// ---- driver log ---------------------------------------------------------------------------------

unsigned int VyrDevice::GetLoggerEnableFlags() const
{
    const QString key = QLatin1String(kLogEnableKey);
    return IsDriverRegKeyValid(key) ? m_settings->value(key).toUInt() : 0u;
}

bool VyrDevice::SetLoggerEnableFlags(unsigned int flags)
{
    const bool set = SetDriverRegKeyValue(QLatin1String(kLogEnableKey), flags);
    if (set)
        ForceUpdateLogger();
    return set;
}

unsigned int VyrDevice::GetLoggerBufferSize()
{
    if (m_adapters.isEmpty() || m_communicator == nullptr)
        return 0;
    return m_communicator->GetAdapterLogBufferSize(firstAdapterIndex());
}

bool VyrDevice::SetLoggerBufferSize(unsigned int size)
{
    if (size == GetLoggerBufferSize()
        || !SetDriverRegKeyValue(QLatin1String(kLogBufferSizeKey), size))
        return false;
    ForceUpdateLogger();
    return true;
}

bool VyrDevice::ForceUpdateLogger()
{
    // The driver keeps one logger; the update request goes to its adapter 0.
    return !m_adapters.isEmpty() && m_communicator != nullptr
           && m_communicator->AdapterForceUpdateLogger(0);
}

bool VyrDevice::GetAdapterLoggerInfo(LoggerInfo *info)
{
    return !m_adapters.isEmpty() && m_communicator != nullptr
           && m_communicator->GetAdapterLoggerInfo(firstAdapterIndex(), info);
}

bool VyrDevice::ReadDriverLog()
{
    if (m_adapters.isEmpty() || m_communicator == nullptr)
        return false;
    const VyrAdapterInfo &adapter = m_adapters.first()->adapterInfo();
    m_driverLog +=
        tr("^[%1] ****DEVICE %2 (%3}*****\r\n")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy h:m:s ap")),
                 adapter.AdapterName, adapter.DisplayName);

    const unsigned int size = qMin(GetLoggerBufferSize(), kMaxLogRead);
    if (size == 0)
        return false;
    std::vector<char> buffer(size, '\0');
    const unsigned long length =
        m_communicator->GetAdapterLoggerLog(firstAdapterIndex(), buffer.data(), size);
    // The driver's text need not end in a NUL: never read past the length it returned.
    if (length != 0 && length <= size && buffer.front() != '\0')
        m_driverLog += noxText(buffer.data(), length);
    return true;
}

void VyrDevice::updateLoggerSettingsList()
{
    m_loggerSettings.clear();
    if (m_adapters.isEmpty() || m_communicator == nullptr)
        return;
    const int adapter = firstAdapterIndex();
    for (quint32 index = 0; index < kMaxLogCategories; ++index) {
        LoggerMajorInfo majorRecord{};
        if (!m_communicator->AdapterEnumLogMajor(adapter, LoggerEnumMajorParam{index},
                                                 &majorRecord))
            break;
        LogMajorInfo major;
        major.id = static_cast<qint32>(majorRecord.ulMajor);
        major.mask = 0;
        major.name = noxText(majorRecord.cName);
        for (quint32 minorIndex = 0; minorIndex < kMaxLogCategories; ++minorIndex) {
            LoggerMinorInfo minorRecord{};
            if (!m_communicator->AdapterEnumLogMinor(
                    adapter, LoggerEnumMinorParam{majorRecord.ulMajor, minorIndex}, &minorRecord))
                break;
            major.minors.append(
                {static_cast<qint32>(minorRecord.ulMinor), noxText(minorRecord.cName)});
        }
        m_loggerSettings.append(major);
    }
}

bool VyrDevice::GetLoggerSetings(QList<LogMajorInfo> *out)
{
    if (out != nullptr)
        out->clear();
    for (LogMajorInfo &major : m_loggerSettings) {
        const QString key = maskKey(major);
        major.mask = IsDriverRegKeyValid(key) ? m_settings->value(key).toUInt() : 0u;
    }
    if (out != nullptr)
        *out = m_loggerSettings;
    return true;
}

bool VyrDevice::SetLoggerSetings(QList<LogMajorInfo> &list)
{
    m_loggerSettings = list;
    bool result = true;
    for (const LogMajorInfo &major : qAsConst(m_loggerSettings)) {
        const QString key = maskKey(major);
        if (major.mask != 0) {
            SetDriverRegKeyValue(key, major.mask);
            if (!IsDriverRegKeyValid(key) || m_settings->value(key).toUInt() != major.mask)
                result = false;
        } else if (!DeleteDriverRegKey(key)) {
            result = false;
        }
    }
    ForceUpdateLogger();
    return result;
}

unsigned int VyrDevice::GetLoggerSeting(int index) const
{
    return index >= 0 && index < m_loggerSettings.size() ? m_loggerSettings.at(index).mask : 0u;
}

bool VyrDevice::SetLoggerSeting(int index, unsigned int mask)
{
    if (index < 0 || index >= m_loggerSettings.size())
        return false;
    LogMajorInfo &major = m_loggerSettings[index];
    const QString key = maskKey(major);
    bool written = true;
    if (mask != 0) {
        SetDriverRegKeyValue(key, mask);
        if (!IsDriverRegKeyValid(key) || m_settings->value(key).toUInt() != mask)
            return false;
    } else if (!DeleteDriverRegKey(key)) {
        printLog(AppLogError, tr("cant access registry "));
        written = false;
    }
    major.mask = mask;
    return written;
}

int VyrDevice::GetLoggerMajorIndex(const QString &name) const
{
    for (int i = 0; i < m_loggerSettings.size(); ++i) {
        if (m_loggerSettings.at(i).name == name)
            return i;
    }
    return -1;
}

// ---- device console
// -------------------------------------------------------------------------------

QString VyrDevice::deviceId() const
{
    const int cut = m_info.hardwareId.lastIndexOf(QLatin1Char('\\'));
    return cut >= 0 ? m_info.hardwareId.left(cut) : m_info.hardwareId;
}

QProcess *VyrDevice::deviceConsole()
{
    if (m_process == nullptr) {
        m_process = new QProcess(this);
        connect(m_process, &QProcess::readyReadStandardOutput, this, &VyrDevice::onReadFromStdout);
        connect(m_process, &QProcess::readyReadStandardError, this, &VyrDevice::onReadFromStdErr);
        connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
                &VyrDevice::processFinished);
        connect(m_process, &QProcess::errorOccurred, this, &VyrDevice::processError);
    }
    return m_process;
}

void VyrDevice::onReadFromStdout()
{
    if (m_process == nullptr)
        return;
    m_toolStdout = QString::fromLocal8Bit(m_process->readAllStandardOutput());
    if (m_toolStdout.contains(tr("Driver is running"))) {
        m_enabled = true;
        printLog(AppLogInfo, tr("VyrDevice::onReadFromStdout: Device %1 started, DeviceID = ")
                                     .arg(m_info.deviceIndex)
                                 + deviceId());
        emit deviceStateChanged(true, m_info.hardwareId);
    } else if (m_toolStdout.contains(tr("Device is disabled"))) {
        m_enabled = false;
        printLog(AppLogInfo, tr("VyrDevice::onReadFromStdout: Device %1 stopped, DeviceID = ")
                                     .arg(m_info.deviceIndex)
                                 + deviceId());
        emit deviceStateChanged(false, m_info.hardwareId);
    } else {
        printLog(AppLogInfo,
                 tr("VyrDevice::onReadFromStdout: Device %1 status unknown, DeviceID = ")
                         .arg(m_info.deviceIndex)
                     + deviceId());
    }
}

void VyrDevice::onReadFromStdErr()
{
    if (m_process != nullptr)
        m_toolStderr = QString::fromLocal8Bit(m_process->readAllStandardError());
}

void VyrDevice::processFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    if (exitStatus == QProcess::CrashExit)
        VyrUiService::instance()->message(VyrUiService::Icon::Critical, tr("Start/Stop Device"),
                                          tr("DevCon crashed"));
}

void VyrDevice::processError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart)
        VyrUiService::instance()->message(VyrUiService::Icon::Critical, tr("Start/Stop Device"),
                                          tr("Failed to start DevCon"));
}
