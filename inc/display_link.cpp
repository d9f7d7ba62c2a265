// VyrDisplay: DisplayPort link and lane settings, the driver's test harness (link, dynamic
// refresh rate, timing, stereo), the DPCD snapshot and the MST sideband message.

#include "adapter.h"
#include "display.h"
#include "dpcdtabledata.h"
#include "drivercommunicator.h"
#include "drrconfig.h"
#include "linkadjust.h"
#include "mstdevicedata.h"
#include "testharnessdata.h"
#include "vyrdisplaystereoinfo.h"

#include <cstring>

namespace {

// DPCD register 0x107 (DOWNSPREAD_CTRL, DisplayPort 1.2 section 2.9.3.1), bit 4: spread
// spectrum on.
constexpr unsigned int kDownspreadCtrl = 0x107;
constexpr unsigned int kDownspreadBit = 0x10;

// Link training test messages of the driver's test harness.
constexpr quint32 kLinkTestOn = 1;
constexpr quint32 kLinkTestOff = 3;
// Link rate codes count 270 Mbit/s steps; link rates here count 10 Mbit/s.
constexpr quint32 kLinkRateCodeStep = 27;

// Static-screen event bits the older driver interface numbers differently: {old bit,
// new bit}. Old bit 4 has no counterpart.
constexpr int kEventBits[][2] = {{0, 11}, {1, 12}, {2, 1},  {3, 2},   {5, 7},
                                 {6, 8},  {7, 9},  {8, 13}, {9, 0},   {10, 3},
                                 {11, 4}, {12, 5}, {13, 6}, {14, 10}, {15, 14}};
constexpr quint32 kEscapeEventMask = 0x7FFF;

quint32 moveBits(quint32 value, int from, int to)
{
    quint32 moved = 0;
    for (const auto &pair : kEventBits) {
        if (value & (1u << pair[from]))
            moved |= 1u << pair[to];
    }
    return moved;
}

// Refresh rate in mHz of a frame of vTotal x hTotal pixels at pixelClock Hz.
quint32 refreshAt(quint32 pixelClock, quint32 vTotal, quint32 hTotal)
{
    const quint64 pixels = static_cast<quint64>(vTotal) * hTotal;
    return pixels == 0 ? 0
                       : static_cast<quint32>(static_cast<quint64>(pixelClock) * 1000u / pixels);
}

} // namespace

// ---- link ------------------------------------------------------------------------------------

bool VyrDisplay::GetLinkParams(LinkSettings *settings)
{
    if (settings == nullptr)
        return false;
    tagZOVRETH_DPGETSETLINKPARAMS params{0, settings->laneCount, settings->linkRate};
    if (!displayCall(&NoxInterface::DisplayGetLinkParams, &params))
        return false;
    settings->laneCount = params.ulNumberOfLinks;
    settings->linkRate = params.ulLinkRate;
    return true;
}

bool VyrDisplay::SetLinkParams(LinkSettings *settings)
{
    if (settings == nullptr)
        return false;
    tagZOVRETH_DPGETSETLINKPARAMS params{0, settings->laneCount, settings->linkRate};
    return displayCall(&NoxInterface::DisplaySetLinkParams, &params);
}

bool VyrDisplay::SetLineParams(LinkAdjust *lanes)
{
    if (lanes == nullptr)
        return false;
    tagZOVRETH_LANE_PARAMS params{};
    for (int lane = 0; lane < 4; ++lane) {
        params.ucVoltageSwing[lane] = static_cast<uint8_t>(lanes[lane].voltageSwing);
        params.ucPreEmphasis[lane] = static_cast<uint8_t>(lanes[lane].preEmphasis);
        params.ucPostCursor2[lane] = static_cast<uint8_t>(lanes[lane].postCursor2);
    }
    return displayCall(&NoxInterface::DisplaySetLaneParams, &params);
}

bool VyrDisplay::EnableLTTest(bool on)
{
    tagZOVRETH_MESSAGES message{0, on ? kLinkTestOn : kLinkTestOff, 0, 0};
    return displayCall(&NoxInterface::DisplaySetupLTTest, &message);
}

bool VyrDisplay::SetupLTTest(LinkSettings *settings)
{
    if (settings == nullptr)
        return false;
    tagZOVRETH_MESSAGES message{0, settings->laneCount, settings->linkRate / kLinkRateCodeStep, 0};
    return displayCall(&NoxInterface::DisplaySetupLTTest, &message);
}

bool VyrDisplay::SetSpreadSpectrum(bool on)
{
    tagZOVRETH_TESTMODESETTINGS settings{};
    settings.ulEnable = on ? 1 : 0;
    return displayCall(&NoxInterface::DisplaySetSpreadSpectrum, &settings);
}

bool VyrDisplay::SetTestMode(tagZOVRETH_TESTMODESETTINGS *settings)
{
    return displayCall(&NoxInterface::DisplaySetTestMode, settings);
}

