#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidcolorpointitem.h"
#include "items/base/vyredidcolorpointsubitem.h"
#include "locationtext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// Descriptor slot 1 (bytes 72 to 89). White point 0: index, low bits, x, y, gamma at bytes 77
// to 81; white point 1 at 82 to 86.
const int Slot = 1;
const int LowBits = 78;
const int XHigh = 79;
const int YHigh = 80;
const int Gamma = 81;

const QStringList Item{"Base Block", "Descriptors", "Color Point Data"};
const QStringList Point0 = Item + QStringList{"Color Point 0"};
const QStringList Point1 = Item + QStringList{"Color Point 1"};

// White point 0: index 1, x code 321, y code yCode, gamma byte 120; white point 1 unused,
// gamma undefined.
QByteArray imageWith(int yCode = 337)
{
    const int lowBits = (321 & 3) << 2 | (yCode & 3);
    return EdidImageBuilder()
        .edid14()
        .patch(VyrTest::descriptorOffset(Slot),
               VyrTest::displayDescriptor(0xFB, QByteArray::fromHex("01") + char(lowBits)
                                                    + char(321 >> 2) + char(yCode >> 2)
                                                    + QByteArray::fromHex("7800000000ff0a2020")))
        .image();
}

QLineEdit *editor(const TreeHarness &h, const QStringList &path)
{
    return qobject_cast<QLineEdit *>(h.widget(path));
}

QCheckBox *gammaBox(const TreeHarness &h, const QStringList &point)
{
    return qobject_cast<QCheckBox *>(h.widget(point + QStringList{"Gamma"}, 3));
}

QStringList field(const QStringList &point, const QString &label)
{
    return point + QStringList{label};
}

} // namespace

class tst_VyrEdidColorPointItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shows();
    void coordinateEdit();
    void untouchedCoordinateKeepsItsCode();
    void enableAndGamma();
    void gammaOnWithoutValue();
    void doubleToCChar_data();
    void doubleToCChar();
    void locations_data();
    void locations();
    void withoutBlock();
};

