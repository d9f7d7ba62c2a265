#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidwidgets.h"
#include "probeitems.h"
#include "recordinguiservice.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

QList<unsigned> offsetsOf(const VyrEdidMainItem *root)
{
    QList<unsigned> offsets;
    for (unsigned i = 0; i <= root->blockCount(); ++i)
        offsets << root->blockOffset(i);
    return offsets;
}

// The index each block's erase button carries.
QList<unsigned> eraseIndexes(const TreeHarness &h)
{
    QList<unsigned> indexes;
    for (int i = 0; i < h.root()->childCount(); ++i) {
        auto *button = qobject_cast<VyrEdidToolButton *>(
            h.tree()->itemWidget(h.root()->child(i), VyrEdidColumn::Action));
        indexes << (button ? button->index() : 999u);
    }
    return indexes;
}

QByteArray bytes(const QByteArray &image, int from, int count)
{
    return image.mid(from, count);
}

// What the tree shows for each block edid-decode reports. Differences the comparison allows
// for:
// - only the first 512 bytes form the image, and only the blocks the first block announces in
//   byte 126 are looked at (so edid-decode reads the image up to there, zeros that stand for
//   blocks the file did not hold included);
// - EDID structure 1.0 to 1.2 is read as EDID 1.3;
// - DisplayID 2.x sections, block maps, erased and manufacturer blocks have no class here:
//   they show as an unknown extension with their tag.
QStringList decodedTitles(const QByteArray &image, QString *rootTitle)
{
    const int announced = quint8(image.at(126));
    const QString text = VyrTest::edidDecode(image.left(128 * qMin(announced + 1, 4)));
    static const QRegularExpression heading(QStringLiteral("^Block (\\d+), ([^:\\n]*):$"),
                                            QRegularExpression::MultilineOption);
    QList<QRegularExpressionMatch> headings;
    for (auto it = heading.globalMatch(text); it.hasNext();)
        headings << it.next();
    QStringList titles;
    for (int i = 0; i < headings.size(); ++i) {
        const QString name = headings.at(i).captured(2);
        const int end = i + 1 < headings.size() ? headings.at(i + 1).capturedStart() : text.size();
        const QString body =
            text.mid(headings.at(i).capturedEnd(), end - headings.at(i).capturedEnd());
        QString title = QString::asprintf("Unknown Extension (Tag 0x%02X)",
                                          unsigned(quint8(image.at(128 * i))));
        if (i == 0 && name == QLatin1String("Base EDID")) {
            title = QStringLiteral("Base Block");
            *rootTitle = body.contains(QLatin1String("Version & Revision: 1.4"))
                             ? QStringLiteral("EDID 1.4")
                             : QStringLiteral("EDID 1.3");
        } else if (name == QLatin1String("CTA-861 Extension Block")) {
            title = QStringLiteral("CEA Extention");
        } else if (name == QLatin1String("Display Information Extension Block")) {
            title = QStringLiteral("DI Extention");
        } else if (name == QLatin1String("Video Timing Extension Block")) {
            title = QStringLiteral("VTB-EXT");
        } else if (name == QLatin1String("DisplayID Extension Block")
                   && body.contains(QRegularExpression(QStringLiteral("Version: 1\\.")))) {
            title = QStringLiteral("DID Extention");
        }
        titles << title;
    }
    return titles;
}

} // namespace

class tst_VyrEdidMainItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recognition_data();
    void recognition();
    void samplesAsEdidDecodeReadsThem_data();
    void samplesAsEdidDecodeReadsThem();
    void removeMiddleBlock();
    void removeOnlyBlock();
    void removalKeepsUnrecognisedExtensions();
    void firstBlockStaysWhileExtensionsFollow();
    void addExtensionToLoneBaseBlock();
    void addFirstBlock_data();
    void addFirstBlock();
    void addOnlyWhileABlockFits_data();
    void addOnlyWhileABlockFits();
    void cancelledAddChangesNothing();
    void failingItemEndsTheList();
    void itemRebuildsTheTreeFromItsOwnSlot();
    void eraseWhileAnotherRowHoldsText_data();
    void eraseWhileAnotherRowHoldsText();
};

