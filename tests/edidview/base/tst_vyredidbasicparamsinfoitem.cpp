#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidbasicparamsinfoitem.h"
#include "userinput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Group{"Base Block", "Basic Params Info"};

QStringList rowPath(const QString &title)
{
    return Group + QStringList{title};
}

// A base block with bytes 20 to 24 as given.
QByteArray paramsImage(bool edid14, const QList<int> &bytes)
{
    return (edid14 ? EdidImageBuilder().edid14() : EdidImageBuilder().edid13())
        .patch(20, bytes)
        .image();
}

quint8 byteAt(const QByteArray &image, int offset)
{
    return quint8(image.at(offset));
}

} // namespace

class tst_VyrEdidBasicParamsInfoItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheBlock_data();
    void rowsShowTheBlock();
    void gammaSwitchedOnAndOff();
    void gammaText_data();
    void gammaText();
    void flagWritesItsBitOnly_data();
    void flagWritesItsBitOnly();
    void flagRowChangesBesideTheCheckBoxWriteNothing();
    void colorTypeList_data();
    void colorTypeList();
    void videoInputThenFlagKeepsBoth();
    void screenSizeEdit();
    void screenSizeReadBack_data();
    void screenSizeReadBack();
    void everyRowHighlightsTheGroup();
    void withoutModelNoRows();
};

void tst_VyrEdidBasicParamsInfoItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidBasicParamsInfoItem::rowsShowTheBlock_data()
{
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("colorType");
    const QStringList common{"Video Input Definition",
                             "Screen Size",
                             "Gamma",
                             "Color type",
                             "StandBy",
                             "Suspend",
                             "Low Power",
                             "sRGB Default CSC"};
    QTest::newRow("EDID 1.3") << false
                              << common
                                     + QStringList{"GTF standard with default vlaues",
                                                   "First detailed timing is preferred"}
                              << "RGB";
    QTest::newRow("EDID 1.4 digital")
        << true << common + QStringList{"Continuous frequency", "Preferred pixel format and rate"}
        << "RGB4:4:4 & YCbCr4:4:4";
}

// Byte 23 = 0x78 (gamma 2.20); byte 24 = standby, active off, colour type 01, sRGB, bit 0.
void tst_VyrEdidBasicParamsInfoItem::rowsShowTheBlock()
{
    QFETCH(bool, edid14);
    QFETCH(QStringList, titles);
    QFETCH(QString, colorType);
    TreeHarness h(paramsImage(edid14, {edid14 ? 0xA5 : 0x80, 52, 29, 0x78, 0xAD}));
    QCOMPARE(h.childTitles(Group), titles);
    QCOMPARE(h.valueText(rowPath("Gamma")), QStringLiteral("2.20"));
    QCOMPARE(h.row(rowPath("Gamma"))->checkState(0), Qt::Checked);
    QVERIFY(h.widget(rowPath("Gamma"))->isEnabled());
    QCOMPARE(h.valueText(rowPath("Color type")), colorType);
    const QList<bool> flags{true, false, true, true, true, false};
    for (int i = 0; i < flags.size(); ++i) {
        const QTreeWidgetItem *row = h.row(rowPath(titles.at(4 + i)));
        QCOMPARE(row->checkState(1), flags.at(i) ? Qt::Checked : Qt::Unchecked);
        QVERIFY(row->text(2).isEmpty());
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidBasicParamsInfoItem::gammaSwitchedOnAndOff()
{
    TreeHarness h(paramsImage(false, {0x00, 40, 30, 0xFF, 0x0A}));
    const QStringList gamma = rowPath("Gamma");
    QCOMPARE(h.row(gamma)->checkState(0), Qt::Unchecked);
    QVERIFY(!h.widget(gamma)->isEnabled());
    QVERIFY(h.valueText(gamma).isEmpty());

    // Switched on, the gamma gets a usual value at once rather than the lowest one.
    QVERIFY(h.tick(gamma, true));
    QVERIFY(h.widget(gamma)->isEnabled());
    QCOMPARE(h.valueText(gamma), QStringLiteral("2.20"));
    QCOMPARE(byteAt(h.image(), 23), quint8(0x78));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {23});

    QVERIFY(h.type(gamma, "1.80"));
    QCOMPARE(byteAt(h.image(), 23), quint8(0x50));
    QVERIFY(h.type(gamma, "2.20"));
    QCOMPARE(byteAt(h.image(), 23), quint8(0x78));

    QVERIFY(h.tick(gamma, false));
    QVERIFY(!h.widget(gamma)->isEnabled());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidBasicParamsInfoItem::gammaText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("byte"); // -1: refused, byte 23 stays 0x78
    QTest::newRow("3.54") << "3.54" << 0xFE;
    QTest::newRow("1") << "1" << 0x00;
    QTest::newRow("2.5") << "2.5" << 0x96;
    QTest::newRow("decimal comma") << "2,20" << -1;
    QTest::newRow("above 3.54") << "3.55" << -1;
    QTest::newRow("below 1") << "0.99" << -1;
    QTest::newRow("three decimals") << "2.205" << -1;
}

void tst_VyrEdidBasicParamsInfoItem::gammaText()
{
    QFETCH(QString, text);
    QFETCH(int, byte);
    TreeHarness h(paramsImage(true, {0x80, 40, 30, 0x78, 0x02}));
    QVERIFY(h.type(rowPath("Gamma"), text));
    if (byte < 0) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        return;
    }
    QCOMPARE(byteAt(h.image(), 23), quint8(byte));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {23});
}

