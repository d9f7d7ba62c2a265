#include "adapter.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "drivercommunicator.h"
#include "recordinguiservice.h"
#include "vyrasicid.h"
#include "vyrdevice.h"
#include "vyrvbiosinfo.h"

#include <QtTest>

using namespace DeviceModelTest;

// One graphics device: its displays and adapters, how a display takes part in the
// desktop, and the display map requests (clone, extend, disable, primary) with what the
// driver reports after them.
class tst_VyrDevice : public QObject
{
    Q_OBJECT

private slots:
    void desktopMode_data();
    void desktopMode();
    void displayByPosition();
    void firstRecordWithoutConnectedDisplay();
    void extendUsesFirstInactiveAdapter();
    void extendNeedsAnInactiveAdapter();
    void cloneAnswersTheDriver();
    void cloneStaysOnItsDevice();
    void disableDisplay_data();
    void disableDisplay();
    void primaryDisplay();
    void adapterCallsUseTheFirstAdapterIndex();
    void identityOfTheFirstAdapter();
    void currentModeIsSetForForceSetMode();
    void summaryAndLog();
    void startStopWithoutDeviceConsole();
};

void tst_VyrDevice::desktopMode_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("mode");
    QTest::newRow("no such display") << 0 << 9 << 0;
    QTest::newRow("connected, not enabled") << 0 << 2 << 1;
    QTest::newRow("the device's only enabled display") << 1 << 4 << 2;
    QTest::newRow("adapter with two displays") << 0 << 0 << 3;
    QTest::newRow("one of several desktops") << 0 << 3 << 4;
}

