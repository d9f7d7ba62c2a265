#include "edidfileio.h"

#include "model/bits.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

EdidFileResult EdidFileIo::save(const QString &fileName, const QByteArray &content,
                                const QString &successTitle)
{
    // The content carries its own line ends, so the file is written as bytes. The explicit
    // flush matters: commit() does not see an error of the flush it makes itself, and would then
    // put a cut-off file in place of the old one. Without a commit the temporary file is
    // removed and the old file stays.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush()
        || !file.commit())
        return failure(tr("Save Edid file"), tr("Failed to save file"));
    return {true, VyrUiService::Icon::Information, successTitle,
            tr("Edid saved to %1").arg(fileName)};
}

EdidFileResult EdidFileIo::withUnwrittenBlocks(EdidFileResult saved, const EdidBlockTable &table)
{
    if (!saved.ok || table.announcedBlocks <= table.blockCount)
        return saved;
    // The blocks left out are always the last ones: the image keeps the announced blocks from
    // the first one on, as far as they fit.
    const quint32 left = table.announcedBlocks - table.blockCount;
    saved.icon = VyrUiService::Icon::Warning;
    saved.text += QLatin1Char('\n');
    saved.text += left == 1
                      ? tr("The last of the %1 blocks the EDID announces was not written: it "
                           "does not fit into the 512-byte image.")
                            .arg(table.announcedBlocks)
                      : tr("The last %1 of the %2 blocks the EDID announces were not written: "
                           "they do not fit into the 512-byte image.")
                            .arg(left)
                            .arg(table.announcedBlocks);
    return saved;
}

EdidFileResult EdidFileIo::loaded()
{
    return {true, VyrUiService::Icon::Information, QString(), QString()};
}

EdidFileResult EdidFileIo::failure(const QString &title, const QString &text)
{
    return {false, VyrUiService::Icon::Critical, title, text};
}

EdidFileResult EdidFileIo::noBlockToWrite()
{
    return failure(tr("Invalid EDID"), tr("A valid EDID with at least 1 block was not found"));
}

bool EdidFileIo::readLines(const QString &fileName, QStringList *lines)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd())
        lines->append(in.readLine());
    return true;
}

EdidFileResult EdidFileIo::readRecordLines(const QString &fileName, QStringList *lines)
{
    if (!readLines(fileName, lines))
        return failure(tr("Open Edid file"), tr("Failed to open file"));
    if (lines->isEmpty())
        return failure(tr("Open Edid file"), tr("Invalid File Format"));
    return loaded();
}

unsigned char EdidFileIo::hexByte(const QString &token)
{
    bool ok = false;
    const short value = token.toShort(&ok, 16);
    return ok ? static_cast<unsigned char>(static_cast<quint16>(value) & 0xFFu) : 0;
}

bool EdidFileIo::appendHexTokens(const QString &text, QByteArray *values, int limit)
{
    static const QRegularExpression word(QStringLiteral("\\w+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QRegularExpressionMatchIterator tokens = word.globalMatch(text);
    while (tokens.hasNext()) {
        const QString token = tokens.next().captured();
        if (values->size() >= limit)
            return false;
        values->append(static_cast<char>(hexByte(token)));
    }
    return true;
}

QByteArray EdidFileIo::hexDigits(unsigned char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    const char pair[2] = {digits[bits(byte, 7, 4)], digits[bits(byte, 3, 0)]};
    return QByteArray(pair, 2);
}
