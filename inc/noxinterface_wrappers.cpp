// Wrappers of the control library's named entry points. They come in a few
// families that differ only in what they check first, what they log and how they
// shape their result; each family is one template below and each wrapper one line.

#include "apploggerinfo.h"
#include "noxinterface.h"
#include "vyrbaselogger.h"

#include <climits>
#include <cstring>
#include <utility>

namespace {

// Plain: false when unbound or the entry point is missing, else true on result 0.
template <typename Fn, typename... Args> bool plain(const NoxInterface &nox, Fn fn, Args &&...args)
{
    if (!nox.IsNoxLoaded() || !fn)
        return false;
    return fn(std::forward<Args>(args)...) == 0;
}

// Flag pair: the second of three outputs tells whether the feature is on.
template <typename Fn>
bool flagGet(const NoxInterface &nox, Fn fn, int adapter, int display, bool &enabled)
{
    if (!nox.IsNoxLoaded() || !fn)
        return false;
    int support = 0;
    int current = 0;
    int def = 0;
    if (fn(adapter, display, &support, &current, &def) != 0)
        return false;
    enabled = current != 0;
    return true;
}

enum class LogWhen { Always, FailureOnly };

// Logged: the message gets the result text and goes to the log.
template <typename Fn, typename... Args>
bool logged(NoxInterface &nox, LogWhen when, const QString &message, Fn fn, Args &&...args)
{
    if (!nox.IsNoxLoaded() || !fn)
        return false;
    const int result = fn(std::forward<Args>(args)...);
    const QString text = message + NoxInterface::TranslateNoxErrorCode(result);
    const AppLogType type = result ? AppLogError : AppLogInfo;
    switch (when) {
    case LogWhen::Always:
        nox.printLog(type, text);
        break;
    case LogWhen::FailureOnly:
        if (result)
            nox.printLog(type, text);
        break;
    }
    return result == 0;
}

// Named: an unbound library and a missing entry point each leave their own line.
template <typename Fn, typename... Args>
bool named(NoxInterface &nox, const char *entryName, Fn fn, Args &&...args)
{
    if (!nox.IsNoxLoaded()) {
        nox.printLog(AppLogError, QStringLiteral("NoxInterface is not initialized"));
        return false;
    }
    if (!fn) {
        nox.printLog(AppLogError, QLatin1String(entryName) + QStringLiteral("() not found in NOX"));
        return false;
    }
    return fn(std::forward<Args>(args)...) == 0;
}

// Reported: silent on success, a message built from the result on failure.
template <typename Message, typename Fn, typename... Args>
bool reported(NoxInterface &nox, bool needsBinding, Message message, Fn fn, Args &&...args)
{
    if ((needsBinding && !nox.IsNoxLoaded()) || !fn)
        return false;
    const int result = fn(std::forward<Args>(args)...);
    if (result == 0)
        return true;
    nox.printLog(AppLogError, message(NoxInterface::TranslateNoxErrorCode(result)));
    return false;
}

QString adapterMessage(const char *operation, int adapter)
{
    return QStringLiteral("DriverCommunicator::") + QLatin1String(operation)
           + QString::asprintf(":  ADAPTER %u - ", static_cast<unsigned>(adapter));
}

// Colour depth numbers 1..6 and their flag bits 0..5.
uint32_t depthFlag(int number)
{
    return number >= 1 && number <= 6 ? 1u << (number - 1) : 0u;
}

int depthNumber(uint32_t flags)
{
    for (int bit = 0; bit < 6; ++bit) {
        if (flags & (1u << bit))
            return bit + 1;
    }
    return 0;
}

} // namespace

#define NOX_FN(name) entry<NoxSlot::name>()

// ---- plain calls ----------------------------------------------------------------------------

bool NoxInterface::DisplayGetNumberOfDisplays(int adapter, int *count)
{
    return plain(*this, NOX_FN(NOX_Display_NumberOfDisplays_Get), adapter, count);
}

bool NoxInterface::DisplayGetPreservedAspectRatio(int adapter, int display, int *support,
                                                  int *current, int *def)
{
    return plain(*this, NOX_FN(NOX_Display_PreservedAspectRatio_Get), adapter, display, support,
                 current, def);
}

bool NoxInterface::DisplaySetPreservedAspectRatio(int adapter, int display, int value)
{
    return plain(*this, NOX_FN(NOX_Display_PreservedAspectRatio_Set), adapter, display, value);
}

bool NoxInterface::DisplayGetImageExpansion(int adapter, int display, int *support, int *current,
                                            int *def)
{
    return plain(*this, NOX_FN(NOX_Display_ImageExpansion_Get), adapter, display, support, current,
                 def);
}

