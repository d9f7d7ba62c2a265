#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidmainitem.h"
#include "vyrtestutil.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

// Merely opening an image, walking through its base block and leaving every editor as it is
// must not change a byte, whatever the image holds.

namespace {

// The groups of the base block whose editors are visited; a group joins once its rows edit
// in place.
const QStringList VisitedGroups{"General Info", "Basic Params Info", "Color Characteristics Info"};

void visitWidget(TreeHarness &h, QWidget *widget, int *visited)
{
    if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
        return;
    widget->setFocus(Qt::TabFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QTest::keyClick(edit, Qt::Key_Return);
    h.tree()->setFocus(Qt::TabFocusReason);
    ++*visited;
}

// Makes every row below (and with) row current in turn and gives the focus to each editor of
// its columns (a line editor also gets Return), then back to the tree, as a user tabbing
// through without typing does. Answers how many editors took part.
int visitEditors(TreeHarness &h, QTreeWidgetItem *row)
{
    int visited = 0;
    h.tree()->setCurrentItem(row);
    h.tree()->scrollToItem(row);
    // Item widgets are shown with the layout that follows a scroll.
    QApplication::processEvents();
    for (int column = 0; column < VyrEdidColumn::Count; ++column) {
        QWidget *editor = h.tree()->itemWidget(row, column);
        if (!editor)
            continue;
        visitWidget(h, editor, &visited);
        const QList<QWidget *> parts = editor->findChildren<QWidget *>();
        for (QWidget *part : parts)
            visitWidget(h, part, &visited);
    }
    for (int i = 0; i < row->childCount(); ++i)
        visited += visitEditors(h, row->child(i));
    return visited;
}

QByteArray nameWithSpaces()
{
    // Display product name descriptor (tag 0xFC) in slot 1: "My Monitor", line feed, blanks.
    QList<int> descriptor{0, 0, 0, 0xFC, 0};
    for (const char c : QByteArray("My Monitor\n  "))
        descriptor << c;
    return EdidImageBuilder().edid14().patch(72, descriptor).image();
}

} // namespace

class tst_BaseBlockInvariant : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void visitingChangesNothing_data();
    void visitingChangesNothing();
};

void tst_BaseBlockInvariant::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_BaseBlockInvariant::visitingChangesNothing_data()
{
    QTest::addColumn<QByteArray>("image");
    for (const QString &name : VyrTest::sampleNames())
        QTest::newRow(qPrintable(name)) << VyrTest::sampleImage(name);

    QTest::newRow("1.3 analog, every sync bit")
        << EdidImageBuilder().edid13().patch(20, {0x7F, 40, 30, 0x78, 0xEA}).image();
    QTest::newRow("1.3 digital, DFP bit")
        << EdidImageBuilder().edid13().patch(20, {0x81, 52, 29, 0x8C, 0x0A}).image();
    QTest::newRow("1.3 one size byte")
        << EdidImageBuilder().edid13().patch(20, {0x80, 50, 0, 0x78, 0x0A}).image();
    QTest::newRow("1.4 analog projector")
        << EdidImageBuilder().edid14().patch(20, {0x6F, 0, 0, 0x00, 0xFF}).image();
    QTest::newRow("1.4 digital, reserved depth and interface")
        << EdidImageBuilder().edid14().patch(20, {0xF7, 79, 0, 0xFE, 0x1B}).image();
    QTest::newRow("1.4 portrait 10x16")
        << EdidImageBuilder().edid14().patch(20, {0xA5, 0, 61, 0x78, 0x06}).image();
    QTest::newRow("1.4 non-standard aspect byte")
        << EdidImageBuilder().edid14().patch(20, {0xA5, 50, 0, 0x78, 0x06}).image();
    QTest::newRow("gamma 0xFF") << EdidImageBuilder().edid14().patch(23, {0xFF}).image();
    QTest::newRow("identification extremes")
        << EdidImageBuilder()
               .edid13()
               .patch(8, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 255, 255})
               .image();
    QTest::newRow("manufacturer with a zero letter")
        << EdidImageBuilder().edid14().patch(8, {0x04, 0x03, 0, 0, 0, 0, 0, 0, 0, 0}).image();
    QTest::newRow("colour codes three decimals cannot show")
        << EdidImageBuilder()
               .edid13()
               .patch(25, {0xFF, 0x5A, 0xFF, 0x05, 0x00, 0x01, 0xFF, 0x80, 0x55, 0x54})
               .image();
    QTest::newRow("name with spaces") << nameWithSpaces();
}

void tst_BaseBlockInvariant::visitingChangesNothing()
{
    QFETCH(QByteArray, image);
    TreeHarness h(image);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QTreeWidgetItem *base = h.row({"Base Block"});
    if (!base)
        QSKIP("no EDID base block is recognised in this image");
    int visited = 0;
    for (const QString &group : VisitedGroups) {
        QTreeWidgetItem *row = h.row({"Base Block", group});
        QVERIFY2(row, qPrintable(group));
        visited += visitEditors(h, row);
    }
    QVERIFY(visited > 0);
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_BaseBlockInvariant)
#include "tst_baseblockinvariant.moc"
