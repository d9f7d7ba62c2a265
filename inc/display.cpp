#include "display.h"

#include "adapter.h"
#include "apploggerinfo.h"
#include "dpcdtabledata.h"
#include "drivercommunicator.h"
#include "mstdevicedata.h"
#include "testharnessdata.h"
#include "vyrbaselogger.h"
#include "vyrdevice.h"
#include "vyrdisplaystereoinfo.h"

#include <QDebug>
#include <QRegularExpression>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

// Bit 5 of the output descriptor's flags byte: the display sits behind an MST branch.
const quint8 kDescriptorMstFlag = 0x20;
// Bit 2 of the logger's component flags enables the display's log.
const quint32 kDisplayLogFlag = 0x4;

// The colour depth ForceSetMode sets first, so that setting the real one afterwards
// is a change the driver applies.
qint32 otherColourDepth(qint32 depth)
{
    return depth == 16 || depth == 32 || depth == 64 ? 8 : 16;
}

// Takes every target of a display out of a display map (targetCount targets, shared by
// the maps in order): each map loses the display's targets among its own, and its first
// index moves down by the targets taken out before it. kept receives the remaining
// targets. False, leaving the maps alone, when the display has no target.
bool removeTargets(NOXDisplayMap *maps, int mapCount, const NOXDisplayTarget *targets,
                   int targetCount, int displayIndex, QVector<NOXDisplayTarget> &kept)
{
    if (maps == nullptr || mapCount <= 0 || targets == nullptr || targetCount <= 0)
        return false;
    // keptBefore[i]: how many of the targets before position i stay.
    QVector<int> keptBefore{0};
    for (int i = 0; i < targetCount; ++i) {
        if (targets[i].displayID.iDisplayLogicalIndex != displayIndex)
            kept.append(targets[i]);
        keptBefore.append(kept.size());
    }
    if (kept.size() == targetCount)
        return false;
    // Each map owns the targets from its first index on, as many as its count.
    for (int k = 0; k < mapCount; ++k) {
        NOXDisplayMap &map = maps[k];
        const int first = qBound(0, map.iFirstDisplayTargetArrayIndex, targetCount);
        const int owned = qBound(0, map.iNumDisplayTarget, targetCount - first);
        map.iFirstDisplayTargetArrayIndex = keptBefore[first];
        map.iNumDisplayTarget = keptBefore[first + owned] - keptBefore[first];
    }
    return true;
}

} // namespace

VyrDisplay::VyrDisplay(AppLoggerInfo *logger, DriverCommunicator *communicator,
                       NOXDisplayInfo *record)
    : m_logger(logger)
    , m_info(record)
    , m_communicator(communicator)
    , m_testHarness(new TestHarnessData)
    , m_mst(new MSTDeviceData)
{
    printLog(AppLogInfo, tr("VyrDisplay::VyrDisplay:") + m_info.toString());
}

VyrDisplay::~VyrDisplay()
{
    delete m_stereoInfo;
    delete m_dpcd;
    delete m_testHarness;
    delete m_mst;
    delete[] m_edid;
}

QString VyrDisplay::sinkTypeToString(DisplaySinkType type)
{
    switch (type) {
    case DisplaySinkCrt:
        return tr("CRT");
    case DisplaySinkDviD:
        return tr("DVI_D");
    case DisplaySinkDviI:
        return tr("DVI_I");
    case DisplaySinkCvSmartNa:
        return tr("CV_Smart_NA");
    case DisplaySinkCvSmartJp:
        return tr("CV_Smart_JP");
    case DisplaySinkCvSmartJpn:
        return tr("CV_Smart_JPN");
    case DisplaySinkCvSmartNtsc:
        return tr("CV_Smart_NTSC");
    case DisplaySinkLvds:
        return tr("LVDS");
    case DisplaySinkHdmiA:
        return tr("HdmiA");
    case DisplaySinkHdmiB:
        return tr("HdmiB");
    case DisplaySinkSVideo:
        return tr("SVideo");
    case DisplaySinkComposite:
        return tr("Composite");
    case DisplaySinkComponent:
        return tr("Component");
    case DisplaySinkDisplayPort:
        return tr("DisplayPort");
    case DisplaySinkEdp:
        return tr("EDP");
    case DisplaySinkUnknown:
        break;
    }
    return tr("Unknown");
}

QString VyrDisplay::signalTypeName() const
{
    return sinkTypeToString(static_cast<DisplaySinkType>(m_signalType));
}

