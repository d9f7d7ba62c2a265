#include "edidfilestest.h"
#include "files/edidregfile.h"
#include "vyrtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace EdidFilesTest;

namespace {

const QString Key =
    QStringLiteral("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\]");

QByteArray valueLine(const QByteArray &name, const QByteArray &bytes)
{
    return '"' + name + "\"=hex:" + bytes.toHex(',') + '\n';
}

} // namespace

class tst_EdidRegFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void naming();

    // An EDID 1.3 + CEA-861 image for device 0, display 2, analog signal.
    void writesGolden();

    // A file written for any display and signal type reads back.
    void roundTrip_data();
    void roundTrip();

    void reader_data();
    void reader();

    // The registry editor's own export: UTF-16 with a byte order mark, CR LF, values wrapped
    // over continuation lines, a digital value before the analog one of display 2.
    void readsRegistryEditorExport();

private:
    QTemporaryDir m_dir;
};

void tst_EdidRegFile::naming()
{
    QCOMPARE(EdidRegFile::valueName(2, true), QStringLiteral("ZelkEmulatedEDID_A2"));
    QCOMPARE(EdidRegFile::valueName(0, false), QStringLiteral("ZelkEmulatedEDID_D0"));
    QCOMPARE(EdidRegFile::valueName(4294967295u, true),
             QStringLiteral("ZelkEmulatedEDID_A4294967295"));
    QCOMPARE(EdidRegFile::keyLine(QStringLiteral("HKEY_X\\Y")), QStringLiteral("[HKEY_X\\Y]"));
    QCOMPARE(EdidRegFile::keyLine(QString()), QString());
}

void tst_EdidRegFile::writesGolden()
{
    const QByteArray bytes = VyrTest::readSample(QStringLiteral("cta-basic-dela0a4-1.bin"));
    EdidImage image;
    setImage(image, bytes, 0xA5);
    const QString path = m_dir.filePath(QStringLiteral("golden.reg"));
    QCOMPARE(describe(EdidRegFile::write(path, image, 256, Key, EdidRegFile::valueName(2, true))),
             "ok | information | Save Edid registry file | Edid saved to " + path);
    QCOMPARE(VyrTest::readFile(path),
             VyrTest::readFile(goldenPath(QStringLiteral("edid13-cea-dela0a4-dev0-a2.reg"))));
}

void tst_EdidRegFile::roundTrip_data()
{
    QTest::addColumn<quint32>("display");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<QString>("sample");
    QTest::newRow("analog 2") << 2u << true << "cta-basic-dela0a4-1.bin";
    QTest::newRow("digital 2") << 2u << false << "cta-basic-dela0a4-1.bin";
    QTest::newRow("analog 0") << 0u << true << "edid14-digital-auo623d-3.bin";
    QTest::newRow("digital 17, 512 bytes") << 17u << false << "cta-two-blocks-sam72f2-1.bin";
}

void tst_EdidRegFile::roundTrip()
{
    QFETCH(quint32, display);
    QFETCH(bool, analog);
    QFETCH(QString, sample);
    const QByteArray bytes = VyrTest::readSample(sample);
    EdidImage image;
    setImage(image, bytes);
    const QString path = m_dir.filePath(QStringLiteral("round.reg"));
    QVERIFY(EdidRegFile::write(path, image, static_cast<quint32>(bytes.size()), Key,
                               EdidRegFile::valueName(display, analog))
                .ok);
    QByteArray loaded;
    QCOMPARE(readWith(EdidRegFile::read, path, &loaded), QStringLiteral("ok"));
    QCOMPARE(loaded, padded(bytes));
}

void tst_EdidRegFile::reader_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QByteArray>("bytes"); // the image bytes from 0; the rest stays 0

    const QString ok = QStringLiteral("ok");
    const QByteArray head = "Windows Registry Editor Version 6.1\n\n[K]\n";
    const QByteArray a = QByteArray::fromHex("0a0b0c");
    const QByteArray b = QByteArray::fromHex("1112");
    QTest::newRow("analog 2 after another value")
        << head + valueLine("ZelkEmulatedEDID_D0", b) + valueLine("ZelkEmulatedEDID_A2", a) << ok
        << a;
    QTest::newRow("analog 2 before another value")
        << head + valueLine("ZelkEmulatedEDID_A2", a) + valueLine("ZelkEmulatedEDID_D0", b) << ok
        << a;
    QTest::newRow("without analog 2 the first value")
        << head + valueLine("ZelkEmulatedEDID_D1", b) + valueLine("ZelkEmulatedEDID_A0", a) << ok
        << b;
    QTest::newRow("a value written twice counts with its last line")
        << head + valueLine("ZelkEmulatedEDID_A2", b) + valueLine("ZelkEmulatedEDID_A2", a) << ok
        << a;
    QTest::newRow("continuation lines")
        << head + "\"ZelkEmulatedEDID_D3\"=hex:0a,0b,\\\n  0c,0d,\\\n  0e\n"
        << ok << QByteArray::fromHex("0a0b0c0d0e");
    QTest::newRow("lower case, low 8 bits, above 7FFF stores 0")
        << head + "\"ZelkEmulatedEDID_A2\"=hex:ab,1FF,8000,7f\n"
        << ok << QByteArray::fromHex("abff007f");
    QTest::newRow("other value names are ignored")
        << head + valueLine("ZelkEmulatedEDID_X2", a) + valueLine("OtherEDID_A2", a)
               + valueLine("ZelkEmulatedEDID_A", a) + " " + valueLine("ZelkEmulatedEDID_A2", a)
        << ok << QByteArray();
    QTest::newRow("no data after hex:")
        << head + "\"ZelkEmulatedEDID_A2\"=hex:" << ok << QByteArray();
    QTest::newRow("exactly 512 bytes")
        << head + valueLine("ZelkEmulatedEDID_A2", QByteArray(512, '\x5c')) << ok
        << QByteArray(512, '\x5c');
    QTest::newRow("513 bytes") << head + valueLine("ZelkEmulatedEDID_A2", QByteArray(513, 1))
                               << "failed | critical | Open Edid file | Invalid data size"
                               << QByteArray();
    QTest::newRow("empty file") << QByteArray()
                                << "failed | critical | Open Edid file | Invalid File Format"
                                << QByteArray();
}

void tst_EdidRegFile::reader()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, result);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("read.reg"));
    QVERIFY(writeFile(path, content));
    QByteArray image;
    QCOMPARE(readWith(EdidRegFile::read, path, &image), result);
    QCOMPARE(image, padded(bytes));

    QCOMPARE(readWith(EdidRegFile::read, m_dir.filePath(QStringLiteral("missing.reg"))),
             QStringLiteral("failed | critical | Open Edid file | Failed to open file"));
}

void tst_EdidRegFile::readsRegistryEditorExport()
{
    const QByteArray bytes = VyrTest::readSample(QStringLiteral("cta-basic-dela0a4-1.bin"));
    QByteArray image;
    QCOMPARE(
        readWith(EdidRegFile::read, goldenPath(QStringLiteral("regedit-export-d0-a2.reg")), &image),
        QStringLiteral("ok"));
    QCOMPARE(image, padded(bytes));
}

QTEST_GUILESS_MAIN(tst_EdidRegFile)
#include "tst_edidregfile.moc"
