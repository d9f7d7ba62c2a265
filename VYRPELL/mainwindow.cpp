#include "mainwindow.h"

#include "fwdevicemanagerexportinterface.h"
#include "fwdevicemanagerimportinterface.h"
#include "fwfileinterface.h"
#include "fwinterface.h"
#include "plugininfo.h"
#include "pointerlessoperator.h"
#include "selectionchangeevent.h"
#include "ui_mainwindow.h"
#include "updatedataevent.h"
#include "vyrapplicationlogger.h"
#include "vyrtextwindowlog.h"
#include "vyrversion.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPluginLoader>
#include <QScreen>
#include <QSettings>
#include <QSplashScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextEdit>

#include <algorithm>

// The program's images live in a static library; make sure they are registered.
static void initResources()
{
    Q_INIT_RESOURCE(vyrpell);
}

static constexpr int VyrBuildNumber = 140602;
// Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
static constexpr int WindowStateVersion = 0;

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
    loadPlugins(splash);
    const bool result = initPlugins(splash);
    showSplashMessage(splash, tr("Plugins loaded..."));

    QSettings *settings = m_appSettings.iniSettings;
    restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
    restoreState(settings->value(QStringLiteral("windowState")).toByteArray(), WindowStateVersion);
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
    // A window can see more than one close event; the plug-ins are shut down once.
    if (m_pluginsShutDown)
        return;
    m_pluginsShutDown = true;
    for (PluginInfo *plugin : qAsConst(m_plugins)) {
        if (plugin->item->fwInterface)
            plugin->item->fwInterface->unInitPlugin();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings *settings = m_appSettings.iniSettings;
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
    settings->setValue(QStringLiteral("windowState"), saveState(WindowStateVersion));
    shutDownPlugins();
    QWidget::closeEvent(event);
    m_quitAction->trigger();
}

void MainWindow::onSettings()
{
    // The application settings dialog is not available in this build.
}

void MainWindow::onSettingsSelectionChanged()
{}

void MainWindow::about()
{
    const QString text = tr("<b>VYRPELL </b>Version %1 Build %2\r\n\r\n")
                             .arg(vyrVersionText(), QString::number(VyrBuildNumber));
    QMessageBox::about(this, tr("About VYRPELL"), text);
}

void MainWindow::aboutPlugins()
{
    // The plug-in information dialog is not available in this build.
}
