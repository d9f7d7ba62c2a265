#include "vyrbranchitem.h"

#include "vyrbranch.h"
#include "vyrdevicetreeicons.h"

#include <QIcon>

VyrBranchItem::VyrBranchItem(VyrDeviceManager *deviceManager, VyrDevice *device, VyrBranch *branch)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
    , m_device(device)
    , m_branch(branch)
{
    if (!m_branch)
        return;
    // Lower-case hexadecimal; a negative id (-1: unset) gets a minus sign (QString::number
    // would write its 64-bit two's complement).
    const qint64 id = m_branch->treeId;
    const QString digits =
        id < 0 ? QLatin1Char('-') + QString::number(-id, 16) : QString::number(id, 16);
    setText(0, tr("Branch Device [%1]").arg(digits));
    setIcon(0, QIcon(VyrDeviceTreeIcons::branch()));
}

VyrBranchItem::~VyrBranchItem() = default;
