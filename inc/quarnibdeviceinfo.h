#pragma once

#include <QtGlobal>

namespace DeviceHelpers {

// One device of the hardware tool library as the register-access interface sees it.
// The record's address is the device handle given out.
struct QuarnibDeviceInfo
{
    qint32 deviceId = -1;
    quint16 location = 0; // bus << 8 | device << 3 | function
    quint32 ioBase = 0;
    quint64 memoryBase = 0;
    int index = 0; // position in the tool library's device list
};

} // namespace DeviceHelpers
