// The mouse wheel over the drop-down lists and spin boxes of the EDID tree: it scrolls the tree
// and changes nothing while the user has not given the list or spin box the focus, in every
// block family and inside composite editors; after a click into it the wheel changes it.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "userinput.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// An EDID 1.4 base block; a CTA-861 block with an audio data block of two descriptors; a DI-EXT
// block; a VTB-EXT block with one detailed timing, one CVT code and one standard timing.
QByteArray fourFamilies()
{
    const QByteArray audio = QByteArray::fromHex("26090707150450");
    return EdidImageBuilder()
        .edid14()
        .block(CeaTest::makeExt(4u + unsigned(audio.size()), 0, audio))
        .diExt()
        .vtb()
        .patch(2, {1, 1, 1})
        .patch(5, {0x02, 0x3A, 0x80, 0x18, 0x71, 0x38, 0x2D, 0x40, 0x58,
                   0x2C, 0x45, 0x00, 0x54, 0x4F, 0x21, 0x00, 0x00, 0x1E, // 1920x1080, 148.5 MHz
                   0x38, 0x24, 0x0A, // CVT: 1080 lines, 16:9, 60 Hz
                   0x81, 0x40})      // 1280 pixels, 4:3, 60 Hz
        .image();
}

// A DisplayID extension with a display device data block: an active matrix TN LCD, 1920 x 1080,
// pitch 0.26 mm.
QByteArray displayIdDevice()
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0C, 0, QByteArray::fromHex("146c800738044e00011a1a0805"))
        .image();
}

bool takesWheel(const QWidget *widget)
{
    return qobject_cast<const QComboBox *>(widget)
           || qobject_cast<const QAbstractSpinBox *>(widget);
}

// The nth shown and enabled list or spin box of a cell: the cell itself, or one laid out in it.
QWidget *takerIn(QWidget *cell, int nth)
{
    if (!cell)
        return nullptr;
    QList<QWidget *> widgets = cell->findChildren<QWidget *>();
    widgets.prepend(cell);
    for (QWidget *w : qAsConst(widgets)) {
        if (takesWheel(w) && w->isVisible() && w->isEnabled() && nth-- == 0)
            return w;
    }
    return nullptr;
}

// What a list or spin box holds.
QString valueOf(const QWidget *widget)
{
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return QString::number(list->currentIndex());
    if (auto *box = qobject_cast<const QSpinBox *>(widget))
        return QString::number(box->value());
    if (auto *box = qobject_cast<const QDoubleSpinBox *>(widget))
        return QString::number(box->value());
    return QString();
}

// A wheel turn that can change widget: towards the start of a list that is not at its first
// entry, up for a spin box that is not at its maximum.
int changingNotch(const QWidget *widget)
{
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentIndex() > 0 ? 1 : -1;
    if (auto *box = qobject_cast<const QSpinBox *>(widget))
        return box->value() < box->maximum() ? 1 : -1;
    if (auto *box = qobject_cast<const QDoubleSpinBox *>(widget))
        return box->value() < box->maximum() ? 1 : -1;
    return 1;
}

// A wheel turn that can scroll the tree from where it is.
int scrollingNotch(const TreeHarness &h)
{
    const QScrollBar *bar = h.tree()->verticalScrollBar();
    return bar->value() < bar->maximum() ? -1 : 1;
}

// Clicks into a list or spin box as a user does; an opened list is closed again.
void clickInto(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    if (QWidget *popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
}

} // namespace

class tst_VyrEdidWheelGuard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wheel_data();
    void wheel();
    void rowsPlacedLater();
    void listMadeInsideACellLater();
    void tabbedToTakesTheWheel();
};

void tst_VyrEdidWheelGuard::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidWheelGuard::wheel_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("nth"); // which list or spin box of the cell

    const QByteArray four = fourFamilies();
    const QByteArray did = displayIdDevice();
    const QStringList params{"Base Block", "Basic Params Info"};
    const QStringList audio{"CEA Extention", "Data Blocks", "Audio Data Block"};
    const QStringList caps{"DI Extention", "Display Capabilities", "Orientation"};
    const QStringList device{"DID Extention", "Display Device Data"};
    QTest::newRow("base block: Color type") << four << params + QStringList{"Color type"} << 1 << 0;
    QTest::newRow("base block: a list inside Video Input Definition")
        << four << params + QStringList{"Video Input Definition"} << 1 << 0;
    QTest::newRow("CEA: descriptor count") << four << audio << 1 << 0;
    QTest::newRow("CEA: audio format") << four << audio + QStringList{"1", "Format"} << 1 << 0;
    QTest::newRow("DI-EXT: scan direction")
        << four << caps + QStringList{"Scan Direction"} << 1 << 0;
    QTest::newRow("DI-EXT: a list in the title column") << four << caps + QStringList{""} << 0 << 0;
    QTest::newRow("DI-EXT: gamma table")
        << four << QStringList{"DI Extention", "Gamma Section", "Table Content"} << 1 << 0;
    QTest::newRow("VTB-EXT: sync signal")
        << four
        << QStringList{"VTB-EXT", "Detailed Timings Info", "Detailed Timing 0", "SyncSignal:"} << 1
        << 0;
    QTest::newRow("VTB-EXT: a list inside a CVT editor")
        << four << QStringList{"VTB-EXT", "Coordinated Video Timings Info", "CVT 3Byte Timing 0"}
        << 1 << 1;
    QTest::newRow("VTB-EXT: a list inside a standard timing editor")
        << four << QStringList{"VTB-EXT", "Standard Timings Info", "Timing 0"} << 1 << 0;
    QTest::newRow("DisplayID: device type")
        << did << device + QStringList{"Display device type"} << 1 << 0;
    QTest::newRow("DisplayID: spin box of a pair")
        << did << device + QStringList{"Native pixel count H/V"} << 1 << 0;
    QTest::newRow("DisplayID: real spin box of a pair")
        << did << device + QStringList{"Pixel Pitch H/V"} << 1 << 0;
}

