#pragma once

// Binary contract: see ARCHITECTURE.md, "Driver record layouts".
// Interface of the display driver's control library ("NOX"): the records it reads
// and fills, the driver escape frames and payloads sent through its Send entry
// point, and the entry points looked up by name, with their argument lists.
//
// This one header is shared by the program's binding (NoxInterface) and by the
// simulated library in platform/noxstub, so both sides always agree on layouts.
// Every record is little-endian and naturally aligned unless marked packed; sizes
// that callers rely on are checked at compile time at the end of the file.

#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------
// Result codes of the library (0 = success; positive = success with a note)
// ---------------------------------------------------------------------------
enum NoxResult : int {
    NOX_OK_WAIT = 4,
    NOX_OK_RESTART = 3,
    NOX_OK_MODE_CHANGE = 2,
    NOX_OK_WARNING = 1,
    NOX_OK = 0,
    NOX_ERR = -1,
    NOX_ERR_NOT_INIT = -2,
    NOX_ERR_INVALID_PARAM = -3,
    NOX_ERR_INVALID_PARAM_SIZE = -4,
    NOX_ERR_INVALID_NOX_INDEX = -5,
    NOX_ERR_INVALID_CONTROLLER_IDX = -6,
    // Kept as spelled: see ARCHITECTURE.md, "Names kept as spelled".
    NOX_ERR_INVALID_DIPLAY_IDX = -7,
    NOX_ERR_NOT_SUPPORTED = -8,
    NOX_ERR_NULL_POINTER = -9,
    NOX_ERR_DISABLED_ADAPTER = -10,
    NOX_ERR_INVALID_CALLBACK = -11,
    NOX_ERR_RESOURCE_CONFLICT = -12
};

// Bits of NOXDisplayInfo::iDisplayInfoValue / iDisplayInfoMask.
enum : int {
    NOX_DISPLAY_DISPLAYINFO_DISPLAYCONNECTED = 0x1,
    NOX_DISPLAY_DISPLAYINFO_DISPLAYMAPPED = 0x2
};

// Signal types reported in the display output descriptor (word at byte 4).
enum NoxSignalType : uint32_t {
    NOX_SIGNAL_UNKNOWN = 0,
    NOX_SIGNAL_CRT = 1,
    NOX_SIGNAL_DVI_D = 2,
    NOX_SIGNAL_DVI_I = 3,
    NOX_SIGNAL_LVDS = 8,
    NOX_SIGNAL_HDMI_A = 10,
    NOX_SIGNAL_HDMI_B = 11,
    NOX_SIGNAL_DISPLAYPORT = 15,
    NOX_SIGNAL_EDP = 16
};

// Allocation callback handed to NOX_Main_Control_Create; the library allocates
// every array it returns through it, the caller frees them with free().
typedef void *(*NOX_MAIN_MALLOC_CALLBACK)(int);

// ---------------------------------------------------------------------------
// Library records
// ---------------------------------------------------------------------------

// One adapter of the driver (1060 bytes).
struct AdapterInfo
{
    int iSize;
    int iAdapterIndex;
    char strUDID[256];
    int iBusNumber;
    int iDeviceNumber;
    int iFunctionNumber;
    int iVendorID;
    char strAdapterName[256];
    char strDisplayName[256];
    int iPresent;
    int iXScreenNum;
    int iDrvIndex;
    char strXScreenConfigName[256];
};

// Identity of a display (16 bytes); also the by-value identifier of the audio calls.
struct NOXDisplayIdentifier
{
    int iDisplayLogicalIndex;
    int iDisplayPhysicalIndex;
    int iDisplayLogicalAdapterIndex;
    int iDisplayPhysicalAdapterIndex;
};

// One display known to an adapter.
struct NOXDisplayInfo
{
    NOXDisplayIdentifier displayID;
    int iDisplayControllerIndex;
    char strDisplayName[256];
    char strDisplayManufacturerName[256];
    int iDisplayType;
    int iDisplayOutputType;
    int iDisplayConnector;
    int iDisplayInfoMask;
    int iDisplayInfoValue; // bit 0 connected, bit 1 mapped to a desktop
};

// One display mode (60 bytes; arrays have a stride of 60).
struct NOXMode
{
    int iAdapterIndex;              // 0
    NOXDisplayIdentifier displayID; // 4
    int iXPos;                      // 20
    int iYPos;                      // 24
    int iXRes;                      // 28
    int iYRes;                      // 32
    int iColourDepth;               // 36
    float fRefreshRate;             // 40
    int iOrientation;               // 44
    int iModeFlag;                  // 48
    int iModeMask;                  // 52
    int iModeValue;                 // 56
};

// One EDID request and its answer (288 bytes).
struct NOXDisplayEDIDData
{
    int iSize;       // 288
    int iFlag;       // 0
    int iEDIDSize;   // bytes returned by the library
    int iBlockIndex; // request number, from 0
    char cEDIDData[272];
};

// Native AUX channel record of the library (36 bytes). Commands: 0 read, 1 write,
// 2 read through the branch, 3 write through the branch.
struct NOXDisplayNativeAUXChannelData
{
    int iSize; // 36
    int iReserved;
    int iCommand;
    int iAddress;
    int iByteCount;
    unsigned char ucData[16];
};

struct NOXDisplayMap
{
    int iDisplayMapIndex;
    NOXMode displayMode;
    int iNumDisplayTarget;
    int iFirstDisplayTargetArrayIndex;
    int iDisplayMapMask;
    int iDisplayMapValue;
};

struct NOXDisplayTarget
{
    NOXDisplayIdentifier displayID;
    int iDisplayMapIndex;
    int iDisplayTargetMask;
    int iDisplayTargetValue;
};

// A user-defined mode (24 bytes).
struct NOXCustomMode
{
    int iFlags;
    int iModeWidth;
    int iModeHeight;
    int iBaseModeWidth;
    int iBaseModeHeight;
    int iRefreshRate;
};

struct NOXGamma
{
    float fRed;
    float fGreen;
    float fBlue;
};

struct NOXDisplayProperty
{
    int iSize;
    int iPropertyType;
    int iExpansionMode;
    int iSupport;
    int iCurrent;
    int iDefault;
};

struct NOXDetailedTiming
{
    int iSize;
    short sTimingFlags;
    short sHTotal;
    short sHDisplay;
    short sHSyncStart;
    short sHSyncWidth;
    short sVTotal;
    short sVDisplay;
    short sVSyncStart;
    short sVSyncWidth;
    short sPixelClock;
    short sHOverscanRight;
    short sHOverscanLeft;
    short sVOverscanBottom;
    short sVOverscanTop;
    short sOverscan8B;
    short sOverscanGR;
};

