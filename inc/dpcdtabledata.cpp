#include "dpcdtabledata.h"

#include "dpcdtableinfo.h"
#include "drivercommunicator.h"

#include <algorithm>

namespace {

// Bytes read with one AUX transfer: the most one library record carries.
constexpr unsigned int kChunkSize = 16;

} // namespace

DpcdTableData::DpcdTableData(DriverCommunicator *communicator, unsigned int adapter,
                             unsigned int display, bool branch)
    : DpcdAccess(communicator, adapter, display, branch)
    , m_communicator(communicator)
    , m_adapter(adapter)
    , m_display(display)
{}

DpcdTableData::DpcdTableData(DriverCommunicator *communicator, unsigned int adapter,
                             unsigned int display, I4DpcdAccess *access, bool branch)
    : DpcdAccess(access, branch)
    , m_communicator(communicator)
    , m_adapter(adapter)
    , m_display(display)
{}

DpcdTableData::~DpcdTableData() = default;

DpcdTableData *DpcdTableData::CloneWithArg(bool branch) const
{
    return new DpcdTableData(m_communicator, m_adapter, m_display, m_access->Clone(), branch);
}

bool DpcdTableData::canRead() const
{
    return !m_virtual && m_communicator && m_communicator->IsNoxLoaded();
}

unsigned int DpcdTableData::Update()
{
    if (!canRead())
        return 0;
    const DpcdTableInfo *table = m_communicator->GetDpcdTableInfo();
    const unsigned int size = table->GetSize();
    m_rows = std::make_unique<DpcdRegisterData[]>(size);
    m_size = size;
    // Read run by run: each run is a stretch of consecutive addresses.
    unsigned int count = 0;
    for (unsigned int index = 0; table->GetRange(index, count); index += count) {
        m_rows[index].address = table->GetAddress(index);
        ReadRegisters(&m_rows[index], count);
    }
    return size;
}

unsigned int DpcdTableData::ReadRegisters(DpcdRegisterData *rows, unsigned int count)
{
    if (!canRead() || !rows || count == 0)
        return 0;
    const unsigned int base = rows[0].address;
    unsigned int length = 0;
    for (unsigned int offset = 0; offset < count; offset += length) {
        length = std::min(count - offset, kChunkSize);
        // A chunk the driver does not deliver is kept as zeros.
        unsigned char buffer[kChunkSize] = {};
        m_access->ReadDpcdData(base + offset, buffer, length, m_branch);
        for (unsigned int i = 0; i < length; ++i) {
            rows[offset + i].address = base + offset + i;
            rows[offset + i].value = buffer[i];
        }
    }
    return length;
}

unsigned int DpcdTableData::GetAddress(unsigned int index) const
{
    return index < m_size ? m_rows[index].address : 0;
}

unsigned int DpcdTableData::GetValueByIndex(unsigned int index) const
{
    return index < m_size ? m_rows[index].value : 0;
}

unsigned int DpcdTableData::GetValueByAddress(unsigned int address) const
{
    for (unsigned int i = 0; i < m_size; ++i) {
        if (m_rows[i].address == address)
            return m_rows[i].value;
    }
    return 0;
}
