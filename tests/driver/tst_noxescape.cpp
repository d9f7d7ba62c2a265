// The driver escape: its argument rules and result codes, the frames of the direct
// escapes and test-harness functions as the simulated driver receives them, and the
// replies decoded by the wrappers.

#include "noxtestsupport.h"

#include <functional>

using namespace NoxTest;

namespace {

// One escape wrapper call: what the driver must receive and what the caller gets.
struct FrameCase
{
    const char *name;
    quint32 code;           // escape code
    quint32 displayField;   // display word of the escape header
    QVector<quint32> words; // first words of the caller's part of the frame
    int frameSize;          // whole frame (header + payload)
    int outputSize;
    std::function<QString(NoxInterface &)> call; // runs the wrapper, describes the reply
    QString reply;
    QStringList log; // lines logged, "<type>|<text>" without the prefix
};

QString ok(bool result)
{
    return result ? QStringLiteral("ok") : QStringLiteral("failed");
}

const QString kSuccess = QStringLiteral("NOX function completed successfully");

QVector<FrameCase> frameCases()
{
    QVector<FrameCase> cases;
    // ---- direct escapes ----
    cases.push_back({"AdapterGetInfo",
                     0x110002,
                     2,
                     {},
                     16,
                     20,
                     [](NoxInterface &n) {
                         tagADAPTERINFO r{};
                         const bool done = n.AdapterGetInfo(1, &r);
                         return ok(done)
                                + QString::asprintf(" size %u bus %u device %u", r.ulSize,
                                                    r.ulBusNumber, r.ulDeviceNumber);
                     },
                     "ok size 20 bus 3 device 0",
                     {"1|DriverCommunicator::AdapterGetInfo:  ADAPTER 1  - " + kSuccess}});
    cases.push_back({"AdapterGetCaps",
                     0x110001,
                     0,
                     {},
                     16,
                     32,
                     [](NoxInterface &n) {
                         tagADAPTERCAPS r{};
                         const bool done = n.AdapterGetCaps(0, &r);
                         return ok(done) + QString::asprintf(" controllers %u", r.ulNumControllers);
                     },
                     "ok controllers 4",
                     {"1|DriverCommunicator::AdapterGetCaps:  ADAPTER 0 - " + kSuccess}});
    cases.push_back({"AdapterGetCrtcOwned",
                     0x110003,
                     0,
                     {},
                     16,
                     12,
                     [](NoxInterface &n) {
                         tagCRTCOWNED r{};
                         const bool done = n.AdapterGetCrtcOwned(1, &r);
                         return ok(done) + QString::asprintf(" mask %x", r.ulCrtcMask);
                     },
                     "ok mask c",
                     {"1|DriverCommunicator::AdapterGetCrtcOwned:  ADAPTER 1 - " + kSuccess}});
    cases.push_back(
        {"ControllerGetMode",
         0x120011,
         1,
         {},
         16,
         112,
         [](NoxInterface &n) {
             tagCONTROLLERMODE r{};
             const bool done = n.ControllerGetMode(0, 1, &r);
             return ok(done)
                    + QString::asprintf(" %ux%u@%u", r.ulPelsWidth, r.ulPelsHeight,
                                        r.ulRefreshRate);
         },
         "ok 2560x1440@60",
         {"1|DriverCommunicator::ControllerGetMode:  ADAPTER 0 CONTROLLER 1 - " + kSuccess}});
    cases.push_back({"ControllerGetMode, idle controller",
                     0x120011,
                     3,
                     {},
                     16,
                     112,
                     [](NoxInterface &n) {
                         tagCONTROLLERMODE r{};
                         return ok(n.ControllerGetMode(0, 3, &r));
                     },
                     "failed",
                     {"4|DriverCommunicator::ControllerGetMode:  ADAPTER 0 CONTROLLER 3 - Invalid "
                      "controller index passed"}});
    cases.push_back(
        {"ControllerGetTimingData",
         0x12000a,
         0,
         {},
         16,
         96,
         [](NoxInterface &n) {
             tagCONTROLLERTIMINGDATA r{};
             const bool done = n.ControllerGetTimingData(0, 0, &r);
             return ok(done) + QString::asprintf(" htotal %u", r.ulHTotal);
         },
         "ok htotal 2080",
         {"1|DriverCommunicator::ControllerGetTimingData:  ADAPTER 0 CONTROLLER 0 - " + kSuccess}});
    cases.push_back(
        {"DisplayGetDescriptor of an MST display",
         0x130028,
         3,
         {},
         16,
         96,
         [](NoxInterface &n) {
             tagDI_DISPLAYOUTPUTDESCRIPTOR r{};
             std::memset(&r, 0xEE, sizeof(r));
             const bool done = n.DisplayGetDescriptor(1, 3, &r);
             return ok(done)
                    + QString::asprintf(" signal %u flags %02x tree %d last %u", r.ulSignalType,
                                        r.ucFlags, r.iMstTreeId, r.ulReserved5[5]);
         },
         "ok signal 15 flags 20 tree 1 last 0",
         {"1|DriverCommunicator::DisplayGetDescriptor:  ADAPTER 1 CONTROLLER 3 - " + kSuccess}});
    cases.push_back(
        {"DisplayGetDdcInfoEx",
         0x130004,
         1,
         {},
         16,
         425,
         [](NoxInterface &n) {
             tagDISPLAYDDCINFOEX r{};
             const bool done = n.DisplayGetDdcInfoEx(0, 1, &r);
             return ok(done) + QString::asprintf(" size %u serial %u", r.ulSize, r.ulSerialNumber);
         },
         "ok size 425 serial 1002",
         {"1|DriverCommunicator::DisplayGetDdcInfo:  ADAPTER 0 DISPLAY 1 - " + kSuccess}});
    cases.push_back(
        {"DisplayGetUnderscanInfo",
         0x130025,
         0,
         {},
         16,
         64,
         [](NoxInterface &n) {
             tagUNDERSCANINFO r{};
             const bool done = n.DisplayGetUnderscanInfo(0, 0, &r);
             return ok(done) + QString::asprintf(" max %u", r.ulMax);
         },
         "ok max 15",
         {"1|DriverCommunicator::DisplayGetUnderscanInfo:  ADAPTER 0 DISPLAY 0 - " + kSuccess}});
    cases.push_back({"AdapterGetAsicId",
                     0x400103,
                     0,
                     {},
                     16,
                     64,
                     [](NoxInterface &n) {
                         tagCIASICID r{};
                         const bool done = n.AdapterGetAsicId(2, &r);
                         return ok(done) + QString::asprintf(" vendor %04x", r.usVendorId);
                     },
                     "ok vendor 1234",
                     {"1|DriverCommunicator::AdapterGetAsicId:  ADAPTER 2 - " + kSuccess}});
    cases.push_back({"DisplayGetTileConfig logs nothing",
                     0x130043,
                     1,
                     {},
                     16,
                     104,
                     [](NoxInterface &n) {
                         tagDI_DISPLAYTILE_CONFIG r{};
                         const bool done = n.DisplayGetTileConfig(0, 1, &r);
                         return ok(done)
                                + QString::asprintf(" tiles %ux%u", r.ulNumHTiles, r.ulNumVTiles);
                     },
                     "ok tiles 1x1",
                     {}});
    // ---- adjustments ----
    cases.push_back({"DisplaySetAdjustmentData",
                     0x13000a,
                     1,
                     {16, 5, 42, 0},
                     32,
                     0,
                     [](NoxInterface &n) {
                         const bool set = n.DisplaySetAdjustmentData(0, 1, 5, 42);
                         int value = 0;
                         const bool got = n.DisplayGetAdjustmentData(0, 1, 5, &value);
                         return ok(set && got) + QString::asprintf(" %d", value);
                     },
                     "ok 42",
                     {}});
    cases.push_back(
        {"DisplayGetAdjustmentInfoEx",
         0x130016,
         0,
         {16, 7, 0, 0},
         32,
         48,
         [](NoxInterface &n) {
             tagDI_ADJUSTMENTINFOEX r{};
             const bool done = n.DisplayGetAdjustmentInfoEx(0, 0, 7, &r);
             return ok(done) + QString::asprintf(" id %u %d..%d", r.ulAdjustmentId, r.lMin, r.lMax);
         },
         "ok id 7 0..100",
         {}});
    cases.push_back({"DisplayGetAdjustmentData on a missing adapter",
                     0x130009,
                     1,
                     {16, 5, 0, 0},
                     32,
                     8,
                     [](NoxInterface &n) {
                         int value = -1;
                         const bool done = n.DisplayGetAdjustmentData(9, 1, 5, &value);
                         return ok(done) + QString::asprintf(" %d", value);
                     },
                     "failed -1",
                     {"4|DriverCommunicator::DisplayGetAdjustmentData:  CALL FAILED ON DEVICE 9  - "
                      "Invalid NOX index passed"}});
    // ---- native AUX, MST, DDC ----
    cases.push_back({"DisplayAccessNativeAux reads DPCD",
                     0x130037,
                     1,
                     {48, 1, 0x000, 4},
                     64,
                     48,
                     [](NoxInterface &n) {
                         tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA in{};
                         in.ulSize = sizeof(in);
                         in.ulCommand = 1;
                         in.ulAddress = 0;
                         in.ulByteCount = 4;
                         tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA out{};
                         const bool done = n.DisplayAccessNativeAux(0, 1, &in, &out);
                         return ok(done) + QString::asprintf(" status %u ", out.ulStatus)
                                + QString::fromLatin1(
                                    QByteArray(reinterpret_cast<char *>(out.ucData), 4).toHex());
                     },
                     "ok status 1 12148401",
                     {"1|DriverCommunicator::DisplayAccessNativeAux - To Adapter 0, Display 1"}});
    cases.push_back({"DisplayAccessNativeAux on HDMI",
                     0x130037,
                     0,
                     {48, 1, 0, 1},
                     64,
                     48,
                     [](NoxInterface &n) {
                         tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA in{48, 1, 0, 1, {}};
                         tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA out{};
                         return ok(n.DisplayAccessNativeAux(0, 0, &in, &out));
                     },
                     "failed",
                     {"1|DriverCommunicator::DisplayAccessNativeAux - To Adapter 0, Display 0",
                      "4|DriverCommunicator::DisplayAccessNativeAux:  CALL FAILED ON ADAPTER 0  "
                      "DISPLAY 0 - Function  not supported by the driver"}});
    cases.push_back({"DisplayGetMstDeviceInfo",
                     0x13003b,
                     2,
                     {},
                     16,
                     112,
                     [](NoxInterface &n) {
                         tagDI_MST_SINK_INFO r{};
                         const bool done = n.DisplayGetMstDeviceInfo(1, 2, &r);
                         return ok(done)
                                + QString::asprintf(" links %u rad %u.%u.%u", r.ucLinkCount,
                                                    r.ucRad[0], r.ucRad[1], r.ucRad[2]);
                     },
                     "ok links 2 rad 1.1.0",
                     {"1|DriverCommunicator::DisplayGetMstDeviceInfo - To Adapter 1, Display 2"}});
    cases.push_back({"DisplayGetMstDeviceInfo of a single-stream display",
                     0x13003b,
                     1,
                     {},
                     16,
                     112,
                     [](NoxInterface &n) {
                         tagDI_MST_SINK_INFO r{};
                         return ok(n.DisplayGetMstDeviceInfo(0, 1, &r));
                     },
                     "failed",
                     {"1|DriverCommunicator::DisplayGetMstDeviceInfo - To Adapter 0, Display 1",
                      "4|DriverCommunicator::DisplayAccessNativeAux:  CALL FAILED ON DEVICE 0  - "
                      "Function  not supported by the driver"}});
    cases.push_back({"DdcBlockAccess: capability piece",
                     0x13000f,
                     1,
                     {288, 5, 0, 7, 0xF383516E},
                     16 + 288,
                     288,
                     [](NoxInterface &n) {
                         const unsigned char request[7] = {
                             0x6E, 0x51, 0x83, 0xF3, 0x00, 0x00, 0x6E ^ 0x51 ^ 0x83 ^ 0xF3};
                         QByteArray reply(38, '\0');
                         const bool done =
                             n.DdcBlockAccess(0, 1, request, sizeof(request), reply.data(), 38);
                         return ok(done) + " " + QString::fromLatin1(reply.mid(5, 16));
                     },
                     "ok (prot(monitor)ty",
                     {}});
    // ---- test harness: adapter escape ----
    cases.push_back(
        {"THDisplayMeasureTimingsDelta",
         0x110012,
         2,
         {40, 0xd00013, 2, 0, 24, 1000, 400, 0, 0, 0},
         56,
         32,
         [](NoxInterface &n) {
             tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT r{};
             const bool done = n.THDisplayMeasureTimingsDelta(2, 1000, 400, &r);
             return ok(done) + QString::asprintf(" %d", r.lDeltaPixels);
         },
         "ok 600",
         {"1|DriverCommunicator::THDisplayMeasureTimingsDelta:  ADAPTER 2 - " + kSuccess}});
    cases.push_back(
        {"DisplayTestHarnessStereo3DControl",
         0x110012,
         1,
         {80, 0xd00014, 1, 0, 64, 7},
         96,
         0,
         [](NoxInterface &n) {
             tagZOVRETH_STEREO3D_CONTROL_INPUT in{};
             in.ulSize = 64;
             in.ulCommand = 7;
             return ok(n.DisplayTestHarnessStereo3DControl(0, 1, &in));
         },
         "ok",
         {"1|DriverCommunicator::DisplayTestHarnessStereo3DControl:  ADAPTER 0 DISPLAY 1 - "
          + kSuccess}});
    cases.push_back({"GetAdapterLogBufferSize",
                     0x110012,
                     1,
                     {16, 0xd00015, 0, 0, 1},
                     36,
                     28,
                     [](NoxInterface &n) { return QString::number(n.GetAdapterLogBufferSize(1)); },
                     "65536",
                     {}});
    cases.push_back({"GetAdapterLoggerLog",
                     0x110012,
                     0,
                     {16, 0xd00015, 0, 0, 2},
                     36,
                     24,
                     [](NoxInterface &n) {
                         char text[20] = {};
                         const unsigned long length = n.GetAdapterLoggerLog(0, text, 20);
                         return QString::number(length) + " "
                                + QString::fromLatin1(text, static_cast<int>(length));
                     },
                     "20 Simulated driver log",
                     {}});
    cases.push_back({"AdapterForceUpdateLogger",
                     0x110012,
                     0,
                     {16, 0xd00015, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0},
                     64,
                     0,
                     [](NoxInterface &n) { return ok(n.AdapterForceUpdateLogger(0)); },
                     "ok",
                     {}});
    cases.push_back({"AdapterEnumLogMajor",
                     0x110012,
                     0,
                     {16, 0xd00015, 0, 0, 4, 1},
                     40,
                     36,
                     [](NoxInterface &n) {
                         LoggerMajorInfo r{};
                         const bool done = n.AdapterEnumLogMajor(0, LoggerEnumMajorParam{1}, &r);
                         return ok(done) + QString::asprintf(" %x %s", r.ulMajor, r.cName);
                     },
                     "ok 101 EDID",
                     {}});
    cases.push_back(
        {"AdapterEnumLogMinor",
         0x110012,
         0,
         {16, 0xd00015, 0, 0, 5, 0x101, 1},
         44,
         36,
         [](NoxInterface &n) {
             LoggerMinorInfo r{};
             const bool done = n.AdapterEnumLogMinor(0, LoggerEnumMinorParam{0x101, 1}, &r);
             return ok(done) + QString::asprintf(" %u %s", r.ulMinor, r.cName);
         },
         "ok 1 TRACE",
         {}});
    cases.push_back({"PellAdapterTestHarnessCall",
                     0x110012,
                     0,
                     {16, 0xd00016, 9, 0, 3, 4, 0xAB},
                     44,
                     4,
                     [](NoxInterface &n) {
                         const quint32 in = 0xAB;
                         quint32 out = 0;
                         return ok(n.PellAdapterTestHarnessCall(0, 9, PELL_GET_PIXEL_ENCODING, &in,
                                                                4, &out, 4));
                     },
                     "failed",
                     {}});
    // ---- test harness: display escape ----
    cases.push_back({"DisplayGetLinkParams",
                     0x130007,
                     1,
                     {16, 0xd00040, 0, 0, 0},
                     112,
                     12,
                     [](NoxInterface &n) {
                         tagZOVRETH_DPGETSETLINKPARAMS p{};
                         const bool done = n.DisplayGetLinkParams(0, 1, &p);
                         return ok(done)
                                + QString::asprintf(" links %u rate %u", p.ulNumberOfLinks,
                                                    p.ulLinkRate);
                     },
                     "ok links 4 rate 20",
                     {"1|DriverCommunicator::DisplayGetLinkParams - Adapter 0, Display 1; LinkRate "
                      "= 20; NumberOfLinks = 4"}});
    cases.push_back({"DisplaySetLinkParams",
                     0x130007,
                     1,
                     {28, 0xd00040, 0, 0, 1, 12, 2, 10},
                     112,
                     0,
                     [](NoxInterface &n) {
                         tagZOVRETH_DPGETSETLINKPARAMS p{0, 2, 10};
                         return ok(n.DisplaySetLinkParams(0, 1, &p));
                     },
                     "ok",
                     {"1|DriverCommunicator::DisplaySetLinkParams - To Adapter 0, Display 1"}});
    cases.push_back(
        {"DisplayGetLinkParams on HDMI",
         0x130007,
         0,
         {16, 0xd00040, 0, 0, 0},
         112,
         12,
         [](NoxInterface &n) {
             tagZOVRETH_DPGETSETLINKPARAMS p{};
             return ok(n.DisplayGetLinkParams(0, 0, &p));
         },
         "failed",
         {"4|DriverCommunicator::DpTestHarnessCall:  CALL FAILED ON DEVICE 0 DISPLAY INDEX 0 "
          "THFunctionCode = "
          "ZOVRETH_DISPLAY_DPCOMMAND, DP FunctionId = 0 - Function  not supported by the driver"}});
    cases.push_back({"DisplayGetDeviceId",
                     0x130007,
                     4,
                     {16, 0xd00040, 0, 0, 4},
                     112,
                     8,
                     [](NoxInterface &n) {
                         unsigned long id = 0;
                         const bool done = n.DisplayGetDeviceId(2, 4, &id);
                         return ok(done) + QString::asprintf(" %lx", id);
                     },
                     "ok 53490004",
                     {}});
    cases.push_back({"DisplaySetDithering",
                     0x130007,
                     1,
                     {32, 0xd00040, 0, 0, 15, 16, 8, 2, 1},
                     112,
                     0,
                     [](NoxInterface &n) {
                         tagZOVRETH_DITHERING d{0, 8, 2, 1};
                         return ok(n.DisplaySetDithering(0, 1, &d));
                     },
                     "ok",
                     {"1|DriverCommunicator::DisplaySetDithering:  SET DITHERING ON DEVICE 0 "
                      "DISPLAY 1 - ColorDepth=8, Mode=2, Pattern=1"}});
    cases.push_back({"DisplayGetLinkInfo",
                     0x130007,
                     1,
                     {16, 0xd00040, 0, 0, 19},
                     112,
                     32,
                     [](NoxInterface &n) {
                         tagZOVRETH_LINKINFO r{};
                         const bool done = n.DisplayGetLinkInfo(0, 1, &r);
                         return ok(done)
                                + QString::asprintf(" value %u pair %u/%u", r.ulLinkValue,
                                                    r.ucLinkPairs[4], r.ucLinkPairs[5]);
                     },
                     "ok value 4 pair 20/20",
                     {}});
    cases.push_back({"DisplaySetPanelFormat value 0",
                     0x130007,
                     4,
                     {28, 0xd00041, 0, 0, 12, 0, 0xFFFFFFFF},
                     44,
                     0,
                     [](NoxInterface &n) { return ok(n.DisplaySetPanelFormat(2, 4, 0, true)); },
                     "ok",
                     {}});
    cases.push_back({"DisplaySetPanelFormat value 6",
                     0x130007,
                     4,
                     {28, 0xd00041, 0, 0, 12, 1, 5},
                     44,
                     0,
                     [](NoxInterface &n) { return ok(n.DisplaySetPanelFormat(2, 4, 6, true)); },
                     "ok",
                     {}});
    cases.push_back({"THDisplaySetupSynchronization",
                     0x130007,
                     1,
                     {88, 0xd00042, 1, 0, 72, 2},
                     104,
                     0,
                     [](NoxInterface &n) {
                         tagZOVRETH_DISPLAY_SETUP_SYNC_DATA d{};
                         d.ulSize = 72;
                         d.ulSyncMode = 2;
                         return ok(n.THDisplaySetupSynchronization(0, 1, &d));
                     },
                     "ok",
                     {"1|DriverCommunicator::THDisplaySetupSynchronization:  ADAPTER 0 DISPLAY 1 - "
                      + kSuccess}});
    cases.push_back({"THDisplayGetSyncStatus",
                     0x130007,
                     1,
                     {16, 0xd00043, 1, 0},
                     32,
                     108,
                     [](NoxInterface &n) {
                         tagZOVRETH_DISPLAY_SYNC_STATUS r{};
                         const bool done = n.THDisplayGetSyncStatus(0, 1, &r);
                         return ok(done) + QString::asprintf(" size %u", r.ulSize);
                     },
                     "ok size 108",
                     {"1|DriverCommunicator::THDisplayGetSyncStatus:  ADAPTER 0 - " + kSuccess}});
    cases.push_back(
        {"DisplayTestHarnessStereoStatusRefresh",
         0x130007,
         1,
         {16, 0xd00044, 1, 0},
         32,
         40,
         [](NoxInterface &n) {
             tagZOVRETH_DISPLAY_STEREO3D_INFO r{};
             r.ulSize = 40; // the driver may fill the first 40 bytes only
             const bool done = n.DisplayTestHarnessStereoStatusRefresh(0, 1, &r);
             return ok(done)
                    + QString::asprintf(" %u %u %u", r.ulValues[0], r.ulValues[8], r.ulValues[9]);
         },
         "ok 1 9 0",
         {"1|DriverCommunicator::DisplayTestHarnessStereoStatusRefresh:  ADAPTER 0 DISPLAY 1 - "
          + kSuccess}});
    cases.push_back({"DisplayProcessAuxDownMessage",
                     0x130007,
                     2,
                     {304, 0xd00045, 0, 0, 0, 0x00000101},
                     16 + 304,
                     260,
                     [](NoxInterface &n) {
                         DPMstTestSidebandAuxMsgParams p{};
                         p.ucPath[0] = 1;
                         p.ucPath[1] = 1;
                         p.ulRequestLength = 3;
                         p.ucRequest[0] = 0x20;
                         p.ucRequest[1] = 0x11;
                         DPMstTestSidebandAuxMsgResult r{};
                         const bool done = n.DisplayProcessAuxDownMessage(1, 2, &p, &r);
                         return ok(done)
                                + QString::asprintf(" %u %02x %02x", r.ulReplyLength, r.ucReply[0],
                                                    r.ucReply[1]);
                     },
                     "ok 3 10 20",
                     {}});
    cases.push_back({"DisplaySendPsrCommand",
                     0x130007,
                     4,
                     {16, 0xd00046, 0, 0, 80, 1, 4},
                     112,
                     84,
                     [](NoxInterface &n) {
                         tagZOVRETH_PSR_INPUT in{};
                         in.ulSize = 80;
                         in.ulCommand = 1;
                         in.ulDisplayIndex = 4;
                         tagZOVRETH_PSR_OUTPUT out{};
                         const bool done = n.DisplaySendPsrCommand(2, 4, in, &out);
                         return ok(done)
                                + QString::asprintf(" version %u status %u", out.ulVersion,
                                                    out.ulStatus);
                     },
                     "ok version 3 status 1",
                     {}});
    cases.push_back({"DisplaySendPsrCommand to a monitor",
                     0x130007,
                     1,
                     {16, 0xd00046, 0, 0, 80, 1, 1},
                     112,
                     84,
                     [](NoxInterface &n) {
                         tagZOVRETH_PSR_INPUT in{};
                         in.ulSize = 80;
                         in.ulCommand = 1;
                         in.ulDisplayIndex = 1;
                         tagZOVRETH_PSR_OUTPUT out{};
                         const bool done = n.DisplaySendPsrCommand(0, 1, in, &out);
                         return ok(done) + QString::asprintf(" version %u", out.ulVersion);
                     },
                     "failed version 3",
                     {"4|NoxInterface::DisplaySendPsrCommand: Escape Failed: Device [0], Display "
                      "[1], THFunctionCode = "
                      "ZOVRETH_DISPLAY_PSRCOMMAND Function  not supported by the driver"}});
    cases.push_back({"GetCurrentDisplaySettings",
                     0x130007,
                     1,
                     {16, 0xd00047, 1, 0, 0, 0},
                     40,
                     8,
                     [](NoxInterface &n) {
                         PellGetDisplaySettingsOutput r{};
                         const bool done = n.GetCurrentDisplaySettings(0, 1, &r);
                         return ok(done)
                                + QString::asprintf(" depth flags %u", r.ulColorDepthFlags);
                     },
                     "ok depth flags 8",
                     {}});
    cases.push_back({"SetDisplayPixelEncoding",
                     0x130007,
                     1,
                     {16, 0xd00047, 1, 0, 4, 4, 2},
                     44,
                     0,
                     [](NoxInterface &n) {
                         const PellSetPixelEncodingInput in{2};
                         const bool set = n.SetDisplayPixelEncoding(0, 1, &in);
                         PellGetPixelEncodingOutput out{};
                         const bool got = n.GetDisplayPixelEncoding(0, 1, &out);
                         return ok(set && got) + QString::asprintf(" %u", out.ulEncoding);
                     },
                     "ok 2",
                     {}});
    cases.push_back({"THGetCurrentControllerTiming",
                     0x130007,
                     0,
                     {16, 0xd00047, 0, 0, 5, 0},
                     40,
                     52,
                     [](NoxInterface &n) {
                         PellControllerTiming r{};
                         const bool done = n.THGetCurrentControllerTiming(0, 0, &r);
                         return ok(done) + QString::asprintf(" %u/%u", r.ulHTotal, r.ulVTotal);
                     },
                     "ok 2080/1125",
                     {}});
    cases.push_back(
        {"DisplayGetDrrStatus",
         0x130007,
         1,
         {16, 0xd00047, 1, 0, 10, 0},
         40,
         32,
         [](NoxInterface &n) {
             PellGetDrrStatusOutput r{};
             const bool done = n.DisplayGetDrrStatus(0, 1, &r);
             return ok(done) + QString::asprintf(" %u-%u", r.ulMinRefreshRate, r.ulMaxRefreshRate);
         },
         "ok 48000000-144000000",
         {}});
    return cases;
}

} // namespace

