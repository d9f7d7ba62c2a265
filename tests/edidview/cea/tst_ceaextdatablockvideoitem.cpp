// The video data block edited in place: the descriptor count, the VIC list of each descriptor
// and the native flag, at most one per block.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "locationtext.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTreeWidgetItem>
#include <QtTest>

using CeaTest::Blocks;
using CeaTest::Cea;
using VyrTest::TreeHarness;

namespace {

const QString Video = QStringLiteral("Video Data Block");

QStringList svd(int k)
{
    return {Cea, Blocks, Video, QStringLiteral("[%1]").arg(k)};
}

// Column 0 check state of each descriptor row.
QList<bool> nativeRows(const TreeHarness &h)
{
    QList<bool> states;
    QTreeWidgetItem *block = h.row({Cea, Blocks, Video});
    for (int i = 0; i < block->childCount(); ++i)
        states << (block->child(i)->checkState(0) == Qt::Checked);
    return states;
}

// Collection starts at 132: header 132, descriptors from 133.
const QByteArray ThreeSvds = QByteArray::fromHex("43811005");

} // namespace

class tst_CeaExtDataBlockVideoItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rows();
    void nativeFlag_data();
    void nativeFlag();
    void vicKeepsNative();
    void codesWithoutNativeFlag_data();
    void codesWithoutNativeFlag();
    void raiseCount();
    void lowerCount();
};

void tst_CeaExtDataBlockVideoItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_CeaExtDataBlockVideoItem::rows()
{
    TreeHarness h(CeaTest::imageWithCollection(ThreeSvds));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(h.childTitles({Cea, Blocks, Video}), QStringList({"", "", ""}));
    QCOMPARE(nativeRows(h), QList<bool>({true, false, false}));
    QCOMPARE(h.valueText(svd(0)), "[1] 640x480p@60, 4x3");
    QCOMPARE(h.valueText(svd(1)), "[16] 1920x1080p@60, 16x9");
    QCOMPARE(h.valueText(svd(2)), "[5] 1920x1080i@60, 16x9");
    QCOMPARE(h.valueText({Cea, Blocks, Video}), "3");
    QCOMPARE(VyrTest::locationText(h.locations(svd(2))), "135:1");
    QCOMPARE(h.row(svd(1))->type(), 1114);
    auto *count = qobject_cast<QComboBox *>(h.widget({Cea, Blocks, Video}));
    QVERIFY(count);
    QCOMPARE(count->count(), 32); // 0 to 31, room enough
    auto *vics = qobject_cast<QComboBox *>(h.widget(svd(0)));
    QVERIFY(vics);
    QCOMPARE(vics->count(), 64);
}

// One write per click; the other rows follow quietly.
void tst_CeaExtDataBlockVideoItem::nativeFlag_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QByteArray>("svds");
    QTest::addColumn<QList<bool>>("states");

    QTest::newRow("check another")
        << 2 << true << QByteArray::fromHex("011085") << QList<bool>({false, false, true});
    QTest::newRow("uncheck the native")
        << 0 << false << QByteArray::fromHex("011005") << QList<bool>({false, false, false});
}

