// The CEA-861 extension block item and its general information: the groups, the header values,
// the flags of byte 3, the bytes each row covers, and real blocks built without a write.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidviewform.h"
#include "items/cea/CeaExtBlockSubItems.h"
#include "items/cea/vyredidceaextblockitem.h"
#include "locationtext.h"
#include "model/cea/ceaextblock.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QString Cea = QStringLiteral("CEA Extention");
const QString Info = QStringLiteral("General Info");

const QStringList InfoRows{"Version and Revision",       "Number Of Data Blocks",
                           "Number Of Detailed Timings", "Start of Timing Data",
                           "Available Space(bytes)",     "Checksum",
                           "Support YCbCr 4:2:2",        "Support YCbCr 4:4:4",
                           "Support Basic Audio",        "Underscan IT Forma by Default"};

QString labelText(const TreeHarness &h, const QString &row)
{
    auto *label = qobject_cast<QLabel *>(h.widget({Cea, Info, row}));
    return label ? label->text() : QStringLiteral("<no label>");
}

// An EDID 1.4 base block with one CEA-861 block: video (2 SVDs) and audio data blocks, one free
// byte, two detailed timings from byte 12, byte 3 as given.
QByteArray imageWith(unsigned flags)
{
    const QByteArray collection = QByteArray::fromHex("42101f"
                                                      "23090707");
    return EdidImageBuilder().edid14().block(CeaTest::makeExt(12, flags, collection, 2)).image();
}

} // namespace

class tst_VyrEdidCeaExtBlockItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void groupsAndRows();
    void headerValues();
    void flagToggle_data();
    void flagToggle();
    void locations_data();
    void locations();
    void withoutBlock();
    void samples_data();
    void samples();
    void userActionsKeepWhatTheyDoNotTouch_data();
    void userActionsKeepWhatTheyDoNotTouch();
};

void tst_VyrEdidCeaExtBlockItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidCeaExtBlockItem::groupsAndRows()
{
    TreeHarness h(imageWith(0xF2));
    QCOMPARE(h.childTitles({Cea}), QStringList({Info, "Detailed Timings", "Data Blocks"}));
    QCOMPARE(h.childTitles({Cea, Info}), InfoRows);
    auto *block = dynamic_cast<VyrEdidCeaExtBlockItem *>(h.row({Cea}));
    QVERIFY(block);
    QCOMPARE(block->type(), 1103);
    QCOMPARE(block->GetBlockSize(), 128u);
    QCOMPARE(h.row({Cea, Info})->type(), 1103);
    QCOMPARE(h.row({Cea, Info, "Checksum"})->type(), 1103);
    QCOMPARE(h.row({Cea, Info, "Number Of Data Blocks"})->type(), 0);
    QCOMPARE(h.row({Cea, "Detailed Timings"})->type(), 1114);
    QCOMPARE(h.row({Cea, "Data Blocks"})->type(), 1114);
    QCOMPARE(h.row({Cea, Info, "Checksum"})->text(2), QStringLiteral("[HEX]"));
    QCOMPARE(h.row({Cea, Info, "Available Space(bytes)"})->text(2), QStringLiteral("[DEC]"));
    QCOMPARE(h.row({Cea, Info, "Support Basic Audio"})->text(2), QString());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// Byte 3 = 0xF2: every flag set and 2 native timings, whatever number of timings follows.
void tst_VyrEdidCeaExtBlockItem::headerValues()
{
    const QByteArray image = imageWith(0xF2);
    TreeHarness h(image);
    QCOMPARE(labelText(h, "Version and Revision"), QStringLiteral("3"));
    QCOMPARE(labelText(h, "Number Of Data Blocks"), QStringLiteral("2"));
    QCOMPARE(labelText(h, "Number Of Detailed Timings"), QStringLiteral("2"));
    QCOMPARE(labelText(h, "Start of Timing Data"), QStringLiteral("C"));
    QCOMPARE(labelText(h, "Available Space(bytes)"), QStringLiteral("1"));
    QCOMPARE(labelText(h, "Checksum"), QString::number(quint8(image.at(255)), 16).toUpper());
    for (int i = 6; i < 10; ++i) {
        auto *box = qobject_cast<QCheckBox *>(h.widget({Cea, Info, InfoRows.at(i)}));
        QVERIFY2(box && box->isChecked(), qPrintable(InfoRows.at(i)));
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidCeaExtBlockItem::flagToggle_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("after");
    QTest::newRow("4:2:2 on") << 0x00 << "Support YCbCr 4:2:2" << true << 0x10;
    QTest::newRow("4:4:4 on, count kept") << 0x03 << "Support YCbCr 4:4:4" << true << 0x23;
    QTest::newRow("audio on") << 0x00 << "Support Basic Audio" << true << 0x40;
    QTest::newRow("underscan on, count kept")
        << 0x0F << "Underscan IT Forma by Default" << true << 0x8F;
    QTest::newRow("audio off, others kept") << 0xF2 << "Support Basic Audio" << false << 0xB2;
    QTest::newRow("4:2:2 off") << 0x15 << "Support YCbCr 4:2:2" << false << 0x05;
}

// A flag writes its own bit of byte 3 and keeps the others; the checksum row follows.
void tst_VyrEdidCeaExtBlockItem::flagToggle()
{
    QFETCH(int, before);
    QFETCH(QString, row);
    QFETCH(bool, checked);
    QFETCH(int, after);
    TreeHarness h(imageWith(static_cast<unsigned>(before)));
    QVERIFY(h.tick({Cea, Info, row}, checked));
    QCOMPARE(int(quint8(h.image().at(128 + 3))), after);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {128 + 3});
    QCOMPARE(labelText(h, "Checksum"), QString::number(quint8(h.image().at(255)), 16).toUpper());
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

void tst_VyrEdidCeaExtBlockItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("block") << QStringList{Cea} << "128:128";
    QTest::newRow("general info") << QStringList{Cea, Info} << "128:128";
    QTest::newRow("revision") << QStringList{Cea, Info, "Version and Revision"} << "129:1";
    QTest::newRow("timing start") << QStringList{Cea, Info, "Start of Timing Data"} << "130:1";
    QTest::newRow("checksum") << QStringList{Cea, Info, "Checksum"} << "255:1";
    QTest::newRow("flag") << QStringList{Cea, Info, "Underscan IT Forma by Default"} << "131:1";
    QTest::newRow("count row: none") << QStringList{Cea, Info, "Number Of Data Blocks"} << "";
    QTest::newRow("timing list: none") << QStringList{Cea, "Detailed Timings"} << "";
    QTest::newRow("data block list: none") << QStringList{Cea, "Data Blocks"} << "";
}

void tst_VyrEdidCeaExtBlockItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(imageWith(0));
    QVERIFY(h.row(path));
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    if (!locations.isEmpty()) {
        QVERIFY(h.select(path));
        QCOMPARE(h.highlightedBytes().first(), locations.section(QLatin1Char(':'), 0, 0).toInt());
    }
}

