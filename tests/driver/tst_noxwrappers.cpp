// The wrapper families over the driver control library's named entry points, one
// table per family: success with the value read back from the simulated machine,
// an unbound library and a missing entry point, a failing call, and the special
// cases of each family.

#include "noxtestsupport.h"

#include <functional>

using namespace NoxTest;

namespace {

// One wrapper call (or a set followed by the get that reads it back). run answers
// the result of the call under test and describes what was read.
struct Case
{
    const char *name;
    const char *entry; // entry point of the call under test, for failure injection
    std::function<bool(NoxInterface &, QString &)> run;
    QString value;   // description on success
    QString message; // family 3: the log message before the result text
};

QString n(int value)
{
    return QString::number(value);
}

const NOXCustomMode kCustom = {0, 1600, 900, 1920, 1080, 60};

QVector<Case> plainCases()
{
    QVector<Case> c;
    c.push_back({"DisplayGetNumberOfDisplays",
                 "NOX_Display_NumberOfDisplays_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.DisplayGetNumberOfDisplays(0, &k);
                     v = n(k);
                     return r;
                 },
                 "6",
                 {}});
    c.push_back({"PreservedAspectRatio",
                 "NOX_Display_PreservedAspectRatio_Get",
                 [](NoxInterface &x, QString &v) {
                     int s = 0, cur = 0, d = 0;
                     x.DisplaySetPreservedAspectRatio(0, 1, 1);
                     const bool r = x.DisplayGetPreservedAspectRatio(0, 1, &s, &cur, &d);
                     v = n(s) + " " + n(cur) + " " + n(d);
                     return r;
                 },
                 "1 1 0",
                 {}});
    c.push_back({"ImageExpansion",
                 "NOX_Display_ImageExpansion_Set",
                 [](NoxInterface &x, QString &v) {
                     int s = 0, cur = 0, d = 0;
                     const bool r = x.DisplaySetImageExpansion(0, 0, 1);
                     x.DisplayGetImageExpansion(0, 0, &s, &cur, &d);
                     v = n(cur);
                     return r;
                 },
                 "1",
                 {}});
    c.push_back({"Position",
                 "NOX_Display_Position_Get",
                 [](NoxInterface &x, QString &v) {
                     int p[10] = {};
                     x.DisplaySetPosition(0, 1, 5, -3);
                     const bool r = x.DisplayGetPosition(0, 1, &p[0], &p[1], &p[2], &p[3], &p[4],
                                                         &p[5], &p[6], &p[7], &p[8], &p[9]);
                     v = n(p[0]) + " " + n(p[1]) + " " + n(p[6]);
                     return r;
                 },
                 "5 -3 100",
                 {}});
    c.push_back({"Size",
                 "NOX_Display_Size_Set",
                 [](NoxInterface &x, QString &v) {
                     int p[10] = {};
                     const bool r = x.DisplaySetSize(0, 1, 90, 95);
                     x.DisplayGetSize(0, 1, &p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &p[7],
                                      &p[8], &p[9]);
                     v = n(p[0]) + " " + n(p[1]);
                     return r;
                 },
                 "90 95",
                 {}});
    c.push_back({"DisplayGetAdjustCaps",
                 "NOX_Display_AdjustCaps_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.DisplayGetAdjustCaps(0, 1, &k);
                     v = n(k);
                     return r;
                 },
                 "63",
                 {}});
    c.push_back({"DisplayGetCapabilities",
                 "NOX_Display_Capabilities_Get",
                 [](NoxInterface &x, QString &v) {
                     int a = 0, b = 0;
                     const bool r = x.DisplayGetCapabilities(2, &a, &b);
                     v = n(a) + " " + n(b);
                     return r;
                 },
                 "4 1",
                 {}});
    c.push_back({"Property",
                 "NOX_Display_Property_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXDisplayProperty p{};
                     p.iPropertyType = 2;
                     p.iCurrent = 7;
                     x.DisplaySetProperty(0, 1, &p);
                     NOXDisplayProperty q{};
                     q.iPropertyType = 2;
                     const bool r = x.DisplayGetProperty(0, 1, &q);
                     v = n(q.iCurrent);
                     return r;
                 },
                 "7",
                 {}});
    c.push_back({"DisplayGetSwitchingCapability",
                 "NOX_Display_SwitchingCapability_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = -1;
                     const bool r = x.DisplayGetSwitchingCapability(0, &k);
                     v = n(k);
                     return r;
                 },
                 "0",
                 {}});
    c.push_back({"DitherState",
                 "NOX_Display_DitherState_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     x.DisplaySetDitherState(0, 1, 2);
                     const bool r = x.DisplayGetDitherState(0, 1, &k);
                     v = n(k);
                     return r;
                 },
                 "2",
                 {}});
    c.push_back({"PixelFormat",
                 "NOX_Display_PixelFormat_Set",
                 [](NoxInterface &x, QString &v) {
                     int s = 0, k = 0;
                     const bool r = x.DisplaySetPixelFormat(0, 0, 4);
                     x.DisplayGetPixelFormat(0, 0, &k);
                     x.DisplayGetSupportedPixelFormat(0, 0, &s);
                     v = n(k) + " of " + n(s);
                     return r;
                 },
                 "4 of 7",
                 {}});
    c.push_back({"DisplayGetColorCaps",
                 "NOX_Display_ColorCaps_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.DisplayGetColorCaps(0, 1, &k);
                     v = n(k);
                     return r;
                 },
                 "31",
                 {}});
    c.push_back({"Color",
                 "NOX_Display_Color_Get",
                 [](NoxInterface &x, QString &v) {
                     int p[5] = {};
                     x.DisplaySetColor(0, 1, 3, 70);
                     const bool r = x.DisplayGetColor(0, 1, 3, &p[0], &p[1], &p[2], &p[3], &p[4]);
                     v = n(p[0]) + " " + n(p[1]) + " " + n(p[2]) + " " + n(p[3]) + " " + n(p[4]);
                     return r;
                 },
                 "70 50 0 100 1",
                 {}});
    c.push_back({"ColorTemperatureSource",
                 "NOX_Display_ColorTemperatureSource_Set",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.DisplaySetColorTemperatureSource(0, 1, 1);
                     x.DisplayGetColorTemperatureSource(0, 1, &k);
                     v = n(k);
                     return r;
                 },
                 "1",
                 {}});
    c.push_back({"DisplayGetTVCaps",
                 "NOX_Display_TVCaps_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = -1;
                     const bool r = x.DisplayGetTVCaps(0, 0, &k);
                     v = n(k);
                     return r;
                 },
                 "0",
                 {}});
    c.push_back({"FormatsOverride",
                 "NOX_Display_FormatsOverride_Get",
                 [](NoxInterface &x, QString &v) {
                     int a = 0, b = 0, k = 0;
                     x.DisplaySetFormatsOverride(0, 0, 2);
                     const bool r = x.DisplayGetFormatsOverride(0, 0, &a, &b, &k);
                     v = n(a) + " " + n(b) + " " + n(k);
                     return r;
                 },
                 "7 7 2",
                 {}});
    c.push_back({"DisplayGetLimits",
                 "NOX_Display_Limits_Get",
                 [](NoxInterface &x, QString &v) {
                     int a = 0, b = 0, k = 0;
                     const bool r = x.DisplayGetLimits(0, 1, &a, &b, &k);
                     v = n(a) + " " + n(b) + " " + n(k);
                     return r;
                 },
                 "3840 2160 60",
                 {}});
    c.push_back({"Overscan",
                 "NOX_Display_Overscan_Get",
                 [](NoxInterface &x, QString &v) {
                     int p[5] = {};
                     x.DisplaySetOverscan(0, 0, 3);
                     const bool r = x.DisplayGetOverscan(0, 0, &p[0], &p[1], &p[2], &p[3], &p[4]);
                     v = n(p[0]) + " " + n(p[3]);
                     return r;
                 },
                 "3 15",
                 {}});
    c.push_back({"Underscan",
                 "NOX_Display_Underscan_Set",
                 [](NoxInterface &x, QString &v) {
                     int p[5] = {};
                     const bool r = x.DisplaySetUnderscan(0, 0, 4);
                     x.DisplayGetUnderscan(0, 0, &p[0], &p[1], &p[2], &p[3], &p[4]);
                     v = n(p[0]);
                     return r;
                 },
                 "4",
                 {}});
    c.push_back({"Custom modes",
                 "NOX_Display_CustomizedMode_Delete",
                 [](NoxInterface &x, QString &v) {
                     int valid = 0, count = 0;
                     x.DisplayValidateCustomizedMode(0, 1, kCustom, &valid);
                     x.DisplayAddCustomizedMode(0, 1, kCustom);
                     x.DisplayGetCustomizedModeListNum(0, 1, &count);
                     NOXCustomMode list[4] = {};
                     x.DisplayGetCustomizedModeList(0, 1, list, static_cast<int>(sizeof(list)));
                     v = n(valid) + " " + n(count) + " " + n(list[0].iModeWidth) + "x"
                         + n(list[0].iModeHeight) + "@" + n(list[0].iRefreshRate);
                     const bool r = x.DisplayDeleteCustomizedMode(0, 1, 0);
                     x.DisplayGetCustomizedModeListNum(0, 1, &count);
                     v += " " + n(count);
                     return r;
                 },
                 "1 1 1600x900@60 0",
                 {}});
    c.push_back({"Mode timing override",
                 "NOX_Display_ModeTimingOverrideList_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXDisplayModeInfo info{};
                     info.iPelsWidth = 1280;
                     info.iPelsHeight = 720;
                     info.iRefreshRate = 50;
                     x.DisplaySetModeTimingOverride(0, 0, &info, 1);
                     NOXDisplayMode mode{720, 1280, 32, 50};
                     NOXDisplayModeInfo got{};
                     x.DisplayGetModeTimingOverride(0, 0, &mode, &got);
                     NOXDisplayModeInfo list[2] = {};
                     int count = 0;
                     const bool r = x.DisplayGetModeTimingOverrideList(0, 0, 2, list, &count);
                     v = n(got.iPelsWidth) + "x" + n(got.iPelsHeight) + "@" + n(got.iRefreshRate)
                         + " " + n(count);
                     return r;
                 },
                 "1280x720@50 1",
                 {}});
    c.push_back({"Overdrive clocks",
                 "NOX_Display_ODClockInfo_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXAdapterODClockConfig config{sizeof(NOXAdapterODClockConfig), 0, 1500, 0};
                     x.DisplaySetODClockConfig(0, &config);
                     NOXAdapterODClockInfo info{};
                     const bool r = x.DisplayGetODClockInfo(0, &info);
                     v = n(info.iEngineClockMax);
                     return r;
                 },
                 "1500",
                 {}});
    c.push_back({"DisplayGetDDCInfo",
                 "NOX_Display_DDCInfo_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXDDCInfo info{};
                     const bool r = x.DisplayGetDDCInfo(0, 1, &info);
                     v = QString::fromLatin1(info.cDisplayName);
                     return r;
                 },
                 "Simulated DisplayPort Monitor",
                 {}});
    c.push_back({"DisplayWriteAndReadI2C",
                 "NOX_Display_WriteAndReadI2C",
                 [](NoxInterface &x, QString &v) {
                     char data[8] = {};
                     NOXI2C i2c{sizeof(NOXI2C), 0, 0xA0, 0, 1, 0, 8, data};
                     const bool r = x.DisplayWriteAndReadI2C(0, &i2c);
                     v = QString::fromLatin1(QByteArray(data, 8).toHex());
                     return r;
                 },
                 "00ffffffffffff00",
                 {}});
    c.push_back({"DisplayGetWriteAndReadI2CRev",
                 "NOX_Display_WriteAndReadI2CRev_Get",
                 [](NoxInterface &x, QString &v) {
                     int a = 0, b = 0;
                     const bool r = x.DisplayGetWriteAndReadI2CRev(0, &a, &b);
                     v = n(a) + "." + n(b);
                     return r;
                 },
                 "1.0",
                 {}});
    c.push_back({"Overlay adjustment",
                 "NOX_Display_ControllerOverlayAdjustmentData_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXControllerOverlayInput in{sizeof(NOXControllerOverlayInput), 2, 66, 0};
                     NOXControllerOverlayInfo info{};
                     x.DisplayGetControllerOverlayAdjustmentCaps(0, &in, &info);
                     x.DisplaySetControllerOverlayAdjustmentData(0, &in);
                     in.iValue = 0;
                     const bool r = x.DisplayGetControllerOverlayAdjustmentData(0, &in);
                     v = n(info.iMax) + " " + n(in.iValue);
                     return r;
                 },
                 "100 66",
                 {}});
    c.push_back({"Switchable graphics",
                 "NOX_Display_DuogearAutoSwitchConfig_Get",
                 [](NoxInterface &x, QString &v) {
                     int version = 0, gpu = 0, result = 0, autoSwitch = 0, config = 0;
                     x.DisplayGetDuogearVersion(0, &version);
                     x.DisplaySetDuogearActiveGPU(0, 1, &result);
                     x.DisplayGetDuogearActiveGPU(0, &gpu);
                     x.DisplaySetDuogearAutoSwitchConfig(0, 1, 5);
                     const bool r = x.DisplayGetDuogearAutoSwitchConfig(0, &autoSwitch, &config);
                     v = n(version) + " " + n(gpu) + " " + n(autoSwitch) + " " + n(config);
                     return r;
                 },
                 "2 1 1 5",
                 {}});
    c.push_back({"Active and primary adapter",
                 "NOX_Adapter_Primary_Get",
                 [](NoxInterface &x, QString &v) {
                     int active = 0, primary = -1;
                     x.AdapterGetActive(1, &active);
                     x.AdapterSetPrimary(2);
                     const bool r = x.AdapterGetPrimary(&primary);
                     v = n(active) + " " + n(primary);
                     return r;
                 },
                 "1 2",
                 {}});
    c.push_back({"DisplayGetAdapterID",
                 "NOX_Display_AdapterID_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.DisplayGetAdapterID(1, &k);
                     v = QString::number(k, 16);
                     return r;
                 },
                 "5001",
                 {}});
    c.push_back({"Controller gamma",
                 "NOX_Controller_Color_Get",
                 [](NoxInterface &x, QString &v) {
                     x.ControllerSetColor(0, 1, NOXGamma{1.5f, 1.5f, 1.5f});
                     NOXGamma cur{}, def{}, min{}, max{};
                     const bool r = x.ControllerGetColor(0, 1, &cur, &def, &min, &max);
                     v = QString::number(static_cast<double>(cur.fRed), 'f', 2) + " "
                         + QString::number(static_cast<double>(max.fBlue), 'f', 1);
                     return r;
                 },
                 "1.50 2.8",
                 {}});
    c.push_back({"Video colour",
                 "NOX_MMD_VideoColor_Set",
                 [](NoxInterface &x, QString &v) {
                     const bool r = x.VideoSetColorParameter(0, NOX_VIDEO_COLOR_CONTRAST, 0.75f);
                     float value = 0;
                     x.VideoGetColorParameter(0, NOX_VIDEO_COLOR_CONTRAST, value);
                     v = QString::number(static_cast<double>(value), 'f', 2);
                     return r;
                 },
                 "0.75",
                 {}});
    c.push_back({"AudioGetCurrentSampleRate",
                 "NOX_Audio_CurrentSampleRate_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.AudioGetCurrentSampleRate(&k);
                     v = n(k);
                     return r;
                 },
                 "48000",
                 {}});
    c.push_back({"AudioGetAudioDelayAdjustmentInfo",
                 "NOX_APO_AudioDelayAdjustmentInfo_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXApoAudioDelayRangeInfo i{};
                     const bool r = x.AudioGetAudioDelayAdjustmentInfo(&i);
                     v = n(i.iMinAudioDelay) + ".." + n(i.iMaxAudioDelay);
                     return r;
                 },
                 "0..200",
                 {}});
    return c;
}

