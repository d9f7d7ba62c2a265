// The VTB-EXT block item: its three timing lists, adding and removing entries (the later lists
// move, the freed tail is cleared), edits through the reused base-block rows, and the blocks
// it must not change.

#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidwidgets.h"
#include "items/base/vyredidstandardtimingsubitem.h"
#include "items/vtb/vyredidcoordinatedtimingssectionitem.h"
#include "items/vtb/vyrediddetailedtimingssectionitem.h"
#include "items/vtb/vyredidextvtbitem.h"
#include "items/vtb/vyredidstandardtimingsectionitem.h"
#include "locationtext.h"
#include "model/vtb/edidextvtb.h"
#include "vyrtestutil.h"

#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QString Block = QStringLiteral("VTB-EXT");
const QString Dtbs = QStringLiteral("Detailed Timings Info");
const QString Cvts = QStringLiteral("Coordinated Video Timings Info");
const QString Sts = QStringLiteral("Standard Timings Info");
constexpr int Ext = 128; // the VTB-EXT block's offset in the image
constexpr int Entries = Ext + 5;

// One detailed timing (1920x1080, 148.5 MHz); byte 2 tells the timings apart.
QList<int> detailedTiming(int k)
{
    return {0x02, 0x3A, 0x80 + k, 0x18, 0x71, 0x38, 0x2D, 0x40, 0x58,
            0x2C, 0x45, 0x00,     0x54, 0x4F, 0x21, 0x00, 0x00, 0x1E};
}

// A VTB-EXT block with d detailed timings, c CVT codes and s standard timings, each entry
// told apart by k; count bytes as given.
QByteArray vtbImage(int d, int c, int s, QList<int> counts = {})
{
    QList<int> bytes;
    for (int k = 0; k < d; ++k)
        bytes << detailedTiming(k);
    for (int k = 0; k < c; ++k)
        bytes << 0x38 + k << 0x24 << 0x0A; // 1080 lines 16:9, 60 Hz
    for (int k = 0; k < s; ++k)
        bytes << 0x81 + k << 0x40; // (129 + k + 31) * 8 pixels, 4:3, 60 Hz
    if (counts.isEmpty())
        counts = {d, c, s};
    return EdidImageBuilder().edid14().vtb().patch(2, counts).patch(5, bytes).image();
}

template <typename Section> Section *sectionOf(const TreeHarness &h, const QString &title)
{
    return dynamic_cast<Section *>(h.row({Block, title}));
}

VtbSectionItem *section(const TreeHarness &h, const QString &title)
{
    return sectionOf<VtbSectionItem>(h, title);
}

// The remove button index of every entry row (999 for a row without one).
QList<unsigned> removeIndexes(const TreeHarness &h, const QString &title)
{
    QList<unsigned> indexes;
    QTreeWidgetItem *list = h.row({Block, title});
    for (int i = 0; i < list->childCount(); ++i) {
        auto *button = qobject_cast<EdidAddRemoveToolButton *>(
            h.tree()->itemWidget(list->child(i), VyrEdidColumn::Action));
        indexes << (button && !button->isAdd() ? button->index() : 999u);
    }
    return indexes;
}

// Titles of the rows below row that hold an enabled widget other than an add button.
QStringList enabledEditors(const TreeHarness &h, QTreeWidgetItem *row)
{
    QStringList titles;
    for (int i = 0; i < row->childCount(); ++i) {
        QTreeWidgetItem *child = row->child(i);
        for (int column = VyrEdidColumn::Value; column < VyrEdidColumn::Count; ++column) {
            QWidget *widget = h.tree()->itemWidget(child, column);
            auto *button = qobject_cast<EdidAddRemoveToolButton *>(widget);
            if (widget && widget->isEnabled() && !(button && button->isAdd()))
                titles << child->text(VyrEdidColumn::Property);
        }
        titles << enabledEditors(h, child);
    }
    return titles;
}

QByteArray imageBytes(const TreeHarness &h, int offset, int length)
{
    return h.image().mid(offset, length);
}

} // namespace

class tst_VyrEdidExtVtbItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sectionsAndRows();
    void emptyBlock();
    void addCvtUntilFull();
    void addStandardTimingWithThreeFree();
    void removeFirstStandardTiming();
    void addFirstDetailedTimingMovesLaterLists();
    void removeDetailedTiming();
    void edits();
    void badCountsReadOnly_data();
    void badCountsReadOnly();
    void badChecksum();
    void samplesBuildWithoutWriting();
};

