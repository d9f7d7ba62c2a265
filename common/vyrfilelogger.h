#pragma once

#include "vyrbaselogger.h"

#include <QString>

#include <fstream>

// Log sink that writes each line, UTF-8 encoded, to a file. A file that cannot be
// opened silences the sink.
class VyrFileLogger : public VyrBaseLogger
{
public:
    // truncate: start the file empty; otherwise append to it.
    VyrFileLogger(const QString &fileName, bool truncate);
    ~VyrFileLogger() override;

    void OnLogStringOut(AppLogType type, const QString &line) override;

private:
    std::ofstream m_stream;
    QString m_fileName;
};
