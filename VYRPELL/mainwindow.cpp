#include "mainwindow.h"

#include "appsettingsdialog.h"
#include "fwdevicemanagerexportinterface.h"
#include "fwdevicemanagerimportinterface.h"
#include "fwfileinterface.h"
#include "fwinterface.h"
#include "plugininfo.h"
#include "plugininfodlg.h"
#include "pointerlessoperator.h"
#include "selectionchangeevent.h"
#include "ui_mainwindow.h"
#include "updatedataevent.h"
#include "vyrapplicationlogger.h"
#include "vyrtextwindowlog.h"
#include "vyrversion.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPluginLoader>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSplashScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextEdit>
#include <QTreeWidget>

#include <algorithm>

// The program's images live in a static library; make sure they are registered.
static void initResources()
{
    Q_INIT_RESOURCE(vyrpell);
}

static constexpr int VyrBuildNumber = 140602;
// Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
static constexpr int WindowStateVersion = 0;

// The text the settings dialog hands to every plug-in's populateSettings and
// saveSettings.
// Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
static const char SettingsOwner[] = "VyrPell";

// The log-type boxes of the "General" settings page: text, type bit, grid place.
struct LogTypeBox
{
    const char *text;
    AppLogType type;
    int row;
    int column;
};

static const LogTypeBox LogTypeBoxes[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Report App Info Log"), AppLogInfo, 0, 0},
    {QT_TRANSLATE_NOOP("MainWindow", "Report App Warnings"), AppLogWarning, 1, 0},
    {QT_TRANSLATE_NOOP("MainWindow", "Report App Errors"), AppLogError, 2, 0},
    {QT_TRANSLATE_NOOP("MainWindow", "Report App Test Values"), AppLogTest, 3, 0},
    {QT_TRANSLATE_NOOP("MainWindow", "Report App Network Info"), AppLogNetwork, 0, 1},
    {QT_TRANSLATE_NOOP("MainWindow", "Report App Network Fail"), AppLogNetworkFail, 1, 1},
    {QT_TRANSLATE_NOOP("MainWindow", "Report Performance Log"), AppLogPerformance, 2, 1},
};

// The first grid row of the extra settings rows on the "General" page.
static constexpr int FirstExtraSettingRow = 5;

// The register-access layer of the device library reads its choice from this file.
// Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
static QString registerAccessSettingsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/VyrPell.ini");
}

// The register-access library the device library will use: its own settings file
// decides; the program's file is asked when that one has no choice yet.
static QString registerAccessLibrary(QSettings *settings)
{
    const QString key = QStringLiteral("brelli/api");
    QSettings registerAccess(registerAccessSettingsPath(), QSettings::IniFormat);
    if (registerAccess.contains(key))
        return registerAccess.value(key).toString();
    return settings->value(key, MainWindow::tr("brelli")).toString();
}

static void showSplashMessage(QSplashScreen *splash, const QString &message)
{
    if (splash)
        splash->showMessage(message, Qt::AlignRight | Qt::AlignTop, Qt::white);
}

MainWindow::MainWindow(QStringList arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(new Ui::MainWindow)
{
    initResources();
    m_ui->setupUi(this);
    setWindowTitle(tr("%1 ver.%2").arg(windowTitle(), vyrVersionText()));
    m_layout.arguments = arguments;

    createActions();
    centerOnScreen();
    createSettings();
    createMenus();
    createLogWindow();

    m_actionGroup = new QActionGroup(this);
    m_actionGroup->setExclusive(true);
    statusBar()->showMessage(tr("Ready"));

    m_layout.windowMenu = m_windowMenu;
    m_layout.pluginMenu = m_pluginMenu;
    m_layout.settingsMenu = m_settingsMenu;
    m_layout.helpMenu = m_helpMenu;
    m_layout.mainWindow = this;
    m_layout.toolBar = m_ui->mainToolBar;
    m_layout.actionGroup = m_actionGroup;
    m_layout.menuBar = menuBar();
    m_layout.statusBar = statusBar();
    m_layout.workspaceStack = m_workspaceStack;
    m_layout.extraSettings = &m_extraSettings;

    setCentralWidget(m_workspaceStack);
}

MainWindow::~MainWindow()
{
    // The plug-ins stay loaded until the process ends: release the records only.
    for (PluginInfo *plugin : qAsConst(m_plugins)) {
        if (plugin && plugin->item)
            plugin->item->keepLoaded();
        delete plugin;
    }
    m_plugins.clear();
    m_layout.logger = nullptr;
}

void MainWindow::createActions()
{
    m_exitAction = new QAction(QIcon(QStringLiteral(":/icons/Images/exit.ico")), tr("E&xit"), this);
    m_exitAction->setShortcuts(QKeySequence::Quit);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    m_quitAction = new QAction(QIcon(QStringLiteral(":/icons/Images/exit.ico")), tr("&Quit"), this);
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);

    m_settingsAction = new QAction(QIcon(QStringLiteral(":/icons/Images/settings.ico")),
                                   tr("&Application Settings"), this);
    m_settingsAction->setToolTip(tr("Settings"));
    connect(m_settingsAction, &QAction::triggered, this, &MainWindow::onSettings);

    m_aboutAction = new QAction(tr("&About"), this);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::about);

    m_aboutPluginsAction = new QAction(tr("About &Plugins"), this);
    connect(m_aboutPluginsAction, &QAction::triggered, this, &MainWindow::aboutPlugins);
}

