#include "adapter.h"
#include "controller.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "drivercommunicator.h"
#include "vyradapterinfo.h"
#include "vyrbranch.h"
#include "vyrdevice.h"
#include "vyrdisplaymapconfig.h"

#include <QtTest>

using namespace DeviceModelTest;

namespace {

// Escape calls (Send) made since the log was cleared, by escape code.
QList<unsigned int> escapeCodes(const NoxTest::SimLibrary &sim)
{
    QList<unsigned int> codes;
    for (const VyrSimCall &call : sim.callRecords()) {
        if (QByteArray(call.entry) == "Send")
            codes << call.code;
    }
    return codes;
}

// An adapter of the simulated machine made the way a device makes it, over the
// device's display list.
struct LoneAdapter
{
    explicit LoneAdapter(SimulatedMachine &machine, int index = 0)
        : communicator(&machine.info, {NoxTest::simulatedLibrary()})
    {
        const int count = communicator.GetNumberOfAdapers();
        QVector<AdapterInfo> records(count);
        communicator.AdaptersGetInfoEx(records.data(),
                                       static_cast<unsigned int>(count) * sizeof(AdapterInfo));
        record = records.value(index);
        adapter = std::make_unique<Adapter>(&machine.info, &communicator, &record, &mapConfig,
                                            &displays, nullptr);
    }

    DriverCommunicator communicator;
    AdapterInfo record{};
    VyrDisplayMapConfig mapConfig;
    QList<VyrDisplay *> displays;
    std::unique_ptr<Adapter> adapter;
};

} // namespace

// One adapter: its controllers from the owned-controller mask, its display lists, its
// identity records and its comparison with another adapter.
class tst_Adapter : public QObject
{
    Q_OBJECT

private slots:
    void controllersFromOwnedMask();
    void controllersStopAtFirstFailure();
    void withoutControllersThereIsNoTiming();
    void displaysOfOtherAdaptersAreNotListed();
    void identityRecords();
    void setModeNeedsAnExistingMode();
    void registryPath();
    void adapterInfoTextAndEquality();
    void comparisonIgnoresDisplayOrder();
    void withoutLibraryListsStayEmpty();
};

