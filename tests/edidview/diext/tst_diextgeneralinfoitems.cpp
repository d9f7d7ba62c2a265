#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/diext/DiExtBlockWidgets.h"
#include "userinput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int B = 128; // the DI-EXT block's first byte in the image

const QStringList Section{"DI Extention", "General Info"};
const QStringList VersionRow = Section + QStringList{"Version"};
const QStringList InterfaceRow = Section + QStringList{"Interface Standard"};

// A DI-EXT block after an EDID 1.4 base block with bytes from block byte 2 on (by default a
// digital interface: with an analog one every write of the section also resets bytes 7-13).
QByteArray diExtImage(const QList<int> &fromByte2 = {1})
{
    return EdidImageBuilder().edid14().diExt().patch(2, fromByte2).image();
}

QComboBox *formList(const TreeHarness &h)
{
    return qobject_cast<QComboBox *>(h.widget(VersionRow, 0));
}

DiExtVersionWidget *versionEditor(const TreeHarness &h)
{
    return qobject_cast<DiExtVersionWidget *>(h.widget(VersionRow));
}

// The first (0) or second (1) field of the version editor.
QLineEdit *field(const TreeHarness &h, int n)
{
    DiExtVersionWidget *editor = versionEditor(h);
    const QList<QLineEdit *> fields =
        editor ? editor->findChildren<QLineEdit *>() : QList<QLineEdit *>();
    return n < fields.size() ? fields.at(n) : nullptr;
}

QStringList visibleTexts(const TreeHarness &h)
{
    QStringList texts;
    for (int n = 0; n < 2; ++n) {
        if (QLineEdit *edit = field(h, n); edit && edit->isVisibleTo(versionEditor(h)))
            texts << edit->text();
    }
    return texts;
}

void chooseForm(TreeHarness &h, const QString &form)
{
    QComboBox *list = formList(h);
    QVERIFY(list);
    const int row = list->findText(form);
    QVERIFY(row >= 0);
    VyrTest::chooseRow(list, row);
    QCOMPARE(list->currentIndex(), row);
}

// Types into a field of the version editor and confirms with Return.
void typeInto(TreeHarness &h, int n, const QString &text)
{
    QLineEdit *edit = field(h, n);
    QVERIFY(edit);
    h.tree()->scrollToItem(h.row(VersionRow));
    QCoreApplication::processEvents();
    edit->setFocus(Qt::MouseFocusReason);
    VyrTest::typeAndConfirm(edit, text);
}

QList<int> versionBytes(const TreeHarness &h)
{
    const QByteArray image = h.image();
    QList<int> bytes;
    for (int i = 3; i <= 6; ++i)
        bytes << quint8(image.at(B + i));
    return bytes;
}

} // namespace

class tst_DiExtGeneralInfoItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readOnlyRows();
    void versionForms_data();
    void versionForms();
    void versionNumbersRoundTrip();
    void versionNumberRanges_data();
    void versionNumberRanges();
    void storedNumbersKeepTheirDecimals();
    void versionShowsAsStored_data();
    void versionShowsAsStored();
    void letter_data();
    void letter();
    void date_data();
    void date();
    void switchingTheFormWritesNothing();
    void interfaceStandard();
    void analogResetsTheDataFormat();
};

void tst_DiExtGeneralInfoItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DiExtGeneralInfoItems::readOnlyRows()
{
    // Byte 60 makes the checksum 0x0A, shown without a leading zero.
    TreeHarness h(EdidImageBuilder().edid14().diExt().patch(60, {0xB5}).image());
    QCOMPARE(quint8(h.image().at(B + 127)), quint8(0x0A));
    QTreeWidgetItem *major = h.row(Section + QStringList{"Major Version"});
    QCOMPARE(major->text(1), QStringLiteral("1"));
    QCOMPARE(major->text(2), QStringLiteral("[DEC]"));
    QTreeWidgetItem *checksum = h.row(Section + QStringList{"Checksum"});
    QCOMPARE(checksum->text(1), QStringLiteral("A"));
    QCOMPARE(checksum->text(2), QStringLiteral("[HEX]"));
    auto *standards = qobject_cast<QComboBox *>(h.widget(InterfaceRow));
    QVERIFY(standards);
    QCOMPARE(standards->count(), 10);
    QCOMPARE(standards->currentText(), QStringLiteral("Analog"));
    // At least 140 pixels wide, and wide enough for the longest entry.
    QVERIFY(standards->maximumWidth() >= 140);
    QVERIFY(standards->maximumWidth() >= standards->sizeHint().width());
    QVERIFY(formList(h)->maximumWidth() >= 140);
}