void tst_VyrEdidMainItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidMainItem::recognition_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QList<unsigned>>("offsets");
    QTest::addColumn<bool>("baseErasable");

    QTest::newRow("EDID 1.3 alone") << EdidImageBuilder().edid13().image() << "EDID 1.3"
                                    << QStringList{"Base Block"} << QList<unsigned>{0, 128} << true;
    QTest::newRow("EDID 1.4 and CEA-861")
        << EdidImageBuilder().edid14().cea().image() << "EDID 1.4"
        << QStringList{"Base Block", "CEA Extention"} << QList<unsigned>{0, 128, 256} << false;
    // The second block announced is zeros in the image: kept as a block all the same.
    QTest::newRow("two announced, one present")
        << EdidImageBuilder().edid14().cea().announce(2).image() << "EDID 1.4"
        << QStringList{"Base Block", "CEA Extention", "Unknown Extension (Tag 0x00)"}
        << QList<unsigned>{0, 128, 256, 384} << false;
    QTest::newRow("present but not announced")
        << EdidImageBuilder().edid13().cea().announce(0).image() << "EDID 1.3"
        << QStringList{"Base Block"} << QList<unsigned>{0, 128} << true;
    QTest::newRow("every extension kind")
        << EdidImageBuilder().edid13().cea().diExt().displayIdExtension().image() << "EDID 1.3"
        << QStringList{"Base Block", "CEA Extention", "DI Extention", "DID Extention"}
        << QList<unsigned>{0, 128, 256, 384, 512} << false;
    QTest::newRow("VTB-EXT") << EdidImageBuilder().edid13().vtb().image() << "EDID 1.3"
                             << QStringList{"Base Block", "VTB-EXT"} << QList<unsigned>{0, 128, 256}
                             << false;
    // A block map is a block of its own, and the block behind it is read.
    QTest::newRow("unrecognised extension")
        << EdidImageBuilder().edid14().block(QByteArray(1, '\xF0')).cea().image() << "EDID 1.4"
        << QStringList{"Base Block", "Unknown Extension (Tag 0xF0)", "CEA Extention"}
        << QList<unsigned>{0, 128, 256, 384} << false;
    QTest::newRow("unrecognised first block") << EdidImageBuilder()
                                                     .block(QByteArray::fromHex("00ffffffffffff00"))
                                                     .patch(18, {2, 0})
                                                     .image()
                                              << "" << QStringList() << QList<unsigned>{0} << true;
    QTest::newRow("empty image") << QByteArray(512, '\0') << "" << QStringList()
                                 << QList<unsigned>{0} << true;
    QTest::newRow("DisplayID sections")
        << EdidImageBuilder().displayIdBase().displayIdSection().image() << "DISPLAY ID BASE"
        << QStringList{"DID Base Block", "DID Extention"} << QList<unsigned>{0, 5, 133} << false;
    // The fifth block would end at 517: it is not read, the image ends at 512.
    QTest::newRow("nothing past the image")
        << EdidImageBuilder()
               .displayIdBase()
               .displayIdExtension()
               .displayIdExtension()
               .displayIdExtension()
               .displayIdExtension()
               .image()
        << "DISPLAY ID BASE"
        << QStringList{"DID Base Block", "DID Extention", "DID Extention", "DID Extention"}
        << QList<unsigned>{0, 5, 133, 261, 389} << false;
}

