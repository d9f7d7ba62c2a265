#include "brellixsimcontrol.h"
#include "devicemodeltestsupport.h"
#include "pcilocation.h"
#include "vyrbrellixapimanager.h"
#include "vyrdevice.h"
#include "vyrhwdevice.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QSettings>
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

// The register-access settings file beside this test.
QString iniPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini");
}

// Chooses the register-access library of the device managers built from now on: the
// simulated hardware tool library, or (false) the device-helper library beside the test.
void chooseToolLibrary(bool tool)
{
    QFile::remove(iniPath());
    if (!tool)
        return;
    QSettings settings(iniPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("brelli/api"), QStringLiteral("quarnib"));
    settings.setValue(QStringLiteral("quarnib/quarnibPath"), QStringLiteral(VYR_QUARNIB_PATH));
}

int apiTypeInUse()
{
    return g_pVyrBrellixApiManager.Get()->GetCurrentApiType();
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
    void replacedRegisterApiLivesWhileInUse();
    void switchBackTakesTheRegisterApiInUse();
    void cleanup();

private:
    // The library the register helper loads (same file, so the same simulated state).
    QLibrary m_brellix{QCoreApplication::applicationDirPath() + QStringLiteral("/libbrellix.so")};
    BrellixSimFailFn m_fail = nullptr;
    BrellixSimCallCountFn m_callCount = nullptr;
};

void tst_VyrDeviceHwRegister::initTestCase()
{
    QVERIFY2(m_brellix.load(), qPrintable(m_brellix.errorString()));
    m_fail = reinterpret_cast<BrellixSimFailFn>(m_brellix.resolve("brellixsim_fail"));
    m_callCount =
        reinterpret_cast<BrellixSimCallCountFn>(m_brellix.resolve("brellixsim_call_count"));
    QVERIFY(m_fail && m_callCount);
}

void tst_VyrDeviceHwRegister::cleanup()
{
    chooseToolLibrary(false);
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

void tst_VyrDeviceHwRegister::replacedRegisterApiLivesWhileInUse()
{
    BuiltMachine first;
    QVERIFY(first.ready());
    QCOMPARE(apiTypeInUse(), int(VyrBrellixApiManager::ApiDeviceHelper));
    VyrDevice *device = first.manager->getVyrDevice(0);
    const HwRegAddrAperture reg = memoryRegister(0x50);
    QVERIFY(device->writeRegister(reg, 0xA5A5A5A5u));
    const int uninitialized = m_callCount("Uninitialize");

    // Another model is built after the setting changed: it takes the tool library, and the
    // device-helper library stays in place for the first model's devices.
    chooseToolLibrary(true);
    BuiltMachine second;
    QVERIFY(second.ready());
    QCOMPARE(apiTypeInUse(), int(VyrBrellixApiManager::ApiQuarnib));
    QVERIFY(second.manager->getVyrDevice(0)->IsHwRegAccessEnabled());
    QVERIFY(second.manager->getVyrDevice(0)->writeRegister(reg, 0x5A5A5A5Au));
    QCOMPARE(m_callCount("Uninitialize"), uninitialized);
    QCOMPARE(device->readRegister(reg), 0xA5A5A5A5u);
    first.manager->Refresh();
    QCOMPARE(first.manager->getVyrDevice(0)->readRegister(reg), 0xA5A5A5A5u);

    // It goes with the last model that uses it.
    first.manager.reset();
    QCOMPARE(m_callCount("Uninitialize"), uninitialized + 1);
    QCOMPARE(second.manager->getVyrDevice(0)->readRegister(reg), 0x5A5A5A5Au);
}

void tst_VyrDeviceHwRegister::switchBackTakesTheRegisterApiInUse()
{
    BuiltMachine first;
    QVERIFY(first.ready());
    const int initialized = m_callCount("Initialize");
    chooseToolLibrary(true);
    BuiltMachine second;
    QVERIFY(second.ready());
    QCOMPARE(apiTypeInUse(), int(VyrBrellixApiManager::ApiQuarnib));

    // Back to the device-helper library while the first model still uses it: the same
    // interface, not a second binding of the library.
    chooseToolLibrary(false);
    BuiltMachine third;
    QVERIFY(third.ready());
    QCOMPARE(apiTypeInUse(), int(VyrBrellixApiManager::ApiDeviceHelper));
    QCOMPARE(m_callCount("Initialize"), initialized);
    const HwRegAddrAperture reg = memoryRegister(0x54);
    QVERIFY(first.manager->getVyrDevice(0)->writeRegister(reg, 0x12345678u));
    QCOMPARE(third.manager->getVyrDevice(0)->readRegister(reg), 0x12345678u);
}

QTEST_GUILESS_MAIN(tst_VyrDeviceHwRegister)
#include "tst_vyrdevicehwregister.moc"
