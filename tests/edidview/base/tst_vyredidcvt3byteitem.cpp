#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidcvt3byteitem.h"
#include "locationtext.h"
#include "scriptedchooser.h"
#include "userinput.h"
#include "vyrtestutil.h"
#include "widgets/cvttimingwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Codes{"Base Block", "Descriptors", "CVT 3Byte Timings"};

QStringList rowOf(int index)
{
    return Codes + QStringList{QStringLiteral("CVT 3Byte Timing %1").arg(index)};
}

QList<int> range(int from, int count)
{
    QList<int> list;
    for (int i = from; i < from + count; ++i)
        list << i;
    return list;
}

// A CVT 3-byte code descriptor (tag 0xF8, version 1) in slot 2 (section 3, bytes 90 to 107):
// code 0 1080 lines 16:9, 60 Hz preferred and supported; code 2 768 lines 4:3, the same
// rates; codes 1 and 3 empty.
QByteArray cvtImage(bool edid14 = true)
{
    return VyrTest::imageWithDescriptor(
        2,
        VyrTest::displayDescriptor(0xF8, QByteArray::fromHex("01"
                                                             "1b2428"
                                                             "000000"
                                                             "7f1028"
                                                             "000000")),
        edid14);
}

// The controls of the editor shown on row index of h; rate is the text of one rate box.
struct CvtControls
{
    QCheckBox *defined = nullptr;
    QComboBox *aspect = nullptr;
    QLineEdit *height = nullptr;
    QCheckBox *rate = nullptr;
    bool found() const { return defined && aspect && height && rate; }
};

CvtControls controlsOf(const TreeHarness &h, int index, const char *rate)
{
    CvtControls controls;
    QWidget *editor = h.shownWidget(rowOf(index));
    if (!editor)
        return controls;
    controls.defined = qobject_cast<QCheckBox *>(VyrTest::formField(editor, "Defined"));
    controls.aspect = qobject_cast<QComboBox *>(VyrTest::formField(editor, "Aspect Ratio:"));
    controls.height = qobject_cast<QLineEdit *>(VyrTest::formField(editor, "Height:"));
    for (QCheckBox *box : editor->findChildren<QCheckBox *>())
        controls.rate = box->text() == QLatin1String(rate) ? box : controls.rate;
    return controls;
}

} // namespace

class tst_VyrEdidCVT3ByteItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheDescriptorCodes();
    void rowEditWritesItsCodeOnce();
    void newCodeWaitsForItsLines();
    void locations_data();
    void locations();
    void addedDescriptorHasFourEmptyCodes();
    void noRows_data();
    void noRows();
};

void tst_VyrEdidCVT3ByteItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidCVT3ByteItem::rowsShowTheDescriptorCodes()
{
    TreeHarness h(cvtImage());
    QCOMPARE(h.childTitles(Codes), QStringList({"CVT 3Byte Timing 0", "CVT 3Byte Timing 1",
                                                "CVT 3Byte Timing 2", "CVT 3Byte Timing 3"}));
    auto *item = dynamic_cast<VyrEdidCVT3ByteItem *>(h.row(Codes));
    QVERIFY(item);
    QCOMPARE(item->section(), 3u);
    QWidget *first = h.shownWidget(rowOf(0));
    QVERIFY(qobject_cast<CvtTimingWidget *>(first));
    QCOMPARE(qobject_cast<QLineEdit *>(VyrTest::formField(first, "Width:"))->text(),
             QStringLiteral("1920"));
    QCOMPARE(qobject_cast<QComboBox *>(VyrTest::formField(first, "Aspect Ratio:"))->currentText(),
             QStringLiteral("LandScape 16x9"));
    QWidget *empty = h.shownWidget(rowOf(1));
    QVERIFY(!qobject_cast<QCheckBox *>(VyrTest::formField(empty, "Defined"))->isChecked());
    // The value column is as wide as the editor needs, so none of its fields is cut.
    QVERIFY(h.tree()->columnWidth(1) >= first->minimumSizeHint().width());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// Row 2 is bytes 12 to 14 of the descriptor in slot 2 (block bytes 102 to 104). The editor
// reports an aspect or height change twice (the values it held, then the new ones): each change
// writes the code once and is notified once.
void tst_VyrEdidCVT3ByteItem::rowEditWritesItsCodeOnce()
{
    TreeHarness h(cvtImage());
    const CvtControls code = controlsOf(h, 2, "75Hz");
    QVERIFY(code.found());
    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);

    VyrTest::chooseRow(code.aspect, code.aspect->findText("LandScape 16x9"));
    QCOMPARE(h.image().mid(102, 3), QByteArray::fromHex("7f1428"));
    QCOMPARE(notified.count(), 1);
    VyrTest::typeAndConfirm(code.height, "1080");
    QCOMPARE(h.image().mid(102, 3), QByteArray::fromHex("1b2428"));
    QCOMPARE(notified.count(), 2);
    VyrTest::clickButton(code.rate);
    QCOMPARE(h.image().mid(102, 3), QByteArray::fromHex("1b242c"));
    QCOMPARE(notified.count(), 3);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), range(102, 3));
    // Confirming the height unchanged writes nothing.
    VyrTest::typeAndConfirm(code.height, "1080");
    QCOMPARE(notified.count(), 3);
}

