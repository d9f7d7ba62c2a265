#include "connectwarninghandler.h"
#include "fixturecallsink.h"
#include "mainwindow.h"
#include "modalboxcloser.h"
#include "plugininfo.h"
#include "plugininfodlg.h"
#include "selectionchangeevent.h"
#include "updatedataevent.h"
#include "vyrapplicationlogger.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSplashScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>

// Qt messages written while a window loads its plug-ins.
static QStringList s_messages;
static QtMessageHandler s_previousHandler = nullptr;

static void collectMessages(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    s_messages << QString::number(type) + QLatin1Char(' ') + message;
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

static QString iniPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vyredidutility.ini");
}

static QStringList menuTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstRun();
    void logMaskFromSettings_data();
    void logMaskFromSettings();
    void aboutBox();
    // Before the close tests: once a window was closed outside an event loop, Qt lets
    // no further modal loop run in this process.
    void aboutPluginsInPriorityOrder();
    void pluginBinding();
    void deviceEventsReachImporters();
    void closeShutsDownPluginsOnce();
    void closeDuringStartUp_data();
    void closeDuringStartUp();
    void geometryAndStateRestored();

private:
    // A window whose plug-ins log their calls into calls.
    void startWindow(MainWindow &window, QStringList &calls, QSplashScreen *splash = nullptr);
};

void tst_MainWindow::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + "/plugins/readme.txt"),
             "the fixture plugins folder is missing");
}

void tst_MainWindow::init()
{
    QSettings(iniPath(), QSettings::IniFormat).clear();
    QFile::remove(iniPath());
}

void tst_MainWindow::startWindow(MainWindow &window, QStringList &calls, QSplashScreen *splash)
{
    window.appLogger()->AddLogger("zzFixtureCalls",
                                  QSharedPointer<VyrBaseLogger>(new FixtureCallSink(&calls)));
    QVERIFY(window.InitializeComponents(splash));
}

void tst_MainWindow::firstRun()
{
    const QStringList arguments = {QStringLiteral("vyrpell"), QStringLiteral("--any")};
    MainWindow window(arguments);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("VyrEdidUtility ver.1.0.00"));
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.size(), QSize(800, 600));
    QVERIFY(!window.windowIcon().isNull());
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - available.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QStringLiteral("frame %1,%2 %3x%4 in %5,%6 %7x%8")
                            .arg(window.frameGeometry().x())
                            .arg(window.frameGeometry().y())
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())
                            .arg(available.x())
                            .arg(available.y())
                            .arg(available.width())
                            .arg(available.height())));

    // Menu bar: "&File" and the four menus handed to the plug-ins.
    QCOMPARE(menuTexts(window.menuBar()->actions()),
             QStringList({"&File", "&Plugins", "&Settings", "&Window", "|", "&Help"}));
    const QMenu *fileMenu = window.menuBar()->actions().at(0)->menu();
    QCOMPARE(menuTexts(fileMenu->actions()), QStringList({"|", "E&xit"}));
    QCOMPARE(fileMenu->actions().at(1)->shortcut(), QKeySequence(QKeySequence::Quit));

    WorkSpaceLayout *layout = window.workSpaceLayout();
    QCOMPARE(layout->arguments, arguments);
    QCOMPARE(layout->pluginMenu->actions().size(), 0);
    QCOMPARE(menuTexts(layout->settingsMenu->actions()), QStringList({"&Application Settings"}));
    QCOMPARE(layout->settingsMenu->actions().at(0)->toolTip(), QStringLiteral("Settings"));
    QCOMPARE(menuTexts(layout->helpMenu->actions()), QStringList({"&About", "About &Plugins"}));
    QCOMPARE(layout->windowMenu->actions(),
             QList<QAction *>({window.logDock()->toggleViewAction()}));
    QCOMPARE(layout->mainWindow, &window);
    QCOMPARE(layout->menuBar, window.menuBar());
    QCOMPARE(layout->statusBar, window.statusBar());
    QCOMPARE(layout->workspaceStack, window.centralWidget());
    QCOMPARE(layout->toolBar, window.findChild<QToolBar *>(QStringLiteral("mainToolBar")));
    QVERIFY(layout->actionGroup && layout->actionGroup->isExclusive());
    QVERIFY(layout->extraSettings && layout->extraSettings->isEmpty());
    QCOMPARE(layout->logger, window.appLogger());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Ready"));

    QToolBar *left = window.findChild<QToolBar *>(QStringLiteral("vToolBar"));
    QVERIFY(left && !left->isMovable());
    QCOMPARE(window.toolBarArea(left), Qt::LeftToolBarArea);
    QCOMPARE(left->iconSize(), QSize(54, 46));
    QVERIFY(!layout->toolBar->isMovable());
    QCOMPARE(window.toolBarArea(layout->toolBar), Qt::TopToolBarArea);

    // The log dock at the bottom, shown, with the logger writing into it.
    QCOMPARE(window.logDock()->objectName(), QStringLiteral("Application Log"));
    QCOMPARE(window.logDock()->windowTitle(), QStringLiteral("Application Log"));
    QCOMPARE(window.dockWidgetArea(window.logDock()), Qt::BottomDockWidgetArea);
    QVERIFY(window.logDock()->isVisible());
    QCOMPARE(window.appLogger()->mask(), 0xFFFFFFFFu);
    window.appLogger()->PrintLog(AppLogWarning, QStringLiteral("into the dock"));
    QVERIFY(window.logWindow()->toPlainText().endsWith(QLatin1String("]WARNING: into the dock")));

    // Hiding the dock through the window menu's action.
    layout->windowMenu->actions().at(0)->trigger();
    QVERIFY(!window.logDock()->isVisible());
}

