#pragma once

#include "applogtype.h"
#include "dpcdtableinfo.h"
#include "noxapi.h"

#include <QString>
#include <QStringList>

struct AppLoggerInfo;

// Binary contract: see ARCHITECTURE.md, "Driver record layouts".
// Allocation callbacks handed to the driver control library, and a zero-fill helper.
extern "C" void *NOX_Main_Memory_Alloc(int size);
extern "C" void NOX_Main_Memory_Free(void *pointer);
void NOX_ZeroMemory(void *buffer, unsigned int length);

// The single gateway to the display driver's control library: binds it at run time
// by file name and entry-point name, opens its control context, and wraps every
// call the device model makes (named entry points, driver escapes, test-harness
// frames, EDID read and override). Wrappers answer true exactly when the library
// (or the escape) returned 0; counts answer 0 on failure.
class NoxInterface
{
public:
    // Binds the library under its default file names (defaultLibraryFiles()).
    explicit NoxInterface(AppLoggerInfo *loggerInfo);
    // Binds the first of the given files that loads (used to bind a particular build
    // of the library, e.g. the test variants of the simulated one).
    NoxInterface(AppLoggerInfo *loggerInfo, const QStringList &libraryFiles);
    ~NoxInterface();

    NoxInterface(const NoxInterface &) = delete;
    NoxInterface &operator=(const NoxInterface &) = delete;

    // The file names tried in order: the three library names as the loader finds
    // them (so a library installed on the system binds first), then the library
    // beside the program in appDir (the application directory when empty).
    static QStringList defaultLibraryFiles(const QString &appDir = QString());

    // ---- binding -------------------------------------------------------------
    bool NoxInitialize();
    unsigned int GetNoxVersion() const { return m_libraryLevel; }
    bool IsNoxLoaded() const { return m_initialized; }
    // File name of the bound library; empty when unbound.
    QString boundLibraryFile() const { return m_libraryFile; }
    bool Refresh();
    // Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
    int GetNumberOfAdapers();
    void NoxMemmoryFree(void *pointer);
    static QString TranslateNoxErrorCode(int code);
    void printLog(AppLogType type, const QString &text);

    // The DPCD register name table that the DPCD snapshots read through.
    DpcdTableInfo *GetDpcdTableInfo() { return &m_dpcdTableInfo; }
    const DpcdTableInfo *GetDpcdTableInfo() const { return &m_dpcdTableInfo; }

    // ---- driver escape and test harness ----------------------------------------
    int Escape(int adapter, int display, unsigned long escapeCode, unsigned long inputSize,
               const void *input, unsigned long outputSize, void *output);

    bool LoggerTestHarnessCall(int adapter, LoggerCommand command, const void *input,
                               unsigned long inputSize, void *output, unsigned long outputSize);
    bool PellAdapterTestHarnessCall(int adapter, unsigned long value, PellCommand command,
                                    const void *input, unsigned long inputSize, void *output,
                                    unsigned long outputSize);
    bool PellDisplayTestHarnessCall(int adapter, int display, PellCommand command,
                                    const void *input, unsigned long inputSize, void *output,
                                    unsigned long outputSize);
    bool DpTestHarnessCall(int adapter, int display, unsigned long functionId, const void *input,
                           unsigned long inputSize, void *output, unsigned long outputSize);
    bool DpMstTestHarnessCall(int adapter, int display, DPMstTestCommand command, const void *input,
                              unsigned long inputSize, void *output, unsigned long outputSize);
    bool DpMstTestHarnessCall2(int adapter, int display, DPMstTestCommand command,
                               const void *input, unsigned long inputSize, void *output,
                               unsigned long outputSize);

