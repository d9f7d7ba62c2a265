#include "vyrbaselogger.h"

#include <QTime>

VyrBaseLogger::VyrBaseLogger(unsigned int mask)
    : m_mask(mask)
{}

VyrBaseLogger::~VyrBaseLogger() = default;

QString VyrBaseLogger::typePrefix(AppLogType type)
{
    switch (type) {
    case AppLogInfo:
        return tr("INFO: ");
    case AppLogWarning:
        return tr("WARNING: ");
    case AppLogError:
        return tr("ERROR: ");
    case AppLogTest:
        return tr("TEST: ");
    case AppLogNetwork:
        return tr("NETWORK: ");
    case AppLogNetworkFail:
        return tr("NETWORK FAIL: ");
    case AppLogPerformance:
        return tr("PERFORMANCE: ");
    default:
        return QString();
    }
}

void VyrBaseLogger::ComposeString(AppLogType type, const QString &text, QString &line)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss:zzz"));
    line = tr("[%1]%2%3").arg(time, typePrefix(type), text);
}

void VyrBaseLogger::PrintLog(AppLogType type, const QString &text)
{
    if ((static_cast<unsigned int>(type) & m_mask) != 0)
        OnLogStringOut(type, text);
}

void VyrBaseLogger::PrintLog(const QString &text)
{
    OnLogStringOut(AppLogAll, text);
}
