#include "adapter.h"
#include "devicetreetestsupport.h"
#include "plugin/vyrdeviceselecttree.h"
#include "vyradapteritem.h"
#include "vyrbranch.h"
#include "vyrbranchitem.h"
#include "vyrdeviceitem.h"
#include "vyrdevicetreeicons.h"
#include "vyrdisplayitem.h"
#include "vyrsystemitem.h"

#include <QHeaderView>
#include <QIcon>
#include <QtTest>

using DeviceTreeTest::Model;
using DeviceTreeTest::outline;

namespace {

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(24, 24).toImage();
}

// The type an item of devicetree.json must have, by its text.
int expectedType(const QString &text)
{
    if (text == QLatin1String("local system"))
        return VyrSystemItem::Type;
    if (text.startsWith(QLatin1String("GPU")))
        return VyrDeviceItem::Type;
    if (text == QLatin1String("A0") || text == QLatin1String("A1"))
        return VyrAdapterItem::Type;
    if (text.startsWith(QLatin1String("Branch")))
        return VyrBranchItem::Type;
    return VyrDisplayItem::Type;
}

} // namespace

// The device tree over the simulated driver: the two layouts and the option bits 0-3, the
// texts, colours and icons of the items, the pointers they carry.
class tst_VyrDeviceSelectTree : public QObject
{
    Q_OBJECT

private slots:
    void withoutModelOnlyTheHeader();
    void layout_data();
    void layout();
    void managerWithoutDevices();
    void sameOptionKeepsTheItems();
    void desktopViewAsksTheDriver();
    void iconTable_data();
    void iconTable();
    void itemLooks_data();
    void itemLooks();
    void disabledDeviceIsRed();
};

void tst_VyrDeviceSelectTree::withoutModelOnlyTheHeader()
{
    VyrDeviceSelectTree tree(0);
    QCOMPARE(tree.headerItem()->text(0), QStringLiteral("Device View"));
    QCOMPARE(tree.topLevelItemCount(), 0);
    QCOMPARE(tree.iconSize(), QSize(24, 24));

    tree.SetViewOption(VyrDeviceViewOption::DesktopView);
    QCOMPARE(tree.headerItem()->text(0), QStringLiteral("Desktop View"));

    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    tree.SetSystemManager(model.system.get());
    QCOMPARE(tree.topLevelItemCount(), 1);
    // Null takes the model away again; the header stays.
    tree.SetSystemManager(nullptr);
    QCOMPARE(tree.topLevelItemCount(), 0);
    QCOMPARE(tree.headerItem()->text(0), QStringLiteral("Desktop View"));
}

void tst_VyrDeviceSelectTree::layout_data()
{
    QTest::addColumn<unsigned int>("option");
    QTest::addColumn<QString>("deviceChildren");

    // Device View: enabled displays in adapter order, then the not enabled ones, then the
    // branch. Desktop View: the not enabled displays, then each active adapter with its
    // enabled displays; bit 3 does not matter there.
    const QString all = QStringLiteral("HDMI (0), DP (2), DVI (1), Branch Device [1a]");
    const QString desktop = QStringLiteral("DVI (1), A0(HDMI (0)), A1(DP (2))");
    QTest::newRow("0 device view") << 0u << all;
    QTest::newRow("1 desktop view") << 1u << desktop;
    QTest::newRow("2 device view, no children") << 2u << "";
    QTest::newRow("3 desktop view, no children") << 3u << "";
    QTest::newRow("4 device view, no displays") << 4u << "Branch Device [1a]";
    QTest::newRow("5 desktop view, no displays") << 5u << "A0, A1";
    QTest::newRow("6 no children, no displays") << 6u << "";
    QTest::newRow("7 desktop, no children, no displays") << 7u << "";
    QTest::newRow("8 device view, no branches") << 8u << "HDMI (0), DP (2), DVI (1)";
    QTest::newRow("9 desktop view, bit 3 ignored") << 9u << desktop;
    QTest::newRow("10 no children, no branches") << 10u << "";
    QTest::newRow("11 desktop, no children, no branches") << 11u << "";
    QTest::newRow("12 device view, no displays, no branches") << 12u << "";
    QTest::newRow("13 desktop, no displays, no branches") << 13u << "A0, A1";
    QTest::newRow("14 all but the layout bit") << 14u << "";
    QTest::newRow("15 all bits") << 15u << "";
}

