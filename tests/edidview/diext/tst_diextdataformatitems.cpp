#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "recordinguiservice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

#include <functional>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

constexpr int B = 128; // the DI-EXT block's first byte in the image

const QStringList Section{"DI Extention", "Data Format and Clock"};

QStringList rowPath(const QString &title)
{
    return Section + QStringList{title};
}

// A DI-EXT block after an EDID 1.4 base block with bytes 7 to 13 (interface: digital).
QByteArray formatImage(const QList<int> &bytes7to13)
{
    return EdidImageBuilder().edid14().diExt().patch(2, {1}).patch(7, bytes7to13).image();
}

QComboBox *list(const TreeHarness &h, const QString &title)
{
    return qobject_cast<QComboBox *>(h.widget(rowPath(title)));
}

QLineEdit *editor(const TreeHarness &h, const QString &title)
{
    return qobject_cast<QLineEdit *>(h.widget(rowPath(title)));
}

int byteAt(const TreeHarness &h, int blockByte)
{
    return quint8(h.image().at(B + blockByte));
}

int wordAt(const TreeHarness &h, int blockByte)
{
    return byteAt(h, blockByte) | byteAt(h, blockByte + 1) << 8;
}

using Action = std::function<bool(TreeHarness &)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_DiExtDataFormatItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheSection();
    void clockLimits_data();
    void clockLimits();
    void editsKeepWhatTheyDoNotSet_data();
    void editsKeepWhatTheyDoNotSet();
    void unknownFormatUntilChosen();
    void dataEnableSignal_data();
    void dataEnableSignal();
    void crossOverTickAndUntick();
    void crossOverEnteredWhileCleared();
    void supportFlags_data();
    void supportFlags();
};

void tst_DiExtDataFormatItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DiExtDataFormatItems::rowsShowTheSection()
{
    // Bytes of a real display: data enable high, 24-bit RGB, 1 to 165 MHz, crossover 165 MHz.
    TreeHarness h(formatImage({0xDC, 0x24, 1, 165, 0, 165, 0}));
    QCOMPARE(list(h, "Data Format")->currentText(), QStringLiteral("24-Bit RGB"));
    QCOMPARE(list(h, "Data Format")->count(), 5);
    QCOMPARE(list(h, "Edge of Shift Clock")->currentText(),
             QStringLiteral("Rising edge of shift clock"));
    QCOMPARE(list(h, "Data Enable Signal")->currentText(),
             QStringLiteral("Data enabled on DE signal High"));
    QCOMPARE(editor(h, "Min.Pixel Clock")->text(), QStringLiteral("1"));
    QCOMPARE(editor(h, "Min.Pixel Clock")->toolTip(), QStringLiteral("Valid Range 1 --> 254"));
    QCOMPARE(editor(h, "Max.Pixel Clock")->text(), QStringLiteral("165"));
    QCOMPARE(editor(h, "Max.Pixel Clock")->toolTip(), QStringLiteral("Valid Range 1 --> 65,534"));
    QCOMPARE(editor(h, "CrossOver Freq.")->text(), QStringLiteral("165"));
    QCOMPARE(h.row(rowPath("CrossOver Freq."))->checkState(0), Qt::Checked);
    QCOMPARE(h.row(rowPath("HDCP Supported"))->checkState(1), Qt::Checked);
    QCOMPARE(h.row(rowPath("Double Clocking Supported"))->checkState(1), Qt::Checked);
    QCOMPARE(h.row(rowPath("Packetized Video Supported"))->checkState(1), Qt::Unchecked);
    for (const char *title : {"Min.Pixel Clock", "Max.Pixel Clock", "CrossOver Freq."})
        QCOMPARE(h.row(rowPath(title))->text(2), QStringLiteral("[DEC]"));
}

void tst_DiExtDataFormatItems::clockLimits_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("minimum"); // stored afterwards
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("message"); // empty: none
    const QString minTooHigh =
        QStringLiteral("Minimum Pixel Clock should not be lower then Maximum Pixel Clock");
    const QString maxTooLow =
        QStringLiteral("Maximum Pixel Clock should not be lower then Minimum Pixel Clock");
    // Stored: minimum 25, maximum 200.
    QTest::newRow("min below max") << "Min.Pixel Clock"
                                   << "30" << 30 << 200 << "";
    QTest::newRow("min equal to max") << "Min.Pixel Clock"
                                      << "200" << 200 << 200 << "";
    QTest::newRow("min above max") << "Min.Pixel Clock"
                                   << "201" << 25 << 200 << minTooHigh;
    QTest::newRow("min out of range") << "Min.Pixel Clock"
                                      << "255" << 25 << 200 << "";
    QTest::newRow("min 0") << "Min.Pixel Clock"
                           << "0" << 25 << 200 << "";
    QTest::newRow("max above min") << "Max.Pixel Clock"
                                   << "330" << 25 << 330 << "";
    QTest::newRow("max equal to min") << "Max.Pixel Clock"
                                      << "25" << 25 << 25 << "";
    QTest::newRow("max below min") << "Max.Pixel Clock"
                                   << "24" << 25 << 200 << maxTooLow;
    QTest::newRow("max 65534") << "Max.Pixel Clock"
                               << "65534" << 25 << 65534 << "";
    QTest::newRow("max out of range") << "Max.Pixel Clock"
                                      << "65535" << 25 << 200 << "";
}

