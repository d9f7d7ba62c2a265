#include "vyrbranch.h"

#include "display.h"
#include "mstdevicedata.h"

VyrBranch::VyrBranch(VyrDisplay *rootDisplay)
    : display(rootDisplay)
{
    if (rootDisplay != nullptr && rootDisplay->isMst() && rootDisplay->mst() != nullptr)
        treeId = rootDisplay->mst()->treeId;
}
