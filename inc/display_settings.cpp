// VyrDisplay: the driver's settings of one display (adjustments, scaling, colour depth
// and pixel encoding, dithering, position and size, overscan and underscan, colour,
// custom modes, mode timing overrides) and a few queries of its adapter.

#include "adapter.h"
#include "display.h"
#include "drivercommunicator.h"

#include <vector>

namespace {

// A dither state the driver must never be given.
constexpr int kRefusedDitherState = 24;

} // namespace

bool VyrDisplay::GetAdjustmentData(unsigned int type, int *value)
{
    return displayCall(&NoxInterface::DisplayGetAdjustmentData, static_cast<unsigned long>(type),
                       value);
}

bool VyrDisplay::SetAdjustmentData(unsigned int type, int value)
{
    return displayCall(&NoxInterface::DisplaySetAdjustmentData, static_cast<unsigned long>(type),
                       value);
}

bool VyrDisplay::GetAdjustmentInfoEx(unsigned int type, tagDI_ADJUSTMENTINFOEX &info)
{
    return displayCall(&NoxInterface::DisplayGetAdjustmentInfoEx, static_cast<unsigned long>(type),
                       &info);
}

bool VyrDisplay::GetAdjustmentInfo(unsigned int type, tagDISPLAYADJUSTMENTINFO &info)
{
    return displayCall(&NoxInterface::DisplayGetAdjustmentInfo, static_cast<unsigned long>(type),
                       &info);
}

bool VyrDisplay::SetPanelFormat(DisplayPanelFormat format, bool enable)
{
    return displayCall(&NoxInterface::DisplaySetPanelFormat, static_cast<unsigned long>(format),
                       enable);
}

bool VyrDisplay::GetGPUScaling(bool &enabled) const
{
    return haveDriver()
           && m_communicator->DisplayGetGpuScalingEnabled(adapterIndex(), index(), enabled);
}

bool VyrDisplay::SetGPUScaling(bool enabled)
{
    return displayCall(&NoxInterface::DisplaySetGpuScalingEnabled, enabled);
}

bool VyrDisplay::GetDisplayColorDepth(PellGetColorDepthOutput *out)
{
    return displayCall(&NoxInterface::GetDisplayColorDepth, out);
}

bool VyrDisplay::GetSupportedColorDepth(PellGetColorDepthOutput *out)
{
    return displayCall(&NoxInterface::GetDisplaySupportedColorDepth, out);
}

bool VyrDisplay::GetDisplayPixelEncoding(PellGetPixelEncodingOutput *out)
{
    return displayCall(&NoxInterface::GetDisplayPixelEncoding, out);
}

bool VyrDisplay::GetPixelFormat(PellGetPixelEncodingOutput *out)
{
    return GetDisplayPixelEncoding(out);
}

bool VyrDisplay::GetCurrentDisplaySettings(PellGetDisplaySettingsOutput *out)
{
    return displayCall(&NoxInterface::GetCurrentDisplaySettings, out);
}

bool VyrDisplay::SetDisplayColorDepth(PellSetColorDepthInput *in)
{
    return displayCall(&NoxInterface::SetDisplayColorDepth, in);
}

bool VyrDisplay::SetDisplayPixelEncoding(const PellSetPixelEncodingInput *in)
{
    return displayCall(&NoxInterface::SetDisplayPixelEncoding, in);
}

bool VyrDisplay::SetDithering(tagZOVRETH_DITHERING *dithering)
{
    return displayCall(&NoxInterface::DisplaySetDithering, dithering);
}

bool VyrDisplay::GetDithering(tagZOVRETH_DITHERING *) const
{
    return false;
}

bool VyrDisplay::GetPreservedAspectRatio(int *support, int *current, int *def)
{
    return displayCall(&NoxInterface::DisplayGetPreservedAspectRatio, support, current, def);
}

bool VyrDisplay::SetPreservedAspectRatio(int value)
{
    return displayCall(&NoxInterface::DisplaySetPreservedAspectRatio, value);
}

bool VyrDisplay::GetImageExpansion(int *support, int *current, int *def)
{
    return displayCall(&NoxInterface::DisplayGetImageExpansion, support, current, def);
}

