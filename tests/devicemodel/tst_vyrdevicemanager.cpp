#include "adapter.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "drivercommunicator.h"
#include "recordinguiservice.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace DeviceModelTest;

// The device manager: the device list built from the driver's adapter records, every
// refresh rebuilding it, requests per device, and the machine-wide queries.
class tst_VyrDeviceManager : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void adaptersOfOneDeviceMakeOneDevice();
    void refreshRebuildsAndSignalsLast();
    void refreshWhileBusyDoesNothing();
    void displayRequestsAnswerTheDevice_data();
    void displayRequestsAnswerTheDevice();
    void withoutDriverLibraryNothingIsBuilt();
    void failedAdapterQueryGivesNoDevices();
    void indexesPastTheEndGiveDefaults();
    void loggerFeatureFlag();
    void deviceStateChangeWaitsAndRefreshes();
    void machineWideQueries();
    void systemMemoryAndProcessor();

private:
    std::unique_ptr<SimulatedMachine> m_machine;
};

void tst_VyrDeviceManager::init()
{
    m_machine = std::make_unique<SimulatedMachine>();
    QVERIFY(m_machine->ready);
}

void tst_VyrDeviceManager::adaptersOfOneDeviceMakeOneDevice()
{
    auto manager = m_machine->makeManager();
    // Three adapter records, two of them on bus 3 device 0.
    QCOMPARE(manager->GetNumberOfDevices(), 2);
    QCOMPARE(manager->property("numberOfDevices").toInt(), 2);
    const VyrDevice *discrete = manager->devices().at(0);
    const VyrDevice *integrated = manager->devices().at(1);
    QCOMPARE(discrete->adapters().size(), 2);
    QCOMPARE(discrete->adapters().at(0)->adapterIndex(), 0);
    QCOMPARE(discrete->adapters().at(1)->adapterIndex(), 1);
    QCOMPARE(integrated->adapters().size(), 1);
    QCOMPARE(integrated->adapters().first()->adapterIndex(), 2);
    QVERIFY(manager->getDevice(3, 0) == discrete);
    QVERIFY(manager->getDevice(0, 2) == integrated);
    QVERIFY(manager->getDevice(3, 1) == nullptr);
    QCOMPARE(manager->GetAdapterName(1), QStringLiteral(":0.2"));
    QCOMPARE(manager->name(), QStringLiteral("local system"));
    QCOMPARE(manager->kind(), 0);

    const QStringList lines = m_machine->logger.lines;
    QCOMPARE(lines
                 .filter(QStringLiteral("DEVICE MANAGER - VyrDeviceManager::initDevices(): "
                                        "Created 2 devices"))
                 .size(),
             1);
    QCOMPARE(lines.filter(QStringLiteral("Device 1 initialized")).size(), 1);
}

