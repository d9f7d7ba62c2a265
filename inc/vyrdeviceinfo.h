#pragma once

#include <QString>

// What identifies one graphics device: taken from the first adapter record of the
// device; the hardware id is filled by nothing in the device model.
struct VyrDeviceInfo
{
    QString name;
    QString hardwareId;
    QString udid;
    qint32 busNumber = 0;
    qint32 deviceNumber = 0;
    quint32 deviceIndex = 0;  // position in the device manager's list when made
    quint32 adapterIndex = 0; // driver adapter index of the first adapter record
    quint32 vendorId = 0;
    QString driverVersion;
    QString releaseVersion;
    QString driverDate;
    QString settingsPath;
};