void tst_VyrEdidMainItem::recognition()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, title);
    QFETCH(QStringList, blocks);
    QFETCH(QList<unsigned>, offsets);
    QFETCH(bool, baseErasable);
    TreeHarness h(image);
    VyrEdidMainItem *root = h.root();
    QCOMPARE(root->text(VyrEdidColumn::Property), title);
    QCOMPARE(h.childTitles({}), blocks);
    QCOMPARE(offsetsOf(root), offsets);
    QVERIFY(qobject_cast<QPushButton *>(h.widget({}, VyrEdidColumn::Action)));
    QList<unsigned> expectedIndexes;
    for (int i = 0; i < blocks.size(); ++i)
        expectedIndexes << unsigned(i);
    QCOMPARE(eraseIndexes(h), expectedIndexes);
    if (root->baseEraseButton())
        QCOMPARE(root->baseEraseButton()->isEnabled(), baseErasable);
    // DisplayID sections carry an add button in the type column.
    for (int i = 0; i < blocks.size(); ++i) {
        const bool displayId = blocks.at(i).startsWith(QLatin1String("DID"));
        QCOMPARE(h.tree()->itemWidget(root->child(i), VyrEdidColumn::Type) != nullptr, displayId);
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidMainItem::samplesAsEdidDecodeReadsThem_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : VyrTest::sampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_VyrEdidMainItem::samplesAsEdidDecodeReadsThem()
{
    if (!VyrTest::haveEdidDecode())
        QSKIP("edid-decode is not installed");
    QFETCH(QString, sample);
    QString rootTitle;
    const QByteArray original = VyrTest::sampleImage(sample);
    const QStringList expected = decodedTitles(original, &rootTitle);
    // The root alone in a tree: this runs for every sample, the view form adds nothing here.
    QByteArray image(original.constData(), original.size());
    VyrEdidInfoTree tree;
    auto *root = new VyrEdidMainItem(reinterpret_cast<unsigned char *>(image.data()));
    tree.addTopLevelItem(root);
    QVERIFY(root->InitItems());
    QCOMPARE(root->text(VyrEdidColumn::Property), rootTitle);
    QStringList titles;
    for (int i = 0; i < root->childCount(); ++i)
        titles << root->child(i)->text(VyrEdidColumn::Property);
    QCOMPARE(titles, expected);
    VYR_VERIFY_UNCHANGED(original, image);
}

void tst_VyrEdidMainItem::removeMiddleBlock()
{
    const QByteArray image =
        EdidImageBuilder().edid14().cea().patch(4, {0xAA}).diExt().patch(4, {0xBB}).image();
    TreeHarness h(image);
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", "CEA Extention", "DI Extention"}));
    QVERIFY(h.click({"CEA Extention"}));
    h.settle();
    const QByteArray after = h.image();
    QCOMPARE(bytes(after, 128, 128), bytes(image, 256, 128)); // the DI-EXT block moved down
    QCOMPARE(bytes(after, 256, 256), QByteArray(256, '\0'));
    QCOMPARE(quint8(after.at(126)), quint8(1));
    VYR_VERIFY_ONLY_CHANGED(image.left(128), after.left(128), {126});
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", "DI Extention"}));
    QCOMPARE(offsetsOf(h.root()), QList<unsigned>({0, 128, 256}));
    QCOMPARE(eraseIndexes(h), QList<unsigned>({0, 1}));
    QVERIFY(VyrTest::edidDecodeChecksumsOk(after.left(256)) || !VyrTest::haveEdidDecode());
}

void tst_VyrEdidMainItem::removeOnlyBlock()
{
    // Stray bytes behind the block, not announced.
    TreeHarness h(EdidImageBuilder().edid13().raw(QByteArray(64, '\x5A')).announce(0).image());
    QVERIFY(h.click({"Base Block"}));
    h.settle();
    QCOMPARE(h.image(), QByteArray(512, '\0'));
    QCOMPARE(h.root()->text(VyrEdidColumn::Property), QString());
    QCOMPARE(h.childTitles({}), QStringList());
    QCOMPARE(h.root()->blockCount(), 0u);
}

// An unknown block behind the removed one moves down with the others and stays announced:
// removing a block loses no other block.
void tst_VyrEdidMainItem::removalKeepsUnrecognisedExtensions()
{
    const QByteArray blockMap = QByteArray::fromHex("f00202");
    const QByteArray image = EdidImageBuilder().edid14().cea().block(blockMap).announce(2).image();
    TreeHarness h(image);
    QCOMPARE(h.childTitles({}),
             QStringList({"Base Block", "CEA Extention", "Unknown Extension (Tag 0xF0)"}));
    QVERIFY(h.click({"CEA Extention"}));
    h.settle();
    const QByteArray after = h.image();
    QCOMPARE(bytes(after, 128, 128), bytes(image, 256, 128));
    QCOMPARE(bytes(after, 256, 256), QByteArray(256, '\0'));
    QCOMPARE(quint8(after.at(126)), quint8(1));
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", "Unknown Extension (Tag 0xF0)"}));
    QCOMPARE(eraseIndexes(h), QList<unsigned>({0, 1}));
}

void tst_VyrEdidMainItem::firstBlockStaysWhileExtensionsFollow()
{
    const QByteArray image = EdidImageBuilder().edid13().cea().image();
    TreeHarness h(image);
    QVERIFY(h.click({"Base Block"})); // disabled: the click does nothing
    h.root()->on_removeBlock(0);      // nor does asking for it directly
    h.settle();
    VYR_VERIFY_UNCHANGED(image, h.image());
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", "CEA Extention"}));
}

void tst_VyrEdidMainItem::addExtensionToLoneBaseBlock()
{
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("EDID CEA Ext Block"));
    const QByteArray image = EdidImageBuilder().edid14().image();
    TreeHarness h(image);
    QVERIFY(h.click({}));
    h.settle();
    QCOMPARE(chooser.lastOffer(), QStringList({"EDID CEA Ext Block", "EDID DI Ext Block",
                                               "DID Ext Block", "EDID VTB Ext Block"}));
    const QByteArray after = h.image();
    QCOMPARE(bytes(after, 128, 4), QByteArray::fromHex("02030000"));
    QCOMPARE(quint8(after.at(126)), quint8(1));
    VYR_VERIFY_ONLY_CHANGED(image, after, [] {
        QList<int> allowed{126};
        for (int i = 128; i < 256; ++i)
            allowed << i;
        return allowed;
    }());
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", "CEA Extention"}));
    QVERIFY(!h.root()->baseEraseButton()->isEnabled());
}

