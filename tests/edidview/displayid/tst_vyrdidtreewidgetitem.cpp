#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidrows.h"
#include "items/displayid/didwidgets.h"
#include "items/displayid/vyrdiditembase.h"
#include "items/displayid/vyrediddispidblockitem.h"
#include "locationtext.h"
#include "model/displayid/displayidblock.h"
#include "vyrtestutil.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

// A data-block item over an interface power sequencing block with one cell of every kind. Its
// rows: "Active H(pixels)/V(lines)" (two locations), "Pitch H/V" (two), "Single L/R" (a
// two-value cell with one location), "T4" (a line cell writing T4 through editRecord, payload
// byte 3), "Flag" (check box, bit 2), "Method" (values 10 and 20) and a row without cell.
class ProbeDidItem : public VyrDIDItemBase
{
public:
    using VyrDIDItemBase::VyrDIDItemBase;

    bool InitItems() override
    {
        setText(VyrEdidColumn::Property, QStringLiteral("Probe"));
        const unsigned int base = BaseOffset();
        // Starts below its range: shown as 1, not written.
        addNamedChild(new VyrDIDIntDualEditItem(QStringLiteral("Active"),
                                                QStringLiteral("H(pixels)/V(lines)"), 0, 2000,
                                                QStringLiteral("[DEC]"), 1, 65536))
            ->setLocations({{base, 1}, {base + 1, 1}});
        addNamedChild(new VyrDIDDoubleDualEditItem(QStringLiteral("Pitch"), QStringLiteral("H/V"),
                                                   0.25, 0.5, QStringLiteral("[FLT]"), 0, 2.55))
            ->setLocations({{base + 4, 1}, {base + 5, 1}});
        addNamedChild(new VyrDIDIntDualEditItem(QStringLiteral("Single"), QStringLiteral("L/R"), 1,
                                                2, QStringLiteral("[DEC]"), 0, 9))
            ->SetLocation({base, 6});
        addNamedChild(new VyrDIDLineEditItem(QStringLiteral("T4"), QStringLiteral("0"),
                                             QStringLiteral("[DEC]")))
            ->SetLocation({base + 3, 1});
        addNamedChild(
            new VyrDIDCheckBoxItem(QStringLiteral("Flag"), QStringLiteral("on"), 2, false));
        auto *method = new VyrDIDComboBoxItem(QStringLiteral("Method"));
        method->addItems({{QStringLiteral("a"), 10}, {QStringLiteral("b"), 20}});
        addNamedChild(method);
        addNamedChild<VyrDIDLineEditItem>(nullptr);
        return true;
    }

    void DoEdit(const QString &name, const QVariant &value) override
    {
        QString text = value.toString();
        if (value.userType() == qMetaTypeId<CheckBoxData>())
            text = QStringLiteral("{%1,%2}")
                       .arg(value.value<CheckBoxData>().bit)
                       .arg(value.value<CheckBoxData>().isChecked);
        edits << name + QLatin1Char('=') + text;
        if (name != QLatin1String("T4"))
            return;
        editRecord<DidPowerSeqDataBlock>(
            m_model, &DisplayIDBlock::GetPowerSeqDataBlock, &DisplayIDBlock::SetPowerSeqDataBlock,
            [&](DidPowerSeqDataBlock &record) {
                bool ok = false;
                const unsigned int t4 = text.toUInt(&ok);
                record.t4Min = t4;
                return ok; // no number: nothing written
            },
            m_index);
    }

    QStringList edits;
};

// Payload of a power sequencing block; T4 (byte 3) is 0.
const QByteArray PowerPayload = QByteArray::fromHex("5a0a0a000505");

QByteArray probeImage()
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0D, 0, PowerPayload)
        .image();
}

// The probe under the section of the extension at 128 (section from 129, the power block's
// header at 133, its payload from 136, the section checksum at 142).
ProbeDidItem *addProbe(TreeHarness &h)
{
    auto *block = dynamic_cast<VyrEdidDispIdBlockItem *>(h.row({"DID Extention"}));
    if (!block)
        return nullptr;
    auto *probe = new ProbeDidItem(0, block->model());
    block->addChild(probe);
    probe->InitItems();
    h.tree()->expandAll();
    h.settle();
    return probe;
}

VyrDIDTreeWidgetItem *didRow(const TreeHarness &h, const QString &title)
{
    return dynamic_cast<VyrDIDTreeWidgetItem *>(h.row({"DID Extention", "Probe", title}));
}

// Gives the focus to a widget in the tree, scrolled into view.
void focusIn(TreeHarness &h, QTreeWidgetItem *row, QWidget *widget)
{
    h.tree()->scrollToItem(row);
    QApplication::processEvents();
    widget->setFocus(Qt::MouseFocusReason);
}

