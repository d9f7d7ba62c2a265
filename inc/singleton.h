#pragma once

#include <QAtomicInt>
#include <QMutex>
#include <QMutexLocker>

// One instance of T per process, created on first use and destroyed when its last
// reference is released. The static members are defined (explicitly specialised)
// beside the one type that uses them, so their order of construction and destruction
// within that file is fixed: the lock outlives every holder that releases under it.
template <typename T> class Singleton
{
public:
    using Type = T;

    // The instance; created under the lock when there is none yet.
    static T *Instance()
    {
        if (!m_instance) {
            QMutexLocker locker(&m_Lock);
            if (!m_instance)
                m_instance = new T;
        }
        return m_instance;
    }

    static void AddRef() { m_refCount.ref(); }

    // Drops one reference; the last one destroys the instance.
    static void Release()
    {
        QMutexLocker locker(&m_Lock);
        if (!m_refCount.deref()) {
            delete m_instance;
            m_instance = nullptr;
        }
    }

    static int RefCount() { return m_refCount.loadRelaxed(); }
    static bool HasInstance() { return m_instance != nullptr; }

private:
    static T *m_instance;
    static QAtomicInt m_refCount;
    static QMutex m_Lock;
};
