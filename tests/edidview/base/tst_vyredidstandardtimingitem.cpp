#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyredidstandardtimingitem.h"
#include "locationtext.h"
#include "userinput.h"
#include "vyrtestutil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList BaseTimings{"Base Block", "Standard Timings Info"};
const QStringList DescriptorTimings{"Base Block", "Descriptors", "Standard Timings Info"};

QStringList rowOf(const QStringList &group, int index)
{
    return group + QStringList{QStringLiteral("Timing %1").arg(index)};
}

// A standard timing descriptor (tag 0xFA) in slot 1 (section 2, bytes 72 to 89): row 0 1280 x
// 1024 at 60 Hz, row 2 1920 x 1080 at 60 Hz, the other rows unused.
QByteArray descriptorImage()
{
    return VyrTest::imageWithDescriptor(
        1, VyrTest::displayDescriptor(0xFA, QByteArray::fromHex("8180"
                                                                "0101"
                                                                "d1c0"
                                                                "0101"
                                                                "0101"
                                                                "0101"
                                                                "0a")));
}

// The controls of the standard timing editor of a row, shown.
struct Editor
{
    Editor(TreeHarness &h, const QStringList &path)
        : widget(h.shownWidget(path))
        , defined(qobject_cast<QCheckBox *>(VyrTest::formField(widget, "Defined")))
        , aspect(qobject_cast<QComboBox *>(VyrTest::formField(widget, "Aspect Ratio:")))
        , width(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Width:")))
        , refresh(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Refresh Rate:")))
    {}
    bool valid() const { return defined && aspect && width && refresh; }

    QWidget *widget;
    QCheckBox *defined;
    QComboBox *aspect;
    QLineEdit *width;
    QLineEdit *refresh;
};

} // namespace

class tst_VyrEdidStandardTimingItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void undefinedCodeBecomesDefined();
    void descriptorRowWritesItsOwnBytes();
    void confirmingWithoutChangeWritesNothing();
    void locations_data();
    void locations();
    void squareAspectBeforeEdid13_data();
    void squareAspectBeforeEdid13();
    void withoutBlock();
};

void tst_VyrEdidStandardTimingItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

