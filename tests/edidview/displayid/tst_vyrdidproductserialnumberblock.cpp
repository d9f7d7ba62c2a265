// The text data blocks of a DisplayID section (product serial number, general-purpose ASCII
// string): the row over the payload, resizing writes that move the blocks behind, and the
// limits that refuse a text.

#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "locationtext.h"
#include "recordinguiservice.h"
#include "vyrtestutil.h"

#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

// An extension section at 128 (section from 129, first data block at 133): the text block,
// then a stereo block that must move with it.
QByteArray textImage(int tag, const QByteArray &text, int fill = 0)
{
    EdidImageBuilder b;
    b.edid14()
        .displayIdExtension()
        .displayIdDataBlock(tag, 0, text)
        .displayIdDataBlock(0x10, 0, QByteArray::fromHex("020001"));
    if (fill > 0)
        b.displayIdDataBlock(0x0B, 0, QByteArray(fill, 'F'));
    return b.image();
}

} // namespace

class tst_VyrDIDProductSerialNumberBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textResizesTheBlock_data();
    void textResizesTheBlock();
    void hiddenBytesKept_data();
    void hiddenBytesKept();
    void longTextRefusedInABaseSection_data();
    void longTextRefusedInABaseSection();
    void fullSectionRefusesGrowth_data();
    void fullSectionRefusesGrowth();
};

void tst_VyrDIDProductSerialNumberBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDProductSerialNumberBlock::textResizesTheBlock_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("title");
    QTest::newRow("serial number") << 0x0A << "Product Serial Number";
    QTest::newRow("ASCII string") << 0x0B << "General Purpose ASCII String";
}

void tst_VyrDIDProductSerialNumberBlock::textResizesTheBlock()
{
    QFETCH(int, tag);
    QFETCH(QString, title);
    VyrTest::RecordingUiService ui;
    TreeHarness h(textImage(tag, "ABC123"));
    const QStringList row = {"DID Extention", title, "STR"};
    QCOMPARE(h.childTitles({"DID Extention", title}), QStringList({"STR"}));
    QCOMPARE(h.valueText(row), QStringLiteral("ABC123"));
    QCOMPARE(h.row(row)->text(VyrEdidColumn::Type), QStringLiteral("[STR]"));
    QCOMPARE(locationText(h.locations(row)), QStringLiteral("136:6"));

    // Longer, shorter, back: the image is what a section built with that text holds (later
    // block moved, lengths, zeroed tail, both checksums); the rebuilt row covers the payload.
    for (const QByteArray &text :
         {QByteArray("ABC12345"), QByteArray("AB"), QByteArray("ABC123")}) {
        QVERIFY(h.type(row, QString::fromLatin1(text)));
        h.settle();
        QCOMPARE(h.image().toHex(), textImage(tag, text).toHex());
        QCOMPARE(h.valueText(row), QString::fromLatin1(text));
        QCOMPARE(locationText(h.locations(row)), QStringLiteral("136:%1").arg(text.size()));
        QCOMPARE(h.valueText({"DID Extention", "General Info", "Section Size"}),
                 QString::number(3 + text.size() + 3 + 3));
        QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
    }
    QVERIFY(ui.messages().isEmpty());
}

void tst_VyrDIDProductSerialNumberBlock::hiddenBytesKept_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written"); // the payload afterwards
    const QByteArray padded("ABC123\0\0", 8);
    const QByteArray behindZero("AB\0CD", 5);
    QTest::newRow("padding, confirmed unchanged") << padded << "ABC123" << padded;
    QTest::newRow("padding, same length") << padded << "XYZ789" << QByteArray("XYZ789\0\0", 8);
    QTest::newRow("padding, shorter") << padded << "XY" << QByteArray("XY\0\0", 4);
    QTest::newRow("padding, longer") << padded << "ABC1234" << QByteArray("ABC1234\0\0", 9);
    QTest::newRow("bytes behind a zero, confirmed unchanged") << behindZero << "AB" << behindZero;
    QTest::newRow("bytes behind a zero") << behindZero << "XYZ" << QByteArray("XYZ\0CD", 6);
}