void tst_MainWindow::logMaskFromSettings_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<quint32>("mask");

    QTest::newRow("absent") << QVariant() << 0xFFFFFFFFu;
    QTest::newRow("information and errors") << QVariant(5u) << 5u;
    QTest::newRow("nothing") << QVariant(0u) << 0u;
    QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << 0xFFFFFFFFu;
}

void tst_MainWindow::logMaskFromSettings()
{
    QFETCH(QVariant, stored);
    QFETCH(quint32, mask);
    if (stored.isValid()) {
        QSettings settings(iniPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("applog/reports"), stored);
    }
    MainWindow window({QStringLiteral("vyrpell")});
    QCOMPARE(window.appLogger()->mask(), mask);
}

void tst_MainWindow::aboutBox()
{
    MainWindow window({QStringLiteral("vyrpell")});
    VyrTest::ModalBoxCloser closer;
    window.workSpaceLayout()->helpMenu->actions().at(0)->trigger();
    QCOMPARE(closer.boxes().size(), 1);
    QCOMPARE(closer.last().title, QStringLiteral("About VYRPELL"));
    QCOMPARE(closer.last().text,
             QStringLiteral("<b>VYRPELL </b>Version 1.0.00 Build 140602\r\n\r\n"));
}

void tst_MainWindow::pluginBinding()
{
    MainWindow window({QStringLiteral("vyrpell")});
    QSplashScreen splash(QPixmap(16, 16));
    QStringList splashMessages;
    connect(&splash, &QSplashScreen::messageChanged, this,
            [&splashMessages](const QString &message) { splashMessages << message; });

    QStringList calls;
    s_messages.clear();
    s_previousHandler = qInstallMessageHandler(collectMessages);
    startWindow(window, calls, &splash);
    qInstallMessageHandler(s_previousHandler);

    // Initialised in priority order (unsigned: 4294967295 last), each with its
    // position as logger id, then the system manager handed to every importer.
    QVERIFY(calls.size() >= 4);
    const QString systemManager = calls.at(3).section(QLatin1Char(' '), 2);
    QVERIFY(systemManager.startsWith(QLatin1String("0x")));
    QCOMPARE(calls, QStringList({
                        "exporter: setAppLogger id=0 flags=0",
                        "exporter: SetSettings stores",
                        "exporter: initPlugin complete",
                        "exporter: getSystemManager " + systemManager,
                        "viewer: setAppLogger id=1 flags=0",
                        "viewer: SetSettings stores",
                        "viewer: initPlugin complete",
                        "last: setAppLogger id=2 flags=0",
                        "last: SetSettings stores",
                        "last: initPlugin complete",
                        "viewer: setSystemManager " + systemManager,
                        "last: setSystemManager " + systemManager,
                    }));

    QStringList names;
    for (const PluginInfo *plugin : window.plugins())
        names << plugin->item->fileName;
    QCOMPARE(names.size(), 3);
    QVERIFY(names.at(0).contains(QLatin1String("exporter")));
    QVERIFY(names.at(1).contains(QLatin1String("viewer")));
    QVERIFY(names.at(2).contains(QLatin1String("last")));
    QVERIFY(!names.contains(QStringLiteral("readme.txt")));
    QVERIFY(window.systemManager() != nullptr);
    QCOMPARE(window.pluginDirectory().absolutePath(),
             QDir(QCoreApplication::applicationDirPath() + "/plugins").absolutePath());

    // The file types of the file plug-in are kept with it.
    const PluginInfo *viewer = window.plugins().at(1);
    QCOMPARE(viewer->fileTypeNames, QStringList({"Fixture Editor"}));
    QCOMPARE(viewer->fileTypeOptions.size(), 2);
    QCOMPARE(viewer->fileTypeOptions.at(1).filter, QStringLiteral("Fixture Dump (*.dat)"));
    QVERIFY(viewer->fileTypeOptions.at(1).canOpen && !viewer->fileTypeOptions.at(1).canSave);
    QVERIFY(window.plugins().at(0)->fileTypeNames.isEmpty());

    // Every file was tried, the text file too, but it left no message: the only
    // messages are the priority lines of the three plug-ins.
    QCOMPARE(splashMessages.count(QStringLiteral("Loading plugin readme.txt...")), 1);
    QCOMPARE(splashMessages.filter(QStringLiteral("Loading plugin ")).size(), 4);
    const QStringList expectedTail = {
        "Plugins loaded...",
        "Initializing " + names.at(0) + " plugin...",
        "Initializing " + names.at(1) + " plugin...",
        "Initializing " + names.at(2) + " plugin...",
        "Plugins initialized...",
        "Plugins loaded...",
    };
    QCOMPARE(splashMessages.mid(4), expectedTail);
    // The window system may add its own warnings (a missing window manager, say);
    // only the program's debug lines count here, and none may name the text file.
    QVERIFY(s_messages.filter(QStringLiteral("readme")).isEmpty());
    QCOMPARE(s_messages.filter(QRegularExpression(QStringLiteral("^%1 ").arg(QtDebugMsg))),
             QStringList({
                 QString::number(QtDebugMsg) + " 0   \"" + names.at(0) + "\"",
                 QString::number(QtDebugMsg) + " 3   \"" + names.at(1) + "\"",
                 QString::number(QtDebugMsg) + " 4294967295   \"" + names.at(2) + "\"",
             }));
}