void tst_VyrEdidBasicParamsInfoItem::flagWritesItsBitOnly_data()
{
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("bit");
    QTest::newRow("standby") << false << "StandBy" << 7;
    QTest::newRow("suspend") << false << "Suspend" << 6;
    QTest::newRow("active off") << true << "Low Power" << 5;
    QTest::newRow("sRGB") << false << "sRGB Default CSC" << 2;
    QTest::newRow("preferred timing 1.3") << false << "First detailed timing is preferred" << 1;
    QTest::newRow("preferred timing 1.4") << true << "Preferred pixel format and rate" << 1;
    QTest::newRow("default GTF 1.3") << false << "GTF standard with default vlaues" << 0;
    QTest::newRow("continuous frequency 1.4") << true << "Continuous frequency" << 0;
}

// Each flag from either state: from the block as stored, then from its complement.
void tst_VyrEdidBasicParamsInfoItem::flagWritesItsBitOnly()
{
    QFETCH(bool, edid14);
    QFETCH(QString, title);
    QFETCH(int, bit);
    for (const int features : {0x4B, 0xB4}) {
        TreeHarness h(paramsImage(edid14, {0xA5, 40, 30, 0x78, features}));
        const bool was = (features >> bit) & 1;
        QCOMPARE(h.row(rowPath(title))->checkState(1), was ? Qt::Checked : Qt::Unchecked);
        QVERIFY(h.tick(rowPath(title), !was));
        QCOMPARE(byteAt(h.image(), 24), quint8(features ^ (1 << bit)));
        VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {24});
        QVERIFY(h.tick(rowPath(title), was));
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
    }
}

// Qt reports changes of a row's text, flags and other columns as itemChanged too.
void tst_VyrEdidBasicParamsInfoItem::flagRowChangesBesideTheCheckBoxWriteNothing()
{
    TreeHarness h(paramsImage(false, {0x80, 40, 30, 0x78, 0x0A}));
    QTreeWidgetItem *row = h.row(rowPath("StandBy"));
    row->setText(2, QStringLiteral("x"));
    row->setFlags(row->flags() & ~Qt::ItemIsSelectable);
    row->setCheckState(0, Qt::Checked);
    QTreeWidgetItem *gamma = h.row(rowPath("Gamma"));
    gamma->setCheckState(1, Qt::Unchecked);
    gamma->setText(0, QStringLiteral("Gamma value"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidBasicParamsInfoItem::colorTypeList_data()
{
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("features");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("1.3 analog") << false << 0x00 << 0x08 << "RGB"
                                << "Non-RGB";
    QTest::newRow("1.3 digital") << false << 0x80 << 0x10 << "Non-RGB"
                                 << "RGB";
    QTest::newRow("1.4 digital") << true << 0xA5 << 0x08 << "RGB4:4:4 & YCbCr4:4:4"
                                 << "RGB4:4:4 & YCbCr4:2:2";
    QTest::newRow("1.4 digital, last") << true << 0xA5 << 0x00 << "RGB4:4:4"
                                       << "RGB4:4:4 & YCbCr";
    // VESA E-EDID 1.4, 3.6.4: an analog input keeps the colour types.
    QTest::newRow("1.4 analog") << true << 0x00 << 0x18 << "Undefined"
                                << "MonoChrome";
}

void tst_VyrEdidBasicParamsInfoItem::colorTypeList()
{
    QFETCH(bool, edid14);
    QFETCH(int, input);
    QFETCH(int, features);
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    TreeHarness h(paramsImage(edid14, {input, 40, 30, 0x78, features}));
    auto *list = qobject_cast<QComboBox *>(h.widget(rowPath("Color type")));
    QVERIFY(list);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentText(), shown);
    QVERIFY(h.choose(rowPath("Color type"), chosen));
    QCOMPARE((byteAt(h.image(), 24) >> 3) & 3, list->currentIndex());
    QCOMPARE(byteAt(h.image(), 24) & ~0x18, features & ~0x18);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {24});
}

// Each write carries the item's whole record: a flag written after a video input edit keeps
// the video input; the colour type list of EDID 1.4 follows the input kind.
void tst_VyrEdidBasicParamsInfoItem::videoInputThenFlagKeepsBoth()
{
    TreeHarness h(paramsImage(true, {0x0F, 40, 30, 0x78, 0x08}));
    QCOMPARE(h.valueText(rowPath("Color type")), QStringLiteral("RGB"));
    QComboBox *signalType =
        VyrTest::listWithRow(h.widget(rowPath("Video Input Definition")), "Digital Signal");
    QVERIFY(signalType);
    VyrTest::chooseRow(signalType, 1);
    QCOMPARE(byteAt(h.image(), 20) & 0x80, 0x80);
    QCOMPARE(h.valueText(rowPath("Color type")), QStringLiteral("RGB4:4:4 & YCbCr4:4:4"));

    QVERIFY(h.tick(rowPath("sRGB Default CSC"), true));
    const quint8 input = byteAt(h.image(), 20);
    QCOMPARE(input & 0x80, 0x80);
    QCOMPARE(byteAt(h.image(), 24), quint8(0x0C));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {20, 24});
}