bool NoxInterface::DisplaySetImageExpansion(int adapter, int display, int value)
{
    return plain(*this, NOX_FN(NOX_Display_ImageExpansion_Set), adapter, display, value);
}

bool NoxInterface::DisplayGetPosition(int adapter, int display, int *x, int *y, int *xDefault,
                                      int *yDefault, int *minX, int *minY, int *maxX, int *maxY,
                                      int *stepX, int *stepY)
{
    return plain(*this, NOX_FN(NOX_Display_Position_Get), adapter, display, x, y, xDefault,
                 yDefault, minX, minY, maxX, maxY, stepX, stepY);
}

bool NoxInterface::DisplaySetPosition(int adapter, int display, int x, int y)
{
    return plain(*this, NOX_FN(NOX_Display_Position_Set), adapter, display, x, y);
}

bool NoxInterface::DisplayGetSize(int adapter, int display, int *width, int *height,
                                  int *widthDefault, int *heightDefault, int *minWidth,
                                  int *minHeight, int *maxWidth, int *maxHeight, int *stepWidth,
                                  int *stepHeight)
{
    return plain(*this, NOX_FN(NOX_Display_Size_Get), adapter, display, width, height, widthDefault,
                 heightDefault, minWidth, minHeight, maxWidth, maxHeight, stepWidth, stepHeight);
}

bool NoxInterface::DisplaySetSize(int adapter, int display, int width, int height)
{
    return plain(*this, NOX_FN(NOX_Display_Size_Set), adapter, display, width, height);
}

bool NoxInterface::DisplayGetAdjustCaps(int adapter, int display, int *caps)
{
    return plain(*this, NOX_FN(NOX_Display_AdjustCaps_Get), adapter, display, caps);
}

bool NoxInterface::DisplayGetCapabilities(int adapter, int *numberOfControllers,
                                          int *numberOfDisplays)
{
    return plain(*this, NOX_FN(NOX_Display_Capabilities_Get), adapter, numberOfControllers,
                 numberOfDisplays);
}

bool NoxInterface::DisplayGetProperty(int adapter, int display, NOXDisplayProperty *property)
{
    return plain(*this, NOX_FN(NOX_Display_Property_Get), adapter, display, property);
}

bool NoxInterface::DisplaySetProperty(int adapter, int display, NOXDisplayProperty *property)
{
    return plain(*this, NOX_FN(NOX_Display_Property_Set), adapter, display, property);
}

bool NoxInterface::DisplayGetSwitchingCapability(int adapter, int *capability)
{
    return plain(*this, NOX_FN(NOX_Display_SwitchingCapability_Get), adapter, capability);
}

bool NoxInterface::DisplayGetDitherState(int adapter, int display, int *state)
{
    return plain(*this, NOX_FN(NOX_Display_DitherState_Get), adapter, display, state);
}

bool NoxInterface::DisplaySetDitherState(int adapter, int display, int state)
{
    return plain(*this, NOX_FN(NOX_Display_DitherState_Set), adapter, display, state);
}

bool NoxInterface::DisplayGetSupportedPixelFormat(int adapter, int display, int *formats)
{
    return plain(*this, NOX_FN(NOX_Display_SupportedPixelFormat_Get), adapter, display, formats);
}

bool NoxInterface::DisplayGetPixelFormat(int adapter, int display, int *format)
{
    return plain(*this, NOX_FN(NOX_Display_PixelFormat_Get), adapter, display, format);
}

bool NoxInterface::DisplaySetPixelFormat(int adapter, int display, int format)
{
    return plain(*this, NOX_FN(NOX_Display_PixelFormat_Set), adapter, display, format);
}

bool NoxInterface::DisplayGetColorCaps(int adapter, int display, int *caps)
{
    return plain(*this, NOX_FN(NOX_Display_ColorCaps_Get), adapter, display, caps);
}

bool NoxInterface::DisplaySetColor(int adapter, int display, int colorType, int value)
{
    return plain(*this, NOX_FN(NOX_Display_Color_Set), adapter, display, colorType, value);
}

bool NoxInterface::DisplayGetColor(int adapter, int display, int colorType, int *current, int *def,
                                   int *min, int *max, int *step)
{
    return plain(*this, NOX_FN(NOX_Display_Color_Get), adapter, display, colorType, current, def,
                 min, max, step);
}

bool NoxInterface::DisplayGetColorTemperatureSource(int adapter, int display, int *source)
{
    return plain(*this, NOX_FN(NOX_Display_ColorTemperatureSource_Get), adapter, display, source);
}

