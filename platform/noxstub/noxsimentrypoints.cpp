// Entry points of the simulated driver control library. Every entry point records
// itself in the call log, answers an armed test failure when there is one, and
// otherwise reads or changes the simulated machine.

#include "noxsimmachine.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

// Declarations from the shared header: a definition below that does not match the
// argument list the program looks up fails to compile.
#define NOXSIM_DECLARE(name, args) NOXSIM_EXPORT int name args;
NOX_ENTRY_POINTS(NOXSIM_DECLARE)
#undef NOXSIM_DECLARE
NOXSIM_EXPORT int NOX_Display_Adapter_ID_Get(int, int *);

#define SIM_ENTER_SIZED(inputSize, outputSize)                                                     \
    NoxSimMachine &m = NoxSimMachine::instance();                                                  \
    if (const auto injected = m.enter(__func__, 0, 0, (inputSize), (outputSize)))                  \
        return *injected;                                                                          \
    if (m.openContexts <= 0)                                                                       \
        return NOX_ERR_NOT_INIT;

#define SIM_ENTER() SIM_ENTER_SIZED(0, 0)

#define SIM_ADAPTER(a)                                                                             \
    NoxSimAdapter *adapter = m.adapter(a);                                                         \
    if (!adapter)                                                                                  \
        return NOX_ERR_INVALID_NOX_INDEX;

// Checks the adapter index of an entry point that does not use the adapter record.
#define SIM_ADAPTER_VALID(a)                                                                       \
    if (!m.adapter(a))                                                                             \
        return NOX_ERR_INVALID_NOX_INDEX;

// Names the display found by lookup, or answers an invalid display index.
#define SIM_DISPLAY_AT(lookup)                                                                     \
    NoxSimDisplay *display = (lookup);                                                             \
    if (!display)                                                                                  \
        return NOX_ERR_INVALID_DIPLAY_IDX;

#define SIM_DISPLAY(a, d)                                                                          \
    SIM_ADAPTER_VALID(a)                                                                           \
    SIM_DISPLAY_AT(m.display((a), (d)))

#define SIM_NEED(pointer)                                                                          \
    if (!(pointer))                                                                                \
        return NOX_ERR_NULL_POINTER;

namespace {

// Reads a display setting into out (when given).
int getSetting(NoxSimDisplay *display, const char *key, int fallback, int *out)
{
    if (!out)
        return NOX_ERR_NULL_POINTER;
    *out = display->setting(key, fallback);
    return NOX_OK;
}

int setSetting(NoxSimDisplay *display, const char *key, int value)
{
    display->settings[key] = value;
    return NOX_OK;
}

// Supported / current / default triple of an on-off display feature.
int getTriple(NoxSimDisplay *display, const char *key, int *support, int *current, int *def)
{
    if (!support || !current || !def)
        return NOX_ERR_NULL_POINTER;
    *support = 1;
    *current = display->setting(key, 0);
    *def = 0;
    return NOX_OK;
}

int ranged(int *current, int *def, int *min, int *max, int *step, int value, int defValue,
           int minValue, int maxValue, int stepValue)
{
    if (!current || !def || !min || !max || !step)
        return NOX_ERR_NULL_POINTER;
    *current = value;
    *def = defValue;
    *min = minValue;
    *max = maxValue;
    *step = stepValue;
    return NOX_OK;
}

} // namespace

void noxSimFillMode(NOXMode &mode, int adapter, const NoxSimDisplay &display, const NoxSimMode &m)
{
    mode.iAdapterIndex = adapter;
    mode.displayID = NoxSimMachine::instance().identity(display);
    mode.iXPos = display.x;
    mode.iYPos = display.y;
    mode.iXRes = m.width;
    mode.iYRes = m.height;
    mode.iColourDepth = m.depth;
    mode.fRefreshRate = m.refresh;
    mode.iOrientation = 0;
    mode.iModeFlag = 0;
}

// ---- control context --------------------------------------------------------------

NOXSIM_EXPORT int NOX_Main_Control_Create(NOX_MAIN_MALLOC_CALLBACK callback, int)
{
    NoxSimMachine &m = NoxSimMachine::instance();
    if (const auto injected = m.enter(__func__))
        return *injected;
#ifdef NOXSIM_CREATE_FAILS
    Q_UNUSED(callback)
    return NOX_ERR;
#else
    if (!callback)
        return NOX_ERR_INVALID_CALLBACK;
    m.allocator = callback;
    ++m.openContexts;
    return NOX_OK;
#endif
}

NOXSIM_EXPORT int NOX_Main_Control_Destroy()
{
    SIM_ENTER()
    --m.openContexts;
    return NOX_OK;
}

#ifndef NOXSIM_NO_REFRESH
NOXSIM_EXPORT int NOX_Main_Control_Refresh()
{
    SIM_ENTER()
    return NOX_OK;
}
#endif

// ---- adapters -------------------------------------------------------------------------

