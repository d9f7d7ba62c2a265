// The device-helper library binding against the simulated library: which file binds,
// that nothing reaches the library before a successful Initialize, forwarding of every
// operation, and Uninitialize.

#include "hwregaddraperture.h"
#include "regaccesstestsupport.h"
#include "vyrdevicehelper.h"
#include "vyrdevicehelperapi.h"

#include <QTemporaryDir>

using namespace DeviceHelpers;
using namespace RegAccessTest;

class tst_VyrDeviceHelperApi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void binding_data();
    void binding();
    void nothingReachesTheLibraryUntilInitialized_data();
    void nothingReachesTheLibraryUntilInitialized();
    void refusedInitialize();
    void devices();
    void registers();
    void uninitialize();
    void registerHelperOverTheLibrary();

private:
    BrellixSim m_sim;
};

void tst_VyrDeviceHelperApi::init()
{
    qunsetenv("VYRSIM_BRELLIX_MACHINE");
    QVERIFY(m_sim.loaded);
    QCOMPARE(m_sim.reset(), 0);
}

void tst_VyrDeviceHelperApi::binding_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("initialized");

    QTest::newRow("beside the program") << defaultBrellixDir() << true;
    QTest::newRow("only the third name") << brellixVariantDir("only64") << true;
    // The first name loads but lacks "WriteIndRegister": the search ends there, although
    // a complete library waits under the second name.
    QTest::newRow("first name lacks an entry point") << brellixVariantDir("nowriteind") << false;
    QTest::newRow("no library") << QStringLiteral(VYR_BUILD_DIR "/nonexistent") << false;
}

void tst_VyrDeviceHelperApi::binding()
{
    QFETCH(QString, dir);
    QFETCH(bool, initialized);

    VyrDeviceHelperApi api(dir);
    QCOMPARE(api.Initialize(), initialized);
    QCOMPARE(api.IsInitialized(), initialized);
    QCOMPARE(api.EnumDevices() != nullptr, initialized);
    if (initialized)
        QVERIFY(api.Initialize()); // at once, the library is not asked again
    api.Uninitialize();
}

void tst_VyrDeviceHelperApi::nothingReachesTheLibraryUntilInitialized_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("tryInitialize");

    QTest::newRow("never initialised") << defaultBrellixDir() << false;
    QTest::newRow("initialisation failed") << brellixVariantDir("nowriteind") << true;
}

void tst_VyrDeviceHelperApi::nothingReachesTheLibraryUntilInitialized()
{
    QFETCH(QString, dir);
    QFETCH(bool, tryInitialize);

    BrellixSim sim(dir);
    QVERIFY(sim.loaded);
    sim.reset();
    VyrDeviceHelperApi api(dir);
    if (tryInitialize)
        QVERIFY(!api.Initialize());

    const void *device = &api; // any handle: it must not reach the library
    unsigned char buffer[8] = {};
    const unsigned short port = 0xE000;
    const EHwRegSpaceType io = HwRegSpaceIo;
    QCOMPARE(api.GetDevice(0x300), nullptr);
    QCOMPARE(api.GetDeviceInfo(device, PciInfoLocation, buffer, sizeof buffer), 0);
    QCOMPARE(api.EnumDevices(), nullptr);
    QCOMPARE(api.GetDeviceId(device), -1);
    QVERIFY(!api.ReadIoRegister(device, port, buffer, 4));
    QVERIFY(!api.WriteIoRegister(device, port, buffer, 4));
    QVERIFY(!api.ReadMmRegister(device, 0, buffer, 4));
    QVERIFY(!api.WriteMmRegister(device, 0, buffer, 4));
    QVERIFY(!api.ReadCfgRegister(device, 0, buffer, 4));
    QVERIFY(!api.WriteCfgRegister(device, 0, buffer, 4));
    QVERIFY(!api.ReadIndRegister(device, 0xE000, 4, io, 1, 0xE004, io, buffer, 4));
    QVERIFY(!api.WriteIndRegister(device, 0xE000, 4, io, 1, 0xE004, io, buffer, 4));
    api.Uninitialize();
    QCOMPARE(sim.totalCalls(), 0);
}

void tst_VyrDeviceHelperApi::refusedInitialize()
{
    m_sim.fail("Initialize", 1);
    VyrDeviceHelperApi api(defaultBrellixDir());
    QVERIFY(!api.Initialize());
    QVERIFY(!api.IsInitialized());
    QCOMPARE(api.EnumDevices(), nullptr);
    // A later call tries again.
    QVERIFY(api.Initialize());
    QCOMPARE(m_sim.callCount("Initialize"), 2);
    api.Uninitialize();
}