// Sets a display flag on and reads it, then off and reads it again; v shows both
// reads ("1 0"). Answers the result of the first read.
bool toggleFlag(NoxInterface &x, bool (NoxInterface::*set)(int, int, bool),
                bool (NoxInterface::*get)(int, int, bool &), int adapter, int display, QString &v)
{
    bool on = false;
    (x.*set)(adapter, display, true);
    const bool r = (x.*get)(adapter, display, on);
    bool off = true;
    (x.*set)(adapter, display, false);
    (x.*get)(adapter, display, off);
    v = QStringLiteral("%1 %2").arg(on).arg(off);
    return r;
}

QVector<Case> flagCases()
{
    QVector<Case> c;
    c.push_back({"GpuScaling",
                 "NOX_DFP_GPUScalingEnable_Get",
                 [](NoxInterface &x, QString &v) {
                     return toggleFlag(x, &NoxInterface::DisplaySetGpuScalingEnabled,
                                       &NoxInterface::DisplayGetGpuScalingEnabled, 0, 1, v);
                 },
                 "1 0",
                 {}});
    c.push_back({"Expansion",
                 "NOX_Display_ImageExpansion_Get",
                 [](NoxInterface &x, QString &v) {
                     return toggleFlag(x, &NoxInterface::DisplaySetExpansion,
                                       &NoxInterface::DisplayGetExpansion, 0, 0, v);
                 },
                 "1 0",
                 {}});
    c.push_back({"AspectRatio",
                 "NOX_Display_PreservedAspectRatio_Get",
                 [](NoxInterface &x, QString &v) {
                     bool on = false;
                     x.DisplaySetAspectRatioEnabled(2, 4, true);
                     const bool r = x.DisplayGetAspectRatioEnabled(2, 4, on);
                     // The setter hands the flag over as 1, which the library reads back.
                     int s = 0, cur = 0, d = 0;
                     x.DisplayGetPreservedAspectRatio(2, 4, &s, &cur, &d);
                     v = QStringLiteral("%1 %2").arg(on).arg(cur);
                     return r;
                 },
                 "1 1",
                 {}});
    return c;
}