NOXSIM_EXPORT int NOX_Adapter_NumberOfAdapters_Get(int *count)
{
    SIM_ENTER()
    SIM_NEED(count)
    *count = static_cast<int>(m.adapters.size());
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_AdapterInfo_Get(AdapterInfo *info, int size)
{
    SIM_ENTER_SIZED(size, 0)
    SIM_NEED(info)
    const size_t needed = m.adapters.size() * sizeof(AdapterInfo);
    if (size < 0 || static_cast<size_t>(size) < needed)
        return NOX_ERR_INVALID_PARAM_SIZE;
    for (size_t i = 0; i < m.adapters.size(); ++i) {
        const NoxSimAdapter &a = m.adapters[i];
        AdapterInfo &r = info[i];
        std::memset(&r, 0, sizeof(r));
        r.iSize = sizeof(AdapterInfo);
        r.iAdapterIndex = a.index;
        noxSimCopyText(r.strUDID, sizeof(r.strUDID), a.udid);
        r.iBusNumber = a.bus;
        r.iDeviceNumber = a.device;
        r.iFunctionNumber = a.function;
        r.iVendorID = a.vendorId;
        noxSimCopyText(r.strAdapterName, sizeof(r.strAdapterName), a.name);
        noxSimCopyText(r.strDisplayName, sizeof(r.strDisplayName), a.displayName);
        r.iPresent = a.present;
        r.iXScreenNum = a.xScreen;
        r.iDrvIndex = a.driverIndex;
        noxSimCopyText(r.strXScreenConfigName, sizeof(r.strXScreenConfigName), a.xScreenConfigName);
    }
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_VideoBiosInfo_Get(int a, NOXBiosInfo *info)
{
    SIM_ENTER()
    SIM_ADAPTER(a)
    SIM_NEED(info)
    noxSimCopyText(info->strPartNumber, sizeof(info->strPartNumber), adapter->biosPartNumber);
    noxSimCopyText(info->strVersion, sizeof(info->strVersion), adapter->biosVersion);
    noxSimCopyText(info->strDate, sizeof(info->strDate), adapter->biosDate);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_ASICFamilyType_Get(int a, int *type, int *valids)
{
    SIM_ENTER()
    SIM_ADAPTER(a)
    SIM_NEED(type && valids)
    *type = adapter->asicFamily;
    *valids = adapter->asicValids;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_Active_Get(int a, int *status)
{
    SIM_ENTER()
    SIM_ADAPTER(a)
    SIM_NEED(status)
    *status = adapter->active ? 1 : 0;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_Active_Set(int a, int status, int *result)
{
    SIM_ENTER()
    SIM_ADAPTER(a)
    SIM_NEED(result)
    noxSimSetAdapterActive(m, *adapter, status != 0);
    *result = 1; // the change takes effect without a restart
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_Active_SetPrefer(int a, int status, int targetCount,
                                               NOXDisplayTarget *targets, int *result)
{
    SIM_ENTER()
    SIM_ADAPTER(a)
    SIM_NEED(result)
    if (status != 0)
        noxSimActivateWithTargets(m, *adapter, targetCount, targets);
    else
        noxSimSetAdapterActive(m, *adapter, false);
    *result = 1;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_Primary_Get(int *a)
{
    SIM_ENTER()
    SIM_NEED(a)
    *a = m.primaryAdapter;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_Primary_Set(int a)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    m.primaryAdapter = a;
    return NOX_OK;
}

// ---- displays -------------------------------------------------------------------------

NOXSIM_EXPORT int NOX_Display_DisplayInfo_Get(int a, int *count, NOXDisplayInfo **list, int)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(count && list)
    const std::vector<NoxSimDisplay *> displays = m.displaysOfDevice(a);
    *count = static_cast<int>(displays.size());
    *list = nullptr;
    if (displays.empty())
        return NOX_OK;
    auto *records =
        static_cast<NOXDisplayInfo *>(m.allocate(displays.size() * sizeof(NOXDisplayInfo)));
    if (!records)
        return NOX_ERR_NULL_POINTER;
    for (size_t i = 0; i < displays.size(); ++i) {
        const NoxSimDisplay &d = *displays[i];
        NOXDisplayInfo &r = records[i];
        r.displayID = m.identity(d);
        r.iDisplayControllerIndex = d.mapped ? d.controller : -1;
        noxSimCopyText(r.strDisplayName, sizeof(r.strDisplayName), d.name);
        noxSimCopyText(r.strDisplayManufacturerName, sizeof(r.strDisplayManufacturerName),
                       d.manufacturer);
        r.iDisplayType = d.type;
        r.iDisplayOutputType = d.outputType;
        r.iDisplayConnector = d.connector;
        r.iDisplayInfoMask =
            NOX_DISPLAY_DISPLAYINFO_DISPLAYCONNECTED | NOX_DISPLAY_DISPLAYINFO_DISPLAYMAPPED;
        r.iDisplayInfoValue =
            (d.connected ? NOX_DISPLAY_DISPLAYINFO_DISPLAYCONNECTED : 0)
            | (d.connected && d.mapped ? NOX_DISPLAY_DISPLAYINFO_DISPLAYMAPPED : 0);
    }
    *list = records;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_NumberOfDisplays_Get(int a, int *count)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(count)
    *count = static_cast<int>(m.displaysOfDevice(a).size());
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_EdidData_Get(int a, int d, NOXDisplayEDIDData *data)
{
    SIM_ENTER_SIZED(data ? data->iSize : 0, 0)
    SIM_DISPLAY(a, d)
    SIM_NEED(data)
    if (data->iSize != static_cast<int>(sizeof(NOXDisplayEDIDData)))
        return NOX_ERR_INVALID_PARAM_SIZE;
    if (!display->connected)
        return NOX_ERR;
    // Request k returns the EDID from its 128-byte block k on: one block, or two
    // when the driver reads 256 bytes at a time.
    const int perRequest =
        m.edidBytesPerRequest > 0 ? m.edidBytesPerRequest : display->edidBytesPerRequest;
    if (data->iBlockIndex < 0 || data->iBlockIndex > 255)
        return NOX_ERR_INVALID_PARAM;
    const int offset = data->iBlockIndex * 128;
    int n = 0;
    if (offset < display->edid.size())
        n = std::min(perRequest, static_cast<int>(display->edid.size()) - offset);
    n = std::min(n, static_cast<int>(sizeof(data->cEDIDData)));
    if (n > 0)
        std::memcpy(data->cEDIDData, display->edid.constData() + offset, static_cast<size_t>(n));
    data->iEDIDSize = n;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_Modes_Get(int a, int d, int *count, NOXMode **modes)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(count && modes)
    *count = 0;
    *modes = nullptr;
    if (!display->mapped || display->modes.isEmpty())
        return NOX_OK;
    auto *record = static_cast<NOXMode *>(m.allocate(sizeof(NOXMode)));
    if (!record)
        return NOX_ERR_NULL_POINTER;
    noxSimFillMode(*record, a, *display, display->activeMode());
    *count = 1;
    *modes = record;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_Modes_Set(int a, int d, int count, NOXMode *modes)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(modes)
    if (count < 1)
        return NOX_ERR_INVALID_PARAM;
    for (int i = 0; i < display->modes.size(); ++i) {
        const NoxSimMode &mode = display->modes[i];
        if (mode.width == modes[0].iXRes && mode.height == modes[0].iYRes
            && std::fabs(mode.refresh - modes[0].fRefreshRate) < 0.5f) {
            display->currentMode = i;
            display->x = modes[0].iXPos;
            display->y = modes[0].iYPos;
            return NOX_OK;
        }
    }
    return NOX_ERR_INVALID_PARAM;
}

NOXSIM_EXPORT int NOX_Display_PossibleMode_Get(int a, int *count, NOXMode **modes)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(count && modes)
    *count = 0;
    *modes = nullptr;
    std::vector<std::pair<const NoxSimDisplay *, NoxSimMode>> list;
    for (const NoxSimDisplay *d : m.displaysOfDevice(a)) {
        if (d->adapter != a || !d->connected)
            continue;
        for (const NoxSimMode &mode : d->modes)
            list.emplace_back(d, mode);
    }
    if (list.empty())
        return NOX_OK;
    auto *records = static_cast<NOXMode *>(m.allocate(list.size() * sizeof(NOXMode)));
    if (!records)
        return NOX_ERR_NULL_POINTER;
    for (size_t i = 0; i < list.size(); ++i)
        noxSimFillMode(records[i], a, *list[i].first, list[i].second);
    *count = static_cast<int>(list.size());
    *modes = records;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_DisplayMapConfig_Get(int a, int *mapCount, NOXDisplayMap **maps,
                                                   int *targetCount, NOXDisplayTarget **targets,
                                                   int)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(mapCount && maps && targetCount && targets)
    *mapCount = 0;
    *targetCount = 0;
    *maps = nullptr;
    *targets = nullptr;
    return noxSimGetMapConfig(m, a, mapCount, maps, targetCount, targets);
}

NOXSIM_EXPORT int NOX_Display_DisplayMapConfig_Set(int a, int mapCount, NOXDisplayMap *maps,
                                                   int targetCount, NOXDisplayTarget *targets)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    if (mapCount < 0 || targetCount < 0 || (mapCount && !maps) || (targetCount && !targets)
        || !noxSimMapIsWellFormed(mapCount, maps, targetCount, targets))
        return NOX_ERR_INVALID_PARAM;
    noxSimSetMapConfig(m, a, mapCount, maps, targetCount, targets);
    return NOX_OK;
}

NOXSIM_EXPORT int Send(void *callRecord)
{
    NoxSimMachine &m = NoxSimMachine::instance();
    if (!callRecord) {
        m.enter(__func__);
        return NOX_ERR_NULL_POINTER;
    }
    NOXEscapeCall call;
    std::memcpy(&call, callRecord, sizeof(call));
    NOXEscapeHeader header{};
    if (call.pInput && call.iInputSize >= static_cast<int>(sizeof(header)))
        std::memcpy(&header, call.pInput, sizeof(header));
    NOXTestHarnessHeader harness{};
    if ((header.ulEscapeCode == NOX_ESC_ADAPTER_TEST_HARNESS
         || header.ulEscapeCode == NOX_ESC_DISPLAY_TEST_HARNESS)
        && call.iInputSize >= static_cast<int>(sizeof(header) + sizeof(harness)))
        std::memcpy(&harness, static_cast<const char *>(call.pInput) + sizeof(header),
                    sizeof(harness));
    if (call.pInput && call.iInputSize > 0)
        m.lastFrame = QByteArray(static_cast<const char *>(call.pInput), call.iInputSize);
    else
        m.lastFrame.clear();
    if (const auto injected = m.enter(__func__, header.ulEscapeCode, harness.ulFunctionCode,
                                      call.iInputSize, call.iOutputSize))
        return *injected;
    if (m.openContexts <= 0)
        return NOX_ERR_NOT_INIT;
    return noxSimEscape(m, call);
}

NOXSIM_EXPORT int NOX_Display_DDCBlockAccess_Get(int a, int d, int line, int, int writeLength,
                                                 char *writeData, int *readLength, char *readData)
{
    SIM_ENTER_SIZED(writeLength, readLength ? *readLength : 0)
    SIM_DISPLAY(a, d)
    Q_UNUSED(line)
    if (writeLength < 0 || (writeLength > 0 && !writeData))
        return NOX_ERR_INVALID_PARAM;
    const int wanted = readLength ? *readLength : 0;
    if (wanted > 0 && !readData)
        return NOX_ERR_NULL_POINTER;
    int returned = 0;
    const int r =
        noxSimDdcTransfer(*display, reinterpret_cast<const unsigned char *>(writeData), writeLength,
                          reinterpret_cast<unsigned char *>(readData), wanted, &returned);
    if (readLength)
        *readLength = returned;
    return r;
}

NOXSIM_EXPORT int NOX_Display_WriteAndReadI2C(int a, NOXI2C *i2c)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(i2c)
    if (i2c->iDataSize < 0 || (i2c->iDataSize > 0 && !i2c->pcData))
        return NOX_ERR_INVALID_PARAM;
    // The EDID EEPROM (address 0xA0) of the display on the given line answers reads.
    SIM_DISPLAY_AT(m.display(a, i2c->iLine))
    if (i2c->iAddress == 0xA0 && (i2c->iAction == 1 || i2c->iAction == 3)) {
        for (int i = 0; i < i2c->iDataSize; ++i) {
            const int offset = i2c->iOffset + i;
            i2c->pcData[i] = offset < display->edid.size() ? display->edid.at(offset) : '\xff';
        }
        return NOX_OK;
    }
    return i2c->iAction == 2 ? NOX_OK : NOX_ERR;
}

NOXSIM_EXPORT int NOX_Display_WriteAndReadI2CRev_Get(int a, int *major, int *minor)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(major && minor)
    *major = 1;
    *minor = 0;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_DDCInfo_Get(int a, int d, NOXDDCInfo *info)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(info)
    std::memset(info, 0, sizeof(*info));
    info->ulSize = sizeof(NOXDDCInfo);
    info->ulSupportsDDC = display->edid.isEmpty() ? 0 : 1;
    noxSimCopyText(info->cDisplayName, sizeof(info->cDisplayName), display->name);
    if (!display->modes.isEmpty()) {
        info->ulMaxHResolution = display->modes.first().width;
        info->ulMaxVResolution = display->modes.first().height;
        info->ulMaxRefresh = static_cast<int>(display->modes.first().refresh);
    }
    return NOX_OK;
}

// ---- settings of one display (kept by name; a set is read back by the get) ------------

#define SIM_DISPLAY_INT_GET(entry, key, fallback)                                                  \
    NOXSIM_EXPORT int entry(int a, int d, int *value)                                              \
    {                                                                                              \
        SIM_ENTER()                                                                                \
        SIM_DISPLAY(a, d)                                                                          \
        return getSetting(display, key, fallback, value);                                          \
    }
#define SIM_DISPLAY_INT_SET(entry, key)                                                            \
    NOXSIM_EXPORT int entry(int a, int d, int value)                                               \
    {                                                                                              \
        SIM_ENTER()                                                                                \
        SIM_DISPLAY(a, d)                                                                          \
        return setSetting(display, key, value);                                                    \
    }
#define SIM_DISPLAY_TRIPLE(getEntry, setEntry, key)                                                \
    NOXSIM_EXPORT int getEntry(int a, int d, int *support, int *current, int *def)                 \
    {                                                                                              \
        SIM_ENTER()                                                                                \
        SIM_DISPLAY(a, d)                                                                          \
        return getTriple(display, key, support, current, def);                                     \
    }                                                                                              \
    SIM_DISPLAY_INT_SET(setEntry, key)

SIM_DISPLAY_INT_GET(NOX_Display_PixelFormat_Get, "pixelFormat", 1)
SIM_DISPLAY_INT_SET(NOX_Display_PixelFormat_Set, "pixelFormat")
SIM_DISPLAY_INT_GET(NOX_Display_SupportedPixelFormat_Get, "supportedPixelFormats", 0x7)
SIM_DISPLAY_INT_GET(NOX_Display_SupportedColorDepth_Get, "supportedColorDepths", 0x3E)
SIM_DISPLAY_INT_GET(NOX_Display_ColorDepth_Get, "colorDepth", 4)
SIM_DISPLAY_INT_SET(NOX_Display_ColorDepth_Set, "colorDepth")
SIM_DISPLAY_TRIPLE(NOX_Display_PreservedAspectRatio_Get, NOX_Display_PreservedAspectRatio_Set,
                   "aspectRatio")
SIM_DISPLAY_TRIPLE(NOX_Display_ImageExpansion_Get, NOX_Display_ImageExpansion_Set, "imageExpansion")
SIM_DISPLAY_TRIPLE(NOX_DFP_GPUScalingEnable_Get, NOX_DFP_GPUScalingEnable_Set, "gpuScaling")
SIM_DISPLAY_INT_GET(NOX_Display_DitherState_Get, "ditherState", 0)
SIM_DISPLAY_INT_SET(NOX_Display_DitherState_Set, "ditherState")
SIM_DISPLAY_INT_GET(NOX_Display_AdjustCaps_Get, "adjustCaps", 0x3F)
SIM_DISPLAY_INT_GET(NOX_Display_ColorCaps_Get, "colorCaps", 0x1F)
SIM_DISPLAY_INT_GET(NOX_Display_TVCaps_Get, "tvCaps", 0)
SIM_DISPLAY_INT_GET(NOX_Display_ColorTemperatureSource_Get, "colorTemperatureSource", 0)
SIM_DISPLAY_INT_SET(NOX_Display_ColorTemperatureSource_Set, "colorTemperatureSource")
SIM_DISPLAY_INT_SET(NOX_Display_Overscan_Set, "overscan")
SIM_DISPLAY_INT_SET(NOX_Display_Underscan_Set, "underscan")
SIM_DISPLAY_INT_SET(NOX_Display_FormatsOverride_Set, "formatsOverride")
SIM_DISPLAY_INT_GET(NOX_Display_Vector_Get, "vector", 0)

NOXSIM_EXPORT int NOX_Display_FormatsOverride_Get(int a, int d, int *supported, int *validBits,
                                                  int *current)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(supported && validBits && current)
    *supported = 0x7;
    *validBits = 0x7;
    *current = display->setting("formatsOverride", 0);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_Overscan_Get(int a, int d, int *current, int *def, int *min, int *max,
                                           int *step)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    return ranged(current, def, min, max, step, display->setting("overscan", 0), 0, 0, 15, 1);
}

NOXSIM_EXPORT int NOX_Display_Underscan_Get(int a, int d, int *current, int *def, int *min,
                                            int *max, int *step)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    return ranged(current, def, min, max, step, display->setting("underscan", 0), 0, 0, 15, 1);
}

// A two-value display setting (position, size): both values share their default
// (also the value before the first set), range and step 1.
#define SIM_DISPLAY_PAIR(getEntry, setEntry, keyX, keyY, defValue, minValue, maxValue)             \
    NOXSIM_EXPORT int getEntry(int a, int d, int *x, int *y, int *xDefault, int *yDefault,         \
                               int *minX, int *minY, int *maxX, int *maxY, int *stepX, int *stepY) \
    {                                                                                              \
        SIM_ENTER()                                                                                \
        SIM_DISPLAY(a, d)                                                                          \
        SIM_NEED(x &&y &&xDefault &&yDefault &&minX &&minY &&maxX &&maxY &&stepX &&stepY)          \
        *x = display->setting(keyX, defValue);                                                     \
        *y = display->setting(keyY, defValue);                                                     \
        *xDefault = *yDefault = defValue;                                                          \
        *minX = *minY = minValue;                                                                  \
        *maxX = *maxY = maxValue;                                                                  \
        *stepX = *stepY = 1;                                                                       \
        return NOX_OK;                                                                             \
    }                                                                                              \
    NOXSIM_EXPORT int setEntry(int a, int d, int x, int y)                                         \
    {                                                                                              \
        SIM_ENTER()                                                                                \
        SIM_DISPLAY(a, d)                                                                          \
        display->settings[keyX] = x;                                                               \
        display->settings[keyY] = y;                                                               \
        return NOX_OK;                                                                             \
    }

SIM_DISPLAY_PAIR(NOX_Display_Position_Get, NOX_Display_Position_Set, "positionX", "positionY", 0,
                 -100, 100)
SIM_DISPLAY_PAIR(NOX_Display_Size_Get, NOX_Display_Size_Set, "sizeWidth", "sizeHeight", 100, 50,
                 150)

NOXSIM_EXPORT int NOX_Display_Property_Get(int a, int d, NOXDisplayProperty *property)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(property)
    const std::string key = "property" + std::to_string(property->iPropertyType);
    property->iSupport = 1;
    property->iCurrent = display->setting(key, 0);
    property->iDefault = 0;
    property->iExpansionMode = display->setting(key + "expansion", 0);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_Property_Set(int a, int d, NOXDisplayProperty *property)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(property)
    const std::string key = "property" + std::to_string(property->iPropertyType);
    display->settings[key] = property->iCurrent;
    display->settings[key + "expansion"] = property->iExpansionMode;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_Color_Get(int a, int d, int colorType, int *current, int *def,
                                        int *min, int *max, int *step)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    return ranged(current, def, min, max, step,
                  display->setting("color" + std::to_string(colorType), 50), 50, 0, 100, 1);
}