void tst_MainWindow::deviceEventsReachImporters()
{
    MainWindow window({QStringLiteral("vyrpell")});
    QStringList calls;
    startWindow(window, calls);
    calls.clear();

    SelectionChangeEvent selection;
    QCoreApplication::sendEvent(&window, &selection);
    QCOMPARE(calls, QStringList({"viewer: onDeviceSelected", "last: onDeviceSelected"}));

    calls.clear();
    UpdateDataEvent update;
    QCoreApplication::sendEvent(&window, &update);
    QCOMPARE(calls, QStringList({"viewer: onUpdateDeviceData", "last: onUpdateDeviceData"}));

    calls.clear();
    QEvent other(static_cast<QEvent::Type>(1003));
    QCoreApplication::sendEvent(&window, &other);
    QCOMPARE(calls, QStringList());
}

void tst_MainWindow::closeShutsDownPluginsOnce()
{
    MainWindow window({QStringLiteral("vyrpell")});
    QStringList calls;
    startWindow(window, calls);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    calls.clear();

    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(calls,
             QStringList({"exporter: unInitPlugin", "viewer: unInitPlugin", "last: unInitPlugin"}));

    // A second close event finds the plug-ins shut down already.
    window.close();
    QCOMPARE(calls.size(), 3);

    QSettings settings(iniPath(), QSettings::IniFormat);
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    QVERIFY(!settings.value(QStringLiteral("windowState")).toByteArray().isEmpty());
}

void tst_MainWindow::closeDuringStartUp_data()
{
    // The splash message at which the window is closed: four files are tried (three
    // fixtures and a text file, in the file system's order), three initialised.
    QTest::addColumn<int>("step");

    const QStringList steps = {
        "loading the first file",
        "loading the second file",
        "loading the third file",
        "loading the fourth file",
        "all loaded",
        "initialising the first plug-in",
        "initialising the second plug-in",
        "initialising the third plug-in",
        "all initialised",
        "restoring the layout",
    };
    for (int i = 0; i < steps.size(); ++i)
        QTest::newRow(qPrintable(steps.at(i))) << i;
}

