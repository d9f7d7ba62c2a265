#pragma once

#include "autoinstance.h"
#include "ivyrbrellixapi.h"
#include "singleton.h"

#include <QCoreApplication>
#include <QMap>
#include <QSharedPointer>

class QSettings;

// Chooses the register-access library from the key "brelli/api" of "VyrPell.ini" in
// the application folder ("quarnib": the hardware tool library; anything else: the
// device-helper library), creates and initialises its interface, and owns it with the
// register helpers that share it. One
// manager per process (g_pVyrBrellixApiManager); its release at process exit runs
// after the application object is gone and needs neither an event loop nor a logger.
class VyrBrellixApiManager
{
    Q_DECLARE_TR_FUNCTIONS(VyrBrellixApiManager)

public:
    enum ApiType { ApiNone = 0, ApiQuarnib = 1, ApiDeviceHelper = 2 };

    VyrBrellixApiManager();
    ~VyrBrellixApiManager();

    VyrBrellixApiManager(const VyrBrellixApiManager &) = delete;
    VyrBrellixApiManager &operator=(const VyrBrellixApiManager &) = delete;

    // The type the settings ask for, read anew on every call.
    int GetApiType() const;
    // True when the settings ask for another type than the one in use.
    bool IsSettingChanged() const;
    // Creates and initialises the interface of GetApiType(); on failure nothing is kept
    // and the type in use is ApiNone.
    bool CreateApiInstance();
    // The interface in use, replaced when the setting has changed since; null when it
    // cannot be created (the next call tries again).
    DeviceHelpers::IVyrBrellixApi *GetBrellixApi();
    // GetBrellixApi() as a shared reference. A replaced interface stays alive, and is
    // uninitialised and deleted only when its last holder lets it go; until then a
    // switch back to its type takes it again rather than binding its library twice.
    QSharedPointer<DeviceHelpers::IVyrBrellixApi> ShareBrellixApi();

    // The type of the interface in use (ApiNone when there is none).
    int GetCurrentApiType() const { return m_apiType; }

private:
    QSharedPointer<DeviceHelpers::IVyrBrellixApi> m_api;
    // The interfaces still alive, by type: the one in use and any that a switch of the
    // setting replaced while a register helper held it.
    QMap<int, QWeakPointer<DeviceHelpers::IVyrBrellixApi>> m_live;
    QSettings *m_settings = nullptr;
    int m_apiType = ApiNone;
};

// Defined in vyrbrellixapimanager.cpp.
template <> VyrBrellixApiManager *Singleton<VyrBrellixApiManager>::m_instance;
template <> QAtomicInt Singleton<VyrBrellixApiManager>::m_refCount;
template <> QMutex Singleton<VyrBrellixApiManager>::m_Lock;

using VyrBrellixApiManagerSingleton = Singleton<VyrBrellixApiManager>;

// The process's holder of the manager: the device manager takes the manager from it
// (Get()) and the manager is released when the process exits.
extern AutoInstance<VyrBrellixApiManagerSingleton> g_pVyrBrellixApiManager;
