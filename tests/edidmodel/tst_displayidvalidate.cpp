// The text report of a DisplayID section: one fixture per defect, a clean section, the
// heading, and the checks of a buffer before any object exists.

#include "displayidfixtures.h"
#include "edidbytes.h"
#include "model/displayid/displayidblock.h"
#include "reportsink.h"

#include <QtTest>

using namespace DidFixture;
using namespace VyrTest;

namespace {

QString framed(const QString &text)
{
    return QStringLiteral("  ") + text + QStringLiteral(" \r\n");
}

// Valid blocks of several kinds.
const QByteArray kParams = dataBlock(0x01, 0, hex("5817 f80c 000f 7008 10 78 4e bb"));
const QByteArray kType1 =
    dataBlock(0x03, 0, hex("3c6c02 8f 7f07 1701 5700 2b00 3704 2c00 0380 0400"));

enum Layout { Wrapped, Base, StandAlone };

} // namespace

class tst_DisplayIDValidate : public QObject
{
    Q_OBJECT

private slots:
    void report_data();
    void report();
    void heading();
    void inert();
    void bufferChecks_data();
    void bufferChecks();
};

void tst_DisplayIDValidate::report_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("problems");
    QTest::addColumn<QStringList>("expected");

    const QString valid = QStringLiteral("  Block is valid\r\n");
    QTest::newRow("clean extension")
        << int(Wrapped)
        << kParams + kType1 + dataBlock(0x07, 0, QByteArray(10, 1))
               + dataBlock(0x08, 0, QByteArray(8, 1)) + dataBlock(0x06, 0x40, hex("1040"))
               + dataBlock(0x0a, 0, QByteArray("SN1"))
               + dataBlock(0x12, 0, hex("82 10 00 00 bf0b 370d 00 00000000 415050 23ae 40e20100"))
               + dataBlock(0x7f, 0, hex("0010fa"))
        << 0 << QStringList{valid};
    QTest::newRow("clean base")
        << int(Base)
        << dataBlock(0x00, 0, hex("4c4744 3412 40e20100 05 17 00")) + kParams
               + dataBlock(0x02, 1, hex("21 123456 abcdef 010203"))
               + dataBlock(0x0c, 0, QByteArray(13, 0)) + dataBlock(0x0d, 0, QByteArray(6, 0))
               + dataBlock(0x0f, 0, QByteArray(10, 0)) + dataBlock(0x10, 0, hex("0200 01"))
               + dataBlock(0x09, 0, hex("e90300 1d5a00 1e 87 5000 30 4b 2600 f0"))
        << 0 << QStringList{valid};

    QTest::newRow("section too long")
        << int(StandAlone) << QByteArray(123, 0) << 1
        << QStringList{framed(QStringLiteral("Section size is greater than 122 bytes."))};

    const QString pid = QStringLiteral("[Product identification data block] - ");
    QTest::newRow("product id size")
        << int(Base) << dataBlock(0x00, 0, QByteArray(11, 1)) << 1
        << QStringList{framed(
               pid + QStringLiteral("payload size is beyond the range [12 bytes, 248 bytes]."))};
    QTest::newRow("product id not first")
        << int(Base) << kType1 + dataBlock(0x00, 0, hex("4c4744 3412 40e20100 05 17 00")) << 1
        << QStringList{framed(pid + QStringLiteral("this block has to be first one."))};
    QTest::newRow("product id week")
        << int(Base) << dataBlock(0x00, 0, hex("4c4744 3412 40e20100 37 17 00")) << 1
        << QStringList{framed(QStringLiteral(
               "[Product idenfication data block] - manufacturer week can't exceed 54."))};
    QTest::newRow("product id year")
        << int(Base) << dataBlock(0x00, 0, hex("4c4744 3412 40e20100 05 00 00")) << 1
        << QStringList{framed(QStringLiteral("[Product idenfication data block] - manufacturer "
                                             "year can't be smaller than 2000."))};

    const QString dp = QStringLiteral("[Display parameters data block] - ");
    QTest::newRow("params size") << int(Wrapped) << dataBlock(0x01, 0, QByteArray(11, 1)) << 1
                                 << QStringList{framed(
                                        dp + QStringLiteral("payload size should be 12 bytes]."))};
    QTest::newRow("params image size")
        << int(Wrapped) << dataBlock(0x01, 0, hex("0000 f80c 000f 7008 10 78 4e bb")) << 1
        << QStringList{framed(
               dp + QStringLiteral("horizontal image size should be within [0.1 , 6553.5] mm."))};
    QTest::newRow("params pixels")
        << int(Wrapped) << dataBlock(0x01, 0, hex("5817 f80c 000f 0000 10 78 4e bb")) << 1
        << QStringList{
               framed(dp + QStringLiteral("vertical pixel count should be within [1, 65 535]."))};
    QTest::newRow("params gamma")
        << int(Wrapped) << dataBlock(0x01, 0, hex("5817 f80c 000f 7008 10 ff 4e bb")) << 1
        << QStringList{framed(dp + QStringLiteral("gamma value should be within [1.00, 3.54]."))};

    const QString cc = QStringLiteral("[Color characteristics data block] - ");
    QTest::newRow("colour size")
        << int(Wrapped) << dataBlock(0x02, 1, hex("21 123456 abcdef 0102")) << 2
        << QStringList{
               framed(cc + QStringLiteral("payload size is invalid.")),
               framed(cc
                      + QStringLiteral(
                          "payload size does not match number of primaries and white points."))};
    QTest::newRow("colour counts")
        << int(Wrapped) << dataBlock(0x02, 1, hex("11 123456 abcdef 010203")) << 1
        << QStringList{
               framed(cc
                      + QStringLiteral(
                          "payload size does not match number of primaries and white points."))};
    QTest::newRow("colour no white point")
        << int(Wrapped) << dataBlock(0x02, 1, hex("10 123456")) << 1
        << QStringList{
               framed(cc + QStringLiteral("Number of white points has to be greater than 0."))};

    QTest::newRow("Type I size")
        << int(Wrapped) << dataBlock(0x03, 0, QByteArray(30, 1)) << 1
        << QStringList{
               framed(QStringLiteral("[Type 1 Detailed Timing] - the payload size is invalid."))};
    QTest::newRow("Type II size")
        << int(Wrapped) << dataBlock(0x04, 0, QByteArray(12, 1)) << 1
        << QStringList{
               framed(QStringLiteral("[Type 2 Detailed Timing] - the payload size is invalid."))};
    QTest::newRow("Type III size")
        << int(Wrapped) << dataBlock(0x05, 0, QByteArray(4, 1)) << 1
        << QStringList{
               framed(QStringLiteral("[Type 3 Short Timing] - the payload size is invalid."))};
    QTest::newRow("Type IV empty")
        << int(Wrapped) << dataBlock(0x06, 0, QByteArray()) << 1
        << QStringList{
               framed(QStringLiteral("[Type 4 DMT Timing] - the payload size is invalid."))};
    QTest::newRow("Type IV DMT code 0")
        << int(Wrapped) << dataBlock(0x06, 0x00, hex("0052")) << 1
        << QStringList{framed(
               QStringLiteral("[Type 4 DMT Timing] - timing code is outside the range [1, 255]."))};
    QTest::newRow("Type IV VIC 65")
        << int(Wrapped) << dataBlock(0x06, 0x41, hex("1041")) << 1
        << QStringList{framed(
               QStringLiteral("[Type 4 DMT Timing] - timing code is outside the range [1, 64]."))};
    QTest::newRow("Type IV HDMI VIC 5")
        << int(Wrapped) << dataBlock(0x06, 0x81, hex("05")) << 1
        << QStringList{framed(
               QStringLiteral("[Type 4 DMT Timing] - timing code is outside the range [1, 4]."))};
    QTest::newRow("Type V size") << int(Wrapped) << dataBlock(0x11, 0, QByteArray(8, 1)) << 1
                                 << QStringList{framed(QStringLiteral(
                                        "[Type 5 Short Timing] - the payload size is invalid."))};
    QTest::newRow("Type VI size") << int(Wrapped) << dataBlock(0x13, 0, QByteArray(13, 1)) << 1
                                  << QStringList{};
    QTest::newRow("VESA size") << int(Wrapped) << dataBlock(0x07, 0, QByteArray(9, 1)) << 1
                               << QStringList{framed(QStringLiteral(
                                      "[VESA Timing Data Block] - the payload size is invalid."))};
    QTest::newRow("CEA size") << int(Wrapped) << dataBlock(0x08, 0, QByteArray(9, 1)) << 1
                              << QStringList{framed(QStringLiteral(
                                     "[CEA Timing Data Block] - the payload size is invalid."))};
    QTest::newRow("range limits size")
        << int(Wrapped) << dataBlock(0x09, 0, QByteArray(14, 1)) << 1
        << QStringList{framed(QStringLiteral(
               "[Video Timing Range Limits Data Block] - the payload size is invalid."))};
    QTest::newRow("range limits clock")
        << int(Wrapped) << dataBlock(0x09, 0, hex("000000 1d5a00 1e 87 5000 30 4b 2600 f0")) << 1
        << QStringList{framed(QStringLiteral("[Range Limits Data Block] - min. pixel clock should "
                                             "be within 0.01->167,772.16 MHz."))};
    QTest::newRow("device size")
        << int(Wrapped) << dataBlock(0x0c, 0, QByteArray(12, 1)) << 1
        << QStringList{framed(
               QStringLiteral("[Display Device Data Block] - the payload size is invalid."))};
    QTest::newRow("power size")
        << int(Wrapped) << dataBlock(0x0d, 0, QByteArray(5, 1)) << 1
        << QStringList{framed(
               QStringLiteral("[Power Sequencing Data Block] - the payload size is invalid."))};
    QTest::newRow("interface size")
        << int(Wrapped) << dataBlock(0x0f, 0, QByteArray(9, 1)) << 1
        << QStringList{framed(
               QStringLiteral("[Display Interface Data Block] - the payload size is invalid."))};
    QTest::newRow("stereo size")
        << int(Wrapped) << dataBlock(0x10, 0, QByteArray(1, 1)) << 1
        << QStringList{framed(
               QStringLiteral("[Stereo Interface Data Block] - the payload size is invalid."))};
    QTest::newRow("stereo method part")
        << int(Wrapped) << dataBlock(0x10, 0, hex("0500 01")) << 1
        << QStringList{framed(
               QStringLiteral("[Stereo Interface Data Block] - the payload size is invalid."))};
    QTest::newRow("vendor size")
        << int(Wrapped) << dataBlock(0x7f, 0, QByteArray(2, 1)) << 1
        << QStringList{framed(
               QStringLiteral("[Vendor Specific Data Block] - the payload size is invalid."))};
    QTest::newRow("tiled size") << int(Wrapped) << dataBlock(0x12, 0, QByteArray(21, 1)) << 1
                                << QStringList{framed(QStringLiteral(
                                       "[Tiled Display Block]  - the payload size is invalid."))};
    QTest::newRow("tiled density")
        << int(Wrapped)
        << dataBlock(0x12, 0, hex("c2 10 00 00 bf0b 370d 00 01010101 415050 23ae 40e20100")) << 1
        << QStringList{framed(QStringLiteral(
               "[Tiled Display] - Pixel density should be non-zero when bezel info is present."))};
    QTest::newRow("tiled bezels")
        << int(Wrapped)
        << dataBlock(0x12, 0, hex("82 10 00 00 bf0b 370d 00 00000100 415050 23ae 40e20100")) << 1
        << QStringList{framed(QStringLiteral("[Tiled Display] - Bezel info is provided although "
                                             "the bezel info bit was set to 0."))};
    QTest::newRow("two display parameters")
        << int(Wrapped) << kParams + kParams << 1
        << QStringList{
               framed(QStringLiteral("There can only be 1 display parameters data block."))};
    QTest::newRow("two stereo blocks")
        << int(Wrapped) << dataBlock(0x10, 0, hex("0200 01")) + dataBlock(0x10, 0, hex("0201 00"))
        << 1
        << QStringList{framed(QStringLiteral("There can only be 1 stereo interface data block."))};
    QTest::newRow("two VESA blocks")
        << int(Wrapped)
        << dataBlock(0x07, 0, QByteArray(10, 0)) + dataBlock(0x07, 0, QByteArray(10, 0)) << 1
        << QStringList{
               framed(QStringLiteral("There can only be 1 VESA timing standard data block."))};
}