// Without a block object the groups are there and report nothing.
void tst_VyrEdidCeaExtBlockItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    QByteArray image(512, '\0');
    auto *item = new VyrEdidCeaExtBlockItem(VyrTest::bytes(image), 128, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->GetBlockSize(), 0u);
    QCOMPARE(item->childCount(), 3);
    QCOMPARE(item->child(0)->childCount(), 10);
    QCOMPARE(item->child(1)->childCount(), 0);
    QCOMPARE(item->child(2)->childCount(), 0);
    auto *timings = dynamic_cast<CeaExtDetiledTimingItem *>(item->child(1));
    auto *dataBlocks = dynamic_cast<CeaExtDataBlocksItem *>(item->child(2));
    QVERIFY(timings && dataBlocks);
    QVERIFY(!timings->addButtonShown());
    QVERIFY(!dataBlocks->addButtonShown());
    timings->onAddDTD(0, true);
    dataBlocks->onRemoveDataBlock(0, false);
    QCOMPARE(image, QByteArray(512, '\0'));
}

void tst_VyrEdidCeaExtBlockItem::samples_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : VyrTest::sampleNames()) {
        const QByteArray image = VyrTest::sampleImage(name);
        for (int at = 128; at < 512; at += 128) {
            if (image.at(at) == 0x02) {
                QTest::newRow(qPrintable(name)) << name;
                break;
            }
        }
    }
}

// Every CEA-861 block the tree shows has one row per detailed timing and one per data block,
// as many as "Number Of Data Blocks" says.
static void checkRowCounts(const TreeHarness &h, int *shown)
{
    int cea = 0;
    for (int i = 0; i < h.root()->childCount(); ++i) {
        auto *item = dynamic_cast<VyrEdidCeaExtBlockItem *>(h.root()->child(i));
        if (!item)
            continue;
        CeaExtBlock *block = item->block();
        QVERIFY(block);
        QCOMPARE(item->child(1)->childCount(), static_cast<int>(block->dtdCount()));
        QCOMPARE(item->child(2)->childCount(), static_cast<int>(block->dataBlockCount()));
        const QString path = cea == 0 ? Cea : QStringLiteral("%1[%2]").arg(Cea).arg(cea);
        auto *count = qobject_cast<QLabel *>(h.widget({path, Info, "Number Of Data Blocks"}));
        QVERIFY(count);
        QCOMPARE(count->text(), QString::number(item->child(2)->childCount()));
        ++cea;
    }
    *shown = cea;
}