bool NoxInterface::DisplaySetColorTemperatureSource(int adapter, int display, int source)
{
    return plain(*this, NOX_FN(NOX_Display_ColorTemperatureSource_Set), adapter, display, source);
}

bool NoxInterface::DisplayGetTVCaps(int adapter, int display, int *caps)
{
    return plain(*this, NOX_FN(NOX_Display_TVCaps_Get), adapter, display, caps);
}

bool NoxInterface::DisplayGetFormatsOverride(int adapter, int display, int *supported,
                                             int *validBits, int *current)
{
    return plain(*this, NOX_FN(NOX_Display_FormatsOverride_Get), adapter, display, supported,
                 validBits, current);
}

bool NoxInterface::DisplaySetFormatsOverride(int adapter, int display, int value)
{
    return plain(*this, NOX_FN(NOX_Display_FormatsOverride_Set), adapter, display, value);
}

bool NoxInterface::DisplayGetLimits(int adapter, int display, int *maxHRes, int *maxVRes,
                                    int *maxRefresh)
{
    return plain(*this, NOX_FN(NOX_Display_Limits_Get), adapter, display, maxHRes, maxVRes,
                 maxRefresh);
}

bool NoxInterface::DisplaySetOverscan(int adapter, int display, int value)
{
    return plain(*this, NOX_FN(NOX_Display_Overscan_Set), adapter, display, value);
}

bool NoxInterface::DisplaySetUnderscan(int adapter, int display, int value)
{
    return plain(*this, NOX_FN(NOX_Display_Underscan_Set), adapter, display, value);
}

bool NoxInterface::DisplayGetOverscan(int adapter, int display, int *current, int *def, int *min,
                                      int *max, int *step)
{
    return plain(*this, NOX_FN(NOX_Display_Overscan_Get), adapter, display, current, def, min, max,
                 step);
}

bool NoxInterface::DisplayGetUnderscan(int adapter, int display, int *current, int *def, int *min,
                                       int *max, int *step)
{
    return plain(*this, NOX_FN(NOX_Display_Underscan_Get), adapter, display, current, def, min, max,
                 step);
}

bool NoxInterface::DisplayGetCustomizedModeListNum(int adapter, int display, int *count)
{
    return plain(*this, NOX_FN(NOX_Display_CustomizedModeListNum_Get), adapter, display, count);
}

bool NoxInterface::DisplayGetCustomizedModeList(int adapter, int display, NOXCustomMode *modes,
                                                int bufferSize)
{
    return plain(*this, NOX_FN(NOX_Display_CustomizedModeList_Get), adapter, display, modes,
                 bufferSize);
}

bool NoxInterface::DisplayAddCustomizedMode(int adapter, int display, NOXCustomMode mode)
{
    return plain(*this, NOX_FN(NOX_Display_CustomizedMode_Add), adapter, display, mode);
}

bool NoxInterface::DisplayDeleteCustomizedMode(int adapter, int display, int index)
{
    return plain(*this, NOX_FN(NOX_Display_CustomizedMode_Delete), adapter, display, index);
}

bool NoxInterface::DisplayValidateCustomizedMode(int adapter, int display, NOXCustomMode mode,
                                                 int *valid)
{
    return plain(*this, NOX_FN(NOX_Display_CustomizedMode_Validate), adapter, display, mode, valid);
}

bool NoxInterface::DisplayGetModeTimingOverride(int adapter, int display, NOXDisplayMode *mode,
                                                NOXDisplayModeInfo *info)
{
    return plain(*this, NOX_FN(NOX_Display_ModeTimingOverrideInfo_Get), adapter, display, mode,
                 info);
}

bool NoxInterface::DisplaySetModeTimingOverride(int adapter, int display, NOXDisplayModeInfo *info,
                                                int force)
{
    return plain(*this, NOX_FN(NOX_Display_ModeTimingOverride_Set), adapter, display, info, force);
}

bool NoxInterface::DisplayGetModeTimingOverrideList(int adapter, int display, int maxCount,
                                                    NOXDisplayModeInfo *list, int *count)
{
    return plain(*this, NOX_FN(NOX_Display_ModeTimingOverrideList_Get), adapter, display, maxCount,
                 list, count);
}

bool NoxInterface::DisplayGetODClockInfo(int adapter, NOXAdapterODClockInfo *info)
{
    return plain(*this, NOX_FN(NOX_Display_ODClockInfo_Get), adapter, info);
}

bool NoxInterface::DisplaySetODClockConfig(int adapter, NOXAdapterODClockConfig *config)
{
    return plain(*this, NOX_FN(NOX_Display_ODClockConfig_Set), adapter, config);
}

