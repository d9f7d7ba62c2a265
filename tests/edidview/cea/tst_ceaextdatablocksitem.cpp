// The data block collection of a CEA-861 extension: one item per data block (the raw-bytes item
// for a kind of no item of its own), adding through the add dialog's seam, removing, and the add
// button's room and revision rules.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/cea/CeaExtBlockSubItems.h"
#include "items/cea/ceaextdatablockfieldsitem.h"
#include "items/cea/ceaextdatablockitem.h"
#include "locationtext.h"
#include "model/cea/ceaextblock.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QtTest>

using CeaTest::Blocks;
using CeaTest::Cea;
using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int Ext = 128; // the extension block's offset in the image

// The extension with collection from byte 4 and byte 2 just after it (no detailed timing).
QByteArray imageWith(const QByteArray &collection, int revision = 3)
{
    QByteArray ext = CeaTest::makeExt(4u + static_cast<unsigned>(collection.size()), 0, collection);
    ext[1] = static_cast<char>(revision);
    return EdidImageBuilder().edid14().block(ext).image();
}

CeaExtDataBlocksItem *listOf(const TreeHarness &h)
{
    return dynamic_cast<CeaExtDataBlocksItem *>(h.row({Cea, Blocks}));
}

struct RowFacts
{
    QStringList titles;
    QList<unsigned> fieldCodes;
    QList<unsigned> indexes;       // the data block each item stands for
    QList<unsigned> removeIndexes; // the index each remove button carries
};

RowFacts rowFacts(const TreeHarness &h)
{
    RowFacts facts;
    QTreeWidgetItem *list = h.row({Cea, Blocks});
    for (int i = 0; i < list->childCount(); ++i) {
        auto *item = dynamic_cast<CeaExtDataBlockItem *>(list->child(i));
        auto *button = qobject_cast<EdidAddRemoveToolButton *>(
            h.tree()->itemWidget(list->child(i), VyrEdidColumn::Action));
        facts.titles << list->child(i)->text(VyrEdidColumn::Property);
        facts.fieldCodes << (item ? item->fieldCode() : 999u);
        facts.indexes << (item ? item->dataBlockIndex() : 999u);
        facts.removeIndexes << (button && !button->isAdd() ? button->index() : 999u);
    }
    return facts;
}

const QStringList AllKinds{"Audio Data Block",
                           "Video Data Block",
                           "HDMI Vendor Specific Data Block",
                           "Speaker Allocation Data Block",
                           "Video Capability Data Block",
                           "Colorimetry Data Block",
                           "Vendor Specific Data Block",
                           "Vendor-Specific Video Data Block",
                           "Vendor-Specific Audio Data Block",
                           "VESA DTC Data Block",
                           "VESA Video Display Device Info",
                           "VESA Video Data Block",
                           "HDMI Video Data Block",
                           "CEA Miscellaneous Audio Fields",
                           "HDMI Audio Data Block"};

} // namespace

class tst_CeaExtDataBlocksItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneItemPerBlock();
    void removeFirstBlock();
    void addColorimetry();
    void addButtonVisibility_data();
    void addButtonVisibility();
    void offersAskedEachTime();
    void pendingTimingTextBeforeTimingsMove();
};

void tst_CeaExtDataBlocksItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

