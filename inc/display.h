#pragma once

#include "applogtype.h"
#include "devicemodeinfo.h"
#include "displaysettingtypes.h"
#include "linksettings.h"
#include "mccsdata.h"
#include "mccsvcpcode.h"
#include "noxapi.h"
#include "vyrdisplayinfo.h"
#include "vyrdisplaymode.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <set>

class Adapter;
class DpcdTableData;
class DriverCommunicator;
class MSTDeviceData;
class TestHarnessData;
class VyrDisplayStereoInfo;
struct AppLoggerInfo;
struct DrrConfig;
struct LinkAdjust;

// Kinds of display connection, as the display output descriptor reports them.
enum DisplaySinkType : int {
    DisplaySinkUnknown = 0,
    DisplaySinkCrt = 1,
    DisplaySinkDviD = 2,
    DisplaySinkDviI = 3,
    DisplaySinkCvSmartNa = 4,
    DisplaySinkCvSmartJp = 5,
    DisplaySinkCvSmartJpn = 6,
    DisplaySinkCvSmartNtsc = 7,
    DisplaySinkLvds = 8,
    DisplaySinkHdmiA = 10,
    DisplaySinkHdmiB = 11,
    DisplaySinkSVideo = 12,
    DisplaySinkComposite = 13,
    DisplaySinkComponent = 14,
    DisplaySinkDisplayPort = 15,
    DisplaySinkEdp = 16
};

// One display of an adapter: a copy of the driver's display record, its EDID image, DDC
// and underscan information, signal type, MST place, current mode and the set of modes
// the driver offers. The device creates one per connected display record; the adapter
// that drives it sets itself as its parent and updates it on every refresh. Every
// driver call uses the parent adapter's index and the display's logical index, so a
// display without a parent asks the driver nothing.
//
// The whole model is rebuilt by every refresh of the device manager: a pointer to a
// display is valid until the manager's next configurationChangedSignal().
class VyrDisplay : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString signalType READ signalTypeName)
    Q_PROPERTY(int index READ index)
    Q_PROPERTY(bool enabled READ IsEnabled)