void tst_VyrEdidBasicParamsInfoItem::screenSizeEdit()
{
    TreeHarness h(paramsImage(false, {0x80, 40, 30, 0x78, 0x0A}));
    const QList<QLineEdit *> sizes = h.widget(rowPath("Screen Size"))->findChildren<QLineEdit *>();
    QCOMPARE(sizes.size(), 2);
    h.tree()->scrollToItem(h.row(rowPath("Screen Size")));
    sizes.at(0)->setFocus();
    // Leaving a size unchanged writes nothing.
    h.tree()->setFocus();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    sizes.at(0)->setFocus();
    VyrTest::typeAndConfirm(sizes.at(0), QStringLiteral("52"));
    QCOMPARE(byteAt(h.image(), 21), quint8(52));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {21});
}

// On EDID 1.4 a size with one byte 0 is an aspect ratio: the editor shows what the block reads
// back, as a fresh tree does.
void tst_VyrEdidBasicParamsInfoItem::screenSizeReadBack_data()
{
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("shown"); // checked button, list row or sizes
    QTest::newRow("34 x 0 cm is 4:3") << "0"
                                      << "Aspect Ratio, Landscape 4x3";
    QTest::newRow("34 x 20 cm stays a size") << "20"
                                             << "H/V Size(cm), 34 x 20";
}

void tst_VyrEdidBasicParamsInfoItem::screenSizeReadBack()
{
    QFETCH(QString, vertical);
    QFETCH(QString, shown);
    TreeHarness h(paramsImage(true, {0x80, 40, 30, 0x78, 0x0A}));
    QWidget *editor = h.widget(rowPath("Screen Size"));
    const QList<QLineEdit *> sizes = editor->findChildren<QLineEdit *>();
    QCOMPARE(sizes.size(), 2);
    VyrTest::typeAndConfirm(sizes.at(0), QStringLiteral("34"));
    VyrTest::typeAndConfirm(sizes.at(1), vertical);
    QCOMPARE(byteAt(h.image(), 22), quint8(vertical.toUInt()));

    QString now;
    for (const QRadioButton *button : editor->findChildren<QRadioButton *>())
        now = button->isChecked() ? button->text() : now;
    if (now == QLatin1String("Aspect Ratio"))
        now += QStringLiteral(", ") + editor->findChild<QComboBox *>()->currentText();
    else
        now += QStringLiteral(", %1 x %2").arg(sizes.at(0)->text(), sizes.at(1)->text());
    QCOMPARE(now, shown);
}

void tst_VyrEdidBasicParamsInfoItem::everyRowHighlightsTheGroup()
{
    TreeHarness h(paramsImage(true, {0x80, 40, 30, 0x78, 0x0A}));
    const QList<int> expected{20, 21, 22, 23, 24};
    QVERIFY(h.select(Group));
    QCOMPARE(h.highlightedBytes(), expected);
    for (const QString &title : h.childTitles(Group)) {
        QVERIFY(h.select(rowPath(title)));
        QCOMPARE(h.highlightedBytes(), expected);
    }
}

void tst_VyrEdidBasicParamsInfoItem::withoutModelNoRows()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidBasicParamsInfoItem(nullptr, nullptr, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(!item->InitItems());
    QCOMPARE(item->childCount(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
}

QTEST_MAIN(tst_VyrEdidBasicParamsInfoItem)
#include "tst_vyredidbasicparamsinfoitem.moc"
