#pragma once

#include <QLibrary>
#include <QString>

#include <cstdint>

struct _XDisplay;

// Binary contract: see ARCHITECTURE.md, "Driver record layouts".
// The driver's configuration store, bound once per process. The store's functions are
// taken from the process itself when the driver has brought them in; otherwise the
// stand-in library "libvyrpcs.so" is loaded from the program's folder (or from the
// folder of the device library). When neither provides all eight functions the
// binding stays unbound and every caller sees a store that cannot be opened.
class VyrPcsBinding
{
public:
    using Handle = void *;
    using OpenX11Fn = int (*)(Handle *handle, _XDisplay *display);
    using CloseFn = int (*)(Handle handle);
    using GetDataTypeFn = int (*)(Handle handle, int reserved, const char *location,
                                  const char *name, int *type);
    using GetU32Fn = int (*)(Handle handle, int reserved, const char *location, const char *name,
                             uint32_t *value);
    using GetStrFn = int (*)(Handle handle, int reserved, const char *location, const char *name,
                             uint32_t bufferSize, char *buffer, uint32_t *length);
    using GetRawFn = int (*)(Handle handle, int reserved, const char *location, const char *name,
                             uint32_t bufferSize, unsigned char *buffer, uint32_t *length);
    using SetU32Fn = int (*)(Handle handle, int reserved, const char *location, const char *name,
                             uint32_t value);
    using DeleteFn = int (*)(Handle handle, int reserved, const char *location, const char *name);

    // The binding of this process, made on first use.
    static const VyrPcsBinding &instance();

    bool isBound() const { return m_openX11 != nullptr; }
    // Where the functions came from: "process", the path of the library, or empty.
    QString source() const { return m_source; }

    OpenX11Fn openX11() const { return m_openX11; }
    CloseFn close() const { return m_close; }
    GetDataTypeFn getDataType() const { return m_getDataType; }
    GetU32Fn getU32() const { return m_getU32; }
    GetStrFn getStr() const { return m_getStr; }
    GetRawFn getRaw() const { return m_getRaw; }
    SetU32Fn setU32() const { return m_setU32; }
    DeleteFn deleteKey() const { return m_delete; }

private:
    VyrPcsBinding();

    template <typename Resolve> bool bindAll(Resolve resolve);
    void clear();

    OpenX11Fn m_openX11 = nullptr;
    CloseFn m_close = nullptr;
    GetDataTypeFn m_getDataType = nullptr;
    GetU32Fn m_getU32 = nullptr;
    GetStrFn m_getStr = nullptr;
    GetRawFn m_getRaw = nullptr;
    SetU32Fn m_setU32 = nullptr;
    DeleteFn m_delete = nullptr;
    QString m_source;
    // Loader of the stand-in. It never unloads: the functions stay valid for the life
    // of the process.
    QLibrary m_library;
};
