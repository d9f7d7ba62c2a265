#include "adapter.h"
#include "connectwarninghandler.h"
#include "devicetreetestsupport.h"
#include "plugin/vyrdeviceselecttree.h"
#include "plugin/vyrdeviceselectwidget.h"
#include "recordinguiservice.h"
#include "userinput.h"
#include "vyrbranch.h"
#include "vyrdeviceitem.h"
#include "vyrsystemitem.h"

#include <QAction>
#include <QCoreApplication>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

using DeviceTreeTest::findItem;
using DeviceTreeTest::Model;

namespace {

// What the widget's currentItemChanged() found when it arrived.
struct Report
{
    QTreeWidgetItem *current = nullptr;
    VyrDeviceSelection record;
    VyrDeviceManager *selected = nullptr;
    int count = 0;
};

// Records every currentItemChanged() of the widget with the state of the model at that moment.
void watch(VyrDeviceSelectWidget &widget, VyrDeviceManager *manager, VyrSystemManager *system,
           Report &report)
{
    QObject::connect(&widget, &VyrDeviceSelectWidget::currentItemChanged, &widget,
                     [&report, manager, system](QTreeWidgetItem *current) {
                         report.current = current;
                         report.record = manager->selection();
                         report.selected = system->GetSelectedDeviceManager();
                         ++report.count;
                     });
}

QString visibleTexts(const VyrDeviceSelectWidget &widget)
{
    QStringList texts;
    for (QAction *action : widget.visibleContextActions())
        texts << action->text();
    return texts.join(QStringLiteral(", "));
}

QAction *action(const VyrDeviceSelectWidget &widget, const QString &text)
{
    for (QAction *entry : widget.contextActions()) {
        if (entry->text() == text)
            return entry;
    }
    return nullptr;
}

QString recordText(const VyrDeviceSelection &record)
{
    QStringList set;
    if (record.device)
        set << QStringLiteral("device");
    if (record.adapter)
        set << QStringLiteral("adapter");
    if (record.display)
        set << QStringLiteral("display");
    if (record.branch)
        set << QStringLiteral("branch");
    return set.join(QLatin1Char(' '));
}

} // namespace

// The device select widget over the simulated driver: what a pick writes into the model, the
// context menu per item and option bits, the two layouts, refreshing and rebuilding.
class tst_VyrDeviceSelectWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startsEmptyInTheDeviceView();
    void pickWritesTheSelection_data();
    void pickWritesTheSelection();
    void pickSelectsTheManagerFirst();
    void contextMenu_data();
    void contextMenu();
    void contextMenuListsActionsInOrder();
    void radioButtonsSwitchTheLayout_data();
    void radioButtonsSwitchTheLayout();
    void layoutSwitchKeepsThePick_data();
    void layoutSwitchKeepsThePick();
    void refreshButtonRebuildsWithTheSystemCurrent();
    void refreshActionAnnouncesTheNewSystemItem();
    void rebuildOfAnyListedManagerRebuildsTheTree();
    void removeSystem();
    void installDriverAsksForADriverFile();
    void startStopGoesToTheDevice();
    void withoutSystemManagerNothingHappens();
};

void tst_VyrDeviceSelectWidget::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDeviceSelectWidget::cleanupTestCase()
{
    VyrTest::uninstallConnectWarningHandler();
}

void tst_VyrDeviceSelectWidget::startsEmptyInTheDeviceView()
{
    // Everything the widget offers at start follows the option bits: with nothing selected,
    // no context-menu entry, whatever bits allow.
    VyrDeviceSelectWidget widget(0xFF);
    QVERIFY(widget.visibleContextActions().isEmpty());

    VyrDeviceSelectWidget plain(0);
    QVERIFY(plain.deviceViewButton()->isChecked());
    QVERIFY(!plain.desktopViewButton()->isChecked());
    QVERIFY(!plain.deviceViewButton()->isHidden() && !plain.desktopViewButton()->isHidden());
    QCOMPARE(plain.tree()->headerItem()->text(0), QStringLiteral("Device View"));
    QCOMPARE(plain.tree()->topLevelItemCount(), 0);
    QCOMPARE(plain.refreshButton()->toolTip(), QStringLiteral("Refresh Configuration"));
    QVERIFY(!plain.refreshButton()->icon().pixmap(24).isNull());
    QCOMPARE(plain.contextActions().size(), 10);
    QVERIFY(plain.visibleContextActions().isEmpty());
}

