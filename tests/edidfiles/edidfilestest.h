#pragma once

#include "files/edidfileresult.h"
#include "files/edidimage.h"
#include "vyrtestutil.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

#include <cstring>

// Small pieces the EDID file tests share: the golden files, images from byte arrays, and a
// result record as one comparable line.
namespace EdidFilesTest {

// edid-decode is a dependency of the tests (scripts/deps.sh): the files must be what it reads,
// so its absence fails rather than skips the check.
#define EDIDFILES_VERIFY_EDID_DECODE_READS(path, bytes)                                            \
    do {                                                                                           \
        QVERIFY2(VyrTest::haveEdidDecode(), "edid-decode is not installed");                       \
        QString why_;                                                                              \
        QVERIFY2(VyrTest::edidDecodeReadsFile(path, bytes, &why_), qPrintable(why_));              \
    } while (false)

// A golden file of tests/data/edidfiles.
inline QString goldenPath(const QString &name)
{
    return QStringLiteral(VYR_TEST_DATA_DIR "/edidfiles/") + name;
}

// Puts bytes (at most 512) at the start of image and fill into every byte after them.
inline void setImage(EdidImage &image, const QByteArray &bytes, unsigned char fill = 0)
{
    std::memset(image, fill, EdidImageSize);
    std::memcpy(image, bytes.constData(),
                qMin<size_t>(static_cast<size_t>(bytes.size()), EdidImageSize));
}

// The first count bytes of image.
inline QByteArray imageBytes(const EdidImage &image, quint32 count = EdidImageSize)
{
    return QByteArray(reinterpret_cast<const char *>(image), static_cast<int>(count));
}

// bytes followed by zeros up to 512: the image a reader leaves when it was given a zeroed one.
inline QByteArray padded(const QByteArray &bytes, char fill = '\0')
{
    return bytes + QByteArray(qMax(0, static_cast<int>(EdidImageSize) - bytes.size()), fill);
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Reads the file at path with read (one of the readers) into an image that holds fill in every
// byte before, and answers describe() of the result; *bytes receives the 512 image bytes.
template <typename Reader>
QString readWith(Reader read, const QString &path, QByteArray *bytes = nullptr,
                 unsigned char fill = 0);

// "ok", or "critical | <title> | <text>"; a success with a message adds it after "ok".
inline QString describe(const EdidFileResult &result)
{
    QString icon;
    switch (result.icon) {
    case VyrUiService::Icon::Information:
        icon = QStringLiteral("information");
        break;
    case VyrUiService::Icon::Warning:
        icon = QStringLiteral("warning");
        break;
    case VyrUiService::Icon::Critical:
        icon = QStringLiteral("critical");
        break;
    case VyrUiService::Icon::Question:
        icon = QStringLiteral("question");
        break;
    }
    QString text = result.ok ? QStringLiteral("ok") : QStringLiteral("failed");
    if (!result.title.isEmpty() || !result.text.isEmpty())
        text += QStringLiteral(" | %1 | %2 | %3").arg(icon, result.title, result.text);
    return text;
}

template <typename Reader>
QString readWith(Reader read, const QString &path, QByteArray *bytes, unsigned char fill)
{
    EdidImage image;
    setImage(image, {}, fill);
    const QString result = describe(read(path, image));
    if (bytes)
        *bytes = imageBytes(image);
    return result;
}

} // namespace EdidFilesTest
