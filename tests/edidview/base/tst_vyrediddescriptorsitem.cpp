#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidwidgets.h"
#include "items/base/vyrediddescriptorsitem.h"
#include "items/base/vyredidstandardtimingitem.h"
#include "locationtext.h"
#include "scriptedchooser.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Descriptors{"Base Block", "Descriptors"};

QStringList under(const QString &title)
{
    return Descriptors + QStringList{title};
}

// Slots 0 to 3: a detailed timing, range limits, a product name, a placeholder.
QByteArray mixedImage(bool edid14 = true)
{
    EdidImageBuilder builder;
    if (edid14)
        builder.edid14();
    else
        builder.edid13();
    return builder.patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
        .patch(VyrTest::descriptorOffset(1), VyrTest::rangeLimitsDescriptor())
        .patch(VyrTest::descriptorOffset(2), VyrTest::stringDescriptor(0xFC, "MONITOR"))
        .image();
}

QList<int> range(int from, int count)
{
    QList<int> list;
    for (int i = from; i < from + count; ++i)
        list << i;
    return list;
}

// "slot:add" or "slot:erase" for the button of every child, in child order.
QStringList buttons(const TreeHarness &h)
{
    QStringList list;
    QTreeWidgetItem *item = h.row(Descriptors);
    for (int i = 0; item && i < item->childCount(); ++i) {
        auto *button = qobject_cast<EdidAddRemoveToolButton *>(
            h.tree()->itemWidget(item->child(i), VyrEdidColumn::Action));
        list << (button ? QStringLiteral("%1:%2")
                              .arg(button->index())
                              .arg(button->isAdd() ? "add" : "erase")
                        : QStringLiteral("none"));
    }
    return list;
}

const QStringList MixedTitles{"Detailed Timing 0", "Range Limits Info", "Product Name",
                              "Descriptor Placeholder"};

} // namespace

class tst_VyrEdidDescriptorsItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void childrenAndButtons();
    void unrecognisedSlotHasNoChild();
    void locations_data();
    void locations();
    void eraseLeavesPlaceholder();
    void addStandardTimings();
    void offeredKinds_data();
    void offeredKinds();
    void onceOnlyKindsFollowTheBlock();
    void cancelChangesNothing();
    void withoutBlock();
    void eraseWhileAnotherRowHoldsText_data();
    void eraseWhileAnotherRowHoldsText();
};

void tst_VyrEdidDescriptorsItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidDescriptorsItem::childrenAndButtons()
{
    TreeHarness h(mixedImage());
    QCOMPARE(h.childTitles(Descriptors), MixedTitles);
    QCOMPARE(buttons(h), QStringList({"0:erase", "1:erase", "2:erase", "3:add"}));
    auto *list = dynamic_cast<VyrEdidDescriptorsItem *>(h.row(Descriptors));
    QVERIFY(list);
    QCOMPARE(list->slotChild(2), dynamic_cast<VyrEdidItemBase *>(h.row(under("Product Name"))));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// A descriptor of a kind the model does not know (a manufacturer tag) gets no child; the other
// children keep their own slots, and erasing the one behind it acts on that slot.
void tst_VyrEdidDescriptorsItem::unrecognisedSlotHasNoChild()
{
    QByteArray image = EdidImageBuilder()
                           .edid14()
                           .patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
                           .patch(VyrTest::descriptorOffset(1), VyrTest::displayDescriptor(0x05))
                           .patch(VyrTest::descriptorOffset(2), VyrTest::detailedTiming1080p())
                           .image();
    TreeHarness h(image);
    QCOMPARE(h.childTitles(Descriptors),
             QStringList({"Detailed Timing 0", "Detailed Timing 1", "Descriptor Placeholder"}));
    QCOMPARE(buttons(h), QStringList({"0:erase", "2:erase", "3:add"}));
    QVERIFY(h.click(under("Detailed Timing 1")));
    h.settle();
    QCOMPARE(h.childTitles(Descriptors), QStringList({"Detailed Timing 0", "Descriptor Placeholder",
                                                      "Descriptor Placeholder"}));
    QCOMPARE(buttons(h), QStringList({"0:erase", "2:add", "3:add"}));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), range(VyrTest::descriptorOffset(2), 18));
}

void tst_VyrEdidDescriptorsItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    QTest::newRow("list") << Descriptors << "54:72";
    QTest::newRow("detailed timing, slot 1") << under("Detailed Timing 0") << "54:18";
    QTest::newRow("range limits, slot 2") << under("Range Limits Info") << "76:13";
    QTest::newRow("string, slot 3") << under("Product Name") << "90:18";
    QTest::newRow("placeholder, slot 4") << under("Descriptor Placeholder") << "108:18";
}

void tst_VyrEdidDescriptorsItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(mixedImage());
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    QVERIFY(h.select(path));
    const EdidItemLocation first = h.locations(path).value(0);
    QCOMPARE(h.highlightedBytes().value(0), int(first.offset));
}

void tst_VyrEdidDescriptorsItem::eraseLeavesPlaceholder()
{
    TreeHarness h(mixedImage());
    QVERIFY(h.select(under("Detailed Timing 0")));
    QVERIFY(h.click(under("Detailed Timing 0")));
    h.settle();
    QCOMPARE(h.childTitles(Descriptors), QStringList({"Descriptor Placeholder", "Range Limits Info",
                                                      "Product Name", "Descriptor Placeholder"}));
    QCOMPARE(buttons(h), QStringList({"0:add", "1:erase", "2:erase", "3:add"}));
    QByteArray placeholder(18, '\0');
    placeholder[3] = '\x10';
    QCOMPARE(h.image().mid(54, 18), placeholder);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), range(54, 18));
    // The new placeholder is current, and the hex view follows the edit.
    QCOMPARE(h.tree()->currentItem(), h.row(under("Descriptor Placeholder[0]")));
    QCOMPARE(h.hexCell(57), QStringLiteral("10"));
}

void tst_VyrEdidDescriptorsItem::addStandardTimings()
{
    TreeHarness h(mixedImage());
    VyrTest::ScriptedChooser chooser;
    chooser.answer("Standard Timing Identifications");
    QVERIFY(h.click(under("Descriptor Placeholder")));
    h.settle();
    QCOMPARE(h.childTitles(Descriptors).value(3), QStringLiteral("Standard Timings Info"));
    QCOMPARE(buttons(h).value(3), QStringLiteral("3:erase"));
    auto *timings =
        dynamic_cast<VyrEdidStandardTimingItem *>(h.row(under("Standard Timings Info")));
    QVERIFY(timings);
    QCOMPARE(timings->section(), 4u);
    QCOMPARE(timings->count(), 6u);
    QCOMPARE(h.image().mid(108, 18), QByteArray::fromHex("000000fa00010101010101010101010101"
                                                         "0a"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), range(108, 18));

    // Erased again, the slot is a placeholder with an add button.
    QVERIFY(h.click(under("Standard Timings Info")));
    h.settle();
    QCOMPARE(h.childTitles(Descriptors), MixedTitles);
    QCOMPARE(buttons(h), QStringList({"0:erase", "1:erase", "2:erase", "3:add"}));
}

void tst_VyrEdidDescriptorsItem::offeredKinds_data()
{
    QTest::addColumn<bool>("edid14");
    QTest::addColumn<QStringList>("offered");
    const QStringList edid13{"Detailed Timing", "Display Product Serial Number",
                             "ASCII Data String", "Color Point Data",
                             "Standard Timing Identifications"};
    QTest::newRow("EDID 1.3") << false << edid13;
    QTest::newRow("EDID 1.4") << true
                              << edid13
                                     + QStringList{"Display Color Management",
                                                   "CVT 3 Byte Timing Codes",
                                                   "Established Timings III"};
}

// Range limits and a product name are present, so they are not offered again.
void tst_VyrEdidDescriptorsItem::offeredKinds()
{
    QFETCH(bool, edid14);
    QFETCH(QStringList, offered);
    TreeHarness h(mixedImage(edid14));
    VyrTest::ScriptedChooser chooser;
    QVERIFY(h.click(under("Descriptor Placeholder")));
    h.settle();
    QCOMPARE(chooser.lastOffer(), offered);
}

