#include "edidbinfile.h"

#include "edidfileio.h"

#include <QFile>

#include <cstring>

EdidFileResult EdidBinFile::read(const QString &fileName, EdidImage &image)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return EdidFileIo::failure(tr("Failed to open file"), tr("Open Edid file"));
    // Bytes after the 512th are left unread: they have no place in the image.
    const QByteArray data = file.read(EdidImageSize);
    std::memcpy(image, data.constData(), static_cast<size_t>(data.size()));
    return EdidFileIo::loaded();
}

EdidFileResult EdidBinFile::write(const QString &fileName, const EdidImage &image, quint32 size)
{
    if (size == 0)
        return EdidFileIo::noBlockToWrite();
    const QByteArray content(reinterpret_cast<const char *>(image),
                             static_cast<int>(qMin(size, EdidImageSize)));
    return EdidFileIo::save(fileName, content, tr("Save Edid binary file"));
}
