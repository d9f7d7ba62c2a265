#include "devicemodeltestsupport.h"
#include "drivercommunicator.h"
#include "driversettingstestsupport.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"

#include <QtTest>

#include <X11/Xlib.h>

using namespace DeviceModelTest;

namespace {

// Force-update requests among the calls made (logger command 3 is the only logger call
// with input: 64 bytes of escape frame).
int forceUpdates(const NoxTest::SimLibrary &sim)
{
    int count = 0;
    for (const VyrSimCall &call : sim.callRecords()) {
        if (call.function == ZOVRETH_DRIVER_LOGGER && call.inputSize == 64)
            ++count;
    }
    return count;
}

} // namespace

// Writing the driver's settings: the configuration store (over the X display) first, then
// the driver settings file, each write judged by what reached the file; the logger's
// enable flags, buffer size and category masks written through them. The fixture holds an
// X connection of its own for the whole test: an X server resets when its last client
// leaves, and refuses the connections made while it does.
class tst_VyrDeviceDriverSettingsX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void setWritesStoreAndFile();
    void unwritableFileGivesFalse();
    void loggerEnableFlagsAndBufferSize();
    void oneMaskAtATime();
    void allMasksAtOnce();

private:
    QVariant stored(const VyrDeviceManager &manager, const QString &key) const;

    Display *m_fixture = nullptr;
    QTemporaryDir m_storeDir;
    QString m_store;
    std::unique_ptr<DriverSettingsFile> m_file;
    std::unique_ptr<SimulatedMachine> m_machine;
};

void tst_VyrDeviceDriverSettingsX11::initTestCase()
{
    m_fixture = XOpenDisplay(nullptr);
    QVERIFY2(m_fixture != nullptr, "the test needs an X server (run it through ctest)");
    QVERIFY(m_storeDir.isValid());
}

void tst_VyrDeviceDriverSettingsX11::cleanupTestCase()
{
    if (m_fixture != nullptr)
        XCloseDisplay(m_fixture);
}

void tst_VyrDeviceDriverSettingsX11::init()
{
    // An empty configuration store of its own for every test.
    m_store = m_storeDir.filePath(QString::fromLatin1(QTest::currentTestFunction()));
    QFile::remove(m_store);
    qputenv("VYR_PCS_STORE", QFile::encodeName(m_store));
    m_file = std::make_unique<DriverSettingsFile>();
    QVERIFY(m_file->ready);
    m_machine = std::make_unique<SimulatedMachine>();
    QVERIFY(m_machine->ready);
}

void tst_VyrDeviceDriverSettingsX11::cleanup()
{
    m_machine.reset();
    m_file.reset();
    qunsetenv("VYR_PCS_STORE");
}

QVariant tst_VyrDeviceDriverSettingsX11::stored(const VyrDeviceManager &manager,
                                                const QString &key) const
{
    return manager.communicator()->GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/MCIL/")
                                                    + key);
}

void tst_VyrDeviceDriverSettingsX11::setWritesStoreAndFile()
{
    auto manager = m_machine->makeManager();
    VyrDevice *device = manager->devices().first();
    const QString key = QStringLiteral("ZelkLogEnable");

    QVERIFY(device->SetDriverRegKeyValue(key, 5u));
    QCOMPARE(stored(*manager, key), QVariant(5u));
    QVERIFY(m_file->contents().contains("ZelkLogEnable=5"));
    QCOMPARE(device->GetDriverRegKeyValue(key).toUInt(), 5u);
    // Another device of the machine sees it.
    QCOMPARE(manager->devices().at(1)->GetLoggerEnableFlags(), 5u);
    QVERIFY(manager->SetDriverRegKeyValue(1, key, 9u));
    QCOMPARE(device->GetLoggerEnableFlags(), 9u);

    QVERIFY(manager->DeleteDriverRegKey(0, key));
    QVERIFY(!stored(*manager, key).isValid());
    QVERIFY(!m_file->contents().contains("ZelkLogEnable"));
    QVERIFY(!device->IsDriverRegKeyValid(key));
    QVERIFY(!device->DeleteDriverRegKey(key)); // the store has nothing left to delete

    // An empty key reaches neither the store nor the file.
    const QByteArray before = m_file->contents();
    const QByteArray storeBefore = fileContents(m_store);
    QVERIFY(!device->SetDriverRegKeyValue(QString(), 1u));
    QVERIFY(!device->DeleteDriverRegKey(QString()));
    QCOMPARE(fileContents(m_store), storeBefore);
    QCOMPARE(m_file->contents(), before);
}

void tst_VyrDeviceDriverSettingsX11::unwritableFileGivesFalse()
{
    const QString path = m_file->unwritablePath();
    DriverSettingsFile::use(path);
    auto manager = m_machine->makeManager();
    VyrDevice *device = manager->devices().first();
    const QString key = QStringLiteral("ZelkLogEnable");

    QVERIFY(!device->SetDriverRegKeyValue(key, 7u));
    // The store, written first, keeps the value; the file never got it, and no read
    // pretends it did.
    QCOMPARE(stored(*manager, key), QVariant(7u));
    QVERIFY(!device->IsDriverRegKeyValid(key));
    QCOMPARE(device->GetLoggerEnableFlags(), 0u);
    QVERIFY(!device->SetLoggerEnableFlags(3u));

    // Once the file can be written, the next write succeeds: an earlier failure does not
    // stick to the device.
    QVERIFY(QFile::remove(path.section(QLatin1Char('/'), 0, -2)));
    QVERIFY(device->SetDriverRegKeyValue(key, 8u));
    QCOMPARE(device->GetLoggerEnableFlags(), 8u);
    QVERIFY(QFile::exists(path));
}

