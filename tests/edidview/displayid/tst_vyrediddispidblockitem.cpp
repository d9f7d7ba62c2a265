#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "items/displayid/vyrdidaddblockitem.h"
#include "items/displayid/vyrdiditembase.h"
#include "items/displayid/vyrediddispidblockitem.h"
#include "locationtext.h"
#include "model/displayid/displayidblock.h"
#include "model/vyredidblockrecogniser.h"
#include "recordinguiservice.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QToolButton>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

QList<EdidItemLocation> didLocations(const TreeHarness &h, const QStringList &path)
{
    auto *row = dynamic_cast<VyrDIDTreeWidgetItem *>(h.row(path));
    return row ? row->GetItemLocations(true) : QList<EdidItemLocation>{{9999, 9999}};
}

// A new data block of kind as the section model writes it: header and zero payload.
QByteArray newPayload(DisplayBlockID kind)
{
    return QByteArray(int(didKindInfo(kind)->newPayload), '\0');
}

// The rows of a kind whose count depends on the block's content.
constexpr int SomeRows = -1;

// Rows a new block of the kind shows below its item: one entry per descriptor, the code row,
// one box per mode of a bitmap, or its field rows.
int rowsOfANewBlock(DisplayBlockID kind)
{
    switch (kind) {
    case DidBlockType1Timing:
    case DidBlockType2Timing:
    case DidBlockType3Timing:
    case DidBlockType4Timing:
    case DidBlockStereoInterface:
        return 1;
    case DidBlockVesaTimings:
        return 80;
    case DidBlockCeaTimings:
        return 64;
    case DidBlockProductId:
    case DidBlockDisplayParams:
    case DidBlockColorChars:
    case DidBlockSerialNumber:
    case DidBlockAsciiString:
        return SomeRows;
    case DidBlockDeviceData:
        return 15;
    case DidBlockDisplayInterface:
        return 11;
    case DidBlockPowerSequencing:
    case DidBlockRangeLimits:
        return 6;
    default:
        return 0;
    }
}

// Every row below item, depth first.
QList<QTreeWidgetItem *> rowsBelow(QTreeWidgetItem *item)
{
    QList<QTreeWidgetItem *> rows;
    for (int i = 0; i < item->childCount(); ++i)
        rows << item->child(i) << rowsBelow(item->child(i));
    return rows;
}

} // namespace

class tst_VyrEdidDispIdBlockItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void baseSectionHeader_data();
    void baseSectionHeader();
    void wrappedExtensionLocations();
    void dataBlockRowsByTag();
    void everyKindGetsItsItem_data();
    void everyKindGetsItsItem();
    void addBlockToAnExtension();
    void addBlockToABaseMovesTheBlocksBehind();
    void addBlockOffersWhatFits();
    void fullSectionAddsNothing();
    void samplesBuildWithoutWriting_data();
    void samplesBuildWithoutWriting();
};

void tst_VyrEdidDispIdBlockItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidDispIdBlockItem::baseSectionHeader_data()
{
    QTest::addColumn<int>("productType");
    QTest::addColumn<QString>("text");
    QTest::newRow("standalone panel") << 3 << "Standalone Panel";
    QTest::newRow("reserved") << 7 << "Reserved";
    QTest::newRow("past the list") << 8 << "Invalid Value";
}