struct NOXDisplayMode
{
    int iPelsHeight;
    int iPelsWidth;
    int iBitsPerPel;
    int iDisplayFrequency;
};

struct NOXDisplayModeInfo
{
    int iTimingStandard;
    int iPossibleStandard;
    int iRefreshRate;
    int iPelsWidth;
    int iPelsHeight;
    NOXDetailedTiming sDetailedTiming;
};

struct NOXAdapterODClockInfo
{
    int iSize;
    int iFlags;
    int iEngineClockMin;
    int iEngineClockMax;
    int iEngineClockStep;
    int iMemoryClockMin;
    int iMemoryClockMax;
    int iMemoryClockStep;
};

struct NOXAdapterODClockConfig
{
    int iSize;
    int iFlags;
    int iEngineClock;
    int iMemoryClock;
};

struct NOXDDCInfo
{
    int ulSize;
    int ulSupportsDDC;
    int ulManufacturerID;
    int ulProductID;
    char cDisplayName[128];
    int ulMaxHResolution;
    int ulMaxVResolution;
    int ulMaxRefresh;
    int ulPTMCx;
    int ulPTMCy;
    int ulPTMRefreshRate;
    int ulDDCInfoFlag;
};

// Raw I2C transfer. Actions: 1 read, 2 write, 3 write then read.
struct NOXI2C
{
    int iSize;
    int iLine;
    int iAddress;
    int iOffset;
    int iAction;
    int iSpeed;
    int iDataSize;
    char *pcData;
};

struct NOXControllerOverlayInput
{
    int iSize;
    int iOverlayAdjust;
    int iValue;
    int iReserved;
};

struct NOXControllerOverlayInfo
{
    int iSize;
    int iMin;
    int iMax;
    int iStep;
    int iDefault;
};

enum NOXVideoColorFeature : int {
    NOX_VIDEO_COLOR_BRIGHTNESS = 1,
    NOX_VIDEO_COLOR_CONTRAST = 2,
    NOX_VIDEO_COLOR_SATURATION = 3,
    NOX_VIDEO_COLOR_HUE = 4,
    NOX_VIDEO_COLOR_GAMMA = 5
};

struct NOXApoAudioDelayRangeInfo
{
    int iMinAudioDelay;
    int iMaxAudioDelay;
    int iStepAudioDelay;
    int iDefaultAudioDelay;
};

struct NOXDisplayChannelMapping
{
    int iChannelCount;
    int iChannels[8];
};

struct NOXAudioChannelSplitSetting
{
    int iEnabled;
    int iNumberOfSplits;
    int iChannelMask[8];
};

struct NOXDisplayAudioInfo
{
    int iSize;
    int iAudioCapable;
    int iEndpointEnabled;
    int iEndpointMuted;
    int iMaxChannels;
    int iSampleRates;
};

struct NOXGtcInfo
{
    int iSize;
    int iGtcSupported;
    int iGtcVersion;
};

struct NOXAudioDelayPerSampleRate
{
    int iSampleRate;
    int iDelay;
};

// Video BIOS description (768 bytes: part number, version, date).
struct NOXBiosInfo
{
    char strPartNumber[256];
    char strVersion[256];
    char strDate[256];
};

struct NOXChipSetInfo
{
    int iBusType;
    int iBusSpeedType;
    int iMaxPCIELaneWidth;
    int iCurrentPCIELaneWidth;
};

struct NOXASICInfo
{
    int iSize;
    int iAsicFamily;
    int iAsicRevision;
};

struct _NOXAdapterCapsX2
{
    int iAdapterID;
    int iNumDisplayControllers;
    int iNumOverlays;
    int iNumOfGLSyncConnectors;
    int iCapsMask;
    int iCapsValue;
    int iNumConnectors;
};

struct _NOXBracketSlotInfo
{
    int iSlotIndex;
    int iLength;
    int iWidth;
};

struct _NOXConnectorInfo
{
    int iConnectorIndex;
    int iConnectorId;
    int iSlotIndex;
    int iType;
    int iOffset;
    int iLength;
};

struct _NOXDevicePort
{
    int iConnectorIndex;
    int iMstAddressLength; // 0 for the connector itself
    unsigned char ucMstAddress[16];
};

struct _NOXSupportedConnections
{
    int iSupportedConnections;
    int iSupportedProperties[16];
};

struct _NOXConnectionState
{
    int iEmulationStatus;
    int iEmulationMode;
    int iDisplayIndex;
};

struct _NOXConnectionData
{
    int iConnectionType;
    int iNumberOfBranches;
    int iDataSize;
    int iEDIDSize;
    unsigned char ucEDIDData[512];
};

struct NOXDisplayDPMSTInfo
{
    NOXDisplayIdentifier displayID;
    int iTotalAvailableBandwidthInMpbs;
    int iAllocatedBandwidthInMbps;
    unsigned char ucRad[16];
    int iNumRelativeAddressLevels;
};

struct NOXDisplayConfig
{
    int iSize;
    int iConnectorType;
    int iDeviceType;
};

struct NOXMVPUCaps
{
    int iSize;
    int iAdapterCount;
    int iPossibleMVPUMasters;
    int iPossibleMVPUSlaves;
};

struct NOXMVPUStatus
{
    int iSize;
    int iActiveMVPU;
    int iStatus;
};

// ---------------------------------------------------------------------------
// Driver escape (sent through the Send entry point)
// ---------------------------------------------------------------------------

// Escape codes: bits 16 and up name the addressed object (0x11 adapter,
// 0x12 controller, 0x13 display).
enum NoxEscapeCode : uint32_t {
    NOX_ESC_ADAPTER_CAPS = 0x110001,
    NOX_ESC_ADAPTER_INFO = 0x110002,
    NOX_ESC_ADAPTER_CRTC_OWNED = 0x110003,
    NOX_ESC_ADAPTER_TEST_HARNESS = 0x110012,
    NOX_ESC_ADAPTER_I2C_BLOCK_ACCESS = 0x11002B,
    NOX_ESC_CONTROLLER_TIMING_DATA = 0x12000a,
    NOX_ESC_CONTROLLER_MODE = 0x120011,
    NOX_ESC_DISPLAY_DDC_INFO = 0x130004,
    NOX_ESC_DISPLAY_TEST_HARNESS = 0x130007,
    NOX_ESC_DISPLAY_ADJUSTMENT_GET = 0x130009,
    NOX_ESC_DISPLAY_ADJUSTMENT_SET = 0x13000a,
    NOX_ESC_DISPLAY_DDC_BLOCK_ACCESS = 0x13000f,
    NOX_ESC_DISPLAY_ADJUSTMENT_INFO = 0x130016,
    NOX_ESC_DISPLAY_UNDERSCAN_INFO = 0x130025,
    NOX_ESC_DISPLAY_OUTPUT_DESCRIPTOR = 0x130028,
    NOX_ESC_DISPLAY_EDID_OVERRIDE = 0x130032,
    NOX_ESC_DISPLAY_NATIVE_AUX = 0x130037,
    NOX_ESC_DISPLAY_MST_SINK_INFO = 0x13003b,
    NOX_ESC_DISPLAY_TILE_CONFIG = 0x130043,
    NOX_ESC_ASIC_ID = 0x400103
};

