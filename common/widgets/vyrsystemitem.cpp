#include "vyrsystemitem.h"

#include "vyrdevicemanager.h"
#include "vyrdevicetreeicons.h"

#include <QColor>
#include <QIcon>

VyrSystemItem::VyrSystemItem(VyrDeviceManager *deviceManager)
    : QTreeWidgetItem(Type)
    , m_deviceManager(deviceManager)
{
    if (!m_deviceManager)
        return;
    const int kind = m_deviceManager->kind();
    setText(0, m_deviceManager->name());
    const QColor background = kind == 1   ? QColor(Qt::yellow)
                              : kind == 2 ? QColor(Qt::green)
                                          : QColor(Qt::white);
    setData(0, Qt::BackgroundRole, background);
    setIcon(0, QIcon(VyrDeviceTreeIcons::system(kind)));
}

VyrSystemItem::~VyrSystemItem() = default;
