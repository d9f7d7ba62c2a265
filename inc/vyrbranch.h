#pragma once

#include <QList>

class DpcdTableData;
class VyrDisplay;

// One DisplayPort MST branch: the root display of a topology and the displays of the
// same tree. The branch owns its copy of the root display's DPCD snapshot (null while
// the root display has none); the displays belong to their device.
struct VyrBranch
{
    // A branch rooted at an MST display takes the display's tree id and a copy of its
    // DPCD snapshot that reads the branch device; without a display the tree id is -1.
    explicit VyrBranch(VyrDisplay *rootDisplay = nullptr);
    ~VyrBranch();

    VyrBranch(const VyrBranch &) = delete;
    VyrBranch &operator=(const VyrBranch &) = delete;

    DpcdTableData *dpcd = nullptr;
    qint32 treeId = -1;
    VyrDisplay *display = nullptr;
    quint32 reserved = 0;
    QList<VyrDisplay *> children;
};
