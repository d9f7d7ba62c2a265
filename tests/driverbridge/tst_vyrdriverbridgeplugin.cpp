#include "connectwarninghandler.h"
#include "display.h"
#include "fwdevicemanagerimportinterface.h"
#include "fwfileinterface.h"
#include "noxtestsupport.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrdriverbridgeplugin.h"
#include "vyrsystemmanager.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <climits>
#include <memory>

// The main window as the plug-in knows it: by its three change signals.
class SignalWindow : public QMainWindow
{
    Q_OBJECT

signals:
    void Signal_DeviceNodesChanged();
    void Signal_DeviceConfigChanged();
    void Signal_DisplayModeChanged();
};

namespace {

const QString kReportsKey = QStringLiteral("configuration/reports");
const QString kAppLogKey = QStringLiteral("configuration/reportsAppLog");
const QString kEventKey = QStringLiteral("configuration/devmanEventHandling");
// The device manager's line on its device list, as the capture logger keeps it.
const QString kCreated =
    QStringLiteral("1|DEVICE MANAGER - VyrDeviceManager::initDevices(): Created 2 devices");

const QStringList kReportsPageRows = {
    QStringLiteral("Save Configuration to Report"),
    QStringLiteral("Save Reg.Dump to Report"),
    QStringLiteral("Save Device Manager App. Log to Report"),
    QStringLiteral("Save Device App. Log Report"),
    QStringLiteral("Save Drv.Com App. Log Report"),
    QStringLiteral("Save Adapter App. Log Report"),
    QStringLiteral("Save Display App. Log Report"),
};
const QStringList kEventPageRows = {
    QStringLiteral("Refresh at Device Node Change"),
    QStringLiteral("Refresh at Device Config Change"),
    QStringLiteral("Refresh at Display Mode Change"),
};

// A plug-in as the program drives it: a logger that keeps every line, an ini file of its
// own with the given keys, a plug-in menu and optionally a main window. The device model
// the plug-in builds lives until the process ends in the program; here it goes with the
// fixture.
struct Bridge
{
    explicit Bridge(const QVariantMap &stored = {})
        : settings(dir.filePath(QStringLiteral("vyredidutility.ini")), QSettings::IniFormat)
    {
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
        appSettings.iniSettings = &settings;
        plugin.setAppLogger(AppLoggerInfo(&logger, 0, 0));
        plugin.SetSettings(&appSettings);
    }
    ~Bridge()
    {
        delete plugin.getSystemManager();
        delete plugin.getDeviceManager();
    }
    Bridge(const Bridge &) = delete;
    Bridge &operator=(const Bridge &) = delete;

    void init(QMainWindow *window = nullptr)
    {
        layout.mainWindow = window;
        layout.pluginMenu = &pluginMenu;
        plugin.initPlugin(&layout);
    }

    // The settings dialog's tree and page stack, filled by the plug-in.
    void populate()
    {
        tree = std::make_unique<QTreeWidget>();
        pages = std::make_unique<QStackedWidget>();
        plugin.populateSettings(tree.get(), pages.get(), QStringLiteral("VyrPell"));
    }

    QCheckBox *box(const QString &text) const
    {
        for (int i = 0; i < pages->count(); ++i) {
            for (QCheckBox *check : pages->widget(i)->findChildren<QCheckBox *>()) {
                if (check->text() == text)
                    return check;
            }
        }
        return nullptr;
    }

    // Texts of the ticked boxes, page by page in row order.
    QStringList ticked() const
    {
        QStringList texts;
        for (const QString &text : kReportsPageRows + kEventPageRows) {
            if (box(text) && box(text)->isChecked())
                texts << text;
        }
        return texts;
    }

