// The hardware tool library binding against the simulated library (an ELF file named
// Quarnib.dll): the search order and the path written back, files lacking entry
// points, the user's choice of file, the device list and its cap, and register access
// by dword.

#include "apploggerinfo.h"
#include "quarnibinterface.h"
#include "recordinguiservice.h"
#include "regaccesstestsupport.h"
#include "vyrbaselogger.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

using namespace RegAccessTest;

namespace {

const QString RelativeDefault = QStringLiteral("Program Files/VYR Corvane/Quarnib.dll");
const QString RootDefault = QStringLiteral("/Program Files/VYR Corvane/Quarnib.dll");
const QString BesidePlugins = QStringLiteral("plugins/Quarnib.dll");
const QString BareName = QStringLiteral("Quarnib.dll");

QString filenameLine(const QString &path)
{
    return QStringLiteral("QuarnibInterface>> FILENAME: \"%1\"").arg(path);
}

// Keeps each line as "<type>|<text>".
class CaptureLogger : public VyrBaseLogger
{
public:
    CaptureLogger()
        : VyrBaseLogger(0xFFFFFFFFu)
    {}
    void OnLogStringOut(AppLogType type, const QString &line) override
    {
        // The line starts with the time stamp and the type prefix.
        lines << QString::number(type) + QLatin1Char('|')
                     + line.mid(line.indexOf(QLatin1String("QuarnibInterface")));
    }
    QStringList lines;
};

} // namespace

class tst_QuarnibInterface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    // First: no relative candidate may have been loaded in this process yet.
    void nothingFound();
    void search_data();
    void search();
    void userChoosesTheFile_data();
    void userChoosesTheFile();
    void devices();
    void atMost32Devices();
    void registersByDword();
    void configurationSpace();
    void uninitializedAnswers();

private:
    // Runs the search in a fresh working folder, with plugins/Quarnib.dll in it when
    // pluginsCopy is set; answers the interface.
    std::unique_ptr<QuarnibInterface> search(bool pluginsCopy, AppLoggerInfo *logger = nullptr);

    QuarnibSim m_sim;
    QTemporaryDir m_workDir;
    QString m_previousDir;
};

void tst_QuarnibInterface::init()
{
    qunsetenv("VYRSIM_QUARNIB_MACHINE");
    QVERIFY(m_sim.loaded);
    QCOMPARE(m_sim.reset(), 0);
    QVERIFY(m_workDir.isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workDir.path()));
    writeIni({{QStringLiteral("quarnib/quarnibPath"), defaultQuarnib()}});
}

void tst_QuarnibInterface::cleanup()
{
    QDir::setCurrent(m_previousDir);
}

std::unique_ptr<QuarnibInterface> tst_QuarnibInterface::search(bool pluginsCopy,
                                                               AppLoggerInfo *logger)
{
    if (pluginsCopy) {
        QDir(m_workDir.path()).mkpath(QStringLiteral("plugins"));
        QFile::copy(defaultQuarnib(), m_workDir.filePath(BesidePlugins));
    }
    return std::make_unique<QuarnibInterface>(logger);
}

void tst_QuarnibInterface::nothingFound()
{
    writeIni({});
    CaptureLogger logger;
    AppLoggerInfo info(&logger, 0, 0);
    DebugCapture debug;
    const auto quarnib = search(false, &info);
    QVERIFY(!quarnib->IsQuarnibInitialized());
    QCOMPARE(debug.lines(),
             (QStringList{filenameLine(RelativeDefault), filenameLine(RootDefault),
                          filenameLine(BesidePlugins), filenameLine(BareName),
                          QStringLiteral("QuarnibInterface>> Failed to load Quarnib.dll!")}));
    QCOMPARE(logger.lines,
             QStringList{QStringLiteral("2|QuarnibInterface: Failed to load Quarnib.dll!")});
    QVERIFY(!iniValue(QStringLiteral("quarnib/quarnibPath")).isValid());
}

void tst_QuarnibInterface::search_data()
{
    QTest::addColumn<QVariant>("keyPath"); // invalid: no key
    QTest::addColumn<bool>("initialized");
    QTest::addColumn<QString>("writtenPath");
    QTest::addColumn<QStringList>("debug");

    const QString defaultPath = defaultQuarnib();
    QTest::newRow("the path of the settings first")
        << QVariant(defaultPath) << true << defaultPath << QStringList{filenameLine(defaultPath)};
    QTest::newRow("no key: the fixed places, the path found written back")
        << QVariant() << true << BesidePlugins
        << QStringList{filenameLine(RelativeDefault), filenameLine(RootDefault),
                       filenameLine(BesidePlugins)};
    const QString noInit = quarnibVariant(QStringLiteral("noinit"));
    QTest::newRow("a file without InitializeQuarnib is passed over")
        << QVariant(noInit) << true << BesidePlugins
        << QStringList{filenameLine(noInit), filenameLine(RootDefault),
                       filenameLine(BesidePlugins)};
    const QString noWrite = quarnibVariant(QStringLiteral("nommwrite"));
    QTest::newRow("a file lacking another entry point ends the search")
        << QVariant(noWrite) << false << noWrite
        << QStringList{filenameLine(noWrite),
                       QStringLiteral("QuarnibInterface>> Failed to hook Quarnib functions!")};
}

