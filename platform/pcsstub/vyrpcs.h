#pragma once

// Binary contract: see ARCHITECTURE.md, "Driver record layouts".
// The driver's persistent configuration store as the system calls it: a store of
// values addressed by a location (a folder path such as "LDC/") and a name, opened
// over an X display connection. Every function returns 0 on success. The second
// argument of the value functions is reserved and always 0.

#include <stdint.h>

#if defined(__GNUC__)
#define VYRPCS_EXPORT __attribute__((visibility("default")))
#else
#define VYRPCS_EXPORT
#endif

struct _XDisplay;

#ifdef __cplusplus
extern "C" {
#endif

typedef void *VyrPcsHandle;

// Data types a value can have.
enum VyrPcsDataType {
    VYRPCS_TYPE_NONE = 0,
    VYRPCS_TYPE_U32 = 1,
    VYRPCS_TYPE_U32_ARRAY = 2,
    VYRPCS_TYPE_STRING = 3,
    VYRPCS_TYPE_RAW = 4,
    VYRPCS_TYPE_BOOL = 5
};

// Result codes.
enum VyrPcsResult {
    VYRPCS_OK = 0,
    VYRPCS_ERR_INVALID_ARGUMENT = 1,
    VYRPCS_ERR_NOT_FOUND = 2,
    VYRPCS_ERR_WRONG_TYPE = 3,
    VYRPCS_ERR_BUFFER_TOO_SMALL = 4,
    VYRPCS_ERR_OPEN_FAILED = 5,
    VYRPCS_ERR_WRITE_FAILED = 6
};

// Opens the store. The display connection may be null: the stand-in keeps its
// values in memory or in a file and needs no X server.
VYRPCS_EXPORT int vyrPcsOpenX11(VyrPcsHandle *handle, struct _XDisplay *display);
VYRPCS_EXPORT int vyrPcsClose(VyrPcsHandle handle);
VYRPCS_EXPORT int vyrPcsGetDataType(VyrPcsHandle handle, int reserved, const char *location,
                                    const char *name, int *type);
VYRPCS_EXPORT int vyrPcsGetU32(VyrPcsHandle handle, int reserved, const char *location,
                               const char *name, uint32_t *value);
// Copies the string's bytes (no terminating zero is added) into buffer; length
// receives the number of bytes copied, or the size needed when the buffer is too small.
VYRPCS_EXPORT int vyrPcsGetStr(VyrPcsHandle handle, int reserved, const char *location,
                               const char *name, uint32_t bufferSize, char *buffer,
                               uint32_t *length);
VYRPCS_EXPORT int vyrPcsGetRaw(VyrPcsHandle handle, int reserved, const char *location,
                               const char *name, uint32_t bufferSize, unsigned char *buffer,
                               uint32_t *length);
VYRPCS_EXPORT int vyrPcsSetU32(VyrPcsHandle handle, int reserved, const char *location,
                               const char *name, uint32_t value);
VYRPCS_EXPORT int vyrPcsDelete(VyrPcsHandle handle, int reserved, const char *location,
                               const char *name);

#ifdef __cplusplus
}
#endif