void tst_Adapter::controllersFromOwnedMask()
{
    SimulatedMachine machine(QStringLiteral("controllers.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    QCOMPARE(manager->devices().size(), 1);
    Adapter *adapter = manager->devices().first()->adapters().first();
    QCOMPARE(adapter->controllers().size(), 2);
    QCOMPARE(adapter->controllers().at(0)->index(), 1u);
    QCOMPARE(adapter->controllers().at(1)->index(), 3u);
    QVERIFY(adapter->getController(3) == adapter->controllers().at(1));
    QVERIFY(adapter->getController(0) == nullptr);
    QVERIFY(adapter->addController(1) == adapter->controllers().at(0));

    // Mode values and timing as the driver reports them for each controller.
    const Controller *second = adapter->controllers().at(1);
    QCOMPARE(second->modeValue(Controller::Width), 1280u);
    QCOMPARE(second->modeValue(Controller::Height), 720u);
    QCOMPARE(second->modeValue(Controller::Lines), 720u);
    QCOMPARE(second->modeValue(Controller::RefreshRate), 50u);
    QCOMPARE(second->modeValue(Controller::BitsPerPixel), 32u);
    QCOMPARE(second->timing().ulHDisplay, 1280u);
    QCOMPARE(second->timing().ulSize, 0u); // the size word is not part of the timing
    int index = 0;
    tagCONTROLLERTIMINGDATA timing{};
    QVERIFY(adapter->GetControllerTimingData(&index, &timing));
    QCOMPARE(index, 1);
    QCOMPARE(timing.ulHDisplay, 1920u);
}

void tst_Adapter::controllersStopAtFirstFailure()
{
    SimulatedMachine machine(QStringLiteral("controllers.json"));
    QVERIFY(machine.ready);
    LoneAdapter lone(machine);
    machine.sim.clearCalls();
    lone.adapter->addControllers();
    QCOMPARE(escapeCodes(machine.sim),
             (QList<unsigned int>{NOX_ESC_ADAPTER_CRTC_OWNED, NOX_ESC_CONTROLLER_MODE,
                                  NOX_ESC_CONTROLLER_TIMING_DATA, NOX_ESC_CONTROLLER_MODE,
                                  NOX_ESC_CONTROLLER_TIMING_DATA}));

    // The mode of controller 1 cannot be read: controller 3 is not asked for.
    LoneAdapter failing(machine);
    machine.sim.clearCalls();
    machine.sim.fail("Send", 2, NOX_ERR);
    failing.adapter->addControllers();
    QCOMPARE(escapeCodes(machine.sim),
             (QList<unsigned int>{NOX_ESC_ADAPTER_CRTC_OWNED, NOX_ESC_CONTROLLER_MODE}));
    QVERIFY(failing.adapter->controllers().isEmpty());

    // A timing that cannot be read still gives the controller.
    LoneAdapter noTiming(machine);
    machine.sim.clearCalls();
    machine.sim.fail("Send", 3, NOX_ERR);
    noTiming.adapter->addControllers();
    QCOMPARE(noTiming.adapter->controllers().size(), 2);
    QCOMPARE(noTiming.adapter->controllers().first()->timing().ulHDisplay, 0u);
}

void tst_Adapter::withoutControllersThereIsNoTiming()
{
    SimulatedMachine machine(QStringLiteral("controllers.json"));
    QVERIFY(machine.ready);
    LoneAdapter lone(machine);
    int index = 7;
    tagCONTROLLERTIMINGDATA timing{};
    QVERIFY(!lone.adapter->GetControllerTimingData(&index, &timing));
    QCOMPARE(index, -1);
}

void tst_Adapter::displaysOfOtherAdaptersAreNotListed()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QCOMPARE(device->adapters().size(), 2);
    const Adapter *first = device->adapters().at(0);
    const Adapter *second = device->adapters().at(1);

    QCOMPARE(indexes(first->enabledDisplays()), (QList<int>{0, 1}));
    QCOMPARE(indexes(first->notEnabledDisplays()), (QList<int>{5}));
    QCOMPARE(indexes(second->enabledDisplays()), (QList<int>{2, 3}));
    QVERIFY(second->notEnabledDisplays().isEmpty());
    QVERIFY(first->GetDisplay(0) != nullptr);
    QVERIFY(first->GetDisplay(2) == nullptr);
    QVERIFY(first->GetDisplay(5) == nullptr); // not enabled
    for (const VyrDisplay *display : second->enabledDisplays())
        QVERIFY(display->parentAdapter() == second);

    // The MST monitors sit at the top of their topology: a branch each, tree 1.
    QCOMPARE(indexes(second->mstDisplays()), (QList<int>{2, 3}));
    QCOMPARE(second->mstBranches().size(), 2);
    QCOMPARE(second->mstBranches().first()->treeId, 1);
    QVERIFY(first->mstBranches().isEmpty());
}

void tst_Adapter::identityRecords()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    const Adapter *adapter = manager->devices().first()->adapters().at(1);
    QCOMPARE(adapter->vbiosInfo().partNumber, QStringLiteral("SIMULATED-VBIOS-1"));
    QCOMPARE(adapter->vbiosInfo().version, QStringLiteral("001.002.003"));
    QCOMPARE(adapter->vbiosInfo().date, QStringLiteral("2026/01/15"));
    QCOMPARE(adapter->asicId().word(12), 0x5678u);       // chip id
    QCOMPARE(adapter->asicId().value16(48), quint16(0)); // 16-bit values are not copied
    QCOMPARE(adapter->adapterInfoRecord().ulBusNumber, 3u);
    QCOMPARE(adapter->adapterInfoRecord().ulFlags, 1u);
    QVERIFY(!adapter->modes().isEmpty());
    QVERIFY(adapter->hasEnabledDisplay());
}

void tst_Adapter::setModeNeedsAnExistingMode()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    Adapter *adapter = manager->devices().first()->adapters().first();
    const unsigned int count = static_cast<unsigned int>(adapter->modes().size());
    QVERIFY(count > 0);
    QVERIFY(!adapter->SetMode(0, count));
    QVERIFY(!adapter->SetMode(0, 0xFFFFFFFFu));
}

