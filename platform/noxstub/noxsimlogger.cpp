// The simulated driver's logger (test-harness function ZOVRETH_DRIVER_LOGGER): buffer
// size, log text, forced updates and the major and minor log categories.

#include "noxsimlogger.h"

#include "noxsimmachine.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Where the driver keeps its settings; VYR_DRIVER_SETTINGS names another file, as it
// does for the program.
QString settingsPath()
{
    return qEnvironmentVariable("VYR_DRIVER_SETTINGS", QStringLiteral("/etc/wex/vyrpcsdb"));
}

NoxSimLogMajor major(uint32_t id, const char *name, std::initializer_list<const char *> minors)
{
    NoxSimLogMajor m;
    m.id = id;
    m.name = QString::fromLatin1(name);
    uint32_t minorId = 0;
    for (const char *minor : minors)
        m.minors.push_back({minorId++, QString::fromLatin1(minor)});
    return m;
}

uint32_t jsonWord(const QJsonValue &value, uint32_t fallback)
{
    if (value.isString()) {
        bool ok = false;
        const uint32_t word = value.toString().toUInt(&ok, 0);
        return ok ? word : fallback;
    }
    return value.isDouble() ? static_cast<uint32_t>(value.toDouble()) : fallback;
}

// A text made from the machine: what the driver would have logged about its displays.
QByteArray machineText(const NoxSimMachine &m)
{
    QString text = QStringLiteral("Simulated driver log (no real driver is installed)\n");
    for (const NoxSimDisplay &d : m.displays) {
        if (!d.connected)
            continue;
        text += QStringLiteral("DISPLAY: adapter %1 display %2 \"%3\" connected, EDID %4 bytes")
                    .arg(d.adapter)
                    .arg(d.index)
                    .arg(d.name)
                    .arg(d.edid.size());
        text += d.mapped && d.controller >= 0
                    ? QStringLiteral(", controller %1\n").arg(d.controller)
                    : QStringLiteral(", not in use\n");
    }
    if (m.logger.updates > 0)
        text +=
            QStringLiteral("LOGGER: settings applied %1 time(s): enable 0x%2, buffer %3 bytes\n")
                .arg(m.logger.updates)
                .arg(m.logger.enableFlags, 0, 16)
                .arg(m.logger.bufferSize);
    return text.toLatin1();
}

// A forced update: the driver reads its log settings from the settings file again.
void applySettings(NoxSimLogger &logger)
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    bool ok = false;
    const uint32_t size = settings.value(QStringLiteral("ZelkLogBufferSize")).toUInt(&ok);
    if (ok)
        logger.bufferSize = size;
    const uint32_t flags = settings.value(QStringLiteral("ZelkLogEnable")).toUInt(&ok);
    if (ok)
        logger.enableFlags = flags;
    ++logger.updates;
}

template <typename Record> void reply(const Record &record, unsigned char *output, size_t size)
{
    if (output != nullptr)
        std::memcpy(output, &record, std::min(sizeof(Record), size));
}

uint32_t inputWord(const unsigned char *input, size_t size, size_t index)
{
    return input != nullptr && (index + 1) * 4 <= size
               ? qFromLittleEndian<quint32>(input + index * 4)
               : 0u;
}

} // namespace

NoxSimLogger noxSimDemoLogger()
{
    NoxSimLogger logger;
    logger.majors.push_back(major(0x100, "DISPLAY", {"ERROR", "TRACE", "MODE"}));
    logger.majors.push_back(major(0x101, "EDID", {"ERROR", "TRACE", "OVERRIDE"}));
    logger.majors.push_back(major(0x102, "DP", {"ERROR", "TRACE", "LINK_TRAINING", "AUX", "MST"}));
    logger.majors.push_back(major(0x103, "POWER", {"ERROR", "TRACE"}));
    return logger;
}

NoxSimLogger noxSimLoggerFromJson(const QJsonObject &object)
{
    NoxSimLogger logger = noxSimDemoLogger();
    logger.bufferSize = jsonWord(object.value(QStringLiteral("bufferSize")), logger.bufferSize);
    if (object.contains(QStringLiteral("text")))
        logger.text = object.value(QStringLiteral("text")).toString().toLatin1();
    if (object.contains(QStringLiteral("categories"))) {
        logger.majors.clear();
        for (const QJsonValue &value : object.value(QStringLiteral("categories")).toArray()) {
            const QJsonObject o = value.toObject();
            NoxSimLogMajor m;
            m.id = jsonWord(o.value(QStringLiteral("id")), 0);
            m.name = o.value(QStringLiteral("name")).toString();
            for (const QJsonValue &minor : o.value(QStringLiteral("minors")).toArray()) {
                const QJsonObject mo = minor.toObject();
                m.minors.push_back({jsonWord(mo.value(QStringLiteral("id")), 0),
                                    mo.value(QStringLiteral("name")).toString()});
            }
            logger.majors.push_back(m);
        }
    }
    return logger;
}

int noxSimLoggerCommand(NoxSimMachine &m, uint32_t command, const unsigned char *input,
                        size_t inputSize, unsigned char *output, size_t outputSize)
{
    NoxSimLogger &logger = m.logger;
    switch (command) {
    case LOGGER_GET_INFO: {
        LoggerInfo r{};
        r.ulLogBufferSize = logger.bufferSize;
        reply(r, output, outputSize);
        return NOX_OK;
    }
    case LOGGER_GET_LOG: {
        // Word 0 holds the room the caller has for text; the reply puts the length there.
        if (output == nullptr || outputSize < 4)
            return NOX_ERR_INVALID_PARAM_SIZE;
        const size_t room = std::min<size_t>(
            {qFromLittleEndian<quint32>(output), outputSize - 4, logger.bufferSize});
        const QByteArray text = logger.text ? *logger.text : machineText(m);
        const size_t n = std::min(room, static_cast<size_t>(text.size()));
        qToLittleEndian<quint32>(static_cast<quint32>(n), output);
        std::memcpy(output + 4, text.constData(), n);
        return NOX_OK;
    }
    case LOGGER_FORCE_UPDATE:
        applySettings(logger);
        return NOX_OK;
    case LOGGER_ENUM_MAJOR: {
        const uint32_t index = inputWord(input, inputSize, 0);
        if (index >= logger.majors.size())
            return NOX_ERR;
        LoggerMajorInfo r{};
        r.ulMajor = logger.majors[index].id;
        noxSimCopyText(r.cName, sizeof(r.cName), logger.majors[index].name);
        reply(r, output, outputSize);
        return NOX_OK;
    }
    case LOGGER_ENUM_MINOR: {
        const uint32_t id = inputWord(input, inputSize, 0);
        const uint32_t index = inputWord(input, inputSize, 1);
        const auto found =
            std::find_if(logger.majors.begin(), logger.majors.end(),
                         [id](const NoxSimLogMajor &major) { return major.id == id; });
        if (found == logger.majors.end() || index >= found->minors.size())
            return NOX_ERR;
        LoggerMinorInfo r{};
        r.ulMinor = found->minors[index].id;
        noxSimCopyText(r.cName, sizeof(r.cName), found->minors[index].name);
        reply(r, output, outputSize);
        return NOX_OK;
    }
    default:
        return NOX_ERR_NOT_SUPPORTED;
    }
}