QVector<Case> loggedCases()
{
    QVector<Case> c;
    const NOXDisplayIdentifier tv{0, 0, 0, 0};
    const NOXDisplayIdentifier dp{1, 1, 0, 0};
    c.push_back({"AdapterGetTarvishSupport", "NOX_Adapter_TarvishSupport_Get",
                 [](NoxInterface &x, QString &v) {
                     int k = 0;
                     const bool r = x.AdapterGetTarvishSupport(1, &k);
                     v = n(k);
                     return r;
                 },
                 "1", "DriverCommunicator::AdapterGetTarvishSupport:  ADAPTER 1 - "});
    c.push_back({"AdapterLoadDefaultAudioChannelTable", "NOX_Adapter_DefaultAudioChannelTable_Load",
                 [](NoxInterface &x, QString &v) {
                     NOXDisplayChannelMapping *table = nullptr;
                     const bool r = x.AdapterLoadDefaultAudioChannelTable(0, 0, 0, 6, &table);
                     v = n(table ? table->iChannelCount : -1);
                     x.NoxMemmoryFree(table);
                     return r;
                 },
                 "6", "DriverCommunicator::AdapterLoadDefaultAudioChannelTable:  ADAPTER 0 - "});
    c.push_back({"AdapterEnableAudioChannelSplit", "NOX_Adapter_AudioChannelSplit_Enable",
                 [](NoxInterface &x, QString &v) {
                     NOXAudioChannelSplitSetting s{};
                     const bool r = x.AdapterEnableAudioChannelSplit(0, &s);
                     NOXAudioChannelSplitSetting got{};
                     x.AdapterGetAudioChannelSplitConfiguration(0, &got);
                     v = n(got.iEnabled);
                     x.AdapterDisableAudioChannelSplit(0);
                     return r;
                 },
                 "1", "DriverCommunicator::AdapterEnableAudioChannelSplit:  ADAPTER 0 - "});
    c.push_back({"AdapterGetAudioChannelSplitConfiguration",
                 "NOX_Adapter_AudioChannelSplitConfiguration_Get",
                 [](NoxInterface &x, QString &v) {
                     NOXAudioChannelSplitSetting s{};
                     s.iEnabled = 9;
                     const bool r = x.AdapterGetAudioChannelSplitConfiguration(0, &s);
                     v = n(s.iEnabled);
                     return r;
                 },
                 "0",
                 "DriverCommunicator::AdapterGetAudioChannelSplitConfiguration:  ADAPTER 0 - "});
    c.push_back({"AdapterDisableAudioChannelSplit", "NOX_Adapter_AudioChannelSplit_Disable",
                 [](NoxInterface &x, QString &v) {
                     const bool r = x.AdapterDisableAudioChannelSplit(2);
                     v = "done";
                     return r;
                 },
                 "done", "DriverCommunicator::AdapterDisableAudioChannelSplit:  ADAPTER 2 - "});
    c.push_back({"Display audio endpoint", "NOX_Adapter_DisplayAudioInfo_Get",
                 [tv](NoxInterface &x, QString &v) {
                     x.AdapterMuteDisplayAudioEndpoint(0, tv, 1);
                     x.AdapterEnableDisplayAudioEndpoint(0, tv, 0);
                     NOXDisplayAudioInfo info{};
                     const bool r = x.AdapterGetDisplayAudioInfo(0, tv, &info);
                     v = n(info.iAudioCapable) + " " + n(info.iEndpointEnabled) + " "
                         + n(info.iEndpointMuted);
                     return r;
                 },
                 "1 0 1", "DriverCommunicator::AdapterGetDisplayAudioInfo:  ADAPTER 0 - "});
    c.push_back({"AdapterEnableDisplayAudioEndpoint", "NOX_Adapter_DisplayAudioEndpoint_Enable",
                 [dp](NoxInterface &x, QString &v) {
                     const bool r = x.AdapterEnableDisplayAudioEndpoint(0, dp, 1);
                     v = "done";
                     return r;
                 },
                 "done", "DriverCommunicator::AdapterEnableDisplayAudioEndpoint:  ADAPTER 0 - "});
    c.push_back({"AdapterMuteDisplayAudioEndpoint", "NOX_Adapter_DisplayAudioEndpoint_Mute",
                 [dp](NoxInterface &x, QString &v) {
                     const bool r = x.AdapterMuteDisplayAudioEndpoint(0, dp, 0);
                     v = "done";
                     return r;
                 },
                 "done", "DriverCommunicator::AdapterMuteDisplayAudioEndpoint:  ADAPTER 0 - "});
    c.push_back({"AdapterGetDisplayGTCCaps", "NOX_Adapter_DisplayGTCCaps_Get",
                 [dp](NoxInterface &x, QString &v) {
                     NOXGtcInfo info{};
                     const bool r = x.AdapterGetDisplayGTCCaps(0, dp, &info);
                     v = n(info.iGtcSupported);
                     return r;
                 },
                 "1", "DriverCommunicator::AdapterGetDisplayGTCCaps:  ADAPTER 0 - "});
    c.push_back(
        {"AdaptersGetInfoEx", "NOX_Adapter_AdapterInfo_Get",
         [](NoxInterface &x, QString &v) {
             std::vector<AdapterInfo> records(3);
             std::memset(records.data(), 0x5A, records.size() * sizeof(AdapterInfo));
             const bool r = x.AdaptersGetInfoEx(
                 records.data(), static_cast<unsigned>(records.size() * sizeof(AdapterInfo)));
             v = QString::fromLatin1(records[2].strAdapterName,
                                     static_cast<int>(qstrnlen(records[2].strAdapterName, 256)))
                     .left(23)
                 + " " + n(records[2].iBusNumber);
             return r;
         },
         "Simulated Integrated Gr 0", "DriverCommunicator::AdaptersGetInfoEx:  "});
    c.push_back({"AdapterGetAsicFamilyType", "NOX_Adapter_ASICFamilyType_Get",
                 [](NoxInterface &x, QString &v) {
                     int a = 0, b = 0;
                     const bool r = x.AdapterGetAsicFamilyType(0, &a, &b);
                     v = n(a) + " " + n(b);
                     return r;
                 },
                 "1 1", "DriverCommunicator::AdapterGetAsicFamilyType:  ADAPTER 0 - "});
    c.push_back({"DisplaysGetInfoEx", "NOX_Display_DisplayInfo_Get",
                 [](NoxInterface &x, QString &v) {
                     int count = 0;
                     NOXDisplayInfo *list = nullptr;
                     const bool r = x.DisplaysGetInfoEx(0, &count, &list);
                     QStringList states;
                     for (int i = 0; list && i < count; ++i)
                         states << n(list[i].displayID.iDisplayLogicalIndex) + ":"
                                       + n(list[i].iDisplayInfoValue);
                     x.NoxMemmoryFree(list);
                     v = states.join(' ');
                     return r;
                 },
                 "0:3 1:3 2:3 3:3 5:1 6:0",
                 "DriverCommunicator::DisplaysGetInfoEx:  ADAPTER 0 - "});
    return c;
}