void tst_VyrEdidExtVtbItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidExtVtbItem::sectionsAndRows()
{
    TreeHarness h(vtbImage(1, 2, 3));
    QCOMPARE(h.row({Block})->type(), 1121);
    QCOMPARE(h.childTitles({Block}), QStringList({Dtbs, Cvts, Sts}));
    QCOMPARE(h.row({Block, Dtbs})->type(), 1114);
    QCOMPARE(h.row({Block, Cvts})->type(), 1120);
    QCOMPARE(h.row({Block, Sts})->type(), 1111);
    QCOMPARE(h.childTitles({Block, Dtbs}), QStringList({"Detailed Timing 0"}));
    QCOMPARE(h.childTitles({Block, Cvts}),
             QStringList({"CVT 3Byte Timing 0", "CVT 3Byte Timing 1"}));
    QCOMPARE(h.childTitles({Block, Sts}), QStringList({"Timing 0", "Timing 1", "Timing 2"}));
    auto *pixels =
        qobject_cast<QLineEdit *>(h.widget({Block, Dtbs, "Detailed Timing 0", "HAdressable:"}));
    QVERIFY(pixels);
    QCOMPARE(pixels->text(), QStringLiteral("1920"));
    QCOMPARE(removeIndexes(h, Cvts), QList<unsigned>({0, 1}));
    QCOMPARE(removeIndexes(h, Sts), QList<unsigned>({0, 1, 2}));
    for (const QString &title : {Dtbs, Cvts, Sts}) {
        QVERIFY(section(h, title)->addButton()->isAdd());
        QVERIFY(section(h, title)->addButton()->isEnabled());
    }

    QCOMPARE(VyrTest::locationText(h.locations({Block})), QStringLiteral("128:128"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Dtbs})), QStringLiteral("133:18"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Cvts})), QStringLiteral("151:6"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Sts})), QStringLiteral("157:6"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Cvts, "CVT 3Byte Timing 1"})),
             QStringLiteral("154:3"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Sts, "Timing 2"})), QStringLiteral("161:2"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Dtbs, "Detailed Timing 0", "HAdressable:"})),
             QStringLiteral("135:1 137:1"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidExtVtbItem::emptyBlock()
{
    TreeHarness h(EdidImageBuilder().edid14().vtb().image());
    for (const QString &title : {Dtbs, Cvts, Sts}) {
        QCOMPARE(h.row({Block, title})->childCount(), 0);
        QVERIFY(h.locations({Block, title}).isEmpty());
        QVERIFY(section(h, title)->addButton()->isEnabled());
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// With six detailed timings 14 bytes are free: four codes fit (14, 11, 8, 5 free before each
// add), then the button stops with 2 bytes free.
void tst_VyrEdidExtVtbItem::addCvtUntilFull()
{
    TreeHarness h(vtbImage(6, 0, 0));
    QVERIFY(!section(h, Dtbs)->addButton()->isEnabled());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(section(h, Cvts)->addButton()->isEnabled());
        QVERIFY(h.click({Block, Cvts}));
        h.settle();
    }
    QCOMPARE(int(quint8(h.image().at(Ext + 3))), 4);
    QCOMPARE(h.childTitles({Block, Cvts}),
             QStringList({"CVT 3Byte Timing 0", "CVT 3Byte Timing 1", "CVT 3Byte Timing 2",
                          "CVT 3Byte Timing 3"}));
    // The tree had no CVT editor when it was built: the value column widened for the new ones.
    QWidget *editor = h.shownWidget({Block, Cvts, "CVT 3Byte Timing 0"});
    QVERIFY(editor);
    QVERIFY(h.tree()->columnWidth(VyrEdidColumn::Value) >= editor->minimumSizeHint().width());
    QVERIFY(!section(h, Cvts)->addButton()->isEnabled());
    QVERIFY(!section(h, Sts)->addButton()->isEnabled()); // 2 bytes free: not more than 2
    sectionOf<VyrEdidCoordinatedTimingsSectionItem>(h, Cvts)->onAddCVT(); // refused by the block
    h.settle();
    QCOMPARE(int(quint8(h.image().at(Ext + 3))), 4);
    QCOMPARE(imageBytes(h, Entries, 108), h.original().mid(Entries, 108));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Ext + 3});
}

