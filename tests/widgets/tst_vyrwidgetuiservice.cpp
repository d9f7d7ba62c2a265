#include "connectwarninghandler.h"
#include "modalboxcloser.h"
#include "vyrwidgetuiservice.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The widget implementation of the UI seam, driven as the user would answer it.
class tst_VyrWidgetUiService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBox_data();
    void messageBox();
    void fileDialogCancelled_data();
    void fileDialogCancelled();
    void saveDialogFollowsTheChosenFilter();
    void progressDialog();
};

void tst_VyrWidgetUiService::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrWidgetUiService::messageBox_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("click");
    QTest::addColumn<int>("expectedIcon");

    QTest::newRow("information, Ok only")
        << int(VyrUiService::Icon::Information) << int(VyrUiService::NoButton)
        << int(QMessageBox::Ok) << int(QMessageBox::Information);
    QTest::newRow("question answered No")
        << int(VyrUiService::Icon::Question) << (VyrUiService::Yes | VyrUiService::No)
        << int(QMessageBox::No) << int(QMessageBox::Question);
    QTest::newRow("critical, Retry or Cancel")
        << int(VyrUiService::Icon::Critical) << (VyrUiService::Retry | VyrUiService::Cancel)
        << int(QMessageBox::Retry) << int(QMessageBox::Critical);
}

void tst_VyrWidgetUiService::messageBox()
{
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, click);
    QFETCH(int, expectedIcon);

    VyrWidgetUiService ui;
    VyrTest::ModalBoxCloser closer;
    closer.setButton(static_cast<QMessageBox::StandardButton>(click));
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    bool parentless = false;
    int offered = 0;
    closer.setHandler([&](QWidget *box) {
        auto *messageBox = qobject_cast<QMessageBox *>(box);
        QVERIFY(messageBox);
        shownIcon = messageBox->icon();
        parentless = messageBox->parentWidget() == nullptr;
        offered = int(messageBox->standardButtons());
    });

    const int answer = ui.message(static_cast<VyrUiService::Icon>(icon), QStringLiteral("Title"),
                                  QStringLiteral("Text"), buttons);
    QCOMPARE(answer, click);
    QCOMPARE(closer.boxes().size(), 1);
    QCOMPARE(closer.last().className, QStringLiteral("QMessageBox"));
    QCOMPARE(closer.last().title, QStringLiteral("Title"));
    QCOMPARE(closer.last().text, QStringLiteral("Text"));
    QCOMPARE(int(shownIcon), expectedIcon);
    QVERIFY(parentless);
    QCOMPARE(offered, buttons == VyrUiService::NoButton ? int(VyrUiService::Ok) : buttons);
}

void tst_VyrWidgetUiService::fileDialogCancelled_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("open") << false;
    QTest::newRow("save") << true;
}

void tst_VyrWidgetUiService::fileDialogCancelled()
{
    QFETCH(bool, save);
    VyrWidgetUiService ui;
    VyrTest::ModalBoxCloser closer; // rejects the dialog, as Cancel would
    const QString caption = save ? QStringLiteral("Save EDID") : QStringLiteral("Open EDID");
    const QString filter = QStringLiteral("EDID Binary File (*.bin)");
    const QString fileName = save ? ui.saveFileName(caption, QDir::tempPath(), filter)
                                  : ui.openFileName(caption, QDir::tempPath(), filter);
    QCOMPARE(fileName, QString());
    QCOMPARE(closer.boxes().size(), 1);
    QCOMPARE(closer.last().className, QStringLiteral("QFileDialog"));
    QCOMPARE(closer.last().title, caption);
}

void tst_VyrWidgetUiService::saveDialogFollowsTheChosenFilter()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile existing(dir.filePath(QStringLiteral("panel.txt")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    VyrWidgetUiService ui;
    VyrTest::ModalBoxCloser closer;
    QList<VyrTest::ModalBox> questions;
    QString folder;
    QString prefilled;
    QString startFilter;
    QString startSuffix;
    closer.setHandler([&](QWidget *box) {
        auto *dialog = qobject_cast<QFileDialog *>(box);
        QVERIFY(dialog);
        folder = dialog->directory().absolutePath();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(name && types);
        prefilled = name->text();
        startFilter = dialog->selectedNameFilter();
        startSuffix = dialog->defaultSuffix();
        // The user picks the text format and types a name without a suffix.
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        name->setFocus();
        name->setText(QStringLiteral("panel"));
        // The dialog asks whether to replace a file while this handler runs: a closer of its
        // own answers that.
        VyrTest::ModalBoxCloser replace;
        replace.setButton(QMessageBox::Yes);
        QTest::keyClick(name, Qt::Key_Return);
        questions = replace.boxes();
    });

    QString chosen = QStringLiteral("EDID binary files(*.bin)");
    const QString fileName = ui.saveFileNameWithFilter(
        QStringLiteral("Save EDID File"), dir.filePath(QStringLiteral("typed.bin")),
        QStringLiteral("EDID binary files(*.bin);;EDID text tiles (*.txt);;All files (*)"),
        &chosen);

    // It opened in the typed name's folder, with that name and its format.
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(prefilled, QStringLiteral("typed.bin"));
    QCOMPARE(startFilter, QStringLiteral("EDID binary files(*.bin)"));
    QCOMPARE(startSuffix, QStringLiteral("bin"));
    // The chosen format's suffix came before the question about the file to replace.
    QCOMPARE(closer.boxes().size(), 1);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.first().className, QStringLiteral("QMessageBox"));
    QVERIFY2(questions.first().text.contains(QStringLiteral("panel.txt")),
             qPrintable(questions.first().text));
    QCOMPARE(fileName, dir.filePath(QStringLiteral("panel.txt")));
    QCOMPARE(chosen, QStringLiteral("EDID text tiles (*.txt)"));
}

void tst_VyrWidgetUiService::progressDialog()
{
    QMainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);

    VyrWidgetUiService ui;
    ui.beginProgress(QStringLiteral("Restarting the device..."), 0, 10);
    QPointer<QProgressDialog> dialog = ui.progressDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->parentWidget(), &window);
    QCOMPARE(dialog->labelText(), QStringLiteral("Restarting the device..."));
    QCOMPARE(dialog->findChild<QPushButton *>(), nullptr); // no cancel button

    // Setting the value lets the event loop turn: a queued call runs at once.
    bool ran = false;
    QTimer::singleShot(0, this, [&ran] { ran = true; });
    ui.setProgress(10);
    QVERIFY(ran);
    QCOMPARE(dialog->value(), 10);
    QVERIFY(dialog->isVisible()); // stays up at the maximum until it is ended

    ui.endProgress();
    QVERIFY(!dialog);
    QCOMPARE(ui.progressDialog(), nullptr);
    ui.setProgress(3); // nothing shown: ignored
}

QTEST_MAIN(tst_VyrWidgetUiService)
#include "tst_vyrwidgetuiservice.moc"