void tst_VyrEdidMainItem::addFirstBlock_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("EDID 1.3") << "EDID1.3 Base Block"
                              << "EDID 1.3" << QByteArray::fromHex("00ffffffffffff00");
    QTest::newRow("EDID 1.4") << "EDID1.4 Base Block"
                              << "EDID 1.4" << QByteArray::fromHex("00ffffffffffff00");
    QTest::newRow("DisplayID 1.1") << "DID Base Block 1.1"
                                   << "DISPLAY ID BASE" << QByteArray::fromHex("11");
    QTest::newRow("DisplayID 1.2") << "DID Base Block 1.2"
                                   << "DISPLAY ID BASE" << QByteArray::fromHex("12");
}

void tst_VyrEdidMainItem::addFirstBlock()
{
    QFETCH(QString, choice);
    QFETCH(QString, title);
    QFETCH(QByteArray, start);
    VyrTest::ScriptedChooser chooser;
    chooser.answer(choice);
    TreeHarness h(QByteArray(512, '\0'));
    QVERIFY(h.click({}));
    h.settle();
    QCOMPARE(chooser.lastOffer(), QStringList({"EDID1.3 Base Block", "EDID1.4 Base Block",
                                               "DID Base Block 1.1", "DID Base Block 1.2"}));
    QCOMPARE(h.image().left(start.size()), start);
    QCOMPARE(h.root()->text(VyrEdidColumn::Property), title);
    QCOMPARE(h.root()->blockCount(), 1u);
}

void tst_VyrEdidMainItem::addOnlyWhileABlockFits_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("unshown"); // a block whose item cannot be built (-1: none)
    QTest::addColumn<bool>("refused");
    const QByteArray blockMap = QByteArray::fromHex("f00202");
    QTest::newRow("four blocks") << EdidImageBuilder().edid13().cea().cea().cea().image() << -1
                                 << true;
    QTest::newRow("unknown blocks among the four")
        << EdidImageBuilder().edid14().block(blockMap).cea().block(blockMap).announce(3).image()
        << -1 << true;
    QTest::newRow("erased blocks the first one announces")
        << EdidImageBuilder().edid14().cea().announce(3).image() << -1 << true;
    QTest::newRow("more announced than the image holds")
        << EdidImageBuilder().edid14().cea().cea().cea().announce(5).image() << -1 << true;
    // The list of blocks ends before the last two, which still take their bytes.
    QTest::newRow("four blocks, two not shown")
        << EdidImageBuilder().edid13().cea().cea().cea().image() << 2 << true;
    QTest::newRow("three blocks") << EdidImageBuilder().edid14().cea().diExt().image() << -1
                                  << false;
    QTest::newRow("unknown block, room behind it")
        << EdidImageBuilder().edid14().block(blockMap).announce(1).image() << -1 << false;
}

// "Add Block" on an image without room for another 128-byte block says so instead of offering
// kinds that cannot be written; every block in the image counts, unknown ones included.
void tst_VyrEdidMainItem::addOnlyWhileABlockFits()
{
    QFETCH(QByteArray, image);
    QFETCH(int, unshown);
    QFETCH(bool, refused);
    VyrTest::ScriptedChooser chooser;
    chooser.cancel();
    VyrTest::RecordingUiService ui;
    TreeHarness::RootFactory probeRoot;
    if (unshown >= 0) {
        probeRoot = [unshown](unsigned char *bytes) {
            return new Probe::ProbeRoot(bytes, {unsigned(unshown)});
        };
    }
    TreeHarness h(image, probeRoot);
    QTreeWidgetItem *first = h.root()->child(0);
    QVERIFY(h.click({}));
    h.settle();
    if (refused) {
        QVERIFY(chooser.offers().isEmpty());
        QCOMPARE(ui.messageLines(), QStringList({"Warning|Maximal number of blocks achieved"}));
    } else {
        QCOMPARE(chooser.offers().size(), 1);
        QVERIFY(ui.messages().isEmpty());
    }
    VYR_VERIFY_UNCHANGED(image, h.image());
    QCOMPARE(h.root()->child(0), first); // not rebuilt
}