void tst_VyrDevice::desktopMode()
{
    QFETCH(int, device);
    QFETCH(int, display);
    QFETCH(int, mode);
    SimulatedMachine machine(QStringLiteral("desktops.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    QCOMPARE(manager->devices().size(), 2);
    QCOMPARE(static_cast<int>(manager->devices().at(device)->GetDesktopMode(display)), mode);
}

void tst_VyrDevice::displayByPosition()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    // Every connected display of the device, both adapters, in the driver's order.
    QCOMPARE(indexes(device->displays()), (QList<int>{0, 1, 2, 3, 5}));
    QCOMPARE(device->property("numberOfDisplays").toInt(), 5);
    QVERIFY(device->getDisplay(4) == device->displays().last());
    QVERIFY(device->getDisplay(5) == nullptr);
    QVERIFY(device->getDisplay(-1) == nullptr);
    QCOMPARE(indexes(device->GetEnabledDisplaysList()), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(indexes(device->GetNotEnabledDisplaysList()), (QList<int>{5}));
    QCOMPARE(device->GetActiveAdapterList().size(), 2);
    QVERIFY(device->GetAdapter(1) == device->adapters().at(1));
    QVERIFY(device->GetAdapter(2) == nullptr);
}

void tst_VyrDevice::firstRecordWithoutConnectedDisplay()
{
    SimulatedMachine machine(QStringLiteral("nodisplay.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    QCOMPARE(manager->devices().size(), 1);
    VyrDevice *device = manager->devices().first();
    QVERIFY(device->displays().isEmpty());
    QCOMPARE(static_cast<int>(device->GetDesktopMode(0)), 0);
    QVERIFY(device->GetActiveAdapterList().isEmpty());
    QVERIFY(!device->SetPrimaryDisplay(0, true));
    QVERIFY(!device->ExtendDisplay(0, true));
}

void tst_VyrDevice::extendUsesFirstInactiveAdapter()
{
    SimulatedMachine machine(QStringLiteral("extend.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QCOMPARE(device->adapters().size(), 3);
    QCOMPARE(device->GetActiveAdapterList().size(), 1);

    machine.sim.clearCalls();
    QVERIFY(device->ExtendDisplay(1, false));
    QCOMPARE(machine.sim.calls().count(QStringLiteral("NOX_Adapter_Active_SetPrefer")), 1);
    QVERIFY(device->displays().at(1)->parentAdapter() == device->adapters().at(1));

    manager->Refresh();
    device = manager->devices().first();
    QCOMPARE(indexes(device->adapters().at(1)->enabledDisplays()), (QList<int>{1}));
    QVERIFY(device->adapters().at(2)->enabledDisplays().isEmpty());
    QCOMPARE(static_cast<int>(device->GetDesktopMode(1)), 4);
    // An enabled display of an extended desktop is not extended again.
    QVERIFY(!device->ExtendDisplay(1, false));
}

void tst_VyrDevice::extendNeedsAnInactiveAdapter()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    machine.sim.clearCalls();
    QVERIFY(!device->ExtendDisplay(5, false));
    QVERIFY(!machine.sim.calls().contains(QStringLiteral("NOX_Adapter_Active_SetPrefer")));
    QVERIFY(!device->ExtendDisplay(5, true));   // position 5 does not exist
    QVERIFY(!device->ExtendDisplay(42, false)); // nor does display 42

    SimulatedMachine extend(QStringLiteral("extend.json"));
    QVERIFY(extend.ready);
    auto other = extend.makeManager();
    extend.sim.fail("NOX_Adapter_Active_SetPrefer", 1, NOX_ERR);
    QVERIFY(!other->devices().first()->ExtendDisplay(1, true));
}

void tst_VyrDevice::cloneAnswersTheDriver()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();

    machine.sim.fail("NOX_Display_DisplayMapConfig_Set", 1, NOX_ERR);
    QVERIFY(!device->CloneDisplay(0));
    QVERIFY(!device->CloneDisplay(5)); // not enabled
    QVERIFY(!device->CloneDisplay(42));

    QVERIFY(device->CloneDisplay(0));
    // One desktop on the TV's adapter, every display of the device on it.
    QCOMPARE(device->mapConfig().maps.size(), 1);
    QCOMPARE(device->mapConfig().targets.size(), 5);
    QCOMPARE(device->mapConfig().maps.first().displayMode.iXRes, 1920);
    manager->Refresh();
    device = manager->devices().first();
    QCOMPARE(indexes(device->adapters().first()->enabledDisplays()), (QList<int>{0, 1, 2, 3, 5}));
    QCOMPARE(static_cast<int>(device->GetDesktopMode(5)), 3);
}

void tst_VyrDevice::cloneStaysOnItsDevice()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    // The panel's device drives it from its own adapter; the other device is untouched.
    QVERIFY(manager->devices().at(1)->CloneDisplay(4));
    manager->Refresh();
    QCOMPARE(indexes(manager->devices().at(0)->GetEnabledDisplaysList()), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(indexes(manager->devices().at(1)->GetEnabledDisplaysList()), (QList<int>{4}));
}

void tst_VyrDevice::disableDisplay_data()
{
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("refused"); // entry point that fails its next call
    QTest::addColumn<bool>("result");
    QTest::addColumn<QList<int>>("enabled");

    QTest::newRow("one MST display of two") << 2 << QString() << true << QList<int>{0, 1, 3};
    QTest::newRow("no such display") << 99 << QString() << false << QList<int>{0, 1, 2, 3};
    QTest::newRow("connected, not enabled") << 5 << QString() << false << QList<int>{0, 1, 2, 3};
    QTest::newRow("driver refuses") << 1 << QStringLiteral("NOX_Display_DisplayMapConfig_Set")
                                    << false << QList<int>{0, 1, 2, 3};
}

void tst_VyrDevice::disableDisplay()
{
    QFETCH(int, display);
    QFETCH(QString, refused);
    QFETCH(bool, result);
    QFETCH(QList<int>, enabled);

    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    if (!refused.isEmpty())
        machine.sim.fail(refused.toLatin1().constData(), 1, NOX_ERR);
    QCOMPARE(manager->devices().first()->DisableDisplay(display), result);
    QCOMPARE(machine.logger.lines
                 .filter(QStringLiteral(
                     "DEVICE 0: VyrDevice::ExtendDisplay displays now in Extended mode"))
                 .size(),
             1);
    manager->Refresh();
    QCOMPARE(indexes(manager->devices().first()->GetEnabledDisplaysList()), enabled);
}

void tst_VyrDevice::primaryDisplay()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QVERIFY(device->SetPrimaryDisplay(2, false));
    int primary = -1;
    QVERIFY(manager->communicator()->AdapterGetPrimary(&primary));
    QCOMPARE(primary, 1);
    QVERIFY(device->SetPrimaryDisplay(0, true));
    QVERIFY(manager->communicator()->AdapterGetPrimary(&primary));
    QCOMPARE(primary, 0);
    QVERIFY(!device->SetPrimaryDisplay(5, true));
    QVERIFY(!device->SetPrimaryDisplay(42, false));
    QVERIFY(machine.logger.lines.last().endsWith(
        QStringLiteral("DEVICE 0: VyrDevice::SetPrimaryDisplay failed")));
}

void tst_VyrDevice::adapterCallsUseTheFirstAdapterIndex()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    // The second device's first adapter is driver adapter 2, not adapter 1.
    VyrDevice *device = manager->devices().at(1);
    QCOMPARE(device->deviceIndex(), 1u);
    QCOMPARE(device->info().adapterIndex, 2u);
    _NOXAdapterCapsX2 caps{};
    QVERIFY(device->X2Caps(&caps));
    QCOMPARE(caps.iAdapterID, 2);
    QCOMPARE(caps.iNumConnectors, 1);
    tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT delta{};
    QVERIFY(device->MeasureDisplayTimingsDelta(7, 3, &delta));
    QCOMPARE(delta.lDeltaPixels, 4);
    QCOMPARE(device->mapConfig().targets.size(), 1);
    QCOMPARE(device->mapConfig().targets.first().displayID.iDisplayLogicalIndex, 4);
}

void tst_VyrDevice::identityOfTheFirstAdapter()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    const VyrDevice *device = manager->devices().first();
    QCOMPARE(device->info().name,
             QStringLiteral("Simulated Graphics Adapter (demo, not real hardware)"));
    QCOMPARE(device->info().busNumber, 3);
    QCOMPARE(device->info().vendorId, 0x1234u);
    QVERIFY(device->enabled());

    VyrVBiosInfo bios;
    QVERIFY(device->GetVBiosInfo(&bios));
    QCOMPARE(bios.partNumber, QStringLiteral("SIMULATED-VBIOS-0"));
    VyrAsicId asic;
    for (int offset = 0; offset < 64; offset += 4)
        asic.setWord(offset, 0xAAAAAAAAu);
    QVERIFY(device->GetAsicId(&asic));
    QCOMPARE(asic.word(12), 0x5678u);     // chip id
    QCOMPARE(asic.word(36), 8192u);       // memory size
    QCOMPARE(asic.word(32), 0xAAAAAAAAu); // not copied
    QCOMPARE(asic.word(48), 0xAAAAAAAAu); // the 16-bit values are not copied
}

void tst_VyrDevice::currentModeIsSetForForceSetMode()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    device->SetCurrentMode(1, 1280, 1024, 59.9f, 24);
    const DeviceModeInfo &mode = device->displays().at(1)->currentMode();
    QCOMPARE(mode.xRes, 1280);
    QCOMPARE(mode.yRes, 1024);
    QCOMPARE(mode.refreshRate, 59);
    QCOMPARE(mode.colourDepth, 24);
    device->SetCurrentMode(42, 1, 1, 1.0f, 1);
}