void tst_Adapter::registryPath()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    LoneAdapter lone(machine);
    QCOMPARE(lone.adapter->GetRegPath(),
             QStringLiteral("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"));
}

void tst_Adapter::adapterInfoTextAndEquality()
{
    AdapterInfo record{};
    record.iAdapterIndex = 4;
    record.iBusNumber = 3;
    record.iDeviceNumber = 1;
    record.iFunctionNumber = 2;
    record.iVendorID = 4660;
    record.iPresent = 1;
    record.iXScreenNum = 5;
    record.iDrvIndex = 6;
    std::strcpy(record.strUDID, "udid");
    std::strcpy(record.strAdapterName, "adapter");
    std::strcpy(record.strDisplayName, ":0.4");
    std::memset(record.strXScreenConfigName, 'S', sizeof(record.strXScreenConfigName));
    const VyrAdapterInfo info(record);
    const QString screens(256, QLatin1Char('S'));
    QCOMPARE(info.toString(), QStringLiteral("VyrAdapterInfo\n"
                                             "\tiAdapterIndex =4\n"
                                             "\tiBusNumber = 3\n"
                                             "\tiDeviceNumber = 1\n"
                                             "\tiXScreenNum_Lnx = 5\n"
                                             "\tiDrvIndex_Lnx = 6\n"
                                             "\tXScreenConfigName_Lnx = ")
                                  + screens
                                  + QStringLiteral("\n\tiFunctionNumber = 2\n"
                                                   "\tiPresent = 1\n"
                                                   "\tiVendorID = 4660\n"
                                                   "\tAdapterName = adapter\n"
                                                   "\tDisplayName = :0.4\n"
                                                   "\tUDID = udid"));

    // Adapter index and display name do not count; every other field does.
    VyrAdapterInfo other = info;
    other.iAdapterIndex = 9;
    other.DisplayName = QStringLiteral(":0.9");
    QVERIFY(info == other);
    other.iDrvIndex_Lnx = 7;
    QVERIFY(info != other);
    other = info;
    other.DriverKey = QStringLiteral("0001");
    QVERIFY(info != other);
}

void tst_Adapter::comparisonIgnoresDisplayOrder()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto first = machine.makeManager();
    auto second = machine.makeManager();
    Adapter *a = first->devices().first()->adapters().first();
    Adapter *b = second->devices().first()->adapters().first();
    QVERIFY(a->Compare(b));
    QVERIFY(!a->Compare(second->devices().first()->adapters().at(1)));
    QVERIFY(!a->Compare(nullptr));

    // The same displays in the other order: still equal.
    const QList<VyrDisplay *> displays = second->devices().first()->displays();
    QList<VyrDisplay *> reversed = displays;
    std::reverse(reversed.begin(), reversed.end());
    b->UpdateDisplayList(reversed);
    QCOMPARE(b->enabledDisplays().first()->index(), 1);
    QVERIFY(a->Compare(b));

    // A display less: no longer equal.
    reversed.removeOne(b->enabledDisplays().first());
    b->UpdateDisplayList(reversed);
    QVERIFY(!a->Compare(b));
    QList<VyrDisplay *> all = displays; // the device deletes what its list holds
    b->UpdateDisplayList(all);
}

void tst_Adapter::withoutLibraryListsStayEmpty()
{
    NoxTest::CaptureLogger logger;
    AppLoggerInfo info(&logger, kAllComponents, 0);
    DriverCommunicator unbound(&info, QStringList{});
    AdapterInfo record{};
    VyrDisplayMapConfig map;
    QList<VyrDisplay *> displays;
    Adapter adapter(&info, &unbound, &record, &map, &displays, nullptr);
    adapter.Update();
    QVERIFY(adapter.controllers().isEmpty() && adapter.enabledDisplays().isEmpty());
    QVERIFY(logger.lines.last().endsWith(
        QStringLiteral("ADAPTER 0 Adapter::Update() - DrvCom not initialized")));
    QVERIFY(adapter.addController(0) == nullptr);
    QVERIFY(!adapter.SetMode(0, 0));
}

QTEST_GUILESS_MAIN(tst_Adapter)
#include "tst_adapter.moc"
