#include "edidfilestest.h"
#include "files/edidbinfile.h"
#include "vyrtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace EdidFilesTest;

class tst_EdidBinFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // A written file holds exactly the covered bytes of the image, which a real decoder reads
    // with the same blocks and checksums, and reads back into the same image.
    void writesTheCoveredBytes_data();
    void writesTheCoveredBytes();

    // Any file length loads: the first bytes up to 512, the rest of the image as it was.
    void readsAnyLength_data();
    void readsAnyLength();

    void readFailure();
    void replacesALongerFile();

private:
    QTemporaryDir m_dir;
};

void tst_EdidBinFile::writesTheCoveredBytes_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("EDID 1.4, 128 bytes") << "edid14-digital-auo623d-3.bin";
    QTest::newRow("EDID 1.3 + CEA-861, 256 bytes") << "cta-basic-dela0a4-1.bin";
    QTest::newRow("four blocks, 512 bytes") << "cta-two-blocks-sam72f2-1.bin";
}

void tst_EdidBinFile::writesTheCoveredBytes()
{
    QFETCH(QString, sample);
    const QByteArray bytes = VyrTest::readSample(sample);
    const auto size = static_cast<quint32>(bytes.size());
    EdidImage image;
    setImage(image, bytes, 0xA5); // bytes past the covered size must not reach the file
    const QString path = m_dir.filePath(sample);

    QCOMPARE(describe(EdidBinFile::write(path, image, size)),
             "ok | information | Save Edid binary file | Edid saved to " + path);
    QCOMPARE(VyrTest::readFile(path), bytes);

    QByteArray loaded;
    QCOMPARE(readWith(EdidBinFile::read, path, &loaded), QStringLiteral("ok"));
    QCOMPARE(loaded, padded(bytes));

    EDIDFILES_VERIFY_EDID_DECODE_READS(path, bytes);
}

void tst_EdidBinFile::readsAnyLength_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("100 bytes") << 100;
    QTest::newRow("512 bytes") << 512;
    QTest::newRow("1000 bytes, cut to 512") << 1000;
}

void tst_EdidBinFile::readsAnyLength()
{
    QFETCH(int, length);
    QByteArray content;
    for (int i = 0; i < length; ++i)
        content.append(static_cast<char>(i * 7 + 1));
    const QString path = m_dir.filePath(QStringLiteral("length.bin"));
    QVERIFY(writeFile(path, content));

    QByteArray image;
    QCOMPARE(readWith(EdidBinFile::read, path, &image, 0xEE), QStringLiteral("ok"));
    QCOMPARE(image, padded(content.left(512), '\xEE'));
}

void tst_EdidBinFile::readFailure()
{
    const QString failure =
        QStringLiteral("failed | critical | Failed to open file | Open Edid file");
    QByteArray image;
    QCOMPARE(readWith(EdidBinFile::read, m_dir.filePath(QStringLiteral("missing.bin")), &image),
             failure);
    QCOMPARE(image, padded({}));
    QCOMPARE(readWith(EdidBinFile::read, m_dir.path()), failure); // a folder
}

void tst_EdidBinFile::replacesALongerFile()
{
    const QString path = m_dir.filePath(QStringLiteral("longer.bin"));
    QVERIFY(writeFile(path, QByteArray(1000, '\x55')));
    const QByteArray bytes = VyrTest::readSample(QStringLiteral("edid14-digital-auo623d-3.bin"));
    EdidImage image;
    setImage(image, bytes);
    QVERIFY(EdidBinFile::write(path, image, 128).ok);
    QCOMPARE(VyrTest::readFile(path), bytes);
}

QTEST_GUILESS_MAIN(tst_EdidBinFile)
#include "tst_edidbinfile.moc"
