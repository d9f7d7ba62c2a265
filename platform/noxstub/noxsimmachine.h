#pragma once

// The simulated machine behind the stand-in driver control library: graphics
// devices and their adapters, displays with their EDIDs, modes, DPCD registers,
// DDC/CI replies and MST data, and the driver settings that the entry points read
// and change. One machine per loaded library; nothing here is exported.

#include "noxapi.h"
#include "noxsimlogger.h"
#include "vyrsimcontrol.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#define NOXSIM_EXPORT extern "C" __attribute__((visibility("default")))

struct NoxSimMode
{
    int width = 0;
    int height = 0;
    float refresh = 60.0f;
    int depth = 32;
};

struct NoxSimAdapter
{
    int index = 0;
    int bus = 0;
    int device = 0;
    int function = 0;
    int vendorId = 0;
    int present = 1;
    int xScreen = 0;
    int driverIndex = 0;
    QString udid;
    QString name;
    QString displayName;
    QString xScreenConfigName;
    bool active = true;
    int asicFamily = 1;
    int asicValids = 1;
    QString biosPartNumber;
    QString biosVersion;
    QString biosDate;
};

struct NoxSimDisplay
{
    int adapter = 0;     // logical adapter index
    int index = 0;       // logical display index
    int controller = -1; // -1 when no controller drives it
    QString name;
    QString manufacturer;
    bool connected = true;
    bool mapped = true;
    int type = 0;
    int outputType = 0;
    int connector = 0;
    uint32_t signalType = NOX_SIGNAL_UNKNOWN;
    QByteArray edid;
    int edidBytesPerRequest = 128;
    QVector<NoxSimMode> modes;
    int currentMode = 0;
    int mapIndex = -1; // desktop shared with the displays of the same index; -1 its own
    int x = 0;
    int y = 0;
    std::map<unsigned int, unsigned char> dpcd;
    std::map<unsigned int, unsigned char> branchDpcd;
    QByteArray ddcCapabilities;
    std::map<int, std::pair<int, int>> vcp; // code -> {current, maximum}
    QByteArray ddcReply;                    // reply waiting for the next DDC/CI read
    bool mst = false;
    int mstTreeId = -1;
    int mstLinkCount = 0;
    QByteArray mstGuid;
    QByteArray mstRad;
    std::map<std::string, int> settings; // plain integer settings by name
    std::vector<NOXCustomMode> customModes;
    QByteArray connectionEdid;
    int emulationMode = 0;
    uint32_t serialNumber = 0;

    int setting(const std::string &key, int fallback = 0) const
    {
        auto it = settings.find(key);
        return it == settings.end() ? fallback : it->second;
    }
    // The current mode (an index past the list reads as its last mode), or an
    // empty mode when the display has none.
    NoxSimMode activeMode() const
    {
        if (modes.isEmpty())
            return NoxSimMode{};
        return modes[std::max(0, std::min(currentMode, modes.size() - 1))];
    }
};

struct NoxSimFailure
{
    std::string entry;
    int nth = 0; // 0: every call
    int code = 0;
};

class NoxSimMachine
{
public:
    static NoxSimMachine &instance();

    // Loading ------------------------------------------------------------------
    void loadDemo();
    bool loadFile(const QString &path, QString *error = nullptr);
    // Loads from VYRSIM_NOX_MACHINE when set (demo when unset or unreadable).
    int loadFromEnvironment();
    void ensureLoaded();

    // Calls --------------------------------------------------------------------
    // Records the call and answers an armed failure code for it, if any.
    std::optional<int> enter(const char *entry, unsigned int code = 0, unsigned int function = 0,
                             int inputSize = 0, int outputSize = 0);
    void fail(const char *entry, int nth, int code);
    void resetTestState();

