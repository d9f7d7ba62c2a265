#include "baseblockfixture.h"
#include "connectwarninghandler.h"
#include "userinput.h"
#include "widgets/basicparsignalcharwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

// The five analog flags, in the order of their form rows.
static const char *const kFlagLabels[] = {
    "Blank-to-Blank Setup:", "Separate Synch H V Signals:", "Composite Sync on Horizontal:",
    "Composite Sync on Green Video:", "Serration on the Vertical Sync:"};

static QList<bool> analogFlags(const BasicDisplayParams &p)
{
    return {p.blankToBlackSetup, p.separateSync, p.compositeSyncOnHorizontal, p.syncOnGreen,
            p.serration};
}

class tst_BasicParSignalCharWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VyrTest::installConnectWarningHandler(); }

    void analogToDigital();
    void analogFlag_data();
    void analogFlag();
    void digitalCodes_data();
    void digitalCodes();
};

void tst_BasicParSignalCharWidget::analogToDigital()
{
    // Analog, signal level 2, blank-to-black setup and sync on green; digital codes that the
    // digital rows do not show while the input is analog.
    OpenBasicWidget<BasicParSignalCharWidget> open(true, 0x40 | 0x10 | 0x02, 0, 0,
                                                   [](BasicDisplayParams &params) {
                                                       params.colorBitDepth = 3;
                                                       params.digitalInterface = 2;
                                                   });
    BasicParSignalCharWidget &widget = open.widget;
    const QList<BasicDisplayParams> &emitted = open.emitted;

    QComboBox *type = VyrTest::listWithRow(&widget, QStringLiteral("Analog Signal"));
    auto *level = qobject_cast<QComboBox *>(VyrTest::formField(&widget, "Signal Level:"));
    auto *depth = qobject_cast<QComboBox *>(VyrTest::formField(&widget, "Color Depth:"));
    QVERIFY(type && level && depth);
    QCOMPARE(type->currentText(), QStringLiteral("Analog Signal"));
    QCOMPARE(level->currentText(), QStringLiteral("1.000:0.400:1.400"));
    QVERIFY(level->isVisible());
    QVERIFY(!depth->isVisible());

    VyrTest::chooseRow(type, 1);

    QCOMPARE(emitted.size(), 1);
    const BasicDisplayParams &sent = emitted.last();
    QVERIFY(sent.digital);
    // The rows the digital controls show, not the codes the record held.
    QCOMPARE(sent.colorBitDepth, 0u);
    QCOMPARE(sent.digitalInterface, 0u);
    // The analog fields stay in the copy.
    QCOMPARE(sent.signalLevel, 2u);
    QCOMPARE(analogFlags(sent), QList<bool>({true, false, false, true, false}));
    QVERIFY(depth->isVisible());
    QVERIFY(!level->isVisible());
    QVERIFY(!open.params.digital); // the caller's record is never written

    open.block.store(sent);
    QCOMPARE(open.block.byte(20), quint8(0x80));
}

void tst_BasicParSignalCharWidget::analogFlag_data()
{
    QTest::addColumn<int>("flag");
    // Starting flags: separate sync only.
    for (int flag = 0; flag < 5; ++flag)
        QTest::newRow(kFlagLabels[flag]) << flag;
}

void tst_BasicParSignalCharWidget::analogFlag()
{
    QFETCH(int, flag);
    // Analog, signal level 1, separate sync.
    OpenBasicWidget<BasicParSignalCharWidget> open(false, 0x20 | 0x08);
    BasicParSignalCharWidget &widget = open.widget;
    const QList<BasicDisplayParams> &emitted = open.emitted;

    auto *box = qobject_cast<QCheckBox *>(VyrTest::formField(&widget, kFlagLabels[flag]));
    QVERIFY(box);
    QVERIFY(box->text().isEmpty()); // the form row carries the text
    VyrTest::clickButton(box);

    QList<bool> expected = {false, true, false, false, false};
    expected[flag] = !expected[flag];
    QCOMPARE(emitted.size(), 1);
    QCOMPARE(analogFlags(emitted.last()), expected);
    QCOMPARE(emitted.last().signalLevel, 1u);
    QVERIFY(!emitted.last().digital);
}

void tst_BasicParSignalCharWidget::digitalCodes_data()
{
    QTest::addColumn<int>("input");     // byte 20
    QTest::addColumn<QString>("depth"); // what the colour depth list shows
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("list"); // the list the user changes
    QTest::addColumn<int>("row");
    QTest::addColumn<unsigned>("sentDepth");
    QTest::addColumn<unsigned>("sentInterface");

    QTest::newRow("12 bits shown, 16 bits chosen") << 0xC1 << "12 Bits per Color"
                                                   << "DVI"
                                                   << "Color Depth:" << 6 << 6u << 1u;
    QTest::newRow("reserved depth 7 kept") << 0xF1 << "Unknown (0x07)"
                                           << "DVI"
                                           << "Interface Standard:" << 5 << 7u << 5u;
    QTest::newRow("reserved interface 9 kept") << 0xA9 << "8 Bits per Color"
                                               << "Unknown (0x09)"
                                               << "Color Depth:" << 3 << 3u << 9u;
}

void tst_BasicParSignalCharWidget::digitalCodes()
{
    QFETCH(int, input);
    QFETCH(QString, depth);
    QFETCH(QString, interface);
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(unsigned, sentDepth);
    QFETCH(unsigned, sentInterface);

    OpenBasicWidget<BasicParSignalCharWidget> open(true, quint8(input));
    BasicParSignalCharWidget &widget = open.widget;
    const QList<BasicDisplayParams> &emitted = open.emitted;

    auto *depthList = qobject_cast<QComboBox *>(VyrTest::formField(&widget, "Color Depth:"));
    auto *interfaceList =
        qobject_cast<QComboBox *>(VyrTest::formField(&widget, "Interface Standard:"));
    QVERIFY(depthList && interfaceList);
    QCOMPARE(depthList->currentText(), depth);
    QCOMPARE(interfaceList->currentText(), interface);

    VyrTest::chooseRow(qobject_cast<QComboBox *>(VyrTest::formField(&widget, list)), row);

    QVERIFY(!emitted.isEmpty());
    for (const BasicDisplayParams &sent : emitted) {
        QVERIFY(sent.digital);
        QVERIFY(sent.colorBitDepth <= 7 && sent.digitalInterface <= 15);
    }
    QCOMPARE(emitted.last().colorBitDepth, sentDepth);
    QCOMPARE(emitted.last().digitalInterface, sentInterface);

    open.block.store(emitted.last());
    QCOMPARE(open.block.byte(20), quint8(0x80 | sentDepth << 4 | sentInterface));
}

QTEST_MAIN(tst_BasicParSignalCharWidget)
#include "tst_basicparsignalcharwidget.moc"