bool VyrDisplay::SetImageExpansion(int value)
{
    return displayCall(&NoxInterface::DisplaySetImageExpansion, value);
}

bool VyrDisplay::GetPosition(int *x, int *y, int *xDefault, int *yDefault, int *minX, int *minY,
                             int *maxX, int *maxY, int *stepX, int *stepY)
{
    return displayCall(&NoxInterface::DisplayGetPosition, x, y, xDefault, yDefault, minX, minY,
                       maxX, maxY, stepX, stepY);
}

bool VyrDisplay::SetPosition(int x, int y)
{
    return displayCall(&NoxInterface::DisplaySetPosition, x, y);
}

bool VyrDisplay::GetSize(int *width, int *height, int *widthDefault, int *heightDefault,
                         int *minWidth, int *minHeight, int *maxWidth, int *maxHeight,
                         int *stepWidth, int *stepHeight)
{
    return displayCall(&NoxInterface::DisplayGetSize, width, height, widthDefault, heightDefault,
                       minWidth, minHeight, maxWidth, maxHeight, stepWidth, stepHeight);
}

bool VyrDisplay::SetSize(int width, int height)
{
    return displayCall(&NoxInterface::DisplaySetSize, width, height);
}

bool VyrDisplay::GetAdjustCaps(int *caps)
{
    return displayCall(&NoxInterface::DisplayGetAdjustCaps, caps);
}

bool VyrDisplay::GetDeviceConfig(NOXDisplayConfig *config)
{
    return displayCall(&NoxInterface::DisplayGetDeviceConfig, config);
}

bool VyrDisplay::GetProperty(NOXDisplayProperty *property)
{
    return displayCall(&NoxInterface::DisplayGetProperty, property);
}

bool VyrDisplay::SetProperty(NOXDisplayProperty *property)
{
    return displayCall(&NoxInterface::DisplaySetProperty, property);
}

bool VyrDisplay::GetDitherState(int *state)
{
    return displayCall(&NoxInterface::DisplayGetDitherState, state);
}

bool VyrDisplay::SetDitherState(int state)
{
    return state != kRefusedDitherState && displayCall(&NoxInterface::DisplaySetDitherState, state);
}

bool VyrDisplay::GetSupportedPixelFormat(int *formats)
{
    return displayCall(&NoxInterface::DisplayGetSupportedPixelFormat, formats);
}

bool VyrDisplay::GetPixelFormat(int *format)
{
    return displayCall(&NoxInterface::DisplayGetPixelFormat, format);
}

bool VyrDisplay::SetPixelFormat(int format)
{
    return displayCall(&NoxInterface::DisplaySetPixelFormat, format);
}

bool VyrDisplay::GetAdjustmentCoherent(int *support, int *current)
{
    return displayCall(&NoxInterface::DisplayGetAdjustmentCoherent, support, current);
}

bool VyrDisplay::SetAdjustmentCoherent(int value)
{
    return displayCall(&NoxInterface::DisplaySetAdjustmentCoherent, value);
}

bool VyrDisplay::GetReducedBlanking(int *support, int *current)
{
    return displayCall(&NoxInterface::DisplayGetReducedBlanking, support, current);
}

bool VyrDisplay::SetReducedBlanking(int value)
{
    return displayCall(&NoxInterface::DisplaySetReducedBlanking, value);
}

bool VyrDisplay::GetFormatsOverride(int *supported, int *validBits, int *current)
{
    return displayCall(&NoxInterface::DisplayGetFormatsOverride, supported, validBits, current);
}

bool VyrDisplay::SetFormatsOverride(int value)
{
    return displayCall(&NoxInterface::DisplaySetFormatsOverride, value);
}

bool VyrDisplay::GetColorCaps(int *caps)
{
    return displayCall(&NoxInterface::DisplayGetColorCaps, caps);
}

bool VyrDisplay::SetColor(int type, int value)
{
    return displayCall(&NoxInterface::DisplaySetColor, type, value);
}

bool VyrDisplay::GetColor(int type, int *current, int *def, int *min, int *max, int *step)
{
    return displayCall(&NoxInterface::DisplayGetColor, type, current, def, min, max, step);
}