// Every real CEA-861 block the tree shows builds without writing a byte.
void tst_VyrEdidCeaExtBlockItem::samples()
{
    QFETCH(QString, sample);
    TreeHarness h(VyrTest::sampleImage(sample));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    int shown = 0;
    checkRowCounts(h, &shown);
    if (shown == 0 && !QTest::currentTestFailed())
        QSKIP("the tree stops before the CEA-861 block (an earlier block it does not show)");
}

namespace {

// What edid-decode reads in the CTA-861 block: the data blocks and the slots (timings and
// display descriptors), each as its lines, and the lines of the video data block's codes.
struct CtaParts
{
    QStringList blocks;
    QStringList slotEntries;
    QStringList vics;
    int zeroBytes = 0; // tag 0 headers
};

int indentOf(const QString &line)
{
    int n = 0;
    while (n < line.size() && line.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

CtaParts ctaParts(const QByteArray &image)
{
    static const QRegularExpression dtdNumber(QStringLiteral("^DTD \\d+:"));
    CtaParts parts;
    bool inSlots = false;
    bool inVideo = false;
    for (const QString &line : CeaTest::decodeCta(image).value(0).lines) {
        QString text = line.trimmed();
        const int indent = indentOf(line);
        if (indent == 2) {
            inSlots = text == QLatin1String("Detailed Timing Descriptors:");
            inVideo = text == QLatin1String("Video Data Block:");
            if (!inSlots && text.endsWith(QLatin1Char(':'))) {
                parts.blocks << text;
                parts.zeroBytes += CeaTest::isZeroByteTitle(text) ? 1 : 0;
            }
        } else if (inSlots) {
            if (indent == 4 || parts.slotEntries.isEmpty())
                parts.slotEntries << text.replace(dtdNumber, QStringLiteral("DTD:"));
            else
                parts.slotEntries.last() += QLatin1Char('\n') + text;
        } else if (!parts.blocks.isEmpty()) {
            parts.blocks.last() += QLatin1Char('\n') + text;
            if (inVideo && text.startsWith(QLatin1String("VIC")))
                parts.vics << text;
        }
    }
    // Zero bytes at the end of the collection are padding.
    while (!parts.blocks.isEmpty() && CeaTest::isZeroByteTitle(parts.blocks.last()))
        parts.blocks.removeLast();
    return parts;
}

// Whether after is before with one entry inserted somewhere.
bool oneInserted(const QStringList &before, const QStringList &after)
{
    if (after.size() != before.size() + 1)
        return false;
    int i = 0;
    while (i < before.size() && before.at(i) == after.at(i))
        ++i;
    return before.mid(i) == after.mid(i + 1);
}

// Whether after is before with exactly one entry changed.
bool oneChanged(const QStringList &before, const QStringList &after)
{
    if (after.size() != before.size())
        return false;
    int changed = 0;
    for (int i = 0; i < before.size(); ++i)
        changed += before.at(i) != after.at(i) ? 1 : 0;
    return changed == 1;
}

enum class Change { None, Added, Removed, Changed };

bool matches(Change change, const QStringList &before, const QStringList &after)
{
    switch (change) {
    case Change::None:
        return before == after;
    case Change::Added:
        return oneInserted(before, after);
    case Change::Removed:
        return oneInserted(after, before);
    case Change::Changed:
        return oneChanged(before, after);
    }
    return false;
}

int vicOf(const QString &line)
{
    static const QRegularExpression vic(QStringLiteral("^VIC\\s+(\\d+)"));
    return vic.match(line).captured(1).toInt();
}

// The path of the first video descriptor row with a native box that is not ticked.
QStringList untickedNativeBox(const TreeHarness &h)
{
    const QStringList video{Cea, "Data Blocks", "Video Data Block"};
    QTreeWidgetItem *list = h.row(video);
    for (int k = 0; list && k < list->childCount(); ++k) {
        const QVariant state = list->child(k)->data(0, Qt::CheckStateRole);
        if (state.isValid() && state.toInt() == Qt::Unchecked)
            return video + QStringList{QStringLiteral("[%1]").arg(k)};
    }
    return {};
}

} // namespace

// Fixtures with byte patterns of real displays, each under the user actions that once lost
// data: afterwards edid-decode reads every data block, display descriptor and video code the
// action did not touch as before, finds no new tag 0 block, and every checksum holds.
void tst_VyrEdidCeaExtBlockItem::userActionsKeepWhatTheyDoNotTouch_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("action");
    const QStringList actions{
        "add a timing",        "add a data block", "grow a block", "remove a timing",
        "remove a data block", "tick native",      "save"};
    for (const VyrTest::NamedImage &fixture : CeaTest::patternImages())
        for (const QString &action : actions)
            QTest::addRow("%s: %s", qPrintable(fixture.name), qPrintable(action))
                << fixture.image << action;
}

void tst_VyrEdidCeaExtBlockItem::userActionsKeepWhatTheyDoNotTouch()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, action);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(image));
    TreeHarness h(image);
    VyrTest::ScriptedChooser chooser;
    const QStringList blocks{Cea, "Data Blocks"};
    const QStringList timings{Cea, "Detailed Timings"};
    // The second data block: the video data block comes first in every fixture.
    const QString secondBlock = h.row(blocks)->child(1)->text(0);
    Change blockChange = Change::None;
    Change slotChange = Change::None;
    if (action == QLatin1String("add a timing")) {
        QVERIFY(h.click(timings));
        slotChange = Change::Added;
    } else if (action == QLatin1String("add a data block")) {
        chooser.answer(QStringLiteral("Colorimetry Data Block"));
        QVERIFY(h.click(blocks));
        blockChange = Change::Added;
    } else if (action == QLatin1String("grow a block")) {
        const QStringList video = blocks + QStringList{"Video Data Block"};
        QVERIFY(h.choose(video, QString::number(h.row(video)->childCount() + 1)));
        blockChange = Change::Changed;
    } else if (action == QLatin1String("remove a timing")) {
        QVERIFY(h.click(timings + QStringList{"Detailed Timings Info"}));
        slotChange = Change::Removed;
    } else if (action == QLatin1String("remove a data block")) {
        QVERIFY(h.click(blocks + QStringList{secondBlock}));
        blockChange = Change::Removed;
    } else if (action == QLatin1String("tick native")) {
        const QStringList row = untickedNativeBox(h);
        QVERIFY(!row.isEmpty());
        QVERIFY(h.tick(row, true));
        blockChange = Change::Changed;
    } else {
        // Leaving the view for the save page and coming back builds the tree again.
        h.form()->hide();
        h.settle();
        h.form()->show();
        h.rebuild();
    }
    h.settle();
    const QByteArray after = h.image().left(256);
    if (action != QLatin1String("save"))
        QVERIFY2(after != image, "the action wrote nothing");
    QVERIFY(VyrTest::edidDecodeChecksumsOk(after));
    QCOMPARE(h.image().mid(256), h.original().mid(256));

    const CtaParts was = ctaParts(image);
    const CtaParts now = ctaParts(after);
    QVERIFY2(matches(blockChange, was.blocks, now.blocks),
             qPrintable(now.blocks.join(QStringLiteral("\n---\n"))));
    QVERIFY2(matches(slotChange, was.slotEntries, now.slotEntries),
             qPrintable(now.slotEntries.join(QStringLiteral("\n---\n"))));
    QVERIFY(now.zeroBytes <= was.zeroBytes);
    // Video codes: a tick moves the native mark between codes of VICs 1 to 64 only; a grown
    // block gains VIC 1 after the codes it held.
    if (action == QLatin1String("tick native")) {
        QCOMPARE(now.vics.size(), was.vics.size());
        for (int i = 0; i < was.vics.size(); ++i) {
            QCOMPARE(vicOf(now.vics.at(i)), vicOf(was.vics.at(i)));
            if (now.vics.at(i) != was.vics.at(i))
                QVERIFY2(vicOf(now.vics.at(i)) <= 64, qPrintable(now.vics.at(i)));
        }
    } else if (action == QLatin1String("grow a block")) {
        QCOMPARE(now.vics.mid(0, was.vics.size()), was.vics);
        QCOMPARE(now.vics.size(), was.vics.size() + 1);
        QCOMPARE(vicOf(now.vics.last()), 1);
    } else {
        QCOMPARE(now.vics, was.vics);
    }
    // A tree built afresh from the bytes has a row per data block and per timing.
    h.rebuild();
    int shown = 0;
    checkRowCounts(h, &shown);
    QCOMPARE(shown, 1);
}

QTEST_MAIN(tst_VyrEdidCeaExtBlockItem)
#include "tst_vyredidceaextblockitem.moc"
