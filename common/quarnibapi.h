#pragma once

#include <QtGlobal>

// The hardware tool library's device record and entry points, looked up by name.

// One device as the library reports it. The program copies the record whole and keeps
// the device's 16-bit id in bytes 268-269 of its copy; the rest belongs to the library.
struct DEVICE
{
    unsigned char library[268];
    quint16 deviceId;
    quint16 reserved;
};
static_assert(sizeof(DEVICE) == 272, "the library's device record is 272 bytes");

extern "C" {
// Readies the library; fills a 256-byte buffer of its own. 0 = ready.
typedef int (*QuarnibInitializeFn)(void *buffer);
typedef void (*QuarnibDeInitializeFn)();
// The next device record, null after the last.
typedef DEVICE *(*QuarnibEnumerateDevicesFn)();
typedef quint16 (*QuarnibGetDeviceIdFn)(DEVICE *device);
// Kinds 6, 7, 8: bus, device and function number. 0 = success.
typedef int (*QuarnibGetDeviceInfoFn)(DEVICE *device, unsigned int kind, unsigned int *value);
// Registers are addressed by dword index (register address / 4).
typedef quint32 (*QuarnibMmRegRead32Fn)(DEVICE *device, unsigned int dwordIndex);
typedef void (*QuarnibMmRegWrite32Fn)(DEVICE *device, unsigned int dwordIndex, quint32 value);
// 0 = success.
typedef int (*QuarnibReadPciConfigFn)(quint8 bus, quint8 device, quint8 function,
                                      unsigned int offset, quint32 *value);
typedef int (*QuarnibWritePciConfigFn)(quint8 bus, quint8 device, quint8 function,
                                       unsigned int offset, quint32 value);
}