void tst_VyrDeviceManager::refreshRebuildsAndSignalsLast()
{
    auto manager = m_machine->makeManager();
    QSignalSpy changed(manager.get(), &VyrDeviceManager::configurationChangedSignal);
    manager->selection().device = manager->devices().first();
    manager->selection().display = manager->devices().first()->displays().first();

    // A map change in the driver shows after the refresh.
    QVERIFY(manager->communicator()->DisplaySetMapConfig(1, 0, nullptr, 0, nullptr));
    int devicesAtSignal = -1;
    bool selectionClearedAtSignal = false;
    connect(manager.get(), &VyrDeviceManager::configurationChangedSignal, this, [&]() {
        devicesAtSignal = manager->GetNumberOfDevices();
        selectionClearedAtSignal =
            manager->selection().device == nullptr && manager->selection().display == nullptr;
    });
    manager->Refresh(true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(devicesAtSignal, 2);
    QVERIFY(selectionClearedAtSignal);
    QVERIFY(manager->devices().first()->adapters().at(1)->enabledDisplays().isEmpty());
}

void tst_VyrDeviceManager::refreshWhileBusyDoesNothing()
{
    auto manager = m_machine->makeManager();
    int signals_ = 0;
    int nestedRefreshes = 0;
    // The rebuild after a clone signals while the request still runs: a refresh asked for
    // then does nothing.
    connect(manager.get(), &VyrDeviceManager::configurationChangedSignal, this, [&]() {
        ++signals_;
        if (manager->busy()) {
            ++nestedRefreshes;
            m_machine->sim.clearCalls();
            manager->Refresh();
            QVERIFY(m_machine->sim.calls().isEmpty());
        }
    });
    QVERIFY(manager->CloneDisplay(0, 0));
    QCOMPARE(signals_, 1);
    QCOMPARE(nestedRefreshes, 1);
    QVERIFY(!manager->busy());
    manager->Refresh();
    QCOMPARE(signals_, 2);

    QVERIFY(manager->ExtendDisplay(0, 5));
    QVERIFY(manager->DisableDisplay(1, 4));
    QCOMPARE(signals_, 4);
    QCOMPARE(manager->devices().at(1)->GetEnabledDisplaysList().size(), 0);
}

void tst_VyrDeviceManager::displayRequestsAnswerTheDevice_data()
{
    QTest::addColumn<QString>("machine"); // empty: the demo
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("refused"); // entry point that fails its next call
    QTest::addColumn<bool>("result");

    const QString demo;
    const QString extend = QStringLiteral("extend.json");
    const QString mapSet = QStringLiteral("NOX_Display_DisplayMapConfig_Set");
    QTest::newRow("clone") << demo << "clone" << 0 << 0 << QString() << true;
    QTest::newRow("clone refused") << demo << "clone" << 0 << 0 << mapSet << false;
    QTest::newRow("clone of a display not enabled")
        << demo << "clone" << 0 << 5 << QString() << false;
    QTest::newRow("extend") << extend << "extend" << 0 << 1 << QString() << true;
    QTest::newRow("extend refused")
        << extend << "extend" << 0 << 1 << QStringLiteral("NOX_Adapter_Active_SetPrefer") << false;
    QTest::newRow("extend without a free adapter")
        << demo << "extend" << 0 << 5 << QString() << false;
    QTest::newRow("disable") << demo << "disable" << 1 << 4 << QString() << true;
    QTest::newRow("disable refused") << demo << "disable" << 0 << 1 << mapSet << false;
    QTest::newRow("disable of no display") << demo << "disable" << 0 << 99 << QString() << false;
}

void tst_VyrDeviceManager::displayRequestsAnswerTheDevice()
{
    QFETCH(QString, machine);
    QFETCH(QString, request);
    QFETCH(int, device);
    QFETCH(int, display);
    QFETCH(QString, refused);
    QFETCH(bool, result);

    SimulatedMachine simulated(machine);
    QVERIFY(simulated.ready);
    auto manager = simulated.makeManager();
    QSignalSpy changed(manager.get(), &VyrDeviceManager::configurationChangedSignal);
    if (!refused.isEmpty())
        simulated.sim.fail(refused.toLatin1().constData(), 1, NOX_ERR);
    bool answer = !result;
    if (request == QLatin1String("clone"))
        answer = manager->CloneDisplay(device, display);
    else if (request == QLatin1String("extend"))
        answer = manager->ExtendDisplay(device, display);
    else
        answer = manager->DisableDisplay(device, display);
    QCOMPARE(answer, result);
    // The model is rebuilt whatever the answer.
    QCOMPARE(changed.count(), 1);
    QVERIFY(!manager->busy());
}

void tst_VyrDeviceManager::withoutDriverLibraryNothingIsBuilt()
{
    NoxTest::CaptureLogger logger;
    AppLoggerInfo info(&logger, kAllComponents, 0);
    const QStringList variants[] = {{QStringLiteral("/nonexistent/libwexnoxxx.so")},
                                    {NoxTest::variantLibrary(QStringLiteral("createfails"))}};
    for (const QStringList &files : variants) {
        VyrDeviceManager manager(&info, files);
        QSignalSpy changed(&manager, &VyrDeviceManager::configurationChangedSignal);
        QCOMPARE(manager.GetNumberOfDevices(), 0);
        QVERIFY(logger.lines
                    .filter(QStringLiteral(
                        "DEVICE MANAGER - VyrDeviceManager::Init(): Failed to Load NOX"))
                    .size()
                == 1);
        logger.lines.clear();
        manager.Refresh();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(manager.GetNoxVersion(), 0);
        QVERIFY(!manager.GetGlobalEdidPersistence(nullptr, nullptr));
    }
}

void tst_VyrDeviceManager::failedAdapterQueryGivesNoDevices()
{
    auto manager = m_machine->makeManager();
    QSignalSpy changed(manager.get(), &VyrDeviceManager::configurationChangedSignal);
    m_machine->sim.fail("NOX_Adapter_AdapterInfo_Get", 1, NOX_ERR);
    m_machine->logger.lines.clear();
    manager->Refresh();
    QCOMPARE(manager->GetNumberOfDevices(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_machine->logger.lines.filter(QStringLiteral("Created 0 devices")).size(), 1);
    manager->Refresh();
    QCOMPARE(manager->GetNumberOfDevices(), 2);
}

void tst_VyrDeviceManager::indexesPastTheEndGiveDefaults()
{
    auto manager = m_machine->makeManager();
    for (int index : {-1, 2, 100}) {
        QVERIFY(manager->getVyrDevice(index) == nullptr);
        QCOMPARE(manager->GetAdapterName(index), QString());
        QCOMPARE(manager->GetDriverLog(index), QString());
        manager->ClearDriverLog(index);
        QVERIFY(!manager->CloneDisplay(index, 0));
        QVERIFY(!manager->ExtendDisplay(index, 0));
        QVERIFY(!manager->DisableDisplay(index, 0));
    }
    QVERIFY(manager->getVyrDevice(1) == manager->devices().at(1));
    // The driver log is never read here: it stays null when cleared.
    manager->ClearDriverLog(0);
    QVERIFY(manager->GetDriverLog(0).isNull());
}

void tst_VyrDeviceManager::loggerFeatureFlag()
{
    auto manager = m_machine->makeManager();
    manager->EnableLoggerFeature(5, true);
    manager->EnableLoggerFeature(-1, true);
    QVERIFY(!manager->devices().at(0)->loggerFeatureEnabled());
    manager->EnableLoggerFeature(1, true);
    QVERIFY(manager->devices().at(1)->loggerFeatureEnabled());
    QVERIFY(!manager->devices().at(0)->loggerFeatureEnabled());
    // Devices made afterwards take the manager's flag.
    manager->Refresh();
    QVERIFY(manager->devices().at(0)->loggerFeatureEnabled());
    QVERIFY(manager->devices().at(1)->loggerFeatureEnabled());
}

void tst_VyrDeviceManager::deviceStateChangeWaitsAndRefreshes()
{
    VyrTest::RecordingUiService ui;
    auto manager = m_machine->makeManager();
    QSignalSpy changed(manager.get(), &VyrDeviceManager::configurationChangedSignal);
    int timerTicks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&]() {
        if (ui.progressOpen())
            ++timerTicks;
    });
    ticker.start(100);

    QElapsedTimer clock;
    clock.start();
    // A device reports its new state: the manager waits, rebuilds, and marks the device.
    emit manager->devices().first()->deviceStateChanged(false, QString());
    QCOMPARE(changed.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 15000);
    QVERIFY(clock.elapsed() >= 4900);
    QCOMPARE(ui.progress().size(), 1);
    QCOMPARE(ui.progress().first().label, QStringLiteral("Changing device state..."));
    QCOMPARE(ui.progress().first().minimum, 0);
    QCOMPARE(ui.progress().first().maximum, 10);
    QCOMPARE(ui.progress().first().values, (QList<int>{0, 2, 4, 6, 8}));
    QVERIFY(!ui.progressOpen());
    QVERIFY(!manager->devices().first()->enabled());
    QVERIFY(manager->devices().at(1)->enabled());
    // Events were handled during the wait: the window keeps painting.
    QVERIFY(timerTicks >= 30);
}

