#pragma once

// Entry points of the device-helper library, looked up by name. Space types are passed
// as the integer values of DeviceHelpers::EHwRegSpaceType; device handles are opaque.
extern "C" {
typedef int (*BrellixInitializeFn)();
typedef void (*BrellixUninitializeFn)();
typedef int (*BrellixGetDeviceInfoFn)(const void *device, int kind, void *buffer,
                                      unsigned int size);
typedef const void *(*BrellixEnumDevicesFn)();
typedef const void *(*BrellixGetDeviceFn)(unsigned int location);
// 0xFFFF (or -1) when there is no such device.
typedef int (*BrellixGetDeviceIdFn)(const void *device);
typedef bool (*BrellixReadIoFn)(const void *device, unsigned short port, void *buffer,
                                unsigned long size);
typedef bool (*BrellixWriteIoFn)(const void *device, unsigned short port, const void *buffer,
                                 unsigned long size);
typedef bool (*BrellixReadMmFn)(const void *device, unsigned long long address, void *buffer,
                                unsigned long size);
typedef bool (*BrellixWriteMmFn)(const void *device, unsigned long long address, const void *buffer,
                                 unsigned long size);
typedef bool (*BrellixReadCfgFn)(const void *device, unsigned int offset, void *buffer,
                                 unsigned long size);
typedef bool (*BrellixWriteCfgFn)(const void *device, unsigned int offset, const void *buffer,
                                  unsigned long size);
typedef bool (*BrellixReadIndFn)(const void *device, unsigned long long indexAddress,
                                 unsigned long indexSize, int indexSpace, unsigned int indexValue,
                                 unsigned long long dataAddress, int dataSpace, void *buffer,
                                 unsigned long size);
typedef bool (*BrellixWriteIndFn)(const void *device, unsigned long long indexAddress,
                                  unsigned long indexSize, int indexSpace, unsigned int indexValue,
                                  unsigned long long dataAddress, int dataSpace, const void *buffer,
                                  unsigned long size);
}
