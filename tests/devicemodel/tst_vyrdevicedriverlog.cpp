#include "devicemodeltestsupport.h"
#include "driversettingstestsupport.h"
#include "recordinguiservice.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace DeviceModelTest;

// What a device reads of the driver without writing anything: its identity and keys from
// the configuration store and the driver settings file, its log categories and log text,
// and the device console that does not exist here. Writing needs an X server
// (tst_vyrdevicedriversettingsx11).
class tst_VyrDeviceDriverLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void driverIdentity();
    void readsKeysFromStoreThenFile();
    void keyListsAndGroups();
    void logCategoriesFromTheDriver();
    void masksFromTheSettingsFile();
    void driverLogText_data();
    void driverLogText();
    void managerForwardsLogRequests();
    void startStopWithoutDeviceConsole();
    void deviceConsoleReplies_data();
    void deviceConsoleReplies();

private:
    std::unique_ptr<DriverSettingsFile> m_file;
};

void tst_VyrDeviceDriverLog::init()
{
    m_file = std::make_unique<DriverSettingsFile>();
    QVERIFY(m_file->ready);
}

void tst_VyrDeviceDriverLog::cleanup()
{
    m_file.reset();
}

void tst_VyrDeviceDriverLog::driverIdentity()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    const VyrDeviceInfo &info = manager->devices().first()->info();
    // Version and date from the settings file, the release from the configuration store.
    QCOMPARE(info.driverVersion, QStringLiteral("20.45.1.0 (simulated)"));
    QCOMPARE(info.driverDate, QStringLiteral("2026-01-15"));
    QCOMPARE(info.releaseVersion, QStringLiteral("20.45.1 (simulated store)"));
    QCOMPARE(info.settingsPath, m_file->path);
    QVERIFY(manager->devices().first()->summary().contains(
        QStringLiteral("Registry Path: \n") + m_file->path + QStringLiteral("\n\n")));

    // A machine without the file: nothing to show, nothing fails.
    DriverSettingsFile::use(m_file->unwritablePath());
    auto bare = machine.makeManager();
    QVERIFY(bare->devices().first()->info().driverVersion.isEmpty());
    QVERIFY(bare->devices().first()->info().driverDate.isEmpty());
}