void tst_MainWindow::closeDuringStartUp()
{
    QFETCH(int, step);
    MainWindow window({QStringLiteral("vyrpell")});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The splash screen lets events through; the window is closed as the message of
    // the step is shown, as a user's close would be.
    QSplashScreen splash(QPixmap(16, 16));
    QStringList messages;
    QStringList calls;
    connect(&splash, &QSplashScreen::messageChanged, this,
            [&window, &messages, &calls, step](const QString &message) {
                messages << message;
                if (messages.size() == step + 1) {
                    calls << QStringLiteral("(window closed)");
                    window.close();
                }
            });
    startWindow(window, calls, &splash);
    QVERIFY(messages.size() > step);
    QVERIFY(window.isShutDown());

    // Nothing was loaded or initialised after the close.
    const QStringList afterClose = messages.mid(step + 1);
    QVERIFY2(afterClose.filter(QRegularExpression("^(Loading|Initializing) ")).isEmpty(),
             qPrintable(afterClose.join(", ")));
    QStringList loadedBefore;
    for (const QString &message : messages.mid(0, step)) {
        if (message.startsWith(QLatin1String("Loading plugin ")) && !message.contains("readme"))
            loadedBefore << message.mid(15).chopped(3);
    }
    QStringList loaded;
    for (const PluginInfo *plugin : window.plugins())
        loaded << plugin->item->fileName;
    loadedBefore.sort();
    loaded.sort();
    QCOMPARE(loaded, loadedBefore);

    // Each plug-in whose initialisation began is shut down once, in priority order,
    // after the close; the others are not called.
    const int closedAt = calls.indexOf(QStringLiteral("(window closed)"));
    QVERIFY(closedAt >= 0);
    QStringList initialised;
    for (const QString &call : calls.mid(0, closedAt)) {
        if (call.contains(QLatin1String(": setAppLogger ")))
            initialised << call.section(QLatin1Char(':'), 0, 0);
    }
    QStringList shutDown;
    for (const QString &plugin : qAsConst(initialised))
        shutDown << plugin + QStringLiteral(": unInitPlugin");
    QCOMPARE(calls.mid(closedAt + 1), shutDown);
    const int expectedInitialised = qBound(0, step - 5, 3);
    QCOMPARE(initialised.size(), expectedInitialised);
    QCOMPARE(initialised, QStringList({"exporter", "viewer", "last"}).mid(0, expectedInitialised));

    // A later close event changes nothing.
    calls.clear();
    window.close();
    QVERIFY(calls.isEmpty());
}

void tst_MainWindow::geometryAndStateRestored()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect wanted(available.topLeft() + QPoint(20, 30), QSize(640, 480));
    {
        MainWindow window({QStringLiteral("vyrpell")});
        QStringList calls;
        startWindow(window, calls);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(wanted);
        window.addDockWidget(Qt::TopDockWidgetArea, window.logDock());
        QTRY_COMPARE(window.geometry(), wanted);
        window.close();
    }
    MainWindow window({QStringLiteral("vyrpell")});
    QStringList calls;
    startWindow(window, calls);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), wanted);
    QCOMPARE(window.dockWidgetArea(window.logDock()), Qt::TopDockWidgetArea);
}

void tst_MainWindow::aboutPluginsInPriorityOrder()
{
    MainWindow window({QStringLiteral("vyrpell")});
    QStringList calls;
    startWindow(window, calls);

    VyrTest::ModalBoxCloser closer;
    QStringList rows;
    QString label;
    closer.setHandler([&rows, &label](QWidget *box) {
        const auto *tree = box->findChild<QTreeWidget *>();
        for (int i = 0; tree && i < tree->topLevelItemCount(); ++i)
            rows << tree->topLevelItem(i)->text(0);
        if (const auto *text = box->findChild<QLabel *>())
            label = text->text();
    });
    window.workSpaceLayout()->helpMenu->actions().at(1)->trigger();
    QCOMPARE(closer.boxes().size(), 1);
    QCOMPARE(closer.last().className, QStringLiteral("PluginInfoDlg"));
    QCOMPARE(closer.last().title, QStringLiteral("Plugin Information"));

    QStringList names;
    for (const PluginInfo *plugin : window.plugins())
        names << plugin->item->fileName;
    QCOMPARE(rows, names);
    QVERIFY(rows.at(0).contains(QLatin1String("exporter")));
    QVERIFY(rows.at(2).contains(QLatin1String("last")));
    QVERIFY(label.contains(QDir::toNativeSeparators(window.pluginDirectory().path())));
    // The dialog is gone once it was closed.
    QVERIFY(window.findChildren<PluginInfoDlg *>().isEmpty());
}

int main(int argc, char *argv[])
{
    // Under Xvfb there is no session bus; keep Qt from auto-launching one (a stray
    // bus daemon per run) just to ask it about menus and accessibility.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/vyrpell-test-bus");
    QApplication application(argc, argv);
    tst_MainWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