// Header of every escape frame; the caller's input follows at byte 16.
struct NOXEscapeHeader
{
    uint32_t ulSize; // input size + 16
    uint32_t ulEscapeCode;
    uint32_t ulDisplay;  // display (or controller) index
    uint32_t ulReserved; // 0
};

// Call record handed to Send (pointer fields take the platform's pointer size).
struct NOXEscapeCall
{
    int iAdapterIndex;
    int iInputSize; // frame size (input size + 16)
    void *pInput;   // the escape frame
    int iOutputSize;
    void *pOutput;
    int iReserved1;
    int iReserved2;
};

// Header of the test-harness payloads of escapes 0x110012 and 0x130007.
struct NOXTestHarnessHeader
{
    uint32_t ulSize;
    uint32_t ulFunctionCode;
    uint32_t ulIndex; // display or adapter index, or 0
    uint32_t ulReserved;
};

enum NoxTestHarnessFunction : uint32_t {
    ZOVRETH_MEASURE_TIMINGS_DELTA = 0xd00013,
    ZOVRETH_STEREO3D_CONTROL = 0xd00014,
    ZOVRETH_DRIVER_LOGGER = 0xd00015,
    ZOVRETH_PELL_ADAPTER_COMMAND = 0xd00016,
    ZOVRETH_DISPLAY_DPCOMMAND = 0xd00040,
    ZOVRETH_DISPLAY_FORCE_PANELFORMAT = 0xd00041,
    ZOVRETH_DISPLAY_SETUP_SYNC = 0xd00042,
    ZOVRETH_DISPLAY_GET_SYNC_STATUS = 0xd00043,
    ZOVRETH_DISPLAY_STEREO_STATUS_REFRESH = 0xd00044,
    ZOVRETH_DISPLAY_DPMSTCOMMAND = 0xd00045,
    ZOVRETH_DISPLAY_PSRCOMMAND = 0xd00046,
    ZOVRETH_PELL_DISPLAY_COMMAND = 0xd00047
};

// Driver logger commands (function 0xd00015).
enum LoggerCommand : uint32_t {
    LOGGER_GET_INFO = 1,
    LOGGER_GET_LOG = 2,
    LOGGER_FORCE_UPDATE = 3,
    LOGGER_ENUM_MAJOR = 4,
    LOGGER_ENUM_MINOR = 5
};

// Product commands (functions 0xd00016 and 0xd00047).
enum PellCommand : uint32_t {
    PELL_GET_DISPLAY_SETTINGS = 0,
    PELL_GET_SUPPORTED_COLOR_DEPTH = 1,
    PELL_GET_PIXEL_ENCODING = 3,
    PELL_SET_PIXEL_ENCODING = 4,
    PELL_GET_CONTROLLER_TIMING = 5,
    PELL_ADJUST_CONTROLLER_TIMING = 6,
    PELL_GET_PIXEL_CLOCK = 7,
    PELL_ADJUST_PIXEL_CLOCK = 8,
    PELL_SET_DRR_CONFIG = 9,
    PELL_GET_DRR_STATUS = 10
};

// DisplayPort test functions (function 0xd00040).
enum DpFunctionId : uint32_t {
    DP_GET_LINK_PARAMS = 0,
    DP_SET_LINK_PARAMS = 1,
    DP_GET_DEVICE_ID = 4,
    DP_SETUP_LT_TEST = 6,
    DP_SET_TEST_MODE = 7,
    DP_SET_LANE_PARAMS = 8,
    DP_SET_SPREAD_SPECTRUM = 9,
    DP_SET_DITHERING = 15,
    DP_GET_STREAM_INFO = 16,
    DP_SET_DRR_CONFIG_OLD = 17,
    DP_GET_DRR_STATUS_OLD = 18,
    DP_GET_LINK_INFO = 19,
    DP_GET_AUDIO_TEST_PARAMS = 20,
    DP_START_TOPOLOGY_DISCOVERY = 21
};

// DisplayPort MST test commands (function 0xd00045).
enum DPMstTestCommand : uint32_t { DPMST_PROCESS_AUX_DOWN_MESSAGE = 0 };

// Room for DP function input in the 96-byte DP command payload.
constexpr unsigned NOX_DP_COMMAND_MAX_INPUT = 76;

// --- records of the direct escapes -----------------------------------------
struct tagADAPTERCAPS
{
    uint32_t ulSize;
    uint32_t ulNumControllers;
    uint32_t ulNumDisplays;
    uint32_t ulNumOverlays;
    uint32_t ulCapsMask;
    uint32_t ulCapsValue;
    uint32_t ulReserved[2];
};

struct tagADAPTERINFO
{
    uint32_t ulSize;
    uint32_t ulBusNumber;
    uint32_t ulDeviceNumber;
    uint32_t ulFunctionNumber;
    uint32_t ulFlags;
};

struct tagCRTCOWNED
{
    uint32_t ulSize;
    uint32_t ulNumCrtc;
    uint32_t ulCrtcMask; // bit n: controller n belongs to the adapter
};

// Controller mode (112 bytes); the device model reads the words at 40 to 64.
struct tagCONTROLLERMODE
{
    uint32_t ulSize;          // 0
    uint32_t ulReserved1[9];  // 4
    uint32_t ulPelsWidth;     // 40
    uint32_t ulPelsHeight;    // 44
    uint32_t ulBitsPerPixel;  // 48
    uint32_t ulReserved2;     // 52
    uint32_t ulRefreshRate;   // 56
    uint32_t ulPixelClock;    // 60
    uint32_t ulFlags;         // 64, bit 1 interlaced
    uint32_t ulReserved3[11]; // 68
};