bool NoxInterface::DisplayGetDDCInfo(int adapter, int display, NOXDDCInfo *info)
{
    return plain(*this, NOX_FN(NOX_Display_DDCInfo_Get), adapter, display, info);
}

bool NoxInterface::DisplayWriteAndReadI2C(int adapter, NOXI2C *i2c)
{
    return plain(*this, NOX_FN(NOX_Display_WriteAndReadI2C), adapter, i2c);
}

bool NoxInterface::DisplayGetWriteAndReadI2CRev(int adapter, int *major, int *minor)
{
    return plain(*this, NOX_FN(NOX_Display_WriteAndReadI2CRev_Get), adapter, major, minor);
}

bool NoxInterface::DisplayGetControllerOverlayAdjustmentCaps(int adapter,
                                                             NOXControllerOverlayInput *input,
                                                             NOXControllerOverlayInfo *info)
{
    return plain(*this, NOX_FN(NOX_Display_ControllerOverlayAdjustmentCaps_Get), adapter, input,
                 info);
}

bool NoxInterface::DisplayGetControllerOverlayAdjustmentData(int adapter,
                                                             NOXControllerOverlayInput *input)
{
    return plain(*this, NOX_FN(NOX_Display_ControllerOverlayAdjustmentData_Get), adapter, input);
}

bool NoxInterface::DisplaySetControllerOverlayAdjustmentData(int adapter,
                                                             NOXControllerOverlayInput *input)
{
    return plain(*this, NOX_FN(NOX_Display_ControllerOverlayAdjustmentData_Set), adapter, input);
}

bool NoxInterface::DisplayGetDuogearVersion(int adapter, int *version)
{
    return plain(*this, NOX_FN(NOX_Display_DuogearVersion_Get), adapter, version);
}

bool NoxInterface::DisplayGetDuogearActiveGPU(int adapter, int *gpu)
{
    return plain(*this, NOX_FN(NOX_Display_DuogearActiveGPU_Get), adapter, gpu);
}

bool NoxInterface::DisplaySetDuogearActiveGPU(int adapter, int gpu, int *result)
{
    return plain(*this, NOX_FN(NOX_Display_DuogearActiveGPU_Set), adapter, gpu, result);
}

bool NoxInterface::DisplayGetDuogearAutoSwitchConfig(int adapter, int *autoSwitch, int *config)
{
    return plain(*this, NOX_FN(NOX_Display_DuogearAutoSwitchConfig_Get), adapter, autoSwitch,
                 config);
}

bool NoxInterface::DisplaySetDuogearAutoSwitchConfig(int adapter, int autoSwitch, int config)
{
    return plain(*this, NOX_FN(NOX_Display_DuogearAutoSwitchConfig_Set), adapter, autoSwitch,
                 config);
}

bool NoxInterface::AdapterGetActive(int adapter, int *status)
{
    return plain(*this, NOX_FN(NOX_Adapter_Active_Get), adapter, status);
}

bool NoxInterface::AdapterGetPrimary(int *adapter)
{
    return plain(*this, NOX_FN(NOX_Adapter_Primary_Get), adapter);
}

bool NoxInterface::AdapterSetPrimary(int adapter)
{
    return plain(*this, NOX_FN(NOX_Adapter_Primary_Set), adapter);
}

bool NoxInterface::DisplayGetAdapterID(int adapter, int *adapterId)
{
    return plain(*this, NOX_FN(NOX_Display_AdapterID_Get), adapter, adapterId);
}

bool NoxInterface::ControllerSetColor(int adapter, int controller, NOXGamma gamma)
{
    return plain(*this, NOX_FN(NOX_Controller_Color_Set), adapter, controller, gamma);
}

bool NoxInterface::ControllerGetColor(int adapter, int controller, NOXGamma *current, NOXGamma *def,
                                      NOXGamma *min, NOXGamma *max)
{
    return plain(*this, NOX_FN(NOX_Controller_Color_Get), adapter, controller, current, def, min,
                 max);
}

bool NoxInterface::VideoGetColorParameter(int adapter, NOXVideoColorFeature feature, float &value)
{
    return plain(*this, NOX_FN(NOX_MMD_VideoColor_Get), adapter, feature, &value);
}

bool NoxInterface::VideoSetColorParameter(int adapter, NOXVideoColorFeature feature, float value)
{
    return plain(*this, NOX_FN(NOX_MMD_VideoColor_Set), adapter, feature, value);
}

bool NoxInterface::AudioGetCurrentSampleRate(int *rate)
{
    return plain(*this, NOX_FN(NOX_Audio_CurrentSampleRate_Get), rate);
}