void tst_VyrDeviceSelectWidget::pickWritesTheSelection_data()
{
    QTest::addColumn<unsigned int>("option");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("record");

    QTest::newRow("system item leaves the record") << 0u << "local system"
                                                   << "display";
    QTest::newRow("device") << 0u << "GPU"
                            << "device";
    QTest::newRow("adapter") << 1u << "A1"
                             << "adapter";
    QTest::newRow("display") << 0u << "DP (2)"
                             << "display";
    QTest::newRow("branch") << 0u << "Branch"
                            << "branch";
}

void tst_VyrDeviceSelectWidget::pickWritesTheSelection()
{
    QFETCH(unsigned int, option);
    QFETCH(QString, item);
    QFETCH(QString, record);

    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceManager *manager = model.manager();
    VyrDevice *gpu = manager->devices().value(0);
    QVERIFY(gpu && gpu->adapters().size() == 2 && gpu->branches().size() == 1);
    VyrDisplay *earlier = model.display(0);
    // Nothing selected yet but an earlier display pick.
    manager->selection() = VyrDeviceSelection{nullptr, nullptr, earlier, nullptr};
    model.system->SelectDeviceManager(nullptr);
    QCOMPARE(model.system->GetSelectedDeviceManager(), nullptr);

    VyrDeviceSelectWidget widget(option);
    widget.SetSystemManager(model.system.get());
    Report report;
    watch(widget, manager, model.system.get(), report);
    QTreeWidgetItem *picked = findItem(widget.tree(), item);
    QVERIFY(picked);
    widget.tree()->setCurrentItem(picked);

    // When the signal arrives the record holds the picked object alone and the manager is the
    // selected one.
    QCOMPARE(report.count, 1);
    QCOMPARE(report.current, picked);
    QCOMPARE(report.selected, manager);
    QCOMPARE(recordText(report.record), record);
    const VyrDeviceSelection &now = manager->selection();
    if (record == QLatin1String("device"))
        QCOMPARE(now.device, gpu);
    else if (record == QLatin1String("adapter"))
        QCOMPARE(now.adapter, gpu->adapters().at(1));
    else if (record == QLatin1String("display"))
        QCOMPARE(now.display, item.startsWith(QLatin1String("DP")) ? model.display(2) : earlier);
    else
        QCOMPARE(now.branch, gpu->branches().first());
}

void tst_VyrDeviceSelectWidget::pickSelectsTheManagerFirst()
{
    // Two local systems: the second one added is the local one, the first stays selected.
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    std::unique_ptr<VyrDeviceManager> second = model.built.machine.makeManager();
    QVERIFY(model.system->AddDeviceManager(second.get()));
    QCOMPARE(model.system->GetSelectedDeviceManager(), model.manager());

    VyrDeviceSelectWidget widget(0);
    widget.SetSystemManager(model.system.get());
    QCOMPARE(widget.tree()->topLevelItemCount(), 2);
    Report report;
    watch(widget, second.get(), model.system.get(), report);
    QTreeWidgetItem *display = nullptr;
    for (QTreeWidgetItemIterator it(widget.tree()->topLevelItem(1)); *it; ++it) {
        if ((*it)->text(0) == QLatin1String("HDMI (0)"))
            display = *it;
    }
    QVERIFY(display);
    widget.tree()->setCurrentItem(display);
    QCOMPARE(report.count, 1);
    QCOMPARE(report.selected, second.get());
    QCOMPARE(recordText(report.record), QStringLiteral("display"));
    QCOMPARE(report.record.display, DeviceModelTest::findDisplay(*second, 0));
    // The first manager's record is not touched.
    QCOMPARE(recordText(model.manager()->selection()), QString());
}