    // Direct escapes.
    bool AdapterGetCaps(int adapter, tagADAPTERCAPS *caps);
    bool AdapterGetInfo(int adapter, tagADAPTERINFO *info);
    bool AdapterGetCrtcOwned(int adapter, tagCRTCOWNED *owned);
    bool ControllerGetMode(int adapter, int controller, tagCONTROLLERMODE *mode);
    bool ControllerGetTimingData(int adapter, int controller, tagCONTROLLERTIMINGDATA *timing);
    bool DisplayGetDescriptor(int adapter, int display, tagDI_DISPLAYOUTPUTDESCRIPTOR *descriptor);
    bool DisplayGetDdcInfoEx(int adapter, int display, tagDISPLAYDDCINFOEX *info);
    bool DisplayGetUnderscanInfo(int adapter, int display, tagUNDERSCANINFO *info);
    bool AdapterGetAsicId(int adapter, tagCIASICID *asicId);
    bool DisplayGetTileConfig(int adapter, int display, tagDI_DISPLAYTILE_CONFIG *config);

    // Adjustment escapes.
    bool DisplayGetAdjustmentData(int adapter, int display, unsigned long adjustmentId, int *value);
    bool DisplaySetAdjustmentData(int adapter, int display, unsigned long adjustmentId, int value);
    bool DisplayGetAdjustmentInfoEx(int adapter, int display, unsigned long adjustmentId,
                                    tagDI_ADJUSTMENTINFOEX *info);
    bool DisplayGetAdjustmentInfo(int adapter, int display, unsigned long adjustmentId,
                                  tagDISPLAYADJUSTMENTINFO *info);

    // Native AUX (escape form), MST sink information, DDC block access.
    bool DisplayAccessNativeAux(int adapter, int display,
                                const tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA *input,
                                tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA *output);
    bool DisplayGetMstDeviceInfo(int adapter, int display, tagDI_MST_SINK_INFO *info);
    bool DdcBlockAccess(int adapter, int display, const void *input, unsigned long inputSize,
                        void *output, unsigned long outputSize);

    // Test-harness functions.
    bool THDisplayMeasureTimingsDelta(int adapter, unsigned long firstValue,
                                      unsigned long secondValue,
                                      tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT *output);
    bool DisplayTestHarnessStereo3DControl(int adapter, int display,
                                           const tagZOVRETH_STEREO3D_CONTROL_INPUT *input);
    bool THDisplaySetupSynchronization(int adapter, int display,
                                       const tagZOVRETH_DISPLAY_SETUP_SYNC_DATA *data);
    bool THDisplayGetSyncStatus(int adapter, int display, tagZOVRETH_DISPLAY_SYNC_STATUS *status);
    bool DisplayTestHarnessStereoStatusRefresh(int adapter, int display,
                                               tagZOVRETH_DISPLAY_STEREO3D_INFO *info);
    bool DisplaySendPsrCommand(int adapter, int display, const tagZOVRETH_PSR_INPUT &input,
                               tagZOVRETH_PSR_OUTPUT *output);
    bool DisplaySetPanelFormat(int adapter, int display, unsigned long value, bool enable);

    // DisplayPort test functions.
    bool DisplayGetLinkParams(int adapter, int display, tagZOVRETH_DPGETSETLINKPARAMS *params);
    bool DisplaySetLinkParams(int adapter, int display, tagZOVRETH_DPGETSETLINKPARAMS *params);
    bool DisplayGetDeviceId(int adapter, int display, unsigned long *deviceId);
    bool DisplaySetupLTTest(int adapter, int display, tagZOVRETH_MESSAGES *messages);
    bool DisplaySetTestMode(int adapter, int display, tagZOVRETH_TESTMODESETTINGS *settings);
    bool DisplaySetLaneParams(int adapter, int display, tagZOVRETH_LANE_PARAMS *params);
    bool DisplaySetSpreadSpectrum(int adapter, int display, tagZOVRETH_TESTMODESETTINGS *settings);
    bool DisplaySetDithering(int adapter, int display, tagZOVRETH_DITHERING *dithering);
    bool DisplayGetStreamInfo(int adapter, int display, tagZOVRETH_STREAMINFO *info);
    bool DisplaySetDrrConfigOld(int adapter, int display, tagZOVRETH_DRRCONFIG *config);
    bool DisplayGetDrrStatusOld(int adapter, int display, tagZOVRETH_DRRSTATUS *status);
    bool DisplayGetLinkInfo(int adapter, int display, tagZOVRETH_LINKINFO *info);
    bool DisplayGetAudioTestParams(int adapter, int display, tagZOVRETH_AUDIOTESTPARAMS *params);
    bool DisplayStartTopologyDiscovery(int adapter, int display,
                                       tagZOVRETH_STARTTOPOLOGYDISCOVERY *params);
    bool DisplayProcessAuxDownMessage(int adapter, int display,
                                      const DPMstTestSidebandAuxMsgParams *params,
                                      DPMstTestSidebandAuxMsgResult *result);