void tst_VyrDeviceHelperApi::devices()
{
    VyrDeviceHelperApi api(defaultBrellixDir());
    QVERIFY(api.Initialize());

    // One pass over the demo machine's two graphics devices, then a new pass.
    const void *first = api.EnumDevices();
    const void *second = api.EnumDevices();
    QVERIFY(first && second && first != second);
    QCOMPARE(api.EnumDevices(), nullptr);
    QCOMPARE(api.EnumDevices(), first);

    QCOMPARE(api.GetDevice(0x0300), first);  // 3:0.0
    QCOMPARE(api.GetDevice(0x0010), second); // 0:2.0
    QCOMPARE(api.GetDevice(0x0400), nullptr);
    QCOMPARE(api.GetDeviceId(first), 0x5678);
    QCOMPARE(api.GetDeviceId(&api), -1);

    quint32 location = 0;
    quint64 memoryBase = 0;
    quint32 ioBase = 0;
    quint16 id = 0;
    QCOMPARE(api.GetDeviceInfo(second, PciInfoLocation, &location, sizeof location), 4);
    QCOMPARE(api.GetDeviceInfo(second, PciInfoMemoryBase, &memoryBase, sizeof memoryBase), 8);
    QCOMPARE(api.GetDeviceInfo(second, PciInfoIoBase, &ioBase, sizeof ioBase), 4);
    QCOMPARE(api.GetDeviceInfo(second, PciInfoDeviceId, &id, sizeof id), 2);
    QCOMPARE(location, 0x0010u);
    QCOMPARE(memoryBase, Q_UINT64_C(0xFD000000));
    QCOMPARE(ioBase, 0xF000u);
    QCOMPARE(id, quint16(0x5678));
    QCOMPARE(api.GetDeviceInfo(second, PciInfoMemoryBase, &memoryBase, 4), 0);
    api.Uninitialize();
}

void tst_VyrDeviceHelperApi::registers()
{
    VyrDeviceHelperApi api(defaultBrellixDir());
    QVERIFY(api.Initialize());
    const void *device = api.GetDevice(0x0300);
    QVERIFY(device);

    quint32 value = 0;
    QVERIFY(api.ReadCfgRegister(device, 0, &value, 4));
    QCOMPARE(value, 0x56781234u); // device id, vendor id

    const quint32 written = 0xCAFEF00D;
    QVERIFY(api.WriteMmRegister(device, 0x100, &written, 4));
    QVERIFY(api.ReadMmRegister(device, 0x100, &value, 4));
    QCOMPARE(value, written);
    quint16 half = 0;
    QVERIFY(api.ReadMmRegister(device, 0x102, &half, 2));
    QCOMPARE(half, quint16(0xCAFE));

    const unsigned short port = 0xE010;
    const quint8 byte = 0x5A;
    quint8 readBack = 0;
    QVERIFY(api.WriteIoRegister(device, port, &byte, 1));
    QVERIFY(api.ReadIoRegister(device, port, &readBack, 1));
    QCOMPARE(readBack, byte);

    // An index/data pair in I/O space reaches the register of the index written.
    const EHwRegSpaceType io = HwRegSpaceIo;
    QVERIFY(api.WriteIndRegister(device, 0xE000, 4, io, 0x42, 0xE004, io, &written, 4));
    value = 0;
    QVERIFY(api.ReadIndRegister(device, 0xE000, 4, io, 0x42, 0xE004, io, &value, 4));
    QCOMPARE(value, written);
    QVERIFY(api.ReadIndRegister(device, 0xE000, 4, io, 0x43, 0xE004, io, &value, 4));
    QCOMPARE(value, 0u);

    // Outside the device's spaces.
    QVERIFY(!api.ReadMmRegister(device, 0x40000, &value, 4));
    QVERIFY(!api.ReadCfgRegister(device, 0xFE, &value, 4));
    QVERIFY(!api.ReadIoRegister(device, 0x1000, &value, 4));
    QVERIFY(!api.ReadMmRegister(&api, 0x100, &value, 4));
    api.Uninitialize();
}

void tst_VyrDeviceHelperApi::uninitialize()
{
    VyrDeviceHelperApi api(defaultBrellixDir());
    api.Uninitialize(); // not initialised: nothing happens
    QCOMPARE(m_sim.callCount("Uninitialize"), 0);

    QVERIFY(api.Initialize());
    api.Uninitialize();
    QCOMPARE(m_sim.callCount("Uninitialize"), 1);
    QVERIFY(!api.IsInitialized());
    QCOMPARE(api.EnumDevices(), nullptr);
    QCOMPARE(m_sim.callCount("EnumDevices"), 0);

    QVERIFY(api.Initialize());
    QVERIFY(api.EnumDevices());
    api.Uninitialize();
}

void tst_VyrDeviceHelperApi::registerHelperOverTheLibrary()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString machine = dir.filePath(QStringLiteral("machine.json"));
    QJsonObject device = simDevice(1, 0, 0x6789);
    device.insert(QStringLiteral("registers"), QJsonObject{{QStringLiteral("0x10"), "0x11223344"}});
    QVERIFY(writeMachine(machine, QJsonArray{device}));
    qputenv("VYRSIM_BRELLIX_MACHINE", machine.toLocal8Bit());
    QCOMPARE(m_sim.reset(), 0);

    VyrDeviceHelperApi api(defaultBrellixDir());
    VyrDeviceHelper helper(&api);
    QVERIFY(helper.Initialize());
    QCOMPARE(helper.GetHwDeviceCount(), 1);
    VyrHwDevice *hw = helper.GetHwDevice(0x0100);
    QVERIFY(hw);
    QCOMPARE(hw->GetDeviceId(), quint16(0x6789));

    quint32 value = 0;
    const HwRegAddrAperture aperture(HwRegSpaceMemory, apertureWord(0x10));
    QVERIFY(hw->GetHelper()->ReadRegister(*hw, aperture, &value, sizeof value));
    QCOMPARE(value, 0x11223344u);
    value = 0x55667788;
    QVERIFY(hw->GetHelper()->WriteRegister(*hw, aperture, &value, sizeof value));
    value = 0;
    QVERIFY(hw->GetHelper()->ReadRegister(*hw, aperture, &value, sizeof value));
    QCOMPARE(value, 0x55667788u);
    api.Uninitialize();
}

QTEST_GUILESS_MAIN(tst_VyrDeviceHelperApi)
#include "tst_vyrdevicehelperapi.moc"