void tst_VyrEdidWheelGuard::wheel()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, path);
    QFETCH(int, column);
    QFETCH(int, nth);
    TreeHarness h(image);
    QWidget *taker = takerIn(h.shownWidget(path, column), nth);
    QVERIFY(taker);
    const QString before = valueOf(taker);
    QScrollBar *bar = h.tree()->verticalScrollBar();
    const int scrolled = bar->value();

    // Not focused: the tree scrolls, the list or spin box stays as it is and takes no focus.
    VyrTest::turnWheel(taker, scrollingNotch(h));
    h.settle();
    QVERIFY(bar->value() != scrolled);
    QCOMPARE(valueOf(taker), before);
    QVERIFY(!taker->hasFocus());
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    // Clicked into: the wheel changes it, and the change is written.
    taker = takerIn(h.shownWidget(path, column), nth);
    QVERIFY(taker);
    clickInto(taker);
    QVERIFY(taker->hasFocus());
    VyrTest::turnWheel(taker, changingNotch(taker));
    h.settle();
    QVERIFY(valueOf(taker) != before);
    QVERIFY(h.image() != h.original());
}

// Rows built after the tree (a raised descriptor count) are guarded as well.
void tst_VyrEdidWheelGuard::rowsPlacedLater()
{
    const QStringList audio{"CEA Extention", "Data Blocks", "Audio Data Block"};
    TreeHarness h(fourFamilies());
    QVERIFY(h.choose(audio, "3"));
    h.settle();
    h.tree()->expandAll();
    const QByteArray chosen = h.image();
    QWidget *format = takerIn(h.shownWidget(audio + QStringList{"2", "Format"}), 0);
    QVERIFY(format);
    const QString before = valueOf(format);
    const int scrolled = h.tree()->verticalScrollBar()->value();
    VyrTest::turnWheel(format, scrollingNotch(h));
    QVERIFY(h.tree()->verticalScrollBar()->value() != scrolled);
    QCOMPARE(valueOf(format), before);
    VYR_VERIFY_UNCHANGED(chosen, h.image());
}

// A list that a composite editor makes after the tree placed it is guarded when it shows.
void tst_VyrEdidWheelGuard::listMadeInsideACellLater()
{
    TreeHarness h(displayIdDevice());
    QWidget *cell = h.shownWidget({"DID Extention", "Display Device Data", "Pixel Pitch H/V"});
    QVERIFY(cell);
    auto *late = new QComboBox(cell);
    late->addItems({"a", "b", "c"});
    late->setCurrentIndex(1);
    late->show();
    QCOMPARE(late->focusPolicy(), Qt::StrongFocus);
    const int scrolled = h.tree()->verticalScrollBar()->value();
    VyrTest::turnWheel(late, scrollingNotch(h));
    QVERIFY(h.tree()->verticalScrollBar()->value() != scrolled);
    QCOMPARE(late->currentIndex(), 1);
}

// Tabbing to a list gives it the wheel too; leaving it takes the wheel back.
void tst_VyrEdidWheelGuard::tabbedToTakesTheWheel()
{
    const QStringList colorType{"Base Block", "Basic Params Info", "Color type"};
    TreeHarness h(fourFamilies());
    auto *list = qobject_cast<QComboBox *>(h.shownWidget(colorType));
    QVERIFY(list);
    const int before = list->currentIndex();
    list->setFocus(Qt::TabFocusReason);
    VyrTest::turnWheel(list, changingNotch(list));
    QVERIFY(list->currentIndex() != before);
    const QByteArray chosen = h.image();
    QVERIFY(chosen != h.original());

    h.tree()->setFocus(Qt::TabFocusReason);
    const int now = list->currentIndex();
    VyrTest::turnWheel(qobject_cast<QComboBox *>(h.shownWidget(colorType)), changingNotch(list));
    QCOMPARE(list->currentIndex(), now);
    VYR_VERIFY_UNCHANGED(chosen, h.image());
}

QTEST_MAIN(tst_VyrEdidWheelGuard)
#include "tst_vyredidwheelguard.moc"