void tst_DisplayIDValidate::report()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, data);
    QFETCH(int, problems);
    QFETCH(QStringList, expected);

    QByteArray image;
    unsigned size = 128;
    if (layout == Base) {
        image = section(0x12, unsigned(data.size()), 3, data, 512);
        size = 512;
    } else if (layout == StandAlone) {
        image = section(0x12, unsigned(data.size()), 0, data, 128);
    } else {
        image = wrapped(0x12, 121, 0, data);
    }
    DisplayIDBlock b(bytes(image), size, 0, nullptr);
    QVERIFY(b.GetBlockSize() != 0);
    const QByteArray before = snapshot(image);
    ReportSink sink;
    QCOMPARE(b.Validate(&sink), problems);
    QVERIFY(!sink.lines.isEmpty());
    QVERIFY(sink.lines.first().startsWith(QStringLiteral("\r\nValidating DisplayID 1.2 ")));
    QCOMPARE(sink.lines.mid(1), expected);
    QCOMPARE(image, before); // the report only reads
}

void tst_DisplayIDValidate::heading()
{
    QByteArray base = section(0x13, 23, 2, kType1, 512);
    DisplayIDBlock b(bytes(base), 512, 0, nullptr);
    ReportSink sink;
    b.Validate(&sink);
    QCOMPARE(sink.lines.first(),
             QStringLiteral(
                 "\r\nValidating DisplayID 1.3 Base Block. Data Range: Byte[0] --> Byte[27]\r\n"));

    QByteArray image(256, '\0');
    image.replace(128, 128, wrapped(0x11, 23, 0, kType1));
    DisplayIDBlock e(bytes(image) + 128, 128, 128, nullptr);
    ReportSink ext;
    QCOMPARE(e.Validate(&ext), 0);
    QCOMPARE(ext.lines, (QStringList{QStringLiteral("\r\nValidating DisplayID 1.1 Extension Block. "
                                                    "Data Range: Byte[129] --> Byte[255]\r\n"),
                                     QStringLiteral("  Block is valid\r\n")}));
}

