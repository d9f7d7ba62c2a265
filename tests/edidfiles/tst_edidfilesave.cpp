#include "edidfilestest.h"
#include "files/edidbinfile.h"
#include "files/edidblocktable.h"
#include "files/edidinffile.h"
#include "files/edidregfile.h"
#include "files/edidtextfile.h"
#include "vyrtestutil.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace EdidFilesTest;

namespace {

enum class Format { Bin, Txt, Inf, Reg };

// What each writer is given; a field left empty or 0 is what a refusal row takes away.
struct WriteInput
{
    quint32 size = 256;
    QString key = QStringLiteral("[HKEY_LOCAL_MACHINE\\X]");
    QString value = QStringLiteral("ZelkEmulatedEDID_A2");
};

EdidFileResult writeAs(Format format, const QString &path, const EdidImage &image,
                       const WriteInput &input)
{
    switch (format) {
    case Format::Bin:
        return EdidBinFile::write(path, image, input.size);
    case Format::Txt:
        return EdidTextFile::write(path, image, input.size);
    case Format::Inf: {
        EdidBlockTable table = EdidBlockTable::analyse(image);
        if (input.size == 0)
            table = EdidBlockTable();
        return EdidInfFile::write(path, image, table, QDate(2026, 3, 7));
    }
    case Format::Reg:
        return EdidRegFile::write(path, image, input.size, input.key, input.value);
    }
    return {};
}

// Limits the size of every file the process writes, so that a write fails after the file was
// opened (a full disk, as far as the writer can tell). Put back on destruction.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // the failing write answers EFBIG instead
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    bool m_active = false;
};

} // namespace

Q_DECLARE_METATYPE(Format)

class tst_EdidFileSave : public QObject
{
    Q_OBJECT

private slots:
    // A refused or failed write leaves an existing file as it was, byte for byte, and leaves
    // nothing else behind in its folder.
    void keepsTheExistingFile_data();
    void keepsTheExistingFile();

    // A write into a folder that does not exist creates nothing.
    void missingFolder_data();
    void missingFolder();
};

void tst_EdidFileSave::keepsTheExistingFile_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("cause"); // 0 nothing to write, 1 no value name, 2 no key, 3 disk full
    QTest::addColumn<QString>("result");

    const QString noBlock = QStringLiteral(
        "failed | critical | Invalid EDID | A valid EDID with at least 1 block was not found");
    const QString failed =
        QStringLiteral("failed | critical | Save Edid file | Failed to save file");
    const QList<QPair<const char *, Format>> formats = {
        {"bin", Format::Bin}, {"txt", Format::Txt}, {"inf", Format::Inf}, {"reg", Format::Reg}};
    for (const auto &f : formats) {
        QTest::addRow("%s, nothing to write", f.first) << f.second << 0 << noBlock;
        QTest::addRow("%s, write fails", f.first) << f.second << 3 << failed;
    }
    QTest::newRow("reg, no display")
        << Format::Reg << 1
        << "failed | critical | Registry Value | No display to name the registry value";
    QTest::newRow("reg, no registry path")
        << Format::Reg << 2 << "failed | critical | Registry Path | Failed to obtain registry path";
}

void tst_EdidFileSave::keepsTheExistingFile()
{
    QFETCH(Format, format);
    QFETCH(int, cause);
    QFETCH(QString, result);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("existing"));
    const QByteArray old = "old contents\n";
    QVERIFY(writeFile(path, old));

    EdidImage image;
    setImage(image, VyrTest::readSample(QStringLiteral("cta-basic-dela0a4-1.bin")));
    WriteInput input;
    if (cause == 0)
        input.size = 0;
    else if (cause == 1)
        input.value.clear();
    else if (cause == 2)
        input.key.clear();

    EdidFileResult written;
    if (cause == 3) {
        const FileSizeLimit limit(64);
        QVERIFY(limit.active());
        written = writeAs(format, path, image, input);
    } else {
        written = writeAs(format, path, image, input);
    }
    QCOMPARE(describe(written), result);
    QCOMPARE(VyrTest::readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"existing"});
}

void tst_EdidFileSave::missingFolder_data()
{
    QTest::addColumn<Format>("format");
    QTest::newRow("bin") << Format::Bin;
    QTest::newRow("txt") << Format::Txt;
    QTest::newRow("inf") << Format::Inf;
    QTest::newRow("reg") << Format::Reg;
}

void tst_EdidFileSave::missingFolder()
{
    QFETCH(Format, format);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("no/such/folder/edid"));
    EdidImage image;
    setImage(image, VyrTest::readSample(QStringLiteral("cta-basic-dela0a4-1.bin")));
    QCOMPARE(describe(writeAs(format, path, image, WriteInput())),
             QStringLiteral("failed | critical | Save Edid file | Failed to save file"));
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_EdidFileSave)
#include "tst_edidfilesave.moc"
