#pragma once

// A register-access interface that answers from a list of devices and records every
// call as a line of text, for the tests of the pure logic built on the interface.

#include "ivyrbrellixapi.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstring>

class FakeBrellixApi : public DeviceHelpers::IVyrBrellixApi
{
public:
    struct Device
    {
        int id = 0x5678;
        quint32 location = 0;
        quint64 memoryBase = 0;
        quint32 ioBase = 0;
        QSet<int> refusedKinds; // GetDeviceInfo answers 0 for these
    };

    QVector<Device> devices;
    bool initializeResult = true;
    bool registerResult = true;
    QStringList calls;

    const void *handle(int index) const { return &devices[index]; }

    bool Initialize() override
    {
        calls << QStringLiteral("Initialize");
        return initializeResult;
    }
    void Uninitialize() override { calls << QStringLiteral("Uninitialize"); }

    const void *GetDevice(unsigned int location) override
    {
        calls << QStringLiteral("GetDevice");
        for (const Device &d : qAsConst(devices)) {
            if (d.location == location)
                return &d;
        }
        return nullptr;
    }
    int GetDeviceInfo(const void *device, int kind, void *buffer, unsigned int size) override
    {
        calls << QStringLiteral("GetDeviceInfo %1 %2").arg(kind).arg(size);
        const Device *d = find(device);
        if (!d || d->refusedKinds.contains(kind))
            return 0;
        switch (kind) {
        case DeviceHelpers::PciInfoLocation:
            return put(buffer, size, d->location);
        case DeviceHelpers::PciInfoMemoryBase:
            return put(buffer, size, d->memoryBase);
        case DeviceHelpers::PciInfoIoBase:
            return put(buffer, size, d->ioBase);
        default:
            return 0;
        }
    }
    const void *EnumDevices() override
    {
        calls << QStringLiteral("EnumDevices");
        if (m_position < devices.size())
            return &devices[m_position++];
        m_position = 0;
        return nullptr;
    }
    int GetDeviceId(const void *device) override
    {
        calls << QStringLiteral("GetDeviceId");
        const Device *d = find(device);
        return d ? d->id : -1;
    }

    bool ReadIoRegister(const void *device, const unsigned short &port, void *,
                        unsigned long size) override
    {
        return record("ReadIo", device, QStringLiteral("0x%1").arg(port, 0, 16), size);
    }
    bool WriteIoRegister(const void *device, const unsigned short &port, const void *,
                         unsigned long size) override
    {
        return record("WriteIo", device, QStringLiteral("0x%1").arg(port, 0, 16), size);
    }
    bool ReadMmRegister(const void *device, unsigned long long address, void *,
                        unsigned long size) override
    {
        return record("ReadMm", device, QStringLiteral("0x%1").arg(address, 0, 16), size);
    }
    bool WriteMmRegister(const void *device, unsigned long long address, const void *,
                         unsigned long size) override
    {
        return record("WriteMm", device, QStringLiteral("0x%1").arg(address, 0, 16), size);
    }
    bool ReadCfgRegister(const void *device, unsigned int offset, void *,
                         unsigned long size) override
    {
        return record("ReadCfg", device, QStringLiteral("0x%1").arg(offset, 0, 16), size);
    }
    bool WriteCfgRegister(const void *device, unsigned int offset, const void *,
                          unsigned long size) override
    {
        return record("WriteCfg", device, QStringLiteral("0x%1").arg(offset, 0, 16), size);
    }
    bool ReadIndRegister(const void *device, unsigned long long indexAddress,
                         unsigned long indexSize, const DeviceHelpers::EHwRegSpaceType &indexSpace,
                         unsigned int indexValue, unsigned long long dataAddress,
                         const DeviceHelpers::EHwRegSpaceType &dataSpace, void *,
                         unsigned long size) override
    {
        return record(
            "ReadInd", device,
            indirect(indexAddress, indexSize, indexSpace, indexValue, dataAddress, dataSpace),
            size);
    }
    bool WriteIndRegister(const void *device, unsigned long long indexAddress,
                          unsigned long indexSize, const DeviceHelpers::EHwRegSpaceType &indexSpace,
                          unsigned int indexValue, unsigned long long dataAddress,
                          const DeviceHelpers::EHwRegSpaceType &dataSpace, const void *,
                          unsigned long size) override
    {
        return record(
            "WriteInd", device,
            indirect(indexAddress, indexSize, indexSpace, indexValue, dataAddress, dataSpace),
            size);
    }

private:
    const Device *find(const void *handle) const
    {
        for (const Device &d : devices) {
            if (&d == handle)
                return &d;
        }
        return nullptr;
    }
    template <typename T> static int put(void *buffer, unsigned int size, T value)
    {
        if (size < sizeof value)
            return 0;
        std::memcpy(buffer, &value, sizeof value);
        return static_cast<int>(sizeof value);
    }
    static QString indirect(unsigned long long indexAddress, unsigned long indexSize,
                            int indexSpace, unsigned int indexValue, unsigned long long dataAddress,
                            int dataSpace)
    {
        return QStringLiteral("0x%1/%2/%3=0x%4 0x%5/%6")
            .arg(indexAddress, 0, 16)
            .arg(indexSize)
            .arg(indexSpace)
            .arg(indexValue, 0, 16)
            .arg(dataAddress, 0, 16)
            .arg(dataSpace);
    }
    // "<op> <device index> <where> <size>"
    bool record(const char *op, const void *device, const QString &where, unsigned long size)
    {
        const Device *d = find(device);
        const int index = d ? static_cast<int>(d - devices.constData()) : -1;
        calls
            << QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(op)).arg(index).arg(where).arg(size);
        return registerResult;
    }

    int m_position = 0;
};