void tst_VyrDIDProductSerialNumberBlock::hiddenBytesKept()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    // The cell shows the text up to the first zero byte; what it does not show stays.
    for (const auto &[tag, title] : {std::pair{0x0A, "Product Serial Number"},
                                     std::pair{0x0B, "General Purpose ASCII String"}}) {
        VyrTest::RecordingUiService ui;
        TreeHarness h(textImage(tag, stored));
        const QStringList row = {"DID Extention", title, "STR"};
        QVERIFY(h.type(row, typed));
        h.settle();
        QCOMPARE(h.image().toHex(), textImage(tag, written).toHex());
        QCOMPARE(h.valueText(row), typed);
        QVERIFY(ui.messages().isEmpty());
    }
}

void tst_VyrDIDProductSerialNumberBlock::longTextRefusedInABaseSection_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("messageTitle");
    QTest::addColumn<int>("buttons");
    QTest::newRow("serial number")
        << 0x0A << "Product Serial Number" << int(VyrUiService::Icon::Critical) << "Error"
        << int(VyrUiService::Ok);
    QTest::newRow("ASCII string") << 0x0B << "General Purpose ASCII String"
                                  << int(VyrUiService::Icon::Warning) << ""
                                  << int(VyrUiService::Ok);
}

void tst_VyrDIDProductSerialNumberBlock::longTextRefusedInABaseSection()
{
    QFETCH(int, tag);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(QString, messageTitle);
    QFETCH(int, buttons);
    VyrTest::RecordingUiService ui;
    // A stand-alone base section may hold 251 data bytes; a wrapped one only 121.
    TreeHarness h(EdidImageBuilder().displayIdBase().displayIdDataBlock(tag, 0, "AB").image());
    const QStringList row = {"DID Base Block", title, "STR"};

    QVERIFY(h.type(row, QString(247, QLatin1Char('x'))));
    h.settle();
    QCOMPARE(h.valueText({"DID Base Block", "General Info", "Section Size"}),
             QStringLiteral("250"));
    QCOMPARE(h.image().left(255).toHex(), EdidImageBuilder()
                                              .displayIdBase()
                                              .displayIdDataBlock(tag, 0, QByteArray(247, 'x'))
                                              .image()
                                              .left(255)
                                              .toHex());
    QVERIFY(ui.messages().isEmpty());

    const QByteArray before = h.image();
    QVERIFY(h.type(row, QString(248, QLatin1Char('y'))));
    h.settle();
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(int(ui.lastMessage().icon), icon);
    QCOMPARE(ui.lastMessage().title, messageTitle);
    QCOMPARE(ui.lastMessage().text, QStringLiteral("String is too long!!!"));
    QCOMPARE(ui.lastMessage().buttons, buttons);
    VYR_VERIFY_UNCHANGED(before, h.image());
    QCOMPARE(h.valueText(row),
             QString(247, QLatin1Char('x'))); // the stored text, not the refused one
}

void tst_VyrDIDProductSerialNumberBlock::fullSectionRefusesGrowth_data()
{
    textResizesTheBlock_data();
}

void tst_VyrDIDProductSerialNumberBlock::fullSectionRefusesGrowth()
{
    QFETCH(int, tag);
    QFETCH(QString, title);
    VyrTest::RecordingUiService ui;
    // 9 + 6 + 3 + 103 = 121 bytes: the wrapped section is full.
    TreeHarness h(textImage(tag, "ABC123", 103));
    const QStringList row = {"DID Extention", title, "STR"};
    QVERIFY(h.type(row, QStringLiteral("ABC1234")));
    h.settle();
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Warning);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(h.valueText(row), QStringLiteral("ABC123")); // the stored text, not the refused one
    // Shrinking still works (a full section counts as padded: its length stays 121).
    QVERIFY(h.type(row, QStringLiteral("ABC12")));
    h.settle();
    QCOMPARE(h.valueText(row), QStringLiteral("ABC12"));
    const QByteArray moved =
        char(tag) + QByteArray::fromHex("0005") + "ABC12" + QByteArray::fromHex("100003020001");
    QCOMPARE(h.image().mid(133, moved.size()).toHex(), moved.toHex());
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

QTEST_MAIN(tst_VyrDIDProductSerialNumberBlock)
#include "tst_vyrdidproductserialnumberblock.moc"
