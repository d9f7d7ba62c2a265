#include "vyrsystemmanager.h"

#include "vyrdevicemanager.h"
#include "vyruiservice.h"

namespace {

const int kToolTimeoutMs = 30000;

} // namespace

VyrSystemManager::VyrSystemManager(AppLoggerInfo *logger, QObject *parent)
    : QObject(parent)
    , m_logger(logger)
{}

VyrSystemManager::~VyrSystemManager() = default;

bool VyrSystemManager::AddDeviceManager(VyrDeviceManager *manager)
{
    if (manager == nullptr || m_managers.contains(manager))
        return false;
    m_managers.append(manager);
    if (manager->kind() == VyrDeviceManager::LocalSystem) {
        m_local = manager;
        if (m_selected == -1)
            m_selected = m_managers.size() - 1;
    }
    emit deviceManagerListChanged();
    return true;
}

bool VyrSystemManager::isDeviceManagerExists(VyrDeviceManager *manager) const
{
    return m_managers.contains(manager);
}

int VyrSystemManager::GetDeviceManagerIndex(VyrDeviceManager *manager) const
{
    return manager != nullptr ? m_managers.indexOf(manager) : -1;
}

VyrDeviceManager *VyrSystemManager::GetDeviceManager(int index) const
{
    return index >= 0 && index < m_managers.size() ? m_managers.at(index) : nullptr;
}

VyrDeviceManager *VyrSystemManager::GetSelectedDeviceManager() const
{
    return GetDeviceManager(m_selected);
}

bool VyrSystemManager::SelectDeviceManager(VyrDeviceManager *manager)
{
    m_selected = GetDeviceManagerIndex(manager);
    if (m_selected < 0)
        return false;
    emit deviceManagerSelected(manager);
    return true;
}

bool VyrSystemManager::SelectDeviceManagerByIndex(int index)
{
    if (index < 0 || index >= m_managers.size())
        return false;
    m_selected = index;
    emit deviceManagerSelected(m_managers.at(index));
    return true;
}

bool VyrSystemManager::RemoveDeviceManagerByIndex(int index)
{
    if (index < 0 || index >= m_managers.size() || m_managers.at(index) == m_local)
        return false;
    delete m_managers.takeAt(index);
    if (index == m_selected)
        m_selected = index - 1;
    emit deviceManagerListChanged();
    return true;
}

bool VyrSystemManager::InstallDeviceDriver(QString &fileName)
{
    if (m_process == nullptr || fileName.isEmpty())
        return false;
    m_process->start(m_program, {QStringLiteral("install"), fileName});
    m_process->waitForFinished(kToolTimeoutMs);
    m_process->start(m_program, {tr("status"), fileName});
    return true;
}

void VyrSystemManager::onReadFromStdout()
{}

void VyrSystemManager::onReadFromStdErr()
{
    if (m_process == nullptr)
        return;
    QByteArray bytes = m_process->readAllStandardError();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    m_lastError = QString::fromLocal8Bit(bytes);
}

void VyrSystemManager::processFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    if (exitStatus == QProcess::CrashExit)
        VyrUiService::instance()->message(VyrUiService::Icon::Critical, tr("Install Driver"),
                                          tr("Failed to Install Driver"));
}

void VyrSystemManager::processError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart)
        VyrUiService::instance()->message(VyrUiService::Icon::Critical, tr("Install Driver"),
                                          tr("Failed to start DevCon"));
}
