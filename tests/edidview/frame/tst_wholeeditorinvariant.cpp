#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidkinds.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidwidgets.h"
#include "keptbytefixtures.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <cstring>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

// Merely opening an image, walking through every block of it and leaving every editor as it is,
// or opening an add dialog and cancelling it, must not change a byte, whatever the image holds:
// every real sample (every block kind) and images whose codes the editors cannot show exactly.

namespace {

void visitWidget(TreeHarness &h, QWidget *widget, int *visited)
{
    if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
        return;
    widget->setFocus(Qt::TabFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    h.tree()->setFocus(Qt::TabFocusReason);
    ++*visited;
}

// Makes every row below (and with) row current in turn and gives the focus to each editor of
// its columns (a line editor also gets End and Return), then back to the tree, as a user tabbing
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

// False for the buttons that remove something at once (a block's erase button, an entry's
// remove button) and for check boxes; every other button of the tree adds, most of them through
// the add dialog.
bool mayAdd(QAbstractButton *button, int column)
{
    if (qobject_cast<QCheckBox *>(button))
        return false;
    if (auto *entry = qobject_cast<EdidAddRemoveToolButton *>(button))
        return entry->isAdd();
    // The erase button of a block row; the add button of a DisplayID block sits in the type
    // column.
    return !(qobject_cast<VyrEdidToolButton *>(button) && column == VyrEdidColumn::Action);
}

// The paths of the rows that hold a button that may add, with its column.
QList<QPair<QStringList, int>> addButtons(const TreeHarness &h)
{
    QList<QPair<QStringList, int>> found;
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *row) {
        for (int column = 0; column < VyrEdidColumn::Count; ++column) {
            QWidget *widget = h.tree()->itemWidget(row, column);
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (!button && widget)
                button = widget->findChild<QAbstractButton *>();
            if (button && button->isEnabled() && mayAdd(button, column))
                found.append({h.pathOf(row), column});
        }
        for (int i = 0; i < row->childCount(); ++i)
            walk(row->child(i));
    };
    walk(h.root());
    return found;
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

class tst_WholeEditorInvariant : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void visitingChangesNothing_data();
    void visitingChangesNothing();
    void cancellingAddChangesNothing_data();
    void cancellingAddChangesNothing();
};

void tst_WholeEditorInvariant::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    QVERIFY(!VyrTest::sampleNames().isEmpty());
}

