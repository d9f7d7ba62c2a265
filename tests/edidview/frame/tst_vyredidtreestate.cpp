// The EDID tree keeps the rows the user opened and the current row across the rebuilds that
// adding or removing a block, a data block, a descriptor or an entry makes.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "scriptedchooser.h"

#include <QPointer>
#include <QScrollBar>
#include <QtTest>

#include <functional>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// Paths in the table are written "Base Block > Descriptors": some titles hold a slash.
const QString Step = QStringLiteral(" > ");

QStringList pathFrom(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(Step);
}

// Every expanded row below the root, in tree order.
QStringList expandedRows(const TreeHarness &h)
{
    QStringList rows;
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *item) {
        for (int i = 0; i < item->childCount(); ++i) {
            QTreeWidgetItem *child = item->child(i);
            if (child->isExpanded())
                rows << h.pathOf(child).join(Step);
            walk(child);
        }
    };
    walk(h.root());
    return rows;
}

// Closes every row below the root, then opens those of rows (given with the rows above them).
void openOnly(TreeHarness &h, const QStringList &rows)
{
    h.tree()->collapseAll();
    h.root()->setExpanded(true);
    for (const QString &row : rows) {
        QTreeWidgetItem *item = h.row(pathFrom(row));
        QVERIFY2(item, qPrintable(row));
        item->setExpanded(true);
    }
}

QList<int> bytesOf(const QList<EdidItemLocation> &locations)
{
    QList<int> bytes;
    for (const EdidItemLocation &location : locations) {
        for (unsigned int i = 0; i < location.length; ++i)
            bytes << static_cast<int>(location.offset + i);
    }
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

// A video and an audio data block.
QByteArray videoAndAudio()
{
    return CeaTest::imageWithCollection(QByteArray::fromHex("42101f23090707"));
}

// Two detailed timings in the CEA-861 extension: two rows titled "Detailed Timings Info".
QByteArray twoCeaTimings()
{
    return EdidImageBuilder().edid14().block(CeaTest::makeExt(4, 0, {}, 2)).image();
}

// Slots 0 to 3: a detailed timing, range limits, a product name, a placeholder.
QByteArray fourDescriptors()
{
    return EdidImageBuilder()
        .edid14()
        .patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
        .patch(VyrTest::descriptorOffset(1), VyrTest::rangeLimitsDescriptor())
        .patch(VyrTest::descriptorOffset(2), VyrTest::stringDescriptor(0xFC, "MONITOR"))
        .image();
}

} // namespace

class tst_VyrEdidTreeState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rebuildKeepsOpenAndCurrentRows_data();
    void rebuildKeepsOpenAndCurrentRows();
    void rebuildKeepsTheScrolledPlace();
};

