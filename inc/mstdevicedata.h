#pragma once

#include <QObject>

// Where a DisplayPort multi-stream display sits in its topology, from the driver's
// MST sink record: the branch GUID, the relative address (RAD), the link count and
// sink fields, and the topology (tree) the display belongs to. Zero at construction.
class MSTDeviceData : public QObject
{
    Q_OBJECT

public:
    explicit MSTDeviceData(QObject *parent = nullptr)
        : QObject(parent)
    {}

    quint8 guid[16] = {};
    quint8 rad[16] = {};
    quint32 linkCount = 0;
    quint32 peerDeviceType = 0;
    quint32 portNumber = 0;
    quint32 maxLinkBandwidth = 0;
    qint32 treeId = 0;
};