void tst_VyrEdidDispIdBlockItem::baseSectionHeader()
{
    QFETCH(int, productType);
    QFETCH(QString, text);
    TreeHarness h(EdidImageBuilder().displayIdBase(0x12).patch(2, {productType}).image());
    QCOMPARE(h.childTitles({}), QStringList({"DID Base Block"}));
    // No data blocks: the section's rows and the add row only.
    QCOMPARE(h.childTitles({"DID Base Block"}), QStringList({"General Info", "Add block"}));
    const QStringList info = {"DID Base Block", "General Info"};
    QCOMPARE(h.childTitles(info), QStringList({"Version", "Section Size", "Product Type",
                                               "Extension Count", "Checksum"}));
    QTreeWidgetItem *version = h.row(info + QStringList{"Version"});
    QCOMPARE(version->text(1), QStringLiteral("12"));
    QCOMPARE(version->text(2), QStringLiteral("[HEX]"));
    QCOMPARE(h.row(info + QStringList{"Product Type"})->text(1), text);
    QCOMPARE(h.row(info + QStringList{"Product Type"})->text(2), QStringLiteral("[TXT]"));
    QCOMPARE(h.row(info + QStringList{"Section Size"})->text(1), QStringLiteral("0"));
    const int checksum = quint8(h.image().at(4));
    QCOMPARE(h.row(info + QStringList{"Checksum"})->text(1), QString::number(checksum, 16));
    QCOMPARE(locationText(h.locations({"DID Base Block"})), QStringLiteral("0:5"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDispIdBlockItem::wrappedExtensionLocations()
{
    TreeHarness h(EdidImageBuilder().edid14().displayIdExtension().image());
    QCOMPARE(locationText(h.locations({"DID Extention"})), QStringLiteral("128:128"));
    const QStringList info = {"DID Extention", "General Info"};
    // The section starts one byte after the extension tag 0x70.
    QCOMPARE(locationText(didLocations(h, info + QStringList{"Version"})), QStringLiteral("129:1"));
    QCOMPARE(locationText(didLocations(h, info + QStringList{"Section Size"})),
             QStringLiteral("130:1"));
    QCOMPARE(locationText(didLocations(h, info + QStringList{"Product Type"})),
             QStringLiteral("131:1"));
    QCOMPARE(locationText(didLocations(h, info + QStringList{"Extension Count"})),
             QStringLiteral("132:1"));
    QVERIFY(didLocations(h, info + QStringList{"Checksum"}).isEmpty());
    QCOMPARE(h.row(info + QStringList{"Product Type"})->text(1), QStringLiteral("Extension"));

    // The section row shows its header and its checksum; the add row no bytes.
    h.select(info);
    QCOMPARE(h.highlightedBytes(), QList<int>({129, 130, 131, 132, 133}));
    h.select({"DID Extention", "Add block"});
    QVERIFY(h.highlightedBytes().isEmpty());
    auto *add = dynamic_cast<VyrDIDAddBlockItem *>(h.row({"DID Extention", "Add block"}));
    QVERIFY(add && add->button());
    QCOMPARE(h.widget({"DID Extention", "Add block"}, VyrEdidColumn::Action), add->button());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDispIdBlockItem::dataBlockRowsByTag()
{
    const QByteArray image = EdidImageBuilder()
                                 .displayIdBase()
                                 .displayIdDataBlock(0x00, 0, newPayload(DidBlockProductId))
                                 .displayIdDataBlock(0x12, 0, newPayload(DidBlockTiledDisplay))
                                 .displayIdDataBlock(0x03, 1, newPayload(DidBlockType1Timing))
                                 .image();
    TreeHarness h(image);
    // The tiled display block has no item; the Type I block keeps its index 2.
    QCOMPARE(h.childTitles({"DID Base Block"}),
             QStringList({"General Info", "Product Identification", "Type I Timing", "Add block"}));
    auto *product =
        dynamic_cast<VyrDIDItemBase *>(h.row({"DID Base Block", "Product Identification"}));
    auto *timing = dynamic_cast<VyrDIDItemBase *>(h.row({"DID Base Block", "Type I Timing"}));
    QVERIFY(product && timing);
    QCOMPARE(product->index(), 0u);
    QCOMPARE(timing->index(), 2u);
    // Behind the header (4), product identification (15) and tiled display (25).
    QCOMPARE(locationText(timing->GetItemLocations(true)), QStringLiteral("44:23"));
    h.select({"DID Base Block", "Type I Timing"});
    QCOMPARE(h.highlightedBytes().size(), 23);
    QCOMPARE(h.highlightedBytes().first(), 44);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDispIdBlockItem::everyKindGetsItsItem_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");

    const struct
    {
        DisplayBlockID kind;
        const char *className;
        const char *title;
    } rows[] = {
        {DidBlockProductId, "VyrDIDProductIdBlock", "Product Identification"},
        {DidBlockDisplayParams, "VyrDIDDisplayParametersBlock", "Display Parameters"},
        {DidBlockColorChars, "VyrDIDColorCharacteristicsBlock", "Color Characteristics"},
        {DidBlockType1Timing, "VyrDIDType1TimingBlock", "Type I Timing"},
        {DidBlockType2Timing, "VyrDIDType2TimingBlock", "Type II Timing"},
        {DidBlockType3Timing, "VyrDIDType3TimingBlock", "Type III Timing"},
        {DidBlockType4Timing, "VyrDIDType4TimingBlock", "Type IV Timing-DMT ID Code"},
        {DidBlockVesaTimings, "VyrDIDVesaTimingsBlock", "VESA Timing Standard"},
        {DidBlockCeaTimings, "VyrDIDCEATimingsBlock", "CEA Timing Standard"},
        {DidBlockRangeLimits, "VyrDIDVideoTimingRangeLimitsBlock", "Video Timing Range Limits"},
        {DidBlockSerialNumber, "VyrDIDProductSerialNumberBlock", "Product Serial Number"},
        {DidBlockAsciiString, "VyrDIDGeneralAsciiStringBlock", "General Purpose ASCII String"},
        {DidBlockDeviceData, "VyrDIDDisplayDeviceDataBlock", "Display Device Data"},
        {DidBlockPowerSequencing, "VyrDIDInterfacePowerSequencingBlock",
         "Interface Power Sequencing"},
        {DidBlockTransferChars, "VyrDIDTransferCharacteristicsBlock", "Transfer Characteristics"},
        {DidBlockDisplayInterface, "VyrDIDDisplayInterfaceBlock", "Display Interface"},
        {DidBlockStereoInterface, "VyrDIDStereoDisplayInterfaceBlock", "Stereo Display Interface"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.className) << int(row.kind) << row.className << row.title;
}

void tst_VyrEdidDispIdBlockItem::everyKindGetsItsItem()
{
    QFETCH(int, kind);
    QFETCH(QString, className);
    QFETCH(QString, title);
    const auto id = static_cast<DisplayBlockID>(kind);
    // A stereo interface block with method 0; every other kind with a zero payload of the size
    // of a new one. Behind a vendor-specific block, which has no row but keeps its index.
    QByteArray payload = newPayload(id);
    if (id == DidBlockStereoInterface)
        payload = QByteArray::fromHex("010000");
    const QByteArray image = EdidImageBuilder()
                                 .edid14()
                                 .displayIdExtension()
                                 .displayIdDataBlock(0x7F, 0, QByteArray::fromHex("a1b2c3"))
                                 .displayIdDataBlock(int(didKindInfo(id)->tag), 0, payload)
                                 .image();
    TreeHarness h(image);
    QTreeWidgetItem *row = h.row({"DID Extention", title});
    auto *item = dynamic_cast<VyrDIDItemBase *>(row);
    QVERIFY(item);
    QCOMPARE(QString::fromLatin1(item->metaObject()->className()), className);
    QCOMPARE(item->index(), 1u);
    QCOMPARE(h.childTitles({"DID Extention"}), QStringList({"General Info", title, "Add block"}));
    // The whole data block, behind the section header (129-132) and the 6 bytes before it.
    const unsigned int length = unsigned(payload.size()) + 3;
    QCOMPARE(locationText(item->GetItemLocations(true)), QStringLiteral("139:%1").arg(length));
    // The first payload byte; the colour item counts from the tag byte.
    QCOMPARE(item->BaseOffset(), id == DidBlockColorChars ? 139u : 142u);
    const int rows = rowsOfANewBlock(id);
    if (rows == SomeRows)
        QVERIFY(row->childCount() > 0);
    else
        QCOMPARE(row->childCount(), rows);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDispIdBlockItem::addBlockToAnExtension()
{
    VyrTest::ScriptedChooser chooser;
    VyrTest::RecordingUiService ui;
    TreeHarness h(EdidImageBuilder().edid14().displayIdExtension().image());

    // Cancelled: nothing written, nothing rebuilt.
    chooser.cancel();
    QTreeWidgetItem *section = h.row({"DID Extention", "General Info"});
    QVERIFY(h.click({"DID Extention", "Add block"}));
    h.settle();
    QCOMPARE(h.row({"DID Extention", "General Info"}), section);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    chooser.answer(QStringLiteral("Display Parameters"));
    QVERIFY(h.click({"DID Extention", "Add block"}));
    h.settle();
    QCOMPARE(h.childTitles({"DID Extention"}),
             QStringList({"General Info", "Display Parameters", "Add block"}));
    const QByteArray expected = EdidImageBuilder()
                                    .edid14()
                                    .displayIdExtension()
                                    .displayIdDataBlock(0x01, 0, newPayload(DidBlockDisplayParams))
                                    .image();
    QCOMPARE(h.image().toHex(), expected.toHex());
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
    // The rebuilt rows show the new bytes.
    QCOMPARE(h.row({"DID Extention", "General Info", "Section Size"})->text(1),
             QStringLiteral("15"));
    QCOMPARE(locationText(didLocations(h, {"DID Extention", "Display Parameters"})),
             QStringLiteral("133:15"));
    QCOMPARE(h.hexCell(130).toUpper(), QStringLiteral("0F"));
    QVERIFY(ui.messages().isEmpty());
}

void tst_VyrEdidDispIdBlockItem::addBlockToABaseMovesTheBlocksBehind()
{
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Product Identification"));
    TreeHarness h(EdidImageBuilder().displayIdBase().displayIdExtension().image());
    QCOMPARE(h.childTitles({}), QStringList({"DID Base Block", "DID Extention"}));
    QVERIFY(h.click({"DID Base Block", "Add block"}));
    h.settle();

    // The extension behind the base section moved by the 15 bytes of the new block.
    const QByteArray expected = EdidImageBuilder()
                                    .displayIdBase()
                                    .displayIdDataBlock(0x00, 0, newPayload(DidBlockProductId))
                                    .displayIdExtension()
                                    .image();
    QCOMPARE(h.image().toHex(), expected.toHex());
    QCOMPARE(h.childTitles({}), QStringList({"DID Base Block", "DID Extention"}));
    QCOMPARE(h.childTitles({"DID Base Block"}),
             QStringList({"General Info", "Product Identification", "Add block"}));
    QVERIFY(h.row({"DID Base Block"})->isExpanded());
    QCOMPARE(locationText(h.locations({"DID Extention"})), QStringLiteral("20:128"));
    QCOMPARE(locationText(didLocations(h, {"DID Extention", "General Info", "Version"})),
             QStringLiteral("21:1"));
}

void tst_VyrEdidDispIdBlockItem::addBlockOffersWhatFits()
{
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Display Parameters"));
    TreeHarness h(EdidImageBuilder().edid14().displayIdExtension().image());
    QVERIFY(h.click({"DID Extention", "Add block"}));
    h.settle();
    chooser.cancel();
    QVERIFY(h.click({"DID Extention", "Add block"}));
    h.settle();
    QCOMPARE(chooser.offers().size(), 2);
    // Tag order. Product identification belongs to a base section; transfer characteristics
    // are never added; display parameters only once.
    const QStringList first = chooser.offers().first();
    QCOMPARE(first.first(), QStringLiteral("Display Parameters"));
    QCOMPARE(first.last(), QStringLiteral("Stereo Display Interface"));
    QVERIFY(!first.contains(QStringLiteral("Product Identification")));
    QVERIFY(!first.contains(QStringLiteral("Transfer Characteristics")));
    QVERIFY(first.contains(QStringLiteral("Type I Timing")));
    QVERIFY(!chooser.lastOffer().contains(QStringLiteral("Display Parameters")));
    QCOMPARE(chooser.lastOffer().size(), first.size() - 1);
}

void tst_VyrEdidDispIdBlockItem::fullSectionAddsNothing()
{
    VyrTest::ScriptedChooser chooser;
    VyrTest::RecordingUiService ui;
    // A padded extension section (121 bytes) filled by one string block.
    QByteArray image = EdidImageBuilder()
                           .edid14()
                           .displayIdExtension()
                           .displayIdDataBlock(0x0B, 0, QByteArray(118, 'A'))
                           .image();
    TreeHarness h(image);
    QCOMPARE(h.row({"DID Extention", "General Info", "Section Size"})->text(1),
             QStringLiteral("121"));
    QVERIFY(h.click({"DID Extention", "Add block"}));
    h.settle();
    QVERIFY(chooser.offers().isEmpty());
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().text, QStringLiteral("This section can take no further data block."));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDispIdBlockItem::samplesBuildWithoutWriting_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("sections"); // DisplayID sections the recogniser finds
    for (const QString &name : VyrTest::sampleNames()) {
        QByteArray image = VyrTest::sampleImage(name);
        int sections = 0;
        for (const VyrEdidRecognisedBlock &block :
             VyrEdidBlockRecogniser::recognise(reinterpret_cast<unsigned char *>(image.data()))) {
            sections += block.kind == VyrEdidBlockKind::DisplayIdBase
                                || block.kind == VyrEdidBlockKind::DisplayIdExtension
                            ? 1
                            : 0;
        }
        // DisplayID 2.x sections are not recognised: they build without DisplayID items.
        if (sections > 0 || name.startsWith(QLatin1String("displayid")))
            QTest::newRow(qPrintable(name)) << name << sections;
    }
}

void tst_VyrEdidDispIdBlockItem::samplesBuildWithoutWriting()
{
    QFETCH(QString, sample);
    QFETCH(int, sections);
    TreeHarness h(VyrTest::sampleImage(sample));
    int shown = 0;
    for (int b = 0; b < h.root()->childCount(); ++b) {
        auto *block = dynamic_cast<VyrEdidDispIdBlockItem *>(h.root()->child(b));
        if (!block)
            continue;
        ++shown;
        // One row per data block with a known tag, between the section and the add rows.
        DisplayIDBlock *model = block->model();
        int known = 0;
        for (unsigned int i = 0; i < model->GetNumOfDataBlocks(); ++i)
            known += model->GetDataBlockTag(i) <= 0x10 ? 1 : 0;
        QCOMPARE(block->childCount(), known + 2);
        const EdidItemLocation whole = block->GetItemLocations().first();
        // Every row shows bytes of its own section; visiting it writes nothing.
        for (QTreeWidgetItem *item : rowsBelow(block)) {
            h.tree()->setCurrentItem(item);
            auto *row = dynamic_cast<VyrDIDTreeWidgetItem *>(item);
            QVERIFY(row);
            for (const EdidItemLocation &location : row->GetItemLocations(false)) {
                QVERIFY2(location.offset >= whole.offset
                             && location.offset + location.length <= whole.offset + whole.length,
                         qPrintable(item->text(0)));
            }
        }
    }
    QCOMPARE(shown, sections);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrEdidDispIdBlockItem)
#include "tst_vyrediddispidblockitem.moc"