QVector<Case> namedCases()
{
    QVector<Case> c;
    const _NOXDevicePort port{1, 0, {}};
    c.push_back({"AdapterX2Caps",
                 "NOX_AdapterX2_Caps",
                 [](NoxInterface &x, QString &v) {
                     _NOXAdapterCapsX2 caps{};
                     const bool r = x.AdapterX2Caps(1, &caps);
                     v = n(caps.iAdapterID) + " " + n(caps.iNumConnectors);
                     return r;
                 },
                 "1 6",
                 {}});
    c.push_back({"AdapterGetBoardLayout",
                 "NOX_Adapter_BoardLayout_Get",
                 [](NoxInterface &x, QString &v) {
                     int flags = 0, slotCount = 0, connectors = 0;
                     _NOXBracketSlotInfo *slotList = nullptr;
                     _NOXConnectorInfo *connectorList = nullptr;
                     const bool r = x.AdapterGetBoardLayout(2, &flags, &slotCount, &slotList,
                                                            &connectors, &connectorList);
                     v = n(slotCount) + " " + n(connectors) + " "
                         + n(connectorList ? connectorList[0].iConnectorIndex : -1);
                     x.NoxMemmoryFree(slotList);
                     x.NoxMemmoryFree(connectorList);
                     return r;
                 },
                 "1 1 4",
                 {}});
    c.push_back({"AdapterGetSupportedConnections",
                 "NOX_Adapter_SupportedConnections_Get",
                 [port](NoxInterface &x, QString &v) {
                     _NOXSupportedConnections s{};
                     const bool r = x.AdapterGetSupportedConnections(0, port, &s);
                     v = QString::number(s.iSupportedConnections, 16);
                     return r;
                 },
                 "400",
                 {}});
    c.push_back({"Connection data and emulation",
                 "NOX_Adapter_ConnectionState_Get",
                 [port](NoxInterface &x, QString &v) {
                     _NOXConnectionData data{};
                     data.iEDIDSize = 128;
                     data.ucEDIDData[0] = 0x42;
                     x.AdapterConnectionDataSet(0, port, data);
                     x.AdapterEmulationModeSet(0, port, 2);
                     _NOXConnectionState state{};
                     const bool r = x.AdapterConnectionStateGet(0, port, &state);
                     _NOXConnectionData got{};
                     x.AdapterConnectionDataGet(0, port, 0, &got);
                     v = n(state.iEmulationStatus) + " " + n(state.iEmulationMode) + " "
                         + n(got.iEDIDSize) + " " + n(got.ucEDIDData[0]);
                     x.AdapterConnectionDataRemove(0, port);
                     x.AdapterConnectionStateGet(0, port, &state);
                     v += " " + n(state.iEmulationStatus);
                     return r;
                 },
                 "1 2 128 66 0",
                 {}});
    c.push_back({"AdapterConnectionDataRemove",
                 "NOX_Adapter_ConnectionData_Remove",
                 [port](NoxInterface &x, QString &v) {
                     const bool r = x.AdapterConnectionDataRemove(0, port);
                     v = "done";
                     return r;
                 },
                 "done",
                 {}});
    c.push_back({"GlobalEdidPersistence",
                 "NOX_Workstation_GlobalEDIDPersistence_Get",
                 [](NoxInterface &x, QString &v) {
                     x.WorkstationGlobalEdidPersistenceSet(1);
                     int cur = 0, def = -1;
                     const bool r = x.WorkstationGlobalEdidPersistenceGet(&cur, &def);
                     v = n(cur) + " " + n(def);
                     return r;
                 },
                 "1 0",
                 {}});
    return c;
}

