#pragma once

#include "i4dpcdaccess.h"

// The access object of a snapshot that has no sink behind it: every transfer fails
// and nothing reaches the driver.
class VirtualDpcdAccess : public I4DpcdAccess
{
public:
    bool ReadDpcdData(unsigned int address, unsigned char *buffer, unsigned int length,
                      bool branch) override;
    bool WriteDpcdData(unsigned int address, const unsigned char *buffer, unsigned int length,
                       bool branch) override;
    I4DpcdAccess *Clone() const override;
};
