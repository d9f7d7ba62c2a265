#include "recordinguiservice.h"
#include "vyruiservice.h"

#include <QTest>

// The seam itself: what answers before anything is installed, and installing and
// putting back a service.
class tst_VyrUiService : public QObject
{
    Q_OBJECT

private slots:
    void headlessAnswers_data();
    void headlessAnswers();
    void installAndRestore();
    void filterSuffix_data();
    void filterSuffix();
};

void tst_VyrUiService::headlessAnswers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("answer");

    QTest::newRow("no buttons means Ok") << int(VyrUiService::NoButton) << int(VyrUiService::Ok);
    QTest::newRow("Ok") << int(VyrUiService::Ok) << int(VyrUiService::Ok);
    QTest::newRow("Ok or Cancel") << (VyrUiService::Ok | VyrUiService::Cancel)
                                  << int(VyrUiService::Ok);
    QTest::newRow("Yes or No: no answer")
        << (VyrUiService::Yes | VyrUiService::No) << int(VyrUiService::NoButton);
}

void tst_VyrUiService::headlessAnswers()
{
    QFETCH(int, buttons);
    QFETCH(int, answer);

    // Nothing is installed in this process: every call returns at once.
    VyrUiService *ui = VyrUiService::instance();
    QVERIFY(ui != nullptr);
    QCOMPARE(ui->message(VyrUiService::Icon::Question, QStringLiteral("Title"),
                         QStringLiteral("Text"), buttons),
             answer);
    QCOMPARE(ui->openFileName(QStringLiteral("Open"), QString(), QStringLiteral("*.bin")),
             QString());
    QCOMPARE(ui->saveFileName(QStringLiteral("Save"), QString(), QStringLiteral("*.bin")),
             QString());
    QString chosen = QStringLiteral("Binary (*.bin)");
    QCOMPARE(ui->saveFileNameWithFilter(QStringLiteral("Save"), QString(),
                                        QStringLiteral("Binary (*.bin);;Text (*.txt)"), &chosen),
             QString());
    QCOMPARE(chosen, QStringLiteral("Binary (*.bin)"));
    ui->beginProgress(QStringLiteral("Waiting"), 0, 10);
    ui->setProgress(5);
    ui->endProgress();
}

void tst_VyrUiService::installAndRestore()
{
    VyrUiService *const headless = VyrUiService::instance();
    {
        VyrTest::RecordingUiService outer;
        QCOMPARE(VyrUiService::instance(), &outer);
        {
            VyrTest::RecordingUiService inner;
            inner.setButton(VyrUiService::No);
            inner.setFileName(QStringLiteral("/tmp/edid.bin"));
            QCOMPARE(VyrUiService::instance(), &inner);
            VyrUiService *ui = VyrUiService::instance();
            QCOMPARE(ui->message(VyrUiService::Icon::Warning, QStringLiteral("Save"),
                                 QStringLiteral("Overwrite?"),
                                 VyrUiService::Yes | VyrUiService::No),
                     int(VyrUiService::No));
            QCOMPARE(ui->openFileName(QStringLiteral("Open"), QStringLiteral("/tmp"),
                                      QStringLiteral("*.bin")),
                     QStringLiteral("/tmp/edid.bin"));
            QCOMPARE(ui->saveFileName(QStringLiteral("Save"), QStringLiteral("/tmp"),
                                      QStringLiteral("*.txt")),
                     QStringLiteral("/tmp/edid.bin"));
            // The entry chosen is the one set, or else the one the dialog started with.
            QString chosen = QStringLiteral("Binary (*.bin)");
            QCOMPARE(ui->saveFileNameWithFilter(QStringLiteral("Save as"), QStringLiteral("/tmp/x"),
                                                QStringLiteral("Binary (*.bin);;Text (*.txt)"),
                                                &chosen),
                     QStringLiteral("/tmp/edid.bin"));
            QCOMPARE(chosen, QStringLiteral("Binary (*.bin)"));
            inner.setSelectedFilter(QStringLiteral("Text (*.txt)"));
            ui->saveFileNameWithFilter(QStringLiteral("Save as"), QStringLiteral("/tmp/x"),
                                       QStringLiteral("Binary (*.bin);;Text (*.txt)"), &chosen);
            QCOMPARE(chosen, QStringLiteral("Text (*.txt)"));
            ui->beginProgress(QStringLiteral("Waiting"), 0, 3);
            ui->setProgress(1);
            ui->setProgress(3);
            ui->endProgress();

            QCOMPARE(inner.messages().size(), 1);
            QCOMPARE(int(inner.lastMessage().icon), int(VyrUiService::Icon::Warning));
            QCOMPARE(inner.lastMessage().title, QStringLiteral("Save"));
            QCOMPARE(inner.lastMessage().text, QStringLiteral("Overwrite?"));
            QCOMPARE(inner.fileRequests().size(), 4);
            QCOMPARE(inner.fileRequests().first().directory, QStringLiteral("/tmp"));
            QVERIFY(!inner.fileRequests().first().save);
            QVERIFY(inner.fileRequests().at(1).save);
            QVERIFY(inner.fileRequests().last().save);
            QCOMPARE(inner.fileRequests().at(2).selectedFilter, QStringLiteral("Binary (*.bin)"));
            QCOMPARE(inner.fileRequests().at(2).directory, QStringLiteral("/tmp/x"));
            QCOMPARE(inner.progress().size(), 1);
            QCOMPARE(inner.progress().first().values, QList<int>({1, 3}));
            QVERIFY(inner.progress().first().ended);
            QVERIFY(outer.messages().isEmpty());
        }
        // The inner service put the outer one back.
        QCOMPARE(VyrUiService::instance(), &outer);
    }
    QCOMPARE(VyrUiService::instance(), headless);
}

void tst_VyrUiService::filterSuffix_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("no space before the pattern") << "EDID binary files(*.bin)"
                                                 << "bin";
    QTest::newRow("space before the pattern") << "EDID text tiles (*.txt)"
                                              << "txt";
    QTest::newRow("the first of two patterns") << "Images (*.png *.jpg)"
                                               << "png";
    QTest::newRow("any file") << "All files (*)"
                              << "";
    QTest::newRow("any file first") << "Anything (* *.bin)"
                                    << "";
    QTest::newRow("no pattern") << "Binary files"
                                << "";
}

void tst_VyrUiService::filterSuffix()
{
    QFETCH(QString, entry);
    QFETCH(QString, suffix);
    QCOMPARE(VyrUiService::filterSuffix(entry), suffix);
}

QTEST_GUILESS_MAIN(tst_VyrUiService)
#include "tst_vyruiservice.moc"
