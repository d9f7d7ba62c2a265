// Driver escapes of the simulated library: the frames the program sends through
// Send, the test-harness functions and the escape forms of DDC/CI and AUX access.

#include "noxsimmachine.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Word index of a little-endian word array of size bytes; 0 past its end.
uint32_t wordAt(const unsigned char *data, size_t size, size_t index)
{
    return (index + 1) * 4 <= size ? qFromLittleEndian<quint32>(data + index * 4) : 0u;
}

struct Frame
{
    int adapter = 0;
    uint32_t code = 0;
    uint32_t displayField = 0;
    const unsigned char *input = nullptr; // the caller's input (after the header)
    size_t inputSize = 0;
    unsigned char *output = nullptr;
    size_t outputSize = 0;

    uint32_t word(size_t index) const { return wordAt(input, inputSize, index); }
    // Copies a reply record into the output, cut to the output size.
    template <typename T> void reply(const T &record) const { replyBytes(&record, sizeof(T)); }
    void replyBytes(const void *data, size_t size) const
    {
        if (output && outputSize)
            std::memcpy(output, data, std::min(size, outputSize));
    }
};

const NoxSimDisplay *controllerDisplay(NoxSimMachine &m, int adapter, int controller)
{
    for (const NoxSimDisplay &d : m.displays) {
        if (d.adapter == adapter && d.mapped && d.connected && d.controller == controller)
            return &d;
    }
    return nullptr;
}

uint32_t hTotal(const NoxSimMode &mode)
{
    return static_cast<uint32_t>(mode.width) + 160u;
}

uint32_t vTotal(const NoxSimMode &mode)
{
    return static_cast<uint32_t>(mode.height) + 45u;
}

// Pixel clock in kHz of a mode with reduced blanking.
uint32_t pixelClockKHz(const NoxSimMode &mode)
{
    return static_cast<uint32_t>(
        std::lround(static_cast<double>(hTotal(mode)) * vTotal(mode) * mode.refresh / 1000.0));
}

// Timing of a mode with reduced blanking, in the fields every timing record shares.
template <typename Timing>
void fillTiming(Timing &r, const NoxSimMode &mode, uint32_t verticalTotal, uint32_t pixelClock)
{
    r.ulHTotal = hTotal(mode);
    r.ulHDisplay = static_cast<uint32_t>(mode.width);
    r.ulHSyncStart = static_cast<uint32_t>(mode.width) + 48;
    r.ulHSyncWidth = 32;
    r.ulVTotal = verticalTotal;
    r.ulVDisplay = static_cast<uint32_t>(mode.height);
    r.ulVSyncStart = static_cast<uint32_t>(mode.height) + 3;
    r.ulVSyncWidth = 5;
    r.ulPixelClock = pixelClock;
}

// Vertical-total limits of dynamic refresh: the mode's own total up to three times it,
// unless the display's settings give others.
uint32_t drrMinVTotal(const NoxSimDisplay &d, const NoxSimMode &mode)
{
    return static_cast<uint32_t>(d.setting("drrMinVTotal", static_cast<int>(vTotal(mode))));
}

uint32_t drrMaxVTotal(const NoxSimDisplay &d, const NoxSimMode &mode)
{
    return static_cast<uint32_t>(d.setting("drrMaxVTotal", static_cast<int>(vTotal(mode) * 3)));
}

bool isDisplayPort(const NoxSimDisplay &d)
{
    return d.signalType == NOX_SIGNAL_DISPLAYPORT || d.signalType == NOX_SIGNAL_EDP;
}

int colorDepthFlag(int number)
{
    return number >= 1 && number <= 6 ? 1 << (number - 1) : 0;
}

