// The audio data block edited in place: the descriptor count, and per short audio descriptor
// its format, rates, channels, format-dependent value and LPCM bit depths.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidtreeharness.h"
#include "locationtext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QValidator>
#include <QtTest>

using CeaTest::Blocks;
using CeaTest::Cea;
using VyrTest::TreeHarness;

namespace {

const QString Audio = QStringLiteral("Audio Data Block");

QStringList sad(int k, const QStringList &rest = {})
{
    return QStringList{Cea, Blocks, Audio, QString::number(k)} + rest;
}

// Collection from 132: header 132, descriptor 0 at 133-135, descriptor 1 at 136-138.
// Descriptor 0: LPCM, 2 channels, 32/44.1/48 kHz, 16/20/24 bit; descriptor 1: AC-3, 6 channels,
// 48 kHz, 640 kHz.
const QByteArray TwoSads = QByteArray::fromHex("26090707150450");

} // namespace

class tst_CeaExtDataBlockAudioItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rows();
    void lpcmAgainstOthers();
    void formatValue_data();
    void formatValue();
    void valueRowFollowsFormat_data();
    void valueRowFollowsFormat();
    void channels_data();
    void channels();
    void raiseCountKeepsEdits();
};

void tst_CeaExtDataBlockAudioItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_CeaExtDataBlockAudioItem::rows()
{
    TreeHarness h(CeaTest::imageWithCollection(TwoSads));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QCOMPARE(h.childTitles({Cea, Blocks, Audio}), QStringList({"0", "1"}));
    QCOMPARE(h.childTitles(sad(0)), QStringList({"Format", "Number of Channels", "", "Bit Rate"}));
    QCOMPARE(h.childTitles(sad(0, {"Format"})),
             QStringList({"32kHz", "44.1kHz", "48kHz", "88.2kHz", "96kHz", "176.4", "192kHz"}));
    QCOMPARE(h.childTitles(sad(0, {"Bit Rate"})), QStringList({"16bit", "20bit", "24bit"}));
    QCOMPARE(h.valueText(sad(0, {"Format"})), "LPCM");
    QCOMPARE(h.valueText(sad(0, {"Number of Channels"})), "2");
    QCOMPARE(h.valueText(sad(1, {"Format"})), "AC-3");
    QCOMPARE(h.valueText(sad(1, {"Max bit rate (kHz)"})), "640");
    QCOMPARE(h.valueText(sad(1, {"Number of Channels"})), "6");
    QCOMPARE(VyrTest::locationText(h.locations(sad(1))), "136:3");
    QCOMPARE(VyrTest::locationText(h.locations(sad(1, {"Format", "48kHz"}))), "137:1");
    QCOMPARE(VyrTest::locationText(h.locations(sad(1, {"Number of Channels"}))), "136:1");
    QCOMPARE(VyrTest::locationText(h.locations(sad(1, {"Bit Rate", "24bit"}))), "138:1");
    QCOMPARE(h.valueText({Cea, Blocks, Audio}), "2");
}

// LPCM enables the bit depths and writes them to byte 2 bits 2-0; other formats disable them
// and enable the value editor.
void tst_CeaExtDataBlockAudioItem::lpcmAgainstOthers()
{
    TreeHarness h(CeaTest::imageWithCollection(TwoSads));
    auto *depth = qobject_cast<QCheckBox *>(h.widget(sad(0, {"Bit Rate", "20bit"})));
    auto *value = qobject_cast<QLineEdit *>(h.widget(sad(0, {""})));
    QVERIFY(depth && value);
    QVERIFY(depth->isEnabled());
    QVERIFY(!value->isEnabled());
    QVERIFY(h.tick(sad(0, {"Bit Rate", "20bit"}), false));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {135});
    QCOMPARE(static_cast<unsigned char>(h.image().at(135)), 0x05);

    QVERIFY(h.choose(sad(0, {"Format"}), "DTS"));
    QVERIFY(!depth->isEnabled());
    QVERIFY(value->isEnabled());
    QCOMPARE(h.row(sad(0, {"Max bit rate (kHz)"})) != nullptr, true);
    QCOMPARE(value->toolTip(), "Valid range is 0 --> 2043");
    QCOMPARE(static_cast<unsigned char>(h.image().at(133)), 0x39); // DTS (7), 2 channels

    QVERIFY(h.choose(sad(1, {"Format"}), "LPCM"));
    auto *depth1 = qobject_cast<QCheckBox *>(h.widget(sad(1, {"Bit Rate", "16bit"})));
    QVERIFY(depth1 && depth1->isEnabled());
}

// The value row by format: label, range and what byte 2 stores.
void tst_CeaExtDataBlockAudioItem::formatValue_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte0");
    QTest::addColumn<int>("byte2");

    QTest::newRow("bit rate 2043") << "MP3"
                                   << "Max bit rate (kHz)"
                                   << "2043" << 0x25 << 255;
    QTest::newRow("bit rate 2040") << "AAC LC"
                                   << "Max bit rate (kHz)"
                                   << "2040" << 0x35 << 255;
    QTest::newRow("bit rate 100") << "AC-3"
                                  << "Max bit rate (kHz)"
                                  << "100" << 0x15 << 12;
    QTest::newRow("value") << "DSD"
                           << "Value"
                           << "200" << 0x4d << 200;
    QTest::newRow("profile") << "WMA-Pro"
                             << "Profile"
                             << "5" << 0x75 << 0x05;
    QTest::newRow("extension code") << "Extended"
                                    << "Extended Code"
                                    << "11" << 0x7d << 0x58;
}

