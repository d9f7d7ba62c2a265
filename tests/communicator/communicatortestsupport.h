#pragma once

#include "apploggerinfo.h"
#include "vyrbaselogger.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

// Keeps every line logged to it, with its type.
class CapturingLogger : public VyrBaseLogger
{
public:
    CapturingLogger()
        : VyrBaseLogger(0xFFFFFFFFu)
    {}

    void OnLogStringOut(AppLogType type, const QString &line) override
    {
        types.append(type);
        lines.append(line);
    }

    void clear()
    {
        types.clear();
        lines.clear();
    }

    // True when some line of the given type is exactly the text.
    bool has(AppLogType type, const QString &text) const
    {
        for (int i = 0; i < lines.size(); ++i) {
            if (types.at(i) == type && lines.at(i) == text)
                return true;
        }
        return false;
    }

    QList<AppLogType> types;
    QStringList lines;
};

// Writes a configuration-store file (one "path<TAB>type<TAB>value" line per entry).
inline bool writeStoreFile(const QString &fileName, const QByteArray &contents)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(contents) == contents.size();
}

inline QByteArray readWholeFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
