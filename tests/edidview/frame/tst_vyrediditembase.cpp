#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidrows.h"
#include "probeitems.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// An item that overrides only what every item must.
class PlainItem : public VyrEdidItemBase
{
public:
    explicit PlainItem(int kind = VyrEdidItemKind::Header)
        : VyrEdidItemBase(nullptr, kind)
    {}
    QList<EdidItemLocation> GetItemLocations() const override { return {}; }
};

TreeHarness::RootFactory probeRoot()
{
    return [](unsigned char *image) { return new Probe::ProbeRoot(image); };
}

Probe::ProbeItem *probeOf(const TreeHarness &h, const QStringList &path = {"Probe"})
{
    return dynamic_cast<Probe::ProbeItem *>(h.row(path));
}

QByteArray probeImage()
{
    // Text 7, box bit clear, list row 1, checked bit set.
    return EdidImageBuilder().edid13().patch(16, {7, 0x80, 1, 0x01}).image();
}

} // namespace

class tst_VyrEdidItemBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void protocolDefaults();
    void notifyReachesOnlyAnEdidTree_data();
    void notifyReachesOnlyAnEdidTree();
    void destroyedThroughEitherBase_data();
    void destroyedThroughEitherBase();
    void buildingAndVisitingWriteNothing();
    void editorsWriteWhatTheUserChose_data();
    void editorsWriteWhatTheUserChose();
    void lineEditorIgnoresUnchangedAndRefusedText();
    void checkStateRelayActsOnRealChangesOnly();
    void refillsReachNoHandler();
    void editRecordWithoutBlockOrRecord();
    void removalCommitsThenDetaches();
    void removedRowsStayQuiet();
};

void tst_VyrEdidItemBase::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidItemBase::protocolDefaults()
{
    PlainItem item(VyrEdidItemKind::ColorChars);
    QVERIFY(!item.InitItems());
    QCOMPARE(item.GetNumberOfExtentions(), 0u);
    item.SetNumberOfExtentions(3);
    QCOMPARE(item.GetNumberOfExtentions(), 0u);
    QCOMPARE(item.GetBlockSize(), 0u);
    QCOMPARE(item.GetSubItemType(), int(VyrEdidItemKind::ColorChars));
    QCOMPARE(item.type(), item.GetSubItemType());
    QCOMPARE(QString::fromLatin1(item.metaObject()->className()),
             QStringLiteral("VyrEdidItemBase"));
    QVERIFY(!item.isDetached());
}

void tst_VyrEdidItemBase::notifyReachesOnlyAnEdidTree_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("notifications");
    QTest::newRow("no tree") << "none" << 0;
    QTest::newRow("plain tree") << "plain" << 0;
    QTest::newRow("EDID tree") << "edid" << 1;
}

void tst_VyrEdidItemBase::notifyReachesOnlyAnEdidTree()
{
    QFETCH(QString, place);
    QFETCH(int, notifications);
    VyrEdidInfoTree edidTree;
    QTreeWidget plainTree;
    QSignalSpy spy(&edidTree, &VyrEdidInfoTree::edidDataChanged);
    auto *item = new PlainItem;
    std::unique_ptr<PlainItem> owner(item);
    if (place == QLatin1String("edid"))
        edidTree.addTopLevelItem(owner.release());
    else if (place == QLatin1String("plain"))
        plainTree.addTopLevelItem(owner.release());
    item->NotifyAtDataChanged();
    QCOMPARE(spy.count(), notifications);
}

void tst_VyrEdidItemBase::destroyedThroughEitherBase_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("delete as tree item") << "treeitem";
    QTest::newRow("deleteLater as object") << "object";
    QTest::newRow("with its tree") << "tree";
}

// A tree deletes its items as tree items, Qt's deleteLater as objects: both must run the whole
// destructor (the sanitizer build checks what is freed).
void tst_VyrEdidItemBase::destroyedThroughEitherBase()
{
    QFETCH(QString, how);
    auto tree = std::make_unique<VyrEdidInfoTree>();
    auto *parent = new PlainItem;
    auto *child = new PlainItem;
    tree->addTopLevelItem(parent);
    parent->addChild(child);
    QSignalSpy parentGone(parent, &QObject::destroyed);
    QSignalSpy childGone(child, &QObject::destroyed);
    if (how == QLatin1String("treeitem")) {
        delete static_cast<QTreeWidgetItem *>(parent);
    } else if (how == QLatin1String("object")) {
        static_cast<QObject *>(parent)->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        tree.reset();
    }
    QCOMPARE(parentGone.count(), 1);
    QCOMPARE(childGone.count(), 1);
    if (tree)
        QCOMPARE(tree->topLevelItemCount(), 0);
}