void MainWindow::centerOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::createSettings()
{
    m_appSettings.nativeSettings = new QSettings(tr("VYR"), tr("VyrPellFrameWork"), this);
    // Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
    m_appSettings.iniSettings = new QSettings(QCoreApplication::applicationDirPath()
                                                  + QStringLiteral("/vyredidutility.ini"),
                                              QSettings::IniFormat, this);
}

void MainWindow::createMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAction);

    // The menus handed to the plug-ins sit in the menu bar after "&File".
    m_pluginMenu = menuBar()->addMenu(tr("&Plugins"));

    m_settingsMenu = menuBar()->addMenu(tr("&Settings"));
    m_settingsMenu->setStyleSheet(QStringLiteral("text-align: right;"));
    m_settingsMenu->addAction(m_settingsAction);

    m_windowMenu = menuBar()->addMenu(tr("&Window"));

    menuBar()->addSeparator();

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setStyleSheet(QStringLiteral("text-align: right;"));
    m_helpMenu->addAction(m_aboutAction);
    m_helpMenu->addAction(m_aboutPluginsAction);
}

void MainWindow::createLogWindow()
{
    m_logDock = new QDockWidget(tr("Application Log"), this);
    // The dock's place is stored under its object name.
    // Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
    m_logDock->setObjectName(QStringLiteral("Application Log"));
    m_logWindow = new QTextEdit(m_logDock);
    m_logDock->setWidget(m_logWindow);

    m_appLogger = std::make_unique<VyrApplicationLogger>(0xFFFFFFFFu);
    m_appLogger->AddLogger("widgetLogger",
                           QSharedPointer<VyrBaseLogger>(new VyrTextWindowLog(m_logWindow)));
    m_layout.logger = m_appLogger.get();

    addDockWidget(Qt::BottomDockWidgetArea, m_logDock);
    m_logDock->show();

    // A value that is not a number leaves the mask with all bits set.
    bool ok = false;
    const uint mask =
        m_appSettings.iniSettings->value(QStringLiteral("applog/reports"), -1).toUInt(&ok);
    if (ok)
        m_appLogger->setMask(mask);

    m_windowMenu->addAction(m_logDock->toggleViewAction());

    m_workspaceStack = new QStackedWidget(this);
}

bool MainWindow::InitializeComponents(QSplashScreen *splash)
{
    // Every splash message lets events through, a close of the window among them.
    // The close only marks the window closed while start-up runs (a plug-in may be in
    // the middle of its initialisation); loading and initialising stop at their next
    // step and the plug-ins initialised so far are shut down here.
    m_startingUp = true;
    loadPlugins(splash);
    bool result = true;
    if (!m_windowClosed)
        result = initPlugins(splash);
    if (!m_windowClosed) {
        showSplashMessage(splash, tr("Plugins loaded..."));
        QSettings *settings = m_appSettings.iniSettings;
        restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
        restoreState(settings->value(QStringLiteral("windowState")).toByteArray(),
                     WindowStateVersion);
    }
    m_startingUp = false;
    if (m_windowClosed)
        shutDownPlugins();
    return result;
}

void MainWindow::loadPlugins(QSplashScreen *splash)
{
    m_pluginDirectory = QDir(QCoreApplication::applicationDirPath());
    // Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
    m_pluginDirectory.cd(QStringLiteral("plugins"));

    // Every file is tried, whatever its name: a file that is no plug-in of ours is
    // skipped silently.
    const QStringList files = m_pluginDirectory.entryList(QDir::Files, QDir::NoSort);
    for (const QString &fileName : files) {
        showSplashMessage(splash, tr("Loading plugin %1...").arg(fileName));
        if (m_windowClosed)
            break;
        auto plugin =
            std::make_unique<PluginInfo>(m_pluginDirectory.absoluteFilePath(fileName), fileName);
        PluginItem *item = plugin->item.get();
        item->rootObject = item->loader->instance();
        if (item->rootObject) {
            item->fwInterface = qobject_cast<FwInterface *>(item->rootObject);
            item->fileInterface = qobject_cast<FwFileInterface *>(item->rootObject);
            item->exportInterface =
                qobject_cast<FwDeviceManagerExportInterface *>(item->rootObject);
            item->importInterface =
                qobject_cast<FwDeviceManagerImportInterface *>(item->rootObject);
        }
        if (item->fwInterface)
            m_plugins.append(plugin.release());
    }
    showSplashMessage(splash, tr("Plugins loaded..."));

    // Plug-ins of equal priority keep the order in which they were found.
    std::stable_sort(m_plugins.begin(), m_plugins.end(), PointerLessOperator<PluginInfo>());

    for (const PluginInfo *plugin : qAsConst(m_plugins))
        qDebug().noquote() << QStringLiteral("%1   \"%2\"")
                                  .arg(QString::number(plugin->item->fwInterface->getPriority()),
                                       plugin->item->fileName);
}