public:
    // The size of the EDID image a display keeps: four 128-byte blocks.
    static constexpr int EdidBufferSize = 512;

    VyrDisplay(AppLoggerInfo *logger, DriverCommunicator *communicator, NOXDisplayInfo *record);
    ~VyrDisplay() override;

    VyrDisplay(const VyrDisplay &) = delete;
    VyrDisplay &operator=(const VyrDisplay &) = delete;

    // Name of a signal type: "HdmiA", "DisplayPort", ...; "Unknown" for any other code.
    static QString sinkTypeToString(DisplaySinkType type);

    QString name() const { return m_info.DisplayName; }
    QString signalTypeName() const;
    int index() const { return m_info.displayID.iDisplayLogicalIndex; }

    // ---- parent and refresh ---------------------------------------------------------
    // Attaches the display to the adapter that drives it; null is ignored.
    void SetParent(Adapter *adapter);
    Adapter *parentAdapter() const { return m_parent; }
    // Stores both flags, then reads the display's data, modes, EDID and underscan.
    bool Update(bool enabled, bool connected);
    // DDC information, output descriptor (signal type, DisplayPort, MST place).
    bool updateData(bool enabled);
    // Adds the driver's modes to the set (which is never emptied) and reads the
    // current mode; nothing without a parent or while the display is not enabled.
    bool UpdateModes();
    // Reads the EDID into a new buffer when the display is connected; a display that is
    // not connected keeps its earlier buffer.
    bool UpdateEdid();
    bool OverrideEdid(unsigned char *data, int length);
    bool GetUnderscanInfo(tagUNDERSCANINFO &out);
    bool GetLinkParams(LinkSettings *settings);

    // ---- EDID -----------------------------------------------------------------------
    // The 512-byte EDID image, null before the first read. UpdateEdid() frees the buffer
    // and allocates a new one, so a caller that keeps the bytes across an update (or a
    // refresh of the model) must copy them.
    const unsigned char *edid() const { return m_edid; }
    // Writes hexadecimal numbers separated by any non-word characters into the EDID
    // buffer from its start, at most 512; nothing without a buffer.
    void cdataToEdid(QString text);
    // The EDID buffer as "XX " per byte; empty without a buffer.
    QString edidToCdata() const;
    bool CompareEDID(const VyrDisplay *other) const;
    // Same monitor in the same state: information, flags, underscan, DDC, MST place, EDID.
    bool Compare(const VyrDisplay *other) const;

    // ---- enable state ---------------------------------------------------------------
    // Asks the driver whether the display is mapped to a desktop. Without a parent
    // out is false and the answer true; false when the driver does not list the display.
    bool IsEnabled(bool &out) const;
    bool IsEnabled() const;
    // Turns the parent adapter on when it drives no display; answers whether it did.
    bool Enable();
    // Takes this display off the desktop: turns the parent adapter off when the display
    // is its only enabled one, and otherwise (or when the adapter refuses) writes the
    // adapter's display map without the display. Answers whether the driver took the
    // change; false when the display is not on the map.
    bool Disable();

    // ---- modes ----------------------------------------------------------------------
    bool SetRequestedMode(DeviceModeInfo *mode);
    // Sets the parent adapter's mode at index, at the current position of the display.
    bool SetMode(unsigned int index);
    // Makes the driver apply the current mode again: sets it once with another colour
    // depth, then with its own; answers the first set's result.
    bool ForceSetMode();

    // ---- DDC/CI and MCCS (VESA DDC/CI 1.1, MCCS 2.2) -----------------------------------
    // line selects the DDC line and is handed to the driver as it is. Every request is
    // followed by a 40 ms wait and every reply by a 50 ms wait, as DDC/CI asks of a host.
    // One DDC block transfer: writes writeLength bytes, then reads readLength bytes.
    bool DdcBlockAccessGet(int line, int writeLength, char *writeData, int readLength,
                           char *readData, int flags = 0);
    // Get VCP Feature: the maximum and current value of a VCP code (each written only
    // when given). False, leaving both untouched, when a transfer fails, the reply is not
    // a VCP reply or the monitor does not support the code.
    bool MccsVcpGet(int line, MccsVcpCode code, unsigned int *current, unsigned int *maximum);
    // Set VCP Feature; answers whether the request reached the monitor.
    bool MccsVcpSet(int line, MccsVcpCode code, unsigned int value);
    // Reads the capability string, piece by piece, into out (room for size bytes); answers
    // its length, with a terminating zero after it when it is not 0.
    unsigned long mccsCapGet(int line, char *out, unsigned long size);
    // Reads the reply the monitor holds (address, length byte, data, checksum) into
    // buffer; answers its length, 0 when there is none or it does not fit. The wait before
    // the reply handles events; a refresh that deletes the display meanwhile ends the read
    // with 0.
    unsigned long MccsRead(int line, unsigned char *buffer, unsigned long size);
    // Reads and parses the capability string, then the values of every VCP code it lists.
    bool UpdateMccs(int line);
    const MccsData &mccs() const { return m_mccs; }

    // ---- I2C ------------------------------------------------------------------------------
    // The adapter's I2C block access escape; the first word of each record is its size.
    bool I2cBlockAccess(const void *input, void *output);
    bool I2cBlockAccess(NOXI2C *i2c);

    // ---- DisplayPort link and test harness --------------------------------------------------
    bool SetLinkParams(LinkSettings *settings);
    // Drive settings of the four lanes: lanes points to four entries.
    bool SetLineParams(LinkAdjust *lanes);
    bool EnableLTTest(bool on);
    // A link training test with the lane count and link rate (in 10 Mbit/s) of settings.
    bool SetupLTTest(LinkSettings *settings);
    bool SetSpreadSpectrum(bool on);
    bool SetTestMode(tagZOVRETH_TESTMODESETTINGS *settings);
    bool GetAudioTestParams(tagZOVRETH_AUDIOTESTPARAMS *params);
    bool SendPsrCommand(tagZOVRETH_PSR_INPUT input, tagZOVRETH_PSR_OUTPUT *output);
    bool THGetCurrentControllerTiming(PellControllerTiming *timing);
    bool THAdjustCurrentControllerTiming(const PellControllerTiming *timing);
    bool THGetCurrentPixelClock(uint32_t *pixelClock);
    bool THAdjustCurrentPixelClock(const uint32_t *pixelClock);
    // Reads the DPCD snapshot again; false without one.
    bool UpdateDpcd();
    // The DPCD snapshot of a DisplayPort display (or one whose link parameters were
    // read); null otherwise. Owned by the display, replaced by every update.
    DpcdTableData *GetDpcd() const;
    bool GetDdcInfo(tagDISPLAYDDCINFOEX *out) const;
    // The monitor serial number of the DDC information.
    quint32 GetSerialId() const;
    // Reads the DisplayPort device id; all ones when it cannot be read.
    quint32 getDeviceId();
    // Sends an MST sideband down message along the display's path (its link count and
    // relative address) or, with toRoot, to the branch at the top of its topology.
    bool ProcessAuxDownMessage(DPMstTestSidebandAuxMsgParams *params,
                               DPMstTestSidebandAuxMsgResult *result, bool toRoot);

    // Reads link and dynamic refresh rate state into testHarness().
    bool UpdateTH();
    bool UpdateLink();
    // Bits per colour component of the driver's colour depth code.
    static quint32 TranslateColorDepth(quint32 code);
    // Reads the dynamic refresh rate state; false when it cannot be read or its
    // vertical-total limits are reversed (they are stored all the same).
    bool UpdateDrr();
    bool SetDrrConfig(const DrrConfig *config);
    // Static-screen event bits as the current and the older driver interface count them.
    static quint32 translateFromEscapeStaticEvents(quint32 events);
    static quint32 translateToEscapeStaticEvents(quint32 events);
    static quint32 translateEscapeStaticEventsOldToNew(quint32 events);
    static quint32 translateEscapeStaticEventsNewToOld(quint32 events);
    const TestHarnessData *testHarness() const { return m_testHarness; }

    // ---- stereo --------------------------------------------------------------------------------
    // Reads the stereo 3D state again; keeps none when the driver does not report it.
    void updateStereoInfo();
    bool TestHarnessStereoStatusRefresh(VyrDisplayStereoInfo *out);
    bool TestHarnessStereo3DControl(int display, const tagZOVRETH_STEREO3D_CONTROL_INPUT *input);
    const VyrDisplayStereoInfo *stereoInfo() const { return m_stereoInfo; }

    // ---- settings
    // --------------------------------------------------------------------------------- Thin calls
    // of the driver's settings of this display (or, where noted, of its adapter); each answers the
    // driver's result, false without a parent adapter.
    bool GetAdjustmentData(unsigned int type, int *value);
    bool SetAdjustmentData(unsigned int type, int value);
    bool GetAdjustmentInfoEx(unsigned int type, tagDI_ADJUSTMENTINFOEX &info);
    bool GetAdjustmentInfo(unsigned int type, tagDISPLAYADJUSTMENTINFO &info);
    bool SetPanelFormat(DisplayPanelFormat format, bool enable);
    bool GetGPUScaling(bool &enabled) const;
    bool SetGPUScaling(bool enabled);
    bool GetDisplayColorDepth(PellGetColorDepthOutput *out);
    bool GetSupportedColorDepth(PellGetColorDepthOutput *out);
    bool GetDisplayPixelEncoding(PellGetPixelEncodingOutput *out);
    bool GetPixelFormat(PellGetPixelEncodingOutput *out);
    bool GetCurrentDisplaySettings(PellGetDisplaySettingsOutput *out);
    bool SetDisplayColorDepth(PellSetColorDepthInput *in);
    bool SetDisplayPixelEncoding(const PellSetPixelEncodingInput *in);
    bool SetDithering(tagZOVRETH_DITHERING *dithering);
    // The driver cannot report dithering: always false.
    bool GetDithering(tagZOVRETH_DITHERING *dithering) const;
    bool GetPreservedAspectRatio(int *support, int *current, int *def);
    bool SetPreservedAspectRatio(int value);
    bool GetImageExpansion(int *support, int *current, int *def);
    bool SetImageExpansion(int value);
    bool GetPosition(int *x, int *y, int *xDefault, int *yDefault, int *minX, int *minY, int *maxX,
                     int *maxY, int *stepX, int *stepY);
    bool SetPosition(int x, int y);
    bool GetSize(int *width, int *height, int *widthDefault, int *heightDefault, int *minWidth,
                 int *minHeight, int *maxWidth, int *maxHeight, int *stepWidth, int *stepHeight);
    bool SetSize(int width, int height);
    bool GetAdjustCaps(int *caps);
    bool GetDeviceConfig(NOXDisplayConfig *config);
    bool GetProperty(NOXDisplayProperty *property);
    bool SetProperty(NOXDisplayProperty *property);
    bool GetDitherState(int *state);
    // The state 24 is refused.
    bool SetDitherState(int state);
    bool GetSupportedPixelFormat(int *formats);
    bool GetPixelFormat(int *format);
    bool SetPixelFormat(int format);
    bool GetAdjustmentCoherent(int *support, int *current);
    bool SetAdjustmentCoherent(int value);
    bool GetReducedBlanking(int *support, int *current);
    bool SetReducedBlanking(int value);
    bool GetFormatsOverride(int *supported, int *validBits, int *current);
    bool SetFormatsOverride(int value);
    bool GetColorCaps(int *caps);
    bool SetColor(int type, int value);
    bool GetColor(int type, int *current, int *def, int *min, int *max, int *step);
    bool GetColorTemperatureSource(DisplayColorTemperatureSource &source);
    bool SetColorTemperatureSource(DisplayColorTemperatureSource source);
    bool GetLimits(int *maxHRes, int *maxVRes, int *maxRefresh);
    bool SetOverscan(int value);
    bool GetOverscan(int *current, int *def, int *min, int *max, int *step);
    bool SetUnderscan(int value);
    bool GetUnderscan(int *current, int *def, int *min, int *max, int *step);
    bool GetModeTimingOverride(NOXDisplayMode *mode, NOXDisplayModeInfo *info);
    bool SetModeTimingOverride(NOXDisplayModeInfo *info, int force);
    bool GetModeTimingOverrideList(int maxCount, NOXDisplayModeInfo *list, int *count);
    bool GetCustomizedModeListNum(int *count);
    bool GetCustomizedModeList(NOXCustomMode *modes, int bytes);
    bool DeleteCustomizedMode(int index);
    // Deletes the first custom mode equal to mode (flags aside).
    bool DeleteCustomizedMode(const NOXCustomMode &mode);
    bool AddCustomizedMode(const NOXCustomMode &mode);
    bool ValidateCustomizedMode(NOXCustomMode mode, int *valid);
    // False for a null record.
    bool DisplayGetTileConfig(tagDI_DISPLAYTILE_CONFIG *config);
    // Scaling of modes smaller than the panel: a DisplayScalingOption; any other value is
    // refused.
    bool SetScalingOption(int option);
    bool GetScalingOption(DisplayScalingOption &option);

    // Adapter-wide queries, through the parent adapter.
    bool GetDpMstInfo(int *count, NOXDisplayDPMSTInfo **info, int option);
    bool GetNumberOfDisplays(int *count);
    bool GetCapabilities(int *numberOfControllers, int *numberOfDisplays);
    bool GetConnectedDisplays(int *connected);
    bool GetSwitchingCapability(int *capability);
    bool GetODClockInfo(NOXAdapterODClockInfo *info);
    bool SetODClockConfig(NOXAdapterODClockConfig *config);
    bool GetMVPUCaps(NOXMVPUCaps *caps);
    bool GetMVPUStatus(NOXMVPUStatus *status);
    // Audio endpoints of the display with the given identity, through the parent adapter.
    bool GetDisplayAudioInfo(NOXDisplayIdentifier display, NOXDisplayAudioInfo *info);
    bool EnableDisplayAudioEndpoint(NOXDisplayIdentifier display, unsigned int enable);
    bool MuteDisplayAudioEndpoint(NOXDisplayIdentifier display, unsigned int mute);
    bool GetDisplayGTCCaps(NOXDisplayIdentifier display, NOXGtcInfo *info);

    // ---- MST -----------------------------------------------------------------------------------
    // Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
    // The relative address as "1.2.3"; empty for a display that is not MST.
    QString GetFormatedRAD() const;
    // The GUID bytes in lower-case hexadecimal without leading zeros or separators;
    // empty for a display that is not MST.
    QString GetFormatedGUID() const;
    // The MST topology of the display; -1 for a display that is not MST.
    qint32 treeId() const;

    // ---- state read by the model and its views ---------------------------------------
    const VyrDisplayInfo &info() const { return m_info; }
    // Flags of the last Update: mapped to a desktop and connected. (IsEnabled() asks
    // the driver instead.)
    bool enabled() const { return m_enabled; }
    bool connected() const { return m_connected; }
    quint32 signalType() const { return m_signalType; }
    const std::set<VyrDisplayMode> &modes() const { return m_modes; }
    DeviceModeInfo &currentMode() { return m_currentMode; }
    const DeviceModeInfo &currentMode() const { return m_currentMode; }
    const tagDISPLAYDDCINFOEX &ddcInfo() const { return m_ddcInfo; }
    const tagUNDERSCANINFO &underscanInfo() const { return m_underscanInfo; }
    bool underscanValid() const { return m_underscanValid; }
    bool isMst() const { return m_isMst; }
    bool isDp() const { return m_isDp; }
    bool isEdp() const { return m_isEdp; }
    bool linkParamsValid() const { return m_linkParamsValid; }
    bool downspreadEnabled() const { return m_downspreadEnabled; }
    qint32 radLength() const { return m_radLength; }
    const MSTDeviceData *mst() const { return m_mst; }
    quint32 deviceId() const { return m_deviceId; }
    DriverCommunicator *communicator() const { return m_communicator; }

    void printLog(AppLogType type, const QString &text) const;

