#include "vyrtestutil.h"

#include "edidbytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace VyrTest {

QString samplesDir()
{
    return QStringLiteral(VYR_TEST_DATA_DIR "/edid-samples");
}

QStringList sampleNames()
{
    QStringList names = QDir(samplesDir()).entryList({QStringLiteral("*.bin")}, QDir::Files);
    names.sort();
    return names;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray readSample(const QString &name)
{
    return readFile(samplesDir() + QLatin1Char('/') + name);
}

QByteArray sampleImage(const QString &name)
{
    QByteArray image = readSample(name).left(512);
    image.append(QByteArray(512 - image.size(), '\0'));
    return image;
}

QByteArray sampleBaseBlock(const QString &name, int extensions)
{
    QByteArray base = readSample(name).left(128);
    if (base.size() < 128)
        return base;
    base[126] = static_cast<char>(extensions);
    fixChecksum(base);
    return base;
}

bool haveEdidDecode()
{
    return !QStandardPaths::findExecutable(QStringLiteral("edid-decode")).isEmpty();
}

static QString runTool(const QStringList &args, int *exitCode)
{
    if (exitCode)
        *exitCode = -1;
    QProcess process;
    process.start(QStringLiteral("edid-decode"), args);
    if (!process.waitForStarted(10000))
        return {};
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString edidDecode(const QByteArray &bytes, const QStringList &args, int *exitCode)
{
    QTemporaryFile file;
    if (!file.open()) {
        if (exitCode)
            *exitCode = -1;
        return {};
    }
    file.write(bytes);
    file.flush();
    return runTool(QStringList(args) << file.fileName(), exitCode);
}

QString edidDecodeTool(const QStringList &args, int *exitCode)
{
    return runTool(args, exitCode);
}

bool edidDecodeChecksumsOk(const QByteArray &bytes, QString *report)
{
    int code = -1;
    const QString out = edidDecode(bytes, {QStringLiteral("-c")}, &code);
    if (report)
        *report = out;
    // edid-decode prints "Checksum: 0xNN (should be 0xMM)" for every wrong block checksum.
    return code >= 0 && !out.isEmpty() && !out.contains(QStringLiteral("(should be"));
}

} // namespace VyrTest
