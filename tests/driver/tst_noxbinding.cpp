// Binding the driver control library: which file binds, the library level, the
// log lines, what an unbound object does, and the adapter count of a machine.

#include "noxtestsupport.h"

using namespace NoxTest;

class tst_NoxBinding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void binding_data();
    void binding();
    void defaultNamesBindTheLibraryBesideTheProgram();
    void logNeedsComponentFlag_data();
    void logNeedsComponentFlag();
    void destroyClosesOnlyAnOpenContext();
    void adapterIdFromSecondName();
    void adapters_data();
    void adapters();
    void failingCalls_data();
    void failingCalls();
    void errorTexts_data();
    void errorTexts();
    void memoryHelpers();
};

void tst_NoxBinding::init()
{
    qunsetenv("VYRSIM_NOX_MACHINE");
}

void tst_NoxBinding::binding_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("bound");
    QTest::addColumn<unsigned>("level");
    QTest::addColumn<bool>("refreshes");
    QTest::addColumn<QStringList>("log");

    const QString ok =
        QStringLiteral("1|DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): NOX Initialized");
    QTest::newRow("simulated library")
        << QStringList{simulatedLibrary()} << true << 1u << true << QStringList{ok};
    QTest::newRow("first names missing, later one binds")
        << QStringList{"wexnoxxx.dll", "wexnoxxy.dll", simulatedLibrary()} << true << 1u << true
        << QStringList{ok};
    QTest::newRow("no library")
        << QStringList{"wexnoxxx.dll", "wexnoxxy.dll", "/nonexistent/libwexnoxxx.so"} << false << 0u
        << false
        << QStringList{"4|DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): Failed to load dll"};
    QTest::newRow("without refresh")
        << QStringList{variantLibrary("norefresh")} << true << 1u << false << QStringList{ok};
    QTest::newRow("one audio entry point missing")
        << QStringList{variantLibrary("noaudio")} << true << 0u << true << QStringList{ok};
    QTest::newRow("second adapter-id name")
        << QStringList{variantLibrary("adapterid2")} << true << 1u << true << QStringList{ok};
    QTest::newRow("required entry point missing")
        << QStringList{variantLibrary("norequired")} << false << 0u << false
        << QStringList{
               "4|DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): Failed to load NOX dll"};
    QTest::newRow("control context not created")
        << QStringList{variantLibrary("createfails")} << false << 0u << false
        << QStringList{"4|DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): NOX "
                       "MainControlCreate Failed"};
}

void tst_NoxBinding::binding()
{
    QFETCH(QStringList, files);
    QFETCH(bool, bound);
    QFETCH(unsigned, level);
    QFETCH(bool, refreshes);
    QFETCH(QStringList, log);

    CaptureLogger logger;
    AppLoggerInfo info(&logger, 2u, 0);
    SlotView nox(&info, files);
    QCOMPARE(nox.IsNoxLoaded(), bound);
    QCOMPARE(nox.GetNoxVersion(), level);
    QCOMPARE(nox.Refresh(), refreshes);
    QCOMPARE(logger.lines, log);
    if (!bound) {
        // A failed binding leaves every slot empty and every call answers 0.
        QVERIFY(!nox.entry<NoxSlot::NOX_Main_Control_Create>());
        QVERIFY(!nox.entry<NoxSlot::Send>());
        QVERIFY(!nox.entry<NoxSlot::NOX_Display_EdidData_Get>());
        QCOMPARE(nox.GetNumberOfAdapers(), 0);
        QVERIFY(nox.boundLibraryFile().isEmpty());
    } else {
        QVERIFY(nox.entry<NoxSlot::NOX_Display_EdidData_Get>());
        QCOMPARE(nox.GetNumberOfAdapers(), 3);
    }
    // The two slots that are never looked up stay empty in every case.
    QVERIFY(!nox.entry<NoxSlot::NOX_Adapter_ChipSetInfo_Get>());
    QVERIFY(!nox.entry<NoxSlot::NOX_Adapter_ASICInfo_Get>());
}