class tst_NoxEscape : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void escapeArguments_data();
    void escapeArguments();
    void frames_data();
    void frames();
    void dpInputLimit();
    void nullRecords();
    void testModeForcesModeOnlyAfterSuccess();
    void ddcBlockAccessCopiesWhatFits();

private:
    SimLibrary m_sim;
};

void tst_NoxEscape::init()
{
    QVERIFY(m_sim.loaded);
    qunsetenv("VYRSIM_NOX_MACHINE");
    m_sim.reset();
}

void tst_NoxEscape::escapeArguments_data()
{
    QTest::addColumn<bool>("bound");
    QTest::addColumn<int>("inputSize");
    QTest::addColumn<bool>("withInput");
    QTest::addColumn<int>("outputSize");
    QTest::addColumn<bool>("withOutput");
    QTest::addColumn<quint32>("code");
    QTest::addColumn<int>("libraryFailure");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("sent");

    QTest::newRow("input size without input")
        << true << 8 << false << 0 << false << 0x110002u << 0 << -4 << false;
    QTest::newRow("output size without output")
        << true << 0 << false << 20 << false << 0x110002u << 0 << -4 << false;
    QTest::newRow("no output at all")
        << true << 0 << false << 0 << false << 0x110002u << 0 << 0 << true;
    QTest::newRow("input and output")
        << true << 8 << true << 20 << true << 0x110002u << 0 << 0 << true;
    QTest::newRow("unbound") << false << 0 << false << 20 << true << 0x110002u << 0 << -2 << false;
    QTest::newRow("bad pairing before unbound")
        << false << 8 << false << 0 << false << 0x110002u << 0 << -4 << false;
    QTest::newRow("library result passes through")
        << true << 0 << false << 20 << true << 0x110002u << -12 << -12 << true;
    QTest::newRow("unknown escape")
        << true << 0 << false << 4 << true << 0x13ABCDu << 0 << -8 << true;
}

