// The fixed-size data blocks of a CEA-861 extension edited in place: speaker allocation and
// colorimetry check boxes, video capability drop-down lists. Each row writes its own bits only.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidtreeharness.h"
#include "locationtext.h"

#include <QTreeWidgetItem>
#include <QtTest>

using CeaTest::Blocks;
using CeaTest::byteAt;
using CeaTest::Cea;
using CeaTest::dataBlockPath;
using VyrTest::TreeHarness;

class tst_CeaExtDataBlockFlagItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsAndLocations_data();
    void rowsAndLocations();
    void flagRows_data();
    void flagRows();
    void videoCapabilityRows_data();
    void videoCapabilityRows();
};

void tst_CeaExtDataBlockFlagItems::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

// The collection's first byte is image byte 132: speaker allocation payload 133-135,
// colorimetry and video capability payload from 134.
void tst_CeaExtDataBlockFlagItems::rowsAndLocations_data()
{
    QTest::addColumn<QByteArray>("collection");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QString>("location");

    const QByteArray speakers = QByteArray::fromHex("83000000");
    const QByteArray colorimetry = QByteArray::fromHex("e3050000");
    const QByteArray caps = QByteArray::fromHex("e20000");
    const QString sp = QStringLiteral("CEA Speaker Allocation");
    const QString co = QStringLiteral("Colorimetry Data Block");
    const QString vc = QStringLiteral("CEA Video Capabilities");
    QTest::newRow("speakers") << speakers << QStringList{sp}
                              << QStringList{"Low Frequency Effect", "Front", "Top Center", "Rear"}
                              << "133:2";
    QTest::newRow("front") << speakers << QStringList{sp, "Front"}
                           << QStringList{"High Left/Right", "High Center",       "Wide Left/Right",
                                          "Left/Right",      "Center Left/Right", "Center"}
                           << "133:1";
    QTest::newRow("rear") << speakers << QStringList{sp, "Rear"}
                          << QStringList{"Left/Right", "Center Left/Right", "Center"} << "133:1";
    QTest::newRow("high left/right")
        << speakers << QStringList{sp, "Front", "High Left/Right"} << QStringList() << "134:1";
    QTest::newRow("high center") << speakers << QStringList{sp, "Front", "High Center"}
                                 << QStringList() << "134:1";
    QTest::newRow("top center") << speakers << QStringList{sp, "Top Center"} << QStringList()
                                << "134:1";
    QTest::newRow("wide") << speakers << QStringList{sp, "Front", "Wide Left/Right"}
                          << QStringList() << "133:1";
    QTest::newRow("colorimetry") << colorimetry << QStringList{co}
                                 << QStringList{"xvYCC-601",    "xvYCC-709",    "Adobe YCC-601",
                                                "Adobe RGB",    "sYCC-601",     "MD Profile 0",
                                                "MD Profile 1", "MD Profile 2", "MD Profile 3"}
                                 << "134:2";
    QTest::newRow("sYCC") << colorimetry << QStringList{co, "sYCC-601"} << QStringList() << "134:1";
    QTest::newRow("MD profile 0") << colorimetry << QStringList{co, "MD Profile 0"} << QStringList()
                                  << "135:1";
    QTest::newRow("capabilities") << caps << QStringList{vc}
                                  << QStringList{"CE Scan Behavior", "IT Scan Behavior",
                                                 "PT Scan Behavior", "RGB Quantization Range",
                                                 "YCC Quantization Range"}
                                  << "134:1";
    QTest::newRow("YCC") << caps << QStringList{vc, "YCC Quantization Range"} << QStringList()
                         << "134:1";
}