void VyrDisplay::printLog(AppLogType type, const QString &text) const
{
    if (m_logger == nullptr || m_logger->logger == nullptr || !(m_logger->flags & kDisplayLogFlag))
        return;
    m_logger->logger->PrintLog(type, tr("DISPLAY %1: ").arg(index()) + text);
}

bool VyrDisplay::haveDriver() const
{
    return m_parent != nullptr && m_communicator != nullptr;
}

int VyrDisplay::adapterIndex() const
{
    return m_parent != nullptr ? m_parent->adapterIndex() : -1;
}

// ---- parent and refresh -------------------------------------------------------------------

void VyrDisplay::SetParent(Adapter *adapter)
{
    if (adapter == nullptr)
        return;
    m_parent = adapter;
    m_info.displayID.iDisplayLogicalAdapterIndex = adapter->adapterIndex();
    if (adapter->device() != nullptr)
        m_info.displayID.iDisplayPhysicalAdapterIndex =
            static_cast<int>(adapter->device()->deviceIndex());
    std::memset(&m_ddcInfo, 0, sizeof(m_ddcInfo));
}

bool VyrDisplay::Update(bool enabled, bool connected)
{
    m_enabled = enabled;
    m_connected = connected;
    updateData(enabled);
    UpdateModes();
    UpdateEdid();
    m_underscanValid = GetUnderscanInfo(m_underscanInfo);
    return true;
}

bool VyrDisplay::updateData(bool enabled)
{
    Q_UNUSED(enabled)
    if (!haveDriver())
        return false;
    const int adapter = adapterIndex();

    std::memset(&m_ddcInfo, 0, sizeof(m_ddcInfo));
    tagDISPLAYDDCINFOEX ddc;
    std::memset(&ddc, 0, sizeof(ddc));
    if (m_communicator->DisplayGetDdcInfoEx(adapter, index(), &ddc))
        m_ddcInfo = ddc;

    // A new, empty DPCD snapshot; UpdateDpcd() reads it.
    auto *dpcd = new DpcdTableData(m_communicator, static_cast<unsigned int>(adapter),
                                   static_cast<unsigned int>(index()), false);
    delete m_dpcd;
    m_dpcd = dpcd;

    // The descriptor record is the whole 96 bytes the driver writes.
    tagDI_DISPLAYOUTPUTDESCRIPTOR descriptor;
    std::memset(&descriptor, 0, sizeof(descriptor));
    m_communicator->DisplayGetDescriptor(adapter, index(), &descriptor);
    m_signalType = descriptor.ulSignalType;
    m_isDp = m_signalType == DisplaySinkDisplayPort || m_signalType == DisplaySinkEdp;
    m_isEdp = m_signalType == DisplaySinkEdp;
    LinkSettings link;
    m_linkParamsValid = m_isDp && GetLinkParams(&link);
    printLog(AppLogTest, tr("SIGNAL TYPE %1").arg(m_signalType));

    m_isMst = (descriptor.ucFlags & kDescriptorMstFlag) != 0;
    if (m_isMst)
        readMstData(descriptor);
    return true;
}

void VyrDisplay::readMstData(const tagDI_DISPLAYOUTPUTDESCRIPTOR &descriptor)
{
    tagDI_MST_SINK_INFO sink;
    std::memset(&sink, 0, sizeof(sink));
    m_communicator->DisplayGetMstDeviceInfo(adapterIndex(), index(), &sink);

    std::memcpy(m_mst->guid, sink.ucGuid, sizeof(m_mst->guid));
    // The relative address runs up to its terminating zero, within its own field.
    std::memset(m_mst->rad, 0, sizeof(m_mst->rad));
    int copied = 0;
    while (copied < static_cast<int>(sizeof(sink.ucRad)) && sink.ucRad[copied] != 0) {
        m_mst->rad[copied] = sink.ucRad[copied];
        ++copied;
    }
    m_mst->linkCount = sink.ucLinkCount;
    m_mst->peerDeviceType = sink.ulPeerDeviceType;
    m_mst->portNumber = sink.ulPortNumber;
    m_mst->maxLinkBandwidth = sink.ulMaxLinkBandwidth;
    m_mst->treeId = descriptor.iMstTreeId;
    // The position of the last RAD byte; a single byte (position 0) keeps -1.
    if (copied - 1 != 0)
        m_radLength = copied - 1;
}

