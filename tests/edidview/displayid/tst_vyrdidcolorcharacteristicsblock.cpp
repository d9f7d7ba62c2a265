// The DisplayID colour characteristics item: counts, primaries and white points, the
// coordinate type in the revision byte, point edits, and count edits that are refused.

#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "locationtext.h"
#include "recordinguiservice.h"
#include "vyrtestutil.h"

#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Color Characteristics"};
const QStringList Primaries = Item + QStringList{"Primary color information"};
const QStringList WhitePoints = Item + QStringList{"White points"};

// One white point, two primaries; points from 137: (2458, 1379), (0x412, 0x563), (0xdab, 0xefc).
const QByteArray Payload = QByteArray::fromHex("219a3956123456abcdef");

// An extension section at 128: the data block's tag byte at 133, its payload from 136.
QByteArray colourImage(int revision = 0, const QByteArray &payload = Payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x02, revision, payload)
        .image();
}

constexpr int SectionChecksum = 129 + 4 + 13;

} // namespace

class tst_VyrDIDColorCharacteristicsBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowCountsAndPoints();
    void pointEditWritesItsPoint_data();
    void pointEditWritesItsPoint();
    void coordinateTypeIsTheRevisionBit();
    void countChangeRefused();
    void countThatFitsRebuildsThePoints();
};

void tst_VyrDIDColorCharacteristicsBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDColorCharacteristicsBlock::rowsShowCountsAndPoints()
{
    TreeHarness h(colourImage(0x80));
    QCOMPARE(h.childTitles(Item),
             QStringList({"Color coordinate Type", "No. of white points", "No. of white primitives",
                          "Primary color information", "White points"}));
    QCOMPARE(h.valueText(Item + QStringList{"Color coordinate Type"}),
             QStringLiteral("CIE 19376(u`v`)"));
    QCOMPARE(locationText(h.locations(Item + QStringList{"Color coordinate Type"})),
             QStringLiteral("134:1"));
    QCOMPARE(h.valueText(Item + QStringList{"No. of white points"}), QStringLiteral("1"));
    QCOMPARE(h.valueText(Item + QStringList{"No. of white primitives"}), QStringLiteral("2"));
    QCOMPARE(locationText(h.locations(Item + QStringList{"No. of white points"})),
             QStringLiteral("136:1"));
    QCOMPARE(h.childTitles(Primaries),
             QStringList({"X0 or U0", "Y0 or V0", "X1 or U1", "Y1 or V1"}));
    QCOMPARE(h.childTitles(WhitePoints), QStringList({"X2 or U2", "Y2 or V2"}));
    QCOMPARE(h.valueText(Primaries + QStringList{"X0 or U0"}), QStringLiteral("2458"));
    QCOMPARE(h.valueText(Primaries + QStringList{"Y0 or V0"}), QStringLiteral("1379"));
    QCOMPARE(h.valueText(WhitePoints + QStringList{"Y2 or V2"}), QStringLiteral("3836"));
    QCOMPARE(locationText(h.locations(WhitePoints + QStringList{"X2 or U2"})),
             QStringLiteral("143:3"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDColorCharacteristicsBlock::pointEditWritesItsPoint_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("point");
    QTest::newRow("same x") << (Primaries + QStringList{"X0 or U0"}) << "2458" << 137
                            << QByteArray::fromHex("9a3956");
    QTest::newRow("x") << (Primaries + QStringList{"X0 or U0"}) << "100" << 137
                       << QByteArray::fromHex("643056");
    QTest::newRow("y") << (Primaries + QStringList{"Y1 or V1"}) << "4095" << 140
                       << QByteArray::fromHex("12f4ff");
    QTest::newRow("white point") << (WhitePoints + QStringList{"X2 or U2"}) << "0" << 143
                                 << QByteArray::fromHex("00c0ef");
}

void tst_VyrDIDColorCharacteristicsBlock::pointEditWritesItsPoint()
{
    QFETCH(QStringList, row);
    QFETCH(QString, typed);
    QFETCH(int, offset);
    QFETCH(QByteArray, point);
    TreeHarness h(colourImage());
    QVERIFY(h.type(row, typed));
    h.settle();
    QCOMPARE(h.image().mid(offset, 3).toHex(), point.toHex());
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(),
                            {offset, offset + 1, offset + 2, SectionChecksum});
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

void tst_VyrDIDColorCharacteristicsBlock::coordinateTypeIsTheRevisionBit()
{
    TreeHarness h(colourImage());
    QVERIFY(
        h.choose(Item + QStringList{"Color coordinate Type"}, QStringLiteral("CIE 19376(u`v`)")));
    h.settle();
    QCOMPARE(h.image().toHex(), colourImage(0x80).toHex());
    QVERIFY(h.choose(Item + QStringList{"Color coordinate Type"}, QStringLiteral("CIE 1931(x,y)")));
    h.settle();
    QCOMPARE(h.image().toHex(), h.original().toHex());

    // A payload longer than its counted points takes no write: the list goes back at once to
    // the stored type.
    TreeHarness odd(colourImage(0, Payload + QByteArray(1, '\0')));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("the entry cannot be chosen"));
    QVERIFY(!odd.choose(Item + QStringList{"Color coordinate Type"},
                        QStringLiteral("CIE 19376(u`v`)")));
    odd.settle();
    VYR_VERIFY_UNCHANGED(odd.original(), odd.image());
    QCOMPARE(odd.valueText(Item + QStringList{"Color coordinate Type"}),
             QStringLiteral("CIE 1931(x,y)"));
}

void tst_VyrDIDColorCharacteristicsBlock::countChangeRefused()
{
    VyrTest::RecordingUiService ui;
    TreeHarness h(colourImage());
    QVERIFY(h.type(Item + QStringList{"No. of white points"}, QStringLiteral("2")));
    h.settle();
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Warning);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    // The cell shows the count still stored, as a fresh build does.
    QCOMPARE(h.valueText(Item + QStringList{"No. of white points"}), QStringLiteral("1"));
}

// Counts of 2 white points and 2 primaries do not fit the 10 payload bytes: the points are shown
// read-only. One white point fits: the count is written and the point rows follow it.
void tst_VyrDIDColorCharacteristicsBlock::countThatFitsRebuildsThePoints()
{
    QByteArray tooMany = Payload;
    tooMany[0] = '\x22';
    TreeHarness h(colourImage(0, tooMany));
    QCOMPARE(h.childTitles(WhitePoints),
             QStringList({"X2 or U2", "Y2 or V2", "X3 or U3", "Y3 or V3"}));
    QVERIFY(h.type(Item + QStringList{"No. of white points"}, QStringLiteral("1")));
    h.settle();
    QCOMPARE(h.image().mid(136, 10).toHex(), Payload.toHex());
    QCOMPARE(h.childTitles(WhitePoints), QStringList({"X2 or U2", "Y2 or V2"}));
    auto *x = qobject_cast<QLineEdit *>(h.widget(WhitePoints + QStringList{"X2 or U2"}));
    QVERIFY(x);
    QVERIFY(!x->isReadOnly());
    QCOMPARE(x->text(), QStringLiteral("3499"));
}

QTEST_MAIN(tst_VyrDIDColorCharacteristicsBlock)
#include "tst_vyrdidcolorcharacteristicsblock.moc"
