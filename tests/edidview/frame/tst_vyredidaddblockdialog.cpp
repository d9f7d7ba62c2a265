#include "connectwarninghandler.h"
#include "frame/vyredidaddblockdialog.h"
#include "frame/vyredidchooser.h"
#include "modalboxcloser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

class tst_VyrEdidAddBlockDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void form();
    void choice_data();
    void choice();
    void defaultChooserTakesNoEmptyChoice();
};

void tst_VyrEdidAddBlockDialog::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidAddBlockDialog::form()
{
    VyrEdidAddBlockDialog dialog({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(dialog.objectName(), QStringLiteral("VyrEdidAddBlockDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add EDID Block"));
    QCOMPARE(dialog.size(), QSize(328, 78));
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBlockList"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(combo);
    QVERIFY(buttons);
    QCOMPARE(combo->geometry(), QRect(10, 10, 311, 22));
    QCOMPARE(buttons->geometry(), QRect(10, 40, 311, 32));
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void tst_VyrEdidAddBlockDialog::choice_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    const QStringList kinds{"EDID CEA Ext Block", "EDID DI Ext Block", "DID Ext Block",
                            "EDID VTB Ext Block"};
    QTest::newRow("OK without a change") << kinds << "ok" << 1 << 0 << "EDID CEA Ext Block";
    QTest::newRow("keyboard, then OK") << kinds << "down2-ok" << 1 << 2 << "DID Ext Block";
    QTest::newRow("keyboard, then Enter")
        << kinds << "down1-enter" << 1 << 1 << "EDID DI Ext Block";
    QTest::newRow("Cancel") << kinds << "cancel" << 0 << 0 << "EDID CEA Ext Block";
    QTest::newRow("Escape") << kinds << "escape" << 0 << 0 << "EDID CEA Ext Block";
    QTest::newRow("closed") << kinds << "close" << 0 << 0 << "EDID CEA Ext Block";
    QTest::newRow("empty list") << QStringList() << "ok" << 1 << 0 << "";
}

void tst_VyrEdidAddBlockDialog::choice()
{
    QFETCH(QStringList, names);
    QFETCH(QString, action);
    QFETCH(int, result);
    QFETCH(int, row);
    QFETCH(QString, name);
    VyrEdidAddBlockDialog dialog(names);
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBlockList"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    VyrTest::ModalBoxCloser closer;
    closer.setHandler([&](QWidget *) {
        if (action.startsWith(QLatin1String("down"))) {
            for (int i = 0; i < action.mid(4, 1).toInt(); ++i)
                QTest::keyClick(combo, Qt::Key_Down);
        }
        if (action.endsWith(QLatin1String("ok")))
            buttons->button(QDialogButtonBox::Ok)->click();
        else if (action.endsWith(QLatin1String("enter")))
            QTest::keyClick(&dialog, Qt::Key_Return);
        else if (action == QLatin1String("cancel"))
            buttons->button(QDialogButtonBox::Cancel)->click();
        else if (action == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.chosenRow(), row);
    QCOMPARE(dialog.chosenName(), name);
}

// Accepted with nothing to choose from is no choice; the default chooser says so.
void tst_VyrEdidAddBlockDialog::defaultChooserTakesNoEmptyChoice()
{
    VyrTest::ModalBoxCloser closer;
    closer.setAcceptDialogs(true);
    int row = -1;
    QString chosen = QStringLiteral("unset");
    QVERIFY(!VyrEdidChooser::instance()->choose({}, &row, &chosen));
    QCOMPARE(row, -1);
    QVERIFY(VyrEdidChooser::instance()->choose({QStringLiteral("x"), QStringLiteral("y")}, &row,
                                               &chosen));
    QCOMPARE(row, 0);
    QCOMPARE(chosen, QStringLiteral("x"));
    QCOMPARE(closer.boxes().size(), 2);
    QCOMPARE(closer.boxes().at(0).title, QStringLiteral("Add EDID Block"));
}

QTEST_MAIN(tst_VyrEdidAddBlockDialog)
#include "tst_vyredidaddblockdialog.moc"