void tst_WholeEditorInvariant::visitingChangesNothing_data()
{
    QTest::addColumn<QByteArray>("image");
    for (const QString &name : VyrTest::sampleNames())
        QTest::newRow(qPrintable(name)) << VyrTest::sampleImage(name);

    // Base block codes the editors cannot show as stored.
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
    // Timing codes the editors cannot show as stored: a standard timing of width 248 (byte 00),
    // codes with reserved bits, every established timing bit, and the three timing descriptors.
    QTest::newRow("timing codes")
        << EdidImageBuilder()
               .edid14()
               .patch(35, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x20, 0x20, 0x01, 0x00})
               .patch(54, {0, 0, 0, 0xFA, 0, 0x00, 0x40, 0xFF, 0xFF, 0x01, 0x01, 0x31, 0x59, 0x45,
                           0x59, 0x61, 0x59, 0x0A})
               .patch(72, {0, 0, 0, 0xF8, 0, 0x01, 0x1B, 0x27, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0,
                           0x01, 0x02, 0x03})
               .patch(90, {0, 0, 0, 0xF7, 0, 0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
               .image();
    // Descriptors whose text or timing the editors cannot show exactly. Text with spaces,
    // binary bytes and NULs; a timing with stereo bit 0 set in 2D mode and a wrong checksum.
    QTest::newRow("descriptors 1.3")
        << EdidImageBuilder()
               .edid13()
               .patch(VyrTest::descriptorOffset(0),
                      {0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E, 0x28, 0x55, 0x00, 0xC4,
                       0x8E, 0x21, 0x02, 0x03, 0x1F})
               .patch(VyrTest::descriptorOffset(1),
                      VyrTest::displayDescriptor(
                          0xFE, QByteArray("\xbc\xaf\xa1\x95x]8\x00\x01\x01\n  ", 13)))
               .patch(VyrTest::descriptorOffset(2), VyrTest::stringDescriptor(0xFC, "TEST MON 24"))
               .patch(VyrTest::descriptorOffset(3),
                      VyrTest::displayDescriptor(0xFF, QByteArray(13, '\0')))
               .image();
    // A colour point whose y code 107 shows as 0.104 (read back: 106), a colour management
    // coefficient of -327.68 (outside the editor's range), CVT range limits with a clock
    // precision and a CVT version 1.2 the editors do not show.
    QTest::newRow("descriptors 1.4, colour and CVT")
        << EdidImageBuilder()
               .edid14()
               .patch(VyrTest::descriptorOffset(0),
                      VyrTest::displayDescriptor(0xFB,
                                                 QByteArray::fromHex("01575a1a78020f6e7aff0a2020")))
               .patch(VyrTest::descriptorOffset(1),
                      VyrTest::displayDescriptor(0xF9,
                                                 QByteArray::fromHex("031027ffffFA009CFFFF7F0080")))
               .patch(VyrTest::descriptorOffset(2),
                      VyrTest::displayDescriptor(0xFD,
                                                 QByteArray::fromHex("324b1e501104127b80c838f03c")))
               .image();
    QByteArray badChecksum =
        EdidImageBuilder()
            .edid14()
            .patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
            .image();
    badChecksum[127] = static_cast<char>(badChecksum.at(127) ^ 0x55);
    QTest::newRow("descriptors 1.4, bad checksum") << badChecksum;
    // Patterns of real displays the editors once changed: extensions without a class between
    // known blocks, an EDID longer than the image, a secondary GTF C and J with a half, DisplayID
    // texts padded with zero bytes, a range limits clock of FF FF FF, descriptors after the CEA
    // timings, a tag 0 header inside the collection, video codes without a native flag.
    for (const VyrTest::NamedImage &fixture : VyrTest::realPatternImages())
        QTest::newRow(qPrintable(fixture.name)) << fixture.image;
}

void tst_WholeEditorInvariant::visitingChangesNothing()
{
    QFETCH(QByteArray, image);
    TreeHarness h(image);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    if (h.root()->childCount() == 0)
        QSKIP("no block is recognised in this image");
    int visited = 0;
    for (int i = 0; i < h.root()->childCount(); ++i)
        visited += visitEditors(h, h.root()->child(i));
    QVERIFY(visited > 0);
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_WholeEditorInvariant::cancellingAddChangesNothing_data()
{
    visitingChangesNothing_data();
}

void tst_WholeEditorInvariant::cancellingAddChangesNothing()
{
    QFETCH(QByteArray, image);
    TreeHarness h(image);
    VyrTest::ScriptedChooser chooser;
    const QList<QPair<QStringList, int>> buttons = addButtons(h);
    int dialogs = 0;
    for (const auto &button : buttons) {
        const QString where =
            QStringLiteral("{%1} column %2").arg(button.first.join(", ")).arg(button.second);
        const int offered = chooser.offers().size();
        chooser.cancel();
        QVERIFY2(h.click(button.first, button.second), qPrintable(where));
        h.settle();
        if (chooser.offers().size() > offered) {
            ++dialogs;
            const QString changed = VyrTest::changedText(h.original(), h.image());
            QVERIFY2(VyrTest::changedBytes(h.original(), h.image()).isEmpty(),
                     qPrintable(where + QLatin1String(": ") + changed));
        } else {
            // A button that adds an entry at once (no dialog): the next one starts over from
            // the image as it was.
            std::memcpy(h.data(), h.original().constData(), size_t(h.original().size()));
            h.rebuild();
        }
    }
    // At least the root's "Add Block" asks.
    QVERIFY(dialogs > 0);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_WholeEditorInvariant)
#include "tst_wholeeditorinvariant.moc"
