#include "connectwarninghandler.h"
#include "edidbytes.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyrediditembase.h"
#include "frame/vyredidkinds.h"
#include "items/diext/vyrediddiextblockitem.h"
#include "locationtext.h"
#include "vyrtestutil.h"

#include <QLineEdit>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QString Block = QStringLiteral("DI Extention");

const QStringList SectionTitles{
    "General Info",         "Data Format and Clock",       "Display Device",
    "Display Capabilities", "Color//Luminance Properties", "Gamma Section"};

// A DI-EXT block after an EDID 1.4 base block; patch offsets count from the DI-EXT block.
QByteArray diExtImage(const QList<QPair<int, QList<int>>> &patches = {})
{
    EdidImageBuilder builder;
    builder.edid14().diExt();
    for (const auto &patch : patches)
        builder.patch(patch.first, patch.second);
    return builder.image();
}

// Gives every line editor of the tree the focus and takes it away again, as a user looking
// through the rows does.
void visitLineEditors(TreeHarness &h)
{
    for (QTreeWidgetItemIterator it(h.tree()); *it; ++it) {
        for (int column = 0; column < VyrEdidColumn::Count; ++column) {
            QWidget *widget = h.tree()->itemWidget(*it, column);
            if (!widget)
                continue;
            QList<QLineEdit *> edits = widget->findChildren<QLineEdit *>();
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                edits << edit;
            for (QLineEdit *edit : qAsConst(edits)) {
                if (!edit->isVisibleTo(h.tree()))
                    continue;
                h.tree()->scrollToItem(*it);
                QCoreApplication::processEvents();
                edit->setFocus(Qt::MouseFocusReason);
                QTest::keyClick(edit, Qt::Key_Return);
                h.tree()->setFocus(Qt::MouseFocusReason);
            }
        }
    }
}

} // namespace

class tst_VyrEdidDiExtBlockItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sectionsAndRows();
    void locations_data();
    void locations();
    void buildingWritesNothing_data();
    void buildingWritesNothing();
    void samplesBuildWithoutWriting();
    void withoutBlock();
};

void tst_VyrEdidDiExtBlockItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidDiExtBlockItem::sectionsAndRows()
{
    TreeHarness h(diExtImage());
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", Block}));
    QCOMPARE(h.childTitles({Block}), SectionTitles);
    QCOMPARE(h.childTitles({Block, "General Info"}),
             QStringList({"Major Version", "Interface Standard", "Version", "Checksum"}));
    QCOMPARE(h.childTitles({Block, "Data Format and Clock"}),
             QStringList({"Data Format", "Edge of Shift Clock", "Data Enable Signal",
                          "Min.Pixel Clock", "Max.Pixel Clock", "CrossOver Freq.", "HDCP Supported",
                          "Double Clocking Supported", "Packetized Video Supported"}));
    QCOMPARE(h.childTitles({Block, "Display Device"}),
             QStringList({"Sub-Pixel Layout", "Sub-Pixel Configuration", "Sub Pixel Shape",
                          "Hor. Pitch(cm)", "Ver. Pitch(cm)", "View Direction",
                          "Physical Implementation", "Fixed Pixel Format Support",
                          "Transparent Background", "DDC//CI Support"}));
    // The block item and every item below it are of kind 1104.
    QList<QTreeWidgetItem *> pending{h.row({Block})};
    while (!pending.isEmpty()) {
        QTreeWidgetItem *row = pending.takeLast();
        QCOMPARE(row->type(), int(VyrEdidItemKind::DiExtension));
        QVERIFY(dynamic_cast<VyrEdidItemBase *>(row));
        for (int i = 0; i < row->childCount(); ++i)
            pending << row->child(i);
    }
    auto *item = dynamic_cast<VyrEdidDiExtBlockItem *>(h.row({Block}));
    QVERIFY(item);
    QCOMPARE(item->GetBlockSize(), 128u);
    QCOMPARE(item->startOffset(), 128u);
}

