#include "edidtextfile.h"

#include "edidfileio.h"

#include <QStringList>

#include <cstring>

EdidFileResult EdidTextFile::read(const QString &fileName, EdidImage &image)
{
    QStringList lines;
    if (!EdidFileIo::readLines(fileName, &lines))
        return EdidFileIo::failure(tr("Failed to open file"), tr("Open Edid file"));
    // A line end separates like any other non-word character.
    QByteArray values;
    for (const QString &line : qAsConst(lines)) {
        if (!EdidFileIo::appendHexTokens(line, &values, EdidImageSize))
            break;
    }
    std::memcpy(image, values.constData(), static_cast<size_t>(values.size()));
    return EdidFileIo::loaded();
}

EdidFileResult EdidTextFile::write(const QString &fileName, const EdidImage &image, quint32 size)
{
    if (size == 0)
        return EdidFileIo::noBlockToWrite();
    const quint32 count = qMin(size, EdidImageSize);
    QByteArray content;
    content.reserve(static_cast<int>(count * 3));
    for (quint32 i = 0; i < count; ++i) {
        content += EdidFileIo::hexDigits(image[i]);
        content += (i % 16 == 15 || i == count - 1) ? '\n' : ' ';
    }
    return EdidFileIo::save(fileName, content, tr("Save Edid text file"));
}