bool VyrDisplay::GetAudioTestParams(tagZOVRETH_AUDIOTESTPARAMS *params)
{
    // Asked without a parent too: the driver refuses the adapter index -1 then.
    return m_communicator != nullptr
           && m_communicator->DisplayGetAudioTestParams(adapterIndex(), index(), params);
}

bool VyrDisplay::SendPsrCommand(tagZOVRETH_PSR_INPUT input, tagZOVRETH_PSR_OUTPUT *output)
{
    return haveDriver()
           && m_communicator->DisplaySendPsrCommand(adapterIndex(), index(), input, output);
}

bool VyrDisplay::THGetCurrentControllerTiming(PellControllerTiming *timing)
{
    return displayCall(&NoxInterface::THGetCurrentControllerTiming, timing);
}

bool VyrDisplay::THAdjustCurrentControllerTiming(const PellControllerTiming *timing)
{
    return displayCall(&NoxInterface::THAdjustCurrentControllerTiming, timing);
}

bool VyrDisplay::THGetCurrentPixelClock(uint32_t *pixelClock)
{
    return displayCall(&NoxInterface::THGetCurrentPixelClock, pixelClock);
}

bool VyrDisplay::THAdjustCurrentPixelClock(const uint32_t *pixelClock)
{
    return displayCall(&NoxInterface::THAdjustCurrentPixelClock, pixelClock);
}

// ---- DPCD, DDC information, device id, sideband
// ---------------------------------------------------

bool VyrDisplay::UpdateDpcd()
{
    if (m_dpcd == nullptr)
        return false;
    m_dpcd->Update();
    m_downspreadEnabled = (m_dpcd->GetValueByAddress(kDownspreadCtrl) & kDownspreadBit) != 0;
    return true;
}

DpcdTableData *VyrDisplay::GetDpcd() const
{
    const bool displayPort =
        m_signalType == DisplaySinkDisplayPort || m_signalType == DisplaySinkEdp;
    return displayPort || m_linkParamsValid ? m_dpcd : nullptr;
}

bool VyrDisplay::GetDdcInfo(tagDISPLAYDDCINFOEX *out) const
{
    if (out == nullptr)
        return false;
    *out = m_ddcInfo;
    return true;
}

quint32 VyrDisplay::GetSerialId() const
{
    return m_ddcInfo.ulSerialNumber;
}

quint32 VyrDisplay::getDeviceId()
{
    unsigned long id = 0;
    m_deviceId = displayCall(&NoxInterface::DisplayGetDeviceId, &id) ? static_cast<quint32>(id)
                                                                     : 0xFFFFFFFFu;
    return m_deviceId;
}

bool VyrDisplay::ProcessAuxDownMessage(DPMstTestSidebandAuxMsgParams *params,
                                       DPMstTestSidebandAuxMsgResult *result, bool toRoot)
{
    if (!m_isMst || params == nullptr)
        return false;
    // The path: link count then relative address, or one hop to the root branch.
    std::memset(params->ucPath, 0, sizeof(params->ucPath));
    if (toRoot) {
        params->ucPath[0] = 1;
    } else {
        params->ucPath[0] = static_cast<uint8_t>(m_mst->linkCount);
        std::memcpy(params->ucPath + 1, m_mst->rad, sizeof(params->ucPath) - 1);
    }
    return displayCall(&NoxInterface::DisplayProcessAuxDownMessage, params, result);
}

// ---- test harness data --------------------------------------------------------------------------

bool VyrDisplay::UpdateTH()
{
    UpdateLink();
    UpdateDrr();
    return true;
}

bool VyrDisplay::UpdateLink()
{
    if (!haveDriver())
        return true;
    tagZOVRETH_STREAMINFO stream{};
    tagZOVRETH_LINKINFO link{};
    m_communicator->DisplayGetStreamInfo(adapterIndex(), index(), &stream);
    m_communicator->DisplayGetLinkInfo(adapterIndex(), index(), &link);

    m_testHarness->stream.Update(stream);
    TestHarnessLink &state = m_testHarness->link;
    state.linkValue = static_cast<quint8>(link.ulLinkValue & 0x7);
    for (int i = 0; i < 5; ++i) {
        state.pairs[i].linkByte = link.ucLinkPairs[2 * i];
        state.pairs[i].linkRate = link.ucLinkPairs[2 * i + 1] * kLinkRateCodeStep;
    }
    state.info1 = link.ulInfo1;
    state.info2 = link.ulInfo2;
    state.colorDepth = TranslateColorDepth(stream.ulColorDepth);
    return true;
}

quint32 VyrDisplay::TranslateColorDepth(quint32 code)
{
    switch (code) {
    case 2:
        return 8;
    case 4:
        return 10;
    case 8:
        return 12;
    default:
        return 6;
    }
}