void tst_CeaExtDataBlockAudioItem::formatValue()
{
    QFETCH(QString, format);
    QFETCH(QString, label);
    QFETCH(QString, typed);
    QFETCH(int, byte0);
    QFETCH(int, byte2);

    TreeHarness h(CeaTest::imageWithCollection(TwoSads));
    QVERIFY(h.choose(sad(1, {"Format"}), format));
    QVERIFY(h.type(sad(1, {label}), typed));
    QCOMPARE(static_cast<unsigned char>(h.image().at(136)), byte0);
    QCOMPARE(static_cast<unsigned char>(h.image().at(137)), 0x04); // rates kept
    QCOMPARE(static_cast<unsigned char>(h.image().at(138)), byte2);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {136, 138});
}

// After a change of format the value row shows what a tree built from the stored bytes shows
// (title, tool tip, text, enabled state), whatever format was chosen before. A list is stepped
// through entry by entry, as by the arrow keys, so "E-AC-3" to "LPCM" passes the bit rate
// formats on its way.
void tst_CeaExtDataBlockAudioItem::valueRowFollowsFormat_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("label");

    QTest::newRow("value to LPCM") << "E-AC-3"
                                   << "LPCM"
                                   << "";
    QTest::newRow("extension code to profile") << "Extended"
                                               << "WMA-Pro"
                                               << "Profile";
    QTest::newRow("LPCM to bit rate") << "LPCM"
                                      << "DTS"
                                      << "Max bit rate (kHz)";
    QTest::newRow("profile to value") << "WMA-Pro"
                                      << "DST"
                                      << "Value";
}

void tst_CeaExtDataBlockAudioItem::valueRowFollowsFormat()
{
    QFETCH(QString, before);
    QFETCH(QString, format);
    QFETCH(QString, label);

    TreeHarness h(CeaTest::imageWithCollection(TwoSads));
    QVERIFY(h.choose(sad(1, {"Format"}), before));
    QVERIFY(h.choose(sad(1, {"Format"}), format));
    QCOMPARE(h.childTitles(sad(1)),
             QStringList({"Format", "Number of Channels", label, "Bit Rate"}));

    TreeHarness fresh(h.image());
    QCOMPARE(h.childTitles(sad(1)), fresh.childTitles(sad(1)));
    auto *value = qobject_cast<QLineEdit *>(h.widget(sad(1, {label})));
    auto *freshValue = qobject_cast<QLineEdit *>(fresh.widget(sad(1, {label})));
    QVERIFY(value && freshValue);
    QCOMPARE(value->toolTip(), freshValue->toolTip());
    QCOMPARE(value->text(), freshValue->text());
    QCOMPARE(value->isEnabled(), freshValue->isEnabled());
    // One validator at most: each format replaces the one before.
    QVERIFY(value->findChildren<QValidator *>().size() <= 1);
}

void tst_CeaExtDataBlockAudioItem::channels_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte0");

    QTest::newRow("8") << "8" << 0x0f;
    QTest::newRow("1") << "1" << 0x08;
    QTest::newRow("empty keeps 2") << "" << 0x09;
}

void tst_CeaExtDataBlockAudioItem::channels()
{
    QFETCH(QString, typed);
    QFETCH(int, byte0);

    TreeHarness h(CeaTest::imageWithCollection(TwoSads));
    auto *edit = qobject_cast<QLineEdit *>(h.widget(sad(0, {"Number of Channels"})));
    QVERIFY(edit);
    edit->setText(typed);
    edit->setModified(true);
    emit edit->editingFinished();
    QCOMPARE(static_cast<unsigned char>(h.image().at(133)), byte0);
}

// Raising the count keeps the descriptors edited before; the new ones are zero bytes.
void tst_CeaExtDataBlockAudioItem::raiseCountKeepsEdits()
{
    TreeHarness h(CeaTest::imageWithCollection(TwoSads));
    QVERIFY(h.tick(sad(1, {"Format", "192kHz"}), true));
    QVERIFY(h.choose({Cea, Blocks, Audio}, "4"));
    h.settle();
    QCOMPARE(h.image().mid(132, 13), QByteArray::fromHex("2c"
                                                         "090707"
                                                         "154450"
                                                         "000000"
                                                         "000000"));
    QCOMPARE(h.childTitles({Cea, Blocks, Audio}), QStringList({"0", "1", "2", "3"}));
    QCOMPARE(h.valueText(sad(3, {"Number of Channels"})), "1");
}

QTEST_MAIN(tst_CeaExtDataBlockAudioItem)
#include "tst_ceaextdatablockaudioitem.moc"