void tst_NoxEscape::escapeArguments()
{
    QFETCH(bool, bound);
    QFETCH(int, inputSize);
    QFETCH(bool, withInput);
    QFETCH(int, outputSize);
    QFETCH(bool, withOutput);
    QFETCH(quint32, code);
    QFETCH(int, libraryFailure);
    QFETCH(int, result);
    QFETCH(bool, sent);

    NoxInterface nox(nullptr, bound ? QStringList{simulatedLibrary()} : QStringList{});
    QCOMPARE(nox.IsNoxLoaded(), bound);
    if (libraryFailure)
        m_sim.fail("Send", 1, libraryFailure);
    m_sim.clearCalls();
    QByteArray input(inputSize, '\x5A');
    QByteArray output(outputSize + 8, '\x77');
    QCOMPARE(nox.Escape(1, 3, code, static_cast<unsigned long>(inputSize),
                        withInput ? input.constData() : nullptr,
                        static_cast<unsigned long>(outputSize),
                        withOutput ? output.data() : nullptr),
             result);
    const QVector<VyrSimCall> calls = m_sim.callRecords();
    QCOMPARE(calls.size(), sent ? 1 : 0);
    if (!sent)
        return;
    QCOMPARE(QString::fromLatin1(calls[0].entry), QStringLiteral("Send"));
    QCOMPARE(calls[0].code, code);
    QCOMPARE(calls[0].inputSize, inputSize + 16);
    QCOMPARE(calls[0].outputSize, outputSize);
    const QByteArray frame = m_sim.frame();
    QCOMPARE(frame.size(), inputSize + 16);
    QCOMPARE(word(frame, 0), static_cast<quint32>(inputSize + 16));
    QCOMPARE(word(frame, 4), code);
    QCOMPARE(word(frame, 8), 3u);
    QCOMPARE(word(frame, 12), 0u);
    QCOMPARE(frame.mid(16), input);
    // Nothing is written past the output size.
    QCOMPARE(output.right(8), QByteArray(8, '\x77'));
}