bool MainWindow::initPlugins(QSplashScreen *splash)
{
    for (int i = 0; i < m_plugins.size(); ++i) {
        PluginInfo *plugin = m_plugins.at(i);
        PluginItem *item = plugin->item.get();
        showSplashMessage(splash, tr("Initializing %1 plugin...").arg(item->fileName));
        if (m_windowClosed)
            return true;
        // From its first call on, a plug-in counts as initialised and will be shut down.
        m_initialisedPlugins = i + 1;
        if (item->fwInterface) {
            item->fwInterface->setAppLogger(AppLoggerInfo(m_appLogger.get(), 0, i));
            item->fwInterface->SetSettings(&m_appSettings);
            item->fwInterface->initPlugin(&m_layout);
        }
        if (item->exportInterface)
            m_systemManager = item->exportInterface->getSystemManager();
        if (item->fileInterface) {
            const SupportedFileTypes types = item->fileInterface->fileNameExtensions();
            plugin->fileTypeNames = types.names;
            plugin->fileTypeOptions = types.options;
        }
    }
    for (PluginInfo *plugin : qAsConst(m_plugins)) {
        if (m_windowClosed)
            return true;
        if (plugin->item->importInterface)
            plugin->item->importInterface->setSystemManager(m_systemManager);
    }
    showSplashMessage(splash, tr("Plugins initialized..."));
    return true;
}

bool MainWindow::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == SelectionChangeEvent::EventType || type == UpdateDataEvent::EventType) {
        for (PluginInfo *plugin : qAsConst(m_plugins)) {
            FwDeviceManagerImportInterface *importer = plugin->item->importInterface;
            if (!importer)
                continue;
            if (type == SelectionChangeEvent::EventType)
                importer->onDeviceSelected();
            else
                importer->onUpdateDeviceData();
        }
    }
    return QMainWindow::event(event);
}