NOXSIM_EXPORT int NOX_Display_Color_Set(int a, int d, int colorType, int value)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    if (value < 0 || value > 100)
        return NOX_ERR_INVALID_PARAM;
    display->settings["color" + std::to_string(colorType)] = value;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_Limits_Get(int a, int d, int *maxHRes, int *maxVRes, int *maxRefresh)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(maxHRes && maxVRes && maxRefresh)
    *maxHRes = *maxVRes = *maxRefresh = 0;
    for (const NoxSimMode &mode : display->modes) {
        *maxHRes = std::max(*maxHRes, mode.width);
        *maxVRes = std::max(*maxVRes, mode.height);
        *maxRefresh = std::max(*maxRefresh, static_cast<int>(std::lround(mode.refresh)));
    }
    return NOX_OK;
}

// ---- custom modes -------------------------------------------------------------------------

NOXSIM_EXPORT int NOX_Display_CustomizedModeListNum_Get(int a, int d, int *count)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(count)
    *count = static_cast<int>(display->customModes.size());
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_CustomizedModeList_Get(int a, int d, NOXCustomMode *modes,
                                                     int bufferSize)
{
    SIM_ENTER_SIZED(0, bufferSize)
    SIM_DISPLAY(a, d)
    SIM_NEED(modes)
    const size_t bytes = display->customModes.size() * sizeof(NOXCustomMode);
    if (bufferSize < 0 || static_cast<size_t>(bufferSize) < bytes)
        return NOX_ERR_INVALID_PARAM_SIZE;
    if (bytes)
        std::memcpy(modes, display->customModes.data(), bytes);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_CustomizedMode_Add(int a, int d, NOXCustomMode mode)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    if (mode.iModeWidth <= 0 || mode.iModeHeight <= 0 || mode.iRefreshRate <= 0)
        return NOX_ERR_INVALID_PARAM;
    display->customModes.push_back(mode);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_CustomizedMode_Delete(int a, int d, int index)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    if (index < 0 || index >= static_cast<int>(display->customModes.size()))
        return NOX_ERR_INVALID_PARAM;
    display->customModes.erase(display->customModes.begin() + index);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_CustomizedMode_Validate(int a, int d, NOXCustomMode mode, int *valid)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    Q_UNUSED(display)
    SIM_NEED(valid)
    *valid = (mode.iModeWidth > 0 && mode.iModeHeight > 0 && mode.iRefreshRate > 0
              && mode.iModeWidth <= 7680 && mode.iModeHeight <= 4320)
                 ? 1
                 : 0;
    return NOX_OK;
}

