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

namespace {

// The end of an interface, with its last holder.
void releaseApi(DeviceHelpers::IVyrBrellixApi *api)
{
    api->Uninitialize();
    delete api;
}

} // namespace

VyrBrellixApiManager::VyrBrellixApiManager()
    : m_settings(
        new QSettings(QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini"),
                      QSettings::IniFormat))
{}

VyrBrellixApiManager::~VyrBrellixApiManager()
{
    // At process exit a register helper may still hold an interface: it is uninitialised
    // here all the same, and deleted with its last holder.
    for (const QWeakPointer<DeviceHelpers::IVyrBrellixApi> &live : qAsConst(m_live)) {
        if (const QSharedPointer<DeviceHelpers::IVyrBrellixApi> api = live.toStrongRef())
            api->Uninitialize();
    }
    m_api.reset();
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
    m_api = m_live.value(m_apiType).toStrongRef();
    if (m_api)
        return true;
    DeviceHelpers::IVyrBrellixApi *api = nullptr;
    if (m_apiType == ApiQuarnib)
        api = new DeviceHelpers::QuarnibApiAdapter;
    else
        api = new DeviceHelpers::VyrDeviceHelperApi;
    if (!api->Initialize()) {
        delete api;
        m_apiType = ApiNone;
        return false;
    }
    m_api = QSharedPointer<DeviceHelpers::IVyrBrellixApi>(api, &releaseApi);
    m_live.insert(m_apiType, m_api);
    return true;
}

DeviceHelpers::IVyrBrellixApi *VyrBrellixApiManager::GetBrellixApi()
{
    return ShareBrellixApi().data();
}

QSharedPointer<DeviceHelpers::IVyrBrellixApi> VyrBrellixApiManager::ShareBrellixApi()
{
    if (m_api && !IsSettingChanged())
        return m_api;
    // The replaced interface goes now, unless a register helper still holds it.
    m_api.reset();
    m_apiType = ApiNone;
    CreateApiInstance();
    return m_api;
}
