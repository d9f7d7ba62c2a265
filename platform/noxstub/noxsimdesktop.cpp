// Desktops of the simulated machine: which displays an adapter drives, grouped into
// display maps (one desktop each, or one shared desktop for clones), and what turning
// an adapter on or off does to them. A map or an activity set is what the next read
// of the display information and of the map reports.

#include "noxsimmachine.h"

#include <cmath>
#include <cstdlib>
#include <set>

namespace {

// The lowest controller of the adapter that no mapped display uses.
int freeController(const NoxSimMachine &m, int adapter, const NoxSimDisplay *except)
{
    std::set<int> used;
    for (const NoxSimDisplay &d : m.displays) {
        if (&d != except && d.adapter == adapter && d.mapped && d.controller >= 0)
            used.insert(d.controller);
    }
    int controller = 0;
    while (used.count(controller))
        ++controller;
    return controller;
}

// Makes the display show the mode when it offers it.
void selectMode(NoxSimDisplay &display, const NOXMode &mode)
{
    for (int i = 0; i < display.modes.size(); ++i) {
        const NoxSimMode &offered = display.modes[i];
        if (offered.width == mode.iXRes && offered.height == mode.iYRes
            && std::fabs(offered.refresh - mode.fRefreshRate) < 0.5f) {
            display.currentMode = i;
            return;
        }
    }
}

void unmap(NoxSimDisplay &display)
{
    display.mapped = false;
    display.mapIndex = -1;
}

} // namespace

void noxSimMapDisplay(NoxSimMachine &m, NoxSimDisplay &display, int adapter)
{
    if (!display.connected)
        return;
    display.adapter = adapter;
    // A display keeps its controller unless another display of the adapter drives it.
    bool taken = false;
    for (const NoxSimDisplay &d : m.displays) {
        if (&d != &display && d.adapter == adapter && d.mapped
            && d.controller == display.controller)
            taken = true;
    }
    if (display.controller < 0 || taken)
        display.controller = freeController(m, adapter, &display);
    display.mapped = true;
}

void noxSimSetAdapterActive(NoxSimMachine &m, NoxSimAdapter &adapter, bool active)
{
    adapter.active = active;
    for (NoxSimDisplay &d : m.displays) {
        if (d.adapter != adapter.index)
            continue;
        if (!active)
            unmap(d);
        else if (d.connected && !d.mapped)
            noxSimMapDisplay(m, d, adapter.index);
    }
}

void noxSimActivateWithTargets(NoxSimMachine &m, NoxSimAdapter &adapter, int targetCount,
                               const NOXDisplayTarget *targets)
{
    if (targetCount <= 0 || !targets) {
        noxSimSetAdapterActive(m, adapter, true);
        return;
    }
    adapter.active = true;
    for (int i = 0; i < targetCount; ++i) {
        if (NoxSimDisplay *d =
                m.display(adapter.index, targets[i].displayID.iDisplayLogicalIndex)) {
            noxSimMapDisplay(m, *d, adapter.index);
            d->mapIndex = -1;
        }
    }
}

