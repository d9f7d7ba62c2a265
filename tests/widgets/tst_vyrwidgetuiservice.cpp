#include "connectwarninghandler.h"
#include "modalboxcloser.h"
#include "vyrwidgetuiservice.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
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