// A kind that may occur once is offered while the block holds none, also after adds and erases
// in the same tree.
void tst_VyrEdidDescriptorsItem::onceOnlyKindsFollowTheBlock()
{
    TreeHarness h(EdidImageBuilder().edid14().image());
    VyrTest::ScriptedChooser chooser;
    chooser.answer("Display Range Limits");
    QVERIFY(h.click(under("Descriptor Placeholder[1]")));
    h.settle();
    QVERIFY(chooser.lastOffer().contains("Display Range Limits"));
    QCOMPARE(h.childTitles(Descriptors).value(1), QStringLiteral("Range Limits Info"));
    QCOMPARE(quint8(h.image().at(VyrTest::descriptorOffset(1) + 3)), quint8(0xFD));

    QVERIFY(h.click(under("Descriptor Placeholder[0]")));
    h.settle();
    QVERIFY(!chooser.lastOffer().contains("Display Range Limits"));
    QVERIFY(h.click(under("Range Limits Info")));
    h.settle();
    QVERIFY(h.click(under("Descriptor Placeholder[0]")));
    h.settle();
    QVERIFY(chooser.lastOffer().contains("Display Range Limits"));
    QCOMPARE(chooser.offers().size(), 3);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDescriptorsItem::cancelChangesNothing()
{
    TreeHarness h(mixedImage());
    VyrTest::ScriptedChooser chooser;
    chooser.cancel();
    QVERIFY(h.click(under("Descriptor Placeholder")));
    h.settle();
    QCOMPARE(chooser.offers().size(), 1);
    QCOMPARE(h.childTitles(Descriptors), MixedTitles);
    QCOMPARE(buttons(h), QStringList({"0:erase", "1:erase", "2:erase", "3:add"}));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDescriptorsItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidDescriptorsItem(nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->text(VyrEdidColumn::Property), QStringLiteral("Descriptors"));
    QCOMPARE(item->type(), 1112);
    QCOMPARE(item->childCount(), 0);
    QVERIFY(item->GetItemLocations().isEmpty());
    QVERIFY(item->addableDescriptors().isEmpty());
    item->on_addremoveDescriptor(0, true);
    QCOMPARE(item->childCount(), 0);
}

void tst_VyrEdidDescriptorsItem::eraseWhileAnotherRowHoldsText_data()
{
    QTest::addColumn<QStringList>("edited");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("erased");
    QTest::addColumn<QList<int>>("changed");
    QTest::addColumn<int>("keptAt");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<bool>("byMouse");
    const QStringList width = under("Detailed Timing 0") + QStringList{"HAdressable:"};
    // 1000 = 0x3E8: byte 2, and the high nibble of byte 4, of the timing in slot 0.
    QTest::newRow("timing kept, name erased")
        << width << "1000"
        << "Product Name" << QList<int>{56, 58} + range(90, 18) << 56
        << QByteArray::fromHex("e81831") << true;
    QTest::newRow("the erased timing itself")
        << width << "1000"
        << "Detailed Timing 0" << range(54, 18) << 54 << QByteArray() << true;
    // A click that leaves the focus where it is (an accessibility tool, a shortcut): the item
    // itself has the pending text written before the slot changes.
    QTest::newRow("the erased timing itself, focus kept")
        << width << "1000"
        << "Detailed Timing 0" << range(54, 18) << 54 << QByteArray() << false;
    QTest::newRow("name kept, timing erased")
        << under("Product Name") << "PANEL"
        << "Detailed Timing 0" << range(54, 18) + range(95, 13) << 95
        << QByteArray("PANEL\n       ") << true;
    QTest::newRow("name kept, timing erased, focus kept")
        << under("Product Name") << "PANEL"
        << "Detailed Timing 0" << range(54, 18) + range(95, 13) << 95
        << QByteArray("PANEL\n       ") << false;
}

// The user types into one row's editor without Enter and clicks an erase button (tool buttons
// take no focus). The typed text is written first, to the bytes its row was built from; the
// erased slot then holds exactly a placeholder. No row is used after it was freed (checked by
// the sanitizer build).
void tst_VyrEdidDescriptorsItem::eraseWhileAnotherRowHoldsText()
{
    QFETCH(QStringList, edited);
    QFETCH(QString, text);
    QFETCH(QString, erased);
    QFETCH(QList<int>, changed);
    QFETCH(int, keptAt);
    QFETCH(QByteArray, kept);
    QFETCH(bool, byMouse);
    TreeHarness h(mixedImage());
    QVERIFY(h.type(edited, text, TreeHarness::Leave::Pending));
    if (byMouse) {
        QVERIFY(h.click(under(erased)));
    } else {
        auto *button =
            qobject_cast<QAbstractButton *>(h.widget(under(erased), VyrEdidColumn::Action));
        QVERIFY(button);
        button->click();
    }
    h.settle();
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), changed);
    const int erasedSlot = MixedTitles.indexOf(erased);
    QByteArray placeholder(18, '\0');
    placeholder[3] = '\x10';
    QCOMPARE(h.image().mid(VyrTest::descriptorOffset(erasedSlot), 18), placeholder);
    QCOMPARE(h.image().mid(keptAt, kept.size()), kept);
    QCOMPARE(h.childTitles(Descriptors).value(erasedSlot),
             QStringLiteral("Descriptor Placeholder"));
}

QTEST_MAIN(tst_VyrEdidDescriptorsItem)
#include "tst_vyrediddescriptorsitem.moc"