void tst_VyrDeviceDriverSettingsX11::loggerEnableFlagsAndBufferSize()
{
    auto manager = m_machine->makeManager();
    VyrDevice *device = manager->devices().first();

    m_machine->sim.clearCalls();
    QVERIFY(device->SetLoggerEnableFlags(6u));
    QCOMPARE(forceUpdates(m_machine->sim), 1);
    QCOMPARE(device->GetLoggerEnableFlags(), 6u);
    // The driver took the flags when it updated its logger.
    QVERIFY(device->ReadDriverLog());
    QVERIFY(device->driverLog().contains(QStringLiteral("enable 0x6")));

    // The current size: nothing is written, the driver is not asked to update.
    const QByteArray before = m_file->contents();
    m_machine->sim.clearCalls();
    QVERIFY(!device->SetLoggerBufferSize(65536u));
    QCOMPARE(m_file->contents(), before);
    QVERIFY(!stored(*manager, QStringLiteral("ZelkLogBufferSize")).isValid());
    QCOMPARE(forceUpdates(m_machine->sim), 0);

    QVERIFY(device->SetLoggerBufferSize(1024u));
    QCOMPARE(stored(*manager, QStringLiteral("ZelkLogBufferSize")), QVariant(1024u));
    QCOMPARE(forceUpdates(m_machine->sim), 1);
    QCOMPARE(device->GetLoggerBufferSize(), 1024u);
    QCOMPARE(manager->GetLoggerBufferSize(0), 1024);
}

void tst_VyrDeviceDriverSettingsX11::oneMaskAtATime()
{
    auto manager = m_machine->makeManager();
    VyrDevice *device = manager->devices().first();
    const int power = device->GetLoggerMajorIndex(QStringLiteral("POWER"));
    const int edid = device->GetLoggerMajorIndex(QStringLiteral("EDID"));
    QCOMPARE(power, 3);

    QVERIFY(device->SetLoggerSeting(power, 0x11u));
    QCOMPARE(device->GetLoggerSeting(power), 0x11u);
    QVERIFY(m_file->contents().contains("ZelkLogMask_POWER=17"));
    QCOMPARE(stored(*manager, QStringLiteral("ZelkLogMask_POWER")), QVariant(0x11u));
    QVERIFY(manager->SetLoggerSetting(0, power, 0u));
    QCOMPARE(device->GetLoggerSeting(power), 0u);
    QVERIFY(!m_file->contents().contains("ZelkLogMask_POWER"));

    // The store holds no EDID mask to delete: false, logged, and the file keeps its mask,
    // as the next read shows.
    QVERIFY(!device->SetLoggerSeting(edid, 0u));
    QCOMPARE(device->GetLoggerSeting(edid), 0u);
    QVERIFY(!m_machine->logger.lines.filter(QStringLiteral("DEVICE 0: cant access registry "))
                 .isEmpty());
    QList<LogMajorInfo> masks;
    QVERIFY(device->GetLoggerSetings(&masks));
    QCOMPARE(masks.at(edid).mask, 3u);

    QVERIFY(!device->SetLoggerSeting(-1, 1u));
    QVERIFY(!device->SetLoggerSeting(4, 1u));

    // A mask that cannot reach the file is refused and the list keeps the old one.
    DriverSettingsFile::use(m_file->unwritablePath());
    auto unwritable = m_machine->makeManager();
    VyrDevice *other = unwritable->devices().first();
    QVERIFY(!other->SetLoggerSeting(power, 0x4u));
    QCOMPARE(other->GetLoggerSeting(power), 0u);
}

void tst_VyrDeviceDriverSettingsX11::allMasksAtOnce()
{
    auto manager = m_machine->makeManager();
    VyrDevice *device = manager->devices().first();
    // DP has a mask in both places, so clearing it deletes it from both.
    QVERIFY(device->SetDriverRegKeyValue(QStringLiteral("ZelkLogMask_DP"), 1u));
    QList<LogMajorInfo> masks;
    QVERIFY(device->GetLoggerSetings(&masks));
    QCOMPARE(masks.size(), 4);
    masks[0].mask = 0x7;
    masks[1].mask = 0x1;
    masks[2].mask = 0;
    masks[3].mask = 0x2;

    m_machine->sim.clearCalls();
    QVERIFY(device->SetLoggerSetings(masks));
    QCOMPARE(forceUpdates(m_machine->sim), 1);
    const QByteArray file = m_file->contents();
    QVERIFY(file.contains("ZelkLogMask_DISPLAY=7"));
    QVERIFY(file.contains("ZelkLogMask_EDID=1"));
    QVERIFY(!file.contains("ZelkLogMask_DP"));
    QVERIFY(file.contains("ZelkLogMask_POWER=2"));
    QCOMPARE(device->GetLoggerSeting(0), 0x7u);
    QCOMPARE(device->GetLoggerSeting(3), 0x2u);

    // A mask that cannot be deleted (DP is gone from the store) makes the whole request
    // false; the others are written.
    masks[3].mask = 0x9;
    QVERIFY(!device->SetLoggerSetings(masks));
    QVERIFY(m_file->contents().contains("ZelkLogMask_POWER=9"));

    DriverSettingsFile::use(m_file->unwritablePath());
    auto unwritable = m_machine->makeManager();
    QVERIFY(!unwritable->devices().first()->SetLoggerSetings(masks));
}

QTEST_GUILESS_MAIN(tst_VyrDeviceDriverSettingsX11)
#include "tst_vyrdevicedriversettingsx11.moc"