// ---- DisplayPort test functions -------------------------------------------------------------
int dpCommand(NoxSimDisplay &d, const Frame &f)
{
    if (!isDisplayPort(d))
        return NOX_ERR_NOT_SUPPORTED;
    const uint32_t function = f.word(4);
    const unsigned char *in = f.input + 20;
    const size_t inSize = f.inputSize > 20 ? f.inputSize - 20 : 0;
    auto inWord = [&](size_t i) { return wordAt(in, inSize, i); };
    const NoxSimMode mode = d.activeMode();
    switch (function) {
    case DP_GET_LINK_PARAMS: {
        tagZOVRETH_DPGETSETLINKPARAMS r{12, static_cast<uint32_t>(d.setting("dpLanes", 4)),
                                        static_cast<uint32_t>(d.setting("dpLinkRate", 0x14))};
        f.reply(r);
        return NOX_OK;
    }
    case DP_SET_LINK_PARAMS:
        d.settings["dpLanes"] = static_cast<int>(inWord(1));
        d.settings["dpLinkRate"] = static_cast<int>(inWord(2));
        return NOX_OK;
    case DP_GET_DEVICE_ID: {
        const uint32_t r[2] = {8, 0x53490000u + static_cast<uint32_t>(d.index)};
        f.replyBytes(r, sizeof(r));
        return NOX_OK;
    }
    case DP_SETUP_LT_TEST:
    case DP_SET_LANE_PARAMS:
    case DP_START_TOPOLOGY_DISCOVERY:
        return NOX_OK;
    case DP_SET_TEST_MODE:
        d.settings["dpTestMode"] = static_cast<int>(inWord(1));
        return NOX_OK;
    case DP_SET_SPREAD_SPECTRUM:
        d.settings["dpSpreadSpectrum"] = static_cast<int>(inWord(2));
        return NOX_OK;
    case DP_SET_DITHERING:
        d.settings["ditherState"] = static_cast<int>(inWord(2));
        return NOX_OK;
    case DP_GET_STREAM_INFO: {
        // Colour depth code: 2 is 8 bits per component (4: 10, 8: 12).
        tagZOVRETH_STREAMINFO r{24,
                                static_cast<uint32_t>(d.setting("streamColorDepth", 2)),
                                static_cast<uint32_t>(d.setting("pixelEncoding", 0)),
                                pixelClockKHz(mode),
                                hTotal(mode),
                                vTotal(mode)};
        f.reply(r);
        return NOX_OK;
    }
    case DP_SET_DRR_CONFIG_OLD:
        d.settings["drrRefresh"] = static_cast<int>(inWord(1) * 1000);
        return NOX_OK;
    case DP_GET_DRR_STATUS_OLD: {
        // Refresh rates in Hz.
        tagZOVRETH_DRRSTATUS r{28,
                               48,
                               144,
                               drrMinVTotal(d, mode),
                               drrMaxVTotal(d, mode),
                               1,
                               static_cast<uint32_t>(d.setting("drrEvents", 0x3))};
        f.reply(r);
        return NOX_OK;
    }
    case DP_GET_LINK_INFO: {
        tagZOVRETH_LINKINFO r{};
        r.ulSize = 32;
        // {link-rate code, rate in units of 270 Mbit/s / 10}: RBR, HBR, HBR2, HBR3
        const unsigned char pairs[10] = {0x06, 6, 0x0A, 10, 0x14, 20, 0x1E, 30, 0, 0};
        std::memcpy(r.ucLinkPairs, pairs, sizeof(pairs));
        r.ulLinkValue = 4;
        r.ulInfo1 = static_cast<uint32_t>(d.setting("dpLanes", 4));
        r.ulInfo2 = 1;
        f.reply(r);
        return NOX_OK;
    }
    case DP_GET_AUDIO_TEST_PARAMS: {
        tagZOVRETH_AUDIOTESTPARAMS r{};
        r.ulSize = 44;
        r.ulValues[0] = 2;
        r.ulValues[1] = 48000;
        f.reply(r);
        return NOX_OK;
    }
    default:
        return NOX_ERR_NOT_SUPPORTED;
    }
}

