#pragma once

#include "edidfileresult.h"
#include "edidimage.h"

#include <QCoreApplication>
#include <QString>

// Hex text EDID file (suffix "txt"). Written as two upper-case hexadecimal digits per byte,
// sixteen bytes a line, a blank between neighbours and a line feed after the sixteenth and
// after the last byte. Read as any text in which byte values stand as hexadecimal numbers
// between characters that are not word characters (blanks, commas, colons, line ends, ...).
class EdidTextFile
{
    Q_DECLARE_TR_FUNCTIONS(EdidLoadSaveForm)

public:
    // Token j (a run of letters, digits, marks or underscores) sets image byte j: read as a
    // hexadecimal signed 16-bit number ("0x" may lead), its low 8 bits; 0 for a token that is
    // no such number. Tokens after the 512th are ignored; image bytes after the last token keep
    // their value. Fails only when the file cannot be opened ("Failed to open file" /
    // "Open Edid file").
    static EdidFileResult read(const QString &fileName, EdidImage &image);

    // Replaces the file with image bytes 0 to size - 1 as text ("Save Edid text file" on
    // success). Size 0 is refused and leaves the file alone, as does a failed write.
    static EdidFileResult write(const QString &fileName, const EdidImage &image, quint32 size);
};
