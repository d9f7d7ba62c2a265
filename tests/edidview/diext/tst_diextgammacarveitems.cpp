#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "locationtext.h"
#include "userinput.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int B = 128; // the DI-EXT block's first byte in the image

const QStringList Section{"DI Extention", "Gamma Section"};
const QStringList Points = Section + QStringList{"Gamma Points"};

// A DI-EXT block after an EDID 1.4 base block with gamma byte 81 = control and the 45 point
// values 1, 2, ... 45 (bytes 82-126).
QByteArray gammaImage(int control)
{
    QList<int> bytes{control};
    for (int i = 1; i <= 45; ++i)
        bytes << i;
    return EdidImageBuilder().edid14().diExt().patch(81, bytes).image();
}

int byteAt(const TreeHarness &h, int blockByte)
{
    return quint8(h.image().at(B + blockByte));
}

QComboBox *pointsList(const TreeHarness &h)
{
    return qobject_cast<QComboBox *>(h.widget(Section + QStringList{"Number of Points"}));
}

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QStringList counting(int first, int last)
{
    QStringList texts;
    for (int i = first; i <= last; ++i)
        texts << QString::number(i);
    return texts;
}

// The texts of the point editors below a curve row (they sit in the title column).
QStringList pointTexts(const TreeHarness &h, const QString &curve)
{
    QStringList texts;
    QTreeWidgetItem *row = h.row(Points + QStringList{curve});
    for (int i = 0; row && i < row->childCount(); ++i) {
        auto *edit = qobject_cast<QLineEdit *>(h.tree()->itemWidget(row->child(i), 0));
        texts << (edit ? edit->text() : QStringLiteral("(no editor)"));
    }
    return texts;
}

// Types text into the editor of point n of a curve and confirms it with Return, or by giving
// the tree the focus; the editor, or null when there is none.
QLineEdit *typePoint(TreeHarness &h, const QString &curve, int n, const QString &text,
                     bool enter = true)
{
    QTreeWidgetItem *row = h.row(Points + QStringList{curve, QStringLiteral("[%1]").arg(n)});
    if (!row)
        return nullptr;
    h.tree()->scrollToItem(row);
    QApplication::processEvents();
    auto *edit = qobject_cast<QLineEdit *>(h.tree()->itemWidget(row, 0));
    if (!edit)
        return nullptr;
    edit->setFocus(Qt::MouseFocusReason);
    if (enter) {
        VyrTest::typeAndConfirm(edit, text);
    } else {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        h.tree()->setFocus(Qt::MouseFocusReason);
    }
    return edit;
}

} // namespace

class tst_DiExtGammaCarveItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layouts_data();
    void layouts();
    void whiteCurveToColorCurves();
    void noTableWritesNoPoints();
    void fullCurveSelectable_data();
    void fullCurveSelectable();
    void fewerPointsKeepValues();
    void pointValues_data();
    void pointValues();
    void pointShowsAsStored_data();
    void pointShowsAsStored();
    void locations_data();
    void locations();
};

void tst_DiExtGammaCarveItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DiExtGammaCarveItems::layouts_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("curves");
    QTest::addColumn<QList<QStringList>>("points");
    QTest::newRow("none") << 0x00 << "Gamma Not Defined" << QStringList() << QString()
                          << QStringList() << QList<QStringList>();
    QTest::newRow("white, 5 points") << 0x45 << "Single White Curve" << counting(0, 45) << "5"
                                     << QStringList{"White"} << QList<QStringList>{counting(1, 5)};
    QTest::newRow("colours, 3 points")
        << 0x83 << "3 Color Curves (BGR)" << counting(0, 15) << "3"
        << QStringList{"Blue", "Green", "Red"}
        << QList<QStringList>{counting(1, 3), counting(16, 18), counting(31, 33)};
    // 20 points would run past the 15 values of each colour curve: cut to 15.
    QTest::newRow("colours, 20 points")
        << 0x94 << "3 Color Curves (BGR)" << counting(0, 15) << "15"
        << QStringList{"Blue", "Green", "Red"}
        << QList<QStringList>{counting(1, 15), counting(16, 30), counting(31, 45)};
    QTest::newRow("white, 63 points")
        << 0x7F << "Single White Curve" << counting(0, 45) << "45" << QStringList{"White"}
        << QList<QStringList>{counting(1, 45)};
    QTest::newRow("table type 3") << 0xC5 << "Unknown (0x03)" << QStringList() << QString()
                                  << QStringList() << QList<QStringList>();
}

void tst_DiExtGammaCarveItems::layouts()
{
    QFETCH(int, control);
    QFETCH(QString, table);
    QFETCH(QStringList, counts);
    QFETCH(QString, count);
    QFETCH(QStringList, curves);
    QFETCH(QList<QStringList>, points);
    TreeHarness h(gammaImage(control));
    QCOMPARE(h.childTitles(Section),
             QStringList({"Table Content", "Number of Points", "Gamma Points"}));
    QCOMPARE(h.valueText(Section + QStringList{"Table Content"}), table);
    QCOMPARE(entries(pointsList(h)), counts);
    QCOMPARE(pointsList(h)->currentText(), count);
    QCOMPARE(pointsList(h)->isEnabled(), !counts.isEmpty());
    QCOMPARE(h.childTitles(Points), curves);
    for (int i = 0; i < curves.size(); ++i)
        QCOMPARE(pointTexts(h, curves[i]), points[i]);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtGammaCarveItems::whiteCurveToColorCurves()
{
    TreeHarness h(gammaImage(0x45));
    QVERIFY(h.choose(Section + QStringList{"Table Content"}, "3 Color Curves (BGR)"));
    h.settle();
    QCOMPARE(byteAt(h, 81), 0x80);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 81}); // bytes 82-126 kept
    QCOMPARE(h.childTitles(Points), QStringList());
    QCOMPARE(entries(pointsList(h)), counting(0, 15));
    QCOMPARE(pointsList(h)->currentText(), QStringLiteral("0"));
    QVERIFY(pointsList(h)->isEnabled());
}

