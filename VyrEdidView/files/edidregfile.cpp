#include "edidregfile.h"

#include "edidfileio.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstring>

namespace {

const char *const ValuePrefix = "ZelkEmulatedEDID_";

// The lines of the file with every continuation (a line ending in a backslash) joined to the
// line it continues; the blanks that indent a continuation are dropped.
QStringList logicalLines(const QStringList &lines)
{
    QStringList joined;
    bool continues = false;
    for (const QString &line : lines) {
        QString part = continues ? line.trimmed() : line;
        const bool next = part.endsWith(QLatin1Char('\\'));
        if (next)
            part.chop(1);
        if (continues)
            joined.last() += part;
        else
            joined.append(part);
        continues = next;
    }
    return joined;
}

} // namespace

QString EdidRegFile::valueName(quint32 displayIndex, bool analog)
{
    return QLatin1String(ValuePrefix) + QLatin1String(analog ? "A" : "D")
           + QString::number(displayIndex);
}

QString EdidRegFile::keyLine(const QString &registryPath)
{
    if (registryPath.isEmpty())
        return QString();
    return QLatin1Char('[') + registryPath + QLatin1Char(']');
}

EdidFileResult EdidRegFile::read(const QString &fileName, EdidImage &image)
{
    QStringList lines;
    const EdidFileResult opened = EdidFileIo::readRecordLines(fileName, &lines);
    if (!opened.ok)
        return opened;

    // "<value name>"=hex:<data>, for any signal type and display index.
    static const QRegularExpression dataLine(
        QStringLiteral("^\"(%1[AD][0-9]+)\"=hex:(.*)$").arg(QLatin1String(ValuePrefix)));
    const QString preferred = valueName(2, true);
    QString chosen;
    QString data;
    for (const QString &line : logicalLines(lines)) {
        const QRegularExpressionMatch match = dataLine.match(line);
        if (!match.hasMatch())
            continue;
        const QString name = match.captured(1);
        if (chosen.isEmpty() || (name == preferred && chosen != preferred))
            chosen = name;
        if (name == chosen)
            data = match.captured(2);
    }

    QByteArray values;
    if (!EdidFileIo::appendHexTokens(data, &values, EdidImageSize))
        return EdidFileIo::failure(tr("Open Edid file"), tr("Invalid data size"));
    std::memcpy(image, values.constData(), static_cast<size_t>(values.size()));
    return EdidFileIo::loaded();
}

EdidFileResult EdidRegFile::write(const QString &fileName, const EdidImage &image, quint32 size,
                                  const QString &key, const QString &value)
{
    if (size == 0)
        return EdidFileIo::noBlockToWrite();
    if (value.isEmpty())
        return EdidFileIo::failure(tr("Registry Value"),
                                   tr("No display to name the registry value"));
    if (key.isEmpty())
        return EdidFileIo::failure(tr("Registry Path"), tr("Failed to obtain registry path"));

    const quint32 count = qMin(size, EdidImageSize);
    QByteArray content = "Windows Registry Editor Version 6.1\n\n";
    content += key.toUtf8() + '\n';
    content += '"' + value.toUtf8() + "\"=hex:";
    for (quint32 i = 0; i < count; ++i) {
        if (i > 0)
            content += ',';
        content += EdidFileIo::hexDigits(image[i]);
    }
    content += '\n';
    return EdidFileIo::save(fileName, content, tr("Save Edid registry file"));
}
