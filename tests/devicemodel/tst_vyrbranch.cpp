#include "adapter.h"
#include "devicemodeltestsupport.h"
#include "display.h"
#include "dpcdtabledata.h"
#include "vyrbranch.h"
#include "vyrdevice.h"

#include <QtTest>

using namespace DeviceModelTest;

namespace {

QList<int> childIndexes(const VyrBranch *branch)
{
    return indexes(branch->children);
}

} // namespace

// The MST branches of a device: one per topology, rooted at its topmost display, with the
// displays of the tree as children; the relative address and GUID texts of MST displays.
class tst_VyrBranch : public QObject
{
    Q_OBJECT

private slots:
    void demoMonitorsHangUnderOneBranch();
    void branchesPerTree();
    void parentsAndChildren();
    void addressTexts_data();
    void addressTexts();
    void refreshReplacesTheBranches();
};

void tst_VyrBranch::demoMonitorsHangUnderOneBranch()
{
    SimulatedMachine machine;
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    QCOMPARE(indexes(device->mstDisplays()), (QList<int>{2, 3}));
    QCOMPARE(device->branches().size(), 1);
    const VyrBranch *branch = device->branches().first();
    QCOMPARE(branch->treeId, 1);
    QCOMPARE(branch->display->index(), 2);
    QCOMPARE(childIndexes(branch), (QList<int>{2, 3}));
    // The branch reads the DPCD of the branch device through its own snapshot.
    QVERIFY(branch->dpcd != nullptr);
    QVERIFY(branch->dpcd != branch->display->GetDpcd());
    QVERIFY(branch->dpcd->IsBranch());
    QVERIFY(branch->dpcd->Update() > 0);
    QCOMPARE(branch->dpcd->GetValueByAddress(0x005), 0x01u); // MST capable
    // The integrated device has no MST display.
    QVERIFY(manager->devices().at(1)->branches().isEmpty());
}

void tst_VyrBranch::branchesPerTree()
{
    SimulatedMachine machine(QStringLiteral("mst.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    // The display with a one-byte address has no place in a tree.
    QCOMPARE(indexes(device->mstDisplays()), (QList<int>{0, 1, 2}));
    QCOMPARE(device->branches().size(), 2);
    // Tree 1: the display with the shorter address is the root, although it comes second.
    const VyrBranch *first = device->branches().at(0);
    QCOMPARE(first->treeId, 1);
    QCOMPARE(first->display->index(), 1);
    QCOMPARE(childIndexes(first), (QList<int>{0, 1}));
    const VyrBranch *second = device->branches().at(1);
    QCOMPARE(second->treeId, 2);
    QCOMPARE(second->display->index(), 2);
    QCOMPARE(childIndexes(second), (QList<int>{2}));
    QVERIFY(device->isBranchAlreadyAdded(first));
    VyrBranch detached;
    QVERIFY(!device->isBranchAlreadyAdded(&detached));
}

void tst_VyrBranch::parentsAndChildren()
{
    SimulatedMachine machine(QStringLiteral("mst.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    VyrDisplay *deeper = findDisplay(*manager, 0);
    VyrDisplay *top = findDisplay(*manager, 1);
    VyrDisplay *otherTree = findDisplay(*manager, 2);
    VyrDisplay *oneByte = findDisplay(*manager, 3);
    QCOMPARE(deeper->radLength(), 2);
    QCOMPARE(top->radLength(), 1);
    QCOMPARE(oneByte->radLength(), -1);

    QVERIFY(device->mstDisplayHasParent(deeper));
    QVERIFY(!device->mstDisplayHasParent(top));
    QVERIFY(!device->mstDisplayHasParent(otherTree));
    QVERIFY(!device->mstDisplayHasParent(oneByte));

    const VyrBranch *tree1 = device->branches().at(0);
    QVERIFY(device->isChildMstDevice(tree1, deeper));
    QVERIFY(device->isChildMstDevice(tree1, top));
    QVERIFY(!device->isChildMstDevice(tree1, otherTree));
    QVERIFY(device->isMstDisplayAddedToBranch(tree1, deeper));
    QVERIFY(!device->isMstDisplayAddedToBranch(tree1, otherTree));
    QVERIFY(device->isMstDisplayAdded(top));
    QVERIFY(!device->isMstDisplayAdded(oneByte));
}

void tst_VyrBranch::addressTexts_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("rad");
    QTest::addColumn<QString>("guid");
    const QString mst = QStringLiteral("mst.json");
    QTest::newRow("three address bytes")
        << mst << 0 << QStringLiteral("1.2.3") << QStringLiteral("1a0ff102030405060708090a0b0c0");
    QTest::newRow("one address byte")
        << mst << 3 << QStringLiteral("1") << QStringLiteral("0000000000000003");
    QTest::newRow("demo monitor 2") << QString() << 3 << QStringLiteral("1.2")
                                    << QStringLiteral("53494d554c415445444252414e43481");
    QTest::newRow("not MST") << QString() << 1 << QString() << QString();
}

void tst_VyrBranch::addressTexts()
{
    QFETCH(QString, machine);
    QFETCH(int, display);
    QFETCH(QString, rad);
    QFETCH(QString, guid);
    SimulatedMachine simulated(machine);
    QVERIFY(simulated.ready);
    auto manager = simulated.makeManager();
    VyrDisplay *target = findDisplay(*manager, display);
    QCOMPARE(target->GetFormatedRAD(), rad);
    QCOMPARE(target->GetFormatedGUID(), guid);
}

void tst_VyrBranch::refreshReplacesTheBranches()
{
    // The branches of the last refresh are freed (the sanitizer build checks it); the new
    // ones point at the new displays.
    SimulatedMachine machine(QStringLiteral("mst.json"));
    QVERIFY(machine.ready);
    auto manager = machine.makeManager();
    VyrDevice *device = manager->devices().first();
    for (int round = 0; round < 3; ++round) {
        QVERIFY(device->Refresh(false));
        QCOMPARE(device->branches().size(), 2);
        QCOMPARE(childIndexes(device->branches().first()), (QList<int>{0, 1}));
    }
    manager->Refresh(false);
    device = manager->devices().first();
    QCOMPARE(device->branches().size(), 2);
    QVERIFY(device->branches().first()->display == findDisplay(*manager, 1));
}

QTEST_GUILESS_MAIN(tst_VyrBranch)
#include "tst_vyrbranch.moc"
