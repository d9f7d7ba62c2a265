#pragma once

// Test controls of the simulated driver control library. They are extra exported
// symbols of libwexnoxxx.so that tests resolve by name (dlsym / QLibrary::resolve).

extern "C" {

// One call made into the library.
struct VyrSimCall
{
    char entry[64];        // entry-point name
    unsigned int code;     // escape code (Send only), else 0
    unsigned int function; // test-harness function code (Send), AUX command (native AUX
                           // entry point), else 0
    int inputSize;         // escape frame size, AUX byte count, or the size a call passes
    int outputSize;        // escape output size, or the size a call passes
};

// Reloads the machine (from the file named in VYRSIM_NOX_MACHINE, else the demo)
// and clears the call log, armed failures and options. Answers 0, or -1 when the
// machine file cannot be read (the demo machine is used then).
typedef int (*VyrSimResetFn)();
// Loads the machine from the given JSON file; null loads the demo. 0 or -1.
typedef int (*VyrSimLoadMachineFn)(const char *path);
// Makes the nth call (1 = the next one) of the named entry point answer code;
// nth 0 fails every call. Several entry points may be armed at once.
typedef void (*VyrSimFailFn)(const char *entry, int nth, int code);
// Sets an option: "edidBytesPerRequest" (128 or 256); "auxReplyExtraBytes" (an AUX
// read reports that many bytes more than were asked for, as a misbehaving driver may);
// "ddcReplyLengthByte" (when not 0, every DDC/CI reply carries this length byte, as a
// monitor that answers garbage may).
typedef void (*VyrSimSetOptionFn)(const char *key, int value);
typedef int (*VyrSimCallCountFn)();
typedef int (*VyrSimCallGetFn)(int index, VyrSimCall *call);
typedef void (*VyrSimClearCallsFn)();
// Copies the last escape frame received (header and payload); answers its size.
typedef int (*VyrSimLastFrameFn)(void *buffer, int size);
// Number of control contexts currently open.
typedef int (*VyrSimOpenContextsFn)();
}