void tst_VyrDeviceSelectTree::layout()
{
    QFETCH(unsigned int, option);
    QFETCH(QString, deviceChildren);

    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceSelectTree tree(option);
    tree.SetSystemManager(model.system.get());

    QCOMPARE(tree.headerItem()->text(0),
             (option & 1) ? QStringLiteral("Desktop View") : QStringLiteral("Device View"));
    const QString device = QStringLiteral("GPU on PCI_BUS 1");
    QCOMPARE(outline(&tree),
             QStringLiteral("local system(%1)")
                 .arg(deviceChildren.isEmpty() ? device
                                               : device + QLatin1Char('(') + deviceChildren + ')'));
    QVERIFY(DeviceTreeTest::allExpanded(&tree));

    // Each item is of its class and carries the manager, the device and its own object.
    VyrDeviceManager *manager = model.manager();
    VyrDevice *gpu = manager->devices().value(0);
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        QTreeWidgetItem *item = *it;
        QCOMPARE(item->type(), expectedType(item->text(0)));
        if (auto *system = dynamic_cast<VyrSystemItem *>(item)) {
            QCOMPARE(system->deviceManager(), manager);
        } else if (auto *deviceItem = dynamic_cast<VyrDeviceItem *>(item)) {
            QCOMPARE(deviceItem->deviceManager(), manager);
            QCOMPARE(deviceItem->device(), gpu);
        } else if (auto *adapter = dynamic_cast<VyrAdapterItem *>(item)) {
            QCOMPARE(adapter->deviceManager(), manager);
            QCOMPARE(adapter->device(), gpu);
            QVERIFY(adapter->adapter() && gpu->adapters().contains(adapter->adapter()));
        } else if (auto *display = dynamic_cast<VyrDisplayItem *>(item)) {
            QCOMPARE(display->deviceManager(), manager);
            QCOMPARE(display->device(), gpu);
            QVERIFY(display->display());
            QVERIFY(
                item->text(0).endsWith(QStringLiteral("(%1)").arg(display->display()->index())));
        } else if (auto *branch = dynamic_cast<VyrBranchItem *>(item)) {
            QCOMPARE(branch->deviceManager(), manager);
            QCOMPARE(branch->device(), gpu);
            QCOMPARE(branch->branch(), gpu->branches().value(0));
        } else {
            QFAIL(qPrintable(QStringLiteral("plain item ") + item->text(0)));
        }
    }
}

void tst_VyrDeviceSelectTree::managerWithoutDevices()
{
    Model model(QStringLiteral("nodevices.json"));
    QVERIFY(model.ready());
    QCOMPARE(model.manager()->GetNumberOfDevices(), 0);
    VyrDeviceSelectTree tree(0);
    tree.SetSystemManager(model.system.get());
    QCOMPARE(outline(&tree), QStringLiteral("local system"));

    // A system manager that lists no device manager shows nothing.
    VyrSystemManager empty(nullptr);
    tree.SetSystemManager(&empty);
    QCOMPARE(tree.topLevelItemCount(), 0);
}

void tst_VyrDeviceSelectTree::sameOptionKeepsTheItems()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    VyrDeviceSelectTree tree(0);
    tree.SetSystemManager(model.system.get());
    // Every build clears the tree first.
    QSignalSpy builds(tree.model(), &QAbstractItemModel::modelAboutToBeReset);
    tree.SetViewOption(0);
    QCOMPARE(builds.count(), 0);
    tree.SetViewOption(VyrDeviceViewOption::NoBranches);
    QCOMPARE(builds.count(), 1);
    QVERIFY(!DeviceTreeTest::findItem(&tree, QStringLiteral("Branch")));
    tree.SetViewOption(VyrDeviceViewOption::NoBranches);
    QCOMPARE(builds.count(), 1);
}

void tst_VyrDeviceSelectTree::desktopViewAsksTheDriver()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    // The driver takes adapter A0 off the desktop; the model is not rebuilt, so the adapter
    // still lists the HDMI display as enabled.
    VyrDisplay *hdmi = model.display(0);
    QVERIFY(hdmi && hdmi->Disable());
    QVERIFY(!hdmi->IsEnabled());
    QVERIFY(hdmi->parentAdapter()->enabledDisplays().contains(hdmi));

    VyrDeviceSelectTree tree(VyrDeviceViewOption::DesktopView);
    tree.SetSystemManager(model.system.get());
    QCOMPARE(outline(&tree),
             QStringLiteral("local system(GPU on PCI_BUS 1(DVI (1), A0, A1(DP (2))))"));

    // The Device View keeps it, with the icon of a display that is not enabled.
    tree.SetViewOption(0);
    QTreeWidgetItem *item = DeviceTreeTest::findItem(&tree, QStringLiteral("HDMI (0)"));
    QVERIFY(item);
    QCOMPARE(iconImage(item->icon(0)),
             iconImage(QIcon(QStringLiteral(":/icons/Images/dpmon_NA.jpg"))));
}

