#include "connectwarninghandler.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"

#include <QLineEdit>
#include <QTreeWidgetItem>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

const QStringList Group{"Base Block", "General Info"};

QStringList rowPath(const QString &title)
{
    return Group + QStringList{title};
}

// Manufacturer "AAA", product 1234, serial FFFFFFFF, week 10, year 2015.
QByteArray identifiedImage(bool edid14)
{
    return (edid14 ? EdidImageBuilder().edid14() : EdidImageBuilder().edid13())
        .patch(8, {0x04, 0x21, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 10, 0x19})
        .image();
}

QString checksumText(const QByteArray &image)
{
    return QStringLiteral("%1").arg(quint8(image.at(127)), 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

class tst_VyrEdidGeneralInfoItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShowTheBlock_data();
    void rowsShowTheBlock();
    void manufacturerTextStopsAtZeroCode();
    void editsWriteTheirBytes_data();
    void editsWriteTheirBytes();
    void refusedTextWritesNothing_data();
    void refusedTextWritesNothing();
    void yearEditRefreshesChecksumAndHexView();
    void checksumFollowsEditsOfOtherGroups();
    void highlights_data();
    void highlights();
};

void tst_VyrEdidGeneralInfoItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidGeneralInfoItem::rowsShowTheBlock_data()
{
    QTest::addColumn<bool>("edid14");
    QTest::newRow("EDID 1.3") << false;
    QTest::newRow("EDID 1.4") << true;
}

void tst_VyrEdidGeneralInfoItem::rowsShowTheBlock()
{
    QFETCH(bool, edid14);
    TreeHarness h(identifiedImage(edid14));
    const QStringList titles{"Version",     "ManufName",   "Product Code", "Serial Number",
                             "WeekOfManuf", "YearIfManuf", "NumOfExt",     "CheckSum"};
    QCOMPARE(h.childTitles(Group), titles);
    const QStringList values{edid14 ? "1.4" : "1.3", "AAA", "1234", "FFFFFFFF", "10", "2015", "0",
                             checksumText(h.image())};
    const QStringList tags{"[DEC]", "[STR]", "[HEX]", "[HEX]", "[DEC]", "[DEC]", "[DEC]", "[HEX]"};
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(h.valueText(rowPath(titles.at(i))), values.at(i));
        QCOMPARE(h.row(rowPath(titles.at(i)))->text(2), tags.at(i));
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

// Letter codes 1, 0, 3: the text ends at the zero code.
void tst_VyrEdidGeneralInfoItem::manufacturerTextStopsAtZeroCode()
{
    TreeHarness h(EdidImageBuilder().edid14().patch(8, {0x04, 0x03}).image());
    QCOMPARE(h.valueText(rowPath("ManufName")), QStringLiteral("A"));
}

void tst_VyrEdidGeneralInfoItem::editsWriteTheirBytes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("manufacturer abc") << "ManufName"
                                      << "abc"
                                      << "ABC" << 8 << QByteArray("\x04\x43");
    QTest::newRow("product code") << "Product Code"
                                  << "beef"
                                  << "BEEF" << 10 << QByteArray("\xEF\xBE");
    // The emptied field shows the code stored, 0, as a fresh tree does.
    QTest::newRow("product code emptied") << "Product Code"
                                          << ""
                                          << "0" << 10 << QByteArray("\x00\x00", 2);
    QTest::newRow("serial number") << "Serial Number"
                                   << "abcd1234"
                                   << "ABCD1234" << 12 << QByteArray("\x34\x12\xCD\xAB");
    QTest::newRow("week 53") << "WeekOfManuf"
                             << "53"
                             << "53" << 16 << QByteArray("\x35");
    QTest::newRow("week 0, not given") << "WeekOfManuf"
                                       << "0"
                                       << "0" << 16 << QByteArray("\x00", 1);
    QTest::newRow("week 255, model year") << "WeekOfManuf"
                                          << "255"
                                          << "255" << 16 << QByteArray("\xFF");
    QTest::newRow("year 2016") << "YearIfManuf"
                               << "2016"
                               << "2016" << 17 << QByteArray("\x1A");
    QTest::newRow("year 2245") << "YearIfManuf"
                               << "2245"
                               << "2245" << 17 << QByteArray("\xFF");
    QTest::newRow("year 1990") << "YearIfManuf"
                               << "1990"
                               << "1990" << 17 << QByteArray("\x00", 1);
}

void tst_VyrEdidGeneralInfoItem::editsWriteTheirBytes()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    TreeHarness h(identifiedImage(true));
    QVERIFY(h.type(rowPath(title), text));
    QCOMPARE(h.valueText(rowPath(title)), shown);
    QCOMPARE(h.image().mid(offset, bytes.size()).toHex(' '), bytes.toHex(' '));
    QList<int> allowed;
    for (int i = 0; i < bytes.size(); ++i)
        allowed << offset + i;
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), allowed);
}

