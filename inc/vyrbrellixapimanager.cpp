#include "vyrbrellixapimanager.h"

#include "quarnibapiadapter.h"
#include "vyrdevicehelperapi.h"

#include <QSettings>

// Order matters: the lock is constructed before and destroyed after the holder, whose
// destructor releases the manager under it at process exit.
template <> VyrBrellixApiManager *Singleton<VyrBrellixApiManager>::m_instance = nullptr;
template <> QAtomicInt Singleton<VyrBrellixApiManager>::m_refCount(0);
template <> QMutex Singleton<VyrBrellixApiManager>::m_Lock{};

AutoInstance<VyrBrellixApiManagerSingleton> g_pVyrBrellixApiManager;

VyrBrellixApiManager::VyrBrellixApiManager()
    : m_settings(
        new QSettings(QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini"),
                      QSettings::IniFormat))
{}

VyrBrellixApiManager::~VyrBrellixApiManager()
{
    releaseApi();
    delete m_settings;
}

int VyrBrellixApiManager::GetApiType() const
{
    // Picks up changes that another program made to the file since the last call.
    m_settings->sync();
    const QString api = m_settings->value(QStringLiteral("brelli/api"), tr("brelli")).toString();
    return api == QLatin1String("quarnib") ? ApiQuarnib : ApiDeviceHelper;
}

bool VyrBrellixApiManager::IsSettingChanged() const
{
    return m_apiType != GetApiType();
}

bool VyrBrellixApiManager::CreateApiInstance()
{
    m_apiType = GetApiType();
    if (m_apiType == ApiQuarnib)
        m_api = new DeviceHelpers::QuarnibApiAdapter;
    else
        m_api = new DeviceHelpers::VyrDeviceHelperApi;
    if (m_api->Initialize())
        return true;
    delete m_api;
    m_api = nullptr;
    m_apiType = ApiNone;
    return false;
}

DeviceHelpers::IVyrBrellixApi *VyrBrellixApiManager::GetBrellixApi()
{
    if (m_api && !IsSettingChanged())
        return m_api;
    releaseApi();
    CreateApiInstance();
    return m_api;
}

void VyrBrellixApiManager::releaseApi()
{
    if (!m_api)
        return;
    m_api->Uninitialize();
    delete m_api;
    m_api = nullptr;
    m_apiType = ApiNone;
}