bool VyrDisplay::UpdateDrr()
{
    if (!haveDriver())
        return true;
    TestHarnessDrr &drr = m_testHarness->drr;
    drr = TestHarnessDrr();

    // The status in the current record; an older driver answers the older one, whose
    // refresh rates count Hz rather than µHz.
    PellGetDrrStatusOutput status{};
    if (!m_communicator->DisplayGetDrrStatus(adapterIndex(), index(), &status)) {
        tagZOVRETH_DRRSTATUS old{};
        old.ulSize = sizeof(old);
        if (!m_communicator->DisplayGetDrrStatusOld(adapterIndex(), index(), &old))
            return false;
        status.ulMinRefreshRate = old.ulMinRefreshRate * 1000000u;
        status.ulMaxRefreshRate = old.ulMaxRefreshRate * 1000000u;
        status.ulMinVTotal = old.ulMinVTotal;
        status.ulMaxVTotal = old.ulMaxVTotal;
        status.ulStatus1 = old.ulStatus;
        status.ulStaticScreenEvents = translateEscapeStaticEventsOldToNew(old.ulStaticScreenEvents);
    }

    PellControllerTiming timing{};
    uint32_t pixelClock = 0;
    if (!THGetCurrentControllerTiming(&timing) || !THGetCurrentPixelClock(&pixelClock)
        || timing.ulHTotal == 0 || timing.ulVTotal == 0 || pixelClock == 0)
        return false;

    drr.maxRefreshRate = status.ulMaxRefreshRate / 1000;
    drr.minRefreshRate = status.ulMinRefreshRate / 1000;
    drr.minVTotal = status.ulMinVTotal != 0 ? status.ulMinVTotal : timing.ulVTotal;
    drr.maxVTotal = status.ulMaxVTotal != 0 ? status.ulMaxVTotal : timing.ulVTotal;
    drr.status1 = status.ulStatus1;
    drr.status2 = status.ulStatus2;
    drr.staticScreenEvents = translateFromEscapeStaticEvents(status.ulStaticScreenEvents);
    drr.staticScreenEvents2 = drr.staticScreenEvents;
    drr.currentVTotal = timing.ulVTotal;
    drr.currentHTotal = timing.ulHTotal;
    drr.pixelClock = pixelClock / 1000;
    if (drr.minVTotal > drr.maxVTotal)
        return false;
    drr.refreshAtMaxVTotal = refreshAt(pixelClock, drr.maxVTotal, timing.ulHTotal);
    drr.refreshAtMinVTotal = refreshAt(pixelClock, drr.minVTotal, timing.ulHTotal);
    return true;
}

bool VyrDisplay::SetDrrConfig(const DrrConfig *config)
{
    if (config == nullptr || !haveDriver())
        return false;
    const quint32 events = translateToEscapeStaticEvents(config->staticScreenEvents);
    const PellSetDrrConfigInput input{config->refreshRate * 1000u, events};
    if (m_communicator->DisplaySetDrrConfig(adapterIndex(), index(), &input))
        return true;
    tagZOVRETH_DRRCONFIG old{sizeof(tagZOVRETH_DRRCONFIG), config->refreshRate / 1000u,
                             translateEscapeStaticEventsNewToOld(events)};
    return m_communicator->DisplaySetDrrConfigOld(adapterIndex(), index(), &old);
}

quint32 VyrDisplay::translateFromEscapeStaticEvents(quint32 events)
{
    return events & kEscapeEventMask;
}

quint32 VyrDisplay::translateToEscapeStaticEvents(quint32 events)
{
    return events & kEscapeEventMask;
}

quint32 VyrDisplay::translateEscapeStaticEventsOldToNew(quint32 events)
{
    return moveBits(events, 0, 1);
}

quint32 VyrDisplay::translateEscapeStaticEventsNewToOld(quint32 events)
{
    return moveBits(events, 1, 0);
}

// ---- stereo ------------------------------------------------------------------------------------

void VyrDisplay::updateStereoInfo()
{
    if (m_parent == nullptr)
        return;
    delete m_stereoInfo;
    m_stereoInfo = nullptr;
    tagZOVRETH_DISPLAY_STEREO3D_INFO record{};
    record.ulSize = sizeof(record);
    if (displayCall(&NoxInterface::DisplayTestHarnessStereoStatusRefresh, &record))
        m_stereoInfo = new VyrDisplayStereoInfo(record);
}

bool VyrDisplay::TestHarnessStereoStatusRefresh(VyrDisplayStereoInfo *out)
{
    updateStereoInfo();
    if (m_stereoInfo == nullptr)
        return false;
    if (out != nullptr)
        *out = *m_stereoInfo;
    return true;
}

bool VyrDisplay::TestHarnessStereo3DControl(int display,
                                            const tagZOVRETH_STEREO3D_CONTROL_INPUT *input)
{
    return haveDriver()
           && m_communicator->DisplayTestHarnessStereo3DControl(adapterIndex(), display, input);
}
