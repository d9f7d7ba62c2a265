// Text an editor of the EDID tree refuses never stays in it: Return or the focus leaving puts the
// stored value back, a key refused on the spot changes nothing, and each refusal is said in the
// status bar with the field and what it accepts. One case per kind of editor and family.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/displayid/vyrdidintdualedititem.h"
#include "recordinguiservice.h"
#include "userinput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

using Leave = TreeHarness::Leave;

const QStringList GeneralInfo{"Base Block", "General Info"};
const QStringList Timing{"Base Block", "Descriptors", "Detailed Timing 0"};

QStringList under(const QStringList &group, const QString &title)
{
    return group + QStringList{title};
}

QByteArray baseImage()
{
    return EdidImageBuilder().edid14().image();
}

// The 1080p timing in descriptor 0, and the first standard timing 1280 x 1024 at 60 Hz.
QByteArray timingsImage()
{
    return EdidImageBuilder()
        .edid14()
        .patch(VyrTest::descriptorOffset(0), VyrTest::detailedTiming1080p())
        .patch(38, {0x81, 0x80})
        .image();
}

// A DisplayID extension section with a product identification block: vendor ABC, code 0x1234,
// serial 0xAB, week 5, year byte 15 (2015), no name.
QByteArray displayIdImage()
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x00, 0,
                            QByteArray::fromHex("4142433412ab00000005"
                                                "0f00"))
        .image();
}

// A DI-EXT block with a digital interface and pixel clocks 1 to 165 MHz.
QByteArray diExtImage()
{
    return EdidImageBuilder()
        .edid14()
        .diExt()
        .patch(2, {1})
        .patch(7, {0xDC, 0x24, 1, 165, 0, 165, 0})
        .image();
}

// A CEA-861 block with one audio descriptor: LPCM, 2 channels, 32 to 48 kHz, 16 to 24 bit.
QByteArray ceaImage()
{
    return CeaTest::imageWithCollection(QByteArray::fromHex("23090707"));
}

// The line editor of the row, or the field labelled field in the row's widget; shown.
QLineEdit *editorOf(TreeHarness &h, const QStringList &path, const QString &field)
{
    QWidget *widget = h.shownWidget(path);
    if (!widget)
        return nullptr;
    if (!field.isEmpty())
        return qobject_cast<QLineEdit *>(VyrTest::formField(widget, field));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit;
    return widget->findChild<QLineEdit *>();
}

// Types text over the editor's text as a user does and leaves it as said.
void typeInto(TreeHarness &h, QLineEdit *edit, const QString &text, Leave leave)
{
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    if (leave == Leave::Enter)
        QTest::keyClick(edit, Qt::Key_Return);
    else if (leave == Leave::FocusOut)
        h.tree()->setFocus(Qt::MouseFocusReason);
}

} // namespace

Q_DECLARE_METATYPE(TreeHarness::Leave)

class tst_VyrEdidInputGuard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedValueGoesBack_data();
    void refusedValueGoesBack();
    void refusedKeyChangesNothing_data();
    void refusedKeyChangesNothing();
    void backToTheLastValueStored_data();
    void backToTheLastValueStored();
    void spinBoxSaysWhy();
    void acceptedValueSaysNothing();
};

