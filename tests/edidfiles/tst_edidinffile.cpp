#include "edidfilestest.h"
#include "files/edidblocktable.h"
#include "files/edidinffile.h"
#include "vyrtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace EdidFilesTest;

namespace {

const QDate GoldenDate(2026, 3, 7);

QByteArray line(const QByteArray &text)
{
    return text + "\r\n";
}

// An override line of block k with the given bytes.
QByteArray overrideLine(int k, const QByteArray &bytes)
{
    QByteArray out = "HKR,EDID_OVERRIDE,\"" + QByteArray::number(k) + "\",0x01";
    for (char b : bytes)
        out += ",0x" + QByteArray(1, b).toHex().toUpper();
    return line(out);
}

} // namespace

class tst_EdidInfFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // The whole file of an EDID 1.4 + CEA-861 image, with and without a largest mode.
    void writesGolden_data();
    void writesGolden();

    // Lines that follow from the monitor summary.
    void monitorLines_data();
    void monitorLines();

    // Every written file reads back to the bytes of its blocks.
    void roundTrip_data();
    void roundTrip();

    void reader_data();
    void reader();

private:
    QTemporaryDir m_dir;
};

void tst_EdidInfFile::writesGolden_data()
{
    QTest::addColumn<bool>("withMode");
    QTest::addColumn<QString>("golden");
    QTest::newRow("largest mode 2560x1440") << true << "edid14-cea-del41d9.inf";
    QTest::newRow("maximal width 0") << false << "edid14-cea-del41d9-nomode.inf";
}

void tst_EdidInfFile::writesGolden()
{
    QFETCH(bool, withMode);
    QFETCH(QString, golden);
    EdidImage image;
    setImage(image, VyrTest::readSample(QStringLiteral("cta-hdr-del41d9-3.bin")), 0xA5);
    EdidBlockTable table = EdidBlockTable::analyse(image);
    if (!withMode)
        table.maxResolution = {};
    const QString path = m_dir.filePath(golden);

    QCOMPARE(describe(EdidInfFile::write(path, image, table, GoldenDate)),
             "ok | information | Save Edid text file | Edid saved to " + path);
    const QByteArray written = VyrTest::readFile(path);
    const QByteArray expected = VyrTest::readFile(goldenPath(golden));
    QVERIFY(!expected.isEmpty());
    if (written != expected) {
        // Name the first line that differs.
        const QList<QByteArray> a = written.split('\n');
        const QList<QByteArray> b = expected.split('\n');
        for (int i = 0; i < qMin(a.size(), b.size()); ++i)
            QCOMPARE(a.at(i), b.at(i));
        QCOMPARE(a.size(), b.size());
    }

    QByteArray loaded;
    QCOMPARE(readWith(EdidInfFile::read, goldenPath(golden), &loaded), QStringLiteral("ok"));
    QCOMPARE(loaded, padded(imageBytes(image, 256)));
}

void tst_EdidInfFile::monitorLines_data()
{
    QTest::addColumn<QByteArray>("name"); // replaces the product name when not empty
    QTest::addColumn<bool>("rates");      // keeps the range limits
    QTest::addColumn<bool>("dpms");
    QTest::addColumn<QByteArray>("expected"); // a line the file holds

    QTest::newRow("hardware id") << QByteArray() << true << true
                                 << line("%ProductName%=VYR_EDID_OVERRIDE-1.Install, "
                                         "MONITOR\\DEL41D9");
    QTest::newRow("double quote in the name doubled")
        << QByteArray("A\"B") << true << true << line("ProductName=\"A\"\"B (Override)\"");
    QTest::newRow("control character in the name")
        << QByteArray("A\rB") << true << true << line("ProductName=\"A B (Override)\"");
    QTest::newRow("rate ranges") << QByteArray() << true << true
                                 << line("HKR,\"MODES\\2560,1440\",Mode1,,"
                                         "\"250.0-250.0,48.0-165.0,+,+\"");
    QTest::newRow("no range limits")
        << QByteArray() << false << true << line("HKR,\"MODES\\2560,1440\",Mode1,,\"255.0,+,+\"");
    QTest::newRow("DPMS 0") << QByteArray() << true << false << line("HKR,,DPMS,,0");
}

void tst_EdidInfFile::monitorLines()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, rates);
    QFETCH(bool, dpms);
    QFETCH(QByteArray, expected);
    EdidImage image;
    setImage(image, VyrTest::readSample(QStringLiteral("cta-hdr-del41d9-3.bin")));
    EdidBlockTable table = EdidBlockTable::analyse(image);
    MonitorInfo &info = table.monitorInfo;
    if (!name.isEmpty()) {
        std::memset(info.monitorName, 0, sizeof info.monitorName);
        std::memcpy(info.monitorName, name.constData(), static_cast<size_t>(name.size()));
    }
    if (!rates)
        info.minHorizontalRate = info.maxHorizontalRate = 0;
    info.powerManagement = dpms;

    const QString path = m_dir.filePath(QStringLiteral("monitor.inf"));
    QVERIFY(EdidInfFile::write(path, image, table, GoldenDate).ok);
    const QByteArray written = VyrTest::readFile(path);
    QVERIFY2(written.contains(expected), written.constData());
}

