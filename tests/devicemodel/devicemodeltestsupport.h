#pragma once

// Shared by the device-model tests: the simulated driver's controls (from the driver
// tests' header), a user-interface service that records instead of showing, and a
// device manager bound to the simulated library with a chosen machine.

#include "apploggerinfo.h"
#include "display.h"
#include "noxtestsupport.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"

#include <QDir>
#include <QPair>
#include <QStringList>
#include <QtTest>

#include <memory>

namespace DeviceModelTest {

// Every component bit of the device library: manager, communicator, display, adapter,
// device.
constexpr quint32 kAllComponents = 0x1F;

// The logical indexes of the displays, in list order.
inline QList<int> indexes(const QList<VyrDisplay *> &displays)
{
    QList<int> list;
    for (const VyrDisplay *display : displays)
        list << display->index();
    return list;
}

// The display with that logical index on any device of the manager; null if none.
inline VyrDisplay *findDisplay(const VyrDeviceManager &manager, int index)
{
    for (const VyrDevice *device : manager.devices()) {
        for (VyrDisplay *display : device->displays()) {
            if (display->index() == index)
                return display;
        }
    }
    return nullptr;
}

// A machine file by its name in the device-model tests' data folder, or by its absolute path.
inline QString machineFile(const QString &name)
{
    return QDir::isAbsolutePath(name) ? name : QStringLiteral(VYR_DEVICEMODEL_DATA "/") + name;
}

// The simulated library with a machine loaded (the demo for an empty name) and a device
// manager bound to it, logging every component into a capturing logger.
struct SimulatedMachine
{
    explicit SimulatedMachine(const QString &machine = QString())
    {
        ready = sim.loaded && sim.reset() == 0;
        if (!machine.isEmpty())
            ready =
                ready && sim.loadMachine(QFile::encodeName(machineFile(machine)).constData()) == 0;
    }

    std::unique_ptr<VyrDeviceManager> makeManager()
    {
        return std::make_unique<VyrDeviceManager>(&info, QStringList{NoxTest::simulatedLibrary()});
    }

    NoxTest::SimLibrary sim;
    NoxTest::CaptureLogger logger;
    AppLoggerInfo info{&logger, kAllComponents, 0};
    bool ready = false;
};

// A simulated machine (the demo for an empty name) with its device manager built.
struct BuiltMachine
{
    explicit BuiltMachine(const QString &file = QString())
        : machine(file)
    {
        if (machine.ready)
            manager = machine.makeManager();
    }
    bool ready() const { return manager != nullptr; }
    VyrDisplay *display(int index) const { return findDisplay(*manager, index); }

    SimulatedMachine machine;
    std::unique_ptr<VyrDeviceManager> manager;
};

} // namespace DeviceModelTest