bool NoxInterface::AudioGetAudioDelayAdjustmentInfo(NOXApoAudioDelayRangeInfo *info)
{
    return plain(*this, NOX_FN(NOX_APO_AudioDelayAdjustmentInfo_Get), info);
}

bool NoxInterface::DisplaySetModes(int adapter, int display, int count, NOXMode *modes)
{
    return plain(*this, NOX_FN(NOX_Display_Modes_Set), adapter, display, count, modes);
}

bool NoxInterface::DisplayGetModes(int adapter, int display, int *count, NOXMode **modes)
{
    Q_UNUSED(display) // the library lists the modes of the whole adapter
    if (!count || !modes)
        return false;
    return plain(*this, NOX_FN(NOX_Display_PossibleMode_Get), adapter, count, modes);
}

// ---- flag pairs ---------------------------------------------------------------------------------

bool NoxInterface::DisplayGetGpuScalingEnabled(int adapter, int display, bool &enabled)
{
    return flagGet(*this, NOX_FN(NOX_DFP_GPUScalingEnable_Get), adapter, display, enabled);
}

bool NoxInterface::DisplayGetExpansion(int adapter, int display, bool &enabled)
{
    return flagGet(*this, NOX_FN(NOX_Display_ImageExpansion_Get), adapter, display, enabled);
}

bool NoxInterface::DisplayGetAspectRatioEnabled(int adapter, int display, bool &enabled)
{
    return flagGet(*this, NOX_FN(NOX_Display_PreservedAspectRatio_Get), adapter, display, enabled);
}

bool NoxInterface::DisplaySetGpuScalingEnabled(int adapter, int display, bool enabled)
{
    return plain(*this, NOX_FN(NOX_DFP_GPUScalingEnable_Set), adapter, display, enabled ? 1 : 0);
}

bool NoxInterface::DisplaySetExpansion(int adapter, int display, bool enabled)
{
    return plain(*this, NOX_FN(NOX_Display_ImageExpansion_Set), adapter, display, enabled ? 1 : 0);
}

bool NoxInterface::DisplaySetAspectRatioEnabled(int adapter, int display, bool enabled)
{
    return plain(*this, NOX_FN(NOX_Display_PreservedAspectRatio_Set), adapter, display,
                 enabled ? 1 : 0);
}

// ---- logged calls -------------------------------------------------------------------------------

bool NoxInterface::AdapterGetTarvishSupport(int adapter, int *support)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterGetTarvishSupport", adapter),
                  NOX_FN(NOX_Adapter_TarvishSupport_Get), adapter, support);
}

bool NoxInterface::AdapterLoadDefaultAudioChannelTable(int adapter, int first, int second,
                                                       int third, NOXDisplayChannelMapping **table)
{
    return logged(
        *this, LogWhen::Always, adapterMessage("AdapterLoadDefaultAudioChannelTable", adapter),
        NOX_FN(NOX_Adapter_DefaultAudioChannelTable_Load), adapter, first, second, third, table);
}

bool NoxInterface::AdapterGetAudioChannelSplitConfiguration(int adapter,
                                                            NOXAudioChannelSplitSetting *setting)
{
    return logged(*this, LogWhen::Always,
                  adapterMessage("AdapterGetAudioChannelSplitConfiguration", adapter),
                  NOX_FN(NOX_Adapter_AudioChannelSplitConfiguration_Get), adapter, setting);
}

bool NoxInterface::AdapterEnableAudioChannelSplit(int adapter, NOXAudioChannelSplitSetting *setting)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterEnableAudioChannelSplit", adapter),
                  NOX_FN(NOX_Adapter_AudioChannelSplit_Enable), adapter, setting);
}

bool NoxInterface::AdapterDisableAudioChannelSplit(int adapter)
{
    return logged(*this, LogWhen::Always,
                  adapterMessage("AdapterDisableAudioChannelSplit", adapter),
                  NOX_FN(NOX_Adapter_AudioChannelSplit_Disable), adapter);
}

bool NoxInterface::AdapterGetDisplayAudioInfo(int adapter, NOXDisplayIdentifier display,
                                              NOXDisplayAudioInfo *info)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterGetDisplayAudioInfo", adapter),
                  NOX_FN(NOX_Adapter_DisplayAudioInfo_Get), adapter, display, info);
}

bool NoxInterface::AdapterEnableDisplayAudioEndpoint(int adapter, NOXDisplayIdentifier display,
                                                     int enable)
{
    return logged(*this, LogWhen::Always,
                  adapterMessage("AdapterEnableDisplayAudioEndpoint", adapter),
                  NOX_FN(NOX_Adapter_DisplayAudioEndpoint_Enable), adapter, display, enable);
}