// ---- adapter-wide settings ---------------------------------------------------------------

#define SIM_ADAPTER_INT_GET(entry, key, fallback)                                                  \
    NOXSIM_EXPORT int entry(int a, int *value)                                                     \
    {                                                                                              \
        SIM_ENTER()                                                                                \
        SIM_ADAPTER_VALID(a)                                                                       \
        SIM_NEED(value)                                                                            \
        *value = m.global(std::string(key) + std::to_string(a), (fallback));                       \
        return NOX_OK;                                                                             \
    }

SIM_ADAPTER_INT_GET(NOX_Adapter_TarvishSupport_Get, "tarvish", 1)
SIM_ADAPTER_INT_GET(NOX_Display_SwitchingCapability_Get, "switching", 0)
SIM_ADAPTER_INT_GET(NOX_Display_DuogearVersion_Get, "duogearVersion", 2)
SIM_ADAPTER_INT_GET(NOX_Display_DuogearActiveGPU_Get, "duogearGpu", 0)

#ifndef NOXSIM_SECOND_ADAPTER_ID_NAME
SIM_ADAPTER_INT_GET(NOX_Display_AdapterID_Get, "adapterId", 0x5000 + a)
#else
SIM_ADAPTER_INT_GET(NOX_Display_Adapter_ID_Get, "adapterId", 0x6000 + a)
#endif

