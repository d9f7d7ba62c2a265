#include "connectwarninghandler.h"
#include "devicetreetestsupport.h"
#include "display.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidviewform.h"
#include "fwdevicemanagerexportinterface.h"
#include "noxtestsupport.h"
#include "plugin/edidloadsaveform.h"
#include "plugin/vyrdeviceselecttree.h"
#include "plugin/vyrdeviceselectwidget.h"
#include "plugin/vyredidviewplugin.h"
#include "recordinguiservice.h"
#include "userinput.h"
#include "vyrtestutil.h"
#include "workspacelayout.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPluginLoader>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using DeviceTreeTest::findItem;
using DeviceTreeTest::Model;

namespace {

// The plug-in as the program drives it: a logger that keeps every line, a plug-in menu, an
// action group, a status bar and a page stack (or none), and the device model of a simulated
// machine. The plug-in goes first, then the window parts, then the model.
struct Workspace
{
    explicit Workspace(const QString &machine = QStringLiteral("devicetree.json"),
                       bool withStack = true)
        : model(machine)
    {
        layout.pluginMenu = &pluginMenu;
        layout.actionGroup = &actions;
        layout.statusBar = &statusBar;
        if (withStack) {
            stack = std::make_unique<QStackedWidget>();
            stack->resize(1000, 700);
            layout.workspaceStack = stack.get();
        }
        plugin = std::make_unique<VyrEdidViewPlugIn>();
        plugin->setAppLogger(AppLoggerInfo(&logger, 0, 1));
        plugin->initPlugin(&layout);
    }

    void bind() { plugin->setSystemManager(model.system.get()); }

    // Picks the item with the text in the load page's device tree.
    bool pick(const QString &text) const
    {
        QTreeWidget *tree = plugin->loadForm()->deviceSelectWidget()->tree();
        QTreeWidgetItem *item = findItem(tree, text);
        if (item)
            tree->setCurrentItem(item);
        return item != nullptr;
    }

    // Clicks the visible navigation button with the caption.
    bool click(const QString &caption) const
    {
        for (QPushButton *button : buttons()) {
            if (button->isVisibleTo(button->parentWidget()) && button->text() == caption) {
                button->click();
                return true;
            }
        }
        qWarning("no visible button \"%s\"", qPrintable(caption));
        return false;
    }

    QList<QPushButton *> buttons() const
    {
        return {plugin->startOverButton(), plugin->prevButton(), plugin->nextButton(),
                plugin->doneButton()};
    }

    // The visible navigation buttons, left to right, as "<role>:<caption>".
    QString navigation() const
    {
        const QStringList roles{"start", "prev", "next", "done"};
        QStringList shown;
        for (int i = 0; i < 4; ++i) {
            QPushButton *button = buttons().at(i);
            if (button->isVisibleTo(button->parentWidget()))
                shown << roles.at(i) + QLatin1Char(':') + button->text();
        }
        return shown.join(QLatin1Char(' '));
    }

    Model model;
    NoxTest::CaptureLogger logger;
    QMenu pluginMenu;
    QActionGroup actions{nullptr};
    QStatusBar statusBar;
    std::unique_ptr<QStackedWidget> stack;
    WorkSpaceLayout layout;
    std::unique_ptr<VyrEdidViewPlugIn> plugin;
};

// The line editor of a row of the view page's EDID tree, by its path of titles below the root.
QLineEdit *editorOf(VyrEdidViewForm *form, const QStringList &path)
{
    QTreeWidgetItem *row = form->rootItem();
    for (const QString &title : path) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; row && i < row->childCount() && !next; ++i) {
            if (row->child(i)->text(0) == title)
                next = row->child(i);
        }
        row = next;
    }
    QWidget *cell = row ? row->treeWidget()->itemWidget(row, 1) : nullptr;
    if (!cell)
        return nullptr;
    if (auto *edit = qobject_cast<QLineEdit *>(cell))
        return edit;
    return cell->findChild<QLineEdit *>();
}

const QStringList YearRow{"Base Block", "General Info", "YearIfManuf"};

} // namespace