void tst_VyrDeviceSelectWidget::contextMenu_data()
{
    QTest::addColumn<QString>("item"); // empty: nothing selected
    QTest::addColumn<unsigned int>("option");
    QTest::addColumn<bool>("deviceEnabled");
    QTest::addColumn<QString>("visible");

    const QString system = QStringLiteral("Connect to System, Connect to Android System, "
                                          "Load Configuration, Save Configuration, "
                                          "Refresh Configuration");
    QTest::newRow("nothing selected, all bits") << "" << 0x7Fu << true << "";
    QTest::newRow("system, no bits") << "local system" << 0u << true << "";
    QTest::newRow("system, bit 4") << "local system" << 16u << true << "";
    QTest::newRow("system, bit 5") << "local system" << 32u << true << system;
    QTest::newRow("system, bit 6") << "local system" << 64u << true << "Install Device Driver";
    QTest::newRow("system, bits 4-6")
        << "local system" << 112u << true << system + ", Install Device Driver";
    QTest::newRow("system, load page option") << "local system" << 8u << true << "";
    QTest::newRow("running device, no bits") << "GPU" << 0u << true << "";
    QTest::newRow("running device, bit 4") << "GPU" << 16u << true << "Stop Device, Restart Device";
    QTest::newRow("stopped device, bit 4") << "GPU" << 16u << false << "Start Device";
    QTest::newRow("running device, bit 5") << "GPU" << 32u << true << "";
    QTest::newRow("running device, bit 6") << "GPU" << 64u << true << "Install Device Driver";
    QTest::newRow("running device, bits 4-6")
        << "GPU" << 112u << true << "Install Device Driver, Stop Device, Restart Device";
    QTest::newRow("stopped device, bits 4-6")
        << "GPU" << 112u << false << "Install Device Driver, Start Device";
    QTest::newRow("device, load page option") << "GPU" << 8u << true << "";
    QTest::newRow("adapter, all bits") << "A0" << 0x71u << true << "";
    QTest::newRow("display, all bits") << "HDMI" << 0x70u << true << "";
    QTest::newRow("branch, all bits") << "Branch" << 0x70u << true << "";
}

void tst_VyrDeviceSelectWidget::contextMenu()
{
    QFETCH(QString, item);
    QFETCH(unsigned int, option);
    QFETCH(bool, deviceEnabled);
    QFETCH(QString, visible);

    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    model.manager()->devices().value(0)->setEnabled(deviceEnabled);
    VyrDeviceSelectWidget widget(option);
    widget.SetSystemManager(model.system.get());
    if (!item.isEmpty()) {
        QTreeWidgetItem *picked = findItem(widget.tree(), item);
        QVERIFY(picked);
        widget.tree()->setCurrentItem(picked);
        QVERIFY(picked->isSelected());
    }
    QCOMPARE(visibleTexts(widget), visible);
}

void tst_VyrDeviceSelectWidget::contextMenuListsActionsInOrder()
{
    VyrDeviceSelectWidget widget(0);
    QStringList texts;
    for (QAction *entry : widget.contextActions()) {
        texts << entry->text();
        QCOMPARE(entry->parent(), widget.tree());
    }
    QCOMPARE(texts, QStringList({"Connect to System", "Connect to Android System",
                                 "Load Configuration", "Save Configuration",
                                 "Refresh Configuration", "Remove System", "Install Device Driver",
                                 "Stop Device", "Start Device", "Restart Device"}));
}

void tst_VyrDeviceSelectWidget::radioButtonsSwitchTheLayout_data()
{
    QTest::addColumn<unsigned int>("option");
    QTest::addColumn<bool>("desktop");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("device view") << 0u << false << false;
    QTest::newRow("desktop view") << 1u << true << false;
    QTest::newRow("devices without children") << 2u << false << true;
    QTest::newRow("no displays, desktop view") << 5u << true << true;
    QTest::newRow("no branches") << 8u << false << false;
}

