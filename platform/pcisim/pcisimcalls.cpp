#include "pcisimcalls.h"

#include <cstdio>

bool PciSimCalls::enter(const char *entry)
{
    const int n = ++m_counts[entry];
    if (!m_tracePath.isEmpty()) {
        // Plain C files: this also works while the process exits.
        if (FILE *file = std::fopen(m_tracePath.constData(), "a")) {
            std::fprintf(file, "%s\n", entry);
            std::fclose(file);
        }
    }
    for (auto it = m_failures.begin(); it != m_failures.end(); ++it) {
        if (it->entry != entry)
            continue;
        if (it->call == 0)
            return true;
        if (it->call == n) {
            m_failures.erase(it);
            return true;
        }
    }
    return false;
}

void PciSimCalls::fail(const char *entry, int nth)
{
    m_failures.push_back({entry, nth <= 0 ? 0 : m_counts[entry] + nth});
}

int PciSimCalls::count(const char *entry) const
{
    const auto it = m_counts.find(entry);
    return it == m_counts.end() ? 0 : it->second;
}

void PciSimCalls::reset()
{
    m_counts.clear();
    m_failures.clear();
}
