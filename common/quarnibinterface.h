#pragma once

#include "quarnibapi.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

#include <array>
#include <memory>

class QSettings;
struct AppLoggerInfo;

// Finds, loads and initialises the hardware tool library ("Quarnib.dll"), keeps a copy
// of each device record it reports (at most MaxDevices) and a current device, and
// reads and writes PCI configuration space and memory-mapped registers through it.
// The accepted library path is kept under "quarnib/quarnibPath" in "VyrPell.ini" in
// the application folder and tried first next time.
class QuarnibInterface
{
    Q_DECLARE_TR_FUNCTIONS(QuarnibInterface)

public:
    static constexpr int MaxDevices = 32;

    // Runs the library search once; the logger may be null.
    explicit QuarnibInterface(AppLoggerInfo *loggerInfo);
    ~QuarnibInterface();

    QuarnibInterface(const QuarnibInterface &) = delete;
    QuarnibInterface &operator=(const QuarnibInterface &) = delete;

    // Searches, loads, binds and initialises the library from scratch; with askUser the
    // user is asked for the file first. Answers the new initialised state.
    bool TryToLoadQuarnib(bool askUser);
    bool AskUserToLocateQuarnib();
    bool IsQuarnibInitialized() const { return m_initialized; }

    unsigned int GetDeviceCount() const;
    bool SelectDevice(int index);
    int GetCurrentDeviceIndex() const;
    quint16 GetCurrentDeviceId() const;
    quint16 GetDeviceId(int index) const;
    bool GetDevice(DEVICE *out, int index) const;
    bool GetCurrentDevice(DEVICE *out) const;
    bool GetDeviceInfo(int index, unsigned int kind, unsigned int &value);

    bool ReadCfgReg(quint8 bus, quint8 device, quint8 function, unsigned int offset,
                    unsigned int *value);
    bool WriteCfgReg(quint8 bus, quint8 device, quint8 function, unsigned int offset,
                     unsigned int value);
    // Registers of the current device, addressed by byte address; the two low address
    // bits are dropped (the library addresses dwords).
    bool ReadReg(unsigned int address, unsigned int *value);
    bool WriteReg(unsigned int address, unsigned int value);

private:
    bool loadQuarnib(const QString &path);
    bool isQuarnibLoaded();
    bool hookQuarnib();
    bool initialize();
    bool initQuarnib();
    void unloadQuarnib();
    void clearDevices();
    void printLog(const QString &text);
    bool validIndex(int index) const;

    AppLoggerInfo *m_loggerInfo;
    QSettings *m_settings;
    QLibrary m_library;
    bool m_initialized = false;

    // The library's entry points; all null while no file is bound.
    struct EntryPoints
    {
        QuarnibInitializeFn initializeQuarnib = nullptr;
        QuarnibDeInitializeFn deInitializeQuarnib = nullptr;
        QuarnibEnumerateDevicesFn enumerateDevices = nullptr;
        QuarnibGetDeviceIdFn getDeviceId = nullptr;
        QuarnibGetDeviceInfoFn getDeviceInfo = nullptr;
        QuarnibMmRegRead32Fn mmRegRead32 = nullptr;
        QuarnibMmRegWrite32Fn mmRegWrite32 = nullptr;
        QuarnibReadPciConfigFn readPciConfigReg32 = nullptr;
        QuarnibWritePciConfigFn writePciConfigReg32 = nullptr;
    };
    EntryPoints m_entry;

    unsigned int m_deviceCount = 0;
    int m_currentIndex = -1;
    std::array<std::unique_ptr<DEVICE>, MaxDevices> m_devices;
    DEVICE *m_currentDevice = nullptr;
};
