#include "pcisimmachine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

// A number given as a JSON number or as a string in C notation ("0x1F", "31").
uint64_t toNumber(const QJsonValue &value, uint64_t fallback = 0)
{
    if (value.isString()) {
        bool ok = false;
        const uint64_t v = value.toString().toULongLong(&ok, 0);
        return ok ? v : fallback;
    }
    return value.isDouble() ? static_cast<uint64_t>(value.toDouble()) : fallback;
}

// {"address": value} pairs of a register map.
template <typename Fn> void forEachValue(const QJsonObject &object, Fn fn)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool ok = false;
        const uint64_t address = it.key().toULongLong(&ok, 0);
        if (ok)
            fn(address, toNumber(it.value()));
    }
}

bool deviceFromJson(const QJsonObject &o, int position, PciSimDevice &d, QString *error)
{
    const auto text = [&o](const char *key) { return o.value(QLatin1String(key)); };
    d = pciSimDevice(
        static_cast<int>(toNumber(text("bus"))), static_cast<int>(toNumber(text("device"))),
        static_cast<int>(toNumber(text("function"))),
        text("name").toString(QStringLiteral("Simulated graphics device %1").arg(position)),
        toNumber(text("framebuffer"), 0xC0000000u), toNumber(text("registerBase"), 0xFC000000u),
        static_cast<uint32_t>(toNumber(text("ioBase"), 0xE000)));
    d.vendorId = static_cast<uint16_t>(toNumber(text("vendorId"), d.vendorId));
    d.deviceId = static_cast<uint16_t>(toNumber(text("deviceId"), d.deviceId));
    d.registerSize = toNumber(text("registerSize"), d.registerSize);
    d.ioSize = static_cast<uint32_t>(toNumber(text("ioSize"), d.ioSize));
    d.buildConfig();

    const QJsonArray bars = text("bars").toArray();
    if (bars.size() > 6) {
        if (error)
            *error =
                QStringLiteral("device %1: more than six base address registers").arg(position);
        return false;
    }
    for (int i = 0; i < bars.size(); ++i)
        d.setBar(i, static_cast<uint32_t>(toNumber(bars.at(i))));
    bool configOk = true;
    forEachValue(text("config").toObject(), [&](uint64_t offset, uint64_t value) {
        const auto byte = static_cast<uint8_t>(value);
        configOk = d.writeConfig(offset, &byte, 1) && configOk;
    });
    bool registersOk = true;
    forEachValue(text("registers").toObject(), [&](uint64_t offset, uint64_t value) {
        const uint32_t word = qToLittleEndian(static_cast<uint32_t>(value));
        registersOk = d.writeRegisters(offset, &word, sizeof word) && registersOk;
    });
    forEachValue(text("io").toObject(), [&](uint64_t port, uint64_t value) {
        const uint32_t word = qToLittleEndian(static_cast<uint32_t>(value));
        registersOk = d.writeIo(port, &word, sizeof word) && registersOk;
    });
    forEachValue(text("indirect").toObject(), [&](uint64_t index, uint64_t value) {
        d.indirect[static_cast<uint32_t>(index)] = static_cast<uint32_t>(value);
    });
    if (!configOk || !registersOk) {
        if (error)
            *error = QStringLiteral("device %1: a register lies outside its space").arg(position);
        return false;
    }
    return true;
}

} // namespace

PciSimDevice pciSimDevice(int bus, int device, int function, const QString &name,
                          uint64_t framebuffer, uint64_t registerBase, uint32_t ioBase)
{
    PciSimDevice d;
    d.bus = bus;
    d.device = device;
    d.function = function;
    d.name = name;
    d.framebuffer = framebuffer;
    d.registerBase = registerBase;
    d.ioBase = ioBase;
    d.buildConfig();
    return d;
}

void PciSimMachine::loadDemo()
{
    // The graphics devices of the simulated driver's demo machine (same PCI locations
    // and ids), so both views of the machine agree.
    devices.clear();
    devices.push_back(pciSimDevice(3, 0, 0,
                                   QStringLiteral("Simulated Graphics Device (demo, not real "
                                                  "hardware)"),
                                   0xC0000000u, 0xFCE00000u, 0xE000));
    devices.push_back(pciSimDevice(0, 2, 0,
                                   QStringLiteral("Simulated Integrated Graphics (demo, not "
                                                  "real hardware)"),
                                   0xD0000000u, 0xFD000000u, 0xF000));
    devices.back().ioSize = 0x40;
    // Register 0 mirrors the ids, so a first read shows something.
    for (PciSimDevice &d : devices) {
        const uint32_t ids = qToLittleEndian(static_cast<uint32_t>(d.deviceId) << 16 | d.vendorId);
        d.writeRegisters(0, &ids, sizeof ids);
    }
}

bool PciSimMachine::loadFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open ") + path;
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        if (error)
            *error = parseError.errorString();
        return false;
    }
    std::vector<PciSimDevice> loaded;
    const QJsonArray array = document.object().value(QStringLiteral("devices")).toArray();
    for (int i = 0; i < array.size(); ++i) {
        PciSimDevice d;
        if (!deviceFromJson(array.at(i).toObject(), i, d, error))
            return false;
        loaded.push_back(d);
    }
    devices = loaded;
    return true;
}

bool PciSimMachine::loadFromEnvironment(const char *variable)
{
    loadDemo();
    const QByteArray path = qgetenv(variable);
    if (path.isEmpty())
        return true;
    QString error;
    if (loadFile(QString::fromLocal8Bit(path), &error))
        return true;
    qWarning("%s: %s; the demo machine is used", variable, qPrintable(error));
    return false;
}

void PciSimMachine::growTo(int count)
{
    for (int bus = 0x10; static_cast<int>(devices.size()) < count; ++bus) {
        const uint64_t n = devices.size();
        devices.push_back(pciSimDevice(bus, 0, 0,
                                       QStringLiteral("Simulated Graphics Device %1").arg(n),
                                       0x100000000ull * (n + 1), 0xF0000000u + (n << 20),
                                       static_cast<uint32_t>(0x8000 + (n << 8))));
    }
}

PciSimDevice *PciSimMachine::find(unsigned int location)
{
    for (PciSimDevice &d : devices) {
        if (d.location() == location)
            return &d;
    }
    return nullptr;
}

PciSimDevice *PciSimMachine::fromHandle(const void *handle)
{
    // Compared by address only: a stale handle is never dereferenced.
    for (PciSimDevice &d : devices) {
        if (&d == handle)
            return &d;
    }
    return nullptr;
}