void tst_VyrEdidInputGuard::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidInputGuard::refusedValueGoesBack_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("field"); // a labelled field of the row's widget; empty: the row's
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<QString>("note");
    const QStringList year = under(GeneralInfo, "YearIfManuf");
    QTest::newRow("year 1985, Return")
        << baseImage() << year << ""
        << "1985" << Leave::Enter << "YearIfManuf 1985 refused: 1990-2245";
    QTest::newRow("year 3000, focus out")
        << baseImage() << year << ""
        << "3000" << Leave::FocusOut << "YearIfManuf 3000 refused: 1990-2245";
    QTest::newRow("year emptied") << baseImage() << year << ""
                                  << "" << Leave::Enter << "YearIfManuf (empty) refused: 1990-2245";
    QTest::newRow("week 54") << baseImage() << under(GeneralInfo, "WeekOfManuf") << ""
                             << "54" << Leave::Enter << "WeekOfManuf 54 refused: 0-53, 255";
    QTest::newRow("manufacturer of two letters")
        << baseImage() << under(GeneralInfo, "ManufName") << ""
        << "AB" << Leave::FocusOut << "ManufName AB refused: 3 letters";
    const QStringList gamma{"Base Block", "Basic Params Info", "Gamma"};
    QTest::newRow("gamma 0.99") << baseImage() << gamma << ""
                                << "0.99" << Leave::Enter << "Gamma 0.99 refused: 1.00-3.54";
    QTest::newRow("gamma 3.55") << baseImage() << gamma << ""
                                << "3.55" << Leave::FocusOut << "Gamma 3.55 refused: 1.00-3.54";
    QTest::newRow("gamma with three decimals")
        << baseImage() << gamma << ""
        << "2.205" << Leave::Enter << "Gamma 2.205 refused: 1.00-3.54";
    QTest::newRow("HAdressable 4096")
        << timingsImage() << under(Timing, "HAdressable:") << ""
        << "4096" << Leave::Enter << "HAdressable 4096 refused: 0-4095";
    QTest::newRow("pixel clock 0") << timingsImage() << under(Timing, "PixelClock:") << ""
                                   << "0" << Leave::Enter << "PixelClock 0 refused: 1-65535";
    // Not cut to 6553 key by key.
    QTest::newRow("pixel clock 65536")
        << timingsImage() << under(Timing, "PixelClock:") << ""
        << "65536" << Leave::FocusOut << "PixelClock 65536 refused: 1-65535";
    QTest::newRow("negative border") << timingsImage() << under(Timing, "HBorder:") << ""
                                     << "-1" << Leave::Enter << "HBorder -1 refused: 0-255";
    QTest::newRow("standard timing width")
        << timingsImage() << QStringList{"Base Block", "Standard Timings Info", "Timing 0"}
        << "Width:"
        << "100" << Leave::Enter << "Timing 0 Width 100 refused: 256-2288";
    QTest::newRow("DisplayID year")
        << displayIdImage()
        << QStringList{"DID Extention", "Product Identification", "Manufacturer Year"} << ""
        << "1999" << Leave::Enter << "Manufacturer Year 1999 refused: 2000-2255";
    QTest::newRow("DI-EXT pixel clock")
        << diExtImage() << QStringList{"DI Extention", "Data Format and Clock", "Min.Pixel Clock"}
        << ""
        << "255" << Leave::FocusOut << "Min.Pixel Clock 255 refused: 1-254";
    QTest::newRow("CEA audio channels")
        << ceaImage()
        << QStringList{CeaTest::Cea, CeaTest::Blocks, "Audio Data Block", "0", "Number of Channels"}
        << ""
        << "9" << Leave::Enter << "Number of Channels 9 refused: 1-8";
}

// Nothing is written, the editor shows the stored value again, and the status bar says why.
void tst_VyrEdidInputGuard::refusedValueGoesBack()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, path);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(Leave, leave);
    QFETCH(QString, note);
    VyrTest::RecordingUiService ui;
    TreeHarness h(image);
    QLineEdit *edit = editorOf(h, path, field);
    QVERIFY(edit);
    const QString stored = edit->text();
    typeInto(h, edit, typed, leave);
    h.settle();
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(edit->text(), stored);
    QVERIFY(!edit->isModified());
    QCOMPARE(ui.statusMessages(), QStringList{note});
    QVERIFY(ui.messages().isEmpty());
}

void tst_VyrEdidInputGuard::refusedKeyChangesNothing_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("note");
    QTest::newRow("letter in a year") << baseImage() << under(GeneralInfo, "YearIfManuf") << "x"
                                      << "YearIfManuf 'x' refused: 1990-2245";
    QTest::newRow("digit in a manufacturer ID")
        << baseImage() << under(GeneralInfo, "ManufName") << "1"
        << "ManufName '1' refused: 3 letters";
    QTest::newRow("Latin-1 letter in a name")
        << VyrTest::imageWithDescriptor(3, VyrTest::displayDescriptor(0xFC, "MONITOR\n"))
        << QStringList{"Base Block", "Descriptors", "Product Name"} << QString::fromUtf8("é")
        << QString::fromUtf8("Product Name 'é' refused: printable ASCII, up to 13 characters");
}

