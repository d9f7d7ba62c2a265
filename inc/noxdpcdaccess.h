#pragma once

#include "driverdpcdaccess.h"

// DPCD access through the driver control library's native AUX entry point. Each
// transfer is one 36-byte library record carrying at most 16 data bytes; commands 0
// (read) and 1 (write) address the sink, 2 and 3 the MST branch in front of it.
class NoxDpcdAccess : public DriverDpcdAccess
{
public:
    // Data bytes one library record carries.
    static constexpr unsigned int MaxTransferSize = 16;

    NoxDpcdAccess(DriverCommunicator *communicator, unsigned int adapter, unsigned int display);

    // A length above MaxTransferSize (or no buffer) answers false without a call.
    bool ReadDpcdData(unsigned int address, unsigned char *buffer, unsigned int length,
                      bool branch) override;
    bool WriteDpcdData(unsigned int address, const unsigned char *buffer, unsigned int length,
                       bool branch) override;
    I4DpcdAccess *Clone() const override;
};
