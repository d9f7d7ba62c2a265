#include "noxsimmachine.h"

#include "noxsimedids.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdlib>
#include <cstring>

NoxSimMachine &NoxSimMachine::instance()
{
    static NoxSimMachine machine;
    return machine;
}

void noxSimCopyText(char *field, size_t size, const QString &text)
{
    if (!size)
        return;
    const QByteArray bytes = text.toLatin1();
    const size_t n = std::min(size - 1, static_cast<size_t>(bytes.size()));
    std::memcpy(field, bytes.constData(), n);
    field[n] = '\0';
}

void *NoxSimMachine::allocate(size_t bytes) const
{
    // Arrays handed out are allocated through the caller's callback, as the real
    // library does, so the caller can release them with its free function.
    if (!allocator || bytes == 0)
        return nullptr;
    void *p = allocator(static_cast<int>(bytes));
    if (p)
        std::memset(p, 0, bytes);
    return p;
}

void NoxSimMachine::ensureLoaded()
{
    if (!m_loaded)
        loadFromEnvironment();
}

int NoxSimMachine::loadFromEnvironment()
{
    const QByteArray path = qgetenv("VYRSIM_NOX_MACHINE");
    if (!path.isEmpty()) {
        if (loadFile(QString::fromLocal8Bit(path)))
            return 0;
        loadDemo();
        return -1;
    }
    loadDemo();
    return 0;
}

namespace {

int toInt(const QJsonValue &value, int fallback = 0)
{
    if (value.isString()) {
        bool ok = false;
        const int v = value.toString().toInt(&ok, 0);
        return ok ? v : fallback;
    }
    return value.isDouble() ? value.toInt(fallback) : fallback;
}

QByteArray sampleEdid(const QString &key)
{
    for (const NoxSimEdid *e = noxSimEdids; e->key; ++e) {
        if (key == QLatin1String(e->key))
            return QByteArray(reinterpret_cast<const char *>(e->data), static_cast<int>(e->size));
    }
    return QByteArray();
}

std::map<unsigned int, unsigned char> registerMap(const QJsonObject &object)
{
    std::map<unsigned int, unsigned char> map;
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool ok = false;
        const unsigned int address = it.key().toUInt(&ok, 0);
        if (ok)
            map[address] = static_cast<unsigned char>(toInt(it.value()) & 0xFF);
    }
    return map;
}

} // namespace