void tst_VyrDevice::summaryAndLog()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    const VyrDevice *device = manager->devices().first();
    QCOMPARE(device->summary(), QStringLiteral("PCI Bus: 3, DeviceID: 0\n \n"
                                               "Number of Controllers: 2\n\n"
                                               "Registry Path: \n/etc/wex/vyrpcsdb\n\n"));
    QVERIFY(machine.logger.lines.filter(QStringLiteral("DEVICE 1: VyrDevice::created")).size()
            == 1);
    QVERIFY(!machine.logger.lines.filter(QStringLiteral("DISPLAY 4: SIGNAL TYPE 16")).isEmpty());
    QVERIFY(!machine.logger.lines.filter(QStringLiteral("ADAPTER 2 (:0.2): Adapter::Update() done"))
                 .isEmpty());

    // Without the device bit the device writes nothing.
    NoxTest::CaptureLogger quiet;
    AppLoggerInfo info(&quiet, kAllComponents & ~0x10u, 0);
    VyrDeviceManager other(&info, QStringList{NoxTest::simulatedLibrary()});
    QVERIFY(quiet.lines.filter(QStringLiteral("DEVICE 0: ")).isEmpty());
    QVERIFY(!quiet.lines.filter(QStringLiteral("DISPLAY 0: ")).isEmpty());
}

void tst_VyrDevice::startStopWithoutDeviceConsole()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    VyrTest::RecordingUiService ui;
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QVERIFY(!device->CanStartStopDevice());
    QVERIFY(!device->StartStopDevice(DeviceRestart));
    QCOMPARE(ui.messageLines(), QStringList{QStringLiteral("Start/Stop Device|DevCon not found")});
    QVERIFY(!manager->StartStopDevice(0, DeviceStart));
    QCOMPARE(ui.messages().size(), 2);
    QVERIFY(!manager->StartStopDevice(9, DeviceStart));
    QCOMPARE(ui.messages().size(), 2);
    QVERIFY(!manager->IsStartStropEnabled());
}

QTEST_GUILESS_MAIN(tst_VyrDevice)
#include "tst_vyrdevice.moc"