// 01 01 reads as "not defined" with the controls off; defining 1024 x 768 (4:3) at 75 Hz writes
// 61 4F, and the checksum follows.
void tst_VyrEdidStandardTimingItem::undefinedCodeBecomesDefined()
{
    TreeHarness h(EdidImageBuilder().edid14().image());
    QCOMPARE(h.childTitles(BaseTimings),
             QStringList({"Timing 0", "Timing 1", "Timing 2", "Timing 3", "Timing 4", "Timing 5",
                          "Timing 6", "Timing 7"}));
    Editor editor(h, rowOf(BaseTimings, 0));
    QVERIFY(editor.valid());
    QVERIFY(!editor.defined->isChecked());
    QVERIFY(!editor.width->isEnabled());
    QVERIFY(!editor.aspect->isEnabled());
    QVERIFY(!editor.refresh->isEnabled());

    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    VyrTest::clickButton(editor.defined);
    VyrTest::chooseRow(editor.aspect, editor.aspect->findText("LandScape  4x3"));
    VyrTest::typeAndConfirm(editor.width, "1024");
    VyrTest::typeAndConfirm(editor.refresh, "75");
    QCOMPARE(h.image().mid(38, 2), QByteArray::fromHex("614f"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {38, 39});
    QCOMPARE(notified.count(), 1);
    QCOMPARE(h.hexCell(38), QStringLiteral("61"));

    // Unchecking "Defined" stores 01 01 again.
    VyrTest::clickButton(editor.defined);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// Row 2 of the descriptor in slot 1 (section 2) is bytes 72 + 5 + 4 and 72 + 5 + 5, not a code
// of bytes 38 to 53.
void tst_VyrEdidStandardTimingItem::descriptorRowWritesItsOwnBytes()
{
    TreeHarness h(descriptorImage());
    QCOMPARE(h.childTitles(DescriptorTimings).size(), 6);
    auto *item = dynamic_cast<VyrEdidStandardTimingItem *>(h.row(DescriptorTimings));
    QVERIFY(item);
    QCOMPARE(item->section(), 2u);
    Editor editor(h, rowOf(DescriptorTimings, 2));
    QVERIFY(editor.valid());
    QVERIFY(editor.defined->isChecked());
    QCOMPARE(editor.width->text(), QStringLiteral("1920"));
    QCOMPARE(editor.aspect->currentText(), QStringLiteral("LandScape  16x9"));

    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    VyrTest::chooseRow(editor.aspect, editor.aspect->findText("LandScape  5x4"));
    VyrTest::typeAndConfirm(editor.width, "1680");
    // 1680 / 8 - 31 = 0xB3; 5:4 and 60 Hz: 0x80.
    QCOMPARE(h.image().mid(81, 2), QByteArray::fromHex("b380"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {81, 82});
    QCOMPARE(notified.count(), 2);
}

// Return in an editor that holds the stored values writes nothing and notifies nothing, not
// even the checksum of a block whose checksum is wrong.
void tst_VyrEdidStandardTimingItem::confirmingWithoutChangeWritesNothing()
{
    QByteArray image = descriptorImage();
    image[127] = static_cast<char>(image.at(127) ^ 0x01);
    TreeHarness h(image);
    QSignalSpy notified(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    Editor editor(h, rowOf(DescriptorTimings, 0));
    QVERIFY(editor.valid());
    VyrTest::typeAndConfirm(editor.width, "1280");
    VyrTest::typeAndConfirm(editor.refresh, "60");
    QCOMPARE(notified.count(), 0);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidStandardTimingItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("base block group") << BaseTimings << "38:16";
    QTest::newRow("base block row 0") << rowOf(BaseTimings, 0) << "38:2";
    QTest::newRow("base block row 7") << rowOf(BaseTimings, 7) << "52:2";
    QTest::newRow("descriptor group") << DescriptorTimings << "72:18";
    QTest::newRow("descriptor row 0") << rowOf(DescriptorTimings, 0) << "77:2";
    QTest::newRow("descriptor row 5") << rowOf(DescriptorTimings, 5) << "87:2";
}

void tst_VyrEdidStandardTimingItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(descriptorImage());
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    QVERIFY(h.select(path));
    QCOMPARE(h.highlightedBytes().value(0), locations.section(':', 0, 0).toInt());
}

void tst_VyrEdidStandardTimingItem::squareAspectBeforeEdid13_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("firstAspect");
    QTest::addColumn<QString>("height");
    // Code 0xA9 0x00 (1600, aspect bits 00, 60 Hz).
    QTest::newRow("EDID 1.2")
        << EdidImageBuilder().edid13().patch(19, {2}).patch(38, {0xA9, 0x00}).image()
        << "Square   1x1"
        << "1600";
    QTest::newRow("EDID 1.3") << EdidImageBuilder().edid13().patch(38, {0xA9, 0x00}).image()
                              << "LandScape 16x10"
                              << "1000";
}

// Before EDID 1.3 the aspect bits 00 mean 1:1: the editor shows the height the block model
// derives, and an edit keeps the bits.
void tst_VyrEdidStandardTimingItem::squareAspectBeforeEdid13()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, firstAspect);
    QFETCH(QString, height);
    TreeHarness h(image);
    Editor editor(h, rowOf(BaseTimings, 0));
    QVERIFY(editor.valid());
    QCOMPARE(editor.aspect->currentText(), firstAspect);
    auto *heightField = qobject_cast<QLineEdit *>(VyrTest::formField(editor.widget, "Height:"));
    QVERIFY(heightField);
    QCOMPARE(heightField->text(), height);
    VyrTest::typeAndConfirm(editor.refresh, "75");
    QCOMPARE(h.image().mid(38, 2), QByteArray::fromHex("a90f"));
}

// Without a block the rows show undefined codes and an edit only notifies; a count of 0 gives
// no rows.
void tst_VyrEdidStandardTimingItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    auto *empty = new VyrEdidStandardTimingItem(0, 0, nullptr);
    auto *item = new VyrEdidStandardTimingItem(0, 8, nullptr);
    tree.addTopLevelItems({empty, item});
    QVERIFY(empty->InitItems());
    QVERIFY(item->InitItems());
    QCOMPARE(empty->childCount(), 0);
    QCOMPARE(item->childCount(), 8);
    QVERIFY(item->GetItemLocations().isEmpty());
    QCOMPARE(item->child(0)->type(), 1107);
    QSignalSpy notified(&tree, &VyrEdidInfoTree::edidDataChanged);
    StandardTiming timing;
    timing.defined = true;
    timing.width = 1024;
    timing.refreshRate = 60;
    timing.aspect = AspectRatio4x3;
    item->onUpdateItemData(3, timing);
    QCOMPARE(notified.count(), 1);
}

QTEST_MAIN(tst_VyrEdidStandardTimingItem)
#include "tst_vyredidstandardtimingitem.moc"
