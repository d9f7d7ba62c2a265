// The DisplayID display parameters item: its rows and flags, one edit per value (the cell then
// shows the stored value), and a block of another length shown read-only.

#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "locationtext.h"
#include "vyrtestutil.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::locationText;
using VyrTest::TreeHarness;

namespace {

const QStringList Item = {"DID Extention", "Display Parameters"};
const QStringList Flags = Item + QStringList{"Feature Support Flags"};

// 530 x 298 mm, 1920 x 1080, features 0x81, gamma 2.2, aspect 1.77, depths 8 and 8.
const QByteArray Payload = QByteArray::fromHex("b414a40b8007380481784d77");

// An extension section at 128; the payload starts at 136.
QByteArray paramsImage(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x01, 0, payload)
        .image();
}

} // namespace

class tst_VyrDIDDisplayParametersBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheValues();
    void editWritesItsValue_data();
    void editWritesItsValue();
    void wrongLengthIsReadOnly();
};

void tst_VyrDIDDisplayParametersBlock::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrDIDDisplayParametersBlock::rowsShowTheValues()
{
    TreeHarness h(paramsImage(Payload));
    const QStringList rows = {"Horizontal Image Size(mm)",
                              "Vertical Image Size(mm)",
                              "Horizontal Pixel Count",
                              "Vertical Pixel Count",
                              "Gamma value",
                              "Aspect ratio",
                              "Overall dyn range",
                              "Device dyn range",
                              "Feature Support Flags"};
    QCOMPARE(h.childTitles(Item), rows);
    const QStringList shown = {"530", "298", "1920", "1080", "2.2", "1.77", "8", "8"};
    const QStringList where = {"136:2", "138:2", "140:2", "142:2",
                               "145:1", "146:1", "147:1", "147:1"};
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(h.valueText(Item + QStringList{rows[i]}), shown[i]);
        QCOMPARE(locationText(h.locations(Item + QStringList{rows[i]})), where[i]);
    }
    // Feature byte 0x81: the first and the last box only; bit 1 has no box.
    QStringList ticked;
    for (int i = 0; i < 7; ++i) {
        auto *box =
            qobject_cast<QCheckBox *>(h.widget(Flags + QStringList{QStringLiteral("[%1]").arg(i)}));
        QVERIFY(box);
        if (box->isChecked())
            ticked << box->text();
    }
    QCOMPARE(ticked, QStringList({"Audio support on video interface", "De-interlacing"}));
    QCOMPARE(locationText(h.locations(Flags)), QStringLiteral("144:1"));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrDIDDisplayParametersBlock::editWritesItsValue_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed"); // empty: clear the flag box "row" names instead
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown"); // what the cell shows after the edit
    QTest::newRow("image width") << "Horizontal Image Size(mm)"
                                 << "531.2" << 136 << QByteArray::fromHex("c014") << "531.2";
    // Stored in 0.1 mm: the cell shows the stored size, not the typed one.
    QTest::newRow("image height, finer than stored")
        << "Vertical Image Size(mm)"
        << "3.141" << 138 << QByteArray::fromHex("1f00") << "3.1";
    QTest::newRow("pixels") << "Vertical Pixel Count"
                            << "1200" << 142 << QByteArray::fromHex("b004") << "1200";
    QTest::newRow("gamma") << "Gamma value"
                           << "2.5" << 145 << QByteArray::fromHex("96") << "2.5";
    // Read in the C locale: a group separator is taken, never read as 0.
    QTest::newRow("pixels with a group separator")
        << "Horizontal Pixel Count"
        << "2,560" << 140 << QByteArray::fromHex("000a") << "2560";
    QTest::newRow("native depth") << "Device dyn range"
                                  << "10" << 147 << QByteArray::fromHex("79") << "10";
    QTest::newRow("de-interlacing") << "[6]"
                                    << "" << 144 << QByteArray::fromHex("80") << "";
}

void tst_VyrDIDDisplayParametersBlock::editWritesItsValue()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    TreeHarness h(paramsImage(Payload));
    if (typed.isEmpty())
        QVERIFY(h.tick(Flags + QStringList{row}, false));
    else
        QVERIFY(h.type(Item + QStringList{row}, typed));
    h.settle();
    QCOMPARE(h.image().mid(offset, bytes.size()).toHex(), bytes.toHex());
    if (!typed.isEmpty())
        QCOMPARE(h.valueText(Item + QStringList{row}), shown);
    // The field's bytes and the section checksum.
    const QList<int> allowed = VyrTest::byteRange(offset, bytes.size()) << 129 + 4 + 15;
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), allowed);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(h.image().left(256)));
}

void tst_VyrDIDDisplayParametersBlock::wrongLengthIsReadOnly()
{
    // 13 bytes: the model reads nothing and would write 12 bytes into it.
    TreeHarness h(paramsImage(Payload + QByteArray(1, '\0')));
    QCOMPARE(h.valueText(Item + QStringList{"Horizontal Image Size(mm)"}), QStringLiteral("0"));
    auto *edit = qobject_cast<QLineEdit *>(h.widget(Item + QStringList{"Gamma value"}));
    QVERIFY(edit);
    QVERIFY(edit->isReadOnly());
    auto *box = qobject_cast<QCheckBox *>(h.widget(Flags + QStringList{"[0]"}));
    QVERIFY(box);
    QVERIFY(!box->isEnabled());
    h.type(Item + QStringList{"Gamma value"}, QStringLiteral("2.5"));
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_VyrDIDDisplayParametersBlock)
#include "tst_vyrdiddisplayparametersblock.moc"