// Family 5: the message is checked with an injected failure.
QVector<Case> reportedCases()
{
    QVector<Case> c;
    c.push_back({"Map configuration", "NOX_Display_DisplayMapConfig_Get",
                 [](NoxInterface &x, QString &v) {
                     int maps = 0, targets = 0;
                     NOXDisplayMap *mapList = nullptr;
                     NOXDisplayTarget *targetList = nullptr;
                     x.DisplayGetMapConfig(0, &maps, &mapList, &targets, &targetList, 1);
                     v = n(maps) + "/" + n(targets);
                     // Keep only the first target mapped.
                     if (targetList)
                         x.DisplaySetMapConfig(0, 1, mapList, 1, targetList);
                     x.NoxMemmoryFree(mapList);
                     x.NoxMemmoryFree(targetList);
                     const bool r =
                         x.DisplayGetMapConfig(0, &maps, &mapList, &targets, &targetList, 1);
                     v += " " + n(maps) + "/" + n(targets) + " "
                          + (mapList ? n(mapList[0].displayMode.iXRes) : QString());
                     x.NoxMemmoryFree(mapList);
                     x.NoxMemmoryFree(targetList);
                     return r;
                 },
                 "2/2 1/1 1920", "DriverCommunicator::DisplayGetMapConfig:  ADAPTER 0 - %1"});
    c.push_back({"DisplaySetMapConfig", "NOX_Display_DisplayMapConfig_Set",
                 [](NoxInterface &x, QString &v) {
                     const bool r = x.DisplaySetMapConfig(1, 0, nullptr, 0, nullptr);
                     v = "done";
                     return r;
                 },
                 "done", "DriverCommunicator::DisplaySetMapConfig:  ADAPTER 1 - %1"});
    c.push_back({"DDC/CI VCP values", "NOX_Display_DDCBlockAccess_Get",
                 [](NoxInterface &x, QString &v) {
                     // MCCS Set VCP Feature 0x10 (luminance) to 80, then Get VCP Feature;
                     // each request ends with the XOR of its bytes.
                     char set[8] = {0x6E, 0x51, char(0x84), 0x03, 0x10, 0x00, 80, 0};
                     set[7] = char(0x6E ^ 0x51 ^ 0x84 ^ 0x03 ^ 0x10 ^ 0x00 ^ 80);
                     int none = 0;
                     x.DisplayDDCBlockAccess(0, 1, 0, 0, 8, set, &none, nullptr);
                     char get[6] = {0x6E, 0x51, char(0x82), 0x01, 0x10, 0};
                     get[5] = char(0x6E ^ 0x51 ^ 0x82 ^ 0x01 ^ 0x10);
                     char reply[11] = {};
                     int length = 11;
                     const bool r = x.DisplayDDCBlockAccess(0, 1, 0, 0, 6, get, &length, reply);
                     v = n(static_cast<unsigned char>(reply[1])) + " max "
                         + n(static_cast<unsigned char>(reply[7])) + " current "
                         + n(static_cast<unsigned char>(reply[9]));
                     return r;
                 },
                 "136 max 100 current 80",
                 "DriverCommunicator::DisplayDDCBlockAccess: ADAPTER 0 DISPLAY 1 - %1"});
    c.push_back({"AdapterSetActive", "NOX_Adapter_Active_Set",
                 [](NoxInterface &x, QString &v) {
                     int result = 7;
                     const bool r = x.AdapterSetActive(1, 0, &result);
                     int active = -1;
                     x.AdapterGetActive(1, &active);
                     x.AdapterSetActive(1, 1, &result);
                     v = n(result) + " " + n(active);
                     return r;
                 },
                 "1 0",
                 "DriverCommunicator::AdapterSetActive:  ADAPTER 1 STATUS 0 RESULT 7 - %1 "});
    c.push_back({"AdapterSetActivePrefer", "NOX_Adapter_Active_SetPrefer",
                 [](NoxInterface &x, QString &v) {
                     int result = 3;
                     const bool r = x.AdapterSetActivePrefer(2, 1, 0, nullptr, &result);
                     v = n(result);
                     return r;
                 },
                 "1",
                 "DriverCommunicator::AdapterSetActivePrefer:  ADAPTER 2 STATUS 1 RESULT 3 - %1 "});
    c.push_back(
        {"DisplayAccessNativeAux through the branch", "NOX_Display_NativeAUXChannel_Access",
         [](NoxInterface &x, QString &v) {
             NOXDisplayNativeAUXChannelData aux{};
             aux.iSize = sizeof(aux);
             aux.iCommand = 2;
             aux.iAddress = 0x503;
             aux.iByteCount = 5;
             const bool r = x.DisplayAccessNativeAux(1, 2, &aux);
             v = QString::fromLatin1(reinterpret_cast<char *>(aux.ucData), 5);
             return r;
         },
         "SIMBR",
         "DriverCommunicator::DisplayAccessNativeAux:  CALL FAILED ON ADAPTER 1  DISPLAY 2 - %1 "});
    return c;
}

void addRows(const QVector<Case> &cases)
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << i;
}

} // namespace

class tst_NoxWrappers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void plainCalls_data() { addRows(plainCases()); }
    void plainCalls();
    void flagPairs_data() { addRows(flagCases()); }
    void flagPairs();
    void flagPairKeepsFlagOnFailure();
    void loggedCalls_data() { addRows(loggedCases()); }
    void loggedCalls();
    void loggedSpecialCases();
    void namedCalls_data() { addRows(namedCases()); }
    void namedCalls();
    void reportedCalls_data() { addRows(reportedCases()); }
    void reportedCalls();
    void colorDepth_data();
    void colorDepth();
    void modes();
    void ddcCapabilityString();
    void displayIdentity();
    void stubsAnswerFalse();

private:
    // Runs a case on an unbound object and on a library without the optional
    // entry points: false, and the log lines they leave.
    void checkUnavailable(const Case &c, const QStringList &unboundLog,
                          const QStringList &missingLog);
    SimLibrary m_sim;
    SimLibrary m_required{variantLibrary("requiredonly")};
};

void tst_NoxWrappers::init()
{
    QVERIFY(m_sim.loaded);
    QVERIFY(m_required.loaded);
    qunsetenv("VYRSIM_NOX_MACHINE");
    m_sim.reset();
    m_required.reset();
}