// Ticking "Defined" on empty code 1 (bytes 99 to 101), then choosing an aspect and a rate,
// writes nothing: a code without lines would read as a 2-line mode. The height writes all.
void tst_VyrEdidCVT3ByteItem::newCodeWaitsForItsLines()
{
    TreeHarness h(cvtImage());
    const CvtControls code = controlsOf(h, 1, "85Hz");
    QVERIFY(code.found());

    VyrTest::clickButton(code.defined);
    VyrTest::chooseRow(code.aspect, code.aspect->findText("LandScape 16x9"));
    VyrTest::clickButton(code.rate);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    VyrTest::typeAndConfirm(code.height, "720");
    QCOMPARE(h.image().mid(99, 3), QByteArray::fromHex("671402"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), range(99, 3) << 127);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(128)));
}

void tst_VyrEdidCVT3ByteItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("descriptor") << Codes << "90:18";
    QTest::newRow("row 0") << rowOf(0) << "96:3";
    QTest::newRow("row 2") << rowOf(2) << "102:3";
    QTest::newRow("row 3") << rowOf(3) << "105:3";
}

void tst_VyrEdidCVT3ByteItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(cvtImage());
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
}

// Added through the descriptor list, the descriptor gets four empty codes to fill in.
void tst_VyrEdidCVT3ByteItem::addedDescriptorHasFourEmptyCodes()
{
    TreeHarness h(EdidImageBuilder().edid14().image());
    VyrTest::ScriptedChooser chooser;
    chooser.answer("CVT 3 Byte Timing Codes");
    QVERIFY(h.click({"Base Block", "Descriptors", "Descriptor Placeholder[3]"}));
    h.settle();
    QCOMPARE(h.childTitles(Codes).size(), 4);
    QCOMPARE(VyrTest::locationText(h.locations(Codes)), QStringLiteral("108:18"));
    QVERIFY(h.tick(rowOf(3), true));
    auto *height =
        qobject_cast<QLineEdit *>(VyrTest::formField(h.shownWidget(rowOf(3)), "Height:"));
    QVERIFY(height);
    VyrTest::typeAndConfirm(height, "1200");
    // 1200 lines: 599 = 0x257; 16:10 (aspect bits 10); no rate yet.
    QCOMPARE(h.image().mid(108 + 15, 3), QByteArray::fromHex("572800"));
}

void tst_VyrEdidCVT3ByteItem::noRows_data()
{
    QTest::addColumn<bool>("inTree");
    QTest::addColumn<unsigned>("count");
    QTest::addColumn<bool>("edid14");
    QTest::newRow("not in a tree") << false << 4u << true;
    QTest::newRow("count 0") << true << 0u << true;
    QTest::newRow("EDID 1.3 block") << true << 4u << false;
}

// Rows need the tree, a count and a block that decodes the descriptor; InitItems() still
// answers true.
void tst_VyrEdidCVT3ByteItem::noRows()
{
    QFETCH(bool, inTree);
    QFETCH(unsigned, count);
    QFETCH(bool, edid14);
    TreeHarness h(cvtImage(edid14));
    auto *listed = dynamic_cast<VyrEdidCVT3ByteItem *>(h.row(Codes));
    QVERIFY(listed);
    auto *item = new VyrEdidCVT3ByteItem(3, count, listed->block());
    if (inTree)
        h.tree()->addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->childCount(), 0);
    QCOMPARE(VyrTest::locationText(item->GetItemLocations()), QStringLiteral("90:18"));
    if (!inTree)
        delete item;
}

QTEST_MAIN(tst_VyrEdidCVT3ByteItem)
#include "tst_vyredidcvt3byteitem.moc"
