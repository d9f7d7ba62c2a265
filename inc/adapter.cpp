#include "adapter.h"

#include "apploggerinfo.h"
#include "controller.h"
#include "display.h"
#include "drivercommunicator.h"
#include "mstdevicedata.h"
#include "vyrbaselogger.h"
#include "vyrbranch.h"

#include <cstring>

namespace {

// Bit 3 of the logger's component flags enables the adapter's log.
const quint32 kAdapterLogFlag = 0x8;
// Number of controller bits in the owned-controller mask.
const unsigned int kControllerBits = 32;

bool bitSet(int value, int mask)
{
    return (value & mask) != 0;
}

} // namespace

Adapter::Adapter(AppLoggerInfo *logger, DriverCommunicator *communicator, AdapterInfo *record,
                 VyrDisplayMapConfig *mapConfig, QList<VyrDisplay *> *displayList,
                 VyrDevice *device)
    : m_device(device)
    , m_logger(logger)
    , m_mapConfig(mapConfig)
    , m_displayList(displayList)
    , m_communicator(communicator)
    , m_adapterInfo(record)
{
    printLog(AppLogInfo, tr("AdapterInfo:") + m_adapterInfo.toString());
    if (!libraryLoaded()) {
        printLog(AppLogError, tr("Adapter::Update() - DrvCom not initialized"));
        return;
    }
    readIdentity();
}

Adapter::~Adapter()
{
    clearControllers();
    clearMstBranches();
}

bool Adapter::libraryLoaded() const
{
    return m_communicator != nullptr && m_communicator->IsNoxLoaded();
}

void Adapter::readIdentity()
{
    // A failed read keeps what was read before.
    NOXBiosInfo bios;
    std::memset(&bios, 0, sizeof(bios));
    if (m_communicator->AdapterGetVBiosInfo(adapterIndex(), &bios))
        m_vbios.Update(bios);
    tagCIASICID asic;
    std::memset(&asic, 0, sizeof(asic));
    if (m_communicator->AdapterGetAsicId(adapterIndex(), &asic))
        m_asicId.Update(asic);
}

void Adapter::clearControllers()
{
    qDeleteAll(m_controllers);
    m_controllers.clear();
}

void Adapter::clearMstBranches()
{
    qDeleteAll(m_mstBranches);
    m_mstBranches.clear();
}

void Adapter::printLog(AppLogType type, const QString &text) const
{
    if (m_logger == nullptr || m_logger->logger == nullptr || !(m_logger->flags & kAdapterLogFlag))
        return;
    QString line = tr("ADAPTER %1 ").arg(adapterIndex());
    if (!m_adapterInfo.DisplayName.isEmpty())
        line += QStringLiteral("(") + m_adapterInfo.DisplayName + QStringLiteral("): ");
    m_logger->logger->PrintLog(type, line + text);
}

// ---- refresh ----------------------------------------------------------------------------------

void Adapter::Update()
{
    if (m_skipUpdates != 0)
        return;
    printLog(AppLogInfo, tr("Adapter::Update() Start"));
    m_reserved = 0;
    m_hasEnabledDisplay = false;
    m_enabledDisplays.clear();
    clearControllers();
    m_notEnabledDisplays.clear();
    if (!libraryLoaded()) {
        printLog(AppLogError, tr("Adapter::Update() - DrvCom not initialized"));
        return;
    }
    readIdentity();
    addControllers();
    printLog(AppLogTest, tr("\t Number of controllers = %1").arg(m_controllers.size()));

    const QList<VyrDisplay *> displays =
        m_displayList != nullptr ? *m_displayList : QList<VyrDisplay *>();
    for (VyrDisplay *display : displays) {
        const VyrDisplayInfo &info = display->info();
        if (!bitSet(info.iDisplayInfoValue, NOX_DISPLAY_DISPLAYINFO_DISPLAYCONNECTED))
            continue;
        const bool mine = info.displayID.iDisplayLogicalAdapterIndex == adapterIndex();
        if (!mine)
            continue;
        if (bitSet(info.iDisplayInfoValue, NOX_DISPLAY_DISPLAYINFO_DISPLAYMAPPED)) {
            display->SetParent(this);
            display->Update(true, true);
            m_hasEnabledDisplay = true;
            int count = 0;
            m_communicator->DisplayGetModeList(adapterIndex(), &count, &m_modes);
            m_enabledDisplays.append(display);
        } else if (info.iDisplayControllerIndex == -1) {
            display->SetParent(this);
            display->Update(false, true);
            m_notEnabledDisplays.append(display);
        }
    }

    std::memset(&m_adapterInfoRecord, 0, sizeof(m_adapterInfoRecord));
    m_communicator->AdapterGetInfo(adapterIndex(), &m_adapterInfoRecord);
    printLog(AppLogInfo, tr("Adapter::Update() done"));
    updateMstDisplayList();
}