void tst_NoxEscape::frames_data()
{
    QTest::addColumn<int>("index");
    const QVector<FrameCase> cases = frameCases();
    for (int i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << i;
}

void tst_NoxEscape::frames()
{
    QFETCH(int, index);
    const FrameCase c = frameCases().at(index);
    BoundNox b;
    b.logger.take();
    m_sim.clearCalls();

    QCOMPARE(c.call(*b.nox), c.reply);

    // The first escape the wrapper sent, as the driver received it.
    const QVector<VyrSimCall> calls = m_sim.callRecords();
    QVERIFY(!calls.isEmpty());
    QCOMPARE(QString::fromLatin1(calls[0].entry), QStringLiteral("Send"));
    QCOMPARE(calls[0].code, c.code);
    QCOMPARE(calls[0].inputSize, c.frameSize);
    QCOMPARE(calls[0].outputSize, c.outputSize);
    if (calls.size() == 1) {
        const QByteArray frame = m_sim.frame();
        QCOMPARE(frame.size(), c.frameSize);
        QCOMPARE(word(frame, 0), static_cast<quint32>(c.frameSize));
        QCOMPARE(word(frame, 4), c.code);
        QCOMPARE(word(frame, 8), c.displayField);
        QCOMPARE(word(frame, 12), 0u);
        QVector<quint32> words;
        for (int i = 0; i < c.words.size(); ++i)
            words << word(frame, 16 + 4 * i);
        QCOMPARE(words, c.words);
    }
    QStringList expectedLog;
    for (const QString &line : c.log)
        expectedLog << line.left(2) + QStringLiteral("DRIVER_COMMUNICATOR: ") + line.mid(2);
    QCOMPARE(b.logger.lines, expectedLog);
}

void tst_NoxEscape::dpInputLimit()
{
    BoundNox b;
    QByteArray input(77, '\x11');
    m_sim.clearCalls();
    // 77 bytes do not fit the 96-byte payload: refused without an escape.
    QVERIFY(!b.nox->DpTestHarnessCall(0, 1, DP_SETUP_LT_TEST, input.constData(), 77, nullptr, 0));
    QCOMPARE(m_sim.callCount(), 0);
    // 76 bytes fit exactly, right up to the end of the payload.
    QVERIFY(b.nox->DpTestHarnessCall(0, 1, DP_SETUP_LT_TEST, input.constData(), 76, nullptr, 0));
    const QByteArray frame = m_sim.frame();
    QCOMPARE(frame.size(), 16 + 96);
    QCOMPARE(word(frame, 16), 76u + 16u);
    QCOMPARE(frame.mid(16 + 20), QByteArray(76, '\x11'));
}

void tst_NoxEscape::nullRecords()
{
    BoundNox b;
    m_sim.clearCalls();
    QVERIFY(!b.nox->AdapterGetInfo(0, nullptr));
    QVERIFY(!b.nox->ControllerGetMode(0, 0, nullptr));
    QVERIFY(!b.nox->DisplayGetDescriptor(0, 0, nullptr));
    QVERIFY(!b.nox->DisplayGetAdjustmentData(0, 0, 1, nullptr));
    QVERIFY(!b.nox->DisplayGetLinkParams(0, 1, nullptr));
    QVERIFY(!b.nox->DisplayGetDeviceId(0, 1, nullptr));
    QVERIFY(!b.nox->DisplayTestHarnessStereoStatusRefresh(0, 1, nullptr));
    QVERIFY(!b.nox->DisplaySendPsrCommand(2, 4, tagZOVRETH_PSR_INPUT{}, nullptr));
    QCOMPARE(m_sim.callCount(), 0);
    // Without the null test the escape refuses the missing buffer itself.
    QVERIFY(!b.nox->DisplayGetUnderscanInfo(0, 0, nullptr));
    QCOMPARE(m_sim.callCount(), 0);
    QCOMPARE(b.logger.lines.last(),
             QStringLiteral("4|DRIVER_COMMUNICATOR: DriverCommunicator::DisplayGetUnderscanInfo:  "
                            "ADAPTER 0 DISPLAY 0 - "
                            "One of the parameter size is invalid"));
    // Unbound: the escape answers -2 and the wrappers false, with that text.
    CaptureLogger logger;
    AppLoggerInfo info(&logger, 2u, 0);
    NoxInterface unbound(&info, QStringList{});
    logger.take();
    tagADAPTERINFO r{};
    QVERIFY(!unbound.AdapterGetInfo(0, &r));
    QCOMPARE(logger.lines, QStringList{"4|DRIVER_COMMUNICATOR: DriverCommunicator::AdapterGetInfo: "
                                       " ADAPTER 0  - NOX not initialized"});
    QCOMPARE(unbound.GetAdapterLogBufferSize(0), 0u);
    char text[8];
    QCOMPARE(unbound.GetAdapterLoggerLog(0, text, 8), 0ul);
}

void tst_NoxEscape::testModeForcesModeOnlyAfterSuccess()
{
    BoundNox b;
    tagZOVRETH_TESTMODESETTINGS settings{};
    settings.ulTestMode = 3;
    m_sim.clearCalls();
    // On HDMI the DP call fails: no forced mode set follows.
    QVERIFY(!b.nox->DisplaySetTestMode(0, 0, &settings));
    QCOMPARE(m_sim.calls(), QStringList{"Send"});
    QCOMPARE(settings.ulSize, 24u);
    m_sim.clearCalls();
    // On DisplayPort it succeeds (whatever the forced mode set gives without an X server).
    QVERIFY(b.nox->DisplaySetTestMode(0, 1, &settings));
    QCOMPARE(m_sim.calls().first(), QStringLiteral("Send"));
    QCOMPARE(word(m_sim.frame(), 16 + 16), DP_SET_TEST_MODE);
}

void tst_NoxEscape::ddcBlockAccessCopiesWhatFits()
{
    BoundNox b;
    const unsigned char request[7] = {
        0x6E, 0x51, 0x83, 0xF3, 0x00, 0x00, 0x6E ^ 0x51 ^ 0x83 ^ 0xF3};
    // A 10-byte buffer gets 10 bytes even though the reply is longer.
    QByteArray small(16, '\x77');
    QVERIFY(b.nox->DdcBlockAccess(0, 1, request, sizeof(request), small.data(), 10));
    QCOMPARE(small.left(2), QByteArray::fromHex("6ea3"));
    QCOMPARE(small.mid(10), QByteArray(6, '\x77'));
    // A buffer larger than the reply's data area gets at most the data area.
    QByteArray large(400, '\x77');
    QVERIFY(b.nox->DdcBlockAccess(0, 1, request, sizeof(request), large.data(), 300));
    QCOMPARE(large.mid(256), QByteArray(144, '\x77'));
    // A display without DDC/CI fails.
    QVERIFY(!b.nox->DdcBlockAccess(0, 0, request, sizeof(request), large.data(), 38));
}

QTEST_GUILESS_MAIN(tst_NoxEscape)
#include "tst_noxescape.moc"