void tst_QuarnibInterface::search()
{
    QFETCH(QVariant, keyPath);
    QFETCH(bool, initialized);
    QFETCH(QString, writtenPath);
    QFETCH(QStringList, debug);

    writeIni(keyPath.isValid() ? QVariantMap{{QStringLiteral("quarnib/quarnibPath"), keyPath}}
                               : QVariantMap{{QStringLiteral("other/key"), 1}});
    CaptureLogger logger;
    AppLoggerInfo info(&logger, 0, 0);
    DebugCapture capture;
    const auto quarnib = search(true, &info);
    QCOMPARE(quarnib->IsQuarnibInitialized(), initialized);
    QCOMPARE(capture.lines(), debug);
    QCOMPARE(iniValue(QStringLiteral("quarnib/quarnibPath")).toString(), writtenPath);
    if (initialized) {
        QCOMPARE(logger.lines, QStringList{QStringLiteral(
                                   "2|QuarnibInterface: Quarnib initialization unloads "
                                   "NOX...Reloading NOX after Quarnib initialization...")});
        // The path written back is tried first next time.
        DebugCapture again;
        QVERIFY(quarnib->TryToLoadQuarnib(false));
        QCOMPARE(again.lines(), QStringList{filenameLine(writtenPath)});
    }
}

void tst_QuarnibInterface::userChoosesTheFile_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("writtenPath");

    QTest::newRow("the file chosen")
        << quarnibVariant(QStringLiteral("many")) << quarnibVariant(QStringLiteral("many"));
    QTest::newRow("cancelled: the usual search") << QString() << defaultQuarnib();
    QTest::newRow("a file that is no tool library")
        << quarnibVariant(QStringLiteral("noinit")) << defaultQuarnib();
}

void tst_QuarnibInterface::userChoosesTheFile()
{
    QFETCH(QString, answer);
    QFETCH(QString, writtenPath);

    const auto quarnib = search(false);
    VyrTest::RecordingUiService ui;
    ui.setFileName(answer);
    DebugCapture capture;
    QVERIFY(quarnib->AskUserToLocateQuarnib());
    QCOMPARE(ui.fileRequests().size(), 1);
    QCOMPARE(ui.fileRequests().first().caption, QStringLiteral("Locate Quarnib.dll"));
    QCOMPARE(ui.fileRequests().first().directory, QDir::currentPath());
    QCOMPARE(ui.fileRequests().first().filter,
             QStringLiteral("DLL files(*.dll);;All files(*.*);;"));
    QCOMPARE(capture.lines().value(0), filenameLine(answer));
    QCOMPARE(iniValue(QStringLiteral("quarnib/quarnibPath")).toString(), writtenPath);
}

void tst_QuarnibInterface::devices()
{
    const auto quarnib = search(false);
    QVERIFY(quarnib->IsQuarnibInitialized());
    QCOMPARE(quarnib->GetDeviceCount(), 2u);
    QCOMPARE(quarnib->GetCurrentDeviceIndex(), 0);
    QCOMPARE(quarnib->GetCurrentDeviceId(), quint16(0x5678));
    QCOMPARE(quarnib->GetDeviceId(1), quint16(0x5678));
    QCOMPARE(quarnib->GetDeviceId(2), quint16(0));

    // Bus, device and function of the demo machine's devices (3:0.0 and 0:2.0).
    const QList<unsigned int> expected{3, 0, 0, 0, 2, 0};
    QList<unsigned int> found;
    for (int index = 0; index < 2; ++index) {
        for (unsigned int kind : {6u, 7u, 8u}) {
            unsigned int value = 0xFF;
            QVERIFY(quarnib->GetDeviceInfo(index, kind, value));
            found << value;
        }
    }
    QCOMPARE(found, expected);
    unsigned int value = 0;
    QVERIFY(!quarnib->GetDeviceInfo(0, 9, value));
    QVERIFY(!quarnib->GetDeviceInfo(2, 6, value));

    QVERIFY(quarnib->SelectDevice(1));
    QCOMPARE(quarnib->GetCurrentDeviceIndex(), 1);
    QVERIFY(!quarnib->SelectDevice(2));
    QVERIFY(!quarnib->SelectDevice(-1));
    QCOMPARE(quarnib->GetCurrentDeviceIndex(), 1);

    // Copies of the record carry the id in bytes 268-269.
    DEVICE record{};
    QVERIFY(quarnib->GetCurrentDevice(&record));
    const auto *bytes = reinterpret_cast<const unsigned char *>(&record);
    QCOMPARE(bytes[268] | bytes[269] << 8, 0x5678);
    QVERIFY(quarnib->GetDevice(&record, 0));
    QVERIFY(!quarnib->GetDevice(&record, 2));
}