void tst_EdidInfFile::roundTrip_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("EDID 1.4") << "edid14-digital-auo623d-3.bin" << QStringList{"EDID1.4 BaseBlock"};
    QTest::newRow("EDID 1.3 + CEA-861")
        << "cta-basic-dela0a4-1.bin" << QStringList{"EDID1.3 BaseBlock", "CEA ExtBlock"};
    QTest::newRow("DisplayID extension")
        << "displayid13-boe0aba-1.bin" << QStringList{"EDID1.4 BaseBlock", "DID ExtBlock"};
    QTest::newRow("four blocks") << "cta-two-blocks-sam72f2-1.bin"
                                 << QStringList{"EDID1.3 BaseBlock", "CEA ExtBlock", "CEA ExtBlock",
                                                "DID ExtBlock"};
}

void tst_EdidInfFile::roundTrip()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, names);
    const QByteArray bytes = VyrTest::readSample(sample);
    EdidImage image;
    setImage(image, bytes);
    const EdidBlockTable table = EdidBlockTable::analyse(image);
    QCOMPARE(table.blockNames, names);
    QCOMPARE(table.coveredSize(), static_cast<quint32>(bytes.size()));

    const QString path = m_dir.filePath(QStringLiteral("round.inf"));
    QVERIFY(EdidInfFile::write(path, image, table, QDate::currentDate()).ok);
    const QByteArray written = VyrTest::readFile(path);
    for (int k = 0; k < names.size(); ++k) {
        QVERIFY(written.contains(line(';' + names.at(k).toLatin1())
                                 + overrideLine(k, bytes.mid(128 * k, 128)) + "\r\n"));
    }

    QByteArray loaded;
    QCOMPARE(readWith(EdidInfFile::read, path, &loaded), QStringLiteral("ok"));
    QCOMPARE(loaded, padded(bytes));
}

void tst_EdidInfFile::reader_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QByteArray>("bytes"); // the image bytes from 0; the rest stays 0

    const QString ok = QStringLiteral("ok");
    const QByteArray values512 = QByteArray(512, '\x11');
    QTest::newRow("lines in file order, whatever their index")
        << line("[X]") + line("HKR,EDID_OVERRIDE,\"1\",0x01,0x22,0x33") + line(";comment")
               + line("HKR,EDID_OVERRIDE,\"0\",0x01,0x44")
        << ok << QByteArray::fromHex("223344");
    QTest::newRow("blank before a value skips it")
        << line("HKR,EDID_OVERRIDE,\"0\",0x01, 0x12,0x34") << ok << QByteArray::fromHex("34");
    QTest::newRow("upper-case 0X collects nothing")
        << line("HKR,EDID_OVERRIDE,\"0\",0X01,0X12,0X34") << ok << QByteArray();
    QTest::newRow("only the value type")
        << line("HKR,EDID_OVERRIDE,\"0\",0x01") << ok << QByteArray();
    QTest::newRow("key without a comma is no override line")
        << line("HKR,EDID_OVERRIDE") + line(" HKR,EDID_OVERRIDE,\"0\",0x01,0x12") << ok
        << QByteArray();
    QTest::newRow("empty parts dropped, LF line ends")
        << QByteArray("HKR,EDID_OVERRIDE,,\"0\",,0x01,,0x12,,\n") << ok
        << QByteArray::fromHex("12");
    QTest::newRow("low 8 bits, above 7FFF stores 0")
        << line("HKR,EDID_OVERRIDE,\"0\",0x01,0x1FF,0x8000,0xZZ,0x7F") << ok
        << QByteArray::fromHex("ff00007f");
    QTest::newRow("no override line") << line("[Version]") << ok << QByteArray();
    QTest::newRow("exactly 512 values") << overrideLine(0, values512) << ok << values512;
    QTest::newRow("513 values") << overrideLine(0, values512) + overrideLine(1, "\x11")
                                << "failed | critical | Open Edid file | Invalid data size"
                                << QByteArray();
    QTest::newRow("empty file") << QByteArray()
                                << "failed | critical | Open Edid file | Invalid File Format"
                                << QByteArray();
}

void tst_EdidInfFile::reader()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, result);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("read.inf"));
    QVERIFY(writeFile(path, content));
    QByteArray image;
    QCOMPARE(readWith(EdidInfFile::read, path, &image), result);
    QCOMPARE(image, padded(bytes));

    QCOMPARE(readWith(EdidInfFile::read, m_dir.filePath(QStringLiteral("missing.inf"))),
             QStringLiteral("failed | critical | Open Edid file | Failed to open file"));
}

QTEST_GUILESS_MAIN(tst_EdidInfFile)
#include "tst_edidinffile.moc"