void Adapter::UpdateDisplayList(QList<VyrDisplay *> &displays)
{
    if (m_displayList != nullptr)
        *m_displayList = displays;
    Update();
}

// ---- controllers ------------------------------------------------------------------------------

Controller *Adapter::getController(unsigned int index) const
{
    for (Controller *controller : m_controllers) {
        if (controller->index() == index)
            return controller;
    }
    return nullptr;
}

Controller *Adapter::addController(unsigned int index)
{
    if (Controller *existing = getController(index))
        return existing;
    if (!libraryLoaded())
        return nullptr;
    tagCONTROLLERMODE mode;
    std::memset(&mode, 0, sizeof(mode));
    if (!m_communicator->ControllerGetMode(adapterIndex(), static_cast<int>(index), &mode))
        return nullptr;
    auto *controller = new Controller(index);
    controller->setMode(mode);
    tagCONTROLLERTIMINGDATA timing;
    std::memset(&timing, 0, sizeof(timing));
    if (m_communicator->ControllerGetTimingData(adapterIndex(), static_cast<int>(index), &timing))
        controller->setTiming(timing);
    m_controllers.append(controller);
    return controller;
}

void Adapter::addControllers()
{
    if (!libraryLoaded())
        return;
    tagCRTCOWNED owned;
    std::memset(&owned, 0, sizeof(owned));
    if (!m_communicator->AdapterGetCrtcOwned(adapterIndex(), &owned))
        return;
    for (unsigned int bit = 0; bit < kControllerBits; ++bit) {
        if ((owned.ulCrtcMask & (1u << bit)) != 0 && addController(bit) == nullptr)
            return;
    }
}

bool Adapter::GetControllerTimingData(int *index, tagCONTROLLERTIMINGDATA *timing) const
{
    if (index != nullptr)
        *index = -1;
    if (m_controllers.isEmpty())
        return false;
    const Controller *first = m_controllers.first();
    if (timing != nullptr)
        *timing = first->timing();
    if (index != nullptr)
        *index = static_cast<int>(first->index());
    return true;
}

// ---- displays
// ------------------------------------------------------------------------------------

VyrDisplay *Adapter::GetDisplay(int displayIndex) const
{
    for (VyrDisplay *display : m_enabledDisplays) {
        if (display->info().displayID.iDisplayLogicalIndex == displayIndex)
            return display;
    }
    return nullptr;
}

bool Adapter::SetMode(unsigned int displayIndex, unsigned int index)
{
    if (m_skipUpdates != 0 || !libraryLoaded())
        return false;
    if (index >= static_cast<unsigned int>(m_modes.size()))
        return false;
    DeviceModeInfo mode = m_modes.at(static_cast<int>(index));
    return m_communicator->DisplaySetMode(adapterIndex(), static_cast<int>(displayIndex), 1, &mode);
}

QString Adapter::GetRegPath() const
{
    return QStringLiteral("HKEY_LOCAL_MACHINE")
           + QStringLiteral("\\SYSTEM\\CurrentControlSet\\Control\\Class\\")
           + m_adapterInfo.DriverKey;
}

bool Adapter::isChildMstDevice(VyrDisplay *parent, VyrDisplay *child) const
{
    if (parent == nullptr)
        return false;
    const qint32 length = parent->radLength();
    if (length <= 0)
        return true;
    if (child == nullptr || !parent->isMst() || !child->isMst())
        return false;
    const int n = qMin(length, static_cast<qint32>(sizeof(MSTDeviceData::rad)));
    return std::memcmp(parent->mst()->rad, child->mst()->rad, static_cast<size_t>(n)) == 0;
}

// ---- MST
// ---------------------------------------------------------------------------------------------

void Adapter::updateMstDisplayList()
{
    m_mstDisplays.clear();
    for (VyrDisplay *display : qAsConst(m_enabledDisplays)) {
        if (display->isMst() && display->connected() && display->radLength() != -1)
            m_mstDisplays.append(display);
    }
    updateMstBranches();
}

void Adapter::updateMstBranches()
{
    clearMstBranches();
    for (VyrDisplay *display : qAsConst(m_mstDisplays)) {
        if (display->radLength() < 2)
            m_mstBranches.append(new VyrBranch(display));
    }
}

bool Adapter::appendMstChild(VyrBranch *branch)
{
    if (branch == nullptr || branch->display == nullptr)
        return false;
    VyrDisplay *root = branch->display;
    bool appended = false;
    for (VyrDisplay *display : qAsConst(m_mstDisplays)) {
        const qint32 treeId = display->isMst() ? display->mst()->treeId : -1;
        if (!display->connected() || treeId != branch->treeId
            || display->radLength() != root->radLength() + 1 || !isChildMstDevice(root, display))
            continue;
        VyrBranch child(display);
        appendMstChild(&child);
        branch->children.append(display);
        appended = true;
    }
    return appended;
}