void tst_NoxWrappers::checkUnavailable(const Case &c, const QStringList &unboundLog,
                                       const QStringList &missingLog)
{
    QString ignored;
    {
        CaptureLogger logger;
        AppLoggerInfo info(&logger, 2u, 0);
        NoxInterface unbound(&info, QStringList{});
        logger.take();
        QVERIFY(!c.run(unbound, ignored));
        for (const QString &line : unboundLog)
            QVERIFY2(logger.lines.contains(line), qPrintable(logger.lines.join('\n')));
        if (unboundLog.isEmpty())
            QCOMPARE(logger.lines, QStringList{});
    }
    // Entry points of the required set are present in every library that binds.
    QLibrary required(variantLibrary("requiredonly"));
    if (required.resolve(c.entry))
        return;
    BoundNox missing(variantLibrary("requiredonly"));
    QVERIFY(missing.nox->IsNoxLoaded());
    missing.logger.take();
    QVERIFY(!c.run(*missing.nox, ignored));
    for (const QString &line : missingLog)
        QVERIFY2(missing.logger.lines.contains(line), qPrintable(missing.logger.lines.join('\n')));
    if (missingLog.isEmpty())
        QCOMPARE(missing.logger.lines, QStringList{});
}

void tst_NoxWrappers::plainCalls()
{
    QFETCH(int, index);
    const Case c = plainCases().at(index);
    BoundNox b;
    b.logger.take();
    QString value;
    QVERIFY(c.run(*b.nox, value));
    QCOMPARE(value, c.value);
    QCOMPARE(b.logger.lines, QStringList{}); // plain calls never log

    m_sim.fail(c.entry, 1, NOX_ERR);
    QVERIFY(!c.run(*b.nox, value));
    QCOMPARE(b.logger.lines, QStringList{});

    checkUnavailable(c, {}, {});
}

void tst_NoxWrappers::flagPairs()
{
    QFETCH(int, index);
    const Case c = flagCases().at(index);
    BoundNox b;
    QString value;
    QVERIFY(c.run(*b.nox, value));
    QCOMPARE(value, c.value);
    m_sim.fail(c.entry, 1, NOX_ERR);
    QVERIFY(!c.run(*b.nox, value));
    checkUnavailable(c, {}, {});
}

void tst_NoxWrappers::flagPairKeepsFlagOnFailure()
{
    BoundNox b;
    QVERIFY(b.nox->DisplaySetExpansion(0, 1, true));
    bool flag = false;
    m_sim.fail("NOX_Display_ImageExpansion_Get", 1, NOX_ERR_NOT_SUPPORTED);
    QVERIFY(!b.nox->DisplayGetExpansion(0, 1, flag));
    QCOMPARE(flag, false);
    flag = true;
    QVERIFY(!b.nox->DisplayGetGpuScalingEnabled(0, 99, flag));
    QCOMPARE(flag, true);
    // Off is an answer too: the call succeeds and clears the flag.
    QVERIFY(b.nox->DisplayGetGpuScalingEnabled(0, 1, flag));
    QCOMPARE(flag, false);
}

void tst_NoxWrappers::loggedCalls()
{
    QFETCH(int, index);
    const Case c = loggedCases().at(index);
    BoundNox b;
    b.logger.take();
    QString value;
    QVERIFY(c.run(*b.nox, value));
    QCOMPARE(value, c.value);
    const QString prefix = QStringLiteral("DRIVER_COMMUNICATOR: ");
    QVERIFY2(
        b.logger.lines.contains("1|" + prefix + c.message + "NOX function completed successfully"),
        qPrintable(b.logger.lines.join('\n')));

    b.logger.take();
    m_sim.fail(c.entry, 1, NOX_ERR_DISABLED_ADAPTER);
    QVERIFY(!c.run(*b.nox, value));
    QVERIFY2(b.logger.lines.contains("4|" + prefix + c.message
                                     + "Call can't be made due to disabled adapter"),
             qPrintable(b.logger.lines.join('\n')));

    checkUnavailable(c, {}, {});
}

void tst_NoxWrappers::loggedSpecialCases()
{
    // The video BIOS query is silent on success and logs its failure.
    BoundNox b;
    b.logger.take();
    NOXBiosInfo bios{};
    QVERIFY(b.nox->AdapterGetVBiosInfo(1, &bios));
    QCOMPARE(QString::fromLatin1(bios.strPartNumber), QStringLiteral("SIMULATED-VBIOS-1"));
    QCOMPARE(b.logger.lines, QStringList{});
    QVERIFY(!b.nox->AdapterGetVBiosInfo(7, &bios));
    QCOMPARE(
        b.logger.lines,
        QStringList{"4|DRIVER_COMMUNICATOR: DriverCommunicator::AdapterGetVBiosInfo:  ADAPTER 7 - "
                    "Invalid NOX index passed"});
    // The adapter number is logged unsigned, as every other driver message logs it.
    b.logger.take();
    QVERIFY(!b.nox->AdapterGetVBiosInfo(-1, &bios));
    QCOMPARE(b.logger.lines.size(), 1);
    QVERIFY2(b.logger.lines[0].startsWith("4|DRIVER_COMMUNICATOR: DriverCommunicator::"
                                          "AdapterGetVBiosInfo:  ADAPTER 4294967295 - "),
             qPrintable(b.logger.lines[0]));

    // The audio delay goes to the logger itself: no prefix, even with the flag clear.
    b.info.flags = 0;
    b.logger.take();
    NOXAudioDelayPerSampleRate delay{48000, 20};
    QVERIFY(b.nox->AudioSetApoDelay(0, &delay));
    QCOMPARE(b.logger.lines, QStringList{"1|DriverCommunicator::AudioSetApoDelay:  ADAPTER 0 - NOX "
                                         "function completed successfully"});
    b.logger.take();
    m_sim.fail("NOX_APO_AudioDelay_Set", 1, NOX_ERR);
    QVERIFY(!b.nox->AudioSetApoDelay(0, &delay));
    QCOMPARE(b.logger.lines.size(), 1);
    QVERIFY(b.logger.lines[0].startsWith(
        "4|DriverCommunicator::AudioSetApoDelay:  ADAPTER 0 - Generic Error."));
    b.logger.take();
    QVERIFY(!b.nox->AdapterGetTarvishSupport(0, nullptr)); // flag clear: nothing through printLog
    QCOMPARE(b.logger.lines, QStringList{});
    {
        NoxInterface noRecord(nullptr, QStringList{simulatedLibrary()});
        QVERIFY(noRecord.AudioSetApoDelay(0, &delay));
    }

    // The chip-set and ASIC queries have no entry point to call.
    b.info.flags = 2;
    b.logger.take();
    NOXChipSetInfo chipSet{};
    NOXASICInfo asic{};
    QVERIFY(!b.nox->AdapterGetChipSetInfo(0, &chipSet));
    QVERIFY(!b.nox->AdapterGetASICInfo(0, &asic));
    QCOMPARE(b.logger.lines, QStringList{});

    // The adapter buffer is cleared before the library fills it; a null one is refused.
    QVERIFY(!b.nox->AdaptersGetInfoEx(nullptr, 1060));
    std::vector<AdapterInfo> one(1);
    std::memset(one.data(), 0x5A, sizeof(AdapterInfo));
    QVERIFY(!b.nox->AdaptersGetInfoEx(one.data(), sizeof(AdapterInfo))); // too small for three
    QCOMPARE(one[0].iSize, 0);
    QCOMPARE(b.logger.lines.last(),
             QStringLiteral("4|DRIVER_COMMUNICATOR: DriverCommunicator::AdaptersGetInfoEx:  "
                            "One of the parameter size is invalid"));
}

