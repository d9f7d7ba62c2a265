#include "recordinguiservice.h"
#include "vyrdriverbridgeplugin.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The scan of a driver file for the library version markers "[WEX LIB=...]", and the
// "&Lib Version Info" dialogs around it.
class tst_DriverLibVersionScan : public QObject
{
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void unreadableFile();
    void dialogShowsTheMarkers_data();
    void dialogShowsTheMarkers();

private:
    QString writeFile(const QByteArray &bytes);

    QTemporaryDir m_dir;
    int m_files = 0;
};

QString tst_DriverLibVersionScan::writeFile(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("driver%1.sys").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void tst_DriverLibVersionScan::scan_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("versions");

    const QString none = QStringLiteral("No Version Information");
    QTest::newRow("two markers") << QByteArray("MZ..[WEX LIB=core 8.1.2]....[WEX LIB=edid 3.04]..")
                                 << QStringList({"WEX LIB=core 8.1.2", "WEX LIB=edid 3.04"});
    QTest::newRow("one marker") << QByteArray("..[WEX LIB=core 8.1.2]..")
                                << QStringList({"WEX LIB=core 8.1.2", none});
    QTest::newRow("unclosed marker ends the scan")
        << QByteArray("[WEX LIB=a][WEX LIB=b] [WEX LIB=c without its bracket")
        << QStringList({"WEX LIB=a", "WEX LIB=b"});
    QTest::newRow("unclosed first marker") << QByteArray("[WEX LIB=a") << QStringList(none);
    QTest::newRow("none, ending in a bracket")
        << QByteArray("no markers [here]") << QStringList(none);
    QTest::newRow("empty file") << QByteArray() << QStringList(none);
    QTest::newRow("case matters") << QByteArray("[wex lib=a][WEX lib=b]") << QStringList(none);
    // The scan goes on one past the '[' of a marker, so a marker inside another is found too.
    QTest::newRow("marker inside a marker") << QByteArray("[WEX LIB=a [WEX LIB=b]")
                                            << QStringList({"WEX LIB=a [WEX LIB=b", "WEX LIB=b"});

    // Driver files are binary: NUL bytes neither end the text nor a marker.
    QByteArray binary("\x7f"
                      "ELF\0\0\0\0",
                      8);
    binary += QByteArray("[WEX LIB=core 1]\0\0\xff\xfe[WEX LIB=x", 30);
    binary += QByteArray(1, '\0');
    binary += QByteArray("y]\0", 3);
    QTest::newRow("NUL bytes inside")
        << binary
        << QStringList(
               {"WEX LIB=core 1", QStringLiteral("WEX LIB=x") + QChar(0) + QStringLiteral("y")});
}

void tst_DriverLibVersionScan::scan()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, versions);

    const QString path = writeFile(bytes);
    QVERIFY(!path.isEmpty());
    VyrDriverBridgePlugIn plugin;
    QCOMPARE(plugin.getDriverLibVersions(path), versions);
}

void tst_DriverLibVersionScan::unreadableFile()
{
    VyrDriverBridgePlugIn plugin;
    QCOMPARE(plugin.getDriverLibVersions(m_dir.filePath(QStringLiteral("missing.sys"))),
             QStringList(QStringLiteral("Failed to open file")));
    QCOMPARE(plugin.getDriverLibVersions(m_dir.path()),
             QStringList(QStringLiteral("Failed to open file")));
}

void tst_DriverLibVersionScan::dialogShowsTheMarkers_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: the file does not exist
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("text"); // empty: no message

    QTest::newRow("cancelled") << QByteArray("[WEX LIB=a]") << true << QString();
    QTest::newRow("two markers") << QByteArray("[WEX LIB=a]-[WEX LIB=b]") << false
                                 << "WEX LIB=a\n\rWEX LIB=b\n\r";
    QTest::newRow("one marker") << QByteArray("[WEX LIB=a]") << false
                                << "WEX LIB=a\n\rNo Version Information\n\r";
    QTest::newRow("unreadable") << QByteArray() << false << "Failed to open file\n\r";
}

void tst_DriverLibVersionScan::dialogShowsTheMarkers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, cancel);
    QFETCH(QString, text);

    VyrTest::RecordingUiService ui;
    if (!cancel) {
        ui.setFileName(bytes.isEmpty() ? m_dir.filePath(QStringLiteral("missing.sys"))
                                       : writeFile(bytes));
    }
    VyrDriverBridgePlugIn plugin;
    plugin.onGetDriverLibVersions();

    QCOMPARE(ui.fileRequests().size(), 1);
    const VyrTest::UiFileRequest request = ui.fileRequests().first();
    QCOMPARE(request.caption, QStringLiteral("Open Driver File"));
    QCOMPARE(request.directory, QDir::currentPath());
    // Driver files first; the scan takes any file.
    QCOMPARE(request.filter, QStringLiteral("Driver Files(*.sys);;All Files (*)"));

    if (text.isEmpty()) {
        QVERIFY(ui.messages().isEmpty());
        return;
    }
    QCOMPARE(ui.messages().size(), 1);
    const VyrTest::UiMessage message = ui.messages().first();
    QCOMPARE(message.icon, VyrUiService::Icon::Information);
    QCOMPARE(message.title, QStringLiteral("LIB VERSIONS:"));
    QCOMPARE(message.text, text);
    QCOMPARE(message.buttons, int(VyrUiService::Ok));
}

QTEST_GUILESS_MAIN(tst_DriverLibVersionScan)
#include "tst_driverlibversionscan.moc"