// ---- product display commands -----------------------------------------------------------------
int pellCommand(NoxSimDisplay &d, const Frame &f)
{
    const uint32_t command = f.word(4);
    const uint32_t inSize = f.word(5);
    const unsigned char *in = f.input + 24;
    const size_t room = f.inputSize > 24 ? f.inputSize - 24 : 0;
    if (inSize > room)
        return NOX_ERR_INVALID_PARAM_SIZE;
    auto inWord = [&](size_t i) { return wordAt(in, inSize, i); };
    const NoxSimMode mode = d.activeMode();
    switch (command) {
    case PELL_GET_DISPLAY_SETTINGS: {
        PellGetDisplaySettingsOutput r{
            static_cast<uint32_t>(colorDepthFlag(d.setting("colorDepth", 4))),
            static_cast<uint32_t>(d.setting("pixelEncoding", 0))};
        f.reply(r);
        return NOX_OK;
    }
    case PELL_GET_SUPPORTED_COLOR_DEPTH: {
        PellGetColorDepthOutput r{
            static_cast<uint32_t>(d.setting("supportedColorDepths", 0x3E) >> 1)};
        f.reply(r);
        return NOX_OK;
    }
    case PELL_GET_PIXEL_ENCODING: {
        PellGetPixelEncodingOutput r{static_cast<uint32_t>(d.setting("pixelEncoding", 0))};
        f.reply(r);
        return NOX_OK;
    }
    case PELL_SET_PIXEL_ENCODING:
        d.settings["pixelEncoding"] = static_cast<int>(inWord(0));
        return NOX_OK;
    case PELL_GET_CONTROLLER_TIMING: {
        PellControllerTiming r{};
        fillTiming(r, mode,
                   static_cast<uint32_t>(d.setting("vTotal", static_cast<int>(vTotal(mode)))),
                   pixelClockKHz(mode));
        f.reply(r);
        return NOX_OK;
    }
    case PELL_ADJUST_CONTROLLER_TIMING:
        d.settings["vTotal"] = static_cast<int>(inWord(6));
        return NOX_OK;
    case PELL_GET_PIXEL_CLOCK: {
        // In Hz.
        const uint32_t clock = static_cast<uint32_t>(
            d.setting("pixelClock", static_cast<int>(pixelClockKHz(mode) * 1000u)));
        f.replyBytes(&clock, sizeof(clock));
        return NOX_OK;
    }
    case PELL_ADJUST_PIXEL_CLOCK:
        d.settings["pixelClock"] = static_cast<int>(inWord(0));
        return NOX_OK;
    case PELL_SET_DRR_CONFIG:
        d.settings["drrRefresh"] = static_cast<int>(inWord(0));
        d.settings["drrEvents"] = static_cast<int>(inWord(1));
        return NOX_OK;
    case PELL_GET_DRR_STATUS: {
        // A display set to "drrStatusOld" answers only the older status record.
        if (!isDisplayPort(d) || d.setting("drrStatusOld", 0))
            return NOX_ERR_NOT_SUPPORTED;
        // Refresh rates in µHz.
        PellGetDrrStatusOutput r{static_cast<uint32_t>(d.setting("drrEvents", 0x3)),
                                 drrMinVTotal(d, mode),
                                 drrMaxVTotal(d, mode),
                                 1,
                                 0,
                                 144000000,
                                 48000000,
                                 0};
        f.reply(r);
        return NOX_OK;
    }
    default:
        return NOX_ERR_NOT_SUPPORTED;
    }
}

int displayTestHarness(NoxSimMachine &m, const Frame &f)
{
    NoxSimDisplay *d = m.display(f.adapter, static_cast<int>(f.displayField));
    if (!d)
        return NOX_ERR_INVALID_DIPLAY_IDX;
    switch (f.word(1)) {
    case ZOVRETH_DISPLAY_DPCOMMAND:
        return dpCommand(*d, f);
    case ZOVRETH_DISPLAY_FORCE_PANELFORMAT:
        d->settings["panelFormatEnable"] = static_cast<int>(f.word(5));
        d->settings["panelFormat"] = static_cast<int>(f.word(6));
        return NOX_OK;
    case ZOVRETH_DISPLAY_SETUP_SYNC:
        d->settings["syncMode"] = static_cast<int>(f.word(5));
        return NOX_OK;
    case ZOVRETH_DISPLAY_GET_SYNC_STATUS: {
        tagZOVRETH_DISPLAY_SYNC_STATUS r{};
        r.ulSize = sizeof(r);
        r.ulSyncState = static_cast<uint32_t>(d->setting("syncMode", 0));
        f.reply(r);
        return NOX_OK;
    }
    case ZOVRETH_DISPLAY_STEREO_STATUS_REFRESH: {
        tagZOVRETH_DISPLAY_STEREO3D_INFO r{};
        r.ulSize = sizeof(r);
        for (uint32_t i = 0; i < 9; ++i)
            r.ulValues[i] = i + 1;
        f.reply(r);
        return NOX_OK;
    }
    case ZOVRETH_DISPLAY_DPMSTCOMMAND: {
        if (!d->mst)
            return NOX_ERR_NOT_SUPPORTED;
        if (f.word(4) != DPMST_PROCESS_AUX_DOWN_MESSAGE)
            return NOX_ERR_NOT_SUPPORTED;
        // Answers a sideband down request with an acknowledgement carrying the
        // request's first bytes back.
        DPMstTestSidebandAuxMsgParams params{};
        const size_t room = f.inputSize > 20 ? f.inputSize - 20 : 0;
        std::memcpy(&params, f.input + 20, std::min(room, sizeof(params)));
        DPMstTestSidebandAuxMsgResult result{};
        result.ulReplyLength = std::min<uint32_t>(params.ulRequestLength, 16);
        result.ucReply[0] = 0x10; // ACK
        std::memcpy(result.ucReply + 1, params.ucRequest,
                    std::min<size_t>(result.ulReplyLength, 15));
        f.reply(result);
        return NOX_OK;
    }
    case ZOVRETH_DISPLAY_PSRCOMMAND: {
        if (d->signalType != NOX_SIGNAL_EDP)
            return NOX_ERR_NOT_SUPPORTED;
        tagZOVRETH_PSR_OUTPUT r{};
        r.ulSize = sizeof(r);
        r.ulVersion = 3;
        r.ulStatus = 1;
        f.reply(r);
        return NOX_OK;
    }
    case ZOVRETH_PELL_DISPLAY_COMMAND:
        return pellCommand(*d, f);
    default:
        return NOX_ERR_NOT_SUPPORTED;
    }
}