    QTemporaryDir dir;
    QSettings settings;
    AppSettings appSettings;
    NoxTest::CaptureLogger logger;
    WorkSpaceLayout layout;
    QMenu pluginMenu;
    std::unique_ptr<QTreeWidget> tree;
    std::unique_ptr<QStackedWidget> pages;
    VyrDriverBridgePlugIn plugin;
};

// The texts of a settings page's check boxes by grid row.
QStringList rowTexts(QWidget *page)
{
    QStringList texts;
    auto *grid = qobject_cast<QGridLayout *>(page->layout());
    if (!grid)
        return texts;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QLayoutItem *item = grid->itemAtPosition(row, 0);
        auto *check = item ? qobject_cast<QCheckBox *>(item->widget()) : nullptr;
        texts << (check ? check->text() : QString());
    }
    return texts;
}

VyrDisplay *displayNamed(const VyrDeviceManager &manager, const QString &name)
{
    for (const VyrDevice *device : manager.devices()) {
        for (VyrDisplay *display : device->displays()) {
            if (display->name() == name)
                return display;
        }
    }
    return nullptr;
}

VyrDisplay *firstSingleStreamDisplay(const VyrDeviceManager &manager)
{
    for (const VyrDevice *device : manager.devices()) {
        for (VyrDisplay *display : device->displays()) {
            if (!display->isMst())
                return display;
        }
    }
    return nullptr;
}

} // namespace

class tst_VyrDriverBridgePlugIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void offersTheExportInterface();
    void isFunctionSupported_data();
    void isFunctionSupported();
    void settingsWords_data();
    void settingsWords();
    void dumpFileListIsKept();
    void settingsPages();
    void boxesMapToBitsByText_data();
    void boxesMapToBitsByText();
    void initPluginBuildsTheModel();
    void logComponentsFollowTheSettings();
    void eventBitsGateRefresh_data();
    void eventBitsGateRefresh();
    void nothingHappensBeforeInitPlugin();
    void isChildMstDevice_data();
    void isChildMstDevice();
    void destructionLeavesTheDialog_data();
    void destructionLeavesTheDialog();
};

void tst_VyrDriverBridgePlugIn::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDriverBridgePlugIn::cleanupTestCase()
{
    VyrTest::uninstallConnectWarningHandler();
}

void tst_VyrDriverBridgePlugIn::offersTheExportInterface()
{
    VyrDriverBridgePlugIn plugin;
    QObject *root = &plugin;
    QVERIFY(qobject_cast<FwInterface *>(root));
    QVERIFY(qobject_cast<FwDeviceManagerExportInterface *>(root));
    QVERIFY(!qobject_cast<FwDeviceManagerImportInterface *>(root));
    QVERIFY(!qobject_cast<FwFileInterface *>(root));
    QCOMPARE(plugin.getPriority(), 0u);
    QCOMPARE(plugin.pluginInfo(),
             QStringList({"VYR Driver Bridge Plug-In", "Ver. 1.0", "driverbridge.doNetGetConfig",
                          "driverbridge.doNetGetDbgLog", "driverbridge.doNetRefreshDevices"}));
    QVERIFY(plugin.getComponentInfoList().isEmpty());

    const SupportedFileTypes types = plugin.fileNameExtensions();
    QCOMPARE(types.names, QStringList(QStringLiteral("Device Manager")));
    QCOMPARE(types.options.size(), 1);
    QCOMPARE(types.options.first().filter, QStringLiteral("Device Config File (*.xml)"));
    QVERIFY(types.options.first().canOpen && types.options.first().canSave);
}

void tst_VyrDriverBridgePlugIn::isFunctionSupported_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<bool>("supported");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("-1") << -1 << true;
    QTest::newRow("smallest") << INT_MIN << true;
    QTest::newRow("1") << 1 << false;
    QTest::newRow("largest") << INT_MAX << false;
}

void tst_VyrDriverBridgePlugIn::isFunctionSupported()
{
    QFETCH(int, function);
    QFETCH(bool, supported);
    VyrDriverBridgePlugIn plugin;
    QCOMPARE(plugin.isFunctionSupported(static_cast<VyrDriverFnSupported>(function)), supported);
}