bool VyrDisplay::GetColorTemperatureSource(DisplayColorTemperatureSource &source)
{
    int value = 0;
    if (!displayCall(&NoxInterface::DisplayGetColorTemperatureSource, &value))
        return false;
    source = static_cast<DisplayColorTemperatureSource>(value);
    return true;
}

bool VyrDisplay::SetColorTemperatureSource(DisplayColorTemperatureSource source)
{
    return displayCall(&NoxInterface::DisplaySetColorTemperatureSource, static_cast<int>(source));
}

bool VyrDisplay::GetLimits(int *maxHRes, int *maxVRes, int *maxRefresh)
{
    return displayCall(&NoxInterface::DisplayGetLimits, maxHRes, maxVRes, maxRefresh);
}

bool VyrDisplay::SetOverscan(int value)
{
    return displayCall(&NoxInterface::DisplaySetOverscan, value);
}

bool VyrDisplay::GetOverscan(int *current, int *def, int *min, int *max, int *step)
{
    return displayCall(&NoxInterface::DisplayGetOverscan, current, def, min, max, step);
}

bool VyrDisplay::SetUnderscan(int value)
{
    return displayCall(&NoxInterface::DisplaySetUnderscan, value);
}

bool VyrDisplay::GetUnderscan(int *current, int *def, int *min, int *max, int *step)
{
    return displayCall(&NoxInterface::DisplayGetUnderscan, current, def, min, max, step);
}

bool VyrDisplay::GetModeTimingOverride(NOXDisplayMode *mode, NOXDisplayModeInfo *info)
{
    return displayCall(&NoxInterface::DisplayGetModeTimingOverride, mode, info);
}

bool VyrDisplay::SetModeTimingOverride(NOXDisplayModeInfo *info, int force)
{
    return displayCall(&NoxInterface::DisplaySetModeTimingOverride, info, force);
}

bool VyrDisplay::GetModeTimingOverrideList(int maxCount, NOXDisplayModeInfo *list, int *count)
{
    return displayCall(&NoxInterface::DisplayGetModeTimingOverrideList, maxCount, list, count);
}

// ---- custom modes -----------------------------------------------------------------------------

bool VyrDisplay::GetCustomizedModeListNum(int *count)
{
    return displayCall(&NoxInterface::DisplayGetCustomizedModeListNum, count);
}

bool VyrDisplay::GetCustomizedModeList(NOXCustomMode *modes, int bytes)
{
    return displayCall(&NoxInterface::DisplayGetCustomizedModeList, modes, bytes);
}

bool VyrDisplay::DeleteCustomizedMode(int index)
{
    return displayCall(&NoxInterface::DisplayDeleteCustomizedMode, index);
}

bool VyrDisplay::DeleteCustomizedMode(const NOXCustomMode &mode)
{
    int count = 0;
    if (!GetCustomizedModeListNum(&count) || count <= 0)
        return false;
    std::vector<NOXCustomMode> modes(static_cast<size_t>(count));
    if (!GetCustomizedModeList(modes.data(), count * static_cast<int>(sizeof(NOXCustomMode))))
        return false;
    for (int i = 0; i < count; ++i) {
        if (modes[static_cast<size_t>(i)] == mode)
            return DeleteCustomizedMode(i);
    }
    return false;
}

bool VyrDisplay::AddCustomizedMode(const NOXCustomMode &mode)
{
    NOXCustomMode copy;
    copy.iFlags = mode.iFlags;
    copy.iModeWidth = mode.iModeWidth;
    copy.iModeHeight = mode.iModeHeight;
    copy.iBaseModeWidth = mode.iBaseModeWidth;
    copy.iBaseModeHeight = mode.iBaseModeHeight;
    copy.iRefreshRate = mode.iRefreshRate;
    return displayCall(&NoxInterface::DisplayAddCustomizedMode, copy);
}

bool VyrDisplay::ValidateCustomizedMode(NOXCustomMode mode, int *valid)
{
    return displayCall(&NoxInterface::DisplayValidateCustomizedMode, mode, valid);
}

