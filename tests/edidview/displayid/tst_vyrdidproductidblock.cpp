// The DisplayID product identification item: its rows, one edit per field, and the name size
// that grows and shrinks the data block.

#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "locationtext.h"
#include "recordinguiservice.h"
#include "vyrtestutil.h"

#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Product Identification"};

// Payload: vendor ABC, product code 0x1234, serial 0xAB, week 5, year byte, name length, name.
QByteArray productPayload(int yearByte, const QByteArray &name, int nameLength = -1)
{
    QByteArray p = QByteArray::fromHex("4142433412ab0000000500");
    p[10] = char(yearByte);
    p += char(nameLength < 0 ? name.size() : nameLength);
    return p + name;
}

// An extension section at 128: the product block from 133 (payload from 136), then a stereo
// block that moves with it, then an optional filler.
QByteArray productImage(const QByteArray &payload, int fill = 0)
{
    EdidImageBuilder b;
    b.edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x00, 0, payload)
        .displayIdDataBlock(0x10, 0, QByteArray::fromHex("020001"));
    if (fill > 0)
        b.displayIdDataBlock(0x0B, 0, QByteArray(fill, 'F'));
    return b.image();
}

QStringList rowOf(const char *name)
{
    return Item + QStringList{QString::fromLatin1(name)};
}

} // namespace

class tst_VyrDIDProductIdBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheFields();
    void editWritesItsField_data();
    void editWritesItsField();
    void nameSizeResizesTheBlock();
    void growthRefused_data();
    void growthRefused();
    void wrongLengthIsReadOnly();
};

void tst_VyrDIDProductIdBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDProductIdBlock::rowsShowTheFields()
{
    TreeHarness h(productImage(productPayload(0x0F, "NAME")));
    const QStringList rows = {"Vendor ID",         "Product Code",      "Serial Number",
                              "Manufacturer Week", "Manufacturer Year", "Size of Product ID String",
                              "Product ID String"};
    QCOMPARE(h.childTitles(Item), rows);
    const QStringList shown = {"ABC", "1234", "ab", "5", "2015", "4", "NAME"};
    const QStringList types = {"[STR]", "[HEX]", "[HEX]", "[DEC]", "[DEC]", "[DEC]", "[STR]"};
    const QStringList where = {"136:3", "139:2", "141:4", "145:1", "146:1", "147:1", "148:4"};
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList row = Item + QStringList{rows[i]};
        QCOMPARE(h.valueText(row), shown[i]);
        QCOMPARE(h.row(row)->text(VyrEdidColumn::Type), types[i]);
        QCOMPARE(locationText(h.locations(row)), where[i]);
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDProductIdBlock::editWritesItsField_data()
{
    QTest::addColumn<int>("yearByte");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("vendor") << 0x0F << "Vendor ID"
                            << "xyz" << 136 << QByteArray("XYZ");
    QTest::newRow("product code") << 0x0F << "Product Code"
                                  << "beef" << 139 << QByteArray::fromHex("efbe");
    // Unsigned: the top bit is kept.
    QTest::newRow("serial") << 0x0F << "Serial Number"
                            << "ffffffff" << 141 << QByteArray::fromHex("ffffffff");
    QTest::newRow("week") << 0x0F << "Manufacturer Week"
                          << "53" << 145 << QByteArray::fromHex("35");
    QTest::newRow("year 2016") << 0x0F << "Manufacturer Year"
                               << "2016" << 146 << QByteArray::fromHex("10");
    QTest::newRow("year 2000") << 0x0F << "Manufacturer Year"
                               << "2000" << 146 << QByteArray::fromHex("00");
    // A stored year 0 shows 0 and is kept by other edits.
    QTest::newRow("year 0 kept") << 0x00 << "Manufacturer Week"
                                 << "6" << 145 << QByteArray::fromHex("0600");
    // The name keeps its length: longer text is cut, shorter text leaves zeros.
    QTest::newRow("name cut") << 0x0F << "Product ID String"
                              << "ABCDEFG" << 148 << QByteArray("ABCD");
    QTest::newRow("name zero-filled") << 0x0F << "Product ID String"
                                      << "AB" << 148 << QByteArray("AB\0\0", 4);
}

void tst_VyrDIDProductIdBlock::editWritesItsField()
{
    QFETCH(int, yearByte);
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    TreeHarness h(productImage(productPayload(yearByte, "NAME")));
    if (yearByte == 0)
        QCOMPARE(h.valueText(Item + QStringList{"Manufacturer Year"}), QStringLiteral("0"));
    QVERIFY(h.type(Item + QStringList{row}, typed));
    h.settle();
    QCOMPARE(h.image().mid(offset, bytes.size()).toHex(), bytes.toHex());
    // The field's bytes and the section checksum behind the two blocks.
    const QList<int> allowed = VyrTest::byteRange(offset, bytes.size()) << 129 + 4 + 19 + 6;
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), allowed);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
    // The cell shows what was stored ("ABCD" of a name cut), as a fresh tree does.
    const QStringList shown = h.shownRows();
    h.rebuild();
    QCOMPARE(h.shownRows(), shown);
}