// The EDID view plug-in over the simulated driver: its answers to the program, the action and
// menu, the three pages with their title and navigation bar, and how the device model and the
// EDID image travel between the pages.
class tst_VyrEdidViewPlugIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void answersTheProgram();
    void initAddsActionMenuAndWorkspace();
    void navigation_data();
    void navigation();
    void prevAndNextStopAtTheEnds();
    void displayFlagShowsOnlyOnTheLoadPage();
    void rebuildReturnsToTheLoadPage();
    void layoutSwitchKeepsViewInStep_data();
    void layoutSwitchKeepsViewInStep();
    void editSurvivesSaveAndView();
    void viewWithoutEdidStaysOnTheLoadPage();
    void doneHandsTheImageToTheSavePage();
    void longEdidIsToldOnce();
    void withoutModelOrPageStack();
};

void tst_VyrEdidViewPlugIn::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidViewPlugIn::cleanupTestCase()
{
    VyrTest::uninstallConnectWarningHandler();
}

void tst_VyrEdidViewPlugIn::answersTheProgram()
{
    // The module the program loads names the plug-in in its metadata.
    QPluginLoader loader(QStringLiteral(VYR_EDIDVIEW_PLUGIN_FILE));
    QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
             QStringLiteral("VyrEdidViewPlugIn"));
    QCOMPARE(loader.metaData().value(QStringLiteral("className")).toString(),
             QStringLiteral("VyrEdidViewPlugIn"));

    VyrEdidViewPlugIn plugin;
    QObject *object = &plugin;
    auto *fw = qobject_cast<FwInterface *>(object);
    auto *file = qobject_cast<FwFileInterface *>(object);
    auto *import = qobject_cast<FwDeviceManagerImportInterface *>(object);
    QVERIFY(fw && file && import);
    QVERIFY(!qobject_cast<FwDeviceManagerExportInterface *>(object));
    QCOMPARE(fw->GetInterfaceVersion(), 10282012);
    QCOMPARE(file->GetInterfaceVersion(), 10282012);
    QCOMPARE(import->GetInterfaceVersion(), 10282012);
    QCOMPARE(fw->getPriority(), 3u);
    QCOMPARE(fw->pluginInfo(), QStringList{"View//Edit Display EDID"});
    QVERIFY(fw->getComponentInfoList().isEmpty());

    const SupportedFileTypes types = file->fileNameExtensions();
    QCOMPARE(types.names, QStringList{"EDID Editor"});
    QCOMPARE(types.options.size(), 2);
    QCOMPARE(types.options.at(0).filter, QStringLiteral("EDID Text File (*.txt)"));
    QCOMPARE(types.options.at(1).filter, QStringLiteral("EDID Binary File (*.dat)"));
    for (const FileOpenSaveOption &option : types.options)
        QVERIFY(option.canOpen && option.canSave);
    QVERIFY(!file->fileSaveAs());
    QVERIFY(!file->importFile(QStringLiteral("x.bin")));
    QVERIFY(!file->exportFile());
}