// Blocks of no known kind (an unknown extended tag, tag code 6, a reserved tag 0 header) get
// the raw-bytes item titled by their tags, so every data block has a row and lights up.
void tst_CeaExtDataBlocksItem::oneItemPerBlock()
{
    const QByteArray collection = QByteArray::fromHex("23090707"     // 0 audio
                                                      "42101f"       // 1 video
                                                      "65030c001000" // 2 HDMI VSDB
                                                      "83010000"     // 3 speakers
                                                      "e20000"       // 4 video capability
                                                      "e3050000"     // 5 colorimetry
                                                      "63010000"     // 6 other vendor
                                                      "e20600"       // 7 extended tag 6
                                                      "a100"         // 8 VESA DTC
                                                      "c1ff"         // 9 tag code 6
                                                      "00"           // 10 tag code 0
                                                      "e3120000");   // 11 HDMI audio
    TreeHarness h(imageWith(collection));
    const RowFacts facts = rowFacts(h);
    QCOMPARE(
        facts.titles,
        QStringList({"Audio Data Block", "Video Data Block", "HDMI Vendor Specific Data Block",
                     "CEA Speaker Allocation", "CEA Video Capabilities", "Colorimetry Data Block",
                     "Vendor Specific Data", "Data Block (Tag 7, Extended Tag 6)", "VESA DTC Data",
                     "Data Block (Tag 6)", "Data Block (Tag 0)", "HDMI Audio Data"}));
    QCOMPARE(facts.fieldCodes,
             QList<unsigned>({28, 43, 44, 84, 98, 104, 116, 109, 119, 109, 109, 124}));
    const QList<unsigned> indexes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    QCOMPARE(facts.indexes, indexes);
    QCOMPARE(facts.removeIndexes, indexes);
    QCOMPARE(listOf(h)->blockCount(), 12u);
    QCOMPARE(h.row({Cea, Blocks, "Video Data Block"})->type(), 1114);
    QCOMPARE(VyrTest::locationText(h.locations({Cea, Blocks, "Video Data Block"})), "136:3");
    QCOMPARE(VyrTest::locationText(h.locations({Cea, Blocks, "VESA DTC Data"})), "163:2");
    QCOMPARE(VyrTest::locationText(h.locations({Cea, Blocks, "Colorimetry Data Block"})), "154:2");
    // The raw bytes of an unknown kind: its payload after the extended tag, and its whole block.
    QCOMPARE(h.childTitles({Cea, Blocks, "Data Block (Tag 7, Extended Tag 6)"}),
             QStringList({"Byte 0"}));
    QCOMPARE(VyrTest::locationText(
                 h.locations({Cea, Blocks, "Data Block (Tag 7, Extended Tag 6)", "Byte 0"})),
             "162:1");
    QCOMPARE(VyrTest::locationText(h.locations({Cea, Blocks, "Data Block (Tag 0)"})), "167:1");
    QCOMPARE(h.childTitles({Cea, Blocks, "Data Block (Tag 0)"}), QStringList());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// After data block 0 goes, the former data block 1 is item 0 and its button removes it.
void tst_CeaExtDataBlocksItem::removeFirstBlock()
{
    TreeHarness h(imageWith(QByteArray::fromHex("42101f"
                                                "23090707")));
    QVERIFY(h.click({Cea, Blocks, "Video Data Block"}));
    h.settle();
    QCOMPARE(h.image().mid(Ext + 2, 10).toHex(), QByteArray("0800230907070000"
                                                            "0000"));
    QVERIFY(VyrTest::checksumOk(h.image(), Ext));
    RowFacts facts = rowFacts(h);
    QCOMPARE(facts.titles, QStringList({"Audio Data Block"}));
    QCOMPARE(facts.indexes, QList<unsigned>({0}));
    QCOMPARE(facts.removeIndexes, QList<unsigned>({0}));
    QCOMPARE(VyrTest::locationText(h.locations({Cea, Blocks, "Audio Data Block"})), "133:3");

    QVERIFY(h.click({Cea, Blocks, "Audio Data Block"}));
    h.settle();
    QCOMPARE(h.image().mid(Ext + 2, 6), QByteArray(6, '\0'));
    QCOMPARE(h.row({Cea, Blocks})->childCount(), 0);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

void tst_CeaExtDataBlocksItem::addColorimetry()
{
    TreeHarness h(EdidImageBuilder().edid14().cea().image());
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Colorimetry Data Block"));
    QVERIFY(h.click({Cea, Blocks}));
    h.settle();
    QCOMPARE(chooser.offers().size(), 1);
    QCOMPARE(chooser.lastOffer(), AllKinds);
    QCOMPARE(h.image().mid(Ext + 2, 6).toHex(), QByteArray("0800e3050000"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Ext + 2, Ext + 4, Ext + 5});
    QTreeWidgetItem *row = h.row({Cea, Blocks, "Colorimetry Data Block"});
    QVERIFY(dynamic_cast<CeaExtDataBlockFieldsItem<CeaColometry> *>(row));
    QCOMPARE(rowFacts(h).removeIndexes, QList<unsigned>({0}));
}

void tst_CeaExtDataBlocksItem::addButtonVisibility_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("rows");
    QTest::newRow("revision 3, one video block")
        << imageWith(CeaTest::videoBlocks({3})) << true << 1;
    QTest::newRow("revision 2") << imageWith(CeaTest::videoBlocks({3}), 2) << false << 1;
    QTest::newRow("eight blocks") << imageWith(CeaTest::videoBlocks(QVector<int>(8, 2))) << true
                                  << 8;
    QTest::newRow("nine blocks") << imageWith(CeaTest::videoBlocks(QVector<int>(9, 2))) << false
                                 << 9;
    QTest::newRow("two bytes free")
        << imageWith(CeaTest::videoBlocks({32, 32, 32, 25})) << true << 4;
    QTest::newRow("one byte free")
        << imageWith(CeaTest::videoBlocks({32, 32, 32, 26})) << false << 4;
}

// The button is offered as the block allows; when it is not, an add request writes nothing.
void tst_CeaExtDataBlocksItem::addButtonVisibility()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, shown);
    QFETCH(int, rows);
    TreeHarness h(image);
    QCOMPARE(h.row({Cea, Blocks})->childCount(), rows);
    QCOMPARE(listOf(h)->addButtonShown(), shown);
    h.tree()->collapseAll();
    h.tree()->expandAll();
    h.settle();
    QCOMPARE(listOf(h)->addButton()->isVisibleTo(h.tree()), shown);
    if (!shown) {
        VyrTest::ScriptedChooser chooser;
        chooser.answer(QStringLiteral("Video Data Block"));
        listOf(h)->onAddDataBlock(0, true);
        h.settle();
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
    }
}

