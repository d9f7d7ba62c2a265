#include "communicatortestsupport.h"
#include "drivercommunicator.h"
#include "vyrpcsbinding.h"

#include <QtTest>

// The configuration store as the communicator reads it, without an X server: the
// store opens over no display connection, so reading works and writing refuses.
class tst_DriverCommunicator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void bindsStandInFromLibraryFolder();

    void splitsKeys_data();
    void splitsKeys();

    void readsEachValueType_data();
    void readsEachValueType();
    void readsDefaultStore();
    void failedOpenGivesInvalidValue();
    void overstatedLengthStaysInBuffer();

    void writeAndDeleteWithoutDisplayChangeNothing();

    void setModeWithoutDisplayFails();

private:
    CapturingLogger m_logger;
    AppLoggerInfo m_loggerInfo{&m_logger, 2u, 0};
    QTemporaryDir m_dir;
    QString m_storeFile;
};

static const char kStore[] = "LDC/ReleaseVersion\tstr\t20.45.1\n"
                             "LDC/Embedded\tstr\tbefore\\0after\n"
                             "LDC/Latin\tstr\tcaf\\xe9\n"
                             "LDC/Empty\tstr\t\n"
                             "LDC/BuildNumber\tu32\t2045001\n"
                             "LDC/Max\tu32\t4294967295\n"
                             "LDC/Signature\traw\t55aa007f00\n"
                             "LDC/LinkRates\tu32array\t162000 270000\n"
                             "LDC/PowerSaving\tbool\t1\n"
                             "MCIL/Sub/Value\tu32\t9\n";

void tst_DriverCommunicator::initTestCase()
{
    // No X server for this test: the display connection always fails.
    qunsetenv("DISPLAY");
    QVERIFY(m_dir.isValid());
    m_storeFile = m_dir.filePath(QStringLiteral("store.pcs"));
}

void tst_DriverCommunicator::init()
{
    qunsetenv("VYR_PCS_FAIL");
    QVERIFY(writeStoreFile(m_storeFile, kStore));
    qputenv("VYR_PCS_STORE", m_storeFile.toLocal8Bit());
    m_logger.clear();
}

void tst_DriverCommunicator::bindsStandInFromLibraryFolder()
{
    // The test program is not in the folder of the stand-in; the binding finds it beside
    // the device library.
    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    QVERIFY(pcs.isBound());
    QCOMPARE(pcs.source(), QDir(QStringLiteral(VYR_BIN_DIR)).filePath("libvyrpcs.so"));
}

void tst_DriverCommunicator::splitsKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("name");
    const QString kept = QStringLiteral("kept");
    QTest::newRow("folder and name") << "VYRPCSROOT/SYSTEM/LDC/ReleaseVersion"
                                     << "LDC/"
                                     << "ReleaseVersion";
    QTest::newRow("MCIL path gets backslashes") << "VYRPCSROOT/SYSTEM/MCIL/Sub/Value"
                                                << "MCIL/"
                                                << "Sub\\Value";
    QTest::newRow("MCIL below a folder") << "VYRPCSROOT/SYSTEM/A/MCIL/B/C"
                                         << "A/MCIL/"
                                         << "B\\C";
    QTest::newRow("last MCIL counts") << "VYRPCSROOT/SYSTEM/MCIL/X/MCIL/Y"
                                      << "MCIL/X/MCIL/"
                                      << "Y";
    QTest::newRow("deep folder") << "VYRPCSROOT/SYSTEM/LDC/Power/State"
                                 << "LDC/Power/"
                                 << "State";
    QTest::newRow("last root counts") << "VYRPCSROOT/SYSTEM/Old/VYRPCSROOT/SYSTEM/LDC/Ver"
                                      << "LDC/"
                                      << "Ver";
    QTest::newRow("text before the root") << "HKLM/VYRPCSROOT/SYSTEM/LDC/Ver"
                                          << "LDC/"
                                          << "Ver";
    QTest::newRow("folder only") << "VYRPCSROOT/SYSTEM/LDC/"
                                 << "LDC/"
                                 << "";
    QTest::newRow("no root") << "DriverVersion" << kept << kept;
    QTest::newRow("root in other case") << "vyrpcsroot/system/LDC/Ver" << kept << kept;
    QTest::newRow("no folder under root") << "VYRPCSROOT/SYSTEM/Version" << kept << kept;
    QTest::newRow("root alone") << "VYRPCSROOT/SYSTEM/" << kept << kept;
    QTest::newRow("empty key") << "" << kept << kept;
}

void tst_DriverCommunicator::splitsKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, location);
    QFETCH(QString, name);
    QString gotLocation = QStringLiteral("kept");
    QString gotName = QStringLiteral("kept");
    DriverCommunicator::GetLocationAndName(key, gotLocation, gotName);
    QCOMPARE(gotLocation, location);
    QCOMPARE(gotName, name);
}