void tst_QuarnibInterface::atMost32Devices()
{
    writeIni({{QStringLiteral("quarnib/quarnibPath"), quarnibVariant(QStringLiteral("many"))}});
    DebugCapture capture;
    const auto quarnib = search(false);
    QVERIFY(quarnib->IsQuarnibInitialized());
    QCOMPARE(quarnib->GetDeviceCount(), 32u);
    QVERIFY(quarnib->SelectDevice(31));
    QVERIFY(!quarnib->SelectDevice(32));
    QVERIFY(capture.lines().contains(
        QStringLiteral("QuarnibInterface>> More than 32 devices; the others are left out.")));
}

void tst_QuarnibInterface::registersByDword()
{
    const auto quarnib = search(false);
    unsigned int value = 0;

    // Register 0 of the demo devices mirrors their ids.
    QVERIFY(quarnib->ReadReg(0x3, &value));
    QCOMPARE(m_sim.lastDwordIndex(), 0u);
    QCOMPARE(value, 0x56781234u);

    QVERIFY(quarnib->WriteReg(0x102, 0xA5A5F00Du));
    QCOMPARE(m_sim.lastDwordIndex(), 0x40u);
    QVERIFY(quarnib->ReadReg(0x100, &value));
    QCOMPARE(m_sim.lastDwordIndex(), 0x40u);
    QCOMPARE(value, 0xA5A5F00Du);

    // The registers are those of the current device.
    QVERIFY(quarnib->SelectDevice(1));
    QVERIFY(quarnib->ReadReg(0x100, &value));
    QCOMPARE(value, 0u);
}

void tst_QuarnibInterface::configurationSpace()
{
    const auto quarnib = search(false);
    unsigned int value = 0;
    QVERIFY(quarnib->ReadCfgReg(0, 2, 0, 0x00, &value));
    QCOMPARE(value, 0x56781234u);
    QVERIFY(quarnib->WriteCfgReg(0, 2, 0, 0x40, 0x11223344u));
    QVERIFY(quarnib->ReadCfgReg(0, 2, 0, 0x40, &value));
    QCOMPARE(value, 0x11223344u);
    QVERIFY(!quarnib->ReadCfgReg(9, 0, 0, 0x00, &value));
    m_sim.fail("ReadPCIConfigReg32", 1);
    QVERIFY(!quarnib->ReadCfgReg(0, 2, 0, 0x00, &value));
}

void tst_QuarnibInterface::uninitializedAnswers()
{
    // The library refuses to initialise: the file is unloaded and every call answers
    // false, 0 or -1 without reaching the library.
    m_sim.fail("InitializeQuarnib", 0);
    DebugCapture capture;
    const auto quarnib = search(false);
    QVERIFY(!quarnib->IsQuarnibInitialized());
    QCOMPARE(capture.lines().constLast(),
             QStringLiteral("QuarnibInterface>> Failed to initialize Quarnib state!"));
    QCOMPARE(iniValue(QStringLiteral("quarnib/quarnibPath")).toString(), defaultQuarnib());

    const int calls = m_sim.callCount("InitializeQuarnib");
    unsigned int value = 0;
    DEVICE record{};
    QCOMPARE(quarnib->GetDeviceCount(), 0u);
    QCOMPARE(quarnib->GetCurrentDeviceIndex(), 0);
    QCOMPARE(quarnib->GetCurrentDeviceId(), quint16(0));
    QCOMPARE(quarnib->GetDeviceId(0), quint16(0));
    QVERIFY(!quarnib->SelectDevice(0));
    QVERIFY(!quarnib->GetDevice(&record, 0));
    QVERIFY(!quarnib->GetCurrentDevice(&record));
    QVERIFY(!quarnib->GetDeviceInfo(0, 6, value));
    QVERIFY(!quarnib->ReadCfgReg(3, 0, 0, 0, &value));
    QVERIFY(!quarnib->WriteCfgReg(3, 0, 0, 0, 0));
    QVERIFY(!quarnib->ReadReg(0, &value));
    QVERIFY(!quarnib->WriteReg(0, 0));
    QCOMPARE(m_sim.callCount("InitializeQuarnib"), calls);
    QCOMPARE(m_sim.callCount("EnumerateDevices"), 0);
    QCOMPARE(m_sim.callCount("MMRegRead32"), 0);
    QCOMPARE(m_sim.callCount("ReadPCIConfigReg32"), 0);

    // With no device at all the library is not accepted either.
    QTemporaryDir dir;
    const QString machine = dir.filePath(QStringLiteral("empty.json"));
    QVERIFY(writeMachine(machine, QJsonArray{}));
    qputenv("VYRSIM_QUARNIB_MACHINE", machine.toLocal8Bit());
    QCOMPARE(m_sim.reset(), 0);
    QVERIFY(!quarnib->TryToLoadQuarnib(false));
}

QTEST_GUILESS_MAIN(tst_QuarnibInterface)
#include "tst_quarnibinterface.moc"