bool NoxInterface::AdapterMuteDisplayAudioEndpoint(int adapter, NOXDisplayIdentifier display,
                                                   int mute)
{
    return logged(*this, LogWhen::Always,
                  adapterMessage("AdapterMuteDisplayAudioEndpoint", adapter),
                  NOX_FN(NOX_Adapter_DisplayAudioEndpoint_Mute), adapter, display, mute);
}

bool NoxInterface::AdapterGetDisplayGTCCaps(int adapter, NOXDisplayIdentifier display,
                                            NOXGtcInfo *info)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterGetDisplayGTCCaps", adapter),
                  NOX_FN(NOX_Adapter_DisplayGTCCaps_Get), adapter, display, info);
}

bool NoxInterface::AudioSetApoDelay(int adapter, NOXAudioDelayPerSampleRate *delay)
{
    auto fn = NOX_FN(NOX_APO_AudioDelay_Set);
    if (!m_initialized || !fn)
        return false;
    const int result = fn(adapter, delay);
    // Written to the application logger itself: no component prefix, no flag test.
    if (m_loggerInfo && m_loggerInfo->logger) {
        m_loggerInfo->logger->PrintLog(result ? AppLogError : AppLogInfo,
                                       adapterMessage("AudioSetApoDelay", adapter)
                                           + TranslateNoxErrorCode(result));
    }
    return result == 0;
}

bool NoxInterface::AdaptersGetInfoEx(AdapterInfo *buffer, unsigned int size)
{
    if (!m_initialized || !NOX_FN(NOX_Adapter_AdapterInfo_Get) || !buffer
        || size > static_cast<unsigned int>(INT_MAX))
        return false;
    std::memset(buffer, 0, size);
    return logged(*this, LogWhen::Always,
                  QStringLiteral("DriverCommunicator::AdaptersGetInfoEx:  "),
                  NOX_FN(NOX_Adapter_AdapterInfo_Get), buffer, static_cast<int>(size));
}

bool NoxInterface::AdapterGetAsicFamilyType(int adapter, int *type, int *valids)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterGetAsicFamilyType", adapter),
                  NOX_FN(NOX_Adapter_ASICFamilyType_Get), adapter, type, valids);
}

bool NoxInterface::DisplaysGetInfoEx(int adapter, int *count, NOXDisplayInfo **displays)
{
    return logged(*this, LogWhen::Always, adapterMessage("DisplaysGetInfoEx", adapter),
                  NOX_FN(NOX_Display_DisplayInfo_Get), adapter, count, displays, 0);
}

bool NoxInterface::AdapterGetVBiosInfo(int adapter, NOXBiosInfo *info)
{
    return logged(*this, LogWhen::FailureOnly, adapterMessage("AdapterGetVBiosInfo", adapter),
                  NOX_FN(NOX_Adapter_VideoBiosInfo_Get), adapter, info);
}

bool NoxInterface::AdapterGetChipSetInfo(int adapter, NOXChipSetInfo *info)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterGetChipSetInfo", adapter),
                  NOX_FN(NOX_Adapter_ChipSetInfo_Get), adapter, info);
}

bool NoxInterface::AdapterGetASICInfo(int adapter, NOXASICInfo *info)
{
    return logged(*this, LogWhen::Always, adapterMessage("AdapterGetASICInfo", adapter),
                  NOX_FN(NOX_Adapter_ASICInfo_Get), adapter, info);
}

// ---- calls that name a missing entry point -------------------------------------------------

bool NoxInterface::AdapterX2Caps(int adapter, _NOXAdapterCapsX2 *caps)
{
    return named(*this, "NOX_AdapterX2_Caps", NOX_FN(NOX_AdapterX2_Caps), adapter, caps);
}

bool NoxInterface::AdapterGetBoardLayout(int adapter, int *validFlags, int *numberOfSlots,
                                         _NOXBracketSlotInfo **slotInfo, int *numberOfConnectors,
                                         _NOXConnectorInfo **connectors)
{
    return named(*this, "NOX_Adapter_BoardLayout_Get", NOX_FN(NOX_Adapter_BoardLayout_Get), adapter,
                 validFlags, numberOfSlots, slotInfo, numberOfConnectors, connectors);
}

bool NoxInterface::AdapterGetSupportedConnections(int adapter, const _NOXDevicePort &port,
                                                  _NOXSupportedConnections *connections)
{
    return named(*this, "NOX_Adapter_SupportedConnections_Get",
                 NOX_FN(NOX_Adapter_SupportedConnections_Get), adapter, port, connections);
}

