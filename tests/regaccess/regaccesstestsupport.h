#pragma once

// Shared by the register-access tests: the controls of the simulated device-helper and
// hardware tool libraries, the test's own "VyrPell.ini", machine files, and a capture
// of debug lines.

#include "brellixsimcontrol.h"
#include "hwregaddraperture.h"
#include "quarnibsimcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QSettings>
#include <QStringList>
#include <QVariantMap>
#include <QtTest>

namespace RegAccessTest {

inline QString defaultBrellixDir()
{
    return QStringLiteral(VYR_BIN_DIR);
}

inline QString brellixVariantDir(const QString &variant)
{
    return QStringLiteral(VYR_BRELLIX_VARIANT_DIR "/") + variant;
}

inline QString defaultQuarnib()
{
    return QStringLiteral(VYR_BIN_DIR "/quarnib/Quarnib.dll");
}

inline QString quarnibVariant(const QString &variant)
{
    return QStringLiteral(VYR_QUARNIB_VARIANT_DIR "/") + variant + QStringLiteral("/Quarnib.dll");
}

// Loads a build of a stand-in by path and keeps it mapped, so its state lives as long
// as the test, whatever the binding under test loads and unloads.
class SimLibrary
{
public:
    explicit SimLibrary(const QString &path)
        : m_library(path)
    {
        loaded = m_library.load();
    }
    template <typename Fn> Fn resolve(const char *name)
    {
        return reinterpret_cast<Fn>(m_library.resolve(name));
    }

    bool loaded = false;

private:
    QLibrary m_library;
};

// The device-helper library at dir/libbrellix<suffix>.so.
class BrellixSim : public SimLibrary
{
public:
    explicit BrellixSim(const QString &dir = defaultBrellixDir(),
                        const QString &name = QStringLiteral("libbrellix.so"))
        : SimLibrary(dir + QLatin1Char('/') + name)
    {
        reset = resolve<BrellixSimResetFn>("brellixsim_reset");
        callCount = resolve<BrellixSimCallCountFn>("brellixsim_call_count");
        fail = resolve<BrellixSimFailFn>("brellixsim_fail");
        loaded = loaded && reset && callCount && fail;
    }
    // Calls of all fourteen entry points.
    int totalCalls() const
    {
        static const char *const names[] = {
            "Initialize",      "Uninitialize",    "GetDeviceInfo",   "EnumDevices",
            "GetDevice",       "GetDeviceId",     "ReadIoRegister",  "WriteIoRegister",
            "ReadMmRegister",  "WriteMmRegister", "ReadCfgRegister", "WriteCfgRegister",
            "ReadIndRegister", "WriteIndRegister"};
        int total = 0;
        for (const char *name : names)
            total += callCount(name);
        return total;
    }

    BrellixSimResetFn reset = nullptr;
    BrellixSimCallCountFn callCount = nullptr;
    BrellixSimFailFn fail = nullptr;
};

class QuarnibSim : public SimLibrary
{
public:
    explicit QuarnibSim(const QString &path = defaultQuarnib())
        : SimLibrary(path)
    {
        reset = resolve<QuarnibSimResetFn>("quarnibsim_reset");
        callCount = resolve<QuarnibSimCallCountFn>("quarnibsim_call_count");
        fail = resolve<QuarnibSimFailFn>("quarnibsim_fail");
        lastDwordIndex = resolve<QuarnibSimLastDwordIndexFn>("quarnibsim_last_dword_index");
        loaded = loaded && reset && callCount && fail && lastDwordIndex;
    }

    QuarnibSimResetFn reset = nullptr;
    QuarnibSimCallCountFn callCount = nullptr;
    QuarnibSimFailFn fail = nullptr;
    QuarnibSimLastDwordIndexFn lastDwordIndex = nullptr;
};

// The register-access settings file of the program under test (each test executable
// lives in a folder of its own).
inline QString iniPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini");
}

// Replaces the settings file by one with these keys; no keys: no file at all.
inline void writeIni(const QVariantMap &values)
{
    QFile::remove(iniPath());
    if (values.isEmpty())
        return;
    QSettings settings(iniPath(), QSettings::IniFormat);
    settings.clear();
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
}

inline QVariant iniValue(const QString &key)
{
    QSettings settings(iniPath(), QSettings::IniFormat);
    return settings.value(key);
}

// One simulated device of a machine file.
inline QJsonObject simDevice(int bus, int device, int deviceId, const QJsonArray &bars = {})
{
    QJsonObject o{{QStringLiteral("bus"), bus},
                  {QStringLiteral("device"), device},
                  {QStringLiteral("function"), 0},
                  {QStringLiteral("deviceId"), deviceId}};
    if (!bars.isEmpty())
        o.insert(QStringLiteral("bars"), bars);
    return o;
}

// Writes a machine file of these devices to path.
inline bool writeMachine(const QString &path, const QJsonArray &devices)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QJsonObject root{{QStringLiteral("devices"), devices}};
    return file.write(QJsonDocument(root).toJson()) > 0;
}

// An indirect register: the index register, the value written to it, the data
// register and the signature word.
inline DeviceHelpers::HwRegIndirectDescription
indirectDescription(const DeviceHelpers::HwRegAddrAperture &index, quint32 value,
                    const DeviceHelpers::HwRegAddrAperture &data,
                    quint32 signature = DeviceHelpers::HwRegIndirectSignature)
{
    DeviceHelpers::HwRegIndirectDescription d;
    d.index.aperture = index;
    d.index.value = value;
    d.data.aperture = data;
    d.data.signature = signature;
    return d;
}

// A register address as the pointer-sized word of an aperture.
inline const void *apertureWord(qintptr address)
{
    return reinterpret_cast<const void *>(address);
}

// Keeps the debug lines written while it lives.
class DebugCapture
{
public:
    DebugCapture()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtDebugMsg)
            s_lines << text;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

} // namespace RegAccessTest
