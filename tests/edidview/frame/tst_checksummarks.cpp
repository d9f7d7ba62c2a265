// A stored checksum that does not match its block is marked where the tree shows it ("A3
// (should be AD)") until an edit of that block rewrites it; an edit of another block leaves
// the mark.

#include "connectwarninghandler.h"
#include "didsteps.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"

#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// The checksum byte of the count bytes from first on.
quint8 checksumOf(const QByteArray &image, int first, int count)
{
    unsigned sum = 0;
    for (int i = first; i < first + count; ++i)
        sum += quint8(image.at(i));
    return quint8(0x100u - (sum & 0xFFu));
}

// How each row writes a checksum byte.
enum class Form { TwoDigits, Upper, Lower };

QString written(quint8 value, Form form)
{
    switch (form) {
    case Form::TwoDigits:
        return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    case Form::Upper:
        return QString::number(value, 16).toUpper();
    case Form::Lower:
        break;
    }
    return QString::number(value, 16);
}

QByteArray spoilt(QByteArray image, int offset)
{
    image[offset] = char(image.at(offset) ^ 0x5A);
    return image;
}

// A wrapped DisplayID extension at 128 with a display interface block (payload 136 to 145);
// its section checksum is byte 146, the EDID block's byte 255.
QByteArray withInterface()
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0F, 0, QByteArray::fromHex("a4123f07010113000000"))
        .image();
}

const QString Base = QStringLiteral("Base Block/General Info/CheckSum");
const QString BaseEdit = QStringLiteral("type|Base Block/General Info/WeekOfManuf|12");
const QString Cea = QStringLiteral("CEA Extention/General Info/Checksum");
const QString CeaEdit = QStringLiteral("tick|CEA Extention/General Info/Support Basic Audio|1");
const QString DiExt = QStringLiteral("DI Extention/General Info/Checksum");
const QString DiExtEdit = QStringLiteral("type|DI Extention/Display Device/Hor. Pitch(cm)|300");
const QString Section = QStringLiteral("DID Extention/General Info/Checksum");
const QString SectionEdit =
    QStringLiteral("type|DID Extention/Display Interface/Number of Links#Channels|3");

} // namespace

class tst_ChecksumMarks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void marked_data();
    void marked();
    void wrappedBlockMarked();
    void invalidVtbSaysWhy();
};

void tst_ChecksumMarks::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_ChecksumMarks::marked_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("first"); // the bytes the checksum is made of
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("rewritten"); // whether step edits the block of the checksum

    const QByteArray base = EdidImageBuilder().edid14().cea().image();
    QTest::newRow("base block") << spoilt(base, 127) << Base << int(Form::TwoDigits) << 0 << 127
                                << BaseEdit << true;
    QTest::newRow("CEA") << spoilt(base, 255) << Cea << int(Form::Upper) << 128 << 127 << CeaEdit
                         << true;
    QTest::newRow("CEA, the base block edited")
        << spoilt(base, 255) << Cea << int(Form::Upper) << 128 << 127 << BaseEdit << false;
    QTest::newRow("base block, the CEA block edited")
        << spoilt(base, 127) << Base << int(Form::TwoDigits) << 0 << 127 << CeaEdit << false;
    QTest::newRow("DI-EXT") << spoilt(EdidImageBuilder().edid14().diExt().image(), 255) << DiExt
                            << int(Form::Upper) << 128 << 127 << DiExtEdit << true;
    // The section checksum wrong, the EDID block's made to match it.
    QByteArray section = spoilt(withInterface(), 146);
    section[255] = char(checksumOf(section, 128, 127));
    QTest::newRow("DisplayID section")
        << section << Section << int(Form::Lower) << 129 << 17 << SectionEdit << true;
}

void tst_ChecksumMarks::marked()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, row);
    QFETCH(int, form);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QString, step);
    QFETCH(bool, rewritten);
    const Form shown = Form(form);
    const int at = first + count;
    const quint8 stored = quint8(image.at(at));
    const quint8 needed = checksumOf(image, first, count);
    QVERIFY(stored != needed);
    const QString mark =
        QStringLiteral("%1 (should be %2)").arg(written(stored, shown), written(needed, shown));

    TreeHarness h(image);
    QCOMPARE(h.valueText(VyrTest::rowPath(row)), mark);
    QVERIFY(h.image() == h.original());

    QVERIFY(VyrTest::didStep(h, {}, step));
    QVERIFY(h.image() != h.original());
    if (rewritten) {
        QCOMPARE(quint8(h.image().at(at)), checksumOf(h.image(), first, count));
        QCOMPARE(h.valueText(VyrTest::rowPath(row)), written(quint8(h.image().at(at)), shown));
    } else {
        QCOMPARE(quint8(h.image().at(at)), stored);
        QCOMPARE(h.valueText(VyrTest::rowPath(row)), mark);
    }
    h.rebuild();
    QCOMPARE(h.valueText(VyrTest::rowPath(row)),
             rewritten ? written(quint8(h.image().at(at)), shown) : mark);
}

// Byte 127 of the EDID block that wraps a DisplayID section shows beside the section's
// checksum while it is wrong.
void tst_ChecksumMarks::wrappedBlockMarked()
{
    const QByteArray image = spoilt(withInterface(), 255);
    const quint8 stored = quint8(image.at(255));
    const quint8 needed = checksumOf(image, 128, 127);
    TreeHarness h(image);
    QCOMPARE(h.valueText(VyrTest::rowPath(Section)),
             QStringLiteral("%1; EDID block %2 (should be %3)")
                 .arg(QString::number(quint8(image.at(146)), 16), QString::number(stored, 16),
                      QString::number(needed, 16)));
    QVERIFY(!h.row(VyrTest::rowPath(Section))->toolTip(1).isEmpty());
    QVERIFY(VyrTest::didStep(h, {}, SectionEdit));
    QCOMPARE(h.valueText(VyrTest::rowPath(Section)),
             QString::number(quint8(h.image().at(146)), 16));
    QCOMPARE(quint8(h.image().at(255)), checksumOf(h.image(), 128, 127));
}

// A VTB-EXT block with a wrong checksum cannot be edited; its row says why.
void tst_ChecksumMarks::invalidVtbSaysWhy()
{
    const QByteArray image = spoilt(EdidImageBuilder().edid14().vtb().image(), 255);
    TreeHarness h(image);
    QTreeWidgetItem *block = h.row({"Invalid VTB-EXT"});
    QVERIFY(block);
    QCOMPARE(block->text(1), QStringLiteral("Checksum %1 (should be %2)")
                                 .arg(written(quint8(image.at(255)), Form::TwoDigits),
                                      written(checksumOf(image, 128, 127), Form::TwoDigits)));
    QVERIFY(!block->toolTip(1).isEmpty());
}

QTEST_MAIN(tst_ChecksumMarks)
#include "tst_checksummarks.moc"