void tst_VyrEdidDiExtBlockItem::locations_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("locations");
    const QString gi = QStringLiteral("General Info");
    const QString df = QStringLiteral("Data Format and Clock");
    const QString dd = QStringLiteral("Display Device");
    QTest::newRow("block") << QStringList{Block} << "128:128";
    QTest::newRow("general info") << QStringList{Block, gi} << "128:44";
    QTest::newRow("major version") << QStringList{Block, gi, "Major Version"} << "129:1";
    QTest::newRow("interface") << QStringList{Block, gi, "Interface Standard"} << "130:1";
    QTest::newRow("version") << QStringList{Block, gi, "Version"} << "131:4";
    QTest::newRow("checksum") << QStringList{Block, gi, "Checksum"} << "255:1";
    // The section covers bytes 7 to 13, the data format code in byte 8 included.
    QTest::newRow("data format section")
        << QStringList{Block, df} << "135:1 136:1 137:1 138:1 139:1 140:1 141:1";
    QTest::newRow("data format") << QStringList{Block, df, "Data Format"} << "136:1";
    QTest::newRow("shift clock") << QStringList{Block, df, "Edge of Shift Clock"} << "135:1";
    QTest::newRow("min clock") << QStringList{Block, df, "Min.Pixel Clock"} << "137:1";
    QTest::newRow("max clock") << QStringList{Block, df, "Max.Pixel Clock"} << "138:1 139:1";
    QTest::newRow("crossover") << QStringList{Block, df, "CrossOver Freq."} << "140:1 141:1";
    QTest::newRow("packetized") << QStringList{Block, df, "Packetized Video Supported"} << "135:1";
    QTest::newRow("display device") << QStringList{Block, dd} << "142:6";
    QTest::newRow("shape") << QStringList{Block, dd, "Sub Pixel Shape"} << "144:1";
    QTest::newRow("hor pitch") << QStringList{Block, dd, "Hor. Pitch(cm)"} << "145:1";
    QTest::newRow("ver pitch") << QStringList{Block, dd, "Ver. Pitch(cm)"} << "146:1";
    QTest::newRow("ddc/ci") << QStringList{Block, dd, "DDC//CI Support"} << "147:1";
    const QString dc = QStringLiteral("Display Capabilities");
    const QString cp = QStringLiteral("Color//Luminance Properties");
    QTest::newRow("capabilities") << QStringList{Block, dc} << "148:35 149:1 154:1 166:1";
    QTest::newRow("stereo") << QStringList{Block, dc, "Miscellaneous", "Stereo Video"} << "148:1";
    QTest::newRow("frame lock") << QStringList{Block, dc, "Miscellaneous", "Frame Lock"} << "149:1";
    QTest::newRow("projector") << QStringList{Block, dc, "Orientation", "[0]"} << "154:1";
    QTest::newRow("squeeze") << QStringList{Block, dc, "Aspecct Ratio Conversion Modes", "Squeeze"}
                             << "166:1";
    QTest::newRow("frame rate") << QStringList{Block, dc, "Frequency Conversion", "Frame Rate(Hz)"}
                                << "148:35 149:1 154:1 166:1";
    QTest::newRow("colour") << QStringList{Block, cp} << "148:35";
    QTest::newRow("depths") << QStringList{Block, cp, "Monitor Color Depth"} << "160:6";
    QTest::newRow("green") << QStringList{Block, cp, "Monitor Color Depth", "Green"} << "161:1";
    QTest::newRow("dithering") << QStringList{Block, cp, "Monitor Color Depth", "Dithering"}
                               << "159:1";
    QTest::newRow("preferred") << QStringList{Block, cp, "Preferred Decoding"} << "156:1";
    QTest::newRow("decodings") << QStringList{Block, cp, "Decoding Capabilities"} << "157:2";
    QTest::newRow("secam") << QStringList{Block, cp, "Decoding Capabilities", "Y//C(S-Video)SECAM"}
                           << "157:1";
    QTest::newRow("ypbpr 274m") << QStringList{Block, cp, "Decoding Capabilities",
                                               "YPbPr(SMPTE 274M)"}
                                << "158:1";
    QTest::newRow("gamma") << QStringList{Block, "Gamma Section"} << "209:46";
}