void tst_VyrDeviceSelectTree::iconTable_data()
{
    QTest::addColumn<quint32>("signalType");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("notEnabled");

    const QString dp = QStringLiteral(":/icons/Images/dpmon.jpg");
    const QString dpNa = QStringLiteral(":/icons/Images/dpmon_NA.jpg");
    const QString laptop = QStringLiteral(":/icons/Images/laptop.ico");
    const QString laptopNa = QStringLiteral(":/icons/Images/laptop_NA.ico");
    const QString dfp = QStringLiteral(":/icons/Images/dfp2.jpg");
    const QString dfpNa = QStringLiteral(":/icons/Images/dfp2_NA.jpg");
    const QString other = QStringLiteral(":/icons/Images//dp17mo.jpg");
    const QString otherNa = QStringLiteral(":/icons/Images//dp17mo_NA.jpg");
    QTest::newRow("0 Unknown") << 0u << other << otherNa;
    QTest::newRow("1 CRT") << 1u << other << otherNa;
    QTest::newRow("2 DVI_D") << 2u << dfp << dfpNa;
    QTest::newRow("3 DVI_I") << 3u << dfp << dfpNa;
    QTest::newRow("4 CV_Smart_NA") << 4u << dfp << dfpNa;
    QTest::newRow("5 CV_Smart_JP") << 5u << dfp << dfpNa;
    QTest::newRow("6 CV_Smart_JPN") << 6u << dfp << dfpNa;
    QTest::newRow("7 CV_Smart_NTSC") << 7u << dfp << dfpNa;
    QTest::newRow("8 LVDS") << 8u << laptop << laptopNa;
    QTest::newRow("9 unnamed") << 9u << other << otherNa;
    QTest::newRow("10 HdmiA") << 10u << dp << dpNa;
    QTest::newRow("11 HdmiB") << 11u << dp << dpNa;
    QTest::newRow("12 SVideo") << 12u << other << otherNa;
    QTest::newRow("13 Composite") << 13u << other << otherNa;
    QTest::newRow("14 Component") << 14u << other << otherNa;
    QTest::newRow("15 DisplayPort") << 15u << dp << dpNa;
    QTest::newRow("16 EDP") << 16u << laptop << laptopNa;
    QTest::newRow("17 above 16") << 17u << other << otherNa;
}

void tst_VyrDeviceSelectTree::iconTable()
{
    QFETCH(quint32, signalType);
    QFETCH(QString, enabled);
    QFETCH(QString, notEnabled);

    QCOMPARE(VyrDeviceTreeIcons::display(signalType, true), enabled);
    QCOMPARE(VyrDeviceTreeIcons::display(signalType, false), notEnabled);
    // Both images exist (the double slash reads as one) and tell the two states apart.
    const QImage on = iconImage(QIcon(enabled));
    const QImage off = iconImage(QIcon(notEnabled));
    QVERIFY(!on.isNull() && !off.isNull());
    QVERIFY(on != off);
}

void tst_VyrDeviceSelectTree::itemLooks_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<unsigned int>("option");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QVariant>("background");

    const QVariant none;
    const QVariant white = QColor(Qt::white);
    QTest::newRow("local system") << "devicetree.json" << 0u << "local system"
                                  << ":/icons/Images/computer.ico" << white;
    QTest::newRow("device") << "devicetree.json" << 0u << "GPU on PCI_BUS 1"
                            << ":/icons/Images/device.ico" << white;
    QTest::newRow("adapter") << "devicetree.json" << 1u << "A1"
                             << ":/icons/Images/Ram.png" << none;
    QTest::newRow("branch") << "devicetree.json" << 0u << "Branch Device [1a]"
                            << ":/icons/Images/mst.png" << none;
    QTest::newRow("enabled HDMI") << "devicetree.json" << 0u << "HDMI (0)"
                                  << ":/icons/Images/dpmon.jpg" << none;
    QTest::newRow("DVI not enabled") << "devicetree.json" << 0u << "DVI (1)"
                                     << ":/icons/Images/dfp2_NA.jpg" << none;
    QTest::newRow("enabled DisplayPort") << "devicetree.json" << 0u << "DP (2)"
                                         << ":/icons/Images/dpmon.jpg" << none;
    QTest::newRow("enabled eDP panel") << "" << 0u << "Simulated Laptop Panel (4)"
                                       << ":/icons/Images/laptop.ico" << none;
}

void tst_VyrDeviceSelectTree::itemLooks()
{
    QFETCH(QString, machine);
    QFETCH(unsigned int, option);
    QFETCH(QString, item);
    QFETCH(QString, icon);
    QFETCH(QVariant, background);

    Model model(machine);
    QVERIFY(model.ready());
    VyrDeviceSelectTree tree(option);
    tree.SetSystemManager(model.system.get());
    QTreeWidgetItem *found = DeviceTreeTest::findItem(&tree, item);
    QVERIFY(found);
    QCOMPARE(found->text(0), item);
    QCOMPARE(iconImage(found->icon(0)), iconImage(QIcon(icon)));
    QCOMPARE(found->data(0, Qt::BackgroundRole), background);
}

void tst_VyrDeviceSelectTree::disabledDeviceIsRed()
{
    Model model(QStringLiteral("devicetree.json"));
    QVERIFY(model.ready());
    model.manager()->devices().value(0)->setEnabled(false);
    VyrDeviceSelectTree tree(0);
    tree.SetSystemManager(model.system.get());
    QTreeWidgetItem *device = DeviceTreeTest::findItem(&tree, QStringLiteral("GPU"));
    QVERIFY(device);
    QCOMPARE(device->data(0, Qt::BackgroundRole), QVariant(QColor(Qt::red)));

    // A branch without a tree id shows it as -1.
    VyrBranch unset;
    VyrBranchItem branch(model.manager(), nullptr, &unset);
    QCOMPARE(branch.text(0), QStringLiteral("Branch Device [-1]"));
}

QTEST_MAIN(tst_VyrDeviceSelectTree)
#include "tst_vyrdeviceselecttree.moc"
