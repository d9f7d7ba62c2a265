#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

// Runs the program's own start-up (main() built beside fixture plug-ins) as a child
// process. The last fixture plug-in closes the main window, in the running event loop
// or while start-up still runs; the program must then shut its plug-ins down and end
// by itself, although it switches quitting on the last closed window off.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void closeEndsTheProgram_data();
    void closeEndsTheProgram();
};

void tst_Startup::closeEndsTheProgram_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("plugins");
    QTest::addColumn<bool>("exported");
    QTest::addColumn<QString>("close");

    // 1500 ms: after the splash screen is gone, in the running event loop.
    // 0 ms: while start-up still runs, at the next splash message.
    // "Ready...": at the last splash message, just before the event loop.
    QTest::newRow("with exporter") << QStringLiteral(VYR_SHELL_HOST_DIR)
                                   << QStringList({"exporter", "viewer", "last"}) << true << "1500";
    QTest::newRow("without exporter") << QStringLiteral(VYR_SHELL_NOEXPORT_DIR)
                                      << QStringList({"viewer", "last"}) << false << "1500";
    QTest::newRow("closed during start-up")
        << QStringLiteral(VYR_SHELL_HOST_DIR) << QStringList({"exporter", "viewer", "last"}) << true
        << "0";
    QTest::newRow("closed at the last start-up step")
        << QStringLiteral(VYR_SHELL_HOST_DIR) << QStringList({"exporter", "viewer", "last"}) << true
        << "Ready...";
}

void tst_Startup::closeEndsTheProgram()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, plugins);
    QFETCH(bool, exported);
    QFETCH(QString, close);

    const QString ini = folder + QStringLiteral("/vyredidutility.ini");
    const QString trace = folder + QStringLiteral("/fixture-trace.txt");
    QFile::remove(ini);
    QFile::remove(trace);

    const VyrTest::ProgramRun run =
        VyrTest::runProgram(folder + QStringLiteral("/vyrpell"), {QStringLiteral("--fixture")},
                            {{QStringLiteral("VYR_SHELL_FIXTURE_TRACE"), trace},
                             {QStringLiteral("VYR_SHELL_FIXTURE_CLOSE"), close}});
    QVERIFY2(run.finished, qPrintable(run.error));
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);

    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    // Each plug-in shut down once, in priority order, after everything else.
    QStringList shutDown;
    for (const QString &plugin : plugins)
        shutDown << QStringLiteral("fixture ") + plugin + QStringLiteral(": unInitPlugin");
    QVERIFY(lines.size() > shutDown.size());
    QCOMPARE(lines.mid(lines.size() - shutDown.size()), shutDown);
    QCOMPARE(lines.filter(QStringLiteral("unInitPlugin")).size(), shutDown.size());

    // The importers received the exporter's system manager, or null without one.
    const QStringList handedOver = lines.filter(QStringLiteral(": setSystemManager "));
    QCOMPARE(handedOver.size(), 2);
    for (const QString &line : handedOver) {
        const QString pointer = line.section(QLatin1Char(' '), -1);
        QCOMPARE(pointer == QLatin1String("null"), !exported);
    }

    // The window's geometry and layout were stored on the way out.
    QSettings settings(ini, QSettings::IniFormat);
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    QVERIFY(!settings.value(QStringLiteral("windowState")).toByteArray().isEmpty());
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
