// The application settings dialog as the main window builds and runs it, with the
// fixture plug-ins loaded (each adds a tree item "Fixture <name>" and a page). The
// dialog runs modally; VyrTest::ModalBoxCloser works with it from a timer and then
// accepts or rejects it.
#include "appsettingsdialog.h"
#include "connectwarninghandler.h"
#include "fixturecallsink.h"
#include "mainwindow.h"
#include "modalboxcloser.h"
#include "userinput.h"
#include "vyrapplicationlogger.h"
#include "vyrbrellixapimanager.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <functional>

static const QStringList LogBoxTexts = {
    "Report App Info Log",    "Report App Warnings",     "Report App Errors",
    "Report App Test Values", "Report App Network Info", "Report App Network Fail",
    "Report Performance Log",
};

static QString iniPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vyredidutility.ini");
}

static QString registerAccessPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini");
}

static void removeSettingsFile(const QString &path)
{
    QSettings(path, QSettings::IniFormat).clear();
    QFile::remove(path);
}

static QVariant storedValue(const QString &path, const QString &key)
{
    return QSettings(path, QSettings::IniFormat).value(key);
}

static QAbstractButton *buttonWithText(const QWidget *root, const QString &text)
{
    const QList<QAbstractButton *> buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The ticked log boxes as a mask, bit i for LogBoxTexts[i].
static quint32 tickedBoxes(const QWidget *root)
{
    quint32 ticked = 0;
    for (int i = 0; i < LogBoxTexts.size(); ++i) {
        const QAbstractButton *box = buttonWithText(root, LogBoxTexts.at(i));
        if (box && box->isChecked())
            ticked |= 1u << i;
    }
    return ticked;
}

static QTreeWidgetItem *treeItem(QTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> items =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

// Selects the tree item with text as a user does, with a click on it.
static void selectItem(QTreeWidget *tree, const QString &text)
{
    QTreeWidgetItem *item = treeItem(tree, text);
    QVERIFY2(item, qPrintable(text));
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(item).center());
}

class tst_AppSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstRunAndCancel();
    void storedValuesShown_data();
    void storedValuesShown();
    void acceptStoresAndApplies();
    void extraSettingRows();

private:
    // Opens the dialog through the settings menu of window; work runs while it is up,
    // then the dialog is accepted or rejected unless work closed it.
    void runDialog(MainWindow &window, bool accept,
                   const std::function<void(AppSettingsDialog *)> &work);

    QStringList m_calls;
};

void tst_AppSettings::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + "/plugins/readme.txt"),
             "the fixture plugins folder is missing");
}

void tst_AppSettings::init()
{
    removeSettingsFile(iniPath());
    removeSettingsFile(registerAccessPath());
    m_calls.clear();
}

void tst_AppSettings::runDialog(MainWindow &window, bool accept,
                                const std::function<void(AppSettingsDialog *)> &work)
{
    if (window.plugins().isEmpty()) {
        window.appLogger()->AddLogger("zzFixtureCalls",
                                      QSharedPointer<VyrBaseLogger>(new FixtureCallSink(&m_calls)));
        QVERIFY(window.InitializeComponents(nullptr));
        QCOMPARE(window.plugins().size(), 3);
        m_calls.clear();
    }
    VyrTest::ModalBoxCloser closer;
    closer.setAcceptDialogs(accept);
    bool seen = false;
    closer.setHandler([&work, &seen](QWidget *box) {
        auto *dialog = qobject_cast<AppSettingsDialog *>(box);
        if (!dialog)
            return;
        seen = true;
        work(dialog);
    });
    window.workSpaceLayout()->settingsMenu->actions().at(0)->trigger();
    QVERIFY2(seen, "the settings dialog did not open");
}