void tst_DiExtGeneralInfoItems::versionForms_data()
{
    QTest::addColumn<QList<int>>("bytes3to6");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("typeTag");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("none") << QList<int>{0, 0, 0, 0} << "None"
                          << "" << QStringList();
    QTest::newRow("numbers") << QList<int>{0x4C, 34, 2, 5} << "Version//Revision"
                             << "[FLT]" << QStringList{"12.34", "2.05"};
    QTest::newRow("letter") << QList<int>{0x80, 'B', 0, 0} << "Letter Designation"
                            << "[CHR]" << QStringList{"B"};
    QTest::newRow("no letter") << QList<int>{0x80, 0, 0, 0} << "Letter Designation"
                               << "[CHR]" << QStringList{""};
    QTest::newRow("date") << QList<int>{0xC0, 24, 5, 20} << "Date"
                          << "[YYYY-MM-DD]" << QStringList{"2014-05-20"};
}

void tst_DiExtGeneralInfoItems::versionForms()
{
    QFETCH(QList<int>, bytes3to6);
    QFETCH(QString, form);
    QFETCH(QString, typeTag);
    QFETCH(QStringList, fields);
    TreeHarness h(diExtImage(QList<int>{1} + bytes3to6));
    QCOMPARE(formList(h)->currentText(), form);
    QCOMPARE(h.row(VersionRow)->text(2), typeTag);
    QCOMPARE(visibleTexts(h), fields);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_DiExtGeneralInfoItems::versionNumbersRoundTrip()
{
    TreeHarness h(diExtImage());
    chooseForm(h, "Version//Revision");
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(visibleTexts(h), QStringList({"", ""}));
    QCOMPARE(h.row(VersionRow)->text(2), QStringLiteral("[FLT]"));
    typeInto(h, 0, "1.13");
    typeInto(h, 1, "2.5");
    QCOMPARE(versionBytes(h), QList<int>({0x41, 13, 2, 50}));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 3, B + 4, B + 5, B + 6});
    h.rebuild();
    QCOMPARE(visibleTexts(h), QStringList({"1.13", "2.50"}));
}

void tst_DiExtGeneralInfoItems::versionNumberRanges_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("expected");
    // The revision takes up to 255.99 whether the form was loaded or chosen; text out of range
    // or with a third decimal is never confirmed (not cut to two decimals either).
    const QList<int> unchanged{0x41, 0, 0, 0};
    QTest::newRow("loaded: revision 255.99")
        << true << 1 << "255.99" << QList<int>{0x41, 0, 255, 99};
    QTest::newRow("chosen: revision 255.99")
        << false << 1 << "255.99" << QList<int>{0x40, 0, 255, 99};
    QTest::newRow("chosen: version 63.99") << false << 0 << "63.99" << QList<int>{0x7F, 99, 0, 0};
    QTest::newRow("loaded: revision 256") << true << 1 << "256" << unchanged;
    QTest::newRow("loaded: version 64") << true << 0 << "64" << unchanged;
    QTest::newRow("loaded: third decimal") << true << 0 << "1.234" << unchanged;
}

void tst_DiExtGeneralInfoItems::versionNumberRanges()
{
    QFETCH(bool, stored);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QList<int>, expected);
    TreeHarness h(diExtImage({1, stored ? 0x41 : 0, 0, 0, 0}));
    if (!stored)
        chooseForm(h, "Version//Revision");
    typeInto(h, field, typed);
    QCOMPARE(versionBytes(h), expected);
}