    // Product display commands.
    bool GetCurrentDisplaySettings(int adapter, int display, PellGetDisplaySettingsOutput *output);
    bool GetDisplayPixelEncoding(int adapter, int display, PellGetPixelEncodingOutput *output);
    bool SetDisplayPixelEncoding(int adapter, int display, const PellSetPixelEncodingInput *input);
    bool THGetCurrentControllerTiming(int adapter, int display, PellControllerTiming *output);
    bool THAdjustCurrentControllerTiming(int adapter, int display,
                                         const PellControllerTiming *input);
    bool THGetCurrentPixelClock(int adapter, int display, uint32_t *pixelClock);
    bool THAdjustCurrentPixelClock(int adapter, int display, const uint32_t *pixelClock);
    bool DisplaySetDrrConfig(int adapter, int display, const PellSetDrrConfigInput *input);
    bool DisplayGetDrrStatus(int adapter, int display, PellGetDrrStatusOutput *output);

    // Driver logger commands.
    bool GetAdapterLoggerInfo(int adapter, LoggerInfo *info);
    unsigned int GetAdapterLogBufferSize(int adapter);
    unsigned long GetAdapterLoggerLog(int adapter, char *buffer, unsigned long length);
    bool AdapterForceUpdateLogger(int adapter);
    bool AdapterEnumLogMajor(int adapter, const LoggerEnumMajorParam &param, LoggerMajorInfo *info);
    bool AdapterEnumLogMinor(int adapter, const LoggerEnumMinorParam &param, LoggerMinorInfo *info);

    // ---- EDID read and override ------------------------------------------------
    int DisplayGetEDIDEx(int adapter, int display, unsigned char *buffer, int bufferSize);
    bool DisplayGetEDIDData(int adapter, int display, NOXDisplayEDIDData *data);
    bool DisplayOverrideEDID(int adapter, int display, unsigned char *data, int length);