QList<int> bytesOf(const QList<EdidItemLocation> &locations)
{
    QList<int> bytes;
    for (const EdidItemLocation &location : locations) {
        for (unsigned int i = 0; i < location.length; ++i)
            bytes << int(location.offset + i);
    }
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

} // namespace

class tst_VyrDIDTreeWidgetItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dataBlockLocations_data();
    void dataBlockLocations();
    void rowsShowTheirCells();
    void focusedHalfLocations_data();
    void focusedHalfLocations();
    void focusMakesTheRowCurrentEachTime();
    void cellEditsReachTheItem();
    void editRecordWritesOneFieldOrNothing();
};

void tst_VyrDIDTreeWidgetItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDTreeWidgetItem::dataBlockLocations_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("location");
    QTest::addColumn<unsigned int>("baseOffset");

    const QByteArray stereo = QByteArray::fromHex("020000");
    const QByteArray extension = EdidImageBuilder()
                                     .edid14()
                                     .displayIdExtension()
                                     .displayIdDataBlock(0x0D, 0, PowerPayload)
                                     .displayIdDataBlock(0x10, 0, stereo)
                                     .image();
    // Wrapped at 128: the section starts at 129, its data blocks at 133.
    QTest::newRow("extension, first block") << extension << 0 << "133:9" << 136u;
    QTest::newRow("extension, second block") << extension << 1 << "142:6" << 145u;
    QTest::newRow("no such block") << extension << 2 << "0:0" << 0u;
    const QByteArray base =
        EdidImageBuilder().displayIdBase().displayIdDataBlock(0x10, 0, stereo).image();
    QTest::newRow("base section") << base << 0 << "4:6" << 7u;
}

void tst_VyrDIDTreeWidgetItem::dataBlockLocations()
{
    QFETCH(QByteArray, image);
    QFETCH(int, index);
    QFETCH(QString, location);
    QFETCH(unsigned int, baseOffset);
    TreeHarness h(image);
    auto *block =
        dynamic_cast<VyrEdidDispIdBlockItem *>(h.root()->child(h.root()->childCount() - 1));
    QVERIFY(block);
    ProbeDidItem item(unsigned(index), block->model());
    QCOMPARE(locationText({item.Location()}), location);
    QCOMPARE(locationText(item.GetItemLocations(false)), location);
    QCOMPARE(item.BaseOffset(), baseOffset);

    ProbeDidItem orphan(0, nullptr);
    QCOMPARE(orphan.BaseOffset(), 0u);
    QCOMPARE(locationText({orphan.Location()}), QStringLiteral("0:0"));
}

void tst_VyrDIDTreeWidgetItem::rowsShowTheirCells()
{
    TreeHarness h(probeImage());
    ProbeDidItem *probe = addProbe(h);
    QVERIFY(probe);
    QCOMPARE(h.childTitles({"DID Extention", "Probe"}),
             QStringList({"Active H(pixels)/V(lines)", "Pitch H/V", "Single L/R", "T4", "Flag",
                          "Method", ""}));
    const QStringList types = {"[DEC]", "[FLT]", "[DEC]", "[DEC]", "", "", ""};
    for (int i = 0; i < probe->childCount(); ++i) {
        QCOMPARE(probe->child(i)->type(), int(VyrEdidItemKind::DisplayIdRow));
        QCOMPARE(probe->child(i)->text(VyrEdidColumn::Type), types.at(i));
        QCOMPARE(h.tree()->itemWidget(probe->child(i), VyrEdidColumn::Value) != nullptr,
                 i < probe->childCount() - 1);
    }
    auto *active = qobject_cast<VyrDIDIntDualEditItem *>(
        h.widget({"DID Extention", "Probe", "Active H(pixels)/V(lines)"}));
    QVERIFY(active);
    QCOMPARE(active->leftBox()->value(), 1);
    // Building and placing the cells reported nothing and wrote nothing.
    QVERIFY(probe->edits.isEmpty());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDTreeWidgetItem::focusedHalfLocations_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("control"); // -1: the focus stays in the tree
    QTest::addColumn<QString>("focused");

    QTest::newRow("left half") << "Active H(pixels)/V(lines)" << 0 << "136:1";
    QTest::newRow("right half") << "Active H(pixels)/V(lines)" << 1 << "137:1";
    QTest::newRow("no half") << "Active H(pixels)/V(lines)" << -1 << "136:1 137:1";
    QTest::newRow("real numbers, right half") << "Pitch H/V" << 1 << "141:1";
    QTest::newRow("index past the locations") << "Single L/R" << 1 << "136:6";
    QTest::newRow("one-value cell") << "T4" << 0 << "139:1";
}