// Leaving the table without a type writes no points at all: byte 81 = 0x00, not 0x3F.
void tst_DiExtGammaCarveItems::noTableWritesNoPoints()
{
    TreeHarness h(gammaImage(0x83));
    QVERIFY(h.choose(Section + QStringList{"Table Content"}, "Gamma Not Defined"));
    h.settle();
    QCOMPARE(byteAt(h, 81), 0x00);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 81});
    QCOMPARE(pointsList(h)->count(), 0);
    QVERIFY(!pointsList(h)->isEnabled());
    QCOMPARE(h.childTitles(Points), QStringList());
}

void tst_DiExtGammaCarveItems::fullCurveSelectable_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("written");
    QTest::addColumn<QStringList>("lastCurve");
    QTest::newRow("white, 45") << 0x45 << "45" << 0x6D << counting(1, 45);
    QTest::newRow("colours, 15") << 0x83 << "15" << 0x8F << counting(31, 45);
}

void tst_DiExtGammaCarveItems::fullCurveSelectable()
{
    QFETCH(int, control);
    QFETCH(QString, count);
    QFETCH(int, written);
    QFETCH(QStringList, lastCurve);
    TreeHarness h(gammaImage(control));
    QVERIFY(h.choose(Section + QStringList{"Number of Points"}, count));
    h.settle();
    QCOMPARE(byteAt(h, 81), written);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 81});
    QCOMPARE(pointTexts(h, h.childTitles(Points).constLast()), lastCurve);
}

// Fewer points and back again: the values stay in the block and show again.
void tst_DiExtGammaCarveItems::fewerPointsKeepValues()
{
    TreeHarness h(gammaImage(0x45));
    QVERIFY(h.choose(Section + QStringList{"Number of Points"}, "2"));
    h.settle();
    QCOMPARE(pointTexts(h, "White"), counting(1, 2));
    QVERIFY(h.choose(Section + QStringList{"Number of Points"}, "5"));
    h.settle();
    QCOMPARE(pointTexts(h, "White"), counting(1, 5));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtGammaCarveItems::pointValues_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("curve");
    QTest::addColumn<int>("point");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("blockByte"); // -1: nothing written
    QTest::addColumn<int>("value");
    QTest::newRow("white point 2") << 0x45 << "White" << 2 << "200" << 84 << 200;
    QTest::newRow("green point 1") << 0x83 << "Green" << 1 << "0" << 98 << 0;
    QTest::newRow("red point 2") << 0x83 << "Red" << 2 << "255" << 114 << 255;
    QTest::newRow("300 refused") << 0x45 << "White" << 0 << "300" << -1 << 0;
    QTest::newRow("empty not confirmed") << 0x45 << "White" << 0 << "" << -1 << 0;
}

void tst_DiExtGammaCarveItems::pointValues()
{
    QFETCH(int, control);
    QFETCH(QString, curve);
    QFETCH(int, point);
    QFETCH(QString, typed);
    QFETCH(int, blockByte);
    QFETCH(int, value);
    TreeHarness h(gammaImage(control));
    QVERIFY(typePoint(h, curve, point, typed));
    if (blockByte < 0) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        return;
    }
    QCOMPARE(byteAt(h, blockByte), value);
    QCOMPARE(byteAt(h, 81), control);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + blockByte});
}

// Once its editing ended a point editor shows the value as stored, as a fresh tree does,
// however the accepted number was typed.
void tst_DiExtGammaCarveItems::pointShowsAsStored_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter"); // Return, or the tree takes the focus
    QTest::addColumn<int>("value");
    QTest::newRow("plus sign and zero") << "+0123" << false << 123;
    QTest::newRow("plus sign, Return") << "+7" << true << 7;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("plain") << "200" << true << 200;
}

void tst_DiExtGammaCarveItems::pointShowsAsStored()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(int, value);
    TreeHarness h(gammaImage(0x45));
    QLineEdit *edit = typePoint(h, "White", 2, typed, enter);
    QVERIFY(edit);
    QCOMPARE(byteAt(h, 84), value);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 84});
    QCOMPARE(edit->text(), QString::number(value));
    TreeHarness fresh(h.image());
    QCOMPARE(pointTexts(h, "White"), pointTexts(fresh, "White"));
}

void tst_DiExtGammaCarveItems::locations_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("table") << 0x45 << QStringList{"Table Content"} << "209:46";
    QTest::newRow("points") << 0x45 << QStringList{"Gamma Points"} << "209:1";
    QTest::newRow("white") << 0x45 << QStringList{"Gamma Points", "White"} << "209:1";
    QTest::newRow("white point 4")
        << 0x45 << QStringList{"Gamma Points", "White", "[4]"} << "214:1";
    QTest::newRow("green") << 0x83 << QStringList{"Gamma Points", "Green"} << "225:1";
    QTest::newRow("red point 2") << 0x83 << QStringList{"Gamma Points", "Red", "[2]"} << "242:1";
}

void tst_DiExtGammaCarveItems::locations()
{
    QFETCH(int, control);
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(gammaImage(control));
    QCOMPARE(VyrTest::locationText(h.locations(Section + path)), locations);
}

QTEST_MAIN(tst_DiExtGammaCarveItems)
#include "tst_diextgammacarveitems.moc"
