#include "vyredidviewplugin.h"

#include "frame/vyredidmainitem.h"
#include "frame/vyredidviewform.h"
#include "plugin/edidloadsaveform.h"
#include "vyrbaselogger.h"
#include "vyrdevicemanager.h"
#include "vyrsystemmanager.h"
#include "vyruiservice.h"
#include "workspacelayout.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

// The plug-in's own icons (the workspace's action and navigation buttons).
static QIcon pluginIcon(const char *path)
{
    return QIcon(QString::fromLatin1(path));
}

VyrEdidViewPlugIn::VyrEdidViewPlugIn(QObject *parent)
    : QObject(parent)
{}

VyrEdidViewPlugIn::~VyrEdidViewPlugIn()
{
    // The forms, buttons and label go with the page widget; the scroll area takes the
    // page out of the program's page stack.
    if (m_pageWidget) {
        QWidget *page = m_pageWidget;
        page->setParent(nullptr);
        delete page;
    }
    if (m_scrollArea) {
        QScrollArea *area = m_scrollArea;
        area->setParent(nullptr);
        delete area;
    }
}

QStringList VyrEdidViewPlugIn::pluginInfo() const
{
    return {tr("View//Edit Display EDID")};
}

void VyrEdidViewPlugIn::setAppLogger(AppLoggerInfo loggerInfo)
{
    m_loggerInfo = loggerInfo;
}

void VyrEdidViewPlugIn::printLog(AppLogType type, const QString &text) const
{
    if (m_loggerInfo.logger)
        m_loggerInfo.logger->PrintLog(type, tr("VyrEdidViewPlugIn: ") + text);
}

void VyrEdidViewPlugIn::fileOpen(QString fileName)
{
    Q_UNUSED(fileName)
}

bool VyrEdidViewPlugIn::fileSave()
{
    return false;
}

bool VyrEdidViewPlugIn::fileSaveAs()
{
    return false;
}

void VyrEdidViewPlugIn::print()
{}

SupportedFileTypes VyrEdidViewPlugIn::fileNameExtensions() const
{
    SupportedFileTypes types;
    types.names << tr("EDID Editor");
    types.options << FileOpenSaveOption(tr("EDID Text File (*.txt)"), true, true)
                  << FileOpenSaveOption(tr("EDID Binary File (*.dat)"), true, true);
    return types;
}

void VyrEdidViewPlugIn::onDeviceSelected()
{}

void VyrEdidViewPlugIn::onUpdateDeviceData()
{}

QWidget *VyrEdidViewPlugIn::workspace() const
{
    return m_scrollArea;
}

void VyrEdidViewPlugIn::initPlugin(WorkSpaceLayout *layout)
{
    printLog(AppLogPerformance, tr("Plugin Init Start"));
    m_layout = layout;
    addActions();
    addMenu();
    initWarkspaces();
    addToolBar();
    printLog(AppLogPerformance, tr("Plugin Init end"));
}

void VyrEdidViewPlugIn::addActions()
{
    m_viewAction = new QAction(pluginIcon(":/icons/Images/edidedit.png"), tr("View EDID"), this);
    m_viewAction->setCheckable(true);
    connect(m_viewAction, &QAction::triggered, this, &VyrEdidViewPlugIn::onNavigateToSelf);
    if (m_layout && m_layout->actionGroup)
        m_layout->actionGroup->addAction(m_viewAction);
}

void VyrEdidViewPlugIn::addMenu()
{
    if (!m_layout || !m_layout->pluginMenu)
        return;
    QMenu *menu = m_layout->pluginMenu->addMenu(pluginIcon(":/icons/Images/edidedit.png"),
                                                tr("Display EDID Tool"));
    menu->addAction(m_viewAction);
    m_viewMenu = menu->addMenu(tr("View"));
}

void VyrEdidViewPlugIn::addToolBar()
{}