    // ---- wrappers of named entry points ------------------------------------------
    // Plain calls.
    bool DisplayGetNumberOfDisplays(int adapter, int *count);
    bool DisplayGetPreservedAspectRatio(int adapter, int display, int *support, int *current,
                                        int *def);
    bool DisplaySetPreservedAspectRatio(int adapter, int display, int value);
    bool DisplayGetImageExpansion(int adapter, int display, int *support, int *current, int *def);
    bool DisplaySetImageExpansion(int adapter, int display, int value);
    bool DisplayGetPosition(int adapter, int display, int *x, int *y, int *xDefault, int *yDefault,
                            int *minX, int *minY, int *maxX, int *maxY, int *stepX, int *stepY);
    bool DisplaySetPosition(int adapter, int display, int x, int y);
    bool DisplayGetSize(int adapter, int display, int *width, int *height, int *widthDefault,
                        int *heightDefault, int *minWidth, int *minHeight, int *maxWidth,
                        int *maxHeight, int *stepWidth, int *stepHeight);
    bool DisplaySetSize(int adapter, int display, int width, int height);
    bool DisplayGetAdjustCaps(int adapter, int display, int *caps);
    bool DisplayGetCapabilities(int adapter, int *numberOfControllers, int *numberOfDisplays);
    bool DisplayGetProperty(int adapter, int display, NOXDisplayProperty *property);
    bool DisplaySetProperty(int adapter, int display, NOXDisplayProperty *property);
    bool DisplayGetSwitchingCapability(int adapter, int *capability);
    bool DisplayGetDitherState(int adapter, int display, int *state);
    bool DisplaySetDitherState(int adapter, int display, int state);
    bool DisplayGetSupportedPixelFormat(int adapter, int display, int *formats);
    bool DisplayGetPixelFormat(int adapter, int display, int *format);
    bool DisplaySetPixelFormat(int adapter, int display, int format);
    bool DisplayGetColorCaps(int adapter, int display, int *caps);
    bool DisplaySetColor(int adapter, int display, int colorType, int value);
    bool DisplayGetColor(int adapter, int display, int colorType, int *current, int *def, int *min,
                         int *max, int *step);
    bool DisplayGetColorTemperatureSource(int adapter, int display, int *source);
    bool DisplaySetColorTemperatureSource(int adapter, int display, int source);
    bool DisplayGetTVCaps(int adapter, int display, int *caps);
    bool DisplayGetFormatsOverride(int adapter, int display, int *supported, int *validBits,
                                   int *current);
    bool DisplaySetFormatsOverride(int adapter, int display, int value);
    bool DisplayGetLimits(int adapter, int display, int *maxHRes, int *maxVRes, int *maxRefresh);
    bool DisplaySetOverscan(int adapter, int display, int value);
    bool DisplaySetUnderscan(int adapter, int display, int value);
    bool DisplayGetOverscan(int adapter, int display, int *current, int *def, int *min, int *max,
                            int *step);
    bool DisplayGetUnderscan(int adapter, int display, int *current, int *def, int *min, int *max,
                             int *step);
    bool DisplayGetCustomizedModeListNum(int adapter, int display, int *count);
    bool DisplayGetCustomizedModeList(int adapter, int display, NOXCustomMode *modes,
                                      int bufferSize);
    bool DisplayAddCustomizedMode(int adapter, int display, NOXCustomMode mode);
    bool DisplayDeleteCustomizedMode(int adapter, int display, int index);
    bool DisplayValidateCustomizedMode(int adapter, int display, NOXCustomMode mode, int *valid);
    bool DisplayGetModeTimingOverride(int adapter, int display, NOXDisplayMode *mode,
                                      NOXDisplayModeInfo *info);
    bool DisplaySetModeTimingOverride(int adapter, int display, NOXDisplayModeInfo *info,
                                      int force);
    bool DisplayGetModeTimingOverrideList(int adapter, int display, int maxCount,
                                          NOXDisplayModeInfo *list, int *count);
    bool DisplayGetODClockInfo(int adapter, NOXAdapterODClockInfo *info);
    bool DisplaySetODClockConfig(int adapter, NOXAdapterODClockConfig *config);
    bool DisplayGetDDCInfo(int adapter, int display, NOXDDCInfo *info);
    bool DisplayWriteAndReadI2C(int adapter, NOXI2C *i2c);
    bool DisplayGetWriteAndReadI2CRev(int adapter, int *major, int *minor);
    bool DisplayGetControllerOverlayAdjustmentCaps(int adapter, NOXControllerOverlayInput *input,
                                                   NOXControllerOverlayInfo *info);
    bool DisplayGetControllerOverlayAdjustmentData(int adapter, NOXControllerOverlayInput *input);
    bool DisplaySetControllerOverlayAdjustmentData(int adapter, NOXControllerOverlayInput *input);
    bool DisplayGetDuogearVersion(int adapter, int *version);
    bool DisplayGetDuogearActiveGPU(int adapter, int *gpu);
    bool DisplaySetDuogearActiveGPU(int adapter, int gpu, int *result);
    bool DisplayGetDuogearAutoSwitchConfig(int adapter, int *autoSwitch, int *config);
    bool DisplaySetDuogearAutoSwitchConfig(int adapter, int autoSwitch, int config);
    bool AdapterGetActive(int adapter, int *status);
    bool AdapterGetPrimary(int *adapter);
    bool AdapterSetPrimary(int adapter);
    bool DisplayGetAdapterID(int adapter, int *adapterId);
    bool ControllerSetColor(int adapter, int controller, NOXGamma gamma);
    bool ControllerGetColor(int adapter, int controller, NOXGamma *current, NOXGamma *def,
                            NOXGamma *min, NOXGamma *max);
    bool VideoGetColorParameter(int adapter, NOXVideoColorFeature feature, float &value);
    bool VideoSetColorParameter(int adapter, NOXVideoColorFeature feature, float value);
    bool AudioGetCurrentSampleRate(int *rate);
    bool AudioGetAudioDelayAdjustmentInfo(NOXApoAudioDelayRangeInfo *info);
    bool DisplaySetModes(int adapter, int display, int count, NOXMode *modes);
    bool DisplayGetModes(int adapter, int display, int *count, NOXMode **modes);