    // Lookups ------------------------------------------------------------------
    NoxSimAdapter *adapter(int index);
    NoxSimDisplay *display(int adapter, int display);
    // Displays listed for an adapter: every display of its graphics device.
    std::vector<NoxSimDisplay *> displaysOfDevice(int adapter);
    // Position of the adapter's graphics device (bus and device number) among the
    // devices in adapter order: the physical adapter index of its displays.
    int deviceIndex(int adapter) const;
    NOXDisplayIdentifier identity(const NoxSimDisplay &display) const;
    void *allocate(size_t bytes) const;
    // An adapter-wide setting, or fallback when it was never set.
    int global(const std::string &key, int fallback = 0) const
    {
        auto it = globals.find(key);
        return it == globals.end() ? fallback : it->second;
    }

    std::vector<NoxSimAdapter> adapters;
    std::vector<NoxSimDisplay> displays;
    int primaryAdapter = 0;
    int edidPersistence = 0;
    int sampleRate = 48000;
    int audioDelay = 0;
    int audioSplitEnabled = 0;
    std::map<std::string, int> globals; // adapter-wide settings by name
    NOX_MAIN_MALLOC_CALLBACK allocator = nullptr;
    int openContexts = 0;
    int edidBytesPerRequest = 0; // option: overrides every display when not 0
    int auxReplyExtraBytes = 0;  // option: an AUX read reports this many bytes more
    int ddcReplyLengthByte = 0;  // option: when not 0, the length byte of every DDC/CI reply
    std::vector<VyrSimCall> calls;
    std::vector<NoxSimFailure> failures;
    std::map<std::string, int> callCounts;
    QByteArray lastFrame;
    NoxSimLogger logger;

private:
    bool m_loaded = false;
};

// Escape dispatch (noxsimescape.cpp): handles one call record given to Send.
int noxSimEscape(NoxSimMachine &machine, const NOXEscapeCall &call);
// DDC/CI exchange on a display (noxsimddc.cpp): a write queues the reply that the next
// read returns.
int noxSimDdcTransfer(NoxSimDisplay &display, const unsigned char *write, int writeLength,
                      unsigned char *read, int readLength, int *returned);
// One AUX transfer on a display's DPCD registers (noxsimaux.cpp); branch selects those
// of the MST branch in front of it. A read fills data (room for capacity bytes) and
// answers in replied the byte count the driver reports. NOX_ERR_NOT_SUPPORTED when the
// display has no such registers.
int noxSimAuxTransfer(NoxSimMachine &machine, NoxSimDisplay &display, bool write, bool branch,
                      unsigned int address, unsigned char *data, unsigned int count,
                      unsigned int capacity, unsigned int *replied);
// A mode record of the display in one of its modes, as the entry points answer it.
void noxSimFillMode(NOXMode &mode, int adapter, const NoxSimDisplay &display, const NoxSimMode &m);

// Desktops (noxsimdesktop.cpp). Puts a connected display on a desktop of the adapter,
// giving it a free controller when it has none there.
void noxSimMapDisplay(NoxSimMachine &machine, NoxSimDisplay &display, int adapter);
// Turns an adapter off (its displays leave their desktops) or on (its connected
// displays get one each).
void noxSimSetAdapterActive(NoxSimMachine &machine, NoxSimAdapter &adapter, bool active);
// Turns an adapter on with the given displays (moved to it) on desktops of their own.
void noxSimActivateWithTargets(NoxSimMachine &machine, NoxSimAdapter &adapter, int targetCount,
                               const NOXDisplayTarget *targets);
// The adapter's display map: one map per desktop, its displays as targets.
int noxSimGetMapConfig(NoxSimMachine &machine, int adapter, int *mapCount, NOXDisplayMap **maps,
                       int *targetCount, NOXDisplayTarget **targets);
// Whether a map handed to the driver holds together: the maps' first indexes and counts
// cut the target list into consecutive runs, one per map in order, and every target
// names the map whose run holds it.
bool noxSimMapIsWellFormed(int mapCount, const NOXDisplayMap *maps, int targetCount,
                           const NOXDisplayTarget *targets);
// Takes the given map: listed displays on the desktops of their maps, the adapter's
// other displays off.
void noxSimSetMapConfig(NoxSimMachine &machine, int adapter, int mapCount,
                        const NOXDisplayMap *maps, int targetCount,
                        const NOXDisplayTarget *targets);
// Copies a QString into a fixed char field, always terminated.
void noxSimCopyText(char *field, size_t size, const QString &text);
