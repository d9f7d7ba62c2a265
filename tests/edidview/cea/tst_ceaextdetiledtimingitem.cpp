// The detailed timing list of a CEA-861 extension: adding and removing descriptors, their field
// rows, and the add button that follows the block's free room.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/cea/CeaExtBlockSubItems.h"
#include "locationtext.h"
#include "model/cea/ceaextblock.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using CeaTest::Blocks;
using CeaTest::Cea;
using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QString Timings = QStringLiteral("Detailed Timings");
constexpr int Ext = 128; // the extension block's offset in the image

QStringList dtdPath(int index)
{
    return {Cea, Timings, QStringLiteral("Detailed Timings Info[%1]").arg(index)};
}

QStringList fieldPath(int index, const QString &field)
{
    return dtdPath(index) << field;
}

// count descriptors from byte d, told apart by their active width (1920 + k).
QByteArray extWithTimings(unsigned d, int count, const QByteArray &collection = {})
{
    QByteArray ext = CeaTest::makeExt(d, static_cast<unsigned>(count), collection, count);
    for (int k = 0; k < count; ++k)
        ext[static_cast<int>(d) + 18 * k + 2] = static_cast<char>(0x80 + k);
    VyrTest::fixChecksum(ext);
    return ext;
}

QByteArray imageOf(const QByteArray &ext)
{
    return EdidImageBuilder().edid14().block(ext).image();
}

CeaExtDetiledTimingItem *listOf(const TreeHarness &h)
{
    return dynamic_cast<CeaExtDetiledTimingItem *>(h.row({Cea, Timings}));
}

QString editText(const TreeHarness &h, const QStringList &path)
{
    auto *edit = qobject_cast<QLineEdit *>(h.widget(path));
    return edit ? edit->text() : QStringLiteral("<no editor>");
}

// The remove button index of every descriptor row.
QList<unsigned> removeIndexes(const TreeHarness &h)
{
    QList<unsigned> indexes;
    QTreeWidgetItem *list = h.row({Cea, Timings});
    for (int i = 0; i < list->childCount(); ++i) {
        auto *button = qobject_cast<EdidAddRemoveToolButton *>(
            h.tree()->itemWidget(list->child(i), VyrEdidColumn::Action));
        indexes << (button && !button->isAdd() ? button->index() : 999u);
    }
    return indexes;
}

} // namespace

class tst_CeaExtDetiledTimingItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsOfEachDescriptor();
    void emptyListOffersAdd();
    void addFirstDescriptor();
    void addButtonVisibility_data();
    void addButtonVisibility();
    void addButtonFollowsDataBlocks();
    void removeWithPendingText_data();
    void removeWithPendingText();
    void removeLastDescriptor();
    void syncSignalRelabelsFlags();
    void fieldLimits_data();
    void fieldLimits();
    void fieldLocations_data();
    void fieldLocations();
};

void tst_CeaExtDetiledTimingItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_CeaExtDetiledTimingItem::rowsOfEachDescriptor()
{
    TreeHarness h(imageOf(extWithTimings(4, 2)));
    QCOMPARE(h.childTitles({Cea, Timings}),
             QStringList({"Detailed Timings Info", "Detailed Timings Info"}));
    QCOMPARE(h.childTitles(dtdPath(1)),
             QStringList({"HAdressable:", "HBlank:", "HSyncStart:", "HSyncWidth:", "HBorder:",
                          "HImageSize:", "VAdressable:", "VBlank:", "VSyncStart:", "VSyncWidth:",
                          "VBorder:", "VImageSize:", "PixelClock:", "SyncSignal:", "StereoFormat:",
                          "Interlace:", "Positive HSync polarity:", "Positive VSync polarity:"}));
    QCOMPARE(editText(h, fieldPath(1, "HAdressable:")), QStringLiteral("1921"));
    QCOMPARE(editText(h, fieldPath(1, "VAdressable:")), QStringLiteral("1080"));
    QCOMPARE(editText(h, fieldPath(1, "PixelClock:")), QStringLiteral("14850"));
    auto *sync = qobject_cast<QComboBox *>(h.widget(fieldPath(1, "SyncSignal:")));
    QVERIFY(sync);
    QCOMPARE(sync->currentText(), QStringLiteral("Digital Separate"));
    QCOMPARE(h.row(fieldPath(1, "PixelClock:"))->text(2), QStringLiteral("[DEC]"));
    QCOMPARE(h.row(dtdPath(0))->type(), 1114);
    QCOMPARE(h.row(fieldPath(0, "Interlace:"))->type(), 1114);
    QCOMPARE(removeIndexes(h), QList<unsigned>({0, 1}));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_CeaExtDetiledTimingItem::emptyListOffersAdd()
{
    TreeHarness h(EdidImageBuilder().edid14().cea().image());
    QCOMPARE(h.row({Cea, Timings})->childCount(), 0);
    QVERIFY(listOf(h)->addButtonShown());
    QCOMPARE(listOf(h)->addButton()->index(), 0u);
    QVERIFY(listOf(h)->addButton()->isAdd());
}

// With 100 free bytes the new descriptor area holds five slots and ends at byte 126.
void tst_CeaExtDetiledTimingItem::addFirstDescriptor()
{
    TreeHarness h(imageOf(CeaTest::makeExt(27, 0, CeaTest::videoBlocks({23}))));
    QVERIFY(h.click({Cea, Timings}));
    h.settle();
    const QByteArray image = h.image();
    QCOMPARE(int(quint8(image.at(Ext + 2))), 37);
    QCOMPARE(int(quint8(image.at(Ext + 3))), 0x01);
    QCOMPARE(image.mid(Ext + 37, 2), QByteArray::fromHex("1815")); // 5400 = 54.00 MHz
    VYR_VERIFY_ONLY_CHANGED(h.original(), image, {Ext + 2, Ext + 3, Ext + 37, Ext + 38});
    QCOMPARE(h.row({Cea, Timings})->childCount(), 1);
    QCOMPARE(editText(h, fieldPath(0, "PixelClock:")), QStringLiteral("5400"));
    QCOMPARE(removeIndexes(h), QList<unsigned>({0}));
    QVERIFY(VyrTest::edidDecodeChecksumsOk(image.left(256)));
}

void tst_CeaExtDetiledTimingItem::addButtonVisibility_data()
{
    QTest::addColumn<QByteArray>("ext");
    QTest::addColumn<bool>("shown");
    QTest::newRow("five timings, 33 free") << extWithTimings(4, 5) << true;
    QTest::newRow("six timings") << extWithTimings(4, 6) << false;
    QTest::newRow("18 bytes free")
        << extWithTimings(91, 1, CeaTest::videoBlocks({22, 22, 22, 21})) << true;
    QTest::newRow("17 bytes free")
        << extWithTimings(92, 1, CeaTest::videoBlocks({22, 22, 22, 22})) << false;
}

void tst_CeaExtDetiledTimingItem::addButtonVisibility()
{
    QFETCH(QByteArray, ext);
    QFETCH(bool, shown);
    TreeHarness h(imageOf(ext));
    QCOMPARE(listOf(h)->addButtonShown(), shown);
    // The view lays its rows out again: a hidden button stays hidden.
    h.tree()->collapseAll();
    h.tree()->expandAll();
    h.settle();
    QCOMPARE(listOf(h)->addButton()->isVisibleTo(h.tree()), shown);
    // The block refuses as the button says.
    listOf(h)->onAddDTD(0, true);
    h.settle();
    QCOMPARE(h.image() != h.original(), shown);
}

// A data block added or removed elsewhere changes the room for one more descriptor.
void tst_CeaExtDetiledTimingItem::addButtonFollowsDataBlocks()
{
    TreeHarness h(imageOf(extWithTimings(91, 1, CeaTest::videoBlocks({22, 22, 22, 21}))));
    QVERIFY(listOf(h)->addButtonShown());
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Video Data Block"));
    QVERIFY(h.click({Cea, "Data Blocks"}));
    h.settle();
    QCOMPARE(h.row({Cea, "Data Blocks"})->childCount(), 5);
    QVERIFY(!listOf(h)->addButtonShown());
    QVERIFY(h.click({Cea, "Data Blocks", "Video Data Block[4]"}));
    h.settle();
    QVERIFY(listOf(h)->addButtonShown());
    // The descriptor moved and came back; its rows still name it.
    QCOMPARE(editText(h, fieldPath(0, "HAdressable:")), QStringLiteral("1920"));
}

void tst_CeaExtDetiledTimingItem::removeWithPendingText_data()
{
    QTest::addColumn<int>("pending");
    QTest::newRow("text in the removed descriptor") << 0;
    QTest::newRow("text in the next descriptor") << 1;
    QTest::newRow("text in the last descriptor") << 2;
}

// Removing descriptor 0 of three while another descriptor's editor holds text not yet
// confirmed: the text lands on the descriptor it was typed for before anything moves (or goes
// with it), the later descriptors move up by 18 bytes, and the rebuilt rows and their buttons
// name the new places.
void tst_CeaExtDetiledTimingItem::removeWithPendingText()
{
    QFETCH(int, pending);
    const QByteArray ext = extWithTimings(10, 3, CeaTest::videoBlocks({6}));
    TreeHarness h(imageOf(ext));

    // What the block should hold: the edit on its own descriptor, then the removal.
    QByteArray expected = VyrTest::snapshot(h.original());
    CeaExtBlock model(VyrTest::bytes(expected) + Ext, 128, 0, nullptr);
    DetailedTiming timing;
    QVERIFY(model.GetDetailedTiming(static_cast<unsigned>(pending), &timing));
    timing.hActive = 1234;
    model.SetDetailedTiming(static_cast<unsigned>(pending), &timing);
    model.RemoveDTD(0);

    QVERIFY(h.type(fieldPath(pending, "HAdressable:"), "1234", TreeHarness::Leave::Pending));
    QVERIFY(h.click(dtdPath(0)));
    h.settle();
    QCOMPARE(h.image(), expected);
    // The last descriptor moved up by 18 bytes.
    if (pending != 2)
        QCOMPARE(h.image().mid(Ext + 28, 18), ext.mid(46, 18));
    QCOMPARE(h.image().mid(Ext + 46, 18), QByteArray(18, '\0'));
    QCOMPARE(int(quint8(h.image().at(Ext + 3)) & 0x0F), 2);

    QCOMPARE(h.row({Cea, Timings})->childCount(), 2);
    QCOMPARE(removeIndexes(h), QList<unsigned>({0, 1}));
    const QString first = pending == 1 ? QStringLiteral("1234") : QStringLiteral("1921");
    const QString second = pending == 2 ? QStringLiteral("1234") : QStringLiteral("1922");
    QCOMPARE(editText(h, fieldPath(0, "HAdressable:")), first);
    QCOMPARE(editText(h, fieldPath(1, "HAdressable:")), second);

    // The new second button removes the former third descriptor.
    QVERIFY(h.click(dtdPath(1)));
    h.settle();
    model.RemoveDTD(1);
    QCOMPARE(h.image(), expected);
    QCOMPARE(h.row({Cea, Timings})->childCount(), 1);
    QCOMPARE(editText(h, fieldPath(0, "HAdressable:")), first);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

// The last descriptor goes: byte 2 marks the end of the data blocks again, the count is 0.
void tst_CeaExtDetiledTimingItem::removeLastDescriptor()
{
    TreeHarness h(imageOf(extWithTimings(10, 1, CeaTest::videoBlocks({6}))));
    QVERIFY(h.click(dtdPath(0)));
    h.settle();
    QCOMPARE(int(quint8(h.image().at(Ext + 2))), 10);
    QCOMPARE(int(quint8(h.image().at(Ext + 3)) & 0x0F), 0);
    QCOMPARE(h.image().mid(Ext + 10, 18), QByteArray(18, '\0'));
    QCOMPARE(h.row({Cea, Timings})->childCount(), 0);
    QVERIFY(listOf(h)->addButtonShown());
}

// "Digital Separate" writes sync kind 3 into bits 4-3 of byte 17, keeps its other bits and
// titles the flag rows as polarities.
void tst_CeaExtDetiledTimingItem::syncSignalRelabelsFlags()
{
    QByteArray ext = extWithTimings(4, 1);
    ext[4 + 17] = 0x02; // analog composite, sync on all three signals
    VyrTest::fixChecksum(ext);
    TreeHarness h(imageOf(ext));
    QStringList titles = h.childTitles(dtdPath(0));
    QCOMPARE(titles.mid(16),
             QStringList({"Sync on all 3 RGB lines:", "Need serration setup on VSync:"}));
    QVERIFY(h.choose(fieldPath(0, "SyncSignal:"), "Digital Separate"));
    QCOMPARE(int(quint8(h.image().at(Ext + 4 + 17))), 0x1A);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {Ext + 4 + 17});
    titles = h.childTitles(dtdPath(0));
    QCOMPARE(titles.mid(16), QStringList({"Positive HSync polarity:", "Positive VSync polarity:"}));
    QVERIFY(h.choose(fieldPath(0, "SyncSignal:"), "Digital Composite"));
    QCOMPARE(int(quint8(h.image().at(Ext + 4 + 17))), 0x12);
    titles = h.childTitles(dtdPath(0));
    QCOMPARE(titles.mid(16),
             QStringList({"Positive HSync polarity:", "Need serration setup on VSync:"}));
}

void tst_CeaExtDetiledTimingItem::fieldLimits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected"); // descriptor bytes 0-17 afterwards; empty: refused
    QByteArray dtd = CeaTest::sampleDtd();
    QTest::newRow("width 4096 refused") << "HAdressable:"
                                        << "4096" << QByteArray();
    QTest::newRow("width 4095") << "HAdressable:"
                                << "4095"
                                << QByteArray(dtd).replace(2, 1, "\xFF").replace(4, 1, "\xF1");
    QTest::newRow("clock 0 refused") << "PixelClock:"
                                     << "0" << QByteArray();
    QTest::newRow("clock 1") << "PixelClock:"
                             << "1" << QByteArray(dtd).replace(0, 2, QByteArray::fromHex("0100"));
    QTest::newRow("vertical sync offset 64 refused") << "VSyncStart:"
                                                     << "64" << QByteArray();
}