void tst_NoxWrappers::namedCalls()
{
    QFETCH(int, index);
    const Case c = namedCases().at(index);
    BoundNox b;
    b.logger.take();
    QString value;
    QVERIFY(c.run(*b.nox, value));
    QCOMPARE(value, c.value);
    QCOMPARE(b.logger.lines, QStringList{});
    m_sim.fail(c.entry, 1, NOX_ERR);
    QVERIFY(!c.run(*b.nox, value));
    QCOMPARE(b.logger.lines, QStringList{}); // a failing call is not logged

    const QString error = QStringLiteral("4|DRIVER_COMMUNICATOR: ");
    checkUnavailable(c, {error + "NoxInterface is not initialized"},
                     {error + QLatin1String(c.entry) + "() not found in NOX"});
}

void tst_NoxWrappers::reportedCalls()
{
    QFETCH(int, index);
    const Case c = reportedCases().at(index);
    BoundNox b;
    b.logger.take();
    QString value;
    QVERIFY(c.run(*b.nox, value));
    QCOMPARE(value, c.value);
    QCOMPARE(b.logger.lines, QStringList{});
    m_sim.reset();
    b.logger.take();
    m_sim.fail(c.entry, 0, NOX_ERR_DISABLED_ADAPTER); // every call of it fails
    QVERIFY(!c.run(*b.nox, value));
    QVERIFY2(b.logger.lines.contains(
                 "4|DRIVER_COMMUNICATOR: "
                 + c.message.arg(QStringLiteral("Call can't be made due to disabled adapter"))),
             qPrintable(b.logger.lines.join('\n')));
    checkUnavailable(c, {}, {});
}

void tst_NoxWrappers::colorDepth_data()
{
    QTest::addColumn<bool>("fallback");    // library without the colour-depth calls
    QTest::addColumn<int>("libraryDepth"); // depth number the library holds first (0: leave)
    QTest::addColumn<int>("operation");    // 0 supported, 1 get, 2 set
    QTest::addColumn<quint32>("flags");    // input flags of a set
    QTest::addColumn<quint32>("output");   // output word of a get / depth number after a set
    QTest::newRow("supported 0x3E gives 0x1F") << false << 0 << 0 << 0u << 0x1Fu;
    QTest::newRow("depth 1 gives flag 1") << false << 1 << 1 << 0u << 1u;
    QTest::newRow("depth 4 gives flag 8") << false << 4 << 1 << 0u << 8u;
    QTest::newRow("depth 6 gives flag 32") << false << 6 << 1 << 0u << 32u;
    QTest::newRow("depth 7 gives 0") << false << 7 << 1 << 0u << 0u;
    QTest::newRow("set flags 0x0C sends 3") << false << 0 << 2 << 0x0Cu << 3u;
    QTest::newRow("set flags 0x20 sends 6") << false << 0 << 2 << 0x20u << 6u;
    QTest::newRow("set flags 0x40 sends 0") << false << 0 << 2 << 0x40u << 0u;
    QTest::newRow("set flags 0 sends 0") << false << 0 << 2 << 0u << 0u;
    QTest::newRow("fallback supported") << true << 0 << 0 << 0u << 0x1Fu;
    QTest::newRow("fallback get") << true << 0 << 1 << 0u << 8u;
    QTest::newRow("fallback set flags 0x04") << true << 0 << 2 << 0x04u << 3u;
}

void tst_NoxWrappers::colorDepth()
{
    QFETCH(bool, fallback);
    QFETCH(int, libraryDepth);
    QFETCH(int, operation);
    QFETCH(quint32, flags);
    QFETCH(quint32, output);

    SimLibrary &sim = fallback ? m_required : m_sim;
    SlotView nox(nullptr,
                 QStringList{fallback ? variantLibrary("requiredonly") : simulatedLibrary()});
    QVERIFY(nox.IsNoxLoaded());
    if (libraryDepth)
        QCOMPARE(nox.entry<NoxSlot::NOX_Display_ColorDepth_Set>()(0, 1, libraryDepth), 0);
    sim.clearCalls();
    PellGetColorDepthOutput out{0xDEAD};
    switch (operation) {
    case 0:
        QVERIFY(nox.GetDisplaySupportedColorDepth(0, 1, &out));
        QCOMPARE(out.ulFlags, output);
        break;
    case 1:
        QVERIFY(nox.GetDisplayColorDepth(0, 1, &out));
        QCOMPARE(out.ulFlags, output);
        break;
    default: {
        PellSetColorDepthInput in{flags};
        QVERIFY(nox.SetDisplayColorDepth(0, 1, &in));
        if (!fallback) {
            int number = -1;
            QCOMPARE(nox.entry<NoxSlot::NOX_Display_ColorDepth_Get>()(0, 1, &number), 0);
            QCOMPARE(static_cast<quint32>(number), output);
        }
        break;
    }
    }
    if (fallback) {
        // The product test harness answers instead: which command went out.
        const QByteArray frame = sim.frame();
        if (operation == 2) {
            QCOMPARE(word(frame, 16 + 4), static_cast<quint32>(ZOVRETH_DISPLAY_FORCE_PANELFORMAT));
            QCOMPARE(word(frame, 16 + 20), 1u);         // enable
            QCOMPARE(word(frame, 16 + 24), output - 1); // depth number - 1
        } else {
            QCOMPARE(word(frame, 16 + 4), static_cast<quint32>(ZOVRETH_PELL_DISPLAY_COMMAND));
            QCOMPARE(word(frame, 16 + 16), operation == 0 ? 1u : 0u);
        }
    } else {
        QVERIFY(!sim.calls().contains(QStringLiteral("Send")));
    }
    QVERIFY(!nox.GetDisplayColorDepth(0, 1, nullptr));
    QVERIFY(!nox.SetDisplayColorDepth(0, 1, nullptr));
    // Unbound: the fallback's escape answers "not initialised".
    NoxInterface unbound(nullptr, QStringList{});
    QVERIFY(!unbound.GetDisplayColorDepth(0, 1, &out));
    QVERIFY(!unbound.GetDisplaySupportedColorDepth(0, 1, &out));
}