int adapterTestHarness(NoxSimMachine &m, const Frame &f)
{
    switch (f.word(1)) {
    case ZOVRETH_MEASURE_TIMINGS_DELTA: {
        tagZOVRETH_MEASURE_TIMINGS_DELTA_OUTPUT r{};
        r.ulSize = sizeof(r);
        r.lDeltaPixels = static_cast<int32_t>(f.word(5)) - static_cast<int32_t>(f.word(6));
        r.lDeltaLines = 0;
        f.reply(r);
        return NOX_OK;
    }
    case ZOVRETH_STEREO3D_CONTROL:
        return NOX_OK;
    case ZOVRETH_DRIVER_LOGGER:
        // The logger's own bytes follow the 20-byte test-harness header.
        return noxSimLoggerCommand(m, f.word(4), f.inputSize > 20 ? f.input + 20 : nullptr,
                                   f.inputSize > 20 ? f.inputSize - 20 : 0, f.output, f.outputSize);
    default:
        return NOX_ERR_NOT_SUPPORTED;
    }
}

int auxEscape(NoxSimMachine &m, NoxSimDisplay &d, const Frame &f)
{
    tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA in{};
    if (f.inputSize < sizeof(in))
        return NOX_ERR_INVALID_PARAM_SIZE;
    std::memcpy(&in, f.input, sizeof(in));
    if (in.ulByteCount > sizeof(in.ucData))
        return NOX_ERR_INVALID_PARAM_SIZE;
    if (!isDisplayPort(d))
        return NOX_ERR_NOT_SUPPORTED;
    if (in.ulCommand < 1 || in.ulCommand > 4)
        return NOX_ERR_INVALID_PARAM;
    // Commands: 1 read, 2 write, 3 read and 4 write through the branch.
    const bool write = in.ulCommand % 2 == 0;
    tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA out{};
    out.ulSize = sizeof(out);
    unsigned int replied = 0;
    const int result = noxSimAuxTransfer(m, d, write, in.ulCommand >= 3, in.ulAddress,
                                         write ? in.ucData : out.ucData, in.ulByteCount,
                                         sizeof(out.ucData), &replied);
    if (result != NOX_OK)
        return result;
    out.ulStatus = 1;
    out.ulByteCount = replied;
    f.reply(out);
    return NOX_OK;
}