bool NoxInterface::AdapterConnectionStateGet(int adapter, const _NOXDevicePort &port,
                                             _NOXConnectionState *state)
{
    return named(*this, "NOX_Adapter_ConnectionState_Get", NOX_FN(NOX_Adapter_ConnectionState_Get),
                 adapter, port, state);
}

bool NoxInterface::AdapterEmulationModeSet(int adapter, const _NOXDevicePort &port, int mode)
{
    return named(*this, "NOX_Adapter_EmulationMode_Set", NOX_FN(NOX_Adapter_EmulationMode_Set),
                 adapter, port, mode);
}

bool NoxInterface::AdapterConnectionDataSet(int adapter, const _NOXDevicePort &port,
                                            const _NOXConnectionData &data)
{
    return named(*this, "NOX_Adapter_ConnectionData_Set", NOX_FN(NOX_Adapter_ConnectionData_Set),
                 adapter, port, data);
}

bool NoxInterface::AdapterConnectionDataGet(int adapter, const _NOXDevicePort &port, int option,
                                            _NOXConnectionData *data)
{
    return named(*this, "NOX_Adapter_ConnectionData_Get", NOX_FN(NOX_Adapter_ConnectionData_Get),
                 adapter, port, option, data);
}

bool NoxInterface::AdapterConnectionDataRemove(int adapter, const _NOXDevicePort &port)
{
    return named(*this, "NOX_Adapter_ConnectionData_Remove",
                 NOX_FN(NOX_Adapter_ConnectionData_Remove), adapter, port);
}

bool NoxInterface::WorkstationGlobalEdidPersistenceGet(int *current, int *def)
{
    return named(*this, "NOX_Workstation_GlobalEDIDPersistence_Get",
                 NOX_FN(NOX_Workstation_GlobalEDIDPersistence_Get), current, def);
}

bool NoxInterface::WorkstationGlobalEdidPersistenceSet(int value)
{
    return named(*this, "NOX_Workstation_GlobalEDIDPersistence_Set",
                 NOX_FN(NOX_Workstation_GlobalEDIDPersistence_Set), value);
}

// ---- calls that report failures with their arguments ---------------------------------------

bool NoxInterface::DisplayGetMapConfig(int adapter, int *mapCount, NOXDisplayMap **maps,
                                       int *targetCount, NOXDisplayTarget **targets, int options)
{
    return reported(
        *this, true,
        [adapter](const QString &text) {
            return QStringLiteral("DriverCommunicator::DisplayGetMapConfig:  ADAPTER %1 - %2")
                .arg(QString::number(adapter), text);
        },
        NOX_FN(NOX_Display_DisplayMapConfig_Get), adapter, mapCount, maps, targetCount, targets,
        options);
}

bool NoxInterface::DisplaySetMapConfig(int adapter, int mapCount, NOXDisplayMap *maps,
                                       int targetCount, NOXDisplayTarget *targets)
{
    return reported(
        *this, true,
        [adapter](const QString &text) {
            return QStringLiteral("DriverCommunicator::DisplaySetMapConfig:  ADAPTER %1 - %2")
                .arg(QString::number(adapter), text);
        },
        NOX_FN(NOX_Display_DisplayMapConfig_Set), adapter, mapCount, maps, targetCount, targets);
}

bool NoxInterface::DisplayDDCBlockAccess(int adapter, int display, int line, int flags,
                                         int writeLength, char *writeData, int *readLength,
                                         char *readData)
{
    return reported(
        *this, true,
        [adapter, display](const QString &text) {
            return QStringLiteral(
                       "DriverCommunicator::DisplayDDCBlockAccess: ADAPTER %1 DISPLAY %2 - %3")
                .arg(QString::number(adapter), QString::number(display), text);
        },
        NOX_FN(NOX_Display_DDCBlockAccess_Get), adapter, display, line, flags, writeLength,
        writeData, readLength, readData);
}

bool NoxInterface::AdapterSetActive(int adapter, int status, int *result)
{
    return reported(
        *this, true,
        [adapter, status, result](const QString &text) {
            return QStringLiteral("DriverCommunicator::AdapterSetActive:  ADAPTER %1 STATUS %2 "
                                  "RESULT %3 - %4 ")
                .arg(QString::number(adapter), QString::number(status),
                     QString::number(result ? *result : 0), text);
        },
        NOX_FN(NOX_Adapter_Active_Set), adapter, status, result);
}