void tst_AppSettings::firstRunAndCancel()
{
    MainWindow window({QStringLiteral("vyrpell")});
    runDialog(window, false, [](AppSettingsDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("AppSettingsDialog"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Application Settings"));
        QCOMPARE(dialog->size(), QSize(860, 614));
        QVERIFY(dialog->isModal());
        const auto *splitter = dialog->findChild<QSplitter *>(QStringLiteral("splitter"));
        QVERIFY(splitter && splitter->orientation() == Qt::Horizontal);
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QVERIFY(buttons);
        QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

        // The shell's branch first, then one item per plug-in in priority order.
        QTreeWidget *tree = dialog->settingTree();
        QCOMPARE(tree->objectName(), QStringLiteral("settingTree"));
        QVERIFY(tree->isHeaderHidden());
        QCOMPARE(tree->columnCount(), 1);
        QStringList topLevel;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            topLevel << tree->topLevelItem(i)->text(0);
        QCOMPARE(topLevel, QStringList({"Application Settings", "Fixture exporter",
                                        "Fixture viewer", "Fixture last"}));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("General"));
        // The plug-ins' items are open to view.
        QVERIFY(tree->topLevelItem(1)->isExpanded());

        // The form's two empty pages, "General", then the plug-ins' pages; the first
        // empty page shows until an item is chosen.
        QStackedWidget *pages = dialog->settingsStackedWidget();
        QCOMPARE(pages->objectName(), QStringLiteral("settingsStackedWidget"));
        QCOMPARE(pages->count(), 6);
        QCOMPARE(pages->widget(0)->objectName(), QStringLiteral("page"));
        QCOMPARE(pages->widget(1)->objectName(), QStringLiteral("page_2"));
        QCOMPARE(pages->currentIndex(), 0);

        // Pages switch with the tree; the shell leaves the plug-ins' items to them.
        selectItem(tree, QStringLiteral("General"));
        QWidget *general = pages->widget(2);
        QCOMPARE(pages->currentWidget(), general);
        QVERIFY(general->isVisible());
        QCOMPARE(tickedBoxes(general), 0x7Fu);
        QVERIFY(buttonWithText(general, QStringLiteral("Brellix"))->isChecked());
        QVERIFY(!buttonWithText(general, QStringLiteral("Quarnib"))->isChecked());
        const auto *library = general->findChild<QGroupBox *>();
        QVERIFY(library);
        QCOMPARE(library->title(), QStringLiteral("Regist&ry access library"));

        selectItem(tree, QStringLiteral("Fixture viewer"));
        QCOMPARE(pages->currentIndex(), 4);
        selectItem(tree, QStringLiteral("Application Settings"));
        QCOMPARE(pages->currentIndex(), 4);
        selectItem(tree, QStringLiteral("General"));
        QCOMPARE(pages->currentIndex(), 2);

        // A change that Cancel throws away.
        VyrTest::clickButton(buttonWithText(general, QStringLiteral("Report App Errors")));
        VyrTest::clickButton(buttonWithText(general, QStringLiteral("Quarnib")));
    });

    QCOMPARE(m_calls,
             QStringList({"exporter: populateSettings VyrPell", "viewer: populateSettings VyrPell",
                          "last: populateSettings VyrPell"}));
    QVERIFY(!storedValue(iniPath(), QStringLiteral("applog/reports")).isValid());
    QVERIFY(!storedValue(iniPath(), QStringLiteral("brelli/api")).isValid());
    QVERIFY(!QFile::exists(registerAccessPath()));
    QCOMPARE(window.appLogger()->mask(), 0xFFFFFFFFu);
}