void tst_VyrEdidViewPlugIn::initAddsActionMenuAndWorkspace()
{
    Workspace w;
    QCOMPARE(w.logger.take(), QStringList({"64|VyrEdidViewPlugIn: Plugin Init Start",
                                           "64|VyrEdidViewPlugIn: Plugin Init end"}));

    // The action, in the action group and in the submenu "Display EDID Tool" with "View".
    QAction *view = w.plugin->viewAction();
    QVERIFY(view);
    QCOMPARE(view->text(), QStringLiteral("View EDID"));
    QVERIFY(view->isCheckable());
    QVERIFY(!view->icon().isNull());
    QVERIFY(w.actions.actions().contains(view));
    QCOMPARE(w.pluginMenu.actions().size(), 1);
    QMenu *tool = w.pluginMenu.actions().first()->menu();
    QVERIFY(tool);
    QCOMPARE(tool->title(), QStringLiteral("Display EDID Tool"));
    QCOMPARE(tool->actions().size(), 2);
    QCOMPARE(tool->actions().at(0), view);
    QCOMPARE(tool->actions().at(1)->menu(), w.plugin->viewMenu());
    QCOMPARE(w.plugin->viewMenu()->title(), QStringLiteral("View"));

    // One page in the program's stack: the load page, no button yet.
    QCOMPARE(w.stack->count(), 1);
    QCOMPARE(w.stack->widget(0), w.plugin->workspace());
    QCOMPARE(w.plugin->titleLabel()->text(), QStringLiteral("Load EDID From Device"));
    QCOMPARE(w.navigation(), QString());
    QCOMPARE(w.plugin->pageStack()->currentWidget(), w.plugin->loadForm());

    // The model reaches both forms; the hex view's show/hide action goes into "View".
    w.bind();
    QCOMPARE(w.plugin->deviceManager(), w.model.manager());
    QCOMPARE(w.plugin->loadForm()->systemManager(), w.model.system.get());
    QCOMPARE(w.plugin->saveForm()->systemManager(), w.model.system.get());
    QCOMPARE(w.plugin->viewMenu()->actions(),
             QList<QAction *>{w.plugin->viewForm()->dock()->toggleViewAction()});
    QVERIFY(w.plugin->loadForm()->deviceSelectWidget()->tree()->topLevelItemCount() > 0);

    // Triggering the action brings the workspace to the front.
    auto *other = new QWidget;
    w.stack->addWidget(other);
    w.stack->setCurrentWidget(other);
    view->trigger();
    QCOMPARE(w.stack->currentWidget(), w.plugin->workspace());
    QCOMPARE(w.statusBar.currentMessage(), QStringLiteral("Edid Viewer"));
}

void tst_VyrEdidViewPlugIn::navigation_data()
{
    QTest::addColumn<QString>("picked"); // the load page's device tree item; empty: none
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("buttons");

    const QString load = QStringLiteral("Load EDID From Device");
    const QString view = QStringLiteral("View EDID");
    const QString save = QStringLiteral("Save EDID to File");
    const QString viewButtons = QStringLiteral("prev:Load next:Save");
    const QString saveButtons = QStringLiteral("start:Load prev:View done:Save");

    QTest::newRow("load, nothing picked") << "" << QStringList() << load << "";
    QTest::newRow("load, system picked") << "local system" << QStringList() << load << "";
    QTest::newRow("load, device picked") << "GPU" << QStringList() << load << "";
    QTest::newRow("load, display picked") << "HDMI (0)" << QStringList() << load << "next:View";
    QTest::newRow("view") << "HDMI (0)" << QStringList{"View"} << view << viewButtons;
    QTest::newRow("save") << "HDMI (0)" << QStringList{"View", "Save"} << save << saveButtons;
    QTest::newRow("save, back to view")
        << "HDMI (0)" << QStringList{"View", "Save", "View"} << view << viewButtons;
    QTest::newRow("view, back to load")
        << "HDMI (0)" << QStringList{"View", "Load"} << load << "next:View";
    QTest::newRow("save, start over")
        << "HDMI (0)" << QStringList{"View", "Save", "Load"} << load << "next:View";
}

void tst_VyrEdidViewPlugIn::navigation()
{
    QFETCH(QString, picked);
    QFETCH(QStringList, clicks);
    QFETCH(QString, title);
    QFETCH(QString, buttons);

    Workspace w;
    QVERIFY(w.model.ready());
    w.bind();
    if (!picked.isEmpty())
        QVERIFY(w.pick(picked));
    for (const QString &caption : clicks)
        QVERIFY(w.click(caption));

    QCOMPARE(w.plugin->titleLabel()->text(), title);
    QCOMPARE(w.navigation(), buttons);
    const int page = title == QLatin1String("Load EDID From Device") ? 0
                     : title == QLatin1String("View EDID")           ? 1
                                                                     : 2;
    QCOMPARE(w.plugin->pageIndex(), page);
    const QList<QWidget *> pages{w.plugin->loadForm(), w.plugin->viewForm(), w.plugin->saveForm()};
    QCOMPARE(w.plugin->pageStack()->currentWidget(), pages.at(page));
    if (page == 1)
        QVERIFY(w.plugin->viewForm()->rootItem());
}

