#pragma once

#include "dpcdaccess.h"
#include "dpcdregisterdata.h"

#include <memory>

class DriverCommunicator;

// One display's DPCD registers: for every address of the communicator's DPCD name
// table, the byte last read from the sink (or its MST branch) over the AUX channel.
// Each run of consecutive addresses is read in chunks of at most 16 bytes; a chunk
// that fails to read is kept as zeros.
class DpcdTableData : public DpcdAccess
{
public:
    // A snapshot reading through the driver control library's native AUX entry point.
    DpcdTableData(DriverCommunicator *communicator, unsigned int adapter, unsigned int display,
                  bool branch);
    // A snapshot reading through access (owned; a null one makes a virtual snapshot,
    // which never reads).
    DpcdTableData(DriverCommunicator *communicator, unsigned int adapter, unsigned int display,
                  I4DpcdAccess *access, bool branch);
    ~DpcdTableData() override;

    // An empty snapshot of the same display with a clone of the access object and the
    // given branch flag; the caller owns it and fills it with Update.
    DpcdTableData *CloneWithArg(bool branch) const;

    // Reads every register of the name table again. Answers the number of registers,
    // or 0 (keeping the previous values) when the snapshot is virtual or the driver
    // library is not loaded.
    unsigned int Update();
    // Reads count registers from rows[0].address on, consecutive, into rows (addresses
    // and values). Answers the length of the last chunk read, 0 when nothing was read.
    unsigned int ReadRegisters(DpcdRegisterData *rows, unsigned int count);

    unsigned int GetSize() const { return m_size; }
    // 0 when index is not below the size.
    unsigned int GetAddress(unsigned int index) const;
    unsigned int GetValueByIndex(unsigned int index) const;
    // 0 when the address is not in the snapshot.
    unsigned int GetValueByAddress(unsigned int address) const;

private:
    bool canRead() const;

    DriverCommunicator *m_communicator = nullptr; // not owned
    unsigned int m_adapter = 0;
    unsigned int m_display = 0;
    std::unique_ptr<DpcdRegisterData[]> m_rows;
    unsigned int m_size = 0;
};
