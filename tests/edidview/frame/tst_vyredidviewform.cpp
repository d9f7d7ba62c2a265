#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidviewform.h"
#include "frame/vyrhexviewtable.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "probeitems.h"

#include <QAction>
#include <QDockWidget>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

QList<int> span(int from, int count)
{
    QList<int> list;
    for (int i = from; i < from + count; ++i)
        list << i;
    return list;
}

QString rangesText(const QList<QTableWidgetSelectionRange> &ranges)
{
    QStringList parts;
    for (const QTableWidgetSelectionRange &r : ranges)
        parts << QStringLiteral("%1:%2-%3:%4")
                     .arg(r.topRow())
                     .arg(r.leftColumn())
                     .arg(r.bottomRow())
                     .arg(r.rightColumn());
    return parts.join(QLatin1Char(' '));
}

QByteArray edid14WithCea()
{
    return EdidImageBuilder().edid14().cea().image();
}

} // namespace

Q_DECLARE_METATYPE(QList<EdidItemLocation>)

class tst_VyrEdidViewForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hexRanges_data();
    void hexRanges();
    void selectionHighlightsTheRowsBytes_data();
    void selectionHighlightsTheRowsBytes();
    void displayIdRowHighlightsItsBytes();
    void notifiedChangeRefillsHexViewAndKeepsHighlight();
    void editThroughAnItemReachesTheHexView();
    void nullImageKeepsTheTree();
    void dockToggleShowsAndHides();
};

void tst_VyrEdidViewForm::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidViewForm::hexRanges_data()
{
    QTest::addColumn<QList<EdidItemLocation>>("locations");
    QTest::addColumn<QString>("ranges");
    QTest::newRow("inside one row") << QList<EdidItemLocation>{{18, 2}} << "1:2-1:3";
    QTest::newRow("one whole row") << QList<EdidItemLocation>{{16, 16}} << "1:0-1:15";
    QTest::newRow("across two rows") << QList<EdidItemLocation>{{54, 18}} << "3:6-3:15 4:0-4:7";
    QTest::newRow("rows between") << QList<EdidItemLocation>{{8, 40}}
                                  << "0:8-0:15 1:0-1:15 2:0-2:15";
    QTest::newRow("length 0") << QList<EdidItemLocation>{{20, 0}} << "";
    QTest::newRow("two locations")
        << QList<EdidItemLocation>{{25, 1}, {27, 1}} << "1:9-1:9 1:11-1:11";
    QTest::newRow("last byte") << QList<EdidItemLocation>{{511, 1}} << "31:15-31:15";
}

void tst_VyrEdidViewForm::hexRanges()
{
    QFETCH(QList<EdidItemLocation>, locations);
    QFETCH(QString, ranges);
    QList<QTableWidgetSelectionRange> computed{{0, 0, 0, 0}};
    VyrEdidViewForm::calculateHexViewSelectionRange(locations, computed);
    QCOMPARE(rangesText(computed), ranges);
}

void tst_VyrEdidViewForm::selectionHighlightsTheRowsBytes_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("root") << QStringList() << QList<int>();
    QTest::newRow("base block") << QStringList{"Base Block"} << span(0, 128);
    QTest::newRow("header") << QStringList{"Base Block", "Header"} << span(0, 8);
    QTest::newRow("general info") << QStringList{"Base Block", "General Info"} << span(8, 12);
    QTest::newRow("basic params") << QStringList{"Base Block", "Basic Params Info"} << span(20, 5);
    QTest::newRow("colour") << QStringList{"Base Block", "Color Characteristics Info"}
                            << span(25, 10);
    QTest::newRow("established") << QStringList{"Base Block", "Established Timings Info"}
                                 << span(35, 3);
    QTest::newRow("standard") << QStringList{"Base Block", "Standard Timings Info"} << span(38, 16);
    QTest::newRow("descriptors") << QStringList{"Base Block", "Descriptors"} << span(54, 72);
    QTest::newRow("CEA-861") << QStringList{"CEA Extention"} << span(128, 128);
}

