#pragma once

#include <QString>

// A minor category of the driver's logger.
struct LogMinorInfo
{
    qint32 id = 0;
    QString name;
};
