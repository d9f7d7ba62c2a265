// The configuration-store stand-in. Values live in memory (seeded with a few values a
// driver keeps) or, when VYR_PCS_STORE names a file, in that file, which is read on
// every call and rewritten on every change. VYR_PCS_FAIL takes a comma-separated list
// of faults to simulate: "open" makes vyrPcsOpenX11 fail, "length" makes the string
// and raw reads report more bytes than the buffer holds.

#include "vyrpcs.h"

#include "vyrpcsstore.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <sstream>
#include <string>

namespace {

struct Session
{
    struct _XDisplay *display = nullptr;
    std::string fileName; // empty: the in-memory store
};

std::mutex g_mutex;
std::set<const Session *> g_sessions;

VyrPcsStore &memoryStore()
{
    static VyrPcsStore store = [] {
        VyrPcsStore seeded;
        seeded.loadDefaults();
        return seeded;
    }();
    return store;
}

bool faultEnabled(const char *fault)
{
    const char *faults = std::getenv("VYR_PCS_FAIL");
    if (faults == nullptr)
        return false;
    std::istringstream list(faults);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item == fault)
            return true;
    }
    return false;
}

// Runs op on the store of the session with the store lock held. op gets the store and
// returns a result code; a change to a file store is written back when op reports it.
template <typename Op> int withStore(VyrPcsHandle handle, Op op)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *session = static_cast<const Session *>(handle);
    if (session == nullptr || g_sessions.count(session) == 0)
        return VYRPCS_ERR_INVALID_ARGUMENT;
    if (session->fileName.empty()) {
        bool changed = false;
        return op(memoryStore(), changed);
    }
    VyrPcsStore store;
    if (!store.load(session->fileName))
        return VYRPCS_ERR_OPEN_FAILED;
    bool changed = false;
    const int result = op(store, changed);
    if (result == VYRPCS_OK && changed && !store.save(session->fileName))
        return VYRPCS_ERR_WRITE_FAILED;
    return result;
}

int findValue(const VyrPcsStore &store, const char *location, const char *name,
              const VyrPcsStore::Value *&value)
{
    const std::string path = VyrPcsStore::canonicalPath(location, name);
    if (path.empty())
        return VYRPCS_ERR_INVALID_ARGUMENT;
    value = store.find(path);
    return value == nullptr ? VYRPCS_ERR_NOT_FOUND : VYRPCS_OK;
}

int copyBytes(const VyrPcsStore::Value &value, uint32_t bufferSize, void *buffer, uint32_t *length)
{
    const size_t size = value.bytes.size();
    if (size > bufferSize) {
        *length = static_cast<uint32_t>(size);
        return VYRPCS_ERR_BUFFER_TOO_SMALL;
    }
    if (size > 0)
        std::memcpy(buffer, value.bytes.data(), size);
    *length = static_cast<uint32_t>(size);
    if (faultEnabled("length"))
        *length = bufferSize + 64u;
    return VYRPCS_OK;
}

int getBytes(VyrPcsHandle handle, const char *location, const char *name, int type,
             uint32_t bufferSize, void *buffer, uint32_t *length)
{
    if (buffer == nullptr || length == nullptr)
        return VYRPCS_ERR_INVALID_ARGUMENT;
    return withStore(handle, [&](VyrPcsStore &store, bool &) {
        const VyrPcsStore::Value *value = nullptr;
        const int found = findValue(store, location, name, value);
        if (found != VYRPCS_OK)
            return found;
        if (value->type != type)
            return static_cast<int>(VYRPCS_ERR_WRONG_TYPE);
        return copyBytes(*value, bufferSize, buffer, length);
    });
}

} // namespace

extern "C" {

int vyrPcsOpenX11(VyrPcsHandle *handle, struct _XDisplay *display)
{
    if (handle == nullptr)
        return VYRPCS_ERR_INVALID_ARGUMENT;
    *handle = nullptr;
    if (faultEnabled("open"))
        return VYRPCS_ERR_OPEN_FAILED;
    auto *session = new Session;
    session->display = display;
    if (const char *fileName = std::getenv("VYR_PCS_STORE"))
        session->fileName = fileName;
    std::lock_guard<std::mutex> lock(g_mutex);
    g_sessions.insert(session);
    *handle = session;
    return VYRPCS_OK;
}

int vyrPcsClose(VyrPcsHandle handle)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto *session = static_cast<const Session *>(handle);
    if (session == nullptr || g_sessions.erase(session) == 0)
        return VYRPCS_ERR_INVALID_ARGUMENT;
    delete session;
    return VYRPCS_OK;
}

int vyrPcsGetDataType(VyrPcsHandle handle, int, const char *location, const char *name, int *type)
{
    if (type == nullptr)
        return VYRPCS_ERR_INVALID_ARGUMENT;
    return withStore(handle, [&](VyrPcsStore &store, bool &) {
        const VyrPcsStore::Value *value = nullptr;
        const int found = findValue(store, location, name, value);
        if (found == VYRPCS_OK)
            *type = value->type;
        return found;
    });
}

int vyrPcsGetU32(VyrPcsHandle handle, int, const char *location, const char *name, uint32_t *result)
{
    if (result == nullptr)
        return VYRPCS_ERR_INVALID_ARGUMENT;
    return withStore(handle, [&](VyrPcsStore &store, bool &) {
        const VyrPcsStore::Value *value = nullptr;
        const int found = findValue(store, location, name, value);
        if (found != VYRPCS_OK)
            return found;
        if ((value->type != VYRPCS_TYPE_U32 && value->type != VYRPCS_TYPE_BOOL)
            || value->words.empty())
            return static_cast<int>(VYRPCS_ERR_WRONG_TYPE);
        *result = value->words.front();
        return static_cast<int>(VYRPCS_OK);
    });
}

int vyrPcsGetStr(VyrPcsHandle handle, int, const char *location, const char *name,
                 uint32_t bufferSize, char *buffer, uint32_t *length)
{
    return getBytes(handle, location, name, VYRPCS_TYPE_STRING, bufferSize, buffer, length);
}

int vyrPcsGetRaw(VyrPcsHandle handle, int, const char *location, const char *name,
                 uint32_t bufferSize, unsigned char *buffer, uint32_t *length)
{
    return getBytes(handle, location, name, VYRPCS_TYPE_RAW, bufferSize, buffer, length);
}

int vyrPcsSetU32(VyrPcsHandle handle, int, const char *location, const char *name, uint32_t value)
{
    return withStore(handle, [&](VyrPcsStore &store, bool &changed) {
        const std::string path = VyrPcsStore::canonicalPath(location, name);
        if (path.empty())
            return static_cast<int>(VYRPCS_ERR_INVALID_ARGUMENT);
        VyrPcsStore::Value stored;
        stored.type = VYRPCS_TYPE_U32;
        stored.words.push_back(value);
        store.set(path, stored);
        changed = true;
        return static_cast<int>(VYRPCS_OK);
    });
}

int vyrPcsDelete(VyrPcsHandle handle, int, const char *location, const char *name)
{
    return withStore(handle, [&](VyrPcsStore &store, bool &changed) {
        const std::string path = VyrPcsStore::canonicalPath(location, name);
        if (path.empty())
            return static_cast<int>(VYRPCS_ERR_INVALID_ARGUMENT);
        if (!store.remove(path))
            return static_cast<int>(VYRPCS_ERR_NOT_FOUND);
        changed = true;
        return static_cast<int>(VYRPCS_OK);
    });
}

} // extern "C"