// ---- comparison
// --------------------------------------------------------------------------------------

bool Adapter::Compare(const Adapter *other) const
{
    if (other == nullptr)
        return false;
    if (m_hasEnabledDisplay != other->m_hasEnabledDisplay)
        return false;
    for (int offset : {8, 12, 36}) {
        if (m_asicId.word(offset) != other->m_asicId.word(offset))
            return false;
    }
    for (int offset : {32, 34, 52, 54, 56}) {
        if (m_asicId.value16(offset) != other->m_asicId.value16(offset))
            return false;
    }
    if (m_vbios != other->m_vbios || m_adapterInfo != other->m_adapterInfo)
        return false;
    if (std::memcmp(&m_adapterInfoRecord, &other->m_adapterInfoRecord, sizeof(tagADAPTERINFO)) != 0)
        return false;
    if (m_modes != other->m_modes)
        return false;
    const int ownCount = m_displayList != nullptr ? m_displayList->size() : 0;
    const int otherCount = other->m_displayList != nullptr ? other->m_displayList->size() : 0;
    if (ownCount != otherCount)
        return false;
    return compareLists(m_enabledDisplays, other->m_enabledDisplays);
}

bool Adapter::compareLists(QList<VyrDisplay *> a, QList<VyrDisplay *> b)
{
    while (!a.isEmpty()) {
        int match = -1;
        for (int i = 0; i < b.size() && match < 0; ++i) {
            if (a.first()->Compare(b.at(i)))
                match = i;
        }
        if (match < 0)
            return false;
        a.removeFirst();
        b.removeAt(match);
    }
    return b.isEmpty();
}

// ---- driver calls
// ------------------------------------------------------------------------------------

bool Adapter::GetTarvishSupport(int *support)
{
    return m_communicator != nullptr
           && m_communicator->AdapterGetTarvishSupport(adapterIndex(), support);
}

bool Adapter::LoadDefaultAudioChannelTable(int first, int second, unsigned int third,
                                           NOXDisplayChannelMapping **table)
{
    return m_communicator != nullptr
           && m_communicator->AdapterLoadDefaultAudioChannelTable(adapterIndex(), first, second,
                                                                  static_cast<int>(third), table);
}

bool Adapter::GetAudioChannelSplitConfiguration(NOXAudioChannelSplitSetting *setting)
{
    return m_communicator != nullptr
           && m_communicator->AdapterGetAudioChannelSplitConfiguration(adapterIndex(), setting);
}

bool Adapter::EnableAudioChannelSplit(NOXAudioChannelSplitSetting *setting)
{
    return m_communicator != nullptr
           && m_communicator->AdapterEnableAudioChannelSplit(adapterIndex(), setting);
}

bool Adapter::DisableAudioChannelSplit()
{
    return m_communicator != nullptr
           && m_communicator->AdapterDisableAudioChannelSplit(adapterIndex());
}

bool Adapter::GetCurrentSampleRate(int *rate)
{
    return m_communicator != nullptr && m_communicator->AudioGetCurrentSampleRate(rate);
}

bool Adapter::GetAudioDelayAdjustmentInfo(NOXApoAudioDelayRangeInfo *info)
{
    return m_communicator != nullptr && m_communicator->AudioGetAudioDelayAdjustmentInfo(info);
}

bool Adapter::SetApoAudioDelay(NOXAudioDelayPerSampleRate *delay)
{
    return m_communicator != nullptr && m_communicator->AudioSetApoDelay(adapterIndex(), delay);
}

bool Adapter::GetAsicFamilyType(int *type, int *valids)
{
    return m_communicator != nullptr
           && m_communicator->AdapterGetAsicFamilyType(adapterIndex(), type, valids);
}

bool Adapter::Activate()
{
    int result = 0;
    return m_communicator != nullptr
           && m_communicator->AdapterSetActive(adapterIndex(), 1, &result);
}

bool Adapter::Disable()
{
    int result = 0;
    return m_communicator != nullptr
           && m_communicator->AdapterSetActive(adapterIndex(), 0, &result);
}

bool Adapter::MakePrimary()
{
    return m_communicator != nullptr && m_communicator->AdapterSetPrimary(adapterIndex());
}

bool Adapter::GetVideoColorParameter(int feature, float &value)
{
    return m_communicator != nullptr
           && m_communicator->VideoGetColorParameter(
               adapterIndex(), static_cast<NOXVideoColorFeature>(feature), value);
}

bool Adapter::SetVideoColorParameter(int feature, float value)
{
    return m_communicator != nullptr
           && m_communicator->VideoSetColorParameter(
               adapterIndex(), static_cast<NOXVideoColorFeature>(feature), value);
}