void tst_VyrEdidMainItem::cancelledAddChangesNothing()
{
    VyrTest::ScriptedChooser chooser;
    chooser.cancel();
    const QByteArray image = EdidImageBuilder().edid14().cea().image();
    TreeHarness h(image);
    QTreeWidgetItem *blockItem = h.row({"CEA Extention"});
    QVERIFY(h.click({}));
    h.settle();
    QCOMPARE(chooser.offers().size(), 1);
    VYR_VERIFY_UNCHANGED(image, h.image());
    QCOMPARE(h.row({"CEA Extention"}), blockItem); // not even rebuilt
}

void tst_VyrEdidMainItem::failingItemEndsTheList()
{
    const QByteArray image = EdidImageBuilder().edid13().cea().cea().image();
    TreeHarness h(image, [](unsigned char *bytes) { return new Probe::ProbeRoot(bytes, {1}); });
    h.settle();
    QCOMPARE(h.childTitles({}), QStringList({"Probe"}));
    QCOMPARE(offsetsOf(h.root()), QList<unsigned>({0, 128}));
    QVERIFY(h.root()->baseEraseButton()->isEnabled());
    VYR_VERIFY_UNCHANGED(image, h.image());
}

// A block item that changed where blocks end has the root build everything anew from inside
// its own button's signal: the item and its button die only after the signal has returned.
void tst_VyrEdidMainItem::itemRebuildsTheTreeFromItsOwnSlot()
{
    const QByteArray image = EdidImageBuilder().edid13().cea().image();
    TreeHarness h(image, [](unsigned char *bytes) { return new Probe::ProbeRoot(bytes); });
    QPointer<Probe::ProbeItem> before = dynamic_cast<Probe::ProbeItem *>(h.row({"Probe[1]"}));
    QVERIFY(h.type({"Probe", "Text"}, "9", TreeHarness::Leave::Pending));
    QVERIFY(h.click({"Probe[1]", "Rebuild"}));
    QVERIFY(before);
    QVERIFY(before->isDetached());
    h.settle();
    QVERIFY(!before);
    QCOMPARE(h.childTitles({}), QStringList({"Probe", "Probe"}));
    QCOMPARE(h.root()->blockCount(), 2u);
    VYR_VERIFY_ONLY_CHANGED(image, h.image(), {int(Probe::TextByte)});
    QCOMPARE(quint8(h.image().at(Probe::TextByte)), quint8(9));
}

void tst_VyrEdidMainItem::eraseWhileAnotherRowHoldsText_data()
{
    QTest::addColumn<QString>("editedBlock");
    QTest::addColumn<bool>("landsOnMovedBlock");
    QTest::newRow("block behind the erased one") << "Probe[2]" << true;
    QTest::newRow("the erased block") << "Probe[1]" << false;
}

// The user types into one block's editor without Enter and clicks another block's erase button
// (tool buttons take no focus). The typed value is written to its own block before any byte
// moves, or goes with the block that is removed; nothing lands on the wrong bytes, and no row is
// used after it was freed (checked by the sanitizer build).
void tst_VyrEdidMainItem::eraseWhileAnotherRowHoldsText()
{
    QFETCH(QString, editedBlock);
    QFETCH(bool, landsOnMovedBlock);
    const QByteArray image = EdidImageBuilder().edid13().cea().cea().patch(5, {0x33}).image();
    TreeHarness h(image, [](unsigned char *bytes) { return new Probe::ProbeRoot(bytes); });
    QCOMPARE(h.childTitles({}), QStringList({"Probe", "Probe", "Probe"}));
    QVERIFY(h.type({editedBlock, "Text"}, "77", TreeHarness::Leave::Pending));
    QVERIFY(h.click({"Probe[1]"}));
    h.settle();
    const QByteArray after = h.image();
    QByteArray expectedBlock = bytes(image, 256, 128);
    if (landsOnMovedBlock) {
        expectedBlock[Probe::TextByte] = 77;
        VyrTest::fixChecksum(expectedBlock);
    }
    QCOMPARE(bytes(after, 128, 128), expectedBlock);
    QCOMPARE(bytes(after, 256, 256), QByteArray(256, '\0'));
    QCOMPARE(quint8(after.at(126)), quint8(1));
    VYR_VERIFY_ONLY_CHANGED(image.left(128), after.left(128), {126});
    QCOMPARE(h.childTitles({}), QStringList({"Probe", "Probe"}));
    // The new buttons carry the new positions: erasing block 1 now takes the moved block.
    QCOMPARE(eraseIndexes(h), QList<unsigned>({0, 1}));
    QVERIFY(h.click({"Probe[1]"}));
    h.settle();
    QCOMPARE(bytes(h.image(), 128, 384), QByteArray(384, '\0'));
    QCOMPARE(quint8(h.image().at(126)), quint8(0));
}

QTEST_MAIN(tst_VyrEdidMainItem)
#include "tst_vyredidmainitem.moc"