QString VyrDisplay::GetFormatedRAD() const
{
    if (!m_isMst)
        return QString();
    QString text = QString::number(m_mst->rad[0]);
    const int last = std::min(m_radLength, static_cast<qint32>(sizeof(m_mst->rad)) - 1);
    for (int i = 1; i <= last; ++i)
        text += QLatin1Char('.') + QString::number(m_mst->rad[i]);
    return text;
}

QString VyrDisplay::GetFormatedGUID() const
{
    if (!m_isMst)
        return QString();
    QString text;
    for (const quint8 byte : m_mst->guid)
        text += QString::number(byte, 16);
    return text;
}

qint32 VyrDisplay::treeId() const
{
    return m_isMst ? m_mst->treeId : -1;
}

bool VyrDisplay::UpdateModes()
{
    if (m_parent == nullptr || !m_enabled)
        return true;
    if (m_communicator == nullptr)
        return false;
    const int adapter = adapterIndex();
    int count = 0;
    NOXMode *modes = nullptr;
    if (!m_communicator->DisplayGetModes(adapter, index(), &count, &modes))
        return false;
    for (int i = 0; modes != nullptr && i < count; ++i)
        m_modes.insert(VyrDisplayMode::fromNoxMode(modes[i]));
    m_communicator->NoxMemmoryFree(modes);

    m_currentMode = DeviceModeInfo();
    int modeCount = 0;
    return m_communicator->DisplayGetCurrentMode(adapter, index(), &modeCount, &m_currentMode);
}

bool VyrDisplay::UpdateEdid()
{
    if (m_parent == nullptr)
        return false;
    if (!m_connected)
        return false;
    delete[] m_edid;
    m_edid = new unsigned char[EdidBufferSize]();
    if (m_communicator == nullptr)
        return false;
    return m_communicator->DisplayGetEDIDEx(adapterIndex(), index(), m_edid, EdidBufferSize) >= 0;
}

bool VyrDisplay::OverrideEdid(unsigned char *data, int length)
{
    if (!haveDriver())
        return false;
    return m_communicator->DisplayOverrideEDID(adapterIndex(), index(), data, length);
}

bool VyrDisplay::GetUnderscanInfo(tagUNDERSCANINFO &out)
{
    m_underscanValid = false;
    if (!haveDriver())
        return false;
    m_underscanValid = m_communicator->DisplayGetUnderscanInfo(adapterIndex(), index(), &out);
    return m_underscanValid;
}

// ---- EDID -----------------------------------------------------------------------------------