void tst_VyrDriverBridgePlugIn::settingsWords_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<quint32>("reports");
    QTest::addColumn<quint32>("appLog");
    QTest::addColumn<quint32>("events");
    QTest::addColumn<QStringList>("ticked");

    const QStringList reportBoxes = kReportsPageRows.mid(0, 2);
    const QStringList appLogBoxes = kReportsPageRows.mid(2);

    QTest::newRow("no keys") << QVariantMap() << 1u << 31u << 0u << kReportsPageRows;
    QTest::newRow("stored words")
        << QVariantMap({{kReportsKey, 0}, {kAppLogKey, 5}, {kEventKey, 6}}) << 0u << 5u << 6u
        << QStringList({"Save Device Manager App. Log to Report", "Save Display App. Log Report",
                        "Refresh at Device Node Change", "Refresh at Device Config Change"});
    // Bits without a box are kept in the words.
    QTest::newRow("every bit") << QVariantMap(
        {{kReportsKey, 3}, {kAppLogKey, "4294967295"}, {kEventKey, 8}})
                               << 3u << 0xFFFFFFFFu << 8u << kReportsPageRows;
    // The reports word keeps its value, the other two are cleared; no box is ticked.
    QTest::newRow("not numbers") << QVariantMap(
        {{kReportsKey, "abc"}, {kAppLogKey, "x1"}, {kEventKey, "-1"}})
                                 << 1u << 0u << 0u << QStringList();
    QTest::newRow("only the reports word stored")
        << QVariantMap({{kReportsKey, 0}}) << 0u << 31u << 0u << appLogBoxes;
    QTest::newRow("report bit without App-Log")
        << QVariantMap({{kAppLogKey, "none"}}) << 1u << 0u << 0u << reportBoxes;
}

void tst_VyrDriverBridgePlugIn::settingsWords()
{
    QFETCH(QVariantMap, stored);
    QFETCH(quint32, reports);
    QFETCH(quint32, appLog);
    QFETCH(quint32, events);
    QFETCH(QStringList, ticked);

    Bridge bridge(stored);
    QCOMPARE(bridge.plugin.reportsWord(), reports);
    QCOMPARE(bridge.plugin.appLogWord(), appLog);
    QCOMPARE(bridge.plugin.eventHandlingWord(), events);
    // The App-Log word is the device library's log components.
    QCOMPARE(bridge.plugin.loggerInfo().flags, appLog);
    QCOMPARE(bridge.plugin.loggerInfo().logger, &bridge.logger);

    bridge.populate();
    QCOMPARE(bridge.ticked(), ticked);
}

void tst_VyrDriverBridgePlugIn::dumpFileListIsKept()
{
    Bridge bridge;
    bridge.settings.beginWriteArray(QStringLiteral("dumpfilelist"));
    const QStringList files = {QStringLiteral("/tmp/first.dump"), QStringLiteral("second.dump")};
    for (int i = 0; i < files.size(); ++i) {
        bridge.settings.setArrayIndex(i);
        bridge.settings.setValue(QStringLiteral("dumpfile"), files.at(i));
    }
    bridge.settings.endArray();
    bridge.plugin.SetSettings(&bridge.appSettings);
    QCOMPARE(bridge.plugin.dumpFileList(), files);
}

void tst_VyrDriverBridgePlugIn::settingsPages()
{
    Bridge bridge;
    bridge.populate();
    QTreeWidget &tree = *bridge.tree;
    QStackedWidget &pages = *bridge.pages;

    QCOMPARE(tree.topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree.topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Device Configuration"));
    QCOMPARE(root->childCount(), 3);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("Reports"));
    QCOMPARE(root->child(1)->text(0), QStringLiteral("Event Handling"));
    QCOMPARE(root->child(2)->text(0), QStringLiteral("HW Reg.Dump Configuration"));

    QCOMPARE(pages.count(), 2);
    QWidget *reports = pages.widget(0);
    QWidget *events = pages.widget(1);
    QCOMPARE(rowTexts(reports), kReportsPageRows);
    QCOMPARE(rowTexts(events), kEventPageRows);
    QCOMPARE(reports->layout()->alignment(), Qt::AlignTop);
    QCOMPARE(events->layout()->alignment(), Qt::AlignTop);

    tree.setCurrentItem(root->child(1));
    QCOMPARE(pages.currentWidget(), events);
    tree.setCurrentItem(root->child(0));
    QCOMPARE(pages.currentWidget(), reports);
    // Items without a page of their own leave the page shown.
    tree.setCurrentItem(root->child(2));
    QCOMPARE(pages.currentWidget(), reports);
    tree.setCurrentItem(root);
    QCOMPARE(pages.currentWidget(), reports);
}

