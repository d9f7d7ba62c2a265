#include "vyrapplicationlogger.h"

VyrApplicationLogger::VyrApplicationLogger(unsigned int mask)
    : VyrBaseLogger(mask)
{}

VyrApplicationLogger::~VyrApplicationLogger()
{
    m_sinks.clear();
}

void VyrApplicationLogger::OnLogStringOut(AppLogType type, const QString &text)
{
    QString line;
    ComposeString(type, text, line);
    // Copy the sinks first: a sink may add or remove sinks while it writes.
    const auto sinks = m_sinks;
    for (const auto &entry : sinks) {
        if (entry.second)
            entry.second->PrintLog(type, line);
    }
}

void VyrApplicationLogger::AddLogger(const std::string &name,
                                     const QSharedPointer<VyrBaseLogger> &sink)
{
    m_sinks[name] = sink;
}

void VyrApplicationLogger::RemoveLogger(const std::string &name)
{
    m_sinks.erase(name);
}