void tst_DriverCommunicator::readsEachValueType_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QString>("logged"); // an information line, or empty

    QTest::newRow("unsigned") << "VYRPCSROOT/SYSTEM/LDC/BuildNumber" << QVariant(2045001u)
                              << QString();
    QTest::newRow("unsigned maximum")
        << "VYRPCSROOT/SYSTEM/LDC/Max" << QVariant(4294967295u) << QString();
    QTest::newRow("unsigned under MCIL")
        << "VYRPCSROOT/SYSTEM/MCIL/Sub/Value" << QVariant(9u) << QString();
    QTest::newRow("string") << "VYRPCSROOT/SYSTEM/LDC/ReleaseVersion"
                            << QVariant(QStringLiteral("20.45.1")) << QString();
    QTest::newRow("string ends at zero byte")
        << "VYRPCSROOT/SYSTEM/LDC/Embedded" << QVariant(QStringLiteral("before")) << QString();
    QTest::newRow("string in Latin-1")
        << "VYRPCSROOT/SYSTEM/LDC/Latin" << QVariant(QString::fromLatin1("caf\xe9")) << QString();
    QTest::newRow("empty string") << "VYRPCSROOT/SYSTEM/LDC/Empty" << QVariant(QString(""))
                                  << QString();
    QTest::newRow("raw bytes") << "VYRPCSROOT/SYSTEM/LDC/Signature"
                               << QVariant(QByteArray("\x55\xaa\x00\x7f\x00", 5)) << QString();
    QTest::newRow("array is not read") << "VYRPCSROOT/SYSTEM/LDC/LinkRates" << QVariant()
                                       << "VYRPCSROOT/SYSTEM/LDC/LinkRates is U32Array";
    QTest::newRow("boolean is not read") << "VYRPCSROOT/SYSTEM/LDC/PowerSaving" << QVariant()
                                         << "VYRPCSROOT/SYSTEM/LDC/PowerSaving is BOOL";
    QTest::newRow("missing value")
        << "VYRPCSROOT/SYSTEM/LDC/Missing" << QVariant() << "VYRPCSROOT/SYSTEM/LDC/Missing is NONE";
    QTest::newRow("key without root") << "DriverVersion" << QVariant() << QString();
}

void tst_DriverCommunicator::readsEachValueType()
{
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    QFETCH(QString, logged);

    DriverCommunicator communicator(&m_loggerInfo);
    m_logger.clear();
    const QVariant value = communicator.GetKeyValueLinux(key);
    QCOMPARE(value.isValid(), expected.isValid());
    if (expected.isValid()) {
        QCOMPARE(value.userType(), expected.userType());
        QCOMPARE(value, expected);
    }
    QVERIFY(
        m_logger.has(AppLogError, QStringLiteral("DRIVER_COMMUNICATOR: Error opening X Display")));
    if (!logged.isEmpty())
        QVERIFY2(m_logger.has(AppLogInfo, "DRIVER_COMMUNICATOR: " + logged),
                 qPrintable(m_logger.lines.join('\n')));
    const bool missing = key.endsWith(QLatin1String("Missing"));
    QCOMPARE(m_logger.has(AppLogError, "DRIVER_COMMUNICATOR: Error reading value " + key), missing);
    QVERIFY(!m_logger.has(AppLogError, QStringLiteral("DRIVER_COMMUNICATOR: Error opening PCS")));
}

void tst_DriverCommunicator::readsDefaultStore()
{
    qunsetenv("VYR_PCS_STORE");
    DriverCommunicator communicator(&m_loggerInfo);
    const QVariant version =
        communicator.GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/ReleaseVersion"));
    QCOMPARE(version.userType(), int(QMetaType::QString));
    QVERIFY(version.toString().contains(QLatin1String("simulated")));
}

void tst_DriverCommunicator::failedOpenGivesInvalidValue()
{
    qputenv("VYR_PCS_FAIL", "open");
    DriverCommunicator communicator(&m_loggerInfo);
    m_logger.clear();
    QVERIFY(!communicator.GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/BuildNumber"))
                 .isValid());
    QVERIFY(m_logger.has(AppLogError, QStringLiteral("DRIVER_COMMUNICATOR: Error opening PCS")));
    QCOMPARE(m_logger.lines.size(), 2); // no display, no store; nothing more
}

void tst_DriverCommunicator::overstatedLengthStaysInBuffer()
{
    // A store that reports more bytes than the buffer holds: the value is cut at the
    // buffer's end (the sanitizer build shows any read past it).
    qputenv("VYR_PCS_FAIL", "length");
    DriverCommunicator communicator(&m_loggerInfo);
    const QVariant raw =
        communicator.GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/Signature"));
    QCOMPARE(raw.toByteArray().size(), 4096);
    QVERIFY(raw.toByteArray().startsWith(QByteArray("\x55\xaa\x00\x7f\x00", 5)));
    const QVariant text =
        communicator.GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/LDC/ReleaseVersion"));
    QCOMPARE(text.toString(), QStringLiteral("20.45.1"));
}

void tst_DriverCommunicator::writeAndDeleteWithoutDisplayChangeNothing()
{
    DriverCommunicator communicator(&m_loggerInfo);
    const QByteArray before = readWholeFile(m_storeFile);
    QVERIFY(
        !communicator.SetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/MCIL/Sub/Value"), 10u));
    QVERIFY(!communicator.SetKeyValueLinux(QStringLiteral("ZelkLogEnable"), 1u));
    QVERIFY(!communicator.DeleteKeyLinux(QStringLiteral("VYRPCSROOT/SYSTEM/MCIL/Sub/Value")));
    QCOMPARE(readWholeFile(m_storeFile), before);
    QCOMPARE(communicator.GetKeyValueLinux(QStringLiteral("VYRPCSROOT/SYSTEM/MCIL/Sub/Value")),
             QVariant(9u));
}

void tst_DriverCommunicator::setModeWithoutDisplayFails()
{
    DriverCommunicator communicator(&m_loggerInfo);
    DeviceModeInfo mode;
    mode.xRes = 1280;
    mode.yRes = 1024;
    QVERIFY(!communicator.DisplaySetMode(0, 0, 1, &mode));
}

QTEST_GUILESS_MAIN(tst_DriverCommunicator)
#include "tst_drivercommunicator.moc"