void tst_VyrEdidViewPlugIn::prevAndNextStopAtTheEnds()
{
    Workspace w;
    w.bind();
    QVERIFY(w.pick(QStringLiteral("HDMI (0)")));
    w.plugin->onPrev();
    QCOMPARE(w.plugin->pageIndex(), 0);
    QCOMPARE(w.navigation(), QStringLiteral("next:View"));
    w.plugin->onNext();
    w.plugin->onNext();
    w.plugin->onNext();
    QCOMPARE(w.plugin->pageIndex(), 2);
    QCOMPARE(w.plugin->titleLabel()->text(), QStringLiteral("Save EDID to File"));
    QCOMPARE(w.navigation(), QStringLiteral("start:Load prev:View done:Save"));
}

void tst_VyrEdidViewPlugIn::displayFlagShowsOnlyOnTheLoadPage()
{
    Workspace w;
    w.bind();
    QVERIFY(w.pick(QStringLiteral("HDMI (0)")));
    QVERIFY(w.click(QStringLiteral("View")));
    // The pick is cleared while the view page is up: its buttons stay.
    QVERIFY(w.pick(QStringLiteral("local system")));
    QVERIFY(!w.plugin->displaySelected());
    QCOMPARE(w.navigation(), QStringLiteral("prev:Load next:Save"));
    // Back on the load page there is no way on.
    QVERIFY(w.click(QStringLiteral("Load")));
    QCOMPARE(w.navigation(), QString());
}

void tst_VyrEdidViewPlugIn::rebuildReturnsToTheLoadPage()
{
    Workspace w;
    w.bind();
    QVERIFY(w.pick(QStringLiteral("HDMI (0)")));
    QVERIFY(w.click(QStringLiteral("View")));
    QVERIFY(w.click(QStringLiteral("Save")));
    QCOMPARE(w.plugin->pageIndex(), 2);

    // Reacts once, however often the model is handed over.
    w.bind();
    QSignalSpy rebuilt(w.model.manager(), &VyrDeviceManager::configurationChangedSignal);
    w.model.manager()->Refresh(false);
    QCOMPARE(rebuilt.count(), 1);

    QCOMPARE(w.plugin->pageIndex(), 0);
    QCOMPARE(w.plugin->titleLabel()->text(), QStringLiteral("Load EDID From Device"));
    QCOMPARE(w.plugin->pageStack()->currentWidget(), w.plugin->loadForm());
    // The load tree shows the new model with its system item current: nothing to view.
    QTreeWidget *tree = w.plugin->loadForm()->deviceSelectWidget()->tree();
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QCOMPARE(w.navigation(), QString());
    QVERIFY(w.pick(QStringLiteral("DP (2)")));
    QCOMPARE(w.model.manager()->selection().display, w.model.display(2));
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(w.plugin->pageIndex(), 1);
}

void tst_VyrEdidViewPlugIn::layoutSwitchKeepsViewInStep_data()
{
    QTest::addColumn<unsigned int>("option"); // the load tree's option
    QTest::addColumn<QString>("picked");
    QTest::addColumn<bool>("offDesktop"); // the driver takes the HDMI display off the desktop
    QTest::addColumn<int>("viewed");      // the display whose EDID "View" shows; -1: no "View"

    QTest::newRow("enabled display") << 8u << "HDMI (0)" << false << 0;
    QTest::newRow("display not enabled") << 8u << "DVI (1)" << false << 1;
    QTest::newRow("display taken off the desktop") << 8u << "HDMI (0)" << true << -1;
    QTest::newRow("branch") << 0u << "Branch Device" << false << -1;
}