void VyrEdidViewPlugIn::initWarkspaces()
{
    auto *pageWidget = new QWidget;
    auto *scrollArea = new QScrollArea;
    m_pageWidget = pageWidget;
    m_scrollArea = scrollArea;
    m_pageStack = new QStackedWidget;
    auto *navigation = new QWidget;
    auto *navigationLayout = new QHBoxLayout(navigation);

    m_startOver = new QPushButton(tr("Start Over"));
    connect(m_startOver, &QPushButton::clicked, this, &VyrEdidViewPlugIn::onStartOver);
    m_prev = new QPushButton(pluginIcon(":/icons/Images/prev.png"), tr("Prev"));
    m_prev->setStyleSheet(QStringLiteral("font-weight: bold;"));
    connect(m_prev, &QPushButton::clicked, this, &VyrEdidViewPlugIn::onPrev);
    m_next = new QPushButton(pluginIcon(":/icons/Images/next.png"), tr("Next"));
    // The icon after the text.
    m_next->setLayoutDirection(Qt::RightToLeft);
    m_next->setStyleSheet(QStringLiteral("text-align: left;font-weight: bold;"));
    connect(m_next, &QPushButton::clicked, this, &VyrEdidViewPlugIn::onNext);
    m_done = new QPushButton(pluginIcon(":/icons/Images/apply.ico"), tr("Done"));
    connect(m_done, &QPushButton::clicked, this, &VyrEdidViewPlugIn::onFinish);
    for (QPushButton *button : {m_startOver, m_prev, m_next, m_done})
        button->hide();
    navigationLayout->addWidget(m_startOver, 0, Qt::AlignLeft);
    navigationLayout->addWidget(m_prev, 0, Qt::AlignLeft);
    navigationLayout->addStretch();
    navigationLayout->addWidget(m_next, 0, Qt::AlignRight);
    navigationLayout->addWidget(m_done, 0, Qt::AlignRight);
    // One height whether or not a button shows, so the page below never moves when the
    // first display is picked and "View" appears.
    navigation->setFixedHeight(40);

    m_titleLabel = new QLabel;
    m_titleLabel->setAlignment(Qt::AlignHCenter);
    QPalette palette = m_titleLabel->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::blue, Qt::SolidPattern));
    m_titleLabel->setPalette(palette);
    QFont font(QStringLiteral("Arial"), 10);
    font.setBold(true);
    m_titleLabel->setFont(font);
    m_titleLabel->setText(tr("Load EDID From Device"));

    auto *pageLayout = new QVBoxLayout(pageWidget);
    pageLayout->addWidget(m_titleLabel);
    pageLayout->addWidget(navigation);
    pageLayout->addWidget(m_pageStack);
    connect(pageWidget, &QObject::destroyed, this, &VyrEdidViewPlugIn::forgetWorkspace);

    if (!m_layout || !m_layout->workspaceStack) {
        // No page stack to show it in: the workspace has no pages.
        return;
    }

    m_loadForm = new EdidLoadSaveForm(true, nullptr);
    connect(m_loadForm, &EdidLoadSaveForm::displaySelected, this,
            &VyrEdidViewPlugIn::onDisplaySelected);
    m_saveForm = new EdidLoadSaveForm(false, nullptr);
    m_viewForm = new VyrEdidViewForm(true, nullptr);
    m_pageStack->addWidget(m_loadForm);
    m_pageStack->addWidget(m_viewForm);
    m_pageStack->addWidget(m_saveForm);
    m_pageIndex = LoadPage;

    scrollArea->setWidget(pageWidget);
    scrollArea->setWidgetResizable(true);
    m_layout->workspaceStack->addWidget(scrollArea);

    switchToPage();
}

void VyrEdidViewPlugIn::forgetWorkspace()
{
    m_pageStack = nullptr;
    m_loadForm = nullptr;
    m_saveForm = nullptr;
    m_viewForm = nullptr;
    m_startOver = m_prev = m_next = m_done = nullptr;
    m_titleLabel = nullptr;
}

void VyrEdidViewPlugIn::switchToPage()
{
    if (!m_loadForm)
        return;
    switch (m_pageIndex) {
    case LoadPage:
        m_pageStack->setCurrentWidget(m_loadForm);
        m_titleLabel->setText(tr("Load EDID From Device"));
        break;
    case ViewPage:
        enterViewPage();
        if (m_pageIndex != ViewPage)
            return; // nothing to view: back on the load page
        break;
    case SavePage:
        m_titleLabel->setText(tr("Save EDID to File"));
        m_pageStack->setCurrentWidget(m_saveForm);
        break;
    default:
        break;
    }
    m_shownPage = m_pageIndex;
    updateNavigationButtons();
}

void VyrEdidViewPlugIn::enterViewPage()
{
    unsigned char *image = nullptr;
    if (m_shownPage == LoadPage) {
        // A new start: the chosen display's EDID, read again.
        image = m_loadForm->GetEdid();
        if (!image) {
            // The load form's image was cleared: a tree left standing would show the
            // previous image over zeroed bytes.
            VyrUiService::instance()->message(
                VyrUiService::Icon::Warning, tr("View EDID"),
                tr("The selected device has no EDID to show. Choose a display that has read "
                   "its EDID."));
            m_pageIndex = LoadPage;
            switchToPage();
            return;
        }
    } else {
        // Back from the save page: the image with every edit made so far.
        image = m_viewForm->edid();
    }
    m_pageStack->setCurrentWidget(m_viewForm);
    m_titleLabel->setText(tr("View EDID"));
    m_viewForm->SetEdid(image);
    if (m_shownPage == LoadPage)
        announceLeftOutBlocks();
}