void tst_VyrEdidColorPointItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidColorPointItem::shows()
{
    TreeHarness h(imageWith());
    QCOMPARE(h.row(Item)->type(), 1116);
    QCOMPARE(h.childTitles(Item), QStringList({"Color Point 0", "Color Point 1"}));
    QCOMPARE(h.childTitles(Point0),
             QStringList({"Enable White", "Index", "WhiteX", "WhiteY", "Gamma"}));
    QCOMPARE(h.row(Point0)->type(), 1115);
    QCOMPARE(h.row(field(Point0, "WhiteX"))->type(), 1115);

    auto *enable0 = qobject_cast<QCheckBox *>(h.widget(field(Point0, "Enable White")));
    QVERIFY(enable0 && enable0->isChecked());
    QCOMPARE(h.valueText(field(Point0, "Index")), QStringLiteral("1"));
    QCOMPARE(h.valueText(field(Point0, "WhiteX")), QStringLiteral("0.313"));
    QCOMPARE(h.valueText(field(Point0, "WhiteY")), QStringLiteral("0.329"));
    QCOMPARE(h.valueText(field(Point0, "Gamma")), QStringLiteral("2.20"));
    QCOMPARE(h.row(field(Point0, "Index"))->text(VyrEdidColumn::Type), QStringLiteral("[DEC]"));
    QCOMPARE(h.row(field(Point0, "Gamma"))->text(VyrEdidColumn::Type), QStringLiteral("[FLT]"));
    QVERIFY(gammaBox(h, Point0) && gammaBox(h, Point0)->isChecked());
    // Every shown value passes its editor's validator.
    for (const QString &label : QStringList{"Index", "WhiteX", "WhiteY", "Gamma"})
        QVERIFY2(editor(h, field(Point0, label))->hasAcceptableInput(), qPrintable(label));

    auto *enable1 = qobject_cast<QCheckBox *>(h.widget(field(Point1, "Enable White")));
    QVERIFY(enable1 && !enable1->isChecked());
    QVERIFY(gammaBox(h, Point1) && !gammaBox(h, Point1)->isChecked());
    for (const QString &label : QStringList{"Index", "WhiteX", "WhiteY", "Gamma"}) {
        QVERIFY2(!editor(h, field(Point1, label))->isEnabled(), qPrintable(label));
        QVERIFY(editor(h, field(Point1, label))->text().isEmpty());
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidColorPointItem::coordinateEdit()
{
    TreeHarness h(imageWith());
    // 0.4 x 1024 = 409.6: code 410 = 0x19A, high bits 0x66, low bits 10 beside y's 01.
    QVERIFY(h.type(field(Point0, "WhiteX"), "0.400"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {LowBits, XHigh});
    QCOMPARE(quint8(h.image().at(LowBits)), quint8(0x09));
    QCOMPARE(quint8(h.image().at(XHigh)), quint8(0x66));
    QCOMPARE(h.hexCell(XHigh), QStringLiteral("66"));
}

// Code 107 shows as 0.104, which reads back as 106: an edit of x leaves y's code alone.
void tst_VyrEdidColorPointItem::untouchedCoordinateKeepsItsCode()
{
    TreeHarness h(imageWith(107));
    QCOMPARE(h.valueText(field(Point0, "WhiteY")), QStringLiteral("0.104"));
    QVERIFY(h.type(field(Point0, "WhiteX"), "0.400"));
    QVERIFY(h.type(field(Point0, "Index"), "7"));
    QCOMPARE(quint8(h.image().at(LowBits)) & 3, 107 & 3);
    QCOMPARE(quint8(h.image().at(YHigh)), quint8(107 >> 2));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {77, LowBits, XHigh});
}

void tst_VyrEdidColorPointItem::enableAndGamma()
{
    TreeHarness h(imageWith());
    // Unused: index, low bits, x and y are 0; the gamma stays.
    QVERIFY(h.tick(field(Point0, "Enable White"), false));
    QCOMPARE(h.image().mid(77, 5).toHex(), QByteArray("0000000078"));
    for (const QString &label : QStringList{"Index", "WhiteX", "WhiteY"})
        QVERIFY(!editor(h, field(Point0, label))->isEnabled());
    // Back on: the shown index and coordinates are written again, exactly as they were.
    QVERIFY(h.tick(field(Point0, "Enable White"), true));
    QVERIFY(editor(h, field(Point0, "WhiteX"))->isEnabled());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    QVERIFY(h.type(field(Point0, "Gamma"), "1.8"));
    QCOMPARE(quint8(h.image().at(Gamma)), quint8(80));
    gammaBox(h, Point0)->click();
    QCOMPARE(quint8(h.image().at(Gamma)), quint8(0xFF));
    QVERIFY(!editor(h, field(Point0, "Gamma"))->isEnabled());
    QVERIFY(editor(h, field(Point0, "Gamma"))->text().isEmpty()); // as a fresh tree shows it

    // White point 1: nothing is written until it has an index.
    QVERIFY(h.tick(field(Point1, "Enable White"), true));
    QCOMPARE(h.image().mid(82, 4).toHex(), QByteArray("00000000"));
    QVERIFY(h.type(field(Point1, "WhiteX"), "0.250"));
    QCOMPARE(h.image().mid(82, 4).toHex(), QByteArray("00000000"));
    QVERIFY(h.type(field(Point1, "Index"), "2"));
    QCOMPARE(h.image().mid(82, 4).toHex(), QByteArray("02004000"));
    // Whole now, the point shows its coordinates as stored, the untyped y as 0.000.
    QCOMPARE(editor(h, field(Point1, "WhiteX"))->text(), QStringLiteral("0.250"));
    QCOMPARE(editor(h, field(Point1, "WhiteY"))->text(), QStringLiteral("0.000"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Gamma, 82, 84});
}

// White point 1 has no gamma: ticking its box writes and shows the usual 2.20, so the box
// never stays ticked over a gamma byte of 0xFF.
void tst_VyrEdidColorPointItem::gammaOnWithoutValue()
{
    TreeHarness h(imageWith());
    QVERIFY(editor(h, field(Point1, "Gamma"))->text().isEmpty());
    gammaBox(h, Point1)->click();
    QCOMPARE(quint8(h.image().at(86)), quint8(120));
    QCOMPARE(editor(h, field(Point1, "Gamma"))->text(), "2.20");
    QVERIFY(editor(h, field(Point1, "Gamma"))->isEnabled());
    QVERIFY(gammaBox(h, Point1)->isChecked());
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {86});
}

void tst_VyrEdidColorPointItem::doubleToCChar_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<unsigned>("code");
    QTest::newRow("1.0") << 1.0 << 1023u;
    QTest::newRow("0.5") << 0.5 << 512u;
    QTest::newRow("0.3135") << 0.3135 << 321u;
    QTest::newRow("0.999") << 0.999 << 1023u;
    QTest::newRow("0") << 0.0 << 0u;
}

void tst_VyrEdidColorPointItem::doubleToCChar()
{
    QFETCH(double, value);
    QFETCH(unsigned, code);
    QCOMPARE(VyrEdidColorPointSubItem::doubleToCChar(value), code);
    QCOMPARE(VyrEdidColorPointSubItem::ccharToDouble(512), 0.5);
}

void tst_VyrEdidColorPointItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("item") << Item << "72:18";
    QTest::newRow("white point") << Point0 << "76:13";
    QTest::newRow("row") << field(Point1, "Gamma") << "76:13";
}

void tst_VyrEdidColorPointItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(imageWith());
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    QVERIFY(h.select(path));
    QCOMPARE(h.highlightedBytes().value(0), int(h.locations(path).value(0).offset));
}

void tst_VyrEdidColorPointItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidColorPointItem(2, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(!item->InitItems());
    QCOMPARE(item->childCount(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
}

QTEST_MAIN(tst_VyrEdidColorPointItem)
#include "tst_vyredidcolorpointitem.moc"
