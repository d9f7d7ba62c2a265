#pragma once

// Call counters and failure injection of a register-access stand-in.

#include <QByteArray>

#include <map>
#include <string>
#include <vector>

class PciSimCalls
{
public:
    // Counts a call; true when the call is to fail.
    bool enter(const char *entry);
    // Makes the nth call from now (1 = the next) of an entry point fail; 0: every call.
    void fail(const char *entry, int nth);
    int count(const char *entry) const;
    void reset();
    // Appends the name of every call from now on to this file (none when empty).
    void traceTo(const QByteArray &path) { m_tracePath = path; }

private:
    struct Failure
    {
        std::string entry;
        int call = 0; // 0: every call
    };
    std::map<std::string, int> m_counts;
    std::vector<Failure> m_failures;
    QByteArray m_tracePath;
};