struct tagCONTROLLERTIMINGDATA
{
    uint32_t ulSize;
    uint32_t ulHTotal;
    uint32_t ulHDisplay;
    uint32_t ulHSyncStart;
    uint32_t ulHSyncWidth;
    uint32_t ulVTotal;
    uint32_t ulVDisplay;
    uint32_t ulVSyncStart;
    uint32_t ulVSyncWidth;
    uint32_t ulPixelClock;
    uint32_t ulFlags;
    uint32_t ulReserved[13];
};

// Display output descriptor (96 bytes).
struct tagDI_DISPLAYOUTPUTDESCRIPTOR
{
    uint32_t ulSize;            // 0
    uint32_t ulSignalType;      // 4, NoxSignalType
    uint32_t ulConnectorType;   // 8
    uint32_t ulEncoderId;       // 12
    uint32_t ulControllerIndex; // 16
    uint32_t ulReserved1[2];    // 20
    uint8_t ucReserved2;        // 28
    uint8_t ucFlags;            // 29, bit 5 = display behind a DisplayPort MST branch
    uint8_t ucReserved3[2];     // 30
    uint32_t ulReserved4[9];    // 32
    int32_t iMstTreeId;         // 68, MST topology the display belongs to
    uint32_t ulReserved5[6];    // 72
};

#pragma pack(push, 1)
// DDC information (425 bytes, packed); the monitor serial number sits at byte 325.
struct tagDISPLAYDDCINFOEX
{
    uint32_t ulSize;           // 0
    uint32_t ulSupportsDDC;    // 4
    uint32_t ulManufacturerID; // 8
    uint32_t ulProductID;      // 12
    uint32_t ulMaxHResolution; // 16
    uint32_t ulMaxVResolution; // 20
    char cDisplayName[301];    // 24
    uint32_t ulSerialNumber;   // 325
    uint8_t ucReserved[96];    // 329
};
#pragma pack(pop)

struct tagUNDERSCANINFO
{
    uint32_t ulSize;
    uint32_t ulCurrent;
    uint32_t ulMin;
    uint32_t ulMax;
    uint32_t ulStep;
    uint32_t ulDefault;
    uint32_t ulReserved[10];
};

// ASIC identity (64 bytes): twelve words, then 16-bit values.
struct tagCIASICID
{
    uint32_t ulSize;         // 0
    uint32_t ulFamily;       // 4
    uint32_t ulRevision;     // 8
    uint32_t ulChipId;       // 12
    uint32_t ulReserved1[5]; // 16
    uint32_t ulMemorySize;   // 36
    uint32_t ulReserved2[2]; // 40
    uint16_t usVendorId;     // 48
    uint16_t usDeviceId;     // 50
    uint16_t usSubVendorId;  // 52
    uint16_t usSubDeviceId;  // 54
    uint16_t usRevisionId;   // 56
    uint16_t usReserved[3];  // 58
};

struct tagDI_DISPLAYTILE_CONFIG
{
    uint32_t ulSize;
    uint32_t ulTileFlags;
    uint32_t ulNumHTiles;
    uint32_t ulNumVTiles;
    uint32_t ulHLocation;
    uint32_t ulVLocation;
    uint32_t ulTileWidth;
    uint32_t ulTileHeight;
    uint32_t ulReserved[18];
};

struct tagDI_ADJUSTMENTINFOEX
{
    uint32_t ulSize;
    uint32_t ulAdjustmentId;
    int32_t lDefault;
    int32_t lMin;
    int32_t lMax;
    int32_t lStep;
    uint32_t ulReserved[6];
};

struct tagDISPLAYADJUSTMENTINFO
{
    uint32_t ulSize;
    uint32_t ulAdjustmentId;
    int32_t lDefault;
    int32_t lMin;
    int32_t lMax;
    int32_t lStep;
    uint32_t ulReserved[2];
};

// Native AUX escape records (48 bytes each). Commands: 1 read, 2 write, 3 read
// through the branch, 4 write through the branch. Output status 1 = success.
struct tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA
{
    uint32_t ulSize;
    uint32_t ulCommand;
    uint32_t ulAddress;
    uint32_t ulByteCount;
    uint8_t ucData[32];
};

struct tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA
{
    uint32_t ulSize;
    uint32_t ulStatus;
    uint32_t ulByteCount;
    uint32_t ulReserved;
    uint8_t ucData[32];
};

// MST sink information (112 bytes).
struct tagDI_MST_SINK_INFO
{
    uint32_t ulSize;             // 0
    uint32_t ulReserved1;        // 4
    uint8_t ucGuid[16];          // 8
    uint8_t ucLinkCount;         // 24
    uint8_t ucRad[15];           // 25, relative address, zero-terminated
    uint32_t ulPeerDeviceType;   // 40
    uint32_t ulPortNumber;       // 44
    uint32_t ulMaxLinkBandwidth; // 48
    uint8_t ucReserved[60];      // 52
};

// Input of the DDC block access escape 0x13000f (288 bytes).
struct tagDDCBLOCKACCESSINPUT
{
    uint32_t ulSize;    // 288
    uint32_t ulCommand; // 5
    uint32_t ulReserved1;
    uint32_t ulWriteSize;
    uint8_t ucData[256];
    uint32_t ulReadSize;
    uint32_t ulReserved2[3];
};

// Output of the DDC block access escape (288 bytes).
struct tagDDCBLOCKACCESSOUTPUT
{
    uint32_t ulSize;           // 288
    uint8_t ucData[256];       // 4
    uint32_t ulReturnedLength; // 260
    uint32_t ulReserved[6];
};

// EDID override payload of escape 0x130032 (524 bytes).
struct NOXDisplayEDIDOverride
{
    uint32_t ulSize;     // 524
    uint32_t ulDataSize; // at most 512
    uint8_t ucData[516];
};

// --- test-harness records ---------------------------------------------------
struct tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT
{
    uint32_t ulSize;
    int32_t lDeltaPixels;
    int32_t lDeltaLines;
    uint32_t ulReserved[5];
};

struct tagZOVRETH_STEREO3D_CONTROL_INPUT
{
    uint32_t ulSize;
    uint32_t ulCommand;
    uint32_t ulFormat;
    uint32_t ulReserved[13];
};

struct tagZOVRETH_DISPLAY_SETUP_SYNC_DATA
{
    uint32_t ulSize;
    uint32_t ulSyncMode;
    uint32_t ulSourceAdapter;
    uint32_t ulSourceDisplay;
    uint32_t ulReserved[14];
};

struct tagZOVRETH_DISPLAY_SYNC_STATUS
{
    uint32_t ulSize;
    uint32_t ulSyncState;
    uint32_t ulReserved[25];
};