void tst_VyrDeviceManager::machineWideQueries()
{
    auto manager = m_machine->makeManager();
    QCOMPARE(manager->GetOsVersionName(), QStringLiteral("Linux"));
    QCOMPARE(manager->GetNoxVersion(), 1);
    QVERIFY(manager->GetDpcdInfo() == manager->communicator()->GetDpcdTableInfo());
    QVERIFY(manager->SetGlobalEdidPersistence(1));
    int current = 0;
    int def = -1;
    QVERIFY(manager->GetGlobalEdidPersistence(&current, &def));
    QCOMPARE(current, 1);
    QCOMPARE(def, 0);
    QCOMPARE(manager->priority(), VyrDeviceManager::High);
    QVERIFY(manager->setProperty("priority", VyrDeviceManager::VeryLow));
    QCOMPARE(manager->priority(), VyrDeviceManager::VeryLow);
}

void tst_VyrDeviceManager::systemMemoryAndProcessor()
{
    // Stand-ins for the two programs, first on the search path.
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    auto script = [&bin](const QString &name, const QByteArray &body) {
        QFile file(bin.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    script(QStringLiteral("awk"), "echo 2047\n");
    script(QStringLiteral("lscpu"), "printf 'Architecture:   x86_64\\nCPU(s):   8\\n"
                                    "On-line CPU(s) list: 0-7\\nVendor ID:  Simulated\\n"
                                    "CPU family:  6\\nModel name:  Simulated CPU\\n"
                                    "Model: 1\\nStepping:  2\\nFlags: fpu\\n'\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    auto manager = m_machine->makeManager();
    const QString memory = manager->getSystemMemSize();
    const QString cpu = manager->getCpuInfo();
    qputenv("PATH", path);

    QCOMPARE(memory, QStringLiteral("RAM: 1 MB"));
    QCOMPARE(cpu, QStringLiteral("Architecture: x86_64, CPU(s): 8, Vendor ID: Simulated, "
                                 "CPU family: 6, Model name: Simulated CPU, Model: 1, "
                                 "Stepping: 2, "));
}

QTEST_GUILESS_MAIN(tst_VyrDeviceManager)
#include "tst_vyrdevicemanager.moc"