NOXSIM_EXPORT int NOX_Display_Capabilities_Get(int a, int *controllers, int *displays)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(controllers && displays)
    *controllers = 4;
    *displays = static_cast<int>(m.displaysOfDevice(a).size());
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_DuogearActiveGPU_Set(int a, int gpu, int *result)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(result)
    m.globals["duogearGpu" + std::to_string(a)] = gpu;
    *result = 1;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_DuogearAutoSwitchConfig_Get(int a, int *autoSwitch, int *config)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(autoSwitch && config)
    *autoSwitch = m.globals["duogearAuto" + std::to_string(a)];
    *config = m.globals["duogearConfig" + std::to_string(a)];
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_DuogearAutoSwitchConfig_Set(int a, int autoSwitch, int config)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    m.globals["duogearAuto" + std::to_string(a)] = autoSwitch;
    m.globals["duogearConfig" + std::to_string(a)] = config;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ODClockInfo_Get(int a, NOXAdapterODClockInfo *info)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(info)
    info->iSize = sizeof(*info);
    info->iFlags = 0;
    info->iEngineClockMin = 300;
    info->iEngineClockMax = m.global("engineClockMax", 1800);
    info->iEngineClockStep = 10;
    info->iMemoryClockMin = 500;
    info->iMemoryClockMax = 2000;
    info->iMemoryClockStep = 25;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ODClockConfig_Set(int a, NOXAdapterODClockConfig *config)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(config)
    m.globals["engineClockMax"] = config->iEngineClock;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ModeTimingOverride_Set(int a, int d, NOXDisplayModeInfo *info, int)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(info)
    display->settings["overrideWidth"] = info->iPelsWidth;
    display->settings["overrideHeight"] = info->iPelsHeight;
    display->settings["overrideRefresh"] = info->iRefreshRate;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ModeTimingOverrideInfo_Get(int a, int d, NOXDisplayMode *mode,
                                                         NOXDisplayModeInfo *info)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(mode && info)
    info->iPelsWidth = display->setting("overrideWidth", mode->iPelsWidth);
    info->iPelsHeight = display->setting("overrideHeight", mode->iPelsHeight);
    info->iRefreshRate = display->setting("overrideRefresh", mode->iDisplayFrequency);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ModeTimingOverrideList_Get(int a, int d, int maxCount,
                                                         NOXDisplayModeInfo *list, int *count)
{
    SIM_ENTER()
    SIM_DISPLAY(a, d)
    SIM_NEED(list && count)
    *count = 0;
    if (display->settings.count("overrideWidth") && maxCount > 0) {
        std::memset(list, 0, sizeof(*list));
        list[0].iPelsWidth = display->setting("overrideWidth");
        list[0].iPelsHeight = display->setting("overrideHeight");
        list[0].iRefreshRate = display->setting("overrideRefresh");
        *count = 1;
    }
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Controller_Color_Get(int a, int controller, NOXGamma *current, NOXGamma *def,
                                           NOXGamma *min, NOXGamma *max)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    Q_UNUSED(controller)
    SIM_NEED(current && def && min && max)
    const std::string key = "gamma" + std::to_string(a) + "_" + std::to_string(controller);
    const float g = static_cast<float>(m.global(key, 100)) / 100.0f;
    *current = {g, g, g};
    *def = {1.0f, 1.0f, 1.0f};
    *min = {0.4f, 0.4f, 0.4f};
    *max = {2.8f, 2.8f, 2.8f};
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Controller_Color_Set(int a, int controller, NOXGamma gamma)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    m.globals["gamma" + std::to_string(a) + "_" + std::to_string(controller)] =
        static_cast<int>(std::lround(gamma.fRed * 100.0f));
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ControllerOverlayAdjustmentCaps_Get(int a,
                                                                  NOXControllerOverlayInput *input,
                                                                  NOXControllerOverlayInfo *info)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(input && info)
    *info = {static_cast<int>(sizeof(*info)), 0, 100, 1, 50};
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ControllerOverlayAdjustmentData_Get(int a,
                                                                  NOXControllerOverlayInput *input)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(input)
    const std::string key = "overlay" + std::to_string(input->iOverlayAdjust);
    input->iValue = m.global(key, 50);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_ControllerOverlayAdjustmentData_Set(int a,
                                                                  NOXControllerOverlayInput *input)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(input)
    m.globals["overlay" + std::to_string(input->iOverlayAdjust)] = input->iValue;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_MMD_VideoColor_Get(int a, NOXVideoColorFeature feature, float *value)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(value)
    const std::string key = "video" + std::to_string(static_cast<int>(feature));
    *value = static_cast<float>(m.global(key, 100)) / 100.0f;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_MMD_VideoColor_Set(int a, NOXVideoColorFeature feature, float value)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    m.globals["video" + std::to_string(static_cast<int>(feature))] =
        static_cast<int>(std::lround(value * 100.0f));
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_MMD_VideoAdjustInfo_Get(int, NOXVideoColorFeature, NOXControllerOverlayInfo *)
{
    SIM_ENTER()
    return NOX_ERR_NOT_SUPPORTED;
}

// ---- audio -------------------------------------------------------------------------------

NOXSIM_EXPORT int
NOX_Adapter_AudioChannelSplitConfiguration_Get(int a, NOXAudioChannelSplitSetting *setting)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(setting)
    std::memset(setting, 0, sizeof(*setting));
    setting->iEnabled = m.audioSplitEnabled;
    setting->iNumberOfSplits = m.audioSplitEnabled ? 2 : 0;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_AudioChannelSplit_Enable(int a, NOXAudioChannelSplitSetting *setting)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(setting)
    m.audioSplitEnabled = 1;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_AudioChannelSplit_Disable(int a)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    m.audioSplitEnabled = 0;
    return NOX_OK;
}

