#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidkinds.h"
#include "vyrtestutil.h"

#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// Row and every row below it that holds a line editor in its value column.
QList<QTreeWidgetItem *> editorRowsBelow(QTreeWidget *tree, QTreeWidgetItem *row)
{
    QList<QTreeWidgetItem *> rows;
    if (qobject_cast<QLineEdit *>(tree->itemWidget(row, VyrEdidColumn::Value)))
        rows << row;
    for (int i = 0; i < row->childCount(); ++i)
        rows += editorRowsBelow(tree, row->child(i));
    return rows;
}

} // namespace

// Building the descriptor rows of a base block and visiting every editor in them writes
// nothing: not for the real samples, not for descriptors whose text or timing the editors
// cannot show exactly.
class tst_DescriptorInvariant : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void visitingWritesNothing_data();
    void visitingWritesNothing();
};

void tst_DescriptorInvariant::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DescriptorInvariant::visitingWritesNothing_data()
{
    QTest::addColumn<QByteArray>("image");
    const QStringList samples = VyrTest::sampleNames();
    QVERIFY(!samples.isEmpty());
    for (const QString &name : samples)
        QTest::newRow(qPrintable(name)) << VyrTest::sampleImage(name);
    // Text with spaces, binary bytes and NULs; a timing with stereo bit 0 set in 2D mode and a
    // wrong checksum.
    QTest::newRow("crafted 1.3")
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
    QByteArray badChecksum =
        EdidImageBuilder()
            .edid14()
            .patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
            .image();
    badChecksum[127] = static_cast<char>(badChecksum.at(127) ^ 0x55);
    QTest::newRow("crafted 1.4, bad checksum") << badChecksum;
}

void tst_DescriptorInvariant::visitingWritesNothing()
{
    QFETCH(QByteArray, image);
    TreeHarness h(image);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QTreeWidgetItem *descriptors = h.row({"Base Block", "Descriptors"});
    if (!descriptors)
        QSKIP("no EDID base block");
    const QList<QTreeWidgetItem *> rows = editorRowsBelow(h.tree(), descriptors);
    for (QTreeWidgetItem *row : rows) {
        h.tree()->scrollToItem(row);
        QCoreApplication::processEvents();
        auto *edit = qobject_cast<QLineEdit *>(h.tree()->itemWidget(row, VyrEdidColumn::Value));
        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    h.tree()->setFocus(Qt::MouseFocusReason);
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_DescriptorInvariant)
#include "tst_descriptorinvariant.moc"