void tst_VyrDriverBridgePlugIn::boxesMapToBitsByText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("reports");
    QTest::addColumn<quint32>("appLog");
    QTest::addColumn<quint32>("events");

    QTest::newRow("configuration") << "Save Configuration to Report" << 1u << 0u << 0u;
    QTest::newRow("register dump") << "Save Reg.Dump to Report" << 1u << 0u << 0u;
    QTest::newRow("device manager") << "Save Device Manager App. Log to Report" << 0u << 1u << 0u;
    QTest::newRow("driver communicator") << "Save Drv.Com App. Log Report" << 0u << 2u << 0u;
    QTest::newRow("display") << "Save Display App. Log Report" << 0u << 4u << 0u;
    QTest::newRow("adapter") << "Save Adapter App. Log Report" << 0u << 8u << 0u;
    QTest::newRow("device") << "Save Device App. Log Report" << 0u << 16u << 0u;
    QTest::newRow("display mode") << "Refresh at Display Mode Change" << 0u << 0u << 1u;
    QTest::newRow("device config") << "Refresh at Device Config Change" << 0u << 0u << 2u;
    QTest::newRow("device nodes") << "Refresh at Device Node Change" << 0u << 0u << 4u;
}

// Ticking one box stores its bit alone; reopening shows the boxes of that bit ticked
// (both report boxes share bit 0 of the reports word).
void tst_VyrDriverBridgePlugIn::boxesMapToBitsByText()
{
    QFETCH(QString, text);
    QFETCH(quint32, reports);
    QFETCH(quint32, appLog);
    QFETCH(quint32, events);

    Bridge bridge({{kReportsKey, 0}, {kAppLogKey, 0}, {kEventKey, 0}});
    bridge.populate();
    QVERIFY(bridge.ticked().isEmpty());
    QCheckBox *check = bridge.box(text);
    QVERIFY(check);
    check->setChecked(true);
    bridge.plugin.saveSettings(QStringLiteral("VyrPell"));

    QCOMPARE(bridge.settings.value(kReportsKey).toUInt(), reports);
    QCOMPARE(bridge.settings.value(kAppLogKey).toUInt(), appLog);
    QCOMPARE(bridge.settings.value(kEventKey).toUInt(), events);
    QCOMPARE(bridge.plugin.reportsWord(), reports);
    QCOMPARE(bridge.plugin.eventHandlingWord(), events);
    QCOMPARE(bridge.plugin.loggerInfo().flags, appLog);

    bridge.populate();
    const QStringList expected = reports != 0 ? kReportsPageRows.mid(0, 2) : QStringList(text);
    QCOMPARE(bridge.ticked(), expected);
}