void tst_VyrEdidDiExtBlockItem::locations()
{
    QFETCH(QStringList, path);
    QFETCH(QString, locations);
    TreeHarness h(diExtImage());
    QCOMPARE(VyrTest::locationText(h.locations(path)), locations);
    QVERIFY(h.select(path));
    QVERIFY(h.highlightedBytes().contains(int(h.locations(path).first().offset)));
}

void tst_VyrEdidDiExtBlockItem::buildingWritesNothing_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("empty block (byte 8 unlisted)") << diExtImage();
    QList<int> allOnes;
    for (int i = 1; i < 127; ++i)
        allOnes << 0xFF;
    QTest::newRow("all bits set") << diExtImage({{1, allOnes}});
    QTest::newRow("version numbers out of range") << diExtImage({{2, {9, 0x7F, 150, 255, 255}}});
    // Shown as 2.50 and 2.05: confirming the shown text would store other bytes.
    QTest::newRow("hundredths above 99") << diExtImage({{2, {1, 0x41, 150, 2, 5}}});
    QTest::newRow("letter") << diExtImage({{3, {0x80, 0xE9}}});
    QTest::newRow("date") << diExtImage({{3, {0xC0, 24, 5, 20}}});
    QTest::newRow("no date (month 0)") << diExtImage({{3, {0xC0, 24, 0, 0}}});
    QTest::newRow("no crossover, clocks reversed")
        << diExtImage({{7, {0x01, 0x24, 200, 100, 0, 0xFF, 0xFF}}});
    QTest::newRow("values without entries")
        << diExtImage({{7, {0x70, 0x48, 0, 0, 0, 0, 0, 9, 9, 9, 0, 0, 0x61}}});
    // Stereo 6, no scan direction, rates 655.35 and 0.00, decodings without entries, depths 0
    // and 17, three curves of 63 points.
    QTest::newRow("capabilities and colours without entries")
        << diExtImage({{20, {0x60, 0x60, 0xFF, 0xFF, 0, 0, 0x06, 0x0F, 0x07, 0, 0, 0, 0, 17}},
                       {81, {0xBF, 1, 2, 3}}});
    QTest::newRow("white curve") << diExtImage({{81, {0x45, 10, 20, 30, 40, 50}}});
}

// Building the rows and then visiting every editor (focus in, Return, focus out) changes no
// byte, checksum included.
void tst_VyrEdidDiExtBlockItem::buildingWritesNothing()
{
    QFETCH(QByteArray, image);
    TreeHarness h(image);
    QVERIFY(h.row({Block, "Gamma Section"}));
    visitLineEditors(h);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidDiExtBlockItem::samplesBuildWithoutWriting()
{
    int withDiExt = 0;
    const QStringList names = VyrTest::sampleNames();
    for (const QString &name : names) {
        TreeHarness h(VyrTest::sampleImage(name));
        if (!h.row({Block}))
            continue;
        ++withDiExt;
        QCOMPARE(h.childTitles({Block}), SectionTitles);
        visitLineEditors(h);
        QVERIFY2(VyrTest::changedBytes(h.original(), h.image()).isEmpty(), qPrintable(name));
    }
    QVERIFY(withDiExt >= 2);
}

// Without a block object the item still builds its sections; nothing reports bytes and
// nothing is written.
void tst_VyrEdidDiExtBlockItem::withoutBlock()
{
    QByteArray image = diExtImage();
    VyrEdidInfoTree tree;
    auto *item = new VyrEdidDiExtBlockItem(VyrTest::bytes(image), 128, nullptr);
    tree.addTopLevelItem(item);
    QVERIFY(item->InitItems());
    QCOMPARE(item->childCount(), 6);
    QCOMPARE(item->GetBlockSize(), 0u);
    for (int i = 0; i < item->childCount(); ++i) {
        auto *section = dynamic_cast<VyrEdidItemBase *>(item->child(i));
        QVERIFY(section);
        QVERIFY(section->GetItemLocations().isEmpty());
    }
    QCOMPARE(VyrTest::changedBytes(diExtImage(), image), QList<int>());
}

QTEST_MAIN(tst_VyrEdidDiExtBlockItem)
#include "tst_vyrediddiextblockitem.moc"