void tst_VyrEdidItemBase::buildingAndVisitingWriteNothing()
{
    TreeHarness h(probeImage(), probeRoot());
    Probe::ProbeItem *probe = probeOf(h);
    QVERIFY(probe);
    QCOMPARE(h.childTitles({"Probe"}),
             QStringList({"Text", "Box", "List", "Checked", "Erase", "Rebuild"}));
    // The editors show the bytes.
    QCOMPARE(qobject_cast<QLineEdit *>(h.widget({"Probe", "Text"}))->text(), QStringLiteral("7"));
    QVERIFY(!qobject_cast<QCheckBox *>(h.widget({"Probe", "Box"}))->isChecked());
    QCOMPARE(qobject_cast<QComboBox *>(h.widget({"Probe", "List"}))->currentIndex(), 1);
    QCOMPARE(h.row({"Probe", "Checked"})->checkState(0), Qt::Checked);
    // Visiting the line editor without a change, and confirming unchanged text, writes nothing.
    auto *edit = qobject_cast<QLineEdit *>(h.widget({"Probe", "Text"}));
    edit->setFocus();
    QVERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Return);
    h.tree()->setFocus();
    h.settle();
    QCOMPARE(probe->writes, 0);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidItemBase::editorsWriteWhatTheUserChose_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    QTest::newRow("typed, Enter") << "type-enter" << int(Probe::TextByte) << 200;
    QTest::newRow("typed, focus out") << "type-focus" << int(Probe::TextByte) << 200;
    QTest::newRow("box ticked") << "tick" << int(Probe::BoxByte) << 0x81;
    QTest::newRow("list entry chosen") << "choose" << int(Probe::ListByte) << 2;
    QTest::newRow("row unchecked") << "uncheck" << int(Probe::CheckedByte) << 0x00;
}

void tst_VyrEdidItemBase::editorsWriteWhatTheUserChose()
{
    QFETCH(QString, action);
    QFETCH(int, byte);
    QFETCH(int, expected);
    TreeHarness h(probeImage(), probeRoot());
    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    if (action == QLatin1String("type-enter"))
        QVERIFY(h.type({"Probe", "Text"}, "200"));
    else if (action == QLatin1String("type-focus"))
        QVERIFY(h.type({"Probe", "Text"}, "200", TreeHarness::Leave::FocusOut));
    else if (action == QLatin1String("tick"))
        QVERIFY(h.tick({"Probe", "Box"}, true));
    else if (action == QLatin1String("choose"))
        QVERIFY(h.choose({"Probe", "List"}, "two"));
    else
        QVERIFY(h.tick({"Probe", "Checked"}, false));
    h.settle();
    QCOMPARE(probeOf(h)->writes, 1);
    QCOMPARE(notified.count(), 1);
    QCOMPARE(quint8(h.image().at(byte)), quint8(expected));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {byte});
}

