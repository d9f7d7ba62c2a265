#include "brellixsimcontrol.h"
#include "devicemodeltestsupport.h"
#include "pcilocation.h"
#include "vyrdevice.h"
#include "vyrhwdevice.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtTest>

using namespace DeviceModelTest;
using DeviceHelpers::HwRegAddrAperture;

namespace {

// A memory register by its offset in the device's register aperture.
HwRegAddrAperture memoryRegister(quintptr offset)
{
    return HwRegAddrAperture(DeviceHelpers::HwRegSpaceMemory,
                             reinterpret_cast<const void *>(offset));
}

} // namespace

// Hardware register access of the devices: each device of the driver gets the register
// helper's record of its PCI location (the simulated device-helper library beside this
// test holds the demo machine's two graphics devices) and reads and writes through it.
class tst_VyrDeviceHwRegister : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void demoDevicesReachTheirOwnRegisters();
    void deviceWithoutHardwareRecord();
    void failedReadAnswersZero();

private:
    // The library the register helper loads (same file, so the same simulated state).
    QLibrary m_brellix{QCoreApplication::applicationDirPath() + QStringLiteral("/libbrellix.so")};
    BrellixSimFailFn m_fail = nullptr;
};

void tst_VyrDeviceHwRegister::initTestCase()
{
    QVERIFY2(m_brellix.load(), qPrintable(m_brellix.errorString()));
    m_fail = reinterpret_cast<BrellixSimFailFn>(m_brellix.resolve("brellixsim_fail"));
    QVERIFY(m_fail);
}

void tst_VyrDeviceHwRegister::demoDevicesReachTheirOwnRegisters()
{
    BuiltMachine demo;
    QVERIFY(demo.ready());
    const QList<VyrDevice *> &devices = demo.manager->devices();
    QCOMPARE(devices.size(), 2);

    const HwRegAddrAperture reg = memoryRegister(0x40);
    for (int i = 0; i < devices.size(); ++i) {
        VyrDevice *device = devices.at(i);
        QVERIFY(device->IsHwRegAccessEnabled());
        const quint32 location = device->hwDevice()->GetLocation();
        QCOMPARE(int(DeviceHelpers::PciGetBus(location)), device->info().busNumber);
        QCOMPARE(int(DeviceHelpers::PciGetDev(location)), device->info().deviceNumber);
        QVERIFY(device->writeRegister(reg, 0xC0DE0000u + unsigned(i)));
    }
    // Each device reads back its own value, through both read paths; a refresh keeps
    // the records.
    demo.manager->Refresh();
    for (int i = 0; i < devices.size(); ++i) {
        VyrDevice *device = devices.at(i);
        QCOMPARE(device->readRegister(reg), 0xC0DE0000u + unsigned(i));
        unsigned int value = 0;
        QVERIFY(device->ReadHwRegister(reg, &value));
        QCOMPARE(value, 0xC0DE0000u + unsigned(i));
    }
    const quint16 bytes = 0xBEEF;
    QVERIFY(devices.first()->WriteHwRegister(memoryRegister(0x44), &bytes, sizeof bytes));
    QCOMPARE(devices.first()->readRegister(memoryRegister(0x44)) & 0xFFFFu, 0xBEEFu);
}

void tst_VyrDeviceHwRegister::deviceWithoutHardwareRecord()
{
    // The device of this machine sits at a PCI location the library does not know.
    BuiltMachine machine(QStringLiteral("controllers.json"));
    QVERIFY(machine.ready());
    VyrDevice *device = machine.manager->getVyrDevice(0);
    QVERIFY(device);
    QVERIFY(!device->IsHwRegAccessEnabled());
    const HwRegAddrAperture reg = memoryRegister(0x40);
    unsigned int value = 0x5A5A5A5A;
    QVERIFY(!device->ReadHwRegister(reg, &value));
    QCOMPARE(value, 0x5A5A5A5Au);
    QVERIFY(!device->WriteHwRegister(reg, 1u));
    QVERIFY(!device->writeRegister(reg, 1u));
    QCOMPARE(device->readRegister(reg), 0u);
}

void tst_VyrDeviceHwRegister::failedReadAnswersZero()
{
    BuiltMachine demo;
    QVERIFY(demo.ready());
    VyrDevice *device = demo.manager->getVyrDevice(0);
    const HwRegAddrAperture reg = memoryRegister(0x48);
    QVERIFY(device->writeRegister(reg, 0xFFFFFFFFu));
    m_fail("ReadMmRegister", 1);
    unsigned int value = 0;
    QVERIFY(!device->ReadHwRegister(reg, &value));
    m_fail("ReadMmRegister", 1);
    QCOMPARE(device->readRegister(reg), 0u);
    QCOMPARE(device->readRegister(reg), 0xFFFFFFFFu);
}

QTEST_GUILESS_MAIN(tst_VyrDeviceHwRegister)
#include "tst_vyrdevicehwregister.moc"