namespace {
NoxSimDisplay *audioDisplay(NoxSimMachine &m, int a, const NOXDisplayIdentifier &id)
{
    return m.display(a, id.iDisplayLogicalIndex);
}
} // namespace

NOXSIM_EXPORT int NOX_Adapter_DisplayAudioInfo_Get(int a, NOXDisplayIdentifier id,
                                                   NOXDisplayAudioInfo *info)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(info)
    SIM_DISPLAY_AT(audioDisplay(m, a, id))
    const bool capable =
        display->signalType == NOX_SIGNAL_HDMI_A || display->signalType == NOX_SIGNAL_DISPLAYPORT;
    *info = {static_cast<int>(sizeof(*info)),
             capable ? 1 : 0,
             display->setting("audioEnabled", capable ? 1 : 0),
             display->setting("audioMuted", 0),
             capable ? 8 : 0,
             capable ? 0x7F : 0};
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_DisplayAudioEndpoint_Enable(int a, NOXDisplayIdentifier id,
                                                          int enable)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_DISPLAY_AT(audioDisplay(m, a, id))
    display->settings["audioEnabled"] = enable ? 1 : 0;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_DisplayAudioEndpoint_Mute(int a, NOXDisplayIdentifier id, int mute)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_DISPLAY_AT(audioDisplay(m, a, id))
    display->settings["audioMuted"] = mute ? 1 : 0;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_DisplayGTCCaps_Get(int a, NOXDisplayIdentifier id, NOXGtcInfo *info)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(info)
    SIM_DISPLAY_AT(audioDisplay(m, a, id))
    *info = {static_cast<int>(sizeof(*info)), display->signalType == NOX_SIGNAL_DISPLAYPORT ? 1 : 0,
             1};
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_DefaultAudioChannelTable_Load(int a, int, int, int channels,
                                                            NOXDisplayChannelMapping **table)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(table)
    auto *mapping =
        static_cast<NOXDisplayChannelMapping *>(m.allocate(sizeof(NOXDisplayChannelMapping)));
    if (!mapping)
        return NOX_ERR_NULL_POINTER;
    mapping->iChannelCount = std::max(0, std::min(channels, 8));
    for (int i = 0; i < mapping->iChannelCount; ++i)
        mapping->iChannels[i] = i;
    *table = mapping;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Audio_CurrentSampleRate_Get(int *rate)
{
    SIM_ENTER()
    SIM_NEED(rate)
    *rate = m.sampleRate;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_APO_AudioDelayAdjustmentInfo_Get(NOXApoAudioDelayRangeInfo *info)
{
    SIM_ENTER()
    SIM_NEED(info)
    *info = {0, 200, 10, 0};
    return NOX_OK;
}

#ifndef NOXSIM_NO_AUDIO_DELAY_SET
NOXSIM_EXPORT int NOX_APO_AudioDelay_Set(int a, NOXAudioDelayPerSampleRate *delay)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(delay)
    m.audioDelay = delay->iDelay;
    return NOX_OK;
}
#endif