void tst_VyrDriverBridgePlugIn::initPluginBuildsTheModel()
{
    Bridge bridge;
    bridge.init();
    VyrSystemManager *system = bridge.plugin.getSystemManager();
    VyrDeviceManager *manager = bridge.plugin.getDeviceManager();
    QVERIFY(system && manager);
    QCOMPARE(system->deviceManagers(), QList<VyrDeviceManager *>({manager}));
    QCOMPARE(system->localDeviceManager(), manager);
    QCOMPARE(manager->GetNumberOfDevices(), 2);

    // Framed by the plug-in's own lines; the model logs with the default components.
    const QStringList lines = bridge.logger.take();
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines.first(), QStringLiteral("64|VyrDriverBridgePlugIn: Plugin Init Start"));
    QCOMPARE(lines.last(), QStringLiteral("64|VyrDriverBridgePlugIn: Plugin Init end"));
    QVERIFY(lines.contains(
        QStringLiteral("1|DRIVER_COMMUNICATOR: NoxInterface::NoxInitialize(): NOX Initialized")));
    QVERIFY(lines.contains(kCreated));

    // Both actions are in the plug-in menu's "Driver Bridge" submenu.
    const QList<QAction *> entries = bridge.pluginMenu.actions();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first()->text(), QStringLiteral("Driver Bridge"));
    QMenu *menu = entries.first()->menu();
    QVERIFY(menu);
    QCOMPARE(menu->actions(),
             QList<QAction *>({bridge.plugin.refreshAction(), bridge.plugin.libVersionAction()}));
    QCOMPARE(bridge.plugin.refreshAction()->text(), QStringLiteral("&Refresh Configuration"));
    QCOMPARE(bridge.plugin.libVersionAction()->text(), QStringLiteral("&Lib Version Info"));
    QVERIFY(!bridge.plugin.refreshAction()->icon().isNull());
    QVERIFY(!bridge.plugin.libVersionAction()->icon().isNull());
}

// The model logs through the plug-in's logger record, so saved log components apply at
// once.
void tst_VyrDriverBridgePlugIn::logComponentsFollowTheSettings()
{
    Bridge bridge({{kAppLogKey, 0}});
    bridge.init();
    QStringList lines = bridge.logger.take();
    QVERIFY(!lines.contains(kCreated));
    QVERIFY(lines.contains(QStringLiteral("64|VyrDriverBridgePlugIn: Plugin Init end")));

    bridge.populate();
    bridge.box(QStringLiteral("Save Device Manager App. Log to Report"))->setChecked(true);
    bridge.plugin.saveSettings(QStringLiteral("VyrPell"));
    bridge.plugin.updateData();
    lines = bridge.logger.take();
    QVERIFY(lines.contains(kCreated));
}

void tst_VyrDriverBridgePlugIn::eventBitsGateRefresh_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<QList<int>>("refreshes"); // display mode, device config, device nodes

    QTest::newRow("none") << 0 << QList<int>({0, 0, 0});
    QTest::newRow("display mode") << 1 << QList<int>({1, 0, 0});
    QTest::newRow("device config") << 2 << QList<int>({0, 1, 0});
    QTest::newRow("device nodes") << 4 << QList<int>({0, 0, 1});
    QTest::newRow("all") << 7 << QList<int>({1, 1, 1});
}

void tst_VyrDriverBridgePlugIn::eventBitsGateRefresh()
{
    QFETCH(int, word);
    QFETCH(QList<int>, refreshes);

    SignalWindow window;
    Bridge bridge({{kEventKey, word}});
    bridge.init(&window);
    QSignalSpy rebuilt(bridge.plugin.getDeviceManager(),
                       &VyrDeviceManager::configurationChangedSignal);

    QList<int> counts;
    for (void (SignalWindow::*signal)() :
         {&SignalWindow::Signal_DisplayModeChanged, &SignalWindow::Signal_DeviceConfigChanged,
          &SignalWindow::Signal_DeviceNodesChanged}) {
        rebuilt.clear();
        emit(window.*signal)();
        counts << rebuilt.count();
    }
    QCOMPARE(counts, refreshes);
}

void tst_VyrDriverBridgePlugIn::nothingHappensBeforeInitPlugin()
{
    VyrDriverBridgePlugIn plugin;
    VyrDisplayItem item(nullptr, nullptr, nullptr);
    plugin.updateSelected(&item);
    plugin.updateData();
    plugin.onDisplayModeChanged();
    plugin.onDeviceConfigChanged();
    plugin.onDeviceNodeChanged();
    QVERIFY(!plugin.getDeviceManager());
    QVERIFY(!plugin.getSystemManager());
}

