#include "vyredidinfotree.h"

VyrEdidInfoTree::VyrEdidInfoTree(QWidget *parent)
    : QTreeWidget(parent)
{}

void VyrEdidInfoTree::notifyEdidDataChanged()
{
    emit edidDataChanged();
}
