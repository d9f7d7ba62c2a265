#include "dpcdaccess.h"

#include "noxdpcdaccess.h"
#include "virtualdpcdaccess.h"

DpcdAccess::DpcdAccess()
    : DpcdAccess(nullptr, false)
{}

DpcdAccess::DpcdAccess(DriverCommunicator *communicator, unsigned int adapter, unsigned int display,
                       bool branch)
    : DpcdAccess(new NoxDpcdAccess(communicator, adapter, display), branch)
{}

DpcdAccess::DpcdAccess(I4DpcdAccess *access, bool branch)
    : m_access(access ? access : new VirtualDpcdAccess)
    , m_virtual(dynamic_cast<VirtualDpcdAccess *>(m_access.get()) != nullptr)
    , m_branch(branch)
{}

DpcdAccess::~DpcdAccess() = default;