void tst_VyrDIDProductIdBlock::nameSizeResizesTheBlock()
{
    VyrTest::RecordingUiService ui;
    TreeHarness h(productImage(productPayload(0x0F, "NAME")));
    const QStringList size = rowOf("Size of Product ID String");

    QVERIFY(h.type(size, QStringLiteral("6")));
    h.settle();
    // Two zero name bytes; the stereo block moved up by 2, section length 25 -> 27.
    QCOMPARE(h.image().toHex(),
             productImage(productPayload(0x0F, QByteArray("NAME\0\0", 6))).toHex());
    QCOMPARE(h.valueText({"DID Extention", "General Info", "Section Size"}), QStringLiteral("27"));
    QCOMPARE(locationText(h.locations(rowOf("Product ID String"))), QStringLiteral("148:6"));
    QCOMPARE(locationText(h.locations({"DID Extention", "Stereo Display Interface"})),
             QStringLiteral("154:6"));

    QVERIFY(h.type(size, QStringLiteral("4")));
    h.settle();
    // Back to the original bytes: the freed tail is zero again.
    QCOMPARE(h.image().toHex(), h.original().toHex());
    QCOMPARE(locationText(h.locations(rowOf("Product ID String"))), QStringLiteral("148:4"));
    QVERIFY(ui.messages().isEmpty());
}

void tst_VyrDIDProductIdBlock::growthRefused_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<QString>("size");
    // 19 + 6 + 3 + 93 = 121: the wrapped section is full.
    QTest::newRow("section full") << 93 << "6";
    QTest::newRow("one byte too many") << 92 << "6";
    QTest::newRow("longer than the name field") << 0 << "237";
}

void tst_VyrDIDProductIdBlock::growthRefused()
{
    QFETCH(int, fill);
    QFETCH(QString, size);
    VyrTest::RecordingUiService ui;
    TreeHarness h(productImage(productPayload(0x0F, "NAME"), fill));
    QVERIFY(h.type(rowOf("Size of Product ID String"), size));
    h.settle();
    QCOMPARE(ui.messages().size(), 1);
    QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Warning);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDProductIdBlock::wrongLengthIsReadOnly()
{
    // A name length of 6 over 4 name bytes: the model would write past the name.
    TreeHarness h(productImage(productPayload(0x0F, "NAME", 6)));
    auto *edit = qobject_cast<QLineEdit *>(h.widget(rowOf("Manufacturer Week")));
    QVERIFY(edit);
    QVERIFY(edit->isReadOnly());
    h.type(rowOf("Manufacturer Week"), QStringLiteral("9"));
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrDIDProductIdBlock)
#include "tst_vyrdidproductidblock.moc"
