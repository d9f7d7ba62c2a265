#include "programrun.h"
#include "vyrtestutil.h"

#include <QFile>
#include <QTest>

// Runs the program's own start-up as a child process, from a folder that holds the
// simulated platform libraries beside it and, in plugins/, the driver bridge and a
// fixture plug-in. The fixture copies the "Application Log" dock into a trace file and
// closes the window once the event loop runs; the program then ends by itself.
class tst_DriverBridgeStartup : public QObject
{
    Q_OBJECT

private slots:
    void logShowsTheDeviceModel();
};

void tst_DriverBridgeStartup::logShowsTheDeviceModel()
{
    const QString folder = QStringLiteral(VYR_BRIDGE_HOST_DIR);
    const QString trace = folder + QStringLiteral("/fixture-trace.txt");
    // No settings file: every log component of the device library is on.
    QFile::remove(folder + QStringLiteral("/vyredidutility.ini"));
    QFile::remove(trace);

    const VyrTest::ProgramRun run =
        VyrTest::runProgram(folder + QStringLiteral("/vyrpell"), {},
                            {{QStringLiteral("VYR_SHELL_FIXTURE_TRACE"), trace},
                             {QStringLiteral("VYR_SHELL_FIXTURE_CLOSE"), QStringLiteral("1500")}});
    QVERIFY2(run.finished, qPrintable(run.error));
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);

    const QStringList lines = QString::fromUtf8(VyrTest::readFile(trace)).split(QLatin1Char('\n'));
    const QString prefix = QStringLiteral("fixture logreader: log ");
    QStringList log;
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            log << line.mid(prefix.size());
    }
    QVERIFY(!log.isEmpty());

    // Each line is "[HH:mm:ss:zzz]" + type prefix + component prefix + text, in the order
    // written.
    const QStringList expected = {
        QStringLiteral("]PERFORMANCE: VyrDriverBridgePlugIn: Plugin Init Start"),
        QStringLiteral(
            "]INFO: DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): NOX Initialized"),
        QStringLiteral(
            "]INFO: DEVICE MANAGER - VyrDeviceManager::initDevices(): Created 2 devices"),
        QStringLiteral("]PERFORMANCE: VyrDriverBridgePlugIn: Plugin Init end"),
    };
    int from = 0;
    for (const QString &text : expected) {
        int found = -1;
        for (int i = from; i < log.size() && found < 0; ++i) {
            if (log.at(i).startsWith(QLatin1Char('[')) && log.at(i).endsWith(text))
                found = i;
        }
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: ") + text
                                        + QStringLiteral("\nlog:\n") + log.join('\n')));
        from = found + 1;
    }

    // The importer received the bridge's model, not null.
    const QStringList handedOver = lines.filter(QStringLiteral("logreader: setSystemManager "));
    QVERIFY(!handedOver.isEmpty());
    QVERIFY(!handedOver.first().endsWith(QLatin1String(" null")));
}

QTEST_GUILESS_MAIN(tst_DriverBridgeStartup)
#include "tst_driverbridgestartup.moc"
