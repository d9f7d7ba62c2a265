// Choosing the register-access library from "brelli/api" in the test's own
// "VyrPell.ini", with the simulated device-helper library beside the test and the
// simulated hardware tool library named by "quarnib/quarnibPath"; the manager's
// lifetime in its holder, and its release while the process exits.

#include "quarnibapiadapter.h"
#include "regaccesstestsupport.h"
#include "vyrbrellixapimanager.h"
#include "vyrdevicehelperapi.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace DeviceHelpers;
using namespace RegAccessTest;

namespace {

// The settings with "brelli/api" set to api (no key when invalid).
QVariantMap settings(const QVariant &api)
{
    QVariantMap values{{QStringLiteral("quarnib/quarnibPath"), defaultQuarnib()}};
    if (api.isValid())
        values.insert(QStringLiteral("brelli/api"), api);
    return values;
}

const char ExitProbe[] = "--exit-probe";

// Run as a child process: takes the register-access interface through the process's
// holder and leaves its release to the end of the process, after the application
// object is gone.
int exitProbe(int argc, char **argv)
{
    {
        QCoreApplication app(argc, argv);
        if (!g_pVyrBrellixApiManager.Get()->GetBrellixApi())
            return 2;
    }
    return 0;
}

} // namespace

class tst_VyrBrellixApiManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void selection_data();
    void selection();
    void sameSettingKeepsTheInterface();
    void failedCreationIsRetried();
    void changedSettingReplacesTheInterface();
    void holderOwnsTheManager();
    void releasedWhileTheProcessExits();

private:
    BrellixSim m_brellix{QCoreApplication::applicationDirPath()};
};

void tst_VyrBrellixApiManager::init()
{
    qunsetenv("VYRSIM_BRELLIX_TRACE");
    QVERIFY(m_brellix.loaded);
    QCOMPARE(m_brellix.reset(), 0);
}

void tst_VyrBrellixApiManager::selection_data()
{
    QTest::addColumn<QVariantMap>("ini");
    QTest::addColumn<int>("type");

    QTest::newRow("no settings file") << QVariantMap{} << 2;
    QTest::newRow("no key") << settings(QVariant()) << 2;
    QTest::newRow("brelli") << settings(QStringLiteral("brelli")) << 2;
    QTest::newRow("quarnib") << settings(QStringLiteral("quarnib")) << 1;
    QTest::newRow("Quarnib") << settings(QStringLiteral("Quarnib")) << 2;
    QTest::newRow("QUARNIB") << settings(QStringLiteral("QUARNIB")) << 2;
    QTest::newRow("another name") << settings(QStringLiteral("other")) << 2;
}

void tst_VyrBrellixApiManager::selection()
{
    QFETCH(QVariantMap, ini);
    QFETCH(int, type);

    writeIni(ini);
    VyrBrellixApiManager manager;
    QCOMPARE(manager.GetApiType(), type);
    QCOMPARE(manager.GetCurrentApiType(), 0);
    QVERIFY(manager.IsSettingChanged());

    IVyrBrellixApi *api = manager.GetBrellixApi();
    QVERIFY(api);
    QCOMPARE(manager.GetCurrentApiType(), type);
    QVERIFY(!manager.IsSettingChanged());
    if (type == VyrBrellixApiManager::ApiQuarnib)
        QVERIFY(dynamic_cast<QuarnibApiAdapter *>(api));
    else
        QVERIFY(dynamic_cast<VyrDeviceHelperApi *>(api));
    QVERIFY(api->EnumDevices()); // initialised over the simulated machine
}

void tst_VyrBrellixApiManager::sameSettingKeepsTheInterface()
{
    writeIni(settings(QStringLiteral("brelli")));
    VyrBrellixApiManager manager;
    IVyrBrellixApi *api = manager.GetBrellixApi();
    QVERIFY(api);
    QCOMPARE(manager.GetBrellixApi(), api);
    QCOMPARE(m_brellix.callCount("Initialize"), 1);
    QCOMPARE(m_brellix.callCount("Uninitialize"), 0);
}

