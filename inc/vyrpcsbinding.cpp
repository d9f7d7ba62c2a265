#include "vyrpcsbinding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>

namespace {

// Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
const char kStandInLibrary[] = "libvyrpcs.so";

// The folder of the shared library this code is part of.
QString ownLibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&ownLibraryFolder), &info) == 0
        || info.dli_fname == nullptr)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

template <typename Fn> Fn toFunction(void *symbol)
{
    return reinterpret_cast<Fn>(symbol);
}

} // namespace

const VyrPcsBinding &VyrPcsBinding::instance()
{
    static const VyrPcsBinding binding;
    return binding;
}

VyrPcsBinding::VyrPcsBinding()
{
    // The driver's own store, when it is part of the process.
    if (bindAll([](const char *name) { return dlsym(RTLD_DEFAULT, name); })) {
        m_source = QStringLiteral("process");
        return;
    }

    QStringList folders;
    if (QCoreApplication::instance() != nullptr)
        folders << QCoreApplication::applicationDirPath();
    const QString own = ownLibraryFolder();
    if (!own.isEmpty() && !folders.contains(own))
        folders << own;

    for (const QString &folder : qAsConst(folders)) {
        const QString path = QDir(folder).filePath(QLatin1String(kStandInLibrary));
        if (!QFileInfo::exists(path))
            continue;
        m_library.setFileName(path);
        if (!m_library.load())
            continue;
        if (bindAll([this](const char *name) {
                return reinterpret_cast<void *>(m_library.resolve(name));
            })) {
            m_source = path;
            return;
        }
        m_library.unload();
    }
}

template <typename Resolve> bool VyrPcsBinding::bindAll(Resolve resolve)
{
    m_openX11 = toFunction<OpenX11Fn>(resolve("vyrPcsOpenX11"));
    m_close = toFunction<CloseFn>(resolve("vyrPcsClose"));
    m_getDataType = toFunction<GetDataTypeFn>(resolve("vyrPcsGetDataType"));
    m_getU32 = toFunction<GetU32Fn>(resolve("vyrPcsGetU32"));
    m_getStr = toFunction<GetStrFn>(resolve("vyrPcsGetStr"));
    m_getRaw = toFunction<GetRawFn>(resolve("vyrPcsGetRaw"));
    m_setU32 = toFunction<SetU32Fn>(resolve("vyrPcsSetU32"));
    m_delete = toFunction<DeleteFn>(resolve("vyrPcsDelete"));
    if (m_openX11 && m_close && m_getDataType && m_getU32 && m_getStr && m_getRaw && m_setU32
        && m_delete)
        return true;
    clear();
    return false;
}

void VyrPcsBinding::clear()
{
    m_openX11 = nullptr;
    m_close = nullptr;
    m_getDataType = nullptr;
    m_getU32 = nullptr;
    m_getStr = nullptr;
    m_getRaw = nullptr;
    m_setU32 = nullptr;
    m_delete = nullptr;
}
