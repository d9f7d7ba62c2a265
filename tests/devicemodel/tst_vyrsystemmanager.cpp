#include "devicemodeltestsupport.h"
#include "recordinguiservice.h"
#include "vyrdevicemanager.h"
#include "vyrsystemmanager.h"

#include <QtTest>

using namespace DeviceModelTest;

// The system manager's list of device managers: adding, selecting and removing, the
// local manager that stays, and the driver installation that has no tool here.
class tst_VyrSystemManager : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void addingSelectsTheFirstLocalManager();
    void selection();
    void removal();
    void removalMovesTheSelectionBack();
    void removalBelowTheSelection();
    void driverInstallationNeedsATool();
    void toolFailuresAreShown();

private:
    std::unique_ptr<SimulatedMachine> m_machine;
};

void tst_VyrSystemManager::init()
{
    qRegisterMetaType<VyrDeviceManager *>();
    m_machine = std::make_unique<SimulatedMachine>();
    QVERIFY(m_machine->ready);
}

void tst_VyrSystemManager::addingSelectsTheFirstLocalManager()
{
    VyrSystemManager system(&m_machine->info);
    QSignalSpy listChanged(&system, &VyrSystemManager::deviceManagerListChanged);
    QVERIFY(system.GetSelectedDeviceManager() == nullptr);
    QVERIFY(system.localDeviceManager() == nullptr);

    auto first = m_machine->makeManager();
    auto second = m_machine->makeManager();
    QVERIFY(system.AddDeviceManager(first.get()));
    QVERIFY(!system.AddDeviceManager(first.get()));
    QVERIFY(!system.AddDeviceManager(nullptr));
    QVERIFY(system.AddDeviceManager(second.get()));
    QCOMPARE(listChanged.count(), 2);
    QCOMPARE(system.count(), 2);
    // The last local manager added is the local one; the first stays selected.
    QVERIFY(system.localDeviceManager() == second.get());
    QVERIFY(system.GetSelectedDeviceManager() == first.get());
    QCOMPARE(system.GetDeviceManagerIndex(second.get()), 1);
    QCOMPARE(system.GetDeviceManagerIndex(nullptr), -1);
    QVERIFY(system.isDeviceManagerExists(first.get()));
    QVERIFY(system.GetDeviceManager(1) == second.get());
    QVERIFY(system.GetDeviceManager(2) == nullptr);
    QVERIFY(system.GetDeviceManager(-1) == nullptr);
}

void tst_VyrSystemManager::selection()
{
    VyrSystemManager system(&m_machine->info);
    auto local = m_machine->makeManager();
    auto stray = m_machine->makeManager();
    system.AddDeviceManager(local.get());
    QSignalSpy selected(&system, &VyrSystemManager::deviceManagerSelected);

    QVERIFY(system.SelectDeviceManager(local.get()));
    QCOMPARE(selected.count(), 1);
    QVERIFY(selected.last().first().value<VyrDeviceManager *>() == local.get());
    QVERIFY(!system.SelectDeviceManager(stray.get()));
    QCOMPARE(system.selectedIndex(), -1);
    QVERIFY(system.GetSelectedDeviceManager() == nullptr);
    QVERIFY(!system.SelectDeviceManagerByIndex(1));
    QVERIFY(system.SelectDeviceManagerByIndex(0));
    QCOMPARE(selected.count(), 2);
    QVERIFY(system.GetSelectedDeviceManager() == local.get());
}

void tst_VyrSystemManager::removal()
{
    VyrSystemManager system(&m_machine->info);
    auto local = m_machine->makeManager();
    system.AddDeviceManager(local.get());
    QSignalSpy listChanged(&system, &VyrSystemManager::deviceManagerListChanged);
    QVERIFY(!system.RemoveDeviceManagerByIndex(0));
    QVERIFY(!system.RemoveDeviceManagerByIndex(1));
    QVERIFY(!system.RemoveDeviceManagerByIndex(-1));
    QCOMPARE(system.count(), 1);
    QCOMPARE(listChanged.count(), 0);
    QVERIFY(system.GetSelectedDeviceManager() == local.get());
}

void tst_VyrSystemManager::removalMovesTheSelectionBack()
{
    VyrSystemManager system(&m_machine->info);
    // Managers added first are deleted by the system manager when removed.
    auto *first = m_machine->makeManager().release();
    auto *second = m_machine->makeManager().release();
    auto local = m_machine->makeManager();
    system.AddDeviceManager(first);
    system.AddDeviceManager(second);
    system.AddDeviceManager(local.get());
    QVERIFY(system.localDeviceManager() == local.get());
    QVERIFY(system.GetSelectedDeviceManager() == first);

    QSignalSpy listChanged(&system, &VyrSystemManager::deviceManagerListChanged);
    QVERIFY(system.SelectDeviceManagerByIndex(1));
    QVERIFY(system.RemoveDeviceManagerByIndex(1));
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(system.selectedIndex(), 0);
    QVERIFY(system.GetSelectedDeviceManager() == first);
    QVERIFY(system.RemoveDeviceManagerByIndex(0));
    QCOMPARE(system.selectedIndex(), -1);
    QVERIFY(system.GetSelectedDeviceManager() == nullptr);
    QVERIFY(system.GetDeviceManager(0) == local.get());
}

void tst_VyrSystemManager::removalBelowTheSelection()
{
    // Removing an entry below the selection leaves the index where it was: past the end
    // of the list it selects nothing.
    VyrSystemManager system(&m_machine->info);
    system.AddDeviceManager(m_machine->makeManager().release());
    system.AddDeviceManager(m_machine->makeManager().release());
    auto local = m_machine->makeManager();
    system.AddDeviceManager(local.get());
    QVERIFY(system.SelectDeviceManagerByIndex(2));
    QVERIFY(system.RemoveDeviceManagerByIndex(0));
    QCOMPARE(system.selectedIndex(), 2);
    QVERIFY(system.GetSelectedDeviceManager() == nullptr);
    QVERIFY(system.RemoveDeviceManagerByIndex(0));
    QCOMPARE(system.count(), 1);
    QVERIFY(system.GetDeviceManager(0) == local.get());
}

void tst_VyrSystemManager::driverInstallationNeedsATool()
{
    VyrSystemManager system(&m_machine->info);
    QString file = QStringLiteral("driver.inf");
    QString none;
    QVERIFY(!system.InstallDeviceDriver(file));
    QVERIFY(!system.InstallDeviceDriver(none));
    system.onReadFromStdout();
    system.onReadFromStdErr();
    QCOMPARE(system.lastErrorText(), QString());
}

void tst_VyrSystemManager::toolFailuresAreShown()
{
    VyrTest::RecordingUiService ui;
    VyrSystemManager system(&m_machine->info);
    system.processError(QProcess::Crashed);
    system.processFinished(0, QProcess::NormalExit);
    QVERIFY(ui.messages().isEmpty());
    system.processError(QProcess::FailedToStart);
    system.processFinished(1, QProcess::CrashExit);
    QCOMPARE(ui.messageLines(),
             (QStringList{QStringLiteral("Install Driver|Failed to start DevCon"),
                          QStringLiteral("Install Driver|Failed to Install Driver")}));
}

QTEST_GUILESS_MAIN(tst_VyrSystemManager)
#include "tst_vyrsystemmanager.moc"