void tst_VyrDeviceDriverLog::readsKeysFromStoreThenFile()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();

    const QVariant noKey = device->GetDriverRegKeyValue(QString());
    QCOMPARE(noKey.userType(), static_cast<int>(QMetaType::Int));
    QCOMPARE(noKey.toInt(), -1);
    QCOMPARE(
        device->GetDriverRegKeyValue(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/DriverBuildNumber")),
        QVariant(2045001u));
    QCOMPARE(device->GetDriverRegKeyValue(QStringLiteral("DriverDate")).toString(),
             QStringLiteral("2026-01-15"));
    QVERIFY(!device->GetDriverRegKeyValue(QStringLiteral("NoSuchKey")).isValid());

    // Validity asks the settings file alone.
    QVERIFY(device->IsDriverRegKeyValid(QStringLiteral("ZelkLogBufferSize")));
    QVERIFY(
        !device->IsDriverRegKeyValid(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/DriverBuildNumber")));
    QCOMPARE(device->GetLoggerEnableFlags(), 0u);
    m_file->set(QStringLiteral("ZelkLogEnable"), 6);
    QCOMPARE(device->GetLoggerEnableFlags(), 6u);

    QCOMPARE(manager->GetDriverRegKeyValue(1, QStringLiteral("DriverDate")).toString(),
             QStringLiteral("2026-01-15"));
    QVERIFY(manager->IsDriverRegKeyValid(1, QStringLiteral("DriverVersion")));
    QVERIFY(!manager->GetDriverRegKeyValue(2, QStringLiteral("DriverDate")).isValid());
    QVERIFY(!manager->IsDriverRegKeyValid(2, QStringLiteral("DriverVersion")));
}

void tst_VyrDeviceDriverLog::keyListsAndGroups()
{
    m_file->set(QStringLiteral("Display0/Scaling"), 1);
    m_file->set(QStringLiteral("Display0/Dithering"), 0);
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    const VyrDevice *device = manager->devices().first();

    QStringList masks = device->GetDriverRegKeyList(QStringLiteral("ZelkLogMask_"));
    masks.sort();
    QCOMPARE(masks,
             (QStringList{QStringLiteral("ZelkLogMask_DISPLAY"), QStringLiteral("ZelkLogMask_DP"),
                          QStringLiteral("ZelkLogMask_EDID")}));
    QVERIFY(device->GetDriverRegKeyList(QStringLiteral("zelklog")).isEmpty());
    QCOMPARE(device->GetDriverRegKeyList(QString()).size(), 7);
    QCOMPARE(device->GetDriverRegKeyGroups(QString()), QStringList{QStringLiteral("Display0")});
    QStringList display = device->GetDriverRegGroupKeyList(QStringLiteral("Display0"));
    display.sort();
    QCOMPARE(display, (QStringList{QStringLiteral("Dithering"), QStringLiteral("Scaling")}));
    // The group is left again: the next list is of the top level.
    QCOMPARE(device->GetDriverRegKeyList(QStringLiteral("Driver")).size(), 2);

    QCOMPARE(manager->GetDriverRegKeyGroups(0, QString()), QStringList{QStringLiteral("Display0")});
    QCOMPARE(manager->GetDriverRegGroupKeyList(0, QStringLiteral("Display0")).size(), 2);
    QCOMPARE(manager->GetDriverRegKeyList(0, QStringLiteral("Driver")).size(), 2);
    QVERIFY(manager->GetDriverRegKeyList(7, QString()).isEmpty());
    QVERIFY(manager->GetDriverRegKeyGroups(7, QString()).isEmpty());
    QVERIFY(manager->GetDriverRegGroupKeyList(7, QStringLiteral("Display0")).isEmpty());
}

void tst_VyrDeviceDriverLog::logCategoriesFromTheDriver()
{
    SimulatedMachine machine(QStringLiteral("logger.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    const QList<LogMajorInfo> &majors = manager->devices().first()->loggerSettings();
    QCOMPARE(majors.size(), 2);
    QCOMPARE(majors.at(0).id, 0x20);
    QCOMPARE(majors.at(0).name, QStringLiteral("CORE"));
    QCOMPARE(majors.at(0).minors.size(), 2);
    QCOMPARE(majors.at(0).minors.at(1).id, 7);
    QCOMPARE(majors.at(0).minors.at(1).name, QStringLiteral("VERBOSE"));
    QCOMPARE(majors.at(1).name, QStringLiteral("LINK"));
    QVERIFY(majors.at(1).minors.isEmpty());
    QCOMPARE(manager->GetLoggerMajorIndex(0, QStringLiteral("LINK")), 1);
    QCOMPARE(manager->GetLoggerMajorIndex(0, QStringLiteral("link")), -1);
    QCOMPARE(manager->GetLoggerMajorIndex(3, QStringLiteral("LINK")), -1);

    // Every refresh asks the driver again.
    machine.sim.fail("Send", 0, NOX_ERR);
    QVERIFY(manager->devices().first()->Refresh(false));
    QVERIFY(manager->devices().first()->loggerSettings().isEmpty());
}

void tst_VyrDeviceDriverLog::masksFromTheSettingsFile()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *second = manager->devices().at(1);
    QStringList names;
    for (const LogMajorInfo &major : second->loggerSettings())
        names << major.name;
    QCOMPARE(names, (QStringList{QStringLiteral("DISPLAY"), QStringLiteral("EDID"),
                                 QStringLiteral("DP"), QStringLiteral("POWER")}));
    // The driver gives no masks: they are 0 until read from the settings file.
    QCOMPARE(second->GetLoggerSeting(1), 0u);

    QList<LogMajorInfo> read{LogMajorInfo()};
    QVERIFY(manager->GetLoggerSetings(1, &read));
    QCOMPARE(read.size(), 4);
    QCOMPARE(read.at(0).mask, 1u);
    QCOMPARE(read.at(1).mask, 3u);
    QCOMPARE(read.at(3).mask, 0u); // no key for POWER
    QCOMPARE(second->GetLoggerSeting(1), 3u);
    QCOMPARE(second->GetLoggerSeting(-1), 0u);
    QCOMPARE(second->GetLoggerSeting(4), 0u);
    QVERIFY(!manager->GetLoggerSetings(2, &read));

    // The manager asks device n for its setting number n; the first device's masks were
    // never read.
    QCOMPARE(manager->GetLoggerSetting(1), 3u);
    QCOMPARE(manager->GetLoggerSetting(0), 0u);
    QCOMPARE(manager->GetLoggerSetting(2), 0u);
}

void tst_VyrDeviceDriverLog::driverLogText_data()
{
    // The simulated driver holds "Line 1\r\nLine 2\r\n", a zero byte and stale bytes.
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text");
    const QString lines = QStringLiteral("Line 1\r\nLine 2\r\n");
    QTest::newRow("terminated") << 4096 << true << lines;
    QTest::newRow("buffer full, no terminating zero") << 16 << true << lines;
    QTest::newRow("cut to the buffer") << 6 << true << QStringLiteral("Line 1");
    QTest::newRow("no buffer: header only") << 0 << false << QString();
}

void tst_VyrDeviceDriverLog::driverLogText()
{
    QFETCH(int, bufferSize);
    QFETCH(bool, read);
    QFETCH(QString, text);
    SimulatedMachine machine(QStringLiteral("logger.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    // The driver takes its buffer size from the settings file when its logger updates.
    m_file->set(QStringLiteral("ZelkLogBufferSize"), bufferSize);
    QVERIFY(device->ForceUpdateLogger());
    QCOMPARE(device->GetLoggerBufferSize(), static_cast<unsigned int>(bufferSize));

    QCOMPARE(device->ReadDriverLog(), read);
    const QRegularExpression header(
        QStringLiteral(R"(^\^\[\d\d\.\d\d\.\d{4} \d{1,2}:\d{1,2}:\d{1,2} \S+\] \*\*\*\*DEVICE )"
                       R"(Simulated logging adapter \(:0\.0\}\*\*\*\*\*\r\n)"));
    const QRegularExpressionMatch match = header.match(device->driverLog());
    QVERIFY2(match.hasMatch(), qPrintable(device->driverLog()));
    QCOMPARE(device->driverLog().mid(match.capturedLength()), text);
}

void tst_VyrDeviceDriverLog::managerForwardsLogRequests()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    QCOMPARE(manager->GetLoggerBufferSize(0), 65536);
    QVERIFY(manager->ReadDriverLog(0));
    QVERIFY(manager->ReadDriverLog(0));
    const QString log = manager->GetDriverLog(0);
    // The log grows: two headers, the driver's text after each.
    QCOMPARE(log.count(QStringLiteral("****DEVICE ")), 2);
    QCOMPARE(log.count(QStringLiteral("Simulated driver log")), 2);
    QVERIFY(log.contains(
        QStringLiteral("DISPLAY: adapter 0 display 0 \"Simulated HDMI TV\" connected")));
    QVERIFY(manager->ForceUpdateLogger(1));
    manager->ClearDriverLog(0);
    QVERIFY(manager->GetDriverLog(0).isEmpty());
    QVERIFY(!manager->GetDriverLog(0).isNull());

    QVERIFY(!manager->ReadDriverLog(2));
    QCOMPARE(manager->GetLoggerBufferSize(-1), 0);
    QVERIFY(!manager->ForceUpdateLogger(2));
    QVERIFY(!manager->SetLoggerSetting(2, 0, 1u));
    QVERIFY(!manager->SetDriverRegKeyValue(2, QStringLiteral("ZelkLogEnable"), 1u));
    QVERIFY(!manager->DeleteDriverRegKey(2, QStringLiteral("ZelkLogEnable")));
}

void tst_VyrDeviceDriverLog::startStopWithoutDeviceConsole()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    VyrTest::RecordingUiService ui;
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QVERIFY(!device->CanStartStopDevice());
    for (DeviceStartStopOption option : {DeviceStart, DeviceStop, DeviceRestart})
        QVERIFY(!device->StartStopDevice(option));
    QCOMPARE(ui.messages().size(), 3);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Critical);
    QCOMPARE(ui.lastMessage().title, QStringLiteral("Start/Stop Device"));
    QCOMPARE(ui.lastMessage().text, QStringLiteral("DevCon not found"));
    // Nothing was started.
    QVERIFY(device->findChildren<QProcess *>().isEmpty());
    QVERIFY(device->enabled());
}

void tst_VyrDeviceDriverLog::deviceConsoleReplies_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("box");
    QTest::newRow("failed to start") << QStringLiteral("error") << int(QProcess::FailedToStart)
                                     << QStringLiteral("Failed to start DevCon");
    QTest::newRow("other error") << QStringLiteral("error") << int(QProcess::Crashed) << QString();
    QTest::newRow("crashed") << QStringLiteral("finished") << int(QProcess::CrashExit)
                             << QStringLiteral("DevCon crashed");
    QTest::newRow("finished") << QStringLiteral("finished") << int(QProcess::NormalExit)
                              << QString();
}

void tst_VyrDeviceDriverLog::deviceConsoleReplies()
{
    QFETCH(QString, slot);
    QFETCH(int, value);
    QFETCH(QString, box);
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    VyrTest::RecordingUiService ui;
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QSignalSpy changes(device, &VyrDevice::deviceStateChanged);
    if (slot == QLatin1String("error"))
        device->processError(static_cast<QProcess::ProcessError>(value));
    else
        device->processFinished(1, static_cast<QProcess::ExitStatus>(value));
    // Output slots without a console read nothing and change nothing.
    device->onReadFromStdout();
    device->onReadFromStdErr();

    QCOMPARE(ui.messages().size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(ui.lastMessage().title, QStringLiteral("Start/Stop Device"));
        QCOMPARE(ui.lastMessage().text, box);
    }
    QVERIFY(changes.isEmpty());
    QVERIFY(device->enabled());
}

QTEST_GUILESS_MAIN(tst_VyrDeviceDriverLog)
#include "tst_vyrdevicedriverlog.moc"