void tst_DisplayIDValidate::inert()
{
    QByteArray junk(128, '\x33');
    DisplayIDBlock b(bytes(junk), 128, 0, nullptr);
    ReportSink sink;
    QCOMPARE(b.Validate(&sink), 0);
    QVERIFY(sink.lines.isEmpty());
}

void tst_DisplayIDValidate::bufferChecks_data()
{
    QTest::addColumn<bool>("extension");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("line");

    const QByteArray ok = section(0x12, 23, 2, kType1, 128);
    QTest::newRow("base ok") << false << ok << 0 << 128 << QString();
    QTest::newRow("base short")
        << false << ok << 0 << 4
        << QStringLiteral("  DisplayID: 4 - unsufficient size. Required at least 5 bytes\r\n");
    QTest::newRow("base over maximum")
        << false << section(0x12, 252, 2, {}, 512) << 0 << 512
        << QStringLiteral(
               "  DisplayID: Byte[1] = 252 specifies size larger than maximum (251 bytes)\r\n");
    QTest::newRow("base over size") << false << ok << 0 << 27
                                    << QStringLiteral("  DisplayID: Byte[1] = 23 specifies size "
                                                      "large than available space (27 bytes)\r\n");
    QTest::newRow("base version") << false << section(0x20, 0, 2, {}, 128) << 0 << 128
                                  << QStringLiteral("  DisplayID: Byte[0] = 0x20 defines invalid "
                                                    "version. Should be between 0x11 and 0x13\r\n");

    QByteArray image(256, '\0');
    image.replace(128, 128, wrapped(0x12, 121, 0, kType1));
    QTest::newRow("extension ok") << true << image << 128 << 128 << QString();
    QTest::newRow("extension short")
        << true << image << 128 << 100
        << QStringLiteral("  DisplayID Ext: 100 - unsufficient size. Required 128 bytes\r\n");
    QByteArray cea = image;
    cea[128] = 0x02;
    QTest::newRow("extension tag") << true << cea << 128 << 128
                                   << QStringLiteral("  DisplayID Ext: Byte[128] = 0x02 does not "
                                                     "match DisplayID extension tag (0x70)\r\n");
    QByteArray v20 = image;
    v20[129] = 0x20;
    QTest::newRow("extension version")
        << true << v20 << 128 << 128
        << QStringLiteral("  DisplayID: Byte[129] = 0x20 defines invalid version. Should be "
                          "between 0x11 and 0x13\r\n");
    QByteArray longer = image;
    longer[130] = char(122);
    QTest::newRow("extension over block")
        << true << longer << 128 << 128
        << QStringLiteral("  DisplayID: Byte[130] = 122 specifies size large than available space "
                          "(126 bytes)\r\n");
}

void tst_DisplayIDValidate::bufferChecks()
{
    QFETCH(bool, extension);
    QFETCH(QByteArray, image);
    QFETCH(int, start);
    QFETCH(int, size);
    QFETCH(QString, line);
    ReportSink sink;
    const auto *p = reinterpret_cast<const unsigned char *>(image.constData());
    const bool ok =
        extension
            ? DisplayIDBlock::ValidateDisplayIDExtBlock(&sink, p, unsigned(start), unsigned(size))
            : DisplayIDBlock::ValidateDisplayIDBaseBlock(&sink, p, unsigned(start), unsigned(size));
    QCOMPARE(ok, line.isEmpty());
    QCOMPARE(sink.lines, line.isEmpty() ? QStringList() : QStringList{line});
}

QTEST_GUILESS_MAIN(tst_DisplayIDValidate)
#include "tst_displayidvalidate.moc"
