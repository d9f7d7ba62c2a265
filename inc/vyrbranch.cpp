#include "vyrbranch.h"

#include "display.h"
#include "dpcdtabledata.h"

VyrBranch::VyrBranch(VyrDisplay *rootDisplay)
    : display(rootDisplay)
{
    if (rootDisplay == nullptr)
        return;
    treeId = rootDisplay->treeId();
    if (const DpcdTableData *snapshot = rootDisplay->GetDpcd())
        dpcd = snapshot->CloneWithArg(true);
}

VyrBranch::~VyrBranch()
{
    delete dpcd;
}