void tst_VyrBrellixApiManager::failedCreationIsRetried()
{
    writeIni({});
    m_brellix.fail("Initialize", 1);
    VyrBrellixApiManager manager;
    QCOMPARE(manager.GetBrellixApi(), nullptr);
    QCOMPARE(manager.GetCurrentApiType(), 0);

    QVERIFY(manager.GetBrellixApi());
    QCOMPARE(manager.GetCurrentApiType(), 2);
    QCOMPARE(m_brellix.callCount("Initialize"), 2);

    // The tool library cannot be found: no interface, and a new try on the next call.
    writeIni({{QStringLiteral("brelli/api"), QStringLiteral("quarnib")},
              {QStringLiteral("quarnib/quarnibPath"), QStringLiteral("/nonexistent/Quarnib.dll")}});
    QCOMPARE(manager.GetBrellixApi(), nullptr);
    QCOMPARE(manager.GetCurrentApiType(), 0);
    writeIni(settings(QStringLiteral("quarnib")));
    QVERIFY(dynamic_cast<QuarnibApiAdapter *>(manager.GetBrellixApi()));
    QCOMPARE(manager.GetCurrentApiType(), 1);
}

void tst_VyrBrellixApiManager::changedSettingReplacesTheInterface()
{
    writeIni(settings(QStringLiteral("brelli")));
    VyrBrellixApiManager manager;
    QVERIFY(dynamic_cast<VyrDeviceHelperApi *>(manager.GetBrellixApi()));

    writeIni(settings(QStringLiteral("quarnib")));
    QVERIFY(manager.IsSettingChanged());
    QVERIFY(dynamic_cast<QuarnibApiAdapter *>(manager.GetBrellixApi()));
    QCOMPARE(m_brellix.callCount("Uninitialize"), 1);

    writeIni(settings(QVariant()));
    QVERIFY(dynamic_cast<VyrDeviceHelperApi *>(manager.GetBrellixApi()));
    QCOMPARE(m_brellix.callCount("Initialize"), 2);
}

void tst_VyrBrellixApiManager::holderOwnsTheManager()
{
    writeIni({});
    {
        AutoInstance<VyrBrellixApiManagerSingleton> holder;
        QVERIFY(!VyrBrellixApiManagerSingleton::HasInstance());
        VyrBrellixApiManager *manager = holder.Get();
        QVERIFY(manager);
        QCOMPARE(holder.Get(), manager);
        QCOMPARE(VyrBrellixApiManagerSingleton::RefCount(), 1);

        // A second holder shares the one manager.
        AutoInstance<VyrBrellixApiManagerSingleton> other;
        QCOMPARE(other.Get(), manager);
        QCOMPARE(VyrBrellixApiManagerSingleton::RefCount(), 2);
        QVERIFY(manager->GetBrellixApi());
    }
    // The last holder released the manager, which released its interface.
    QVERIFY(!VyrBrellixApiManagerSingleton::HasInstance());
    QCOMPARE(VyrBrellixApiManagerSingleton::RefCount(), 0);
    QCOMPARE(m_brellix.callCount("Uninitialize"), 1);
}

void tst_VyrBrellixApiManager::releasedWhileTheProcessExits()
{
    writeIni({});
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));

    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYRSIM_BRELLIX_TRACE"), trace);
    probe.setProcessEnvironment(environment);
    probe.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ExitProbe)});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);

    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> calls = file.readAll().split('\n');
    QCOMPARE(calls.value(0), QByteArray("Initialize"));
    QCOMPARE(calls.value(calls.size() - 2), QByteArray("Uninitialize"));
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], ExitProbe) == 0)
        return exitProbe(argc, argv);
    QCoreApplication app(argc, argv);
    tst_VyrBrellixApiManager test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_vyrbrellixapimanager.moc"