struct tagZOVRETH_DISPLAY_STEREO3D_INFO
{
    uint32_t ulSize; // bytes the driver may fill (80)
    uint32_t ulValues[19];
};

struct tagZOVRETH_PSR_INPUT
{
    uint32_t ulSize;
    uint32_t ulCommand;
    uint32_t ulDisplayIndex; // word 2: the display the command goes to
    uint32_t ulParams[17];
};

struct tagZOVRETH_PSR_OUTPUT
{
    uint32_t ulSize;
    uint32_t ulVersion; // set to 3 before the call
    uint32_t ulStatus;
    uint32_t ulValues[18];
};

struct tagZOVRETH_DPGETSETLINKPARAMS
{
    uint32_t ulSize; // 12
    uint32_t ulNumberOfLinks;
    uint32_t ulLinkRate;
};

struct tagZOVRETH_MESSAGES
{
    uint32_t ulSize;
    uint32_t ulMessage;
    uint32_t ulParam1;
    uint32_t ulParam2;
};

struct tagZOVRETH_TESTMODESETTINGS
{
    uint32_t ulSize;
    uint32_t ulTestMode;
    uint32_t ulEnable;
    uint32_t ulPattern;
    uint32_t ulLinkRate;
    uint32_t ulLaneCount;
};

struct tagZOVRETH_LANE_PARAMS
{
    uint32_t ulSize;
    uint32_t ulReserved;
    uint8_t ucVoltageSwing[4];
    uint8_t ucPreEmphasis[4];
    uint8_t ucPostCursor2[4];
};

struct tagZOVRETH_DITHERING
{
    uint32_t ulSize;
    uint32_t ulColorDepth;
    uint32_t ulMode;
    uint32_t ulPattern;
};

struct tagZOVRETH_STREAMINFO
{
    uint32_t ulSize;
    uint32_t ulColorDepth; // 4
    uint32_t ulPixelEncoding;
    uint32_t ulPixelClock;
    uint32_t ulHTotal;
    uint32_t ulVTotal;
};

struct tagZOVRETH_DRRCONFIG
{
    uint32_t ulSize;
    uint32_t ulRefreshRate;
    uint32_t ulStaticScreenEvents;
};

struct tagZOVRETH_DRRSTATUS
{
    uint32_t ulSize;
    uint32_t ulMinRefreshRate;
    uint32_t ulMaxRefreshRate;
    uint32_t ulMinVTotal;
    uint32_t ulMaxVTotal;
    uint32_t ulStatus;
    uint32_t ulStaticScreenEvents;
};

struct tagZOVRETH_LINKINFO
{
    uint32_t ulSize;
    uint8_t ucLinkPairs[10]; // 4: five {link byte, rate} pairs
    uint8_t ucReserved[2];
    uint32_t ulLinkValue; // 16, low 3 bits
    uint32_t ulInfo1;     // 20
    uint32_t ulInfo2;     // 24
    uint32_t ulReserved;
};

struct tagZOVRETH_AUDIOTESTPARAMS
{
    uint32_t ulSize;
    uint32_t ulValues[10];
};

struct tagZOVRETH_STARTTOPOLOGYDISCOVERY
{
    uint32_t ulSize;
    uint32_t ulValues[5];
};

struct DPMstTestSidebandAuxMsgParams
{
    uint8_t ucPath[16];
    uint32_t ulRequestLength;
    uint8_t ucRequest[264];
};

struct DPMstTestSidebandAuxMsgResult
{
    uint32_t ulReplyLength;
    uint8_t ucReply[256];
};

// --- driver logger records ----------------------------------------------------
struct LoggerInfo
{
    uint32_t ulLogBufferSize;
    uint32_t ulValues[6];
};

struct LoggerForceUpdateParam
{
    uint32_t ulValues[7];
};

struct LoggerEnumMajorParam
{
    uint32_t ulIndex;
};

struct LoggerMajorInfo
{
    uint32_t ulMajor;
    char cName[32];
};

struct LoggerEnumMinorParam
{
    uint32_t ulMajor;
    uint32_t ulIndex;
};

struct LoggerMinorInfo
{
    uint32_t ulMinor;
    char cName[32];
};

// --- product command records -------------------------------------------------
struct PellGetDisplaySettingsOutput
{
    uint32_t ulColorDepthFlags; // same flags as PellGetColorDepthOutput
    uint32_t ulPixelEncoding;
};

struct PellGetColorDepthOutput
{
    uint32_t ulFlags; // bit n: colour depth number n + 1
};

struct PellSetColorDepthInput
{
    uint32_t ulFlags;
};

struct PellGetPixelEncodingOutput
{
    uint32_t ulEncoding;
};

struct PellSetPixelEncodingInput
{
    uint32_t ulEncoding;
};

struct PellControllerTiming
{
    uint32_t ulHTotal; // word 0
    uint32_t ulHDisplay;
    uint32_t ulHSyncStart;
    uint32_t ulHSyncWidth;
    uint32_t ulHBorder;
    uint32_t ulFlags;
    uint32_t ulVTotal; // word 6
    uint32_t ulVDisplay;
    uint32_t ulVSyncStart;
    uint32_t ulVSyncWidth;
    uint32_t ulVBorder;
    uint32_t ulPixelClock;
    uint32_t ulReserved;
};

struct PellSetDrrConfigInput
{
    uint32_t ulRefreshRate;
    uint32_t ulStaticScreenEvents;
};

struct PellGetDrrStatusOutput
{
    uint32_t ulStaticScreenEvents;
    uint32_t ulMinVTotal;
    uint32_t ulMaxVTotal;
    uint32_t ulStatus1;
    uint32_t ulStatus2;
    uint32_t ulMaxRefreshRate;
    uint32_t ulMinRefreshRate;
    uint32_t ulReserved;
};