    // Flag pairs.
    bool DisplayGetGpuScalingEnabled(int adapter, int display, bool &enabled);
    bool DisplayGetExpansion(int adapter, int display, bool &enabled);
    bool DisplayGetAspectRatioEnabled(int adapter, int display, bool &enabled);
    bool DisplaySetGpuScalingEnabled(int adapter, int display, bool enabled);
    bool DisplaySetExpansion(int adapter, int display, bool enabled);
    bool DisplaySetAspectRatioEnabled(int adapter, int display, bool enabled);

    // Logged calls.
    bool AdapterGetTarvishSupport(int adapter, int *support);
    bool AdapterLoadDefaultAudioChannelTable(int adapter, int first, int second, int third,
                                             NOXDisplayChannelMapping **table);
    bool AdapterGetAudioChannelSplitConfiguration(int adapter,
                                                  NOXAudioChannelSplitSetting *setting);
    bool AdapterEnableAudioChannelSplit(int adapter, NOXAudioChannelSplitSetting *setting);
    bool AdapterDisableAudioChannelSplit(int adapter);
    bool AdapterGetDisplayAudioInfo(int adapter, NOXDisplayIdentifier display,
                                    NOXDisplayAudioInfo *info);
    bool AdapterEnableDisplayAudioEndpoint(int adapter, NOXDisplayIdentifier display, int enable);
    bool AdapterMuteDisplayAudioEndpoint(int adapter, NOXDisplayIdentifier display, int mute);
    bool AdapterGetDisplayGTCCaps(int adapter, NOXDisplayIdentifier display, NOXGtcInfo *info);
    bool AudioSetApoDelay(int adapter, NOXAudioDelayPerSampleRate *delay);
    bool AdaptersGetInfoEx(AdapterInfo *buffer, unsigned int size);
    bool AdapterGetAsicFamilyType(int adapter, int *type, int *valids);
    bool DisplaysGetInfoEx(int adapter, int *count, NOXDisplayInfo **displays);
    bool AdapterGetVBiosInfo(int adapter, NOXBiosInfo *info);
    bool AdapterGetChipSetInfo(int adapter, NOXChipSetInfo *info);
    bool AdapterGetASICInfo(int adapter, NOXASICInfo *info);

    // Calls that name a missing entry point.
    bool AdapterX2Caps(int adapter, _NOXAdapterCapsX2 *caps);
    bool AdapterGetBoardLayout(int adapter, int *validFlags, int *numberOfSlots,
                               _NOXBracketSlotInfo **slotInfo, int *numberOfConnectors,
                               _NOXConnectorInfo **connectors);
    bool AdapterGetSupportedConnections(int adapter, const _NOXDevicePort &port,
                                        _NOXSupportedConnections *connections);
    bool AdapterConnectionStateGet(int adapter, const _NOXDevicePort &port,
                                   _NOXConnectionState *state);
    bool AdapterEmulationModeSet(int adapter, const _NOXDevicePort &port, int mode);
    bool AdapterConnectionDataSet(int adapter, const _NOXDevicePort &port,
                                  const _NOXConnectionData &data);
    bool AdapterConnectionDataGet(int adapter, const _NOXDevicePort &port, int option,
                                  _NOXConnectionData *data);
    bool AdapterConnectionDataRemove(int adapter, const _NOXDevicePort &port);
    bool WorkstationGlobalEdidPersistenceGet(int *current, int *def);
    bool WorkstationGlobalEdidPersistenceSet(int value);