bool NoxInterface::AdapterSetActivePrefer(int adapter, int status, int targetCount,
                                          NOXDisplayTarget *targets, int *result)
{
    return reported(
        *this, true,
        [adapter, status, result](const QString &text) {
            return QStringLiteral("DriverCommunicator::AdapterSetActivePrefer:  ADAPTER %1 STATUS "
                                  "%2 RESULT %3 - %4 ")
                .arg(QString::number(adapter), QString::number(status),
                     QString::number(result ? *result : 0), text);
        },
        NOX_FN(NOX_Adapter_Active_SetPrefer), adapter, status, targetCount, targets, result);
}

bool NoxInterface::DisplayAccessNativeAux(int adapter, int display,
                                          NOXDisplayNativeAUXChannelData *data)
{
    // The DPCD path: only the entry point is checked.
    return reported(
        *this, false,
        [adapter, display](const QString &text) {
            return QStringLiteral("DriverCommunicator::DisplayAccessNativeAux:  CALL FAILED ON "
                                  "ADAPTER %1  DISPLAY %2 - %3 ")
                .arg(QString::number(adapter), QString::number(display), text);
        },
        NOX_FN(NOX_Display_NativeAUXChannel_Access), adapter, display, data);
}

// ---- colour depth ---------------------------------------------------------------------------

bool NoxInterface::GetDisplaySupportedColorDepth(int adapter, int display,
                                                 PellGetColorDepthOutput *output)
{
    if (!output)
        return false;
    if (auto fn = NOX_FN(NOX_Display_SupportedColorDepth_Get)) {
        int value = 0;
        if (fn(adapter, display, &value) != 0)
            return false;
        output->ulFlags = static_cast<uint32_t>(value >> 1);
        return true;
    }
    return PellDisplayTestHarnessCall(adapter, display, PELL_GET_SUPPORTED_COLOR_DEPTH, nullptr, 0,
                                      output, sizeof(PellGetColorDepthOutput));
}

bool NoxInterface::GetDisplayColorDepth(int adapter, int display, PellGetColorDepthOutput *output)
{
    if (!output)
        return false;
    if (auto fn = NOX_FN(NOX_Display_ColorDepth_Get)) {
        int number = 0;
        if (fn(adapter, display, &number) != 0)
            return false;
        output->ulFlags = depthFlag(number);
        return true;
    }
    PellGetDisplaySettingsOutput settings;
    std::memset(&settings, 0, sizeof(settings));
    if (!GetCurrentDisplaySettings(adapter, display, &settings))
        return false;
    output->ulFlags = settings.ulColorDepthFlags;
    return true;
}

bool NoxInterface::SetDisplayColorDepth(int adapter, int display, PellSetColorDepthInput *input)
{
    if (!input)
        return false;
    const int number = depthNumber(input->ulFlags);
    if (auto fn = NOX_FN(NOX_Display_ColorDepth_Set))
        return fn(adapter, display, number) == 0;
    return DisplaySetPanelFormat(adapter, display, static_cast<unsigned long>(number), true);
}

// ---- modes for the communicator -------------------------------------------------------------

bool NoxInterface::pri_DisplayGetModeList(int adapter, int *count, NOXMode **modes)
{
    return plain(*this, NOX_FN(NOX_Display_PossibleMode_Get), adapter, count, modes);
}

bool NoxInterface::pri_DisplayGetCurrentMode(int adapter, int display, int *count, NOXMode **modes)
{
    return plain(*this, NOX_FN(NOX_Display_Modes_Get), adapter, display, count, modes);
}

// ---- calls the library does not offer -------------------------------------------------------

bool NoxInterface::DisplayGetInfo(int, int *, NOXDisplayInfo **, int)
{
    return false;
}

bool NoxInterface::DisplayGetDpMstInfo(int, int *, NOXDisplayDPMSTInfo **, int)
{
    return false;
}

bool NoxInterface::DisplayGetConnectedDisplays(int, int *)
{
    return false;
}

bool NoxInterface::DisplayGetDeviceConfig(int, int, NOXDisplayConfig *)
{
    return false;
}

bool NoxInterface::DisplayGetAdjustmentCoherent(int, int, int *, int *)
{
    return false;
}

bool NoxInterface::DisplaySetAdjustmentCoherent(int, int, int)
{
    return false;
}

bool NoxInterface::DisplayGetReducedBlanking(int, int, int *, int *)
{
    return false;
}

bool NoxInterface::DisplaySetReducedBlanking(int, int, int)
{
    return false;
}

bool NoxInterface::DisplayGetMVPUCaps(int, NOXMVPUCaps *)
{
    return false;
}

bool NoxInterface::DisplayGetMVPUStatus(int, NOXMVPUStatus *)
{
    return false;
}