void tst_AppSettings::storedValuesShown_data()
{
    QTest::addColumn<QVariant>("reports");
    QTest::addColumn<QVariant>("shellLibrary");
    QTest::addColumn<QVariant>("deviceLibrary"); // in VyrPell.ini
    QTest::addColumn<quint32>("ticked");
    QTest::addColumn<bool>("quarnib");
    // What accepting the dialog unchanged writes back.
    QTest::addColumn<quint32>("reportsWritten");
    QTest::addColumn<QString>("libraryWritten");

    QTest::newRow("information and errors, brelli")
        << QVariant(5u) << QVariant("brelli") << QVariant() << 0x05u << false << 5u << "brelli";
    QTest::newRow("every bit, quarnib") << QVariant(0xFFFFFFFFu) << QVariant("quarnib")
                                        << QVariant() << 0x7Fu << true << 127u << "quarnib";
    QTest::newRow("nothing") << QVariant(0u) << QVariant() << QVariant() << 0u << false << 0u
                             << "brelli";
    QTest::newRow("network and performance") << QVariant(16u | 32u | 64u) << QVariant()
                                             << QVariant() << 0x70u << false << 112u << "brelli";
    QTest::newRow("not a number") << QVariant("abc") << QVariant() << QVariant() << 0u << false
                                  << 0u << "brelli";
    QTest::newRow("another letter case")
        << QVariant() << QVariant("Quarnib") << QVariant() << 0x7Fu << false << 127u << "brelli";
    // The device library's own file holds the choice in effect.
    QTest::newRow("device library's choice")
        << QVariant() << QVariant("brelli") << QVariant("quarnib") << 0x7Fu << true << 127u
        << "quarnib";
}

void tst_AppSettings::storedValuesShown()
{
    QFETCH(QVariant, reports);
    QFETCH(QVariant, shellLibrary);
    QFETCH(QVariant, deviceLibrary);
    QFETCH(quint32, ticked);
    QFETCH(bool, quarnib);
    QFETCH(quint32, reportsWritten);
    QFETCH(QString, libraryWritten);
    {
        QSettings shell(iniPath(), QSettings::IniFormat);
        if (reports.isValid())
            shell.setValue(QStringLiteral("applog/reports"), reports);
        if (shellLibrary.isValid())
            shell.setValue(QStringLiteral("brelli/api"), shellLibrary);
        if (deviceLibrary.isValid())
            QSettings(registerAccessPath(), QSettings::IniFormat)
                .setValue(QStringLiteral("brelli/api"), deviceLibrary);
    }

    MainWindow window({QStringLiteral("vyrpell")});
    runDialog(window, true, [&](AppSettingsDialog *dialog) {
        QCOMPARE(tickedBoxes(dialog), ticked);
        QCOMPARE(buttonWithText(dialog, QStringLiteral("Quarnib"))->isChecked(), quarnib);
        QCOMPARE(buttonWithText(dialog, QStringLiteral("Brellix"))->isChecked(), !quarnib);
    });

    QCOMPARE(storedValue(iniPath(), QStringLiteral("applog/reports")).toUInt(), reportsWritten);
    QCOMPARE(window.appLogger()->mask(), reportsWritten);
    QCOMPARE(storedValue(iniPath(), QStringLiteral("brelli/api")).toString(), libraryWritten);
    QCOMPARE(storedValue(registerAccessPath(), QStringLiteral("brelli/api")).toString(),
             libraryWritten);
}