void tst_DiExtDataFormatItems::clockLimits()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, message);
    VyrTest::RecordingUiService ui;
    TreeHarness h(formatImage({0x00, 0x15, 25, 200, 0, 0xFF, 0xFF}));
    QVERIFY(h.type(rowPath(row), typed));
    QCOMPARE(byteAt(h, 9), minimum);
    QCOMPARE(wordAt(h, 10), maximum);
    if (message.isEmpty()) {
        QCOMPARE(ui.messages().size(), 0);
    } else {
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(ui.lastMessage().icon, VyrUiService::Icon::Warning);
        QCOMPARE(ui.lastMessage().title, QStringLiteral("Wrong data"));
        QCOMPARE(ui.lastMessage().text, message);
        QCOMPARE(ui.lastMessage().buttons, int(VyrUiService::Ok));
        VYR_VERIFY_UNCHANGED(h.original(), h.image());
        // The refused clock leaves the editor: it shows the stored one again.
        const int stored = row.startsWith(QLatin1String("Min")) ? minimum : maximum;
        QCOMPARE(editor(h, row)->text(), QString::number(stored));
    }
}

void tst_DiExtDataFormatItems::editsKeepWhatTheyDoNotSet_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QList<int>>("changed"); // block bytes
    const auto choose = [](const char *title, const char *entry) {
        return Action([=](TreeHarness &h) { return h.choose(rowPath(title), entry); });
    };
    const auto type = [](const char *title, const char *text) {
        return Action([=](TreeHarness &h) { return h.type(rowPath(title), text); });
    };
    const auto tick = [](const char *title) {
        return Action([=](TreeHarness &h) { return h.tick(rowPath(title), true); });
    };
    QTest::newRow("edge") << choose("Edge of Shift Clock", "Rising & falling edges")
                          << QList<int>{7};
    QTest::newRow("enable") << choose("Data Enable Signal", "Data enabled on DE signal Low")
                            << QList<int>{7};
    QTest::newRow("min clock") << type("Min.Pixel Clock", "20") << QList<int>{9};
    QTest::newRow("max clock") << type("Max.Pixel Clock", "300") << QList<int>{10, 11};
    QTest::newRow("crossover") << type("CrossOver Freq.", "400") << QList<int>{12, 13};
    QTest::newRow("untick crossover")
        << Action([](TreeHarness &h) { return h.tick(rowPath("CrossOver Freq."), false); })
        << QList<int>{12, 13};
    QTest::newRow("hdcp") << tick("HDCP Supported") << QList<int>{7};
    QTest::newRow("double clocking") << tick("Double Clocking Supported") << QList<int>{7};
    QTest::newRow("packetized") << tick("Packetized Video Supported") << QList<int>{7};
}

// Byte 7 bit 0 and a byte 8 that no list entry stands for (0x00, common on real displays)
// survive an edit of every other row.
void tst_DiExtDataFormatItems::editsKeepWhatTheyDoNotSet()
{
    QFETCH(Action, action);
    QFETCH(QList<int>, changed);
    TreeHarness h(formatImage({0x01, 0x00, 10, 200, 0, 0x2C, 0x01}));
    QVERIFY(action(h));
    QCOMPARE(byteAt(h, 7) & 1, 1);
    QCOMPARE(byteAt(h, 8), 0x00);
    QList<int> allowed;
    for (int blockByte : qAsConst(changed))
        allowed << B + blockByte;
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), allowed);
    QVERIFY(VyrTest::changedBytes(h.original(), h.image()).contains(B + changed.first()));
}

void tst_DiExtDataFormatItems::unknownFormatUntilChosen()
{
    TreeHarness h(formatImage({0x00, 0x3C, 10, 200, 0, 0xFF, 0xFF}));
    QComboBox *formats = list(h, "Data Format");
    QCOMPARE(formats->count(), 6);
    QCOMPARE(formats->currentText(), QStringLiteral("Unknown (0x3C)"));
    QVERIFY(h.choose(rowPath("Data Format"), "12-Bit RGB"));
    QCOMPARE(byteAt(h, 8), 0x19);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 8});
    // The entry is gone with the code it stood for.
    QCOMPARE(formats->count(), 5);
    QVERIFY(h.choose(rowPath("Data Format"), "48-Bit RGB High color"));
    QCOMPARE(byteAt(h, 8), 0x49);
    QVERIFY(h.choose(rowPath("Data Format"), "8-Bit  RGB"));
    QCOMPARE(byteAt(h, 8), 0x15);
}

