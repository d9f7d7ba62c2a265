#include "vyrfilelogger.h"

#include <QFile>

VyrFileLogger::VyrFileLogger(const QString &fileName, bool truncate)
    : VyrBaseLogger(0xFFFFFFFFu)
    , m_fileName(fileName)
{
    // Open the file by its name in the file system's own encoding, so any path works.
    const QByteArray path = QFile::encodeName(fileName);
    const std::ios_base::openmode mode = std::ios_base::out | std::ios_base::binary
                                         | (truncate ? std::ios_base::trunc : std::ios_base::app);
    m_stream.open(path.constData(), mode);
}

VyrFileLogger::~VyrFileLogger()
{
    if (m_stream.is_open())
        m_stream.close();
}

void VyrFileLogger::OnLogStringOut(AppLogType, const QString &line)
{
    if (!m_stream.good())
        return;
    const QByteArray bytes = line.toUtf8();
    m_stream.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
    m_stream.put('\n');
    m_stream.flush();
}