// A stored 12.34 shows both decimals, and an entry in either field writes both numbers as
// shown.
void tst_DiExtGeneralInfoItems::storedNumbersKeepTheirDecimals()
{
    TreeHarness h(diExtImage({1, 0x4C, 34, 2, 5}));
    QCOMPARE(visibleTexts(h), QStringList({"12.34", "2.05"}));
    typeInto(h, 1, "3");
    QCOMPARE(versionBytes(h), QList<int>({0x4C, 34, 3, 0}));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 5, B + 6});
}

// Once an entry is written the version editor shows the version as stored, as a fresh tree
// does, however the accepted text was typed.
void tst_DiExtGeneralInfoItems::versionShowsAsStored_data()
{
    QTest::addColumn<QList<int>>("bytes3to6");
    QTest::addColumn<QString>("form"); // chosen before typing; empty: as loaded
    QTest::addColumn<int>("n");        // the field typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("stored");
    const QList<int> numbers{0x41, 13, 2, 50};
    QTest::newRow("one decimal") << numbers << QString() << 0 << "2.5"
                                 << QStringList{"2.50", "2.50"} << QList<int>{0x42, 50, 2, 50};
    QTest::newRow("plus sign") << numbers << QString() << 1 << "+3" << QStringList{"1.13", "3.00"}
                               << QList<int>{0x41, 13, 3, 0};
    QTest::newRow("the other field left empty")
        << QList<int>{0, 0, 0, 0} << "Version//Revision" << 0 << "2" << QStringList{"2.00", "0.00"}
        << QList<int>{0x42, 0, 0, 0};
    QTest::newRow("a letter") << QList<int>{0x80, 'A', 0, 0} << QString() << 0 << "c"
                              << QStringList{"c"} << QList<int>{0x80, 'c', 0, 0};
    // The byte holds Latin-1 letters only: a letter beyond is stored as none.
    QTest::newRow("a letter the byte cannot hold")
        << QList<int>{0x80, 'A', 0, 0} << QString() << 0 << QString(QChar(0x416)) << QStringList{""}
        << QList<int>{0x80, 0, 0, 0};
}

void tst_DiExtGeneralInfoItems::versionShowsAsStored()
{
    QFETCH(QList<int>, bytes3to6);
    QFETCH(QString, form);
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, stored);
    TreeHarness h(diExtImage(QList<int>{1} + bytes3to6));
    if (!form.isEmpty())
        chooseForm(h, form);
    if (typed.at(0).unicode() < 0x80) {
        typeInto(h, n, typed);
    } else {
        // A key that no ASCII key code stands for, as a keyboard layout gives it.
        QLineEdit *edit = field(h, n);
        QVERIFY(edit);
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QCOMPARE(versionBytes(h), stored);
    QCOMPARE(visibleTexts(h), shown);
    TreeHarness fresh(h.image());
    QCOMPARE(visibleTexts(h), visibleTexts(fresh));
}

void tst_DiExtGeneralInfoItems::letter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte4");
    QTest::newRow("C") << "C" << int('C');
    QTest::newRow("empty") << "" << 0;
}

void tst_DiExtGeneralInfoItems::letter()
{
    QFETCH(QString, typed);
    QFETCH(int, byte4);
    TreeHarness h(diExtImage({1, 0x80, 'A', 0, 0}));
    typeInto(h, 0, typed);
    QCOMPARE(versionBytes(h), QList<int>({0x80, byte4, 0, 0}));
}

void tst_DiExtGeneralInfoItems::date_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("expected"); // empty: nothing written
    QTest::newRow("2014-05-20") << "2014-05-20" << QList<int>{0xC0, 24, 5, 20};
    QTest::newRow("first year") << "1990-01-01" << QList<int>{0xC0, 0, 1, 1};
    QTest::newRow("last year") << "2245-12-31" << QList<int>{0xC0, 255, 12, 31};
    QTest::newRow("empty") << "" << QList<int>();
    QTest::newRow("no such day") << "2014-02-30" << QList<int>();
    QTest::newRow("year before 1990") << "1989-05-20" << QList<int>();
    QTest::newRow("year after 2245") << "2246-05-20" << QList<int>();
}