void tst_DiExtDataFormatItems::dataEnableSignal_data()
{
    QTest::addColumn<int>("byte7");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("written"); // byte 7 bits 7-6
    QTest::newRow("not used, high set: shown as not supported")
        << 0x40 << "Not Supported"
        << "Data enabled on DE signal High" << 0xC0;
    QTest::newRow("low") << 0x80 << "Data enabled on DE signal Low"
                         << "Not Supported" << 0x00;
    QTest::newRow("high") << 0xC0 << "Data enabled on DE signal High"
                          << "Data enabled on DE signal Low" << 0x80;
}

void tst_DiExtDataFormatItems::dataEnableSignal()
{
    QFETCH(int, byte7);
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    QFETCH(int, written);
    TreeHarness h(formatImage({byte7 | 0x0D, 0x15, 10, 200, 0, 0xFF, 0xFF}));
    QCOMPARE(list(h, "Data Enable Signal")->currentText(), shown);
    // Another row's edit keeps the bits as loaded.
    QVERIFY(h.tick(rowPath("Packetized Video Supported"), true));
    QCOMPARE(byteAt(h, 7), byte7 | 0x0F);
    QVERIFY(h.choose(rowPath("Data Enable Signal"), chosen));
    QCOMPARE(byteAt(h, 7), written | 0x0F);
}

// Clearing the box stores 0xFFFF (no crossover frequency); ticking it stores the editor's
// frequency, or 1 while the editor holds none in range; the state reads back as chosen.
void tst_DiExtDataFormatItems::crossOverTickAndUntick()
{
    const QStringList path = rowPath("CrossOver Freq.");
    TreeHarness h(formatImage({0x00, 0x15, 10, 200, 0, 0xFF, 0xFF}));
    QCOMPARE(h.row(path)->checkState(0), Qt::Unchecked);
    QCOMPARE(editor(h, "CrossOver Freq.")->text(), QStringLiteral("65535"));
    QVERIFY(h.tick(path, true));
    QCOMPARE(wordAt(h, 12), 1);
    QCOMPARE(editor(h, "CrossOver Freq.")->text(), QStringLiteral("1"));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 12, B + 13});
    QVERIFY(h.type(path, "300"));
    QCOMPARE(wordAt(h, 12), 300);
    QVERIFY(h.tick(path, false));
    QCOMPARE(wordAt(h, 12), 0xFFFF);
    h.rebuild();
    QCOMPARE(h.row(path)->checkState(0), Qt::Unchecked);
    QVERIFY(h.type(path, "300", TreeHarness::Leave::Pending));
    QVERIFY(h.tick(path, true)); // the text not yet confirmed is the editor's value
    QCOMPARE(wordAt(h, 12), 300);
    h.rebuild();
    QCOMPARE(h.row(path)->checkState(0), Qt::Checked);
    QCOMPARE(editor(h, "CrossOver Freq.")->text(), QStringLiteral("300"));
}

// A frequency confirmed while the box is clear ticks the box.
void tst_DiExtDataFormatItems::crossOverEnteredWhileCleared()
{
    const QStringList path = rowPath("CrossOver Freq.");
    TreeHarness h(formatImage({0x00, 0x15, 10, 200, 0, 0xFF, 0xFF}));
    QVERIFY(h.type(path, "120"));
    QCOMPARE(wordAt(h, 12), 120);
    QCOMPARE(h.row(path)->checkState(0), Qt::Checked);
    QVERIFY(h.tick(path, false));
    QCOMPARE(wordAt(h, 12), 0xFFFF);
}

void tst_DiExtDataFormatItems::supportFlags_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("bit");
    QTest::newRow("hdcp") << "HDCP Supported" << 3;
    QTest::newRow("double clocking") << "Double Clocking Supported" << 2;
    QTest::newRow("packetized") << "Packetized Video Supported" << 1;
}

void tst_DiExtDataFormatItems::supportFlags()
{
    QFETCH(QString, row);
    QFETCH(int, bit);
    TreeHarness h(formatImage({0xB1, 0x15, 10, 200, 0, 0xFF, 0xFF}));
    QVERIFY(h.tick(rowPath(row), true));
    QCOMPARE(byteAt(h, 7), 0xB1 | 1 << bit);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {B + 7});
    QVERIFY(h.tick(rowPath(row), false));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

QTEST_MAIN(tst_DiExtDataFormatItems)
#include "tst_diextdataformatitems.moc"