void tst_NoxBinding::defaultNamesBindTheLibraryBesideTheProgram()
{
    // The program in the build folder finds no library under the three names and
    // binds the simulated one beside it, without any environment.
    const QStringList files = NoxInterface::defaultLibraryFiles(QStringLiteral(VYR_BIN_DIR));
    QCOMPARE(files.mid(0, 3), (QStringList{"wexnoxxx.dll", "wexnoxxy.dll", "libwexnoxxx.so"}));
    QCOMPARE(files.value(3), simulatedLibrary());
    CaptureLogger logger;
    AppLoggerInfo info(&logger, 2u, 0);
    NoxInterface nox(&info, files);
    QVERIFY(nox.IsNoxLoaded());
    QCOMPARE(nox.boundLibraryFile(), simulatedLibrary());
    QCOMPARE(logger.lines,
             QStringList{"1|DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): NOX Initialized"});
    // Without a folder the application's own folder is the last place.
    QCOMPARE(NoxInterface::defaultLibraryFiles().value(3),
             QCoreApplication::applicationDirPath() + QStringLiteral("/libwexnoxxx.so"));
}

void tst_NoxBinding::logNeedsComponentFlag_data()
{
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<bool>("withLogger");
    QTest::addColumn<int>("lines");
    QTest::newRow("flag bit 1 set") << 2u << true << 1;
    QTest::newRow("other bits only") << 0xFFFFFFFDu << true << 0;
    QTest::newRow("no logger in the record") << 2u << false << 0;
}

void tst_NoxBinding::logNeedsComponentFlag()
{
    QFETCH(quint32, flags);
    QFETCH(bool, withLogger);
    QFETCH(int, lines);
    CaptureLogger logger;
    AppLoggerInfo info(withLogger ? &logger : nullptr, flags, 0);
    NoxInterface nox(&info, QStringList{simulatedLibrary()});
    QVERIFY(nox.IsNoxLoaded());
    QCOMPARE(logger.lines.size(), lines);
    NoxInterface withoutRecord(nullptr, QStringList{simulatedLibrary()});
    QVERIFY(withoutRecord.IsNoxLoaded());
}

void tst_NoxBinding::destroyClosesOnlyAnOpenContext()
{
    for (const QString &path : {simulatedLibrary(), variantLibrary("createfails")}) {
        SimLibrary sim(path);
        QVERIFY2(sim.loaded, qPrintable(path));
        sim.reset();
        const int before = sim.openContexts();
        {
            NoxInterface nox(nullptr, QStringList{path});
            QCOMPARE(sim.openContexts(), before + (nox.IsNoxLoaded() ? 1 : 0));
            sim.clearCalls();
        }
        const bool bound = path == simulatedLibrary();
        QCOMPARE(sim.calls(), bound ? QStringList{"NOX_Main_Control_Destroy"} : QStringList{});
        QCOMPARE(sim.openContexts(), before);
    }
}

void tst_NoxBinding::adapterIdFromSecondName()
{
    SlotView second(nullptr, QStringList{variantLibrary("adapterid2")});
    SlotView first(nullptr, QStringList{simulatedLibrary()});
    QVERIFY(second.IsNoxLoaded() && first.IsNoxLoaded());
    auto fromSecond = second.entry<NoxSlot::NOX_Display_AdapterID_Get>();
    auto fromFirst = first.entry<NoxSlot::NOX_Display_AdapterID_Get>();
    QVERIFY(fromSecond && fromFirst);
    // Each build answers with its own value, so the slot holds the right function.
    int id = 0;
    QCOMPARE(fromSecond(1, &id), 0);
    QCOMPARE(id, 0x6001);
    QCOMPARE(fromFirst(1, &id), 0);
    QCOMPARE(id, 0x5001);
}

void tst_NoxBinding::adapters_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("adapters");
    QTest::addColumn<QStringList>("names");
    const QStringList demo{"Simulated Graphics Adapter (demo, not real hardware)",
                           "Simulated Graphics Adapter (demo, not real hardware)",
                           "Simulated Integrated Graphics (demo, not real hardware)"};
    QTest::newRow("unreadable machine file: demo")
        << QStringLiteral("/nonexistent/machine.json") << -1 << 3 << demo;
    QTest::newRow("demo machine") << QString() << 0 << 3
                                  << QStringList{
                                         "Simulated Graphics Adapter (demo, not real hardware)",
                                         "Simulated Graphics Adapter (demo, not real hardware)",
                                         "Simulated Integrated Graphics (demo, not real hardware)"};
    QTest::newRow("machine file") << QStringLiteral(VYR_DRIVER_TEST_DATA "/twoadapters.json") << 0
                                  << 2
                                  << QStringList{"Simulated Test Adapter A",
                                                 "Simulated Test Adapter B"};
}