int displayEscape(NoxSimMachine &m, const Frame &f)
{
    NoxSimDisplay *d = m.display(f.adapter, static_cast<int>(f.displayField));
    if (!d)
        return NOX_ERR_INVALID_DIPLAY_IDX;
    const NoxSimMode mode = d->activeMode();
    switch (f.code) {
    case NOX_ESC_DISPLAY_DDC_INFO: {
        if (!d->connected)
            return NOX_ERR;
        tagDISPLAYDDCINFOEX r{};
        r.ulSize = sizeof(r);
        r.ulSupportsDDC = d->edid.isEmpty() ? 0 : 1;
        if (d->edid.size() >= 12) {
            // EDID bytes 8-9: manufacturer name, big-endian; 10-11: product code,
            // little-endian (VESA E-EDID 3.4).
            r.ulManufacturerID = qFromBigEndian<quint16>(d->edid.constData() + 8);
            r.ulProductID = qFromLittleEndian<quint16>(d->edid.constData() + 10);
        }
        r.ulMaxHResolution = static_cast<uint32_t>(mode.width);
        r.ulMaxVResolution = static_cast<uint32_t>(mode.height);
        noxSimCopyText(r.cDisplayName, sizeof(r.cDisplayName), d->name);
        r.ulSerialNumber = d->serialNumber;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_ADJUSTMENT_GET: {
        const uint32_t r[2] = {
            8, static_cast<uint32_t>(d->setting("adjustment" + std::to_string(f.word(1)), 50))};
        f.replyBytes(r, sizeof(r));
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_ADJUSTMENT_SET:
        d->settings["adjustment" + std::to_string(f.word(1))] = static_cast<int>(f.word(2));
        return NOX_OK;
    case NOX_ESC_DISPLAY_ADJUSTMENT_INFO: {
        tagDI_ADJUSTMENTINFOEX r{};
        r.ulSize = static_cast<uint32_t>(std::min<size_t>(f.outputSize, sizeof(r)));
        r.ulAdjustmentId = f.word(1);
        r.lDefault = 50;
        r.lMin = 0;
        r.lMax = 100;
        r.lStep = 1;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_DDC_BLOCK_ACCESS: {
        tagDDCBLOCKACCESSINPUT in{};
        if (f.inputSize < sizeof(in))
            return NOX_ERR_INVALID_PARAM_SIZE;
        std::memcpy(&in, f.input, sizeof(in));
        tagDDCBLOCKACCESSOUTPUT out{};
        out.ulSize = sizeof(out);
        int returned = 0;
        const int r = noxSimDdcTransfer(
            *d, in.ucData, static_cast<int>(std::min<uint32_t>(in.ulWriteSize, 256)), out.ucData,
            static_cast<int>(std::min<uint32_t>(in.ulReadSize, 256)), &returned);
        if (r != NOX_OK)
            return r;
        out.ulReturnedLength = static_cast<uint32_t>(returned);
        f.reply(out);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_UNDERSCAN_INFO: {
        tagUNDERSCANINFO r{};
        r.ulSize = sizeof(r);
        r.ulCurrent = static_cast<uint32_t>(d->setting("underscan", 0));
        r.ulMax = 15;
        r.ulStep = 1;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_OUTPUT_DESCRIPTOR: {
        tagDI_DISPLAYOUTPUTDESCRIPTOR r{};
        r.ulSize = sizeof(r);
        r.ulSignalType = d->signalType;
        r.ulConnectorType = static_cast<uint32_t>(d->connector);
        r.ulEncoderId = static_cast<uint32_t>(d->index);
        r.ulControllerIndex = static_cast<uint32_t>(d->controller);
        r.ucFlags = d->mst ? 0x20 : 0x00;
        r.iMstTreeId = d->mst ? d->mstTreeId : -1;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_EDID_OVERRIDE: {
        NOXDisplayEDIDOverride in{};
        if (f.inputSize < sizeof(in))
            return NOX_ERR_INVALID_PARAM_SIZE;
        std::memcpy(&in, f.input, sizeof(in));
        if (in.ulSize != sizeof(in) || in.ulDataSize == 0 || in.ulDataSize > 512)
            return NOX_ERR_INVALID_PARAM;
        // From now on the display reports the EDID it was given.
        d->edid =
            QByteArray(reinterpret_cast<const char *>(in.ucData), static_cast<int>(in.ulDataSize));
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_NATIVE_AUX:
        return auxEscape(m, *d, f);
    case NOX_ESC_DISPLAY_MST_SINK_INFO: {
        if (!d->mst)
            return NOX_ERR_NOT_SUPPORTED;
        tagDI_MST_SINK_INFO r{};
        r.ulSize = sizeof(r);
        std::memcpy(r.ucGuid, d->mstGuid.constData(),
                    std::min<size_t>(16, static_cast<size_t>(d->mstGuid.size())));
        r.ucLinkCount = static_cast<uint8_t>(d->mstLinkCount);
        std::memcpy(r.ucRad, d->mstRad.constData(),
                    std::min<size_t>(14, static_cast<size_t>(d->mstRad.size())));
        r.ulPeerDeviceType = 3; // SST sink
        r.ulPortNumber = d->mstRad.isEmpty() ? 0u : static_cast<uint8_t>(d->mstRad.back());
        r.ulMaxLinkBandwidth = 0x14;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_TILE_CONFIG: {
        tagDI_DISPLAYTILE_CONFIG r{};
        r.ulSize = sizeof(r);
        r.ulNumHTiles = 1;
        r.ulNumVTiles = 1;
        r.ulTileWidth = static_cast<uint32_t>(mode.width);
        r.ulTileHeight = static_cast<uint32_t>(mode.height);
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_DISPLAY_TEST_HARNESS:
        return displayTestHarness(m, f);
    default:
        return NOX_ERR_NOT_SUPPORTED;
    }
}

} // namespace

int noxSimEscape(NoxSimMachine &m, const NOXEscapeCall &call)
{
    if (!call.pInput || call.iInputSize < static_cast<int>(sizeof(NOXEscapeHeader)))
        return NOX_ERR_INVALID_PARAM_SIZE;
    NOXEscapeHeader header{};
    std::memcpy(&header, call.pInput, sizeof(header));
    if (header.ulSize != static_cast<uint32_t>(call.iInputSize) || call.iOutputSize < 0)
        return NOX_ERR_INVALID_PARAM_SIZE;
    if (call.iOutputSize > 0 && !call.pOutput)
        return NOX_ERR_NULL_POINTER;
    NoxSimAdapter *adapter = m.adapter(call.iAdapterIndex);
    if (!adapter)
        return NOX_ERR_INVALID_NOX_INDEX;

    Frame f;
    f.adapter = call.iAdapterIndex;
    f.code = header.ulEscapeCode;
    f.displayField = header.ulDisplay;
    f.input = static_cast<const unsigned char *>(call.pInput) + sizeof(header);
    f.inputSize = static_cast<size_t>(call.iInputSize) - sizeof(header);
    f.output = static_cast<unsigned char *>(call.pOutput);
    f.outputSize = static_cast<size_t>(call.iOutputSize);

    switch (f.code) {
    case NOX_ESC_ADAPTER_CAPS: {
        tagADAPTERCAPS r{};
        r.ulSize = sizeof(r);
        r.ulNumControllers = 4;
        r.ulNumDisplays = static_cast<uint32_t>(m.displaysOfDevice(f.adapter).size());
        r.ulNumOverlays = 1;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_ADAPTER_INFO: {
        tagADAPTERINFO r{static_cast<uint32_t>(sizeof(tagADAPTERINFO)),
                         static_cast<uint32_t>(adapter->bus),
                         static_cast<uint32_t>(adapter->device),
                         static_cast<uint32_t>(adapter->function), adapter->active ? 1u : 0u};
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_ADAPTER_CRTC_OWNED: {
        tagCRTCOWNED r{};
        r.ulSize = sizeof(r);
        for (const NoxSimDisplay &d : m.displays) {
            if (d.adapter == f.adapter && d.mapped && d.connected && d.controller >= 0
                && d.controller < 32) {
                r.ulCrtcMask |= 1u << d.controller;
                ++r.ulNumCrtc;
            }
        }
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_CONTROLLER_MODE:
    case NOX_ESC_CONTROLLER_TIMING_DATA: {
        const NoxSimDisplay *d = controllerDisplay(m, f.adapter, static_cast<int>(f.displayField));
        if (!d)
            return NOX_ERR_INVALID_CONTROLLER_IDX;
        const NoxSimMode mode = d->activeMode();
        if (f.code == NOX_ESC_CONTROLLER_MODE) {
            tagCONTROLLERMODE r{};
            r.ulSize = sizeof(r);
            r.ulPelsWidth = static_cast<uint32_t>(mode.width);
            r.ulPelsHeight = static_cast<uint32_t>(mode.height);
            r.ulBitsPerPixel = static_cast<uint32_t>(mode.depth);
            r.ulRefreshRate = static_cast<uint32_t>(std::lround(mode.refresh));
            r.ulPixelClock = pixelClockKHz(mode) / 10;
            f.reply(r);
        } else {
            tagCONTROLLERTIMINGDATA r{};
            r.ulSize = sizeof(r);
            fillTiming(r, mode, vTotal(mode), pixelClockKHz(mode) / 10);
            f.reply(r);
        }
        return NOX_OK;
    }
    case NOX_ESC_ASIC_ID: {
        tagCIASICID r{};
        r.ulSize = sizeof(r);
        r.ulFamily = static_cast<uint32_t>(adapter->asicFamily);
        r.ulRevision = 1;
        r.ulChipId = 0x5678;
        r.ulMemorySize = 8192;
        r.usVendorId = static_cast<uint16_t>(adapter->vendorId);
        r.usDeviceId = 0x5678;
        r.usRevisionId = 1;
        f.reply(r);
        return NOX_OK;
    }
    case NOX_ESC_ADAPTER_TEST_HARNESS:
        return adapterTestHarness(m, f);
    default:
        break;
    }
    if ((f.code >> 16) == 0x13)
        return displayEscape(m, f);
    return NOX_ERR_NOT_SUPPORTED;
}