void tst_NoxWrappers::modes()
{
    BoundNox b;
    int count = 0;
    NOXMode *modes = nullptr;
    QVERIFY(b.nox->pri_DisplayGetModeList(0, &count, &modes));
    QVERIFY(count > 0 && modes);
    QCOMPARE(modes[0].iXRes, 1920); // the TV's modes come first
    b.nox->NoxMemmoryFree(modes);

    QVERIFY(!b.nox->DisplayGetModes(0, 1, nullptr, &modes));
    QVERIFY(!b.nox->DisplayGetModes(0, 1, &count, nullptr));
    int adapterCount = 0;
    QVERIFY(b.nox->DisplayGetModes(1, 2, &adapterCount, &modes));
    QVERIFY(adapterCount > 0);
    NOXMode wanted = modes[adapterCount - 1];
    b.nox->NoxMemmoryFree(modes);

    // A mode set is what the current mode reads back.
    QVERIFY(b.nox->DisplaySetModes(1, 2, 1, &wanted));
    QVERIFY(b.nox->pri_DisplayGetCurrentMode(1, 2, &count, &modes));
    QCOMPARE(count, 1);
    QCOMPARE(modes[0].iXRes, wanted.iXRes);
    QCOMPARE(modes[0].iYRes, wanted.iYRes);
    b.nox->NoxMemmoryFree(modes);

    m_sim.fail("NOX_Display_Modes_Get", 1, NOX_ERR);
    QVERIFY(!b.nox->pri_DisplayGetCurrentMode(1, 2, &count, &modes));
    NoxInterface unbound(nullptr, QStringList{});
    QVERIFY(!unbound.pri_DisplayGetModeList(0, &count, &modes));
    QVERIFY(!unbound.LnxForceSetMode(0));
}

void tst_NoxWrappers::ddcCapabilityString()
{
    // The monitor's MCCS capability string, read piece by piece over DDC/CI as a
    // host does (Capabilities Request, then a reply of up to 32 data bytes).
    BoundNox b;
    QByteArray text;
    for (int guard = 0; guard < 64; ++guard) {
        const int offset = text.size();
        char request[7] = {
            0x6E, 0x51, char(0x83), char(0xF3), char(offset >> 8), char(offset & 0xFF), 0};
        for (int i = 0; i < 6; ++i)
            request[6] = static_cast<char>(request[6] ^ request[i]);
        int none = 0;
        QVERIFY(b.nox->DisplayDDCBlockAccess(0, 1, 0, 0, 7, request, &none, nullptr));
        char reply[38] = {};
        int length = 38;
        QVERIFY(b.nox->DisplayDDCBlockAccess(0, 1, 0, 0, 0, nullptr, &length, reply));
        const int lengthByte = static_cast<unsigned char>(reply[1]);
        QVERIFY(lengthByte & 0x80);
        if (lengthByte < 0x84)
            break;
        QCOMPARE(static_cast<unsigned char>(reply[2]), 0xE3);
        text.append(reply + 5, lengthByte - 0x83);
    }
    QVERIFY(text.startsWith("(prot(monitor)type(LCD)model(Simulated DP Monitor)"));
    QVERIFY(text.endsWith("mccs_ver(2.1))"));
    // The HDMI TV has no DDC/CI: the transfer fails with its message.
    b.logger.take();
    char probe[1] = {0x6F};
    int length = 2;
    char reply[2] = {};
    QVERIFY(!b.nox->DisplayDDCBlockAccess(0, 0, 0, 0, 1, probe, &length, reply));
    QCOMPARE(
        b.logger.lines,
        QStringList{"4|DRIVER_COMMUNICATOR: DriverCommunicator::DisplayDDCBlockAccess: ADAPTER 0 "
                    "DISPLAY 0 - Generic Error. Most likely one or more of the Escape calls to the "
                    "driver failed!"});
}

void tst_NoxWrappers::displayIdentity()
{
    // Display records name their adapter and, as physical adapter, the position of
    // their graphics device; mode records carry the same identity.
    BoundNox b;
    int count = 0;
    NOXDisplayInfo *list = nullptr;
    QVERIFY(b.nox->DisplaysGetInfoEx(2, &count, &list));
    QCOMPARE(count, 1);
    QCOMPARE(list[0].displayID.iDisplayLogicalIndex, 4);
    QCOMPARE(list[0].displayID.iDisplayLogicalAdapterIndex, 2);
    QCOMPARE(list[0].displayID.iDisplayPhysicalAdapterIndex, 1);
    QCOMPARE(list[0].iDisplayControllerIndex, 0);
    QCOMPARE(QString::fromLatin1(list[0].strDisplayName), QStringLiteral("Simulated Laptop Panel"));
    b.nox->NoxMemmoryFree(list);
    NOXMode *modes = nullptr;
    QVERIFY(b.nox->pri_DisplayGetCurrentMode(1, 3, &count, &modes));
    QCOMPARE(modes[0].displayID.iDisplayLogicalIndex, 3);
    QCOMPARE(modes[0].displayID.iDisplayLogicalAdapterIndex, 1);
    QCOMPARE(modes[0].displayID.iDisplayPhysicalAdapterIndex, 0);
    QCOMPARE(modes[0].fRefreshRate, 60.0f);
    b.nox->NoxMemmoryFree(modes);
    // The unmapped display has no controller and no current mode.
    QVERIFY(b.nox->DisplaysGetInfoEx(0, &count, &list));
    const NOXDisplayInfo &dvi = list[4];
    QCOMPARE(dvi.displayID.iDisplayLogicalIndex, 5);
    QCOMPARE(dvi.iDisplayControllerIndex, -1);
    QCOMPARE(dvi.iDisplayInfoValue, NOX_DISPLAY_DISPLAYINFO_DISPLAYCONNECTED);
    b.nox->NoxMemmoryFree(list);
    QVERIFY(b.nox->pri_DisplayGetCurrentMode(0, 5, &count, &modes));
    QCOMPARE(count, 0);
    QVERIFY(!modes);
}

void tst_NoxWrappers::stubsAnswerFalse()
{
    BoundNox b;
    m_sim.clearCalls();
    int a = 0, c = 0;
    NOXDisplayInfo *info = nullptr;
    NOXDisplayDPMSTInfo *mst = nullptr;
    NOXDisplayConfig config{};
    NOXMVPUCaps caps{};
    NOXMVPUStatus status{};
    QVERIFY(!b.nox->DisplayGetInfo(0, &a, &info, 0));
    QVERIFY(!b.nox->DisplayGetDpMstInfo(0, &a, &mst, 0));
    QVERIFY(!b.nox->DisplayGetConnectedDisplays(0, &a));
    QVERIFY(!b.nox->DisplayGetDeviceConfig(0, 0, &config));
    QVERIFY(!b.nox->DisplayGetAdjustmentCoherent(0, 0, &a, &c));
    QVERIFY(!b.nox->DisplaySetAdjustmentCoherent(0, 0, 1));
    QVERIFY(!b.nox->DisplayGetReducedBlanking(0, 0, &a, &c));
    QVERIFY(!b.nox->DisplaySetReducedBlanking(0, 0, 1));
    QVERIFY(!b.nox->DisplayGetMVPUCaps(0, &caps));
    QVERIFY(!b.nox->DisplayGetMVPUStatus(0, &status));
    QCOMPARE(m_sim.callCount(), 0);
}

QTEST_GUILESS_MAIN(tst_NoxWrappers)
#include "tst_noxwrappers.moc"