int noxSimGetMapConfig(NoxSimMachine &m, int a, int *mapCount, NOXDisplayMap **maps,
                       int *targetCount, NOXDisplayTarget **targets)
{
    // Desktops in the order of their first display; a display of its own map (-1)
    // has a desktop of its own.
    std::vector<std::vector<const NoxSimDisplay *>> desktops;
    std::vector<int> keys;
    for (const NoxSimDisplay *d : m.displaysOfDevice(a)) {
        if (d->adapter != a || !d->connected || !d->mapped)
            continue;
        size_t at = desktops.size();
        if (d->mapIndex >= 0) {
            for (size_t i = 0; i < keys.size(); ++i) {
                if (keys[i] == d->mapIndex)
                    at = i;
            }
        }
        if (at == desktops.size()) {
            desktops.emplace_back();
            keys.push_back(d->mapIndex);
        }
        desktops[at].push_back(d);
    }
    size_t displayCount = 0;
    for (const auto &desktop : desktops)
        displayCount += desktop.size();
    if (desktops.empty())
        return NOX_OK;

    auto *mapRecords =
        static_cast<NOXDisplayMap *>(m.allocate(desktops.size() * sizeof(NOXDisplayMap)));
    auto *targetRecords =
        static_cast<NOXDisplayTarget *>(m.allocate(displayCount * sizeof(NOXDisplayTarget)));
    if (!mapRecords || !targetRecords) {
        std::free(mapRecords);
        std::free(targetRecords);
        return NOX_ERR_NULL_POINTER;
    }
    int next = 0;
    for (size_t i = 0; i < desktops.size(); ++i) {
        const NoxSimDisplay &first = *desktops[i].front();
        NOXDisplayMap &map = mapRecords[i];
        map.iDisplayMapIndex = static_cast<int>(i);
        if (!first.modes.isEmpty())
            noxSimFillMode(map.displayMode, a, first, first.activeMode());
        map.iNumDisplayTarget = static_cast<int>(desktops[i].size());
        map.iFirstDisplayTargetArrayIndex = next;
        for (const NoxSimDisplay *d : desktops[i]) {
            NOXDisplayTarget &target = targetRecords[next++];
            target.displayID = m.identity(*d);
            target.iDisplayMapIndex = static_cast<int>(i);
        }
    }
    *mapCount = static_cast<int>(desktops.size());
    *targetCount = static_cast<int>(displayCount);
    *maps = mapRecords;
    *targets = targetRecords;
    return NOX_OK;
}

bool noxSimMapIsWellFormed(int mapCount, const NOXDisplayMap *maps, int targetCount,
                           const NOXDisplayTarget *targets)
{
    // The maps share the target list in order: each map's targets follow those of the map
    // before it, the counts add up to the whole list, and each target names its map.
    int next = 0;
    for (int k = 0; k < mapCount; ++k) {
        const NOXDisplayMap &map = maps[k];
        if (map.iFirstDisplayTargetArrayIndex != next || map.iNumDisplayTarget < 0
            || map.iNumDisplayTarget > targetCount - next)
            return false;
        for (int i = next; i < next + map.iNumDisplayTarget; ++i) {
            if (targets[i].iDisplayMapIndex != map.iDisplayMapIndex)
                return false;
        }
        next += map.iNumDisplayTarget;
    }
    return next == targetCount;
}

void noxSimSetMapConfig(NoxSimMachine &m, int a, int mapCount, const NOXDisplayMap *maps,
                        int targetCount, const NOXDisplayTarget *targets)
{
    const NoxSimAdapter *self = m.adapter(a);
    // The adapter's displays that no target names are taken off their desktops.
    for (NoxSimDisplay *d : m.displaysOfDevice(a)) {
        bool listed = false;
        for (int i = 0; i < targetCount; ++i)
            listed = listed || targets[i].displayID.iDisplayLogicalIndex == d->index;
        if (d->adapter == a && !listed)
            unmap(*d);
    }
    // Each target is driven by the adapter it names (one of the same device), on the
    // desktop of its map, in the map's mode when the display offers it.
    for (int i = 0; i < targetCount; ++i) {
        const NOXDisplayTarget &target = targets[i];
        NoxSimDisplay *d = m.display(a, target.displayID.iDisplayLogicalIndex);
        if (!d || !d->connected)
            continue;
        const NoxSimAdapter *named = m.adapter(target.displayID.iDisplayLogicalAdapterIndex);
        const bool sameDevice =
            named && self && named->bus == self->bus && named->device == self->device;
        noxSimMapDisplay(m, *d, sameDevice ? named->index : a);
        d->mapIndex = target.iDisplayMapIndex;
        for (int k = 0; k < mapCount; ++k) {
            if (maps[k].iDisplayMapIndex == target.iDisplayMapIndex && maps[k].displayMode.iXRes > 0
                && maps[k].displayMode.iYRes > 0)
                selectMode(*d, maps[k].displayMode);
        }
    }
}