// The kinds offered are those that fit when the dialog opens; a cancel or a name not offered
// writes nothing and keeps the rows.
void tst_CeaExtDataBlocksItem::offersAskedEachTime()
{
    TreeHarness h(imageWith(CeaTest::videoBlocks({32, 32, 32, 21}))); // 6 bytes free
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Video Data Block"));
    QVERIFY(h.click({Cea, Blocks}));
    h.settle();
    // The VESA video display device block takes 32 bytes (a fixed 30-byte payload), a VESA DTC
    // block 8 (its shortest payload is 7 bytes).
    QStringList sixBytes = AllKinds;
    sixBytes.removeAll(QStringLiteral("VESA DTC Data Block"));
    sixBytes.removeAll(QStringLiteral("VESA Video Display Device Info"));
    QCOMPARE(chooser.lastOffer(), sixBytes);
    QCOMPARE(h.row({Cea, Blocks})->childCount(), 5);

    const QByteArray afterAdd = h.image();
    QTreeWidgetItem *firstRow = h.row({Cea, Blocks})->child(0);
    chooser.cancel();
    QVERIFY(h.click({Cea, Blocks}));
    h.settle();
    QStringList fitting = sixBytes; // 4 bytes free now
    fitting.removeAll(QStringLiteral("HDMI Vendor Specific Data Block"));
    fitting.removeAll(QStringLiteral("Vendor-Specific Video Data Block"));
    fitting.removeAll(QStringLiteral("Vendor-Specific Audio Data Block"));
    QCOMPARE(chooser.lastOffer(), fitting);
    chooser.answer(QStringLiteral("HDMI Vendor Specific Data Block"));
    QVERIFY(h.click({Cea, Blocks}));
    h.settle();
    QCOMPARE(chooser.offers().size(), 3);
    VYR_VERIFY_UNCHANGED(afterAdd, h.image());
    QCOMPARE(h.row({Cea, Blocks})->child(0), firstRow);
}

// A data block that needs the room after the detailed timings moves them; a value typed into a
// timing's editor without Enter lands on its own timing first.
void tst_CeaExtDataBlocksItem::pendingTimingTextBeforeTimingsMove()
{
    const QByteArray collection = QByteArray::fromHex("42101f"
                                                      "23090707");
    QByteArray image =
        EdidImageBuilder().edid14().block(CeaTest::makeExt(11, 1, collection, 1)).image();
    TreeHarness h(image);
    QByteArray expected = VyrTest::snapshot(h.original());
    CeaExtBlock model(VyrTest::bytes(expected) + Ext, 128, 0, nullptr);
    DetailedTiming timing;
    QVERIFY(model.GetDetailedTiming(0, &timing));
    timing.hActive = 1234;
    model.SetDetailedTiming(0, &timing);
    model.AddDataBlock(CeaBlockVideo);
    QCOMPARE(int(quint8(expected.at(Ext + 2))), 13); // the timing moved by 2 bytes

    const QStringList width{Cea, "Detailed Timings", "Detailed Timings Info", "HAdressable:"};
    QVERIFY(h.type(width, "1234", TreeHarness::Leave::Pending));
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Video Data Block"));
    QVERIFY(h.click({Cea, Blocks}));
    h.settle();
    QCOMPARE(h.image(), expected);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

QTEST_MAIN(tst_CeaExtDataBlocksItem)
#include "tst_ceaextdatablocksitem.moc"
