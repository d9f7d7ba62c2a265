#include "files/edidbinfile.h"
#include "recordinguiservice.h"

#include <QTemporaryDir>
#include <QtTest>

// The load/save form shows a read's or write's message with report(); nothing for a read that
// worked.
class tst_EdidFileResult : public QObject
{
    Q_OBJECT

private slots:
    void reportShowsTheMessage();
};

void tst_EdidFileResult::reportShowsTheMessage()
{
    VyrTest::RecordingUiService ui;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EdidImage image{};

    QVERIFY(!EdidBinFile::read(dir.filePath(QStringLiteral("missing.bin")), image).report());
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Critical);
    QCOMPARE(ui.lastMessage().title, QStringLiteral("Failed to open file"));
    QCOMPARE(ui.lastMessage().text, QStringLiteral("Open Edid file"));
    QCOMPARE(ui.lastMessage().buttons, int(VyrUiService::Ok));

    const QString path = dir.filePath(QStringLiteral("edid.bin"));
    QVERIFY(EdidBinFile::write(path, image, 128).report());
    QCOMPARE(ui.messages().size(), 2);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Information);
    QCOMPARE(ui.lastMessage().text, "Edid saved to " + path);

    QVERIFY(EdidBinFile::read(path, image).report());
    QCOMPARE(ui.messages().size(), 2);
}

QTEST_GUILESS_MAIN(tst_EdidFileResult)
#include "tst_edidfileresult.moc"