// ---- X11 mode set ---------------------------------------------------------------------------

#ifndef NOXSIM_NO_FORCE_SET_MODE
NOXSIM_EXPORT int LnxXext_ForceSetMode(void *xDisplay, int displayIndex, int screen)
{
    SIM_ENTER()
    Q_UNUSED(displayIndex)
    Q_UNUSED(screen)
    // The simulated driver applies modes at once; nothing to do on the X server.
    return xDisplay ? NOX_OK : NOX_ERR_NULL_POINTER;
}
#endif

// ---- connectors, emulation and EDID persistence -------------------------------------------

namespace {
NoxSimDisplay *portDisplay(NoxSimMachine &m, int a, const _NOXDevicePort &port)
{
    return m.display(a, port.iConnectorIndex);
}
} // namespace

NOXSIM_EXPORT int NOX_AdapterX2_Caps(int a, _NOXAdapterCapsX2 *caps)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(caps)
    *caps = {a, 4, 1, 0, 0x7, 0x7, static_cast<int>(m.displaysOfDevice(a).size())};
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_BoardLayout_Get(int a, int *validFlags, int *numberOfSlots,
                                              _NOXBracketSlotInfo **slots, int *numberOfConnectors,
                                              _NOXConnectorInfo **connectors)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(validFlags && numberOfSlots && slots && numberOfConnectors && connectors)
    const std::vector<NoxSimDisplay *> displays = m.displaysOfDevice(a);
    auto *slotRecords = static_cast<_NOXBracketSlotInfo *>(m.allocate(sizeof(_NOXBracketSlotInfo)));
    auto *connectorRecords = static_cast<_NOXConnectorInfo *>(
        m.allocate(std::max<size_t>(1, displays.size()) * sizeof(_NOXConnectorInfo)));
    if (!slotRecords || !connectorRecords) {
        std::free(slotRecords);
        std::free(connectorRecords);
        return NOX_ERR_NULL_POINTER;
    }
    *slotRecords = {0, 120, 20};
    for (size_t i = 0; i < displays.size(); ++i)
        connectorRecords[i] = {displays[i]->index,     displays[i]->connector,   0,
                               displays[i]->connector, static_cast<int>(i) * 20, 18};
    *validFlags = 0x3;
    *numberOfSlots = 1;
    *slots = slotRecords;
    *numberOfConnectors = static_cast<int>(displays.size());
    *connectors = connectorRecords;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_SupportedConnections_Get(int a, _NOXDevicePort port,
                                                       _NOXSupportedConnections *connections)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(connections)
    SIM_DISPLAY_AT(portDisplay(m, a, port))
    std::memset(connections, 0, sizeof(*connections));
    connections->iSupportedConnections = 1 << display->connector;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_ConnectionState_Get(int a, _NOXDevicePort port,
                                                  _NOXConnectionState *state)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(state)
    SIM_DISPLAY_AT(portDisplay(m, a, port))
    *state = {display->connectionEdid.isEmpty() ? 0 : 1, display->emulationMode, display->index};
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_EmulationMode_Set(int a, _NOXDevicePort port, int mode)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_DISPLAY_AT(portDisplay(m, a, port))
    display->emulationMode = mode;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_ConnectionData_Set(int a, _NOXDevicePort port,
                                                 _NOXConnectionData data)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_DISPLAY_AT(portDisplay(m, a, port))
    if (data.iEDIDSize < 0 || data.iEDIDSize > static_cast<int>(sizeof(data.ucEDIDData)))
        return NOX_ERR_INVALID_PARAM_SIZE;
    display->connectionEdid =
        QByteArray(reinterpret_cast<const char *>(data.ucEDIDData), data.iEDIDSize);
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_ConnectionData_Get(int a, _NOXDevicePort port, int,
                                                 _NOXConnectionData *data)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_NEED(data)
    SIM_DISPLAY_AT(portDisplay(m, a, port))
    std::memset(data, 0, sizeof(*data));
    const QByteArray &edid =
        display->connectionEdid.isEmpty() ? display->edid : display->connectionEdid;
    data->iConnectionType = display->connector;
    data->iEDIDSize =
        std::min(static_cast<int>(sizeof(data->ucEDIDData)), static_cast<int>(edid.size()));
    std::memcpy(data->ucEDIDData, edid.constData(), static_cast<size_t>(data->iEDIDSize));
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Adapter_ConnectionData_Remove(int a, _NOXDevicePort port)
{
    SIM_ENTER()
    SIM_ADAPTER_VALID(a)
    SIM_DISPLAY_AT(portDisplay(m, a, port))
    display->connectionEdid.clear();
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Workstation_GlobalEDIDPersistence_Get(int *current, int *def)
{
    SIM_ENTER()
    SIM_NEED(current && def)
    *current = m.edidPersistence;
    *def = 0;
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Workstation_GlobalEDIDPersistence_Set(int value)
{
    SIM_ENTER()
    m.edidPersistence = value;
    return NOX_OK;
}