// ---------------------------------------------------------------------------
// Entry points, in lookup order: X(name, argument list). Every entry point
// returns int (0 = success). The display connection of LnxXext_ForceSetMode is
// the X11 Display*.
// ---------------------------------------------------------------------------
// clang-format off
#define NOX_ENTRY_POINTS(X) \
    X(NOX_Main_Control_Create, (NOX_MAIN_MALLOC_CALLBACK, int)) \
    X(NOX_Main_Control_Destroy, ()) \
    X(NOX_Main_Control_Refresh, ()) \
    X(NOX_Adapter_NumberOfAdapters_Get, (int *)) \
    X(NOX_Adapter_AdapterInfo_Get, (AdapterInfo *, int)) \
    X(NOX_Adapter_VideoBiosInfo_Get, (int, NOXBiosInfo *)) \
    X(NOX_Display_DisplayInfo_Get, (int, int *, NOXDisplayInfo **, int)) \
    X(NOX_Display_EdidData_Get, (int, int, NOXDisplayEDIDData *)) \
    X(NOX_Display_Modes_Get, (int, int, int *, NOXMode **)) \
    X(NOX_Display_Modes_Set, (int, int, int, NOXMode *)) \
    X(NOX_Display_PossibleMode_Get, (int, int *, NOXMode **)) \
    X(NOX_Display_DisplayMapConfig_Get, (int, int *, NOXDisplayMap **, int *, NOXDisplayTarget **, int)) \
    X(NOX_Display_DisplayMapConfig_Set, (int, int, NOXDisplayMap *, int, NOXDisplayTarget *)) \
    X(Send, (void *)) \
    X(NOX_Adapter_ASICFamilyType_Get, (int, int *, int *)) \
    X(NOX_Adapter_AudioChannelSplitConfiguration_Get, (int, NOXAudioChannelSplitSetting *)) \
    X(NOX_Adapter_AudioChannelSplit_Enable, (int, NOXAudioChannelSplitSetting *)) \
    X(NOX_Adapter_AudioChannelSplit_Disable, (int)) \
    X(NOX_Adapter_DisplayAudioInfo_Get, (int, NOXDisplayIdentifier, NOXDisplayAudioInfo *)) \
    X(NOX_Adapter_DisplayAudioEndpoint_Enable, (int, NOXDisplayIdentifier, int)) \
    X(NOX_Adapter_DisplayAudioEndpoint_Mute, (int, NOXDisplayIdentifier, int)) \
    X(NOX_Adapter_TarvishSupport_Get, (int, int *)) \
    X(NOX_Adapter_DisplayGTCCaps_Get, (int, NOXDisplayIdentifier, NOXGtcInfo *)) \
    X(NOX_Adapter_DefaultAudioChannelTable_Load, (int, int, int, int, NOXDisplayChannelMapping **)) \
    X(NOX_Audio_CurrentSampleRate_Get, (int *)) \
    X(NOX_APO_AudioDelayAdjustmentInfo_Get, (NOXApoAudioDelayRangeInfo *)) \
    X(NOX_APO_AudioDelay_Set, (int, NOXAudioDelayPerSampleRate *)) \
    X(NOX_Display_PixelFormat_Get, (int, int, int *)) \
    X(NOX_Display_PixelFormat_Set, (int, int, int)) \
    X(NOX_Display_SupportedPixelFormat_Get, (int, int, int *)) \
    X(NOX_Adapter_Active_Get, (int, int *)) \
    X(NOX_Adapter_Active_Set, (int, int, int *)) \
    X(NOX_Adapter_Active_SetPrefer, (int, int, int, NOXDisplayTarget *, int *)) \
    X(NOX_Adapter_Primary_Get, (int *)) \
    X(NOX_Adapter_Primary_Set, (int)) \
    X(NOX_Display_SupportedColorDepth_Get, (int, int, int *)) \
    X(NOX_Display_ColorDepth_Get, (int, int, int *)) \
    X(NOX_Display_ColorDepth_Set, (int, int, int)) \
    X(NOX_Display_PreservedAspectRatio_Get, (int, int, int *, int *, int *)) \
    X(NOX_Display_PreservedAspectRatio_Set, (int, int, int)) \
    X(NOX_Display_ImageExpansion_Get, (int, int, int *, int *, int *)) \
    X(NOX_Display_ImageExpansion_Set, (int, int, int)) \
    X(NOX_Display_Position_Get, (int, int, int *, int *, int *, int *, int *, int *, int *, int *, int *, int *)) \
    X(NOX_Display_Position_Set, (int, int, int, int)) \
    X(NOX_Display_Property_Get, (int, int, NOXDisplayProperty *)) \
    X(NOX_Display_Property_Set, (int, int, NOXDisplayProperty *)) \
    X(NOX_Display_Size_Get, (int, int, int *, int *, int *, int *, int *, int *, int *, int *, int *, int *)) \
    X(NOX_Display_Size_Set, (int, int, int, int)) \
    X(NOX_Display_DitherState_Get, (int, int, int *)) \
    X(NOX_Display_DitherState_Set, (int, int, int)) \
    X(NOX_Display_Color_Get, (int, int, int, int *, int *, int *, int *, int *)) \
    X(NOX_Display_Color_Set, (int, int, int, int)) \
    X(NOX_Controller_Color_Get, (int, int, NOXGamma *, NOXGamma *, NOXGamma *, NOXGamma *)) \
    X(NOX_Controller_Color_Set, (int, int, NOXGamma)) \
    X(NOX_Display_Overscan_Set, (int, int, int)) \
    X(NOX_Display_Overscan_Get, (int, int, int *, int *, int *, int *, int *)) \
    X(NOX_Display_Underscan_Set, (int, int, int)) \
    X(NOX_Display_Underscan_Get, (int, int, int *, int *, int *, int *, int *)) \
    X(NOX_Display_AdjustCaps_Get, (int, int, int *)) \
    X(NOX_Display_ColorCaps_Get, (int, int, int *)) \
    X(NOX_Display_TVCaps_Get, (int, int, int *)) \
    X(NOX_Display_Limits_Get, (int, int, int *, int *, int *)) \
    X(NOX_Display_CustomizedModeListNum_Get, (int, int, int *)) \
    X(NOX_Display_CustomizedModeList_Get, (int, int, NOXCustomMode *, int)) \
    X(NOX_Display_CustomizedMode_Add, (int, int, NOXCustomMode)) \
    X(NOX_Display_CustomizedMode_Delete, (int, int, int)) \
    X(NOX_Display_CustomizedMode_Validate, (int, int, NOXCustomMode, int *)) \
    X(NOX_Display_Capabilities_Get, (int, int *, int *)) \
    X(NOX_Display_AdapterID_Get, (int, int *)) \
    X(NOX_Display_SwitchingCapability_Get, (int, int *)) \
    X(NOX_Display_ModeTimingOverride_Set, (int, int, NOXDisplayModeInfo *, int)) \
    X(NOX_Display_ModeTimingOverrideInfo_Get, (int, int, NOXDisplayMode *, NOXDisplayModeInfo *)) \
    X(NOX_Display_ModeTimingOverrideList_Get, (int, int, int, NOXDisplayModeInfo *, int *)) \
    X(NOX_Display_WriteAndReadI2CRev_Get, (int, int *, int *)) \
    X(NOX_Display_WriteAndReadI2C, (int, NOXI2C *)) \
    X(NOX_Display_ODClockInfo_Get, (int, NOXAdapterODClockInfo *)) \
    X(NOX_Display_ODClockConfig_Set, (int, NOXAdapterODClockConfig *)) \
    X(NOX_Display_Vector_Get, (int, int, int *)) \
    X(NOX_Display_ControllerOverlayAdjustmentCaps_Get, (int, NOXControllerOverlayInput *, NOXControllerOverlayInfo *)) \
    X(NOX_Display_ControllerOverlayAdjustmentData_Get, (int, NOXControllerOverlayInput *)) \
    X(NOX_Display_ControllerOverlayAdjustmentData_Set, (int, NOXControllerOverlayInput *)) \
    X(NOX_Display_DuogearVersion_Get, (int, int *)) \
    X(NOX_Display_DuogearActiveGPU_Get, (int, int *)) \
    X(NOX_Display_DuogearActiveGPU_Set, (int, int, int *)) \
    X(NOX_Display_DuogearAutoSwitchConfig_Get, (int, int *, int *)) \
    X(NOX_Display_DuogearAutoSwitchConfig_Set, (int, int, int)) \
    X(NOX_Display_DDCInfo_Get, (int, int, NOXDDCInfo *)) \
    X(NOX_Display_DDCBlockAccess_Get, (int, int, int, int, int, char *, int *, char *)) \
    X(NOX_Display_NativeAUXChannel_Access, (int, int, NOXDisplayNativeAUXChannelData *)) \
    X(NOX_Display_NumberOfDisplays_Get, (int, int *)) \
    X(NOX_DFP_GPUScalingEnable_Get, (int, int, int *, int *, int *)) \
    X(NOX_DFP_GPUScalingEnable_Set, (int, int, int)) \
    X(NOX_Display_ColorTemperatureSource_Get, (int, int, int *)) \
    X(NOX_Display_ColorTemperatureSource_Set, (int, int, int)) \
    X(LnxXext_ForceSetMode, (void *, int, int)) \
    X(NOX_MMD_VideoColor_Get, (int, NOXVideoColorFeature, float *)) \
    X(NOX_MMD_VideoColor_Set, (int, NOXVideoColorFeature, float)) \
    X(NOX_MMD_VideoAdjustInfo_Get, (int, NOXVideoColorFeature, NOXControllerOverlayInfo *)) \
    X(NOX_Display_FormatsOverride_Get, (int, int, int *, int *, int *)) \
    X(NOX_Display_FormatsOverride_Set, (int, int, int)) \
    X(NOX_AdapterX2_Caps, (int, _NOXAdapterCapsX2 *)) \
    X(NOX_Adapter_BoardLayout_Get, (int, int *, int *, _NOXBracketSlotInfo **, int *, _NOXConnectorInfo **)) \
    X(NOX_Adapter_SupportedConnections_Get, (int, _NOXDevicePort, _NOXSupportedConnections *)) \
    X(NOX_Adapter_ConnectionState_Get, (int, _NOXDevicePort, _NOXConnectionState *)) \
    X(NOX_Adapter_EmulationMode_Set, (int, _NOXDevicePort, int)) \
    X(NOX_Adapter_ConnectionData_Set, (int, _NOXDevicePort, _NOXConnectionData)) \
    X(NOX_Adapter_ConnectionData_Get, (int, _NOXDevicePort, int, _NOXConnectionData *)) \
    X(NOX_Adapter_ConnectionData_Remove, (int, _NOXDevicePort)) \
    X(NOX_Workstation_GlobalEDIDPersistence_Get, (int *, int *)) \
    X(NOX_Workstation_GlobalEDIDPersistence_Set, (int))
