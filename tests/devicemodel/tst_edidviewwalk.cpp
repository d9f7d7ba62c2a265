#include "adapter.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "recordinguiservice.h"
#include "vyrbranch.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"
#include "vyrsystemmanager.h"
#include "vyrtestutil.h"

#include <QtTest>

#include <map>

using namespace DeviceModelTest;

namespace {

// What the demo machine's displays are: the compiled-in EDID sample and the signal type.
struct DemoDisplay
{
    const char *sample;
    const char *signal;
};

const std::map<int, DemoDisplay> kDemoDisplays = {
    {0, {"cta-basic-sny4803-3.bin", "HdmiA"}},
    {1, {"displayid13-dela17f-4.bin", "DisplayPort"}},
    {2, {"cta-hdr-del41d9-3.bin", "DisplayPort"}},
    {3, {"edid14-digital-len0017-2.bin", "DisplayPort"}},
    {4, {"edid14-digital-auo623d-3.bin", "EDP"}},
    {5, {"edid13-digital-del400d-1.bin", "DVI_D"}},
};

QByteArray edidImage(const VyrDisplay *display)
{
    return QByteArray(reinterpret_cast<const char *>(display->edid()), VyrDisplay::EdidBufferSize);
}

} // namespace

// The demo machine walked the way the EDID view's device tree and load/save form walk
// it: system manager, device managers, devices, active adapters, enabled and not-enabled
// displays, MST branches, each display's name, index, signal type and EDID image, and
// the EDID override seen after a refresh.
class tst_EdidViewWalk : public QObject
{
    Q_OBJECT

private slots:
    void walkTheDemoMachine();
    void overrideIsSeenAfterRefresh();
    void selectionAndManagerList();
};

void tst_EdidViewWalk::walkTheDemoMachine()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    VyrSystemManager system(&machine.info);
    QSignalSpy listChanged(&system, &VyrSystemManager::deviceManagerListChanged);
    auto manager = machine.makeManager();
    QVERIFY(system.AddDeviceManager(manager.get()));
    QCOMPARE(listChanged.count(), 1);

    QCOMPARE(system.count(), 1);
    VyrDeviceManager *local = system.localDeviceManager();
    QVERIFY(local == manager.get());
    QVERIFY(system.GetSelectedDeviceManager() == local);
    QCOMPARE(system.GetDeviceManagerIndex(local), 0);
    QCOMPARE(local->name(), QStringLiteral("local system"));
    QCOMPARE(local->kind(), 0);

    QList<int> enabledSeen;
    QList<int> notEnabledSeen;
    for (int i = 0; i < system.count(); ++i) {
        VyrDeviceManager *deviceManager = system.GetDeviceManager(i);
        for (VyrDevice *device : deviceManager->devices()) {
            QVERIFY(!device->info().name.isEmpty());
            QVERIFY(device->enabled());
            for (VyrBranch *branch : device->branches())
                QVERIFY(branch->children.contains(branch->display));
            QVERIFY(!device->adapters().isEmpty());
            QVERIFY(device->displays().size() >= device->GetEnabledDisplaysList().size());
            for (Adapter *adapter : device->GetActiveAdapterList()) {
                QVERIFY(adapter->hasEnabledDisplay());
                QVERIFY(adapter->adapterInfo().DisplayName.startsWith(QStringLiteral(":0.")));
                QVERIFY(adapter->GetRegPath().startsWith(QStringLiteral(
                    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\")));
                for (VyrBranch *branch : adapter->mstBranches())
                    QCOMPARE(branch->treeId, 1);
            }
            const QList<VyrDisplay *> enabled = device->GetEnabledDisplaysList();
            const QList<VyrDisplay *> notEnabled = device->GetNotEnabledDisplaysList();
            for (VyrDisplay *display : enabled + notEnabled) {
                const int index = display->info().displayID.iDisplayLogicalIndex;
                QVERIFY2(kDemoDisplays.count(index), qPrintable(QString::number(index)));
                const DemoDisplay &expected = kDemoDisplays.at(index);
                QCOMPARE(display->property("index").toInt(), index);
                QCOMPARE(display->property("name").toString(), display->info().DisplayName);
                QVERIFY(display->info().DisplayName.startsWith(QStringLiteral("Simulated ")));
                QCOMPARE(display->property("signalType").toString(),
                         QString::fromLatin1(expected.signal));
                QCOMPARE(VyrDisplay::sinkTypeToString(
                             static_cast<DisplaySinkType>(display->signalType())),
                         QString::fromLatin1(expected.signal));
                QVERIFY(display->connected());
                QCOMPARE(display->IsEnabled(), enabled.contains(display));
                QVERIFY(display->edid() != nullptr);
                QCOMPARE(edidImage(display),
                         VyrTest::sampleImage(QString::fromLatin1(expected.sample)));
                (enabled.contains(display) ? enabledSeen : notEnabledSeen) << index;
            }
        }
    }
    QCOMPARE(enabledSeen, (QList<int>{0, 1, 2, 3, 4}));
    QCOMPARE(notEnabledSeen, (QList<int>{5}));
}

void tst_EdidViewWalk::overrideIsSeenAfterRefresh()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    int rebuilds = 0;
    connect(manager.get(), &VyrDeviceManager::configurationChangedSignal, this,
            [&rebuilds]() { ++rebuilds; });

    // The form sends an edited image; the next refresh reads it from the display.
    QByteArray image = VyrTest::sampleImage(QStringLiteral("edid13-analog-nec61d3-1.bin"));
    image.truncate(128);
    VyrDisplay *panel = manager->devices().at(1)->GetEnabledDisplaysList().first();
    QVERIFY(panel->OverrideEdid(reinterpret_cast<unsigned char *>(image.data()), image.size()));
    manager->Refresh(false);
    QCOMPARE(rebuilds, 1);
    panel = manager->devices().at(1)->GetEnabledDisplaysList().first();
    QCOMPARE(edidImage(panel), image + QByteArray(512 - 128, '\0'));
}

void tst_EdidViewWalk::selectionAndManagerList()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    VyrTest::RecordingUiService ui;
    VyrSystemManager system(&machine.info);
    auto manager = machine.makeManager();
    system.AddDeviceManager(manager.get());

    // The device select widget writes the selection record; a rebuild clears it.
    VyrDevice *device = manager->devices().first();
    Adapter *adapter = device->adapters().at(1);
    manager->selection().device = device;
    manager->selection().adapter = adapter;
    manager->selection().display = adapter->enabledDisplays().first();
    manager->selection().branch = adapter->mstBranches().first();
    manager->Refresh(false);
    QVERIFY(manager->selection().device == nullptr && manager->selection().adapter == nullptr
            && manager->selection().display == nullptr && manager->selection().branch == nullptr);

    // Start, stop and restart reach the device console, which this platform lacks.
    QVERIFY(!manager->devices().first()->StartStopDevice(DeviceStop));
    QCOMPARE(ui.messageLines(), QStringList{QStringLiteral("Start/Stop Device|DevCon not found")});

    QString driverFile = QStringLiteral("driver.inf");
    QVERIFY(!system.InstallDeviceDriver(driverFile));
    QVERIFY(!system.RemoveDeviceManagerByIndex(0));
    QVERIFY(system.SelectDeviceManager(manager.get()));
    QVERIFY(system.GetSelectedDeviceManager() == manager.get());
}

QTEST_GUILESS_MAIN(tst_EdidViewWalk)
#include "tst_edidviewwalk.moc"
