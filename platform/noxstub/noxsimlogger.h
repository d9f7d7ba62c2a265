#pragma once

// The simulated driver's logger: its log buffer, its categories and what it reads from
// the driver settings file when asked to update itself.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class NoxSimMachine;
class QJsonObject;

struct NoxSimLogMinor
{
    uint32_t id = 0;
    QString name;
};

struct NoxSimLogMajor
{
    uint32_t id = 0;
    QString name;
    std::vector<NoxSimLogMinor> minors;
};

struct NoxSimLogger
{
    uint32_t bufferSize = 65536; // bytes of log the driver keeps
    uint32_t enableFlags = 0;    // as last read from the settings file
    // The log text as the driver hands it out; without one, a text is made from the
    // machine's displays. May hold zero bytes (a terminated text, stale bytes after it).
    std::optional<QByteArray> text;
    std::vector<NoxSimLogMajor> majors;
    int updates = 0; // force-update requests received
};

// The demo driver's logger: 64 KiB of buffer, four categories.
NoxSimLogger noxSimDemoLogger();
// The "logger" object of a machine file: "bufferSize", "text" and "categories"
// ([{"id", "name", "minors": [{"id", "name"}]}]); the demo's values for what it omits.
NoxSimLogger noxSimLoggerFromJson(const QJsonObject &object);
// One driver-logger command of the adapter test harness. input and output are the
// command's own bytes (after the test-harness header).
int noxSimLoggerCommand(NoxSimMachine &machine, uint32_t command, const unsigned char *input,
                        size_t inputSize, unsigned char *output, size_t outputSize);