void tst_NoxBinding::adapters()
{
    QFETCH(QString, machine);
    QFETCH(int, loaded);
    QFETCH(int, adapters);
    QFETCH(QStringList, names);
    SimLibrary sim;
    QVERIFY(sim.loaded);
    if (!machine.isEmpty())
        qputenv("VYRSIM_NOX_MACHINE", machine.toLocal8Bit());
    QCOMPARE(sim.reset(), loaded);
    BoundNox b;
    QVERIFY(b.nox->Refresh());
    QCOMPARE(b.nox->GetNumberOfAdapers(), adapters);
    // The adapter records name the machine.
    std::vector<AdapterInfo> records(static_cast<size_t>(adapters));
    auto get = SlotView(nullptr, QStringList{simulatedLibrary()})
                   .entry<NoxSlot::NOX_Adapter_AdapterInfo_Get>();
    QVERIFY(get);
    QCOMPARE(get(records.data(), static_cast<int>(records.size() * sizeof(AdapterInfo))), 0);
    QStringList got;
    for (const AdapterInfo &r : records)
        got << QString::fromLatin1(r.strAdapterName);
    QCOMPARE(got, names);
    qunsetenv("VYRSIM_NOX_MACHINE");
    sim.reset();
}

void tst_NoxBinding::failingCalls_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("refreshes");
    QTest::addColumn<int>("adapters");
    QTest::newRow("refresh fails") << "NOX_Main_Control_Refresh" << false << 3;
    QTest::newRow("adapter count fails") << "NOX_Adapter_NumberOfAdapters_Get" << true << 0;
}

void tst_NoxBinding::failingCalls()
{
    QFETCH(QString, entry);
    QFETCH(bool, refreshes);
    QFETCH(int, adapters);
    SimLibrary sim;
    sim.reset();
    BoundNox b;
    sim.fail(entry.toLatin1().constData(), 1, NOX_ERR);
    QCOMPARE(b.nox->Refresh(), refreshes);
    QCOMPARE(b.nox->GetNumberOfAdapers(), adapters);
    // Only that one call failed.
    QVERIFY(b.nox->Refresh());
    QCOMPARE(b.nox->GetNumberOfAdapers(), 3);
}

void tst_NoxBinding::errorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("4") << 4 << "All OK, but need to wait";
    QTest::newRow("3") << 3 << "All OK, but need restart";
    QTest::newRow("2") << 2 << "All OK but need mode change";
    QTest::newRow("1") << 1 << "All OK, but with warning";
    QTest::newRow("0") << 0 << "NOX function completed successfully";
    QTest::newRow("5") << 5 << "NOX function completed successfully";
    QTest::newRow("-1")
        << -1 << "Generic Error. Most likely one or more of the Escape calls to the driver failed!";
    QTest::newRow("-2") << -2 << "NOX not initialized";
    QTest::newRow("-3") << -3 << "One of the parameter passed is invalid";
    QTest::newRow("-4") << -4 << "One of the parameter size is invalid";
    QTest::newRow("-5") << -5 << "Invalid NOX index passed";
    QTest::newRow("-6") << -6 << "Invalid controller index passed";
    QTest::newRow("-7") << -7 << "Invalid display index passed";
    QTest::newRow("-8") << -8 << "Function  not supported by the driver";
    QTest::newRow("-9") << -9 << "Null Pointer error";
    QTest::newRow("-10") << -10 << "Call can't be made due to disabled adapter";
    QTest::newRow("-11") << -11 << "Invalid Callback";
    QTest::newRow("-12") << -12 << "Display Resource conflict";
    // A failure the table does not know must not read as success.
    QTest::newRow("-13") << -13 << "Unknown NOX error code -13";
    QTest::newRow("INT_MIN") << INT_MIN << "Unknown NOX error code -2147483648";
}

void tst_NoxBinding::errorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(NoxInterface::TranslateNoxErrorCode(code), text);
}

void tst_NoxBinding::memoryHelpers()
{
    unsigned char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    NOX_ZeroMemory(bytes, 5);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(bytes), 8),
             QByteArray::fromHex("0000000000060708"));
    void *p = NOX_Main_Memory_Alloc(16);
    QVERIFY(p);
    NoxInterface nox(nullptr, QStringList{});
    nox.NoxMemmoryFree(p);
    nox.NoxMemmoryFree(nullptr);
    QVERIFY(!NOX_Main_Memory_Alloc(0));
}

QTEST_GUILESS_MAIN(tst_NoxBinding)
#include "tst_noxbinding.moc"
