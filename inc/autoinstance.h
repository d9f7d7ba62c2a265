#pragma once

// Holds one reference to the instance of a Singleton (S) from the first Get() to its
// own destruction. As a global object it releases the instance at process exit.
template <typename S> class AutoInstance
{
public:
    using Type = typename S::Type;

    AutoInstance() = default;
    ~AutoInstance()
    {
        if (m_instance)
            S::Release();
    }

    AutoInstance(const AutoInstance &) = delete;
    AutoInstance &operator=(const AutoInstance &) = delete;

    // The instance, created and referenced on the first call.
    Type *Get()
    {
        if (!m_instance) {
            Type *instance = S::Instance();
            S::AddRef();
            m_instance = instance;
        }
        return m_instance;
    }

private:
    Type *m_instance = nullptr;
};