void tst_VyrEdidGeneralInfoItem::refusedTextWritesNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("two letters") << "ManufName"
                                 << "ab";
    QTest::newRow("digits for letters") << "ManufName"
                                        << "123";
    QTest::newRow("week emptied") << "WeekOfManuf"
                                  << "";
    QTest::newRow("year 1989") << "YearIfManuf"
                               << "1989";
    QTest::newRow("year 2246") << "YearIfManuf"
                               << "2246";
    QTest::newRow("year 20") << "YearIfManuf"
                             << "20";
}

void tst_VyrEdidGeneralInfoItem::refusedTextWritesNothing()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    TreeHarness h(identifiedImage(false));
    QVERIFY(h.type(rowPath(title), text, TreeHarness::Leave::Enter));
    QVERIFY(h.type(rowPath(title), text, TreeHarness::Leave::FocusOut));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_VyrEdidGeneralInfoItem::yearEditRefreshesChecksumAndHexView()
{
    TreeHarness h(identifiedImage(false));
    QCOMPARE(h.valueText(rowPath("YearIfManuf")), QStringLiteral("2015"));
    QVERIFY(h.type(rowPath("YearIfManuf"), "2016"));
    QCOMPARE(quint8(h.image().at(17)), quint8(0x1A));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {17});
    QVERIFY(h.image().at(127) != h.original().at(127));
    QCOMPARE(h.valueText(rowPath("CheckSum")), checksumText(h.image()));
    QCOMPARE(h.hexCell(127), checksumText(h.image()));
    QCOMPARE(h.hexCell(17), QStringLiteral("1A"));
}

// The checksum row shows byte 127 as it is, also after an edit in another group.
void tst_VyrEdidGeneralInfoItem::checksumFollowsEditsOfOtherGroups()
{
    TreeHarness h(identifiedImage(true));
    const QStringList flag{"Base Block", "Basic Params Info", "sRGB Default CSC"};
    QVERIFY(h.tick(flag, h.row(flag)->checkState(1) != Qt::Checked));
    QVERIFY(h.image().at(127) != h.original().at(127));
    QCOMPARE(h.valueText(rowPath("CheckSum")), checksumText(h.image()));
}

void tst_VyrEdidGeneralInfoItem::highlights_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("group") << "" << 8 << 12;
    QTest::newRow("checksum") << "CheckSum" << 127 << 1;
    QTest::newRow("extension count") << "NumOfExt" << 126 << 1;
    QTest::newRow("version") << "Version" << 18 << 2;
    QTest::newRow("manufacturer") << "ManufName" << 8 << 2;
    QTest::newRow("serial number") << "Serial Number" << 12 << 4;
    QTest::newRow("year") << "YearIfManuf" << 17 << 1;
}

void tst_VyrEdidGeneralInfoItem::highlights()
{
    QFETCH(QString, title);
    QFETCH(int, first);
    QFETCH(int, count);
    TreeHarness h(identifiedImage(false));
    QVERIFY(h.select(title.isEmpty() ? Group : rowPath(title)));
    QList<int> expected;
    for (int i = 0; i < count; ++i)
        expected << first + i;
    QCOMPARE(h.highlightedBytes(), expected);
}

QTEST_MAIN(tst_VyrEdidGeneralInfoItem)
#include "tst_vyredidgeneralinfoitem.moc"