void tst_AppSettings::acceptStoresAndApplies()
{
    MainWindow window({QStringLiteral("vyrpell")});
    runDialog(window, true, [](AppSettingsDialog *dialog) {
        selectItem(dialog->settingTree(), QStringLiteral("General"));
        VyrTest::clickButton(buttonWithText(dialog, QStringLiteral("Report App Warnings")));
        VyrTest::clickButton(buttonWithText(dialog, QStringLiteral("Quarnib")));
    });

    // Each plug-in stores its pages after the shell, in priority order.
    QCOMPARE(m_calls,
             QStringList({"exporter: populateSettings VyrPell", "viewer: populateSettings VyrPell",
                          "last: populateSettings VyrPell", "exporter: saveSettings VyrPell",
                          "viewer: saveSettings VyrPell", "last: saveSettings VyrPell"}));
    QCOMPARE(storedValue(iniPath(), QStringLiteral("applog/reports")).toUInt(), 125u);
    QCOMPARE(storedValue(iniPath(), QStringLiteral("brelli/api")).toString(),
             QStringLiteral("quarnib"));

    // The log drops warnings at once.
    QCOMPARE(window.appLogger()->mask(), 125u);
    window.appLogger()->PrintLog(AppLogWarning, QStringLiteral("a dropped warning"));
    window.appLogger()->PrintLog(AppLogError, QStringLiteral("a shown error"));
    const QString log = window.logWindow()->toPlainText();
    QVERIFY(!log.contains(QLatin1String("a dropped warning")));
    QVERIFY(log.contains(QLatin1String("]ERROR: a shown error")));

    // The register-access layer of the device library takes the choice.
    QCOMPARE(storedValue(registerAccessPath(), QStringLiteral("brelli/api")).toString(),
             QStringLiteral("quarnib"));
    QCOMPARE(VyrBrellixApiManager().GetApiType(), int(VyrBrellixApiManager::ApiQuarnib));

    // A second opening builds a new dialog showing what the first stored; the first
    // one is gone by then.
    QPointer<AppSettingsDialog> first = window.settingsDialog();
    QVERIFY(first);
    runDialog(window, false, [&first](AppSettingsDialog *dialog) {
        QVERIFY(!first);
        QCOMPARE(tickedBoxes(dialog), 0x7Du);
        QVERIFY(buttonWithText(dialog, QStringLiteral("Quarnib"))->isChecked());
    });
    QCOMPARE(window.findChildren<AppSettingsDialog *>().size(), 1);
}

void tst_AppSettings::extraSettingRows()
{
    MainWindow window({QStringLiteral("vyrpell")});
    QHash<QString, QString> &extra = *window.workSpaceLayout()->extraSettings;
    extra.insert(QStringLiteral("Dump folder"), QStringLiteral("/tmp/dumps"));
    extra.insert(QStringLiteral("Retries"), QStringLiteral("3"));

    // Rows from grid row 5 on, a label beside a line edit with the value. An edit
    // that Cancel throws away.
    runDialog(window, false, [&extra](AppSettingsDialog *dialog) {
        selectItem(dialog->settingTree(), QStringLiteral("General"));
        QWidget *general = dialog->settingsStackedWidget()->currentWidget();
        auto *grid = qobject_cast<QGridLayout *>(general->layout());
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 7);
        QHash<QString, QString> shown;
        for (int row = 5; row < 7; ++row) {
            auto *label = qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget());
            auto *edit = qobject_cast<QLineEdit *>(grid->itemAtPosition(row, 1)->widget());
            QVERIFY(label && edit);
            QCOMPARE(label->buddy(), edit);
            shown.insert(label->text(), edit->text());
        }
        QCOMPARE(shown, extra);
        auto *retries = qobject_cast<QLineEdit *>(VyrTest::formField(general, "Retries"));
        QVERIFY(retries);
        retries->selectAll();
        QTest::keyClicks(retries, QStringLiteral("9"));
    });
    QCOMPARE(extra.value(QStringLiteral("Retries")), QStringLiteral("3"));

    // Return in a row's line edit accepts the dialog, and the edit reaches the table.
    runDialog(window, false, [](AppSettingsDialog *dialog) {
        selectItem(dialog->settingTree(), QStringLiteral("General"));
        QWidget *general = dialog->settingsStackedWidget()->currentWidget();
        auto *retries = qobject_cast<QLineEdit *>(VyrTest::formField(general, "Retries"));
        QVERIFY(retries);
        VyrTest::typeAndConfirm(retries, QStringLiteral("5"));
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(extra.value(QStringLiteral("Retries")), QStringLiteral("5"));
    QCOMPARE(extra.value(QStringLiteral("Dump folder")), QStringLiteral("/tmp/dumps"));
}

QTEST_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"