// 3 bytes free (108 + 9 + 2 used): a standard timing still fits (more than 2 are needed) and
// leaves 1, a CVT code does not (more than 3 are needed).
void tst_VyrEdidExtVtbItem::addStandardTimingWithThreeFree()
{
    TreeHarness h(vtbImage(6, 3, 1));
    QVERIFY(!section(h, Cvts)->addButton()->isEnabled());
    QVERIFY(section(h, Sts)->addButton()->isEnabled());
    QVERIFY(h.click({Block, Sts}));
    h.settle();
    QCOMPARE(int(quint8(h.image().at(Ext + 4))), 2);
    QCOMPARE(h.childTitles({Block, Sts}), QStringList({"Timing 0", "Timing 1"}));
    QVERIFY(!section(h, Sts)->addButton()->isEnabled());
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Ext + 4});
}

void tst_VyrEdidExtVtbItem::removeFirstStandardTiming()
{
    TreeHarness h(vtbImage(0, 0, 3));
    QVERIFY(h.click({Block, Sts, "Timing 0"}));
    h.settle();
    const QByteArray image = h.image();
    QCOMPARE(int(quint8(image.at(Ext + 4))), 2);
    QCOMPARE(image.mid(Entries, 6), QByteArray::fromHex("824083400000"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), image,
                            {Ext + 4, Entries, Entries + 2, Entries + 4, Entries + 5});
    QCOMPARE(h.childTitles({Block, Sts}), QStringList({"Timing 0", "Timing 1"}));
    QCOMPARE(removeIndexes(h, Sts), QList<unsigned>({0, 1}));
    QCOMPARE(section(h, Sts)->entryCount(), 2u);
    QCOMPARE(VyrTest::locationText(h.locations({Block, Sts, "Timing 1"})), QStringLiteral("135:2"));
}

// The first detailed timing opens 18 zero bytes at byte 5; the CVT codes and standard timings
// move up unchanged.
void tst_VyrEdidExtVtbItem::addFirstDetailedTimingMovesLaterLists()
{
    TreeHarness h(vtbImage(0, 2, 2));
    const QByteArray lists = h.original().mid(Entries, 10);
    QVERIFY(h.click({Block, Dtbs}));
    h.settle();
    const QByteArray image = h.image();
    QCOMPARE(int(quint8(image.at(Ext + 2))), 1);
    QCOMPARE(image.mid(Entries, 18), QByteArray(18, '\0'));
    QCOMPARE(image.mid(Entries + 18, 10), lists);
    QCOMPARE(image.mid(Entries + 28, 122 - 28), QByteArray(122 - 28, '\0'));
    QCOMPARE(h.childTitles({Block, Dtbs}), QStringList({"Detailed Timing 0"}));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Cvts})), QStringLiteral("151:6"));
    QCOMPARE(VyrTest::locationText(h.locations({Block, Sts})), QStringLiteral("157:4"));
    QList<int> moved{Ext + 2};
    for (int i = Entries; i < Entries + 28; ++i)
        moved << i;
    VYR_VERIFY_ONLY_CHANGED(h.original(), image, moved);
}

// Removing detailed timing 0 of 2: the second moves down and is shown as "Detailed Timing 0"
// with its own values; the later lists move too.
void tst_VyrEdidExtVtbItem::removeDetailedTiming()
{
    TreeHarness h(vtbImage(2, 1, 1));
    QVERIFY(h.click({Block, Dtbs, "Detailed Timing 0"}));
    h.settle();
    const QByteArray image = h.image();
    QCOMPARE(int(quint8(image.at(Ext + 2))), 1);
    QCOMPARE(image.mid(Entries, 18 + 5), h.original().mid(Entries + 18, 18 + 5));
    QCOMPARE(image.mid(Entries + 23, 18), QByteArray(18, '\0'));
    QCOMPARE(h.childTitles({Block, Dtbs}), QStringList({"Detailed Timing 0"}));
    QCOMPARE(removeIndexes(h, Dtbs), QList<unsigned>({0}));
    auto *pixels =
        qobject_cast<QLineEdit *>(h.widget({Block, Dtbs, "Detailed Timing 0", "HAdressable:"}));
    QVERIFY(pixels);
    QCOMPARE(pixels->text(), QStringLiteral("1921"));
}

