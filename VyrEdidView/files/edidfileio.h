#pragma once

#include "edidblocktable.h"
#include "edidfileresult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the four EDID file formats share: the replacing write, the reading of text lines, the
// conversion of a hexadecimal token into a byte, and the messages they have in common. Texts
// are translated in the context of the load/save form, whose messages they are.
class EdidFileIo
{
    Q_DECLARE_TR_FUNCTIONS(EdidLoadSaveForm)

public:
    // Replaces the file with content in one step: the bytes go to a temporary file beside it,
    // which takes the file's place only when everything was written. A file that cannot be
    // written keeps its old contents. Answers the success message under successTitle, or the
    // critical "Save Edid file" / "Failed to save file".
    static EdidFileResult save(const QString &fileName, const QByteArray &content,
                               const QString &successTitle);

    // A save that worked, told as a warning that names the blocks left out when the table holds
    // fewer blocks than the first one announces (an EDID longer than the image): never a plain
    // "saved" for a file that announces blocks it does not hold. Any other result as it is.
    static EdidFileResult withUnwrittenBlocks(EdidFileResult saved, const EdidBlockTable &table);

    // A read that worked: ok true, nothing to show.
    static EdidFileResult loaded();
    // A critical message; ok false.
    static EdidFileResult failure(const QString &title, const QString &text);
    // The refusal of a writer that has no block to write (no recognised block, length 0).
    static EdidFileResult noBlockToWrite();

    // Every line of a text file without its line end (LF or CR LF), as UTF-8 (UTF-16 and UTF-32
    // files with a byte order mark are recognised). False when the file cannot be opened.
    static bool readLines(const QString &fileName, QStringList *lines);
    // The same for the readers of the INF and registry files, which refuse a file without any
    // line: answers loaded(), or "Open Edid file" with "Failed to open file" or "Invalid File
    // Format".
    static EdidFileResult readRecordLines(const QString &fileName, QStringList *lines);

    // A token read as a hexadecimal signed 16-bit number ("0x" or "0X" may lead), of which the
    // low 8 bits are kept; a token that is no such number (or above 7FFF) gives 0.
    static unsigned char hexByte(const QString &token);

    // Appends the bytes of the hexadecimal tokens of text to values: a token is a run of word
    // characters (letters, digits, marks, underscore); everything else separates. Stops when
    // values holds limit bytes and answers false when a further token was left unread.
    static bool appendHexTokens(const QString &text, QByteArray *values, int limit);

    // A byte as two upper-case hexadecimal digits.
    static QByteArray hexDigits(unsigned char byte);
};