void tst_VyrEdidViewPlugIn::layoutSwitchKeepsViewInStep()
{
    QFETCH(unsigned int, option);
    QFETCH(QString, picked);
    QFETCH(bool, offDesktop);
    QFETCH(int, viewed);

    Workspace w;
    w.bind();
    w.stack->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.stack.get()));
    VyrDeviceSelectWidget *select = w.plugin->loadForm()->deviceSelectWidget();
    select->SetViewOption(option);
    // Another display was picked and viewed first.
    QVERIFY(w.pick(QStringLiteral("DP (2)")));
    QVERIFY(w.click(QStringLiteral("View")));
    QVERIFY(w.click(QStringLiteral("Load")));
    QVERIFY(w.pick(picked));
    QCOMPARE(w.navigation(), QStringLiteral("next:View"));
    if (offDesktop)
        QVERIFY(w.model.display(0)->Disable());

    VyrTest::clickButton(select->desktopViewButton());
    QCOMPARE(select->tree()->headerItem()->text(0), QStringLiteral("Desktop View"));
    QTreeWidgetItem *current = select->tree()->currentItem();
    if (viewed < 0) {
        // Gone from the new layout: nothing picked, no "View".
        QCOMPARE(current, nullptr);
        QCOMPARE(w.navigation(), QString());
        QVERIFY(!w.plugin->displaySelected());
        QCOMPARE(w.model.manager()->selection().display, nullptr);
        QCOMPARE(w.model.manager()->selection().branch, nullptr);
        return;
    }
    // Still picked in the new layout, and "View" shows that display's EDID.
    QVERIFY(current);
    QCOMPARE(current->text(0), picked);
    QVERIFY(current->isSelected());
    QCOMPARE(w.navigation(), QStringLiteral("next:View"));
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(w.plugin->pageIndex(), 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.plugin->viewForm()->edid()), 512),
             QByteArray(reinterpret_cast<const char *>(w.model.display(viewed)->edid()), 512));
}

void tst_VyrEdidViewPlugIn::editSurvivesSaveAndView()
{
    Workspace w;
    w.bind();
    w.stack->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.stack.get()));
    QVERIFY(w.pick(QStringLiteral("HDMI (0)")));
    const QByteArray displayEdid(reinterpret_cast<const char *>(w.model.display(0)->edid()), 512);
    QVERIFY(w.click(QStringLiteral("View")));
    VyrEdidViewForm *form = w.plugin->viewForm();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(form->edid()), 512), displayEdid);

    // The user changes the year of manufacture (byte 17: year - 1990).
    QLineEdit *year = editorOf(form, YearRow);
    QVERIFY(year);
    VyrTest::typeAndConfirm(year, QStringLiteral("2016"));
    QCOMPARE(form->edid()[17], static_cast<unsigned char>(26));

    // Save and back: the tree is built again from the edited image.
    QVERIFY(w.click(QStringLiteral("Save")));
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(form->edid()[17], static_cast<unsigned char>(26));
    year = editorOf(form, YearRow);
    QVERIFY(year);
    QCOMPARE(year->text(), QStringLiteral("2016"));

    // Load and View again: the display's EDID, read anew.
    QVERIFY(w.click(QStringLiteral("Load")));
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(form->edid()), 512), displayEdid);
}

void tst_VyrEdidViewPlugIn::viewWithoutEdidStaysOnTheLoadPage()
{
    Workspace w;
    w.bind();
    VyrTest::RecordingUiService ui;
    // A branch counts as a display pick, but it has no EDID of its own.
    w.plugin->loadForm()->deviceSelectWidget()->SetViewOption(0);
    QVERIFY(w.pick(QStringLiteral("Branch Device")));
    QCOMPARE(w.navigation(), QStringLiteral("next:View"));
    QVERIFY(w.click(QStringLiteral("View")));

    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().title, QStringLiteral("View EDID"));
    QCOMPARE(w.plugin->pageIndex(), 0);
    QCOMPARE(w.plugin->titleLabel()->text(), QStringLiteral("Load EDID From Device"));
    QCOMPARE(w.navigation(), QStringLiteral("next:View"));
    QVERIFY(!w.plugin->viewForm()->rootItem());
}

void tst_VyrEdidViewPlugIn::doneHandsTheImageToTheSavePage()
{
    Workspace w;
    w.bind();
    VyrTest::RecordingUiService ui;
    // Nothing viewed yet: refused with a message.
    w.plugin->onFinish();
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().title, QStringLiteral("Save EDID"));

    QVERIFY(w.pick(QStringLiteral("HDMI (0)")));
    QVERIFY(w.click(QStringLiteral("View")));
    QVERIFY(w.click(QStringLiteral("Save")));
    QVERIFY(w.click(QStringLiteral("Save")));
    const QByteArray viewed(reinterpret_cast<const char *>(w.plugin->viewForm()->edid()), 512);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.plugin->saveForm()->image()), 512),
             viewed);
    // No file name yet: the save page says so.
    QCOMPARE(ui.messages().size(), 2);
    QCOMPARE(ui.lastMessage().title, QStringLiteral("Failed to save EDID to file"));
    QVERIFY(ui.lastMessage().text.startsWith(QStringLiteral("No file name was given.")));
}

