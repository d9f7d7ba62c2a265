#include "zovredidpcdaccess.h"

#include "dpcdtransfer.h"
#include "drivercommunicator.h"

#include <cstring>

ZovrediDpcdAccess::ZovrediDpcdAccess(DriverCommunicator *communicator, unsigned int adapter,
                                     unsigned int display)
    : DriverDpcdAccess(communicator, adapter, display)
{}

bool ZovrediDpcdAccess::ReadDpcdData(unsigned int address, unsigned char *buffer,
                                     unsigned int length, bool branch)
{
    return transfer(branch ? 3 : 1, address, buffer, nullptr, length);
}

bool ZovrediDpcdAccess::WriteDpcdData(unsigned int address, const unsigned char *buffer,
                                      unsigned int length, bool branch)
{
    return transfer(branch ? 4 : 2, address, nullptr, buffer, length);
}

I4DpcdAccess *ZovrediDpcdAccess::Clone() const
{
    return new ZovrediDpcdAccess(m_communicator, m_adapter, m_display);
}

bool ZovrediDpcdAccess::transfer(unsigned int command, unsigned int address,
                                 unsigned char *readBuffer, const unsigned char *writeBuffer,
                                 unsigned int length)
{
    const void *buffer = readBuffer ? static_cast<const void *>(readBuffer) : writeBuffer;
    if (!m_communicator || !m_communicator->IsNoxLoaded()
        || !DpcdTransfer::fits(length, MaxTransferSize, buffer))
        return false;

    tagDISPLAYACCESSNATIVEAUXCHANNELINPUTDATA input;
    std::memset(&input, 0, sizeof(input));
    input.ulSize = sizeof(input);
    input.ulCommand = command;
    input.ulAddress = address;
    input.ulByteCount = length;
    if (writeBuffer && length > 0)
        std::memcpy(input.ucData, writeBuffer, length);

    tagDISPLAYACCESSNATIVEAUXCHANNELOUTPUTDATA output;
    std::memset(&output, 0, sizeof(output));
    output.ulSize = sizeof(output);

    if (!m_communicator->DisplayAccessNativeAux(static_cast<int>(m_adapter),
                                                static_cast<int>(m_display), &input, &output)
        || output.ulStatus != 1)
        return false;
    if (readBuffer)
        DpcdTransfer::copyReply(readBuffer, length, output.ucData, output.ulByteCount);
    return true;
}
