#pragma once

#include "driverdpcdaccess.h"

// DPCD access through the driver's native AUX escape: a 48-byte input and a 48-byte
// output record per transfer, at most 32 data bytes. Commands 1 (read) and 2 (write)
// address the sink, 3 and 4 the MST branch in front of it; the driver reports success
// with output status 1.
class ZovrediDpcdAccess : public DriverDpcdAccess
{
public:
    // Data bytes one escape record carries.
    static constexpr unsigned int MaxTransferSize = 32;

    ZovrediDpcdAccess(DriverCommunicator *communicator, unsigned int adapter, unsigned int display);

    // False without a loaded driver library, for a length above MaxTransferSize or
    // without a buffer; nothing is sent then.
    bool ReadDpcdData(unsigned int address, unsigned char *buffer, unsigned int length,
                      bool branch) override;
    bool WriteDpcdData(unsigned int address, const unsigned char *buffer, unsigned int length,
                       bool branch) override;
    I4DpcdAccess *Clone() const override;

private:
    bool transfer(unsigned int command, unsigned int address, unsigned char *readBuffer,
                  const unsigned char *writeBuffer, unsigned int length);
};