bool NoxSimMachine::loadFile(const QString &path, QString *error)
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
    const QDir baseDir = QFileInfo(path).absoluteDir();
    const QJsonObject root = document.object();

    std::vector<NoxSimAdapter> newAdapters;
    const QJsonArray adapterArray = root.value(QStringLiteral("adapters")).toArray();
    for (int i = 0; i < adapterArray.size(); ++i) {
        const QJsonObject o = adapterArray.at(i).toObject();
        NoxSimAdapter a;
        a.index = toInt(o.value(QStringLiteral("index")), i);
        a.bus = toInt(o.value(QStringLiteral("bus")));
        a.device = toInt(o.value(QStringLiteral("device")));
        a.function = toInt(o.value(QStringLiteral("function")));
        a.vendorId = toInt(o.value(QStringLiteral("vendorId")));
        a.present = toInt(o.value(QStringLiteral("present")), 1);
        a.xScreen = toInt(o.value(QStringLiteral("xScreen")), i);
        a.driverIndex = toInt(o.value(QStringLiteral("driverIndex")), i);
        a.udid = o.value(QStringLiteral("udid")).toString();
        a.name = o.value(QStringLiteral("name")).toString(QStringLiteral("Simulated adapter"));
        a.displayName = o.value(QStringLiteral("displayName")).toString();
        a.xScreenConfigName = o.value(QStringLiteral("xScreenConfigName")).toString();
        a.active = o.value(QStringLiteral("active")).toBool(true);
        a.biosPartNumber =
            o.value(QStringLiteral("biosPartNumber")).toString(QStringLiteral("SIM-BIOS"));
        a.biosVersion = o.value(QStringLiteral("biosVersion")).toString(QStringLiteral("1.0"));
        a.biosDate = o.value(QStringLiteral("biosDate")).toString(QStringLiteral("2026/01/01"));
        newAdapters.push_back(a);
    }

    std::vector<NoxSimDisplay> newDisplays;
    const QJsonArray displayArray = root.value(QStringLiteral("displays")).toArray();
    for (int i = 0; i < displayArray.size(); ++i) {
        const QJsonObject o = displayArray.at(i).toObject();
        NoxSimDisplay d;
        d.adapter = toInt(o.value(QStringLiteral("adapter")));
        d.index = toInt(o.value(QStringLiteral("index")), i);
        d.controller = toInt(o.value(QStringLiteral("controller")), -1);
        d.name = o.value(QStringLiteral("name")).toString(QStringLiteral("Simulated display"));
        d.manufacturer =
            o.value(QStringLiteral("manufacturer")).toString(QStringLiteral("Simulated"));
        d.connected = o.value(QStringLiteral("connected")).toBool(true);
        d.mapped = o.value(QStringLiteral("mapped")).toBool(d.controller >= 0);
        d.type = toInt(o.value(QStringLiteral("type")));
        d.outputType = toInt(o.value(QStringLiteral("outputType")));
        d.connector = toInt(o.value(QStringLiteral("connector")));
        d.signalType = static_cast<uint32_t>(toInt(o.value(QStringLiteral("signalType"))));
        d.edidBytesPerRequest = toInt(o.value(QStringLiteral("edidBytesPerRequest")), 128);
        d.serialNumber = static_cast<uint32_t>(toInt(o.value(QStringLiteral("serialNumber"))));
        if (o.contains(QStringLiteral("edidFile"))) {
            QFile edidFile(baseDir.filePath(o.value(QStringLiteral("edidFile")).toString()));
            if (!edidFile.open(QIODevice::ReadOnly)) {
                if (error)
                    *error = QStringLiteral("cannot open ") + edidFile.fileName();
                return false;
            }
            d.edid = edidFile.readAll();
        } else if (o.contains(QStringLiteral("edidHex"))) {
            d.edid = QByteArray::fromHex(o.value(QStringLiteral("edidHex")).toString().toLatin1());
        } else if (o.contains(QStringLiteral("edidSample"))) {
            d.edid = sampleEdid(o.value(QStringLiteral("edidSample")).toString());
        }
        const QJsonArray modeArray = o.value(QStringLiteral("modes")).toArray();
        for (const QJsonValue &mv : modeArray) {
            const QJsonObject m = mv.toObject();
            NoxSimMode mode;
            mode.width = toInt(m.value(QStringLiteral("width")));
            mode.height = toInt(m.value(QStringLiteral("height")));
            mode.refresh = static_cast<float>(m.value(QStringLiteral("refresh")).toDouble(60.0));
            mode.depth = toInt(m.value(QStringLiteral("depth")), 32);
            d.modes.push_back(mode);
        }
        d.currentMode = toInt(o.value(QStringLiteral("currentMode")));
        d.dpcd = registerMap(o.value(QStringLiteral("dpcd")).toObject());
        d.branchDpcd = registerMap(o.value(QStringLiteral("branchDpcd")).toObject());
        d.ddcCapabilities = o.value(QStringLiteral("ddcCapabilities")).toString().toLatin1();
        const QJsonObject vcp = o.value(QStringLiteral("vcp")).toObject();
        for (auto it = vcp.begin(); it != vcp.end(); ++it) {
            const QJsonArray pair = it.value().toArray();
            d.vcp[static_cast<int>(it.key().toUInt(nullptr, 0))] = {toInt(pair.at(0)),
                                                                    toInt(pair.at(1))};
        }
        if (o.contains(QStringLiteral("mst"))) {
            const QJsonObject mst = o.value(QStringLiteral("mst")).toObject();
            d.mst = true;
            d.mstTreeId = toInt(mst.value(QStringLiteral("treeId")));
            d.mstLinkCount = toInt(mst.value(QStringLiteral("linkCount")));
            d.mstGuid =
                QByteArray::fromHex(mst.value(QStringLiteral("guid")).toString().toLatin1());
            for (const QJsonValue &r : mst.value(QStringLiteral("rad")).toArray())
                d.mstRad.append(static_cast<char>(toInt(r)));
        }
        const QJsonObject settingObject = o.value(QStringLiteral("settings")).toObject();
        for (auto it = settingObject.begin(); it != settingObject.end(); ++it)
            d.settings[it.key().toStdString()] = toInt(it.value());
        newDisplays.push_back(d);
    }

    adapters = newAdapters;
    displays = newDisplays;
    primaryAdapter = toInt(root.value(QStringLiteral("primaryAdapter")));
    globals.clear();
    logger = noxSimLoggerFromJson(root.value(QStringLiteral("logger")).toObject());
    m_loaded = true;
    return true;
}