void tst_DiExtGeneralInfoItems::date()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, expected);
    TreeHarness h(diExtImage());
    chooseForm(h, "Date");
    QCOMPARE(h.row(VersionRow)->text(2), QStringLiteral("[YYYY-MM-DD]"));
    typeInto(h, 0, typed);
    if (expected.isEmpty()) {
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        return;
    }
    QCOMPARE(versionBytes(h), expected);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 3, B + 4, B + 5, B + 6});
}

// A new form clears the editor and writes nothing; "None" hides the editor.
void tst_DiExtGeneralInfoItems::switchingTheFormWritesNothing()
{
    TreeHarness h(diExtImage({1, 0x4C, 34, 2, 5}));
    chooseForm(h, "Letter Designation");
    QCOMPARE(visibleTexts(h), QStringList({""}));
    QCOMPARE(h.row(VersionRow)->text(2), QStringLiteral("[CHR]"));
    chooseForm(h, "None");
    QCOMPARE(visibleTexts(h), QStringList());
    QCOMPARE(h.row(VersionRow)->text(2), QString());
    chooseForm(h, "Version//Revision");
    QCOMPARE(visibleTexts(h), QStringList({"", ""}));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    // The cleared fields pass for 0.
    typeInto(h, 0, "2");
    QCOMPARE(versionBytes(h), QList<int>({0x42, 0, 0, 0}));
}

void tst_DiExtGeneralInfoItems::interfaceStandard()
{
    TreeHarness h(diExtImage({1, 0x41, 13, 2, 50, 0x81, 0x24}));
    QVERIFY(h.choose(InterfaceRow, "Open LDI CE"));
    QCOMPARE(quint8(h.image().at(B + 2)), quint8(9));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 2});
}

// "Analog" resets the data format section (bytes 7-13; byte 7 bit 0 stays), keeps the version;
// the data format rows show the reset at once, as after a rebuild. So does a version written
// on an analog interface, which resets the section again.
void tst_DiExtGeneralInfoItems::analogResetsTheDataFormat()
{
    TreeHarness h(diExtImage({2, 0x41, 13, 2, 50, 0xFF, 0x24, 10, 165, 0, 90, 0}));
    QVERIFY(h.choose(InterfaceRow, "Analog"));
    const QByteArray image = h.image();
    QCOMPARE(quint8(image.at(B + 2)), quint8(0));
    QCOMPARE(versionBytes(h), QList<int>({0x41, 13, 2, 50}));
    QCOMPARE(image.mid(B + 7, 7), QByteArray::fromHex("01150000000000"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), image, {B + 2, B + 7, B + 8, B + 9, B + 10, B + 12});
    const QStringList format{"DI Extention", "Data Format and Clock", "Data Format"};
    const QStringList maxClock{"DI Extention", "Data Format and Clock", "Max.Pixel Clock"};
    QCOMPARE(qobject_cast<QComboBox *>(h.widget(format))->currentText(),
             QStringLiteral("8-Bit  RGB"));
    h.rebuild();
    QCOMPARE(qobject_cast<QComboBox *>(h.widget(format))->currentText(),
             QStringLiteral("8-Bit  RGB"));

    QVERIFY(h.type(maxClock, "200"));
    QCOMPARE(quint8(h.image().at(B + 10)), quint8(200));
    QVERIFY(h.type(VersionRow, "2.5"));
    QCOMPARE(quint8(h.image().at(B + 10)), quint8(0));
    QCOMPARE(qobject_cast<QLineEdit *>(h.widget(maxClock))->text(), QStringLiteral("0"));
}

QTEST_MAIN(tst_DiExtGeneralInfoItems)
#include "tst_diextgeneralinfoitems.moc"
