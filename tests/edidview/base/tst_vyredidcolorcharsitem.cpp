#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidcolorcharsitem.h"
#include "model/base/edid13block.h"

#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Group{"Base Block", "Color Characteristics Info"};
const QStringList Titles{
    "Red X:", "Green X:", "Blue X:", "White X:", "Red Y:", "Green Y:", "Blue Y:", "White Y:"};

QStringList rowPath(const QString &title)
{
    return Group + QStringList{title};
}

// Codes in row order (red, green, blue, white x, then their y); red x 655 (0.640), blue y 22
// (shown 0.021, which is nearer to 21.5 than to any other value of three decimals).
const QList<unsigned> Codes{655, 307, 154, 321, 338, 614, 22, 337};

unsigned ColorCharacteristics::*const Fields[8] = {
    &ColorCharacteristics::redX,   &ColorCharacteristics::greenX, &ColorCharacteristics::blueX,
    &ColorCharacteristics::whiteX, &ColorCharacteristics::redY,   &ColorCharacteristics::greenY,
    &ColorCharacteristics::blueY,  &ColorCharacteristics::whiteY};

QByteArray colorImage()
{
    QByteArray image = EdidImageBuilder().edid13().image();
    Edid13Block block(VyrTest::bytes(image), 128, 0, nullptr);
    ColorCharacteristics colors{};
    for (int i = 0; i < Codes.size(); ++i)
        colors.*Fields[i] = Codes.at(i);
    block.SetColorCharacteristics(&colors);
    return image;
}

QList<unsigned> codesOf(QByteArray image)
{
    Edid13Block block(VyrTest::bytes(image), 128, 0, nullptr);
    ColorCharacteristics colors{};
    block.GetColorCharacteristics(&colors);
    QList<unsigned> codes;
    for (unsigned ColorCharacteristics::*field : Fields)
        codes << colors.*field;
    return codes;
}

} // namespace

class tst_VyrEdidColorCharsItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowThreeDecimals();
    void typedValueWritesTheNearestCode_data();
    void typedValueWritesTheNearestCode();
    void greenYOneHalf();
    void refusedValuesWriteNothing_data();
    void refusedValuesWriteNothing();
    void highlights_data();
    void highlights();
    void withoutModel();
};

void tst_VyrEdidColorCharsItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

// Confirming an editor without a change keeps its code, also one that three decimals cannot
// show exactly.
void tst_VyrEdidColorCharsItem::rowsShowThreeDecimals()
{
    const QByteArray image = colorImage();
    QCOMPARE(quint8(image.at(27)), quint8(0xA3));
    QCOMPARE(quint8(image.at(25)) >> 6, 3);
    TreeHarness h(image);
    QCOMPARE(h.childTitles(Group), Titles);
    const QStringList shown{"0.640", "0.300", "0.150", "0.313", "0.330", "0.600", "0.021", "0.329"};
    for (int i = 0; i < Titles.size(); ++i) {
        QCOMPARE(h.valueText(rowPath(Titles.at(i))), shown.at(i));
        QCOMPARE(h.row(rowPath(Titles.at(i)))->text(2), QStringLiteral("[FLT]"));
        auto *edit = qobject_cast<QLineEdit *>(h.widget(rowPath(Titles.at(i))));
        QVERIFY(edit);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        h.tree()->setFocus();
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidColorCharsItem::typedValueWritesTheNearestCode_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<unsigned>("code");
    QTest::newRow("red x 0.640 as shown") << 0 << "0.640" << 655u;
    QTest::newRow("blue y 0.021 as shown") << 6 << "0.021" << 22u;
    QTest::newRow("blue y 0.020") << 6 << "0.020" << 20u;
    QTest::newRow("white x 0.001") << 3 << "0.001" << 1u;
    QTest::newRow("white y 0.999") << 7 << "0.999" << 1023u;
    QTest::newRow("green x .5") << 1 << ".5" << 512u;
}

void tst_VyrEdidColorCharsItem::typedValueWritesTheNearestCode()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(unsigned, code);
    TreeHarness h(colorImage());
    QVERIFY(h.type(rowPath(Titles.at(row)), text));
    QList<unsigned> expected = Codes;
    expected[row] = code;
    QCOMPARE(codesOf(h.image()), expected);
}

void tst_VyrEdidColorCharsItem::greenYOneHalf()
{
    TreeHarness h(colorImage());
    QVERIFY(h.type(rowPath("Green Y:"), "0.5"));
    QCOMPARE(quint8(h.image().at(30)), quint8(0x80));
    QCOMPARE(quint8(h.image().at(25)) & 3, 0);
    QCOMPARE(quint8(h.image().at(25)) & ~3, quint8(h.original().at(25)) & ~3);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {25, 30});
}

void tst_VyrEdidColorCharsItem::refusedValuesWriteNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << "1";
    QTest::newRow("0") << "0";
    QTest::newRow("0.000") << "0.000";
    QTest::newRow("below 0.001") << "0.0005";
    QTest::newRow("decimal comma") << "0,5";
    QTest::newRow("empty") << "";
}

void tst_VyrEdidColorCharsItem::refusedValuesWriteNothing()
{
    QFETCH(QString, text);
    TreeHarness h(colorImage());
    QVERIFY(h.type(rowPath("Red X:"), text));
    QVERIFY(h.type(rowPath("White Y:"), text, TreeHarness::Leave::FocusOut));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidColorCharsItem::highlights_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("group") << "" << QList<int>{25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
    QTest::newRow("red x") << "Red X:" << QList<int>{25, 27};
    QTest::newRow("green y") << "Green Y:" << QList<int>{25, 30};
    QTest::newRow("blue x") << "Blue X:" << QList<int>{26, 31};
    QTest::newRow("white y") << "White Y:" << QList<int>{26, 34};
}

void tst_VyrEdidColorCharsItem::highlights()
{
    QFETCH(QString, title);
    QFETCH(QList<int>, bytes);
    TreeHarness h(colorImage());
    QVERIFY(h.select(title.isEmpty() ? Group : rowPath(title)));
    QCOMPARE(h.highlightedBytes(), bytes);
}

// Rows with empty editors; a value typed there goes nowhere.
void tst_VyrEdidColorCharsItem::withoutModel()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidColorCharsItem(nullptr, nullptr, nullptr);
    tree.addTopLevelItem(item);
    QSignalSpy changes(&tree, &VyrEdidInfoTree::edidDataChanged);
    QVERIFY(item->InitItems());
    QCOMPARE(item->childCount(), 8);
    auto *edit = qobject_cast<QLineEdit *>(tree.itemWidget(item->child(0), 1));
    QVERIFY(edit);
    QVERIFY(edit->text().isEmpty());
    edit->setText(QStringLiteral("0.5"));
    edit->setModified(true);
    emit edit->editingFinished();
    QCOMPARE(changes.count(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
}

QTEST_MAIN(tst_VyrEdidColorCharsItem)
#include "tst_vyredidcolorcharsitem.moc"