void tst_VyrDeviceSelectWidget::radioButtonsSwitchTheLayout()
{
    QFETCH(unsigned int, option);
    QFETCH(bool, desktop);
    QFETCH(bool, hidden);

    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceSelectWidget widget(0);
    widget.SetSystemManager(model.system.get());
    widget.SetViewOption(option | 0x100u); // only the low 8 bits count
    QCOMPARE(widget.viewOption(), option);
    QCOMPARE(widget.tree()->viewOption(), option);
    QCOMPARE(widget.desktopViewButton()->isChecked(), desktop);
    QCOMPARE(widget.deviceViewButton()->isChecked(), !desktop);
    QCOMPARE(widget.desktopViewButton()->isHidden(), hidden);
    QCOMPARE(widget.deviceViewButton()->isHidden(), hidden);
    if (hidden)
        return;

    // The user clicks the other layout and back: bit 0 follows, the tree is rebuilt each time.
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy builds(widget.tree()->model(), &QAbstractItemModel::modelAboutToBeReset);
    VyrTest::clickButton(desktop ? widget.deviceViewButton() : widget.desktopViewButton());
    QCOMPARE(widget.viewOption(), option ^ 1u);
    QCOMPARE(widget.tree()->headerItem()->text(0),
             desktop ? QStringLiteral("Device View") : QStringLiteral("Desktop View"));
    VyrTest::clickButton(desktop ? widget.desktopViewButton() : widget.deviceViewButton());
    QCOMPARE(widget.viewOption(), option);
    QCOMPARE(builds.count(), 2);
}

void tst_VyrDeviceSelectWidget::layoutSwitchKeepsThePick_data()
{
    QTest::addColumn<unsigned int>("option"); // the layout the pick is made in
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("offDesktop"); // the driver takes the HDMI display off the desktop
    QTest::addColumn<bool>("kept");

    QTest::newRow("enabled display, to the desktop view") << 0u << "HDMI (0)" << false << true;
    QTest::newRow("display not enabled, to the desktop view") << 0u << "DVI (1)" << false << true;
    QTest::newRow("display, to the device view") << 1u << "DP (2)" << false << true;
    QTest::newRow("device") << 0u << "GPU" << false << true;
    QTest::newRow("system") << 1u << "local system" << false << true;
    QTest::newRow("adapter, to the device view") << 1u << "A1" << false << false;
    QTest::newRow("branch, to the desktop view") << 0u << "Branch" << false << false;
    QTest::newRow("display taken off the desktop") << 0u << "HDMI (0)" << true << false;
}

void tst_VyrDeviceSelectWidget::layoutSwitchKeepsThePick()
{
    QFETCH(unsigned int, option);
    QFETCH(QString, item);
    QFETCH(bool, offDesktop);
    QFETCH(bool, kept);

    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceManager *manager = model.manager();
    VyrDeviceSelectWidget widget(option);
    widget.SetSystemManager(model.system.get());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTreeWidgetItem *picked = findItem(widget.tree(), item);
    QVERIFY(picked);
    widget.tree()->setCurrentItem(picked);
    const VyrDeviceSelection record = manager->selection();
    if (offDesktop)
        QVERIFY(model.display(0)->Disable());

    Report report;
    watch(widget, manager, model.system.get(), report);
    VyrTest::clickButton(option ? widget.deviceViewButton() : widget.desktopViewButton());
    QCOMPARE(widget.viewOption(), option ^ 1u);

    // The tree, the record and the last report agree: the same object picked in the new
    // layout, or nothing at all.
    QTreeWidgetItem *current = widget.tree()->currentItem();
    QVERIFY(report.count > 0);
    QCOMPARE(report.current, current);
    if (kept) {
        QVERIFY(current);
        QVERIFY(current->text(0).startsWith(item));
        QVERIFY(current->isSelected());
        QCOMPARE(model.system->GetSelectedDeviceManager(), manager);
        QCOMPARE(recordText(manager->selection()), recordText(record));
        QCOMPARE(manager->selection().display, record.display);
        QCOMPARE(manager->selection().device, record.device);
    } else {
        QCOMPARE(current, nullptr);
        QVERIFY(widget.tree()->selectedItems().isEmpty());
        QCOMPARE(recordText(manager->selection()), QString());
    }
}

