#include "vyrbaselogger.h"

#include <QCoreApplication>
#include <QTime>

VyrBaseLogger::VyrBaseLogger(unsigned int mask)
    : m_mask(mask)
{}

VyrBaseLogger::~VyrBaseLogger() = default;

QString VyrBaseLogger::typePrefix(AppLogType type)
{
    switch (type) {
    case AppLogInfo:
        return QCoreApplication::translate("VyrBaseLogger", "INFO: ");
    case AppLogWarning:
        return QCoreApplication::translate("VyrBaseLogger", "WARNING: ");
    case AppLogError:
        return QCoreApplication::translate("VyrBaseLogger", "ERROR: ");
    case AppLogTest:
        return QCoreApplication::translate("VyrBaseLogger", "TEST: ");
    case AppLogNetwork:
        return QCoreApplication::translate("VyrBaseLogger", "NETWORK: ");
    case AppLogNetworkFail:
        return QCoreApplication::translate("VyrBaseLogger", "NETWORK FAIL: ");
    case AppLogPerformance:
        return QCoreApplication::translate("VyrBaseLogger", "PERFORMANCE: ");
    default:
        return QString();
    }
}

void VyrBaseLogger::ComposeString(AppLogType type, const QString &text, QString &line)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss:zzz"));
    line = QCoreApplication::translate("VyrBaseLogger", "[") + time
           + QCoreApplication::translate("VyrBaseLogger", "]") + typePrefix(type) + text;
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