protected:
    // Hands a mode to the driver (through the X server on this platform).
    virtual bool setDriverMode(DeviceModeInfo *mode);

private:
    bool haveDriver() const;
    int adapterIndex() const;
    // The map half of Disable(): reads the adapter's display map and writes it back
    // without this display.
    bool leaveDisplayMap();
    void readMstData(const tagDI_DISPLAYOUTPUTDESCRIPTOR &descriptor);
    // One DDC/CI request (its checksum appended) and the reply read after it.
    bool ddcExchange(int line, QByteArray request, int replyLength, char *reply);

    // A driver call for this display: adapter index and display index, then the
    // arguments; false without a parent adapter or driver.
    template <typename Call, typename... Args> bool displayCall(Call call, Args... args) const
    {
        return haveDriver() && (m_communicator->*call)(adapterIndex(), index(), args...);
    }
    // A driver call for the parent adapter: its index, then the arguments.
    template <typename Call, typename... Args> bool adapterCall(Call call, Args... args) const
    {
        return haveDriver() && (m_communicator->*call)(adapterIndex(), args...);
    }

    Adapter *m_parent = nullptr;
    AppLoggerInfo *m_logger = nullptr;
    VyrDisplayInfo m_info;
    VyrDisplayStereoInfo *m_stereoInfo = nullptr;
    quint32 m_deviceId = 0xFFFFFFFFu;
    DriverCommunicator *m_communicator = nullptr;
    unsigned char *m_edid = nullptr;
    tagUNDERSCANINFO m_underscanInfo = {};
    bool m_underscanValid = false;
    bool m_enabled = false;
    bool m_connected = false;
    quint8 m_reservedFlag = 0;
    quint32 m_signalType = 0;
    tagDISPLAYDDCINFOEX m_ddcInfo = {};
    DpcdTableData *m_dpcd = nullptr;
    TestHarnessData *m_testHarness = nullptr;
    MccsData m_mccs;
    MSTDeviceData *m_mst = nullptr;
    DeviceModeInfo m_currentMode;
    bool m_downspreadEnabled = false;
    bool m_isMst = false;
    bool m_isDp = false;
    bool m_isEdp = false;
    bool m_linkParamsValid = false;
    qint32 m_radLength = -1;
    std::set<VyrDisplayMode> m_modes;
};
