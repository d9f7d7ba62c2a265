#pragma once

// How a DPCD snapshot talks to a DisplayPort sink: reads and writes of DPCD bytes over
// the AUX channel. branch addresses the MST branch device in front of the sink instead
// of the sink itself. The virtual operations keep this order: destructor, ReadDpcdData,
// WriteDpcdData, Clone.
class I4DpcdAccess
{
public:
    virtual ~I4DpcdAccess() = default;

    // Reads length bytes from address into buffer; true when the driver delivered them.
    virtual bool ReadDpcdData(unsigned int address, unsigned char *buffer, unsigned int length,
                              bool branch) = 0;
    // Writes length bytes of buffer to address; true when the driver took them.
    virtual bool WriteDpcdData(unsigned int address, const unsigned char *buffer,
                               unsigned int length, bool branch) = 0;
    // A new access object of the same kind with the same fields; the caller owns it.
    virtual I4DpcdAccess *Clone() const = 0;
};
