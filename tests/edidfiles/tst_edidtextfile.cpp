#include "edidfilestest.h"
#include "files/edidtextfile.h"
#include "vyrtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace EdidFilesTest;

class tst_EdidTextFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Golden files: sixteen upper-case pairs a line, a line feed after the last byte; a real
    // decoder reads them with the same blocks and checksums.
    void writesGolden_data();
    void writesGolden();

    // Any length that does not fill whole lines, and the whole image, read back unchanged.
    void roundTrip_data();
    void roundTrip();

    // What the reader takes as tokens and bytes.
    void tokens_data();
    void tokens();

    void stopsAt512Values();
    void readFailure();

private:
    QTemporaryDir m_dir;
};

void tst_EdidTextFile::writesGolden_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("golden");
    QTest::newRow("EDID 1.4, 128 bytes") << "edid14-digital-auo623d-3.bin"
                                         << "edid14-auo623d-128.txt";
    QTest::newRow("EDID 1.3 + CEA-861, 256 bytes") << "cta-basic-dela0a4-1.bin"
                                                   << "edid13-cea-dela0a4-256.txt";
}

void tst_EdidTextFile::writesGolden()
{
    QFETCH(QString, sample);
    QFETCH(QString, golden);
    const QByteArray bytes = VyrTest::readSample(sample);
    EdidImage image;
    setImage(image, bytes, 0xA5);
    const QString path = m_dir.filePath(golden);

    QCOMPARE(describe(EdidTextFile::write(path, image, static_cast<quint32>(bytes.size()))),
             "ok | information | Save Edid text file | Edid saved to " + path);
    QCOMPARE(VyrTest::readFile(path), VyrTest::readFile(goldenPath(golden)));

    QByteArray loaded;
    QCOMPARE(readWith(EdidTextFile::read, goldenPath(golden), &loaded), QStringLiteral("ok"));
    QCOMPARE(loaded, padded(bytes));

    EDIDFILES_VERIFY_EDID_DECODE_READS(path, bytes);
}

void tst_EdidTextFile::roundTrip_data()
{
    QTest::addColumn<quint32>("size");
    QTest::newRow("1 byte") << 1u;
    QTest::newRow("16 bytes") << 16u;
    QTest::newRow("17 bytes") << 17u;
    QTest::newRow("512 bytes") << 512u;
}

void tst_EdidTextFile::roundTrip()
{
    QFETCH(quint32, size);
    EdidImage image;
    for (quint32 i = 0; i < EdidImageSize; ++i)
        image[i] = static_cast<unsigned char>(i * 37 + 11);
    const QString path = m_dir.filePath(QStringLiteral("round.txt"));
    QVERIFY(EdidTextFile::write(path, image, size).ok);
    const QByteArray text = VyrTest::readFile(path);
    QCOMPARE(text.count('\n'), static_cast<int>((size + 15) / 16));
    QVERIFY(text.endsWith('\n'));

    QByteArray loaded;
    QCOMPARE(readWith(EdidTextFile::read, path, &loaded), QStringLiteral("ok"));
    QCOMPARE(loaded, padded(imageBytes(image, size)));
}

void tst_EdidTextFile::tokens_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("bytes"); // the image bytes from 0; the rest stays 0

    QTest::newRow("lower case") << QByteArray("00 ff FF ff") << QByteArray::fromHex("00ffffff");
    QTest::newRow("0x prefix, commas") << QByteArray("0x00, 0xFF,") << QByteArray::fromHex("00ff");
    QTest::newRow("0X prefix") << QByteArray("0X1f") << QByteArray::fromHex("1f");
    QTest::newRow("word before the data takes a byte")
        << QByteArray("EDID\n00 FF") << QByteArray::fromHex("0000ff");
    QTest::newRow("low 8 bits") << QByteArray("1FF 100 7FFF") << QByteArray::fromHex("ff00ff");
    QTest::newRow("above 7FFF stores 0")
        << QByteArray("AB 8000 AB FFFF AB") << QByteArray::fromHex("ab00ab00ab");
    QTest::newRow("underscore joins") << QByteArray("0A_0B 0C") << QByteArray::fromHex("000c");
    QTest::newRow("other separators")
        << QByteArray("01:02-03\t04;05.06") << QByteArray::fromHex("010203040506");
    QTest::newRow("CR LF line ends")
        << QByteArray("01 02\r\n03\r\n") << QByteArray::fromHex("010203");
    QTest::newRow("line end without blank") << QByteArray("01\n02") << QByteArray::fromHex("0102");
    QTest::newRow("non-ASCII letter joins") << QByteArray("01\xc3\xa9"
                                                          "02 03")
                                            << QByteArray::fromHex("0003");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void tst_EdidTextFile::tokens()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("tokens.txt"));
    QVERIFY(writeFile(path, content));
    QByteArray image;
    QCOMPARE(readWith(EdidTextFile::read, path, &image), QStringLiteral("ok"));
    QCOMPARE(image, padded(bytes));
}

void tst_EdidTextFile::stopsAt512Values()
{
    QByteArray content;
    for (int i = 0; i < 600; ++i)
        content += QByteArray::number(i % 256, 16) + (i % 16 == 15 ? "\n" : " ");
    const QString path = m_dir.filePath(QStringLiteral("long.txt"));
    QVERIFY(writeFile(path, content));
    QByteArray image;
    QCOMPARE(readWith(EdidTextFile::read, path, &image), QStringLiteral("ok"));
    for (int i = 0; i < 512; ++i)
        QCOMPARE(int(static_cast<unsigned char>(image.at(i))), i % 256);
}

void tst_EdidTextFile::readFailure()
{
    QByteArray image;
    QCOMPARE(readWith(EdidTextFile::read, m_dir.filePath(QStringLiteral("missing.txt")), &image),
             QStringLiteral("failed | critical | Failed to open file | Open Edid file"));
    QCOMPARE(image, padded({}));
}

QTEST_GUILESS_MAIN(tst_EdidTextFile)
#include "tst_edidtextfile.moc"
