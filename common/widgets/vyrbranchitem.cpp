#include "vyrbranchitem.h"

VyrBranchItem::VyrBranchItem(VyrDeviceManager *deviceManager, VyrDevice *device, VyrBranch *branch)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
    , m_device(device)
    , m_branch(branch)
{}

VyrBranchItem::~VyrBranchItem() = default;
