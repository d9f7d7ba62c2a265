#include "edidfilestest.h"
#include "files/edidbinfile.h"
#include "files/edidblocktable.h"
#include "files/edidfileio.h"
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
    void unwrittenBlocksAreNamed_data();
    void unwrittenBlocksAreNamed();
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

void tst_EdidFileResult::unwrittenBlocksAreNamed_data()
{
    QTest::addColumn<QByteArray>("edid");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");

    const QString saved = QStringLiteral("Edid saved to x.bin");
    const int info = int(VyrUiService::Icon::Information);
    const int warning = int(VyrUiService::Icon::Warning);
    const QString large = QStringLiteral("large-appae22-1.bin");
    const QByteArray six = VyrTest::readSample(large);
    const QByteArray five = VyrTest::sampleBaseBlock(large, 4) + six.mid(128);
    QTest::newRow("every block written")
        << VyrTest::readSample(QStringLiteral("blockmap-gsm5bee-1.bin")) << true << info << saved;
    // Announced blocks the file does not hold are zeros in the image, and written.
    QTest::newRow("announced zeros")
        << VyrTest::readSample(QStringLiteral("truncated-lhc3400-2.bin")) << true << info << saved;
    QTest::newRow("six blocks") << six << true << warning
                                << saved
                                       + "\nThe last 2 of the 6 blocks the EDID announces were "
                                         "not written: they do not fit into the 512-byte image.";
    QTest::newRow("five blocks") << five << true << warning
                                 << saved
                                        + "\nThe last of the 5 blocks the EDID announces was "
                                          "not written: it does not fit into the 512-byte image.";
    QTest::newRow("a failed save stays as it is")
        << six << false << int(VyrUiService::Icon::Critical) << "Failed to save file";
}

// A save that left announced blocks out says which: the last ones, past the image.
void tst_EdidFileResult::unwrittenBlocksAreNamed()
{
    QFETCH(QByteArray, edid);
    QFETCH(bool, saved);
    QFETCH(int, icon);
    QFETCH(QString, text);
    EdidImage image;
    EdidFilesTest::setImage(image, edid);
    const EdidBlockTable table = EdidBlockTable::analyse(image);
    const EdidFileResult written = saved
                                       ? EdidFileResult{true, VyrUiService::Icon::Information,
                                                        QStringLiteral("Save Edid binary file"),
                                                        QStringLiteral("Edid saved to x.bin")}
                                       : EdidFileIo::failure(QStringLiteral("Save Edid file"),
                                                             QStringLiteral("Failed to save file"));
    const EdidFileResult result = EdidFileIo::withUnwrittenBlocks(written, table);
    QCOMPARE(result.ok, saved);
    QCOMPARE(int(result.icon), icon);
    QCOMPARE(result.title, written.title);
    QCOMPARE(result.text, text);
}

QTEST_GUILESS_MAIN(tst_EdidFileResult)
#include "tst_edidfileresult.moc"