void MainWindow::shutDownPlugins()
{
    // Each initialised plug-in is shut down once, in priority order, even when a
    // plug-in's unInitPlugin() lets a further close event through.
    const int count = m_initialisedPlugins;
    m_initialisedPlugins = 0;
    m_pluginsShutDown = true;
    for (int i = 0; i < count; ++i) {
        if (FwInterface *plugin = m_plugins.at(i)->item->fwInterface)
            plugin->unInitPlugin();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings *settings = m_appSettings.iniSettings;
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
    settings->setValue(QStringLiteral("windowState"), saveState(WindowStateVersion));
    m_windowClosed = true;
    if (!m_startingUp)
        shutDownPlugins();
    QWidget::closeEvent(event);
    m_quitAction->trigger();
}

AppSettingsDialog *MainWindow::settingsDialog() const
{
    return m_settingsDialog;
}

void MainWindow::onSettings()
{
    // The previous dialog, with the pages the plug-ins added to it, goes when the
    // next one is built: one settings dialog at most stays with the window.
    delete m_settingsDialog;
    m_settingsDialog = new AppSettingsDialog(this);
    QTreeWidget *tree = m_settingsDialog->settingTree();
    QStackedWidget *pages = m_settingsDialog->settingsStackedWidget();
    const QString owner = QString::fromLatin1(SettingsOwner);

    auto *applicationItem = new QTreeWidgetItem(tree, QStringList(tr("Application Settings")));
    m_generalItem = new QTreeWidgetItem(applicationItem, QStringList(tr("General")));
    buildGeneralSettingsPage();
    pages->addWidget(m_generalPage);
    populateAppSettings(tree, pages, owner);
    addExtraSettingRows();

    for (PluginInfo *plugin : qAsConst(m_plugins)) {
        if (FwInterface *fwInterface = plugin->item->fwInterface)
            fwInterface->populateSettings(tree, pages, owner);
    }
    connect(tree, &QTreeWidget::itemSelectionChanged, this,
            &MainWindow::onSettingsSelectionChanged);
    tree->expandAll();

    const int result = m_settingsDialog->exec();
    if (!m_settingsDialog || result != QDialog::Accepted)
        return;
    saveAppSettings();
    for (PluginInfo *plugin : qAsConst(m_plugins)) {
        if (FwInterface *fwInterface = plugin->item->fwInterface)
            fwInterface->saveSettings(owner);
    }
}

void MainWindow::buildGeneralSettingsPage()
{
    static_assert(std::size(LogTypeBoxes) == std::tuple_size<decltype(m_logTypeBoxes)>::value,
                  "one box per log type");
    m_generalPage = new QWidget;
    auto *grid = new QGridLayout(m_generalPage);
    grid->setAlignment(Qt::AlignTop);
    for (size_t i = 0; i < m_logTypeBoxes.size(); ++i) {
        const LogTypeBox &box = LogTypeBoxes[i];
        m_logTypeBoxes[i] = new QCheckBox(tr(box.text), m_generalPage);
        grid->addWidget(m_logTypeBoxes[i], box.row, box.column);
    }

    auto *libraryBox = new QGroupBox(tr("Regist&ry access library"), m_generalPage);
    auto *libraryLayout = new QHBoxLayout(libraryBox);
    m_brellixButton = new QRadioButton(tr("Brellix"), libraryBox);
    m_quarnibButton = new QRadioButton(tr("Quarnib"), libraryBox);
    libraryLayout->addWidget(m_brellixButton);
    libraryLayout->addWidget(m_quarnibButton);
    grid->addWidget(libraryBox, 4, 0);
}

void MainWindow::addExtraSettingRows()
{
    m_extraSettingEdits.clear();
    m_extraSettingNames.clear();
    auto *grid = static_cast<QGridLayout *>(m_generalPage->layout());
    int row = FirstExtraSettingRow;
    for (auto entry = m_extraSettings.cbegin(); entry != m_extraSettings.cend(); ++entry, ++row) {
        auto *label = new QLabel(entry.key(), m_generalPage);
        auto *edit = new QLineEdit(entry.value(), m_generalPage);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        m_extraSettingEdits.append(edit);
        m_extraSettingNames.append(entry.key());
    }
}

void MainWindow::populateAppSettings(QTreeWidget *tree, QStackedWidget *pages, QString owner)
{
    Q_UNUSED(tree)
    Q_UNUSED(pages)
    Q_UNUSED(owner)
    if (!m_settingsDialog)
        return;
    QSettings *settings = m_appSettings.iniSettings;

    // A value that is not a number leaves every box unticked.
    bool ok = false;
    const uint mask = settings->value(QStringLiteral("applog/reports"), -1).toUInt(&ok);
    for (size_t i = 0; i < m_logTypeBoxes.size(); ++i)
        m_logTypeBoxes[i]->setChecked(ok && (mask & LogTypeBoxes[i].type) != 0);

    if (registerAccessLibrary(settings) == QLatin1String("quarnib"))
        m_quarnibButton->setChecked(true);
    else
        m_brellixButton->setChecked(true);
}

void MainWindow::saveAppSettings()
{
    if (!m_settingsDialog)
        return;
    QSettings *settings = m_appSettings.iniSettings;

    uint mask = 0;
    for (size_t i = 0; i < m_logTypeBoxes.size(); ++i) {
        if (m_logTypeBoxes[i]->isChecked())
            mask |= LogTypeBoxes[i].type;
    }
    settings->setValue(QStringLiteral("applog/reports"), mask);
    m_appLogger->setMask(mask);

    // The device library's register-access layer reads the choice from its own file.
    const QString library = m_quarnibButton->isChecked() ? tr("quarnib") : tr("brelli");
    settings->setValue(QStringLiteral("brelli/api"), library);
    QSettings registerAccess(registerAccessSettingsPath(), QSettings::IniFormat);
    registerAccess.setValue(QStringLiteral("brelli/api"), library);

    // Edited extra rows go back into the table the plug-ins filled.
    for (int i = 0; i < m_extraSettingEdits.size(); ++i)
        m_extraSettings.insert(m_extraSettingNames.at(i), m_extraSettingEdits.at(i)->text());

    settings->sync();
}

void MainWindow::onSettingsSelectionChanged()
{
    if (!m_settingsDialog)
        return;
    const QList<QTreeWidgetItem *> selected = m_settingsDialog->settingTree()->selectedItems();
    if (!selected.isEmpty() && selected.first() == m_generalItem)
        m_settingsDialog->settingsStackedWidget()->setCurrentWidget(m_generalPage);
}

void MainWindow::about()
{
    const QString text = tr("<b>VYRPELL </b>Version %1 Build %2\r\n\r\n")
                             .arg(vyrVersionText(), QString::number(VyrBuildNumber));
    QMessageBox::about(this, tr("About VYRPELL"), text);
}

void MainWindow::aboutPlugins()
{
    PluginInfoDlg dialog(m_pluginDirectory.path(), m_plugins, this);
    dialog.exec();
}
