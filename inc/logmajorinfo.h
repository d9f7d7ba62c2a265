#pragma once

#include "logminorinfo.h"

#include <QList>
#include <QString>

// A major category of the driver's logger with its enable mask and minor categories.
struct LogMajorInfo
{
    qint32 id = 0;
    quint32 mask = 0;
    QString name;
    QList<LogMinorInfo> minors;
};