void tst_VyrDeviceSelectWidget::refreshButtonRebuildsWithTheSystemCurrent()
{
    Model model;
    QVERIFY(model.ready());
    VyrDeviceManager *manager = model.manager();
    VyrDeviceSelectWidget widget(VyrDeviceViewOption::NoBranches);
    widget.SetSystemManager(model.system.get());
    widget.tree()->setCurrentItem(findItem(widget.tree(), QStringLiteral("Simulated DisplayPort")));
    QVERIFY(manager->selection().display);
    const VyrDevice *before = manager->devices().value(0);

    Report report;
    watch(widget, manager, model.system.get(), report);
    QSignalSpy rebuilt(manager, &VyrDeviceManager::configurationChangedSignal);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::mouseClick(widget.refreshButton(), Qt::LeftButton);

    QCOMPARE(rebuilt.count(), 1);
    QVERIFY(manager->devices().value(0) != before);
    // The tree shows the new model and its system item is current; the last report says so.
    QTreeWidgetItem *current = widget.tree()->currentItem();
    QVERIFY(current);
    QCOMPARE(current->type(), int(VyrSystemItem::Type));
    QCOMPARE(current, widget.tree()->topLevelItem(0));
    QCOMPARE(report.current, current);
    QCOMPARE(recordText(manager->selection()), QString());
    auto *device = dynamic_cast<VyrDeviceItem *>(
        findItem(widget.tree(), QStringLiteral("Simulated Graphics")));
    QVERIFY(device);
    QCOMPARE(device->device(), manager->devices().value(0));
    QCOMPARE(DeviceTreeTest::outline(widget.tree()).count(QStringLiteral("Simulated")), 8);
}

void tst_VyrDeviceSelectWidget::refreshActionAnnouncesTheNewSystemItem()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceSelectWidget widget(VyrDeviceViewOption::SystemActions);
    widget.SetSystemManager(model.system.get());
    widget.tree()->setCurrentItem(widget.tree()->topLevelItem(0));
    QList<QTreeWidgetItem *> announced;
    connect(&widget, &VyrDeviceSelectWidget::refreshConfigSignal, this,
            [&announced](QTreeWidgetItem *item) { announced << item; });
    QSignalSpy rebuilt(model.manager(), &VyrDeviceManager::configurationChangedSignal);
    QAction *refresh = action(widget, QStringLiteral("Refresh Configuration"));
    QVERIFY(refresh && refresh->isVisible());
    refresh->trigger();
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.first(), widget.tree()->topLevelItem(0));

    // Only for a system item.
    widget.tree()->setCurrentItem(findItem(widget.tree(), QStringLiteral("GPU")));
    refresh->trigger();
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(announced.count(), 1);
}

void tst_VyrDeviceSelectWidget::rebuildOfAnyListedManagerRebuildsTheTree()
{
    // The first manager is not the local one; a refresh of it deletes its devices all the same.
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    std::unique_ptr<VyrDeviceManager> local = model.built.machine.makeManager();
    model.system->AddDeviceManager(local.get());
    QCOMPARE(model.system->localDeviceManager(), local.get());

    VyrDeviceSelectWidget widget(VyrDeviceViewOption::DeviceActions
                                 | VyrDeviceViewOption::SystemActions);
    widget.SetSystemManager(model.system.get());
    widget.tree()->setCurrentItem(widget.tree()->topLevelItem(0));
    action(widget, QStringLiteral("Refresh Configuration"))->trigger();

    // The tree shows the first manager's new device; picking it reads the live device.
    VyrDeviceManager *first = model.manager();
    auto *device = dynamic_cast<VyrDeviceItem *>(widget.tree()->topLevelItem(0)->child(0));
    QVERIFY(device);
    QCOMPARE(device->device(), first->devices().value(0));
    widget.tree()->setCurrentItem(device);
    QCOMPARE(visibleTexts(widget), QStringLiteral("Stop Device, Restart Device"));
    QCOMPARE(first->selection().device, first->devices().value(0));
}