// clang-format on

// Second name looked up for the adapter-id slot when the first is missing.
#define NOX_ADAPTER_ID_SECOND_NAME "NOX_Display_Adapter_ID_Get"

// One slot per entry point, in lookup order, then the two slots that are never
// looked up (chip-set and ASIC information).
enum class NoxSlot : int {
#define NOX_SLOT_ENUM(name, args) name,
    NOX_ENTRY_POINTS(NOX_SLOT_ENUM)
#undef NOX_SLOT_ENUM
        NOX_Adapter_ChipSetInfo_Get,
    NOX_Adapter_ASICInfo_Get,
    Count
};

constexpr int NOX_LOOKED_UP_SLOTS = static_cast<int>(NoxSlot::NOX_Adapter_ChipSetInfo_Get);
constexpr int NOX_SLOT_COUNT = static_cast<int>(NoxSlot::Count);

// Function-pointer type of each slot: NoxSlotFn<NoxSlot::X>::type.
template <NoxSlot S> struct NoxSlotFn;
#define NOX_SLOT_TYPE(name, args)                                                                  \
    template <> struct NoxSlotFn<NoxSlot::name>                                                    \
    {                                                                                              \
        using type = int(*) args;                                                                  \
    };
NOX_ENTRY_POINTS(NOX_SLOT_TYPE)
#undef NOX_SLOT_TYPE
template <> struct NoxSlotFn<NoxSlot::NOX_Adapter_ChipSetInfo_Get>
{
    using type = int (*)(int, NOXChipSetInfo *);
};
template <> struct NoxSlotFn<NoxSlot::NOX_Adapter_ASICInfo_Get>
{
    using type = int (*)(int, NOXASICInfo *);
};

// ---------------------------------------------------------------------------
// Sizes fixed by the program and the driver
// ---------------------------------------------------------------------------
static_assert(sizeof(AdapterInfo) == 1060, "AdapterInfo is 1060 bytes");
static_assert(sizeof(NOXDisplayIdentifier) == 16, "display identity is 16 bytes");
static_assert(sizeof(NOXMode) == 60, "NOXMode is 60 bytes");
static_assert(offsetof(NOXMode, iXPos) == 20 && offsetof(NOXMode, fRefreshRate) == 40
                  && offsetof(NOXMode, iModeFlag) == 48,
              "NOXMode field offsets");