void tst_CeaExtDataBlockVideoItem::nativeFlag()
{
    QFETCH(int, row);
    QFETCH(bool, checked);
    QFETCH(QByteArray, svds);
    QFETCH(QList<bool>, states);

    TreeHarness h(CeaTest::imageWithCollection(ThreeSvds));
    QSignalSpy writes(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    QVERIFY(h.tick(svd(row), checked));
    h.settle();
    QCOMPARE(writes.count(), 1);
    QCOMPARE(h.image().mid(133, 3), svds);
    QCOMPARE(nativeRows(h), states);
}

void tst_CeaExtDataBlockVideoItem::vicKeepsNative()
{
    TreeHarness h(CeaTest::imageWithCollection(ThreeSvds));
    QVERIFY(h.choose(svd(0), "[4] 1280x720p@60, 16x9"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {133});
    QCOMPARE(static_cast<unsigned char>(h.image().at(133)), 0x84);
}

// Only codes of VICs 1 to 64 carry a native flag (bytes 0x81-0xC0 are native VICs 1-64):
// VIC 97 (0x61), VIC 118 (0x76), VIC 193 (0xC1) and VIC 219 (0xDB) show as themselves, have no
// check box and are never rewritten by another descriptor's tick.
void tst_CeaExtDataBlockVideoItem::codesWithoutNativeFlag_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("action"); // "tick", "untick" or an entry of the VIC list
    QTest::addColumn<QByteArray>("svds");

    QTest::newRow("tick VIC 4") << 5 << "tick" << QByteArray::fromHex("106176dbc1845f");
    QTest::newRow("untick VIC 16") << 0 << "untick" << QByteArray::fromHex("106176dbc1045f");
    QTest::newRow("VIC 219 becomes VIC 3, not native")
        << 3 << "[3] 720x480p@60, 16x9" << QByteArray::fromHex("906176 03 c1045f");
    QTest::newRow("VIC 97 becomes VIC 5")
        << 1 << "[5] 1920x1080i@60, 16x9" << QByteArray::fromHex("900576dbc1045f");
    QTest::newRow("VIC 193 chosen again")
        << 4 << "VIC 193" << QByteArray::fromHex("906176dbc1045f");
}

void tst_CeaExtDataBlockVideoItem::codesWithoutNativeFlag()
{
    QFETCH(int, row);
    QFETCH(QString, action);
    QFETCH(QByteArray, svds);
    const QByteArray stored = QByteArray::fromHex("906176dbc1045f");
    TreeHarness h(CeaTest::imageWithCollection(char(0x47) + stored));
    const QStringList shown{"[16] 1920x1080p@60, 16x9", "VIC 97", "VIC 118", "VIC 219", "VIC 193",
                            "[4] 1280x720p@60, 16x9",   "VIC 95"};
    const QList<bool> boxes{true, false, false, false, false, true, false};
    for (int k = 0; k < shown.size(); ++k) {
        QCOMPARE(h.valueText(svd(k)), shown.at(k));
        QCOMPARE(h.row(svd(k))->data(0, Qt::CheckStateRole).isValid(), boxes.at(k));
    }
    auto *list = qobject_cast<QComboBox *>(h.widget(svd(3)));
    QVERIFY(list);
    QCOMPARE(list->count(), 65); // the 64 VICs it can name and the one stored

    if (action == QLatin1String("tick") || action == QLatin1String("untick"))
        QVERIFY(h.tick(svd(row), action == QLatin1String("tick")));
    else
        QVERIFY(h.choose(svd(row), action));
    h.settle();
    QCOMPARE(h.image().mid(133, stored.size()), svds);
    // Every row shows what a tree built afresh from the bytes shows.
    TreeHarness fresh(h.image());
    QCOMPARE(h.shownRows(), fresh.shownRows());
}

// Edits made before stay; the new descriptors are VIC 1, not native.
void tst_CeaExtDataBlockVideoItem::raiseCount()
{
    TreeHarness h(CeaTest::imageWithCollection(QByteArray::fromHex("428510")));
    QVERIFY(h.choose(svd(1), "[3] 720x480p@60, 16x9"));
    QVERIFY(h.choose({Cea, Blocks, Video}, "4"));
    h.settle();
    QCOMPARE(h.image().mid(132, 5), QByteArray::fromHex("4485030101"));
    QCOMPARE(nativeRows(h), QList<bool>({true, false, false, false}));
    QCOMPARE(h.valueText(svd(3)), "[1] 640x480p@60, 4x3");
}

void tst_CeaExtDataBlockVideoItem::lowerCount()
{
    TreeHarness h(CeaTest::imageWithCollection(ThreeSvds));
    QVERIFY(h.choose({Cea, Blocks, Video}, "1"));
    h.settle();
    QCOMPARE(h.image().mid(132, 2), QByteArray::fromHex("4181"));
    QCOMPARE(h.childTitles({Cea, Blocks, Video}), QStringList({""}));
}

QTEST_MAIN(tst_CeaExtDataBlockVideoItem)
#include "tst_ceaextdatablockvideoitem.moc"
