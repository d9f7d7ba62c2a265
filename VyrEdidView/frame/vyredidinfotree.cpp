#include "vyredidinfotree.h"

#include "frame/vyredidwheelguard.h"

#include <QMetaMethod>

VyrEdidInfoTree::VyrEdidInfoTree(QWidget *parent)
    : QTreeWidget(parent)
{
    // Turning the wheel over a list or spin box of a row scrolls the tree unless the user gave
    // that widget the focus. The guard is a child of the tree.
    new VyrEdidWheelGuard(this);
}

void VyrEdidInfoTree::notifyEdidDataChanged()
{
    emit edidDataChanged();
}

bool VyrEdidInfoTree::requestBlocksRebuild()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&VyrEdidInfoTree::rebuildBlocksSignal)))
        return false;
    emit rebuildBlocksSignal();
    return true;
}