void tst_VyrEdidTreeState::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidTreeState::rebuildKeepsOpenAndCurrentRows_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("open");     // the rows the user opened
    QTest::addColumn<QString>("current");      // the row the user is on
    QTest::addColumn<QString>("click");        // the row whose button is clicked
    QTest::addColumn<int>("column");           // the button's column
    QTest::addColumn<QString>("answer");       // what the add dialog is answered
    QTest::addColumn<QStringList>("openThen"); // the rows open after the rebuild
    QTest::addColumn<QString>("currentThen");  // the current row after the rebuild

    const QString cea = CeaTest::Cea;
    const QString blocks = cea + Step + CeaTest::Blocks;
    const QString audio = blocks + Step + "Audio Data Block";
    const QString timings = cea + Step + "Detailed Timings";
    const QString descriptors = "Base Block > Descriptors";
    const QString did = "DID Extention";
    const QString didBase = "DID Base Block";

    QStringList open{"Base Block", descriptors, cea, blocks, audio, audio + " > 0"};
    QString current = audio + " > 0 > Number of Channels";
    QTest::newRow("data block added") << videoAndAudio() << open << current << blocks << 3
                                      << "Colorimetry Data Block" << open << current;
    QTest::newRow("data block removed")
        << videoAndAudio() << open << current << blocks + " > Video Data Block" << 3 << QString()
        << open << current;

    open = QStringList{"Base Block", "Base Block > General Info", cea, blocks, audio};
    current = "Base Block > General Info > WeekOfManuf";
    QTest::newRow("block added") << videoAndAudio() << open << current << QString() << 3
                                 << "EDID DI Ext Block" << open << current;
    open = QStringList{"Base Block", "Base Block > Basic Params Info", "DI Extention",
                       "DI Extention > Display Device"};
    current = "DI Extention > Display Device > Sub Pixel Shape";
    QTest::newRow("block removed") << EdidImageBuilder().edid14().cea().diExt().image() << open
                                   << current << cea << 3 << QString() << open << current;

    // Two rows of one title: the second stays open, the first closed.
    open = QStringList{cea, timings, timings + " > Detailed Timings Info[1]"};
    current = timings + " > Detailed Timings Info[1] > HBlank:";
    QTest::newRow("same titles, block added") << twoCeaTimings() << open << current << QString()
                                              << 3 << "EDID VTB Ext Block" << open << current;
    QTest::newRow("entry added") << twoCeaTimings() << open << current << timings << 3 << QString()
                                 << open << current;
    open = QStringList{cea, timings, timings + " > Detailed Timings Info"};
    current = timings + " > Detailed Timings Info > PixelClock:";
    QTest::newRow("entry removed")
        << twoCeaTimings() << open << current << timings + " > Detailed Timings Info[1]" << 3
        << QString() << open << current;

    // A replaced descriptor is a row of another title; the rebuild makes it current itself.
    open = QStringList{"Base Block", descriptors, descriptors + " > Detailed Timing 0",
                       descriptors + " > Range Limits Info"};
    QTest::newRow("descriptor removed")
        << fourDescriptors() << open << descriptors + " > Detailed Timing 0 > PixelClock:"
        << descriptors + " > Detailed Timing 0" << 3 << QString()
        << QStringList{"Base Block", descriptors, descriptors + " > Range Limits Info"}
        << descriptors + " > Descriptor Placeholder";
    QTest::newRow("descriptor added")
        << fourDescriptors() << open << descriptors + " > Descriptor Placeholder"
        << descriptors + " > Descriptor Placeholder" << 3 << "Standard Timing Identifications"
        << open << descriptors + " > Standard Timings Info";

    open = QStringList{"Base Block", did, did + " > General Info"};
    current = did + " > General Info > Section Size";
    QTest::newRow("DisplayID data block added")
        << EdidImageBuilder().edid14().displayIdExtension().image() << open << current
        << did + " > Add block" << 3 << "Display Parameters" << open << current;
    // The base section grows: the root builds every block anew.
    open = QStringList{didBase, didBase + " > General Info"};
    current = didBase + " > General Info > Section Size";
    QTest::newRow("DisplayID base section grows")
        << EdidImageBuilder().displayIdBase().image() << open << current << didBase + " > Add block"
        << 3 << "Display Parameters" << open << current;
}

void tst_VyrEdidTreeState::rebuildKeepsOpenAndCurrentRows()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, open);
    QFETCH(QString, current);
    QFETCH(QString, click);
    QFETCH(int, column);
    QFETCH(QString, answer);
    QFETCH(QStringList, openThen);
    QFETCH(QString, currentThen);

    VyrTest::ScriptedChooser chooser;
    if (!answer.isEmpty())
        chooser.answer(answer);
    TreeHarness h(image);
    openOnly(h, open);
    QCOMPARE(expandedRows(h), open);
    QVERIFY(h.select(pathFrom(current)));
    QPointer<QObject> before = dynamic_cast<QObject *>(h.row(pathFrom(current)));
    QVERIFY(before);

    QVERIFY(h.click(pathFrom(click), column));
    h.settle();

    QVERIFY(h.image() != h.original());
    QVERIFY2(!before, "the current row was not built anew");
    QCOMPARE(expandedRows(h), openThen);
    QCOMPARE(h.pathOf(h.tree()->currentItem()).join(Step), currentThen);
    // The hex view shows the bytes of the current row.
    QCOMPARE(h.highlightedBytes(), bytesOf(h.locations(pathFrom(currentThen))));
}

// Every row open: the rows fill more than the view. Building the data blocks anew leaves the
// view where the user scrolled it, with the current row in it.
void tst_VyrEdidTreeState::rebuildKeepsTheScrolledPlace()
{
    VyrTest::ScriptedChooser chooser;
    chooser.answer(QStringLiteral("Colorimetry Data Block"));
    TreeHarness h(videoAndAudio());
    const QStringList blocks{CeaTest::Cea, CeaTest::Blocks};
    const QStringList current = blocks + QStringList{"Audio Data Block", "0", "Number of Channels"};
    QVERIFY(h.select(current));
    h.tree()->scrollToItem(h.row(current), QAbstractItemView::PositionAtCenter);
    h.settle();
    const int scrolled = h.tree()->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    const QStringList open = expandedRows(h);

    QVERIFY(h.click(blocks)); // in view above the current row
    h.settle();

    QCOMPARE(h.childTitles(blocks).last(), QStringLiteral("Colorimetry Data Block"));
    QCOMPARE(expandedRows(h), open);
    QCOMPARE(h.tree()->verticalScrollBar()->value(), scrolled);
    QCOMPARE(h.pathOf(h.tree()->currentItem()), current);
}

QTEST_MAIN(tst_VyrEdidTreeState)
#include "tst_vyredidtreestate.moc"
