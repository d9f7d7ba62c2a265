#pragma once

// Shared by the driver tests: a logger that keeps every line, and the controls of
// the simulated driver control library loaded by path.

#include "apploggerinfo.h"
#include "noxinterface.h"
#include "vyrbaselogger.h"
#include "vyrsimcontrol.h"

#include <QLibrary>
#include <QStringList>
#include <QtTest>

#include <cstring>
#include <memory>

namespace NoxTest {

inline QString simulatedLibrary()
{
    return QStringLiteral(VYR_BIN_DIR "/libwexnoxxx.so");
}

inline QString variantLibrary(const QString &variant)
{
    return QStringLiteral(VYR_NOX_VARIANT_DIR "/libwexnoxxx_") + variant + QStringLiteral(".so");
}

// Keeps each line as "<type>|<text>" (1 information, 4 error).
class CaptureLogger : public VyrBaseLogger
{
public:
    CaptureLogger()
        : VyrBaseLogger(0xFFFFFFFFu)
    {}
    void OnLogStringOut(AppLogType type, const QString &line) override
    {
        lines << QString::number(static_cast<unsigned>(type)) + QLatin1Char('|') + line;
    }
    QStringList take()
    {
        QStringList result = lines;
        lines.clear();
        return result;
    }
    QStringList lines;
};

// The test controls of one build of the simulated library. Loading it here first
// keeps it mapped (and its state alive) whatever the binding under test does.
class SimLibrary
{
public:
    explicit SimLibrary(const QString &path = simulatedLibrary())
        : m_library(path)
    {
        m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        loaded = m_library.load();
        reset = resolve<VyrSimResetFn>("vyrsim_reset");
        loadMachine = resolve<VyrSimLoadMachineFn>("vyrsim_load_machine");
        fail = resolve<VyrSimFailFn>("vyrsim_fail");
        setOption = resolve<VyrSimSetOptionFn>("vyrsim_set_option");
        callCount = resolve<VyrSimCallCountFn>("vyrsim_call_count");
        callGet = resolve<VyrSimCallGetFn>("vyrsim_call_get");
        clearCalls = resolve<VyrSimClearCallsFn>("vyrsim_clear_calls");
        lastFrame = resolve<VyrSimLastFrameFn>("vyrsim_last_frame");
        openContexts = resolve<VyrSimOpenContextsFn>("vyrsim_open_contexts");
        loaded = loaded && reset && loadMachine && fail && setOption && callCount && callGet
                 && clearCalls && lastFrame && openContexts;
    }

    // Entry points called since the last clear, in order.
    QStringList calls() const
    {
        QStringList names;
        for (const VyrSimCall &call : callRecords())
            names << QString::fromLatin1(call.entry);
        return names;
    }
    QVector<VyrSimCall> callRecords() const
    {
        QVector<VyrSimCall> records;
        const int n = callCount();
        for (int i = 0; i < n; ++i) {
            VyrSimCall call{};
            callGet(i, &call);
            records << call;
        }
        return records;
    }
    QByteArray frame() const
    {
        QByteArray bytes(lastFrame(nullptr, 0), '\0');
        lastFrame(bytes.data(), bytes.size());
        return bytes;
    }

    bool loaded = false;
    VyrSimResetFn reset = nullptr;
    VyrSimLoadMachineFn loadMachine = nullptr;
    VyrSimFailFn fail = nullptr;
    VyrSimSetOptionFn setOption = nullptr;
    VyrSimCallCountFn callCount = nullptr;
    VyrSimCallGetFn callGet = nullptr;
    VyrSimClearCallsFn clearCalls = nullptr;
    VyrSimLastFrameFn lastFrame = nullptr;
    VyrSimOpenContextsFn openContexts = nullptr;

private:
    template <typename Fn> Fn resolve(const char *name)
    {
        return reinterpret_cast<Fn>(m_library.resolve(name));
    }
    QLibrary m_library;
};

// A binding to the simulated library with a capturing logger (component flag 2 set).
struct BoundNox
{
    explicit BoundNox(const QString &path = simulatedLibrary())
        : info(&logger, 2u, 0)
        , nox(std::make_unique<NoxInterface>(&info, QStringList{path}))
    {}
    CaptureLogger logger;
    AppLoggerInfo info;
    std::unique_ptr<NoxInterface> nox;
};

// A NoxInterface that shows its entry-point slots to the tests.
class SlotView : public NoxInterface
{
public:
    using NoxInterface::entry;
    using NoxInterface::NoxInterface;
};

// Little-endian 32-bit word at byte offset of a byte array.
inline quint32 word(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    if (offset >= 0 && offset + 4 <= bytes.size())
        std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

} // namespace NoxTest