bool VyrDisplay::DisplayGetTileConfig(tagDI_DISPLAYTILE_CONFIG *config)
{
    return config != nullptr && displayCall(&NoxInterface::DisplayGetTileConfig, config);
}

// ---- scaling ----------------------------------------------------------------------------------

bool VyrDisplay::SetScalingOption(int option)
{
    switch (option) {
    case DisplayScalingFullScreen:
        return displayCall(&NoxInterface::DisplaySetExpansion, true);
    case DisplayScalingPreservedAspect:
        return displayCall(&NoxInterface::DisplaySetAspectRatioEnabled, true);
    case DisplayScalingNone:
        return displayCall(&NoxInterface::DisplaySetAspectRatioEnabled, false)
               && displayCall(&NoxInterface::DisplaySetExpansion, false);
    default:
        return false;
    }
}

bool VyrDisplay::GetScalingOption(DisplayScalingOption &option)
{
    if (!haveDriver())
        return false;
    bool enabled = false;
    if (!m_communicator->DisplayGetAspectRatioEnabled(adapterIndex(), index(), enabled))
        return false;
    if (enabled) {
        option = DisplayScalingPreservedAspect;
        return true;
    }
    if (!m_communicator->DisplayGetExpansion(adapterIndex(), index(), enabled))
        return false;
    option = enabled ? DisplayScalingFullScreen : DisplayScalingNone;
    return true;
}

// ---- adapter-wide queries --------------------------------------------------------------------

bool VyrDisplay::GetDpMstInfo(int *count, NOXDisplayDPMSTInfo **info, int option)
{
    return adapterCall(&NoxInterface::DisplayGetDpMstInfo, count, info, option);
}

bool VyrDisplay::GetNumberOfDisplays(int *count)
{
    return adapterCall(&NoxInterface::DisplayGetNumberOfDisplays, count);
}

bool VyrDisplay::GetCapabilities(int *numberOfControllers, int *numberOfDisplays)
{
    return adapterCall(&NoxInterface::DisplayGetCapabilities, numberOfControllers,
                       numberOfDisplays);
}

bool VyrDisplay::GetConnectedDisplays(int *connected)
{
    return adapterCall(&NoxInterface::DisplayGetConnectedDisplays, connected);
}

bool VyrDisplay::GetSwitchingCapability(int *capability)
{
    return adapterCall(&NoxInterface::DisplayGetSwitchingCapability, capability);
}

bool VyrDisplay::GetODClockInfo(NOXAdapterODClockInfo *info)
{
    return adapterCall(&NoxInterface::DisplayGetODClockInfo, info);
}

bool VyrDisplay::SetODClockConfig(NOXAdapterODClockConfig *config)
{
    return adapterCall(&NoxInterface::DisplaySetODClockConfig, config);
}

bool VyrDisplay::GetMVPUCaps(NOXMVPUCaps *caps)
{
    return adapterCall(&NoxInterface::DisplayGetMVPUCaps, caps);
}

bool VyrDisplay::GetMVPUStatus(NOXMVPUStatus *status)
{
    return adapterCall(&NoxInterface::DisplayGetMVPUStatus, status);
}

bool VyrDisplay::GetDisplayAudioInfo(NOXDisplayIdentifier display, NOXDisplayAudioInfo *info)
{
    return adapterCall(&NoxInterface::AdapterGetDisplayAudioInfo, display, info);
}

bool VyrDisplay::EnableDisplayAudioEndpoint(NOXDisplayIdentifier display, unsigned int enable)
{
    return adapterCall(&NoxInterface::AdapterEnableDisplayAudioEndpoint, display,
                       static_cast<int>(enable));
}

bool VyrDisplay::MuteDisplayAudioEndpoint(NOXDisplayIdentifier display, unsigned int mute)
{
    return adapterCall(&NoxInterface::AdapterMuteDisplayAudioEndpoint, display,
                       static_cast<int>(mute));
}

bool VyrDisplay::GetDisplayGTCCaps(NOXDisplayIdentifier display, NOXGtcInfo *info)
{
    return adapterCall(&NoxInterface::AdapterGetDisplayGTCCaps, display, info);
}
