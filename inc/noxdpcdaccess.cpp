#include "noxdpcdaccess.h"

#include "dpcdtransfer.h"
#include "drivercommunicator.h"

#include <cstring>

namespace {

// The library record of one transfer, zeroed, with its size, command, address and count.
NOXDisplayNativeAUXChannelData auxRecord(int command, unsigned int address, unsigned int length)
{
    NOXDisplayNativeAUXChannelData record;
    std::memset(&record, 0, sizeof(record));
    record.iSize = static_cast<int>(sizeof(record));
    record.iReserved = 0;
    record.iCommand = command;
    record.iAddress = static_cast<int>(address);
    record.iByteCount = static_cast<int>(length);
    return record;
}

} // namespace

NoxDpcdAccess::NoxDpcdAccess(DriverCommunicator *communicator, unsigned int adapter,
                             unsigned int display)
    : DriverDpcdAccess(communicator, adapter, display)
{}

bool NoxDpcdAccess::ReadDpcdData(unsigned int address, unsigned char *buffer, unsigned int length,
                                 bool branch)
{
    if (!m_communicator || !DpcdTransfer::fits(length, MaxTransferSize, buffer))
        return false;
    NOXDisplayNativeAUXChannelData record = auxRecord(branch ? 2 : 0, address, length);
    if (!m_communicator->DisplayAccessNativeAux(static_cast<int>(m_adapter),
                                                static_cast<int>(m_display), &record))
        return false;
    DpcdTransfer::copyReply(buffer, length, record.ucData, record.iByteCount);
    return true;
}

bool NoxDpcdAccess::WriteDpcdData(unsigned int address, const unsigned char *buffer,
                                  unsigned int length, bool branch)
{
    if (!m_communicator || !DpcdTransfer::fits(length, MaxTransferSize, buffer))
        return false;
    NOXDisplayNativeAUXChannelData record = auxRecord(branch ? 3 : 1, address, length);
    if (length > 0)
        std::memcpy(record.ucData, buffer, length);
    return m_communicator->DisplayAccessNativeAux(static_cast<int>(m_adapter),
                                                  static_cast<int>(m_display), &record);
}

I4DpcdAccess *NoxDpcdAccess::Clone() const
{
    return new NoxDpcdAccess(m_communicator, m_adapter, m_display);
}