void tst_VyrDIDTreeWidgetItem::focusedHalfLocations()
{
    QFETCH(QString, row);
    QFETCH(int, control);
    QFETCH(QString, focused);
    TreeHarness h(probeImage());
    QVERIFY(addProbe(h));
    VyrDIDTreeWidgetItem *item = didRow(h, row);
    QVERIFY(item);
    QWidget *cell = h.tree()->itemWidget(item, VyrEdidColumn::Value);
    QWidget *target = cell;
    if (auto *dual = qobject_cast<VyrDualEditBase *>(cell))
        target = dual->findChildren<QAbstractSpinBox *>().value(control);
    if (control >= 0) {
        focusIn(h, item, target);
        QVERIFY(target->hasFocus());
    } else {
        h.select({"DID Extention", "Probe", row});
    }
    QCOMPARE(locationText(item->GetItemLocations(true)), focused);
    // The view asked the row as it became current, and shows the same bytes.
    QCOMPARE(h.highlightedBytes(), bytesOf(item->GetItemLocations(true)));
    QCOMPARE(item->GetItemLocations(false).size(),
             row == QLatin1String("T4") || row == QLatin1String("Single L/R") ? 1 : 2);
}

void tst_VyrDIDTreeWidgetItem::focusMakesTheRowCurrentEachTime()
{
    TreeHarness h(probeImage());
    QVERIFY(addProbe(h));
    VyrDIDTreeWidgetItem *item = didRow(h, QStringLiteral("Active H(pixels)/V(lines)"));
    auto *cell = qobject_cast<VyrDIDIntDualEditItem *>(h.tree()->itemWidget(item, 1));
    QVERIFY(cell);
    int changes = 0; // reports of a new current item
    connect(h.tree(), &QTreeWidget::currentItemChanged, this, [&changes]() { ++changes; });

    focusIn(h, item, cell->leftBox());
    QCOMPARE(h.tree()->currentItem(), item);
    QCOMPARE(h.highlightedBytes(), QList<int>({136}));
    const int first = changes;
    QVERIFY(first > 0);

    // Tab to the right half: the row was current already, the view still hears of it.
    QTest::keyClick(cell->leftBox(), Qt::Key_Tab);
    QVERIFY(cell->rightBox()->hasFocus());
    QCOMPARE(h.tree()->currentItem(), item);
    QVERIFY(changes > first);
    QCOMPARE(h.highlightedBytes(), QList<int>({137}));

    // Focusing the same half again makes the row current again.
    const int second = changes;
    h.tree()->setFocus(Qt::MouseFocusReason);
    h.select({"DID Extention", "Probe", "T4"});
    focusIn(h, item, cell->rightBox());
    QCOMPARE(h.tree()->currentItem(), item);
    QVERIFY(changes > second);
    QCOMPARE(h.highlightedBytes(), QList<int>({137}));
}

void tst_VyrDIDTreeWidgetItem::cellEditsReachTheItem()
{
    TreeHarness h(probeImage());
    ProbeDidItem *probe = addProbe(h);
    QVERIFY(probe);
    QVERIFY(h.tick({"DID Extention", "Probe", "Flag"}, true));
    QVERIFY(h.choose({"DID Extention", "Probe", "Method"}, "b"));
    auto *active = qobject_cast<VyrDIDIntDualEditItem *>(
        h.widget({"DID Extention", "Probe", "Active H(pixels)/V(lines)"}));
    focusIn(h, didRow(h, QStringLiteral("Active H(pixels)/V(lines)")), active->rightBox());
    QTest::keyClick(active->rightBox(), Qt::Key_End);
    QTest::keyClick(active->rightBox(), Qt::Key_Backspace);
    QCOMPARE(probe->edits, QStringList({"Flag={2,1}", "Method=20", "Active right=200"}));

    // A detached item takes no edit, and its cells report nothing.
    probe->edits.clear();
    VyrEdidRows::detach(probe);
    QTest::keyClick(active->rightBox(), Qt::Key_Backspace);
    probe->onEdidtingFinished(QStringLiteral("T4"), QStringLiteral("5"));
    QVERIFY(probe->edits.isEmpty());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDTreeWidgetItem::editRecordWritesOneFieldOrNothing()
{
    TreeHarness h(probeImage());
    ProbeDidItem *probe = addProbe(h);
    QVERIFY(probe);
    QSignalSpy changed(h.tree(), &VyrEdidInfoTree::edidDataChanged);
    // Not a number: the change refuses it, nothing is written or announced.
    QVERIFY(h.type({"DID Extention", "Probe", "T4"}, "x"));
    QCOMPARE(probe->edits, QStringList({"T4=x"}));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(changed.size(), 0);

    // T4 = 1270 ms is byte 3 = 127; the section checksum (142) and the block's (255) follow.
    QVERIFY(h.type({"DID Extention", "Probe", "T4"}, "1270"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {139, 142});
    QCOMPARE(quint8(h.image().at(139)), quint8(127));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(h.hexCell(139).toUpper(), QStringLiteral("7F"));
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

QTEST_MAIN(tst_VyrDIDTreeWidgetItem)
#include "tst_vyrdidtreewidgetitem.moc"
