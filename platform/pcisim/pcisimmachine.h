#pragma once

// The simulated PCI graphics devices of a register-access stand-in: by default the two
// graphics devices of the simulated driver's demo machine, or the devices of a JSON
// machine file (see README.md).

#include "pcisimdevice.h"

#include <QString>

#include <vector>

class PciSimMachine
{
public:
    // The demo machine: a discrete device at 3:0.0 and an integrated one at 0:2.0.
    void loadDemo();
    // Replaces the devices with those of a machine file; on failure nothing changes
    // and error (when given) says why.
    bool loadFile(const QString &path, QString *error = nullptr);
    // Loads the file named in the environment variable, or the demo when it is unset.
    // A file that cannot be read leaves the demo in place and answers false.
    bool loadFromEnvironment(const char *variable);
    // Adds simulated devices on further buses until there are count devices.
    void growTo(int count);

    PciSimDevice *find(unsigned int location);
    // The device a handle points to, or null when it is none of this machine's.
    PciSimDevice *fromHandle(const void *handle);

    std::vector<PciSimDevice> devices;
};

// A device with its configuration space built from the given register bases.
PciSimDevice pciSimDevice(int bus, int device, int function, const QString &name,
                          uint64_t framebuffer, uint64_t registerBase, uint32_t ioBase);