// An EDID longer than the image: the view page says once, in the status bar and the log, how
// many blocks it announces and how many the image keeps, and the save names the blocks it did
// not write. An EDID that fits, unknown blocks and all, is shown without a word.
void tst_VyrEdidViewPlugIn::longEdidIsToldOnce()
{
    Workspace w(QStringLiteral("longedid.json"));
    w.bind();
    VyrTest::RecordingUiService ui;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString told = QStringLiteral("The EDID announces 6 blocks; the 512-byte image keeps 4 "
                                        "of them, the last 2 are left out and will not be saved.");
    const auto toldLines = [&w, &told]() { return w.logger.take().filter(told).size(); };
    QVERIFY(w.pick(QStringLiteral("Six Blocks (0)")));
    w.logger.take();
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(w.statusBar.currentMessage(), told);
    QCOMPARE(toldLines(), 1);
    QCOMPARE(w.plugin->viewForm()->rootItem()->blockCount(), 4u);

    QVERIFY(w.click(QStringLiteral("Save")));
    const QString file = dir.filePath(QStringLiteral("six.bin"));
    w.plugin->saveForm()->findChild<QLineEdit *>(QStringLiteral("lineEditFileName"))->setText(file);
    QVERIFY(w.click(QStringLiteral("Save")));
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Warning);
    QCOMPARE(ui.lastMessage().text,
             "Edid saved to " + file
                 + "\nThe last 2 of the 6 blocks the EDID announces were not written: they do "
                   "not fit into the 512-byte image.");
    QCOMPARE(VyrTest::readFile(file).size(), 512);

    // Back to the same image: nothing said again.
    w.statusBar.clearMessage();
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(toldLines(), 0);
    QCOMPARE(w.statusBar.currentMessage(), QString());

    // Four blocks, a block map first: every block is kept and shown.
    QVERIFY(w.click(QStringLiteral("Load")));
    QVERIFY(w.pick(QStringLiteral("Block Map (1)")));
    QVERIFY(w.click(QStringLiteral("View")));
    QCOMPARE(w.statusBar.currentMessage(), QString());
    QCOMPARE(w.logger.take().filter(QStringLiteral("announces")), QStringList());
    VyrEdidMainItem *root = w.plugin->viewForm()->rootItem();
    QCOMPARE(root->blockCount(), 4u);
    QCOMPARE(root->child(1)->text(0), QStringLiteral("Unknown Extension (Tag 0xF0)"));
}

void tst_VyrEdidViewPlugIn::withoutModelOrPageStack()
{
    // No device plug-in: the forms stay empty, the pages still work.
    {
        Workspace w;
        VyrTest::RecordingUiService ui;
        w.plugin->setSystemManager(nullptr);
        QCOMPARE(w.plugin->deviceManager(), nullptr);
        QCOMPARE(w.plugin->loadForm()->deviceSelectWidget()->tree()->topLevelItemCount(), 0);
        w.plugin->onNext();
        w.plugin->onFinish();
        QCOMPARE(w.plugin->pageIndex(), 0);
        QCOMPARE(ui.messages().size(), 2);
    }
    // No page stack: the action and the menu, but no pages; nothing fails.
    Workspace w(QStringLiteral("devicetree.json"), false);
    QVERIFY(w.plugin->viewAction());
    QCOMPARE(w.pluginMenu.actions().size(), 1);
    QVERIFY(!w.plugin->loadForm());
    w.bind();
    w.plugin->onNext();
    w.plugin->onFinish();
    w.plugin->viewAction()->trigger();
    QCOMPARE(w.statusBar.currentMessage(), QStringLiteral("Edid Viewer"));
    w.model.manager()->Refresh(false);
    QCOMPARE(w.plugin->pageIndex(), 0);
}

QTEST_MAIN(tst_VyrEdidViewPlugIn)
#include "tst_vyredidviewplugin.moc"