    // Calls that report failures with their arguments.
    bool DisplayGetMapConfig(int adapter, int *mapCount, NOXDisplayMap **maps, int *targetCount,
                             NOXDisplayTarget **targets, int options);
    bool DisplaySetMapConfig(int adapter, int mapCount, NOXDisplayMap *maps, int targetCount,
                             NOXDisplayTarget *targets);
    bool DisplayDDCBlockAccess(int adapter, int display, int line, int flags, int writeLength,
                               char *writeData, int *readLength, char *readData);
    bool AdapterSetActive(int adapter, int status, int *result);
    bool AdapterSetActivePrefer(int adapter, int status, int targetCount, NOXDisplayTarget *targets,
                                int *result);
    bool DisplayAccessNativeAux(int adapter, int display, NOXDisplayNativeAUXChannelData *data);

    // Colour depth, with the test-harness fallback when the library lacks the call.
    bool GetDisplaySupportedColorDepth(int adapter, int display, PellGetColorDepthOutput *output);
    bool GetDisplayColorDepth(int adapter, int display, PellGetColorDepthOutput *output);
    bool SetDisplayColorDepth(int adapter, int display, PellSetColorDepthInput *input);

    // Modes for the communicator; forced mode set through the X server.
    bool pri_DisplayGetModeList(int adapter, int *count, NOXMode **modes);
    bool pri_DisplayGetCurrentMode(int adapter, int display, int *count, NOXMode **modes);
    bool LnxForceSetMode(int displayIndex);

    // Stubs: the library offers no such call; they answer false.
    bool DisplayGetInfo(int adapter, int *count, NOXDisplayInfo **displays, int option);
    bool DisplayGetDpMstInfo(int adapter, int *count, NOXDisplayDPMSTInfo **info, int option);
    bool DisplayGetConnectedDisplays(int adapter, int *connected);
    bool DisplayGetDeviceConfig(int adapter, int display, NOXDisplayConfig *config);
    bool DisplayGetAdjustmentCoherent(int adapter, int display, int *support, int *current);
    bool DisplaySetAdjustmentCoherent(int adapter, int display, int value);
    bool DisplayGetReducedBlanking(int adapter, int display, int *support, int *current);
    bool DisplaySetReducedBlanking(int adapter, int display, int value);
    bool DisplayGetMVPUCaps(int adapter, NOXMVPUCaps *caps);
    bool DisplayGetMVPUStatus(int adapter, NOXMVPUStatus *status);

protected:
    // Typed entry point of a slot; null when the library lacks it or is unbound.
    template <NoxSlot S> typename NoxSlotFn<S>::type entry() const
    {
        return reinterpret_cast<typename NoxSlotFn<S>::type>(m_slots[static_cast<int>(S)]);
    }

    AppLoggerInfo *loggerInfo() const { return m_loggerInfo; }

private:
    void clearSlots();
    // Test-harness helpers: build the payload, send it, true on result 0.
    int sendTestHarness(int adapter, unsigned long escapeCode, int displayField,
                        const void *payload, unsigned long payloadSize, void *output,
                        unsigned long outputSize);
    // Direct escape with output record only: zero-fills, sets the size word when
    // sizeWord, logs message + result text unless message is empty.
    bool directEscape(int adapter, int displayField, unsigned long escapeCode, void *record,
                      unsigned long recordSize, bool sizeWord, bool nullTest,
                      const QString &message);

    bool m_initialized = false;
    unsigned int m_libraryLevel = 0;
    AppLoggerInfo *m_loggerInfo = nullptr;
    QFunctionPointer m_slots[NOX_SLOT_COUNT] = {};
    DpcdTableInfo m_dpcdTableInfo;
    QStringList m_libraryFiles;
    QString m_libraryFile;
};