static_assert(sizeof(float) == 4, "refresh rate is a 32-bit float");
static_assert(sizeof(NOXDisplayEDIDData) == 288, "EDID record is 288 bytes");
static_assert(offsetof(NOXDisplayEDIDData, cEDIDData) == 16, "EDID data at byte 16");
static_assert(sizeof(NOXDisplayEDIDOverride) == 524, "EDID override payload is 524 bytes");
static_assert(sizeof(NOXDisplayNativeAUXChannelData) == 36, "library AUX record is 36 bytes");
static_assert(sizeof(NOXCustomMode) == 24, "custom mode record is 24 bytes");
static_assert(sizeof(NOXBiosInfo) == 768, "video BIOS record is 768 bytes");
static_assert(sizeof(NOXEscapeHeader) == 16, "escape header is 16 bytes");
static_assert(sizeof(NOXTestHarnessHeader) == 16, "test-harness header is 16 bytes");
static_assert(sizeof(NOXEscapeCall) == (sizeof(void *) == 4 ? 28 : 40), "escape call record");
static_assert(sizeof(tagADAPTERCAPS) == 32, "adapter caps");
static_assert(sizeof(tagADAPTERINFO) == 20, "adapter information");
static_assert(sizeof(tagCRTCOWNED) == 12, "controllers owned");
static_assert(sizeof(tagCONTROLLERMODE) == 112, "controller mode");
static_assert(offsetof(tagCONTROLLERMODE, ulPelsWidth) == 40
                  && offsetof(tagCONTROLLERMODE, ulRefreshRate) == 56
                  && offsetof(tagCONTROLLERMODE, ulFlags) == 64,
              "controller mode offsets");
static_assert(sizeof(tagCONTROLLERTIMINGDATA) == 96, "controller timing data");
static_assert(sizeof(tagDI_DISPLAYOUTPUTDESCRIPTOR) == 96, "display output descriptor");
static_assert(offsetof(tagDI_DISPLAYOUTPUTDESCRIPTOR, ucFlags) == 29
                  && offsetof(tagDI_DISPLAYOUTPUTDESCRIPTOR, iMstTreeId) == 68,
              "display output descriptor offsets");
static_assert(sizeof(tagDISPLAYDDCINFOEX) == 425, "DDC information");
static_assert(offsetof(tagDISPLAYDDCINFOEX, ulSerialNumber) == 325, "DDC serial number");
static_assert(sizeof(tagUNDERSCANINFO) == 64, "underscan information");
static_assert(sizeof(tagCIASICID) == 64, "ASIC id");
static_assert(offsetof(tagCIASICID, usVendorId) == 48, "ASIC id: 16-bit values after twelve words");
static_assert(sizeof(tagDI_DISPLAYTILE_CONFIG) == 104, "tile configuration");
static_assert(sizeof(tagDI_ADJUSTMENTINFOEX) == 48, "adjustment info ex");
static_assert(sizeof(tagDISPLAYADJUSTMENTINFO) == 32, "adjustment info");
static_assert(sizeof(tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA) == 48, "AUX escape input");
static_assert(sizeof(tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA) == 48, "AUX escape output");
static_assert(sizeof(tagDI_MST_SINK_INFO) == 112, "MST sink information");
static_assert(offsetof(tagDI_MST_SINK_INFO, ucGuid) == 8
                  && offsetof(tagDI_MST_SINK_INFO, ucRad) == 25
                  && offsetof(tagDI_MST_SINK_INFO, ulPeerDeviceType) == 40,
              "MST sink information offsets");
static_assert(sizeof(tagDDCBLOCKACCESSINPUT) == 288, "DDC block access input");
static_assert(sizeof(tagDDCBLOCKACCESSOUTPUT) == 288, "DDC block access output");
static_assert(offsetof(tagDDCBLOCKACCESSOUTPUT, ulReturnedLength) == 260, "DDC returned length");
static_assert(sizeof(tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT) == 32, "measure timings output");
static_assert(sizeof(tagZOVRETH_STEREO3D_CONTROL_INPUT) == 64, "stereo 3D control input");
static_assert(sizeof(tagZOVRETH_DISPLAY_SETUP_SYNC_DATA) == 72, "setup sync data");
static_assert(sizeof(tagZOVRETH_DISPLAY_SYNC_STATUS) == 108, "sync status");
static_assert(sizeof(tagZOVRETH_DISPLAY_STEREO3D_INFO) == 80, "stereo 3D info");
static_assert(sizeof(tagZOVRETH_PSR_INPUT) == 80, "PSR input");
static_assert(sizeof(tagZOVRETH_PSR_OUTPUT) == 84, "PSR output");
static_assert(sizeof(tagZOVRETH_DPGETSETLINKPARAMS) == 12, "link parameters");
static_assert(sizeof(tagZOVRETH_MESSAGES) == 16, "link training messages");
static_assert(sizeof(tagZOVRETH_TESTMODESETTINGS) == 24, "test mode settings");
static_assert(sizeof(tagZOVRETH_LANE_PARAMS) == 20, "lane parameters");
static_assert(sizeof(tagZOVRETH_DITHERING) == 16, "dithering");
static_assert(sizeof(tagZOVRETH_STREAMINFO) == 24, "stream info");
static_assert(sizeof(tagZOVRETH_DRRCONFIG) == 12, "DRR config (old)");
static_assert(sizeof(tagZOVRETH_DRRSTATUS) == 28, "DRR status (old)");
static_assert(sizeof(tagZOVRETH_LINKINFO) == 32, "link info");
static_assert(offsetof(tagZOVRETH_LINKINFO, ulLinkValue) == 16, "link info value");
static_assert(sizeof(tagZOVRETH_AUDIOTESTPARAMS) == 44, "audio test parameters");
static_assert(sizeof(tagZOVRETH_STARTTOPOLOGYDISCOVERY) == 24, "topology discovery");
static_assert(sizeof(DPMstTestSidebandAuxMsgParams) == 284, "sideband message parameters");
static_assert(sizeof(DPMstTestSidebandAuxMsgResult) == 260, "sideband message result");
static_assert(sizeof(LoggerInfo) == 28, "logger info");
static_assert(sizeof(LoggerForceUpdateParam) == 28, "logger update input");
static_assert(sizeof(LoggerEnumMajorParam) == 4, "logger major enumeration input");
static_assert(sizeof(LoggerMajorInfo) == 36, "logger major info");
static_assert(sizeof(LoggerEnumMinorParam) == 8, "logger minor enumeration input");
static_assert(sizeof(LoggerMinorInfo) == 36, "logger minor info");
static_assert(sizeof(PellGetDisplaySettingsOutput) == 8, "display settings output");
static_assert(sizeof(PellGetColorDepthOutput) == 4, "colour depth output");
static_assert(sizeof(PellControllerTiming) == 52, "controller timing");
static_assert(sizeof(PellSetDrrConfigInput) == 8, "DRR config input");
static_assert(sizeof(PellGetDrrStatusOutput) == 32, "DRR status output");
static_assert(NOX_SLOT_COUNT == 112, "112 entry-point slots");
static_assert(NOX_LOOKED_UP_SLOTS == 110, "110 slots looked up by name");