void VyrEdidViewPlugIn::announceLeftOutBlocks()
{
    // An EDID longer than the image (more than four 128-byte blocks) loses its last blocks
    // here: said once for each image loaded, as the image is shown.
    VyrEdidMainItem *root = m_viewForm->rootItem();
    if (!root || root->announcedBlocks() <= root->blockCount())
        return;
    const QString text = tr("The EDID announces %1 blocks; the 512-byte image keeps %2 of them, "
                            "the last %3 are left out and will not be saved.")
                             .arg(root->announcedBlocks())
                             .arg(root->blockCount())
                             .arg(root->announcedBlocks() - root->blockCount());
    printLog(AppLogWarning, text);
    if (m_layout && m_layout->statusBar)
        m_layout->statusBar->showMessage(text);
}

void VyrEdidViewPlugIn::updateNavigationButtons()
{
    if (!m_loadForm)
        return;
    for (QPushButton *button : {m_startOver, m_prev, m_next, m_done})
        button->hide();
    // Each caption names the page the button leads to.
    switch (m_pageIndex) {
    case LoadPage:
        m_next->setText(tr("View"));
        m_next->setVisible(m_displaySelected);
        break;
    case ViewPage:
        m_prev->setText(tr("Load"));
        m_prev->show();
        m_next->setText(tr("Save"));
        m_next->show();
        break;
    case SavePage:
        m_startOver->setText(tr("Load"));
        m_startOver->show();
        m_prev->setText(tr("View"));
        m_prev->show();
        m_done->setText(tr("Save"));
        m_done->show();
        break;
    default:
        break;
    }
}

void VyrEdidViewPlugIn::onStartOver()
{
    m_pageIndex = LoadPage;
    switchToPage();
}

void VyrEdidViewPlugIn::onPrev()
{
    if (!m_loadForm)
        return; // no pages
    if (m_pageIndex != LoadPage)
        --m_pageIndex;
    switchToPage();
}

void VyrEdidViewPlugIn::onNext()
{
    if (!m_loadForm)
        return; // no pages
    if (m_pageIndex == LoadPage || m_pageIndex == ViewPage)
        ++m_pageIndex;
    switchToPage();
}

void VyrEdidViewPlugIn::onDisplaySelected(bool selected)
{
    m_displaySelected = selected;
    if (m_pageIndex == LoadPage && m_next)
        m_next->setVisible(selected);
}

void VyrEdidViewPlugIn::onFinish()
{
    if (!m_saveForm)
        return;
    VyrEdidMainItem *root = m_viewForm->rootItem();
    if (!m_viewForm->edid() || !root) {
        VyrUiService::instance()->message(VyrUiService::Icon::Warning, tr("Save EDID"),
                                          tr("There is no EDID image to save. Load one from a "
                                             "display first."));
        return;
    }
    // The bytes in use end where the last recognised block ends.
    const unsigned int size = root->blockOffset(root->blockCount());
    m_saveForm->SaveOrOverrideEdid(m_viewForm->edid(), static_cast<int>(size));
}

void VyrEdidViewPlugIn::onNavigateToSelf()
{
    if (!m_layout)
        return;
    if (m_layout->workspaceStack && m_scrollArea)
        m_layout->workspaceStack->setCurrentWidget(m_scrollArea);
    if (m_layout->statusBar)
        m_layout->statusBar->showMessage(tr("Edid Viewer"));
}

void VyrEdidViewPlugIn::setSystemManager(VyrSystemManager *systemManager)
{
    m_systemManager = systemManager;
    m_deviceManager = systemManager ? systemManager->localDeviceManager() : nullptr;
    // Called again with the same model, it still reacts once to each rebuild.
    if (m_deviceManager)
        connect(m_deviceManager, &VyrDeviceManager::configurationChangedSignal, this,
                &VyrEdidViewPlugIn::onConfigurationChanged, Qt::UniqueConnection);
    if (!m_loadForm)
        return;
    m_viewForm->InitViewer(m_deviceManager);
    m_loadForm->SetSystemManager(systemManager);
    m_saveForm->SetSystemManager(systemManager);
    QAction *dockAction = m_viewForm->dock()->toggleViewAction();
    if (m_viewMenu && !m_viewMenu->actions().contains(dockAction))
        m_viewMenu->addAction(dockAction);
}

void VyrEdidViewPlugIn::onConfigurationChanged()
{
    if (!m_loadForm)
        return;
    m_viewForm->InitViewer(m_deviceManager);
    m_pageIndex = LoadPage;
    switchToPage();
    m_loadForm->SetSystemManager(m_systemManager);
    m_saveForm->SetSystemManager(m_systemManager);
}
