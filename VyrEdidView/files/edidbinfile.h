#pragma once

#include "edidfileresult.h"
#include "edidimage.h"

#include <QCoreApplication>
#include <QString>

// Raw binary EDID file (suffix "bin"): the image bytes as they are, nothing before, between or
// after them.
class EdidBinFile
{
    Q_DECLARE_TR_FUNCTIONS(EdidLoadSaveForm)

public:
    // Copies the first bytes of the file, at most 512, into image from byte 0; the rest of
    // image keeps its value. Any length loads, an empty file too. Fails only when the file
    // cannot be opened ("Failed to open file" / "Open Edid file").
    static EdidFileResult read(const QString &fileName, EdidImage &image);

    // Replaces the file with image bytes 0 to size - 1 ("Save Edid binary file" on success).
    // Size 0 is refused and leaves the file alone, as does a failed write.
    static EdidFileResult write(const QString &fileName, const EdidImage &image, quint32 size);
};