std::optional<int> NoxSimMachine::enter(const char *entry, unsigned int code, unsigned int function,
                                        int inputSize, int outputSize)
{
    ensureLoaded();
    VyrSimCall call{};
    std::strncpy(call.entry, entry, sizeof(call.entry) - 1);
    call.code = code;
    call.function = function;
    call.inputSize = inputSize;
    call.outputSize = outputSize;
    calls.push_back(call);
    const int count = ++callCounts[entry];
    for (auto it = failures.begin(); it != failures.end(); ++it) {
        if (it->entry != entry)
            continue;
        if (it->nth == 0)
            return it->code;
        if (it->nth == count) {
            const int result = it->code;
            failures.erase(it);
            return result;
        }
    }
    return std::nullopt;
}

void NoxSimMachine::fail(const char *entry, int nth, int code)
{
    // nth counts from the calls made so far.
    const int base = callCounts[entry];
    failures.push_back({entry, nth == 0 ? 0 : base + nth, code});
}

void NoxSimMachine::resetTestState()
{
    calls.clear();
    failures.clear();
    callCounts.clear();
    lastFrame.clear();
    edidBytesPerRequest = 0;
    auxReplyExtraBytes = 0;
    ddcReplyLengthByte = 0;
}

NoxSimAdapter *NoxSimMachine::adapter(int index)
{
    for (NoxSimAdapter &a : adapters) {
        if (a.index == index)
            return &a;
    }
    return nullptr;
}

NoxSimDisplay *NoxSimMachine::display(int adapterIndex, int displayIndex)
{
    // A display is addressed through any adapter of its graphics device.
    const NoxSimAdapter *a = adapter(adapterIndex);
    if (!a)
        return nullptr;
    for (NoxSimDisplay &d : displays) {
        const NoxSimAdapter *owner = adapter(d.adapter);
        if (d.index == displayIndex && owner && owner->bus == a->bus && owner->device == a->device)
            return &d;
    }
    return nullptr;
}

std::vector<NoxSimDisplay *> NoxSimMachine::displaysOfDevice(int adapterIndex)
{
    std::vector<NoxSimDisplay *> list;
    const NoxSimAdapter *a = adapter(adapterIndex);
    if (!a)
        return list;
    for (NoxSimDisplay &d : displays) {
        const NoxSimAdapter *owner = adapter(d.adapter);
        if (owner && owner->bus == a->bus && owner->device == a->device)
            list.push_back(&d);
    }
    return list;
}

int NoxSimMachine::deviceIndex(int adapterIndex) const
{
    std::vector<std::pair<int, int>> devices;
    for (const NoxSimAdapter &a : adapters) {
        const std::pair<int, int> key{a.bus, a.device};
        if (std::find(devices.begin(), devices.end(), key) == devices.end())
            devices.push_back(key);
        if (a.index == adapterIndex)
            return static_cast<int>(std::find(devices.begin(), devices.end(), key)
                                    - devices.begin());
    }
    return 0;
}

NOXDisplayIdentifier NoxSimMachine::identity(const NoxSimDisplay &display) const
{
    NOXDisplayIdentifier id;
    id.iDisplayLogicalIndex = display.index;
    id.iDisplayPhysicalIndex = display.index;
    id.iDisplayLogicalAdapterIndex = display.adapter;
    id.iDisplayPhysicalAdapterIndex = deviceIndex(display.adapter);
    return id;
}