void tst_VyrEdidViewForm::selectionHighlightsTheRowsBytes()
{
    QFETCH(QStringList, path);
    QFETCH(QList<int>, bytes);
    TreeHarness h(edid14WithCea());
    // Something else highlighted first: the new selection replaces it.
    QVERIFY(h.select({"Base Block", "Header"}));
    QVERIFY(h.select(path));
    QCOMPARE(h.highlightedBytes(), bytes);
}

void tst_VyrEdidViewForm::displayIdRowHighlightsItsBytes()
{
    TreeHarness h(EdidImageBuilder().edid14().displayIdExtension().image());
    QVERIFY(h.select({"Base Block"}));
    QVERIFY(h.select({"DID Extention"})); // the block item (kind -1) shows nothing
    QCOMPARE(h.highlightedBytes(), QList<int>());
    auto *row = new VyrDIDTreeWidgetItem;
    h.row({"DID Extention"})->addChild(row);
    row->SetLocation({129, 4});
    h.tree()->setCurrentItem(row);
    QCOMPARE(h.highlightedBytes(), span(129, 4));
}

void tst_VyrEdidViewForm::notifiedChangeRefillsHexViewAndKeepsHighlight()
{
    TreeHarness h(edid14WithCea());
    QVERIFY(h.select({"Base Block", "General Info"}));
    QCOMPARE(h.hexCell(17), QStringLiteral("00"));
    h.data()[17] = 0x1A;
    h.data()[300] = 0xC3;
    // The item that changed the image tells the tree; the form refills the hex view.
    dynamic_cast<VyrEdidItemBase *>(h.row({"Base Block", "General Info"}))->NotifyAtDataChanged();
    QCOMPARE(h.hexCell(17), QStringLiteral("1A"));
    QCOMPARE(h.hexCell(300), QStringLiteral("C3"));
    QCOMPARE(h.highlightedBytes(), span(8, 12));
}

void tst_VyrEdidViewForm::editThroughAnItemReachesTheHexView()
{
    TreeHarness h(EdidImageBuilder().edid13().image(),
                  [](unsigned char *image) { return new Probe::ProbeRoot(image); });
    // Focusing an editor makes its row current; the probe is selected while the text waits.
    QVERIFY(h.type({"Probe", "Text"}, "171", TreeHarness::Leave::Pending));
    QCOMPARE(h.tree()->currentItem(), h.row({"Probe", "Text"}));
    QVERIFY(h.select({"Probe"}));
    QCOMPARE(h.highlightedBytes(), span(0, 128));
    QCOMPARE(h.hexCell(16), QStringLiteral("00"));
    h.tree()->setFocus(); // confirms the text
    QCOMPARE(h.hexCell(16), QStringLiteral("AB"));
    QCOMPARE(
        h.hexCell(127),
        QStringLiteral("%1").arg(quint8(h.image().at(127)), 2, 16, QLatin1Char('0')).toUpper());
    QCOMPARE(h.highlightedBytes(), span(0, 128));
}

void tst_VyrEdidViewForm::nullImageKeepsTheTree()
{
    TreeHarness h(edid14WithCea());
    VyrEdidMainItem *root = h.root();
    h.form()->SetEdid(nullptr);
    QCOMPARE(h.form()->edid(), static_cast<unsigned char *>(nullptr));
    QCOMPARE(h.root(), root);
    QCOMPARE(h.childTitles({}), QStringList({"Base Block", "CEA Extention"}));
}

void tst_VyrEdidViewForm::dockToggleShowsAndHides()
{
    TreeHarness h(edid14WithCea());
    QDockWidget *dock = h.form()->dock();
    QCOMPARE(dock->windowTitle(), QStringLiteral("EDID HEX VIEW"));
    QCOMPARE(dock->features(), QDockWidget::DockWidgetClosable);
    QCOMPARE(dock->widget(), static_cast<QWidget *>(h.hexView()));
    QAction *toggle = dock->toggleViewAction();
    QVERIFY(dock->isVisible());
    toggle->trigger();
    QVERIFY(!dock->isVisible());
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(dock->isVisible());
    QCOMPARE(h.tree()->headerItem()->text(0), QStringLiteral("Property"));
    QCOMPARE(h.tree()->headerItem()->text(3), QStringLiteral("Action"));
    QCOMPARE(h.hexView()->rowCount(), 32);
}

QTEST_MAIN(tst_VyrEdidViewForm)
#include "tst_vyredidviewform.moc"