void VyrDisplay::cdataToEdid(QString text)
{
    if (m_edid == nullptr)
        return;
    static const QRegularExpression separators(QStringLiteral("\\W+"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    const int count = std::min(static_cast<int>(parts.size()), EdidBufferSize);
    for (int i = 0; i < count; ++i)
        m_edid[i] = static_cast<unsigned char>(parts.at(i).toUInt(nullptr, 16));
}

QString VyrDisplay::edidToCdata() const
{
    if (m_edid == nullptr)
        return QString();
    QString text;
    text.reserve(EdidBufferSize * 3);
    for (int i = 0; i < EdidBufferSize; ++i)
        text += QString::asprintf("%02X ", m_edid[i]);
    qDebug().noquote() << "VyrDisplay::edidToCdata:" << text;
    return text;
}

bool VyrDisplay::CompareEDID(const VyrDisplay *other) const
{
    if (other == nullptr || m_edid == nullptr || other->m_edid == nullptr)
        return false;
    return std::memcmp(m_edid, other->m_edid, EdidBufferSize) == 0;
}

bool VyrDisplay::Compare(const VyrDisplay *other) const
{
    return other != nullptr && m_info.Compare(other->m_info) && m_enabled == other->m_enabled
           && m_connected == other->m_connected && m_reservedFlag == other->m_reservedFlag
           && m_signalType == other->m_signalType && m_underscanValid == other->m_underscanValid
           && std::memcmp(&m_underscanInfo, &other->m_underscanInfo, sizeof(m_underscanInfo)) == 0
           && std::memcmp(&m_ddcInfo, &other->m_ddcInfo, sizeof(m_ddcInfo)) == 0
           && m_downspreadEnabled == other->m_downspreadEnabled && m_isMst == other->m_isMst
           && m_isDp == other->m_isDp && m_isEdp == other->m_isEdp
           && m_linkParamsValid == other->m_linkParamsValid && m_radLength == other->m_radLength
           && CompareEDID(other);
}

// ---- enable state ------------------------------------------------------------------------------

bool VyrDisplay::IsEnabled(bool &out) const
{
    out = false;
    if (m_parent == nullptr)
        return true;
    if (m_communicator == nullptr)
        return false;
    int count = 0;
    NOXDisplayInfo *records = nullptr;
    if (!m_communicator->DisplaysGetInfoEx(adapterIndex(), &count, &records))
        return false;
    bool found = false;
    for (int i = 0; records != nullptr && i < count && !found; ++i) {
        if (std::memcmp(&records[i].displayID, &m_info.displayID, sizeof(NOXDisplayIdentifier))
            == 0) {
            out = (records[i].iDisplayInfoValue & NOX_DISPLAY_DISPLAYINFO_DISPLAYMAPPED) != 0;
            found = true;
        }
    }
    m_communicator->NoxMemmoryFree(records);
    return found;
}

bool VyrDisplay::IsEnabled() const
{
    bool enabled = false;
    return IsEnabled(enabled) && enabled;
}

bool VyrDisplay::Enable()
{
    if (m_parent == nullptr || m_parent->hasEnabledDisplay())
        return false;
    return m_parent->Activate();
}

bool VyrDisplay::Disable()
{
    if (m_parent == nullptr)
        return false;
    // Turning the adapter off takes all its displays off the desktop: only for its last
    // one. When the adapter refuses, the display still leaves the display map.
    const QList<VyrDisplay *> &enabled = m_parent->enabledDisplays();
    const bool lastOfAdapter = enabled.size() == 1 && enabled.first() == this;
    if (lastOfAdapter && m_parent->Disable())
        return true;
    return leaveDisplayMap();
}

bool VyrDisplay::leaveDisplayMap()
{
    if (m_communicator == nullptr)
        return false;
    const int adapter = adapterIndex();
    int mapCount = 0;
    int targetCount = 0;
    NOXDisplayMap *maps = nullptr;
    NOXDisplayTarget *targets = nullptr;
    bool done =
        m_communicator->DisplayGetMapConfig(adapter, &mapCount, &maps, &targetCount, &targets, 1);
    if (done) {
        QVector<NOXDisplayTarget> kept;
        done = removeTargets(maps, mapCount, targets, targetCount, index(), kept)
               && m_communicator->DisplaySetMapConfig(adapter, mapCount, maps, kept.size(),
                                                      kept.data());
    }
    if (mapCount != 0)
        m_communicator->NoxMemmoryFree(maps);
    if (targetCount != 0)
        m_communicator->NoxMemmoryFree(targets);
    return done;
}

// ---- modes --------------------------------------------------------------------------------------

bool VyrDisplay::setDriverMode(DeviceModeInfo *mode)
{
    return m_communicator != nullptr
           && m_communicator->DisplaySetMode(adapterIndex(), index(), 1, mode);
}

bool VyrDisplay::SetRequestedMode(DeviceModeInfo *mode)
{
    if (m_parent == nullptr || mode == nullptr)
        return false;
    const bool done = setDriverMode(mode);
    const QString text = QString::asprintf(
        "%ux%u %uHz %uBpp Or.%u ", static_cast<unsigned>(mode->xRes),
        static_cast<unsigned>(mode->yRes), static_cast<unsigned>(mode->refreshRate),
        static_cast<unsigned>(mode->colourDepth), static_cast<unsigned>(mode->orientation));
    if (!done)
        printLog(AppLogError, tr(" VyrDisplay::SetRequestedMode: FAILED TO SET MODE %1").arg(text));
    printLog(AppLogInfo, tr("VyrDisplay::SetRequestedMode: SET MODE %1").arg(text));
    return done;
}

bool VyrDisplay::SetMode(unsigned int index)
{
    if (m_parent == nullptr)
        return false;
    const QList<DeviceModeInfo> &modes = m_parent->modes();
    if (index >= static_cast<unsigned int>(modes.size()))
        return false;
    DeviceModeInfo mode = modes.at(static_cast<int>(index));
    mode.xPos = m_currentMode.xPos;
    mode.yPos = m_currentMode.yPos;
    return SetRequestedMode(&mode);
}

bool VyrDisplay::ForceSetMode()
{
    if (m_parent == nullptr)
        return false;
    const qint32 depth = m_currentMode.colourDepth;
    m_currentMode.colourDepth = otherColourDepth(depth);
    const bool first = setDriverMode(&m_currentMode);
    m_currentMode.colourDepth = depth;
    setDriverMode(&m_currentMode);
    return first;
}