void tst_VyrEdidItemBase::lineEditorIgnoresUnchangedAndRefusedText()
{
    TreeHarness h(probeImage(), probeRoot());
    // 256 is past the validator's range: Qt confirms it neither on Enter nor on leaving.
    QVERIFY(h.type({"Probe", "Text"}, "256"));
    QVERIFY(h.type({"Probe", "Text"}, "256", TreeHarness::Leave::FocusOut));
    QCOMPARE(probeOf(h)->writes, 0);
    // Retyping the shown value is a change the user made: written once, the same byte.
    QVERIFY(h.type({"Probe", "Text"}, "7"));
    h.tree()->setFocus();
    h.settle();
    QCOMPARE(probeOf(h)->writes, 1);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidItemBase::checkStateRelayActsOnRealChangesOnly()
{
    TreeHarness h(probeImage(), probeRoot());
    QTreeWidgetItem *row = h.row({"Probe", "Checked"});
    // Qt reports these as itemChanged of the row too; none is a change of the check state.
    row->setText(VyrEdidColumn::Property, QStringLiteral("Checked"));
    row->setText(VyrEdidColumn::Type, QStringLiteral("[FLAG]"));
    row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
    row->setCheckState(VyrEdidColumn::Property, Qt::Checked); // the state it has
    row->setCheckState(VyrEdidColumn::Value, Qt::Unchecked);  // another column
    QCOMPARE(probeOf(h)->writes, 0);
    row->setCheckState(VyrEdidColumn::Property, Qt::Unchecked);
    row->setCheckState(VyrEdidColumn::Property, Qt::Checked);
    QCOMPARE(probeOf(h)->writes, 2);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    // A new relay for the row (as for a row made again at the same address) silences the old.
    int newHandler = 0;
    probeOf(h)->placeCheckState(row, VyrEdidColumn::Property, true,
                                [&newHandler](bool) { ++newHandler; });
    row->setCheckState(VyrEdidColumn::Property, Qt::Unchecked);
    QCOMPARE(newHandler, 1);
    QCOMPARE(probeOf(h)->writes, 2);
}

void tst_VyrEdidItemBase::refillsReachNoHandler()
{
    TreeHarness h(probeImage(), probeRoot());
    Probe::ProbeItem *probe = probeOf(h);
    Probe::ProbeItem::setEditorText(qobject_cast<QLineEdit *>(h.widget({"Probe", "Text"})),
                                    QStringLiteral("99"));
    Probe::ProbeItem::setCheckedQuietly(qobject_cast<QCheckBox *>(h.widget({"Probe", "Box"})),
                                        true);
    Probe::ProbeItem::refillComboBox(qobject_cast<QComboBox *>(h.widget({"Probe", "List"})),
                                     {QStringLiteral("a"), QStringLiteral("b")}, 0);
    // A refilled editor that the user then leaves untouched still writes nothing.
    auto *edit = qobject_cast<QLineEdit *>(h.widget({"Probe", "Text"}));
    edit->setFocus();
    h.tree()->setFocus();
    h.settle();
    QCOMPARE(probe->writes, 0);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidItemBase::editRecordWithoutBlockOrRecord()
{
    TreeHarness h(probeImage(), probeRoot());
    Probe::ProbeItem *probe = probeOf(h);
    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    auto set = [](Probe::ByteField &field) { field.value = 0x55; };
    using Probe::ByteAccess;
    using Probe::ByteField;
    // Without a block: nothing to write, the tree is still told.
    QVERIFY(!probe->editRecord<ByteField>(static_cast<ByteAccess *>(nullptr), &ByteAccess::Get,
                                          &ByteAccess::Set, set, 20u));
    QCOMPARE(notified.count(), 1);
    // A getter that finds no record writes nothing and tells nobody.
    QVERIFY(!probe->editRecord<ByteField>(probe->access(), &ByteAccess::Get, &ByteAccess::Set, set,
                                          127u));
    QCOMPARE(notified.count(), 1);
    QVERIFY(probe->editRecord<ByteField>(probe->access(), &ByteAccess::Get, &ByteAccess::Set, set,
                                         20u));
    QCOMPARE(notified.count(), 2);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {20});
    // A detached item does nothing at all.
    const QByteArray before = h.image();
    VyrEdidRows::detach(probe);
    QVERIFY(!probe->editRecord<ByteField>(
        probe->access(), &ByteAccess::Get, &ByteAccess::Set,
        [](ByteField &field) { field.value = 1; }, 21u));
    QCOMPARE(notified.count(), 2);
    VYR_VERIFY_UNCHANGED(before, h.image());
}

// The erase row removes the probe's rows from inside its own button's signal while the line
// editor holds typed text that was never confirmed: the text is written first, then the rows
// go, and nothing is deleted before the signal has returned.
void tst_VyrEdidItemBase::removalCommitsThenDetaches()
{
    TreeHarness h(probeImage(), probeRoot());
    QPointer<QWidget> edit = h.widget({"Probe", "Text"});
    QPointer<QWidget> button = h.widget({"Probe", "Erase"}, VyrEdidColumn::Action);
    QVERIFY(h.type({"Probe", "Text"}, "42", TreeHarness::Leave::Pending));
    QVERIFY(h.click({"Probe", "Erase"}, VyrEdidColumn::Action));
    QCOMPARE(probeOf(h)->writes, 1);
    QCOMPARE(quint8(h.image().at(Probe::TextByte)), quint8(42));
    QCOMPARE(h.childTitles({"Probe"}), QStringList());
    QVERIFY(button); // still alive: it was clicked
    h.settle();
    QVERIFY(!edit);
    QVERIFY(!button);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {int(Probe::TextByte)});
}

void tst_VyrEdidItemBase::removedRowsStayQuiet()
{
    TreeHarness h(probeImage(), probeRoot());
    Probe::ProbeItem *probe = probeOf(h);
    auto *box = qobject_cast<QCheckBox *>(h.widget({"Probe", "Box"}));
    auto *edit = qobject_cast<QLineEdit *>(h.widget({"Probe", "Text"}));
    QPointer<QCheckBox> boxGuard(box);
    probe->removeChildRows(0);
    QVERIFY(boxGuard); // deleted later
    // Whatever a removed editor still does reaches no handler.
    box->toggle();
    edit->setText(QStringLiteral("1"));
    edit->setModified(true);
    emit edit->editingFinished();
    QCOMPARE(probe->writes, 0);
    h.settle();
    QVERIFY(!boxGuard);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrEdidItemBase)
#include "tst_vyrediditembase.moc"