void tst_VyrDriverBridgePlugIn::isChildMstDevice_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<uint>("length");
    QTest::addColumn<bool>("child");

    // The demo machine's MST monitors have the relative addresses 01 01 and 01 02.
    const QString mst1 = QStringLiteral("Simulated MST Monitor 1");
    const QString mst2 = QStringLiteral("Simulated MST Monitor 2");
    QTest::newRow("length 0 without items") << "no item"
                                            << "no item" << 0u << true;
    QTest::newRow("same first byte") << mst1 << mst2 << 1u << true;
    QTest::newRow("second byte differs") << mst1 << mst2 << 2u << false;
    QTest::newRow("whole address") << mst2 << mst2 << 16u << true;
    QTest::newRow("past the address") << mst1 << mst1 << 40u << true;
    QTest::newRow("display without MST data") << "single stream"
                                              << "single stream" << 1u << false;
    QTest::newRow("item without display") << "no display" << mst1 << 1u << false;
    QTest::newRow("no item") << mst1 << "no item" << 1u << false;
}

void tst_VyrDriverBridgePlugIn::isChildMstDevice()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(uint, length);
    QFETCH(bool, child);

    Bridge bridge;
    bridge.init();
    const VyrDeviceManager &manager = *bridge.plugin.getDeviceManager();
    QMap<QString, VyrDisplay *> displays;
    displays.insert(QStringLiteral("no display"), nullptr);
    displays.insert(QStringLiteral("single stream"), firstSingleStreamDisplay(manager));
    for (const QString &name : {first, second}) {
        if (name.startsWith(QLatin1String("Simulated")))
            displays.insert(name, displayNamed(manager, name));
    }
    for (const QString &name : {first, second}) {
        if (name != QLatin1String("no item") && name != QLatin1String("no display"))
            QVERIFY2(displays.value(name), qPrintable(name));
    }

    VyrDisplayItem firstItem(nullptr, nullptr, displays.value(first));
    VyrDisplayItem secondItem(nullptr, nullptr, displays.value(second));
    VyrDisplayItem *a = first == QLatin1String("no item") ? nullptr : &firstItem;
    VyrDisplayItem *b = second == QLatin1String("no item") ? nullptr : &secondItem;
    QCOMPARE(bridge.plugin.isChildMstDevice(a, b, length), child);
}

void tst_VyrDriverBridgePlugIn::destructionLeavesTheDialog_data()
{
    QTest::addColumn<bool>("dialogAlive");
    QTest::newRow("dialog still open") << true;
    QTest::newRow("dialog deleted first") << false;
}

// The plug-in takes its tree item and pages out of a dialog that still exists, and
// neither touches nor stores anything of a dialog that is gone.
void tst_VyrDriverBridgePlugIn::destructionLeavesTheDialog()
{
    QFETCH(bool, dialogAlive);

    auto bridge = std::make_unique<Bridge>();
    auto tree = std::make_unique<QTreeWidget>();
    auto pages = std::make_unique<QStackedWidget>();
    tree->addTopLevelItem(new QTreeWidgetItem(QStringList(QStringLiteral("General"))));
    pages->addWidget(new QWidget);
    bridge->plugin.populateSettings(tree.get(), pages.get(), QStringLiteral("VyrPell"));
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(pages->count(), 3);

    if (!dialogAlive) {
        tree.reset();
        pages.reset();
        bridge->plugin.saveSettings(QStringLiteral("VyrPell"));
        QVERIFY(!bridge->settings.contains(kReportsKey));
        bridge->plugin.onSettingsSelectionChanged();
    }
    bridge.reset();
    if (dialogAlive) {
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("General"));
        QCOMPARE(pages->count(), 1);
    }
}

QTEST_MAIN(tst_VyrDriverBridgePlugIn)
#include "tst_vyrdriverbridgeplugin.moc"