void tst_VyrEdidInputGuard::refusedKeyChangesNothing()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, path);
    QFETCH(QString, key);
    QFETCH(QString, note);
    VyrTest::RecordingUiService ui;
    TreeHarness h(image);
    QLineEdit *edit = editorOf(h, path, QString());
    QVERIFY(edit);
    const QString stored = edit->text();
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_End);
    // One key event carrying the text, as a keyboard layout with the letter sends it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
    QApplication::sendEvent(edit, &press);
    QCOMPARE(edit->text(), stored);
    QCOMPARE(ui.statusMessages(), QStringList{note});
    h.tree()->setFocus(Qt::MouseFocusReason);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidInputGuard::backToTheLastValueStored_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("offset"); // the image byte the first value goes to
    QTest::addColumn<int>("byte");
    QTest::newRow("frame editor") << baseImage() << under(GeneralInfo, "YearIfManuf") << "2016"
                                  << "1985" << 17 << 26;
    // The DisplayID cell stays modified after a confirmed value: its next refusal still goes
    // back to that value, not to the one the tree was built with.
    QTest::newRow("DisplayID cell")
        << displayIdImage()
        << QStringList{"DID Extention", "Product Identification", "Manufacturer Year"} << "2020"
        << "1999" << 128 + 5 + 3 + 10 << 20;
}

// Two entries without leaving the editor: the refused second one brings back the first.
void tst_VyrEdidInputGuard::backToTheLastValueStored()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, path);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, offset);
    QFETCH(int, byte);
    VyrTest::RecordingUiService ui;
    TreeHarness h(image);
    QLineEdit *edit = editorOf(h, path, QString());
    QVERIFY(edit);
    edit->setFocus(Qt::MouseFocusReason);
    VyrTest::typeAndConfirm(edit, first);
    QCOMPARE(quint8(h.image().at(offset)), quint8(byte));
    const QByteArray stored = h.image();
    VyrTest::typeAndConfirm(edit, second);
    QCOMPARE(edit->text(), first);
    QCOMPARE(h.image(), stored);
    QCOMPARE(ui.statusMessages().size(), 1);
    QVERIFY(ui.lastStatusMessage().startsWith(path.last() + " " + second + " refused: "));
}

// A two-value DisplayID cell stores each key as it is typed; a key that would leave the range
// is refused on the spot, the box keeps the value stored, and the status bar says why.
void tst_VyrEdidInputGuard::spinBoxSaysWhy()
{
    VyrTest::RecordingUiService ui;
    TreeHarness h(EdidImageBuilder()
                      .edid14()
                      .displayIdExtension()
                      .displayIdDataBlock(0x0D, 0, QByteArray::fromHex("000505010101"))
                      .image());
    const QStringList path{"DID Extention", "Interface Power Sequencing", "T2(ms) Min/Max"};
    auto *cell = qobject_cast<VyrDIDIntDualEditItem *>(h.shownWidget(path));
    QVERIFY(cell);
    QSpinBox *box = cell->rightBox();
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "200");
    QCOMPARE(box->text(), QStringLiteral("20"));
    QCOMPARE(ui.statusMessages(), QStringList{"T2(ms) Min/Max '0' refused: 0-126"});
    h.tree()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(box->value(), 20);
    h.rebuild();
    cell = qobject_cast<VyrDIDIntDualEditItem *>(h.widget(path));
    QVERIFY(cell);
    QCOMPARE(cell->rightBox()->value(), 20);
}

void tst_VyrEdidInputGuard::acceptedValueSaysNothing()
{
    VyrTest::RecordingUiService ui;
    TreeHarness h(timingsImage());
    QVERIFY(h.type(under(Timing, "PixelClock:"), "65535"));
    QVERIFY(h.type(under(GeneralInfo, "YearIfManuf"), "2245", Leave::FocusOut));
    QCOMPARE(h.valueText(under(Timing, "PixelClock:")), QStringLiteral("65535"));
    QCOMPARE(h.valueText(under(GeneralInfo, "YearIfManuf")), QStringLiteral("2245"));
    QCOMPARE(quint8(h.image().at(17)), quint8(255));
    QVERIFY(ui.statusMessages().isEmpty());
}

QTEST_MAIN(tst_VyrEdidInputGuard)
#include "tst_vyredidinputguard.moc"