void tst_VyrDeviceSelectWidget::removeSystem()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    // A second manager the system manager may delete: added first, so not the local one.
    VyrSystemManager system(nullptr);
    VyrDeviceManager *removable = model.built.machine.makeManager().release();
    system.AddDeviceManager(removable);
    system.AddDeviceManager(model.manager());
    QCOMPARE(system.localDeviceManager(), model.manager());

    VyrDeviceSelectWidget widget(VyrDeviceViewOption::SystemActions);
    widget.SetSystemManager(&system);
    QCOMPARE(widget.tree()->topLevelItemCount(), 2);
    QAction *remove = action(widget, QStringLiteral("Remove System"));

    // The local system stays.
    widget.tree()->setCurrentItem(widget.tree()->topLevelItem(1));
    remove->trigger();
    QCOMPARE(system.count(), 2);
    QCOMPARE(widget.tree()->topLevelItemCount(), 2);

    // Another one goes, and the tree with it.
    widget.tree()->setCurrentItem(widget.tree()->topLevelItem(0));
    remove->trigger();
    QCOMPARE(system.count(), 1);
    QCOMPARE(widget.tree()->topLevelItemCount(), 1);
    QCOMPARE(dynamic_cast<VyrSystemItem *>(widget.tree()->topLevelItem(0))->deviceManager(),
             model.manager());
}

void tst_VyrDeviceSelectWidget::installDriverAsksForADriverFile()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrTest::RecordingUiService ui;
    VyrDeviceSelectWidget widget(VyrDeviceViewOption::InstallAction);
    QAction *install = action(widget, QStringLiteral("Install Device Driver"));
    // No system manager: not even the question.
    install->trigger();
    QVERIFY(ui.fileRequests().isEmpty());

    widget.SetSystemManager(model.system.get());
    install->trigger();
    QCOMPARE(ui.fileRequests().size(), 1);
    QCOMPARE(ui.fileRequests().first().caption, QStringLiteral("Install Driver"));
    QCOMPARE(ui.fileRequests().first().directory, QCoreApplication::applicationDirPath());
    QCOMPARE(ui.fileRequests().first().filter, QStringLiteral("Driver Files(*.inf)"));
    QVERIFY(ui.messages().isEmpty());
}

void tst_VyrDeviceSelectWidget::startStopGoesToTheDevice()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrTest::RecordingUiService ui;
    VyrDeviceSelectWidget widget(VyrDeviceViewOption::DeviceActions);
    widget.SetSystemManager(model.system.get());
    QAction *stop = action(widget, QStringLiteral("Stop Device"));

    // On anything but a device item, nothing.
    widget.tree()->setCurrentItem(widget.tree()->topLevelItem(0));
    stop->trigger();
    QVERIFY(ui.messages().isEmpty());

    // The simulated machine has no device console: the device says so.
    widget.tree()->setCurrentItem(findItem(widget.tree(), QStringLiteral("GPU")));
    stop->trigger();
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().title, QStringLiteral("Start/Stop Device"));
    QCOMPARE(ui.lastMessage().text, QStringLiteral("DevCon not found"));
}

void tst_VyrDeviceSelectWidget::withoutSystemManagerNothingHappens()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceSelectWidget widget(0x7F);
    widget.SetSystemManager(model.system.get());
    widget.SetSystemManager(nullptr);
    QCOMPARE(widget.tree()->topLevelItemCount(), 0);
    QSignalSpy rebuilt(model.manager(), &VyrDeviceManager::configurationChangedSignal);
    widget.refreshButton()->click();
    QCOMPARE(rebuilt.count(), 0);
    for (QAction *entry : widget.contextActions())
        entry->trigger();
    QCOMPARE(rebuilt.count(), 0);
    QCOMPARE(widget.tree()->topLevelItemCount(), 0);
}

QTEST_MAIN(tst_VyrDeviceSelectWidget)
#include "tst_vyrdeviceselectwidget.moc"
