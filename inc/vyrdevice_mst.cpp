// VyrDevice: the DisplayPort MST displays of all adapters of the device and the branches
// (one per topology) they hang under.

#include "adapter.h"
#include "display.h"
#include "mstdevicedata.h"
#include "vyrbranch.h"
#include "vyrdevice.h"

#include <algorithm>
#include <cstring>

namespace {

// Whether the relative addresses of two MST displays agree in their first count bytes
// (always for a count of 0 or less).
bool sameRadPrefix(const VyrDisplay *a, const VyrDisplay *b, int count)
{
    if (count <= 0)
        return true;
    const int n = std::min(count, static_cast<int>(sizeof(MSTDeviceData::rad)));
    return std::memcmp(a->mst()->rad, b->mst()->rad, static_cast<size_t>(n)) == 0;
}

bool holdsDisplay(const QList<VyrDisplay *> &list, const VyrDisplay *display)
{
    return std::any_of(list.begin(), list.end(), [display](const VyrDisplay *entry) {
        return entry->index() == display->index();
    });
}

} // namespace

void VyrDevice::clearBranches()
{
    qDeleteAll(m_branches);
    m_branches.clear();
}

bool VyrDevice::isMstDisplayAdded(VyrDisplay *display) const
{
    return display != nullptr && holdsDisplay(m_mstDisplays, display);
}

void VyrDevice::createMstDisplayList()
{
    m_mstDisplays.clear();
    for (Adapter *adapter : qAsConst(m_adapters)) {
        for (VyrDisplay *display : adapter->mstDisplays()) {
            if (!isMstDisplayAdded(display))
                m_mstDisplays.append(display);
        }
    }
}

bool VyrDevice::mstDisplayHasParent(VyrDisplay *display) const
{
    if (display == nullptr)
        return false;
    for (const VyrDisplay *above : m_mstDisplays) {
        if (above->radLength() < display->radLength() && above->treeId() == display->treeId()
            && (above->radLength() < 0 || sameRadPrefix(above, display, above->radLength() + 1)))
            return true;
    }
    return false;
}

bool VyrDevice::isSameMstBranch(const VyrBranch *source, const VyrBranch *target) const
{
    if (source == nullptr || target == nullptr || source->display == nullptr
        || target->display == nullptr)
        return false;
    return sameRadPrefix(source->display, target->display, source->display->radLength());
}

bool VyrDevice::isChildMstDevice(const VyrBranch *parent, VyrDisplay *display) const
{
    if (parent == nullptr || parent->display == nullptr || display == nullptr || !display->isMst())
        return false;
    const VyrDisplay *root = parent->display;
    return display->treeId() == root->treeId() && sameRadPrefix(root, display, root->radLength());
}

bool VyrDevice::isBranchAlreadyAdded(const VyrBranch *branch) const
{
    return std::any_of(m_branches.begin(), m_branches.end(),
                       [this, branch](const VyrBranch *b) { return isSameMstBranch(branch, b); });
}

bool VyrDevice::isMstDisplayAddedToBranch(const VyrBranch *branch, VyrDisplay *display) const
{
    return branch != nullptr && display != nullptr && holdsDisplay(branch->children, display);
}

void VyrDevice::addChildToBranch(VyrBranch *branch)
{
    if (branch == nullptr)
        return;
    for (Adapter *adapter : qAsConst(m_adapters)) {
        for (VyrDisplay *display : adapter->mstDisplays()) {
            if (display->treeId() == branch->treeId && !isMstDisplayAddedToBranch(branch, display))
                branch->children.append(display);
        }
    }
}

void VyrDevice::populateMstDevices()
{
    // The branches of the last refresh go: their displays were updated meanwhile.
    clearBranches();
    for (VyrDisplay *display : qAsConst(m_mstDisplays)) {
        const bool treeHasBranch =
            std::any_of(m_branches.begin(), m_branches.end(),
                        [display](const VyrBranch *b) { return b->treeId == display->treeId(); });
        if (mstDisplayHasParent(display) || treeHasBranch)
            continue;
        auto *branch = new VyrBranch(display);
        addChildToBranch(branch);
        m_branches.append(branch);
    }
    printLog(AppLogInfo, tr(" Added %1 brunches").arg(m_branches.size()));
}