// Each list writes its edits to its own entry.
void tst_VyrEdidExtVtbItem::edits()
{
    TreeHarness h(vtbImage(2, 2, 2));
    QVERIFY(h.type({Block, Dtbs, "Detailed Timing 1", "HAdressable:"}, "1280"));
    QCOMPARE(imageBytes(h, Entries + 18 + 2, 1), QByteArray::fromHex("00"));
    QCOMPARE(int(quint8(h.image().at(Entries + 18 + 4))) >> 4, 5); // 1280 = 0x500

    EdidExtVtb *block = dynamic_cast<VyrEdidExtVtbItem *>(h.row({Block}))->block();
    QVERIFY(block);
    StandardTiming timing{};
    QVERIFY(block->GetStandardTiming(1, 1, &timing));
    timing.refreshRate = 75;
    auto *st = dynamic_cast<VyrEdidStandardTimingSubItem *>(h.row({Block, Sts, "Timing 1"}));
    QVERIFY(st);
    st->onValuesChanged(timing); // as its editor reports it
    QCOMPARE(imageBytes(h, Entries + 36 + 6 + 2, 2), QByteArray::fromHex("824f"));

    auto *cvts = sectionOf<VyrEdidCoordinatedTimingsSectionItem>(h, Cvts);
    Cvt3ByteTiming code{};
    QVERIFY(block->GetCvt3ByteTiming(0, &code));
    code.rate75Hz = true;
    cvts->onUpdateItemData(0, code);
    VYR_VERIFY_ONLY_CHANGED(
        h.original(), h.image(),
        {Entries + 18 + 2, Entries + 18 + 4, Entries + 36 + 2, Entries + 36 + 6 + 3});
}

void tst_VyrEdidExtVtbItem::badCountsReadOnly_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("seven detailed timings") << QList<int>({7, 0, 0});
    QTest::newRow("41 CVT codes") << QList<int>({0, 41, 0});
    QTest::newRow("62 standard timings") << QList<int>({0, 0, 62});
    QTest::newRow("lists past byte 126") << QList<int>({6, 4, 2});
}

// Counts that claim bytes outside the entry area: the entries that fit are shown, nothing
// can be added, removed or edited, and nothing is written.
void tst_VyrEdidExtVtbItem::badCountsReadOnly()
{
    QFETCH(QList<int>, counts);
    TreeHarness h(vtbImage(qMin(counts[0], 6), qMin(counts[1], 4), qMin(counts[2], 2), counts));
    for (const QString &title : {Dtbs, Cvts, Sts}) {
        QVERIFY(!section(h, title)->addButton()->isEnabled());
        for (unsigned index : removeIndexes(h, title))
            QCOMPARE(index, 999u);
    }
    QCOMPARE(enabledEditors(h, h.row({Block})), QStringList());
    sectionOf<VyrEdidDetailedTimingsSectionItem>(h, Dtbs)->onAddDTB();
    sectionOf<VyrEdidCoordinatedTimingsSectionItem>(h, Cvts)->onRemoveCVT(0, false);
    sectionOf<VyrEdidStandardTimingSectionItem>(h, Sts)->onRemoveST(0, false);
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidExtVtbItem::badChecksum()
{
    QByteArray image = vtbImage(1, 1, 1);
    image[Ext + 127] = char(image.at(Ext + 127) + 1);
    TreeHarness h(image);
    QVERIFY(!h.row({Block}));
    QVERIFY(h.row({"Invalid VTB-EXT"}));
    QCOMPARE(h.row({"Invalid VTB-EXT"})->childCount(), 0);
    QCOMPARE(h.row({"Invalid VTB-EXT"})->type(), 1121);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidExtVtbItem::samplesBuildWithoutWriting()
{
    int withVtb = 0;
    const QStringList names = VyrTest::sampleNames();
    for (const QString &name : names) {
        TreeHarness h(VyrTest::sampleImage(name));
        if (!h.row({Block}))
            continue;
        ++withVtb;
        QCOMPARE(h.childTitles({Block}), QStringList({Dtbs, Cvts, Sts}));
        QVERIFY2(h.row({Block, Dtbs})->childCount() > 0, qPrintable(name));
        QVERIFY2(VyrTest::changedBytes(h.original(), h.image()).isEmpty(), qPrintable(name));
    }
    QCOMPARE(withVtb, 2);
}

QTEST_MAIN(tst_VyrEdidExtVtbItem)
#include "tst_vyredidextvtbitem.moc"
