#pragma once

#include "vyrbaselogger.h"

#include <QSharedPointer>

#include <map>
#include <string>

// Binary contract: see ARCHITECTURE.md, "Logger object layout".
// The application logger: composes each line once and hands it to its sinks in
// ascending name order; every sink applies its own mask as well.
class VyrApplicationLogger : public VyrBaseLogger
{
public:
    explicit VyrApplicationLogger(unsigned int mask);
    ~VyrApplicationLogger() override;

    void OnLogStringOut(AppLogType type, const QString &text) override;

    // Stores the sink under name, replacing (and releasing) one stored before.
    void AddLogger(const std::string &name, const QSharedPointer<VyrBaseLogger> &sink);
    void RemoveLogger(const std::string &name);

private:
    std::map<std::string, QSharedPointer<VyrBaseLogger>> m_sinks;
};