void tst_CeaExtDetiledTimingItem::fieldLimits()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    TreeHarness h(imageOf(CeaTest::makeExt(4, 1, {}, 1)));
    QVERIFY(h.type(fieldPath(0, field), text));
    h.tree()->setFocus();
    if (expected.isEmpty()) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        return;
    }
    QCOMPARE(h.image().mid(Ext + 4, 18).toHex(), expected.toHex());
    QVERIFY(VyrTest::checksumOk(h.image(), Ext));
}

void tst_CeaExtDetiledTimingItem::fieldLocations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    // Descriptors at 128 + 10 and 128 + 28.
    QTest::newRow("descriptor 1") << dtdPath(1) << "156:18";
    QTest::newRow("pixel clock") << fieldPath(1, "PixelClock:") << "156:2";
    QTest::newRow("width") << fieldPath(1, "HAdressable:") << "158:1 160:1";
    QTest::newRow("vertical sync offset") << fieldPath(0, "VSyncStart:") << "148:2";
    QTest::newRow("stereo") << fieldPath(0, "StereoFormat:") << "155:1";
    QTest::newRow("flag row") << fieldPath(0, "Positive VSync polarity:") << "155:1";
}

void tst_CeaExtDetiledTimingItem::fieldLocations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(imageOf(extWithTimings(10, 2, CeaTest::videoBlocks({6}))));
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
}

QTEST_MAIN(tst_CeaExtDetiledTimingItem)
#include "tst_ceaextdetiledtimingitem.moc"