void tst_CeaExtDataBlockFlagItems::rowsAndLocations()
{
    QFETCH(QByteArray, collection);
    QFETCH(QStringList, path);
    QFETCH(QStringList, children);
    QFETCH(QString, location);

    TreeHarness h(CeaTest::imageWithCollection(collection));
    QCOMPARE(h.childTitles(dataBlockPath(path)), children);
    QCOMPARE(VyrTest::locationText(h.locations(dataBlockPath(path))), location);
    QCOMPARE(h.row(dataBlockPath(path))->type(), 1114);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// Reserved bits (speaker byte 1 bits 7-3, colorimetry byte 0 bits 7-5 and byte 1 bits 7-4)
// start set and must stay so; a row clearing its flag starts from all bits set.
void tst_CeaExtDataBlockFlagItems::flagRows_data()
{
    QTest::addColumn<QByteArray>("collection");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");

    const QByteArray speakers = QByteArray::fromHex("8300f800");
    const QByteArray allSpeakers = QByteArray::fromHex("83ffffff");
    const QString sp = QStringLiteral("CEA Speaker Allocation");
    struct Row
    {
        const char *name;
        QStringList path;
        int offset;
        int expected;
    };
    const Row speakerRows[] = {
        {"LFE", {sp, "Low Frequency Effect"}, 133, 0x02},
        {"front high L/R", {sp, "Front", "High Left/Right"}, 134, 0xf9},
        {"front high center", {sp, "Front", "High Center"}, 134, 0xfc},
        {"front wide L/R", {sp, "Front", "Wide Left/Right"}, 133, 0x80},
        {"front L/R", {sp, "Front", "Left/Right"}, 133, 0x01},
        {"front center L/R", {sp, "Front", "Center Left/Right"}, 133, 0x20},
        {"front center", {sp, "Front", "Center"}, 133, 0x04},
        {"top center", {sp, "Top Center"}, 134, 0xfa},
        {"rear L/R", {sp, "Rear", "Left/Right"}, 133, 0x08},
        {"rear center L/R", {sp, "Rear", "Center Left/Right"}, 133, 0x40},
        {"rear center", {sp, "Rear", "Center"}, 133, 0x10},
    };
    for (const Row &row : speakerRows)
        QTest::newRow(row.name) << speakers << row.path << true << row.offset << row.expected;
    QTest::newRow("front wide L/R off")
        << allSpeakers << QStringList{sp, "Front", "Wide Left/Right"} << false << 133 << 0x7f;
    QTest::newRow("top center off")
        << allSpeakers << QStringList{sp, "Top Center"} << false << 134 << 0xfd;

    const QByteArray colorimetry = QByteArray::fromHex("e305e0f0");
    const QByteArray allColorimetry = QByteArray::fromHex("e305ffff");
    const QString co = QStringLiteral("Colorimetry Data Block");
    const Row colorimetryRows[] = {
        {"xvYCC-601", {co, "xvYCC-601"}, 134, 0xe1},
        {"xvYCC-709", {co, "xvYCC-709"}, 134, 0xe2},
        {"Adobe YCC-601", {co, "Adobe YCC-601"}, 134, 0xe8},
        {"Adobe RGB", {co, "Adobe RGB"}, 134, 0xf0},
        {"sYCC-601", {co, "sYCC-601"}, 134, 0xe4},
        {"MD0", {co, "MD Profile 0"}, 135, 0xf1},
        {"MD1", {co, "MD Profile 1"}, 135, 0xf2},
        {"MD2", {co, "MD Profile 2"}, 135, 0xf4},
        {"MD3", {co, "MD Profile 3"}, 135, 0xf8},
    };
    for (const Row &row : colorimetryRows)
        QTest::newRow(row.name) << colorimetry << row.path << true << row.offset << row.expected;
    QTest::newRow("sYCC-601 off") << allColorimetry << QStringList{co, "sYCC-601"} << false << 134
                                  << 0xfb;
    QTest::newRow("MD3 off") << allColorimetry << QStringList{co, "MD Profile 3"} << false << 135
                             << 0xf7;
}

void tst_CeaExtDataBlockFlagItems::flagRows()
{
    QFETCH(QByteArray, collection);
    QFETCH(QStringList, path);
    QFETCH(bool, checked);
    QFETCH(int, offset);
    QFETCH(int, expected);

    TreeHarness h(CeaTest::imageWithCollection(collection));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
    QVERIFY(h.tick(dataBlockPath(path), checked));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {offset});
    QCOMPARE(byteAt(h.image(), offset), expected);
}

void tst_CeaExtDataBlockFlagItems::videoCapabilityRows_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("expected");

    QTest::newRow("CE underscanned") << 0x00 << "CE Scan Behavior"
                                     << "Always Underscanned" << 0x02;
    QTest::newRow("IT both") << 0x00 << "IT Scan Behavior"
                             << "Supports both Overscan and Underscan" << 0x0c;
    QTest::newRow("PT overscanned") << 0x00 << "PT Scan Behavior"
                                    << "Always Overscanned" << 0x10;
    QTest::newRow("RGB selectable") << 0x00 << "RGB Quantization Range"
                                    << "Selectable (via AVI Q)" << 0x40;
    QTest::newRow("YCC full") << 0x00 << "YCC Quantization Range"
                              << "Full Range" << 0x80;
    QTest::newRow("YCC limited") << 0xff << "YCC Quantization Range"
                                 << "Limited Range" << 0x7f;
    QTest::newRow("RGB no data") << 0xff << "RGB Quantization Range"
                                 << "No Data" << 0xbf;
    QTest::newRow("CE not supported") << 0xff << "CE Scan Behavior"
                                      << "Video Format not supported" << 0xfc;
}

void tst_CeaExtDataBlockFlagItems::videoCapabilityRows()
{
    QFETCH(int, start);
    QFETCH(QString, row);
    QFETCH(QString, entry);
    QFETCH(int, expected);

    QByteArray collection = QByteArray::fromHex("e200");
    collection += static_cast<char>(start);
    TreeHarness h(CeaTest::imageWithCollection(collection));
    const QStringList path = dataBlockPath({"CEA Video Capabilities", row});
    QVERIFY(h.choose(path, entry));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {134});
    QCOMPARE(byteAt(h.image(), 134), expected);
}

QTEST_MAIN(tst_CeaExtDataBlockFlagItems)
#include "tst_ceaextdatablockflagitems.moc"
