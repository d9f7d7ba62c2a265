#pragma once

#include "i4dpcdaccess.h"

#include <memory>

class DriverCommunicator;

// The access part of a DPCD snapshot: the owned access object, whether it is a
// virtual one (no sink behind it), and whether transfers go to the MST branch.
class DpcdAccess
{
public:
    // Virtual access: nothing is ever read or written.
    DpcdAccess();
    // Access over the driver control library's native AUX entry point.
    DpcdAccess(DriverCommunicator *communicator, unsigned int adapter, unsigned int display,
               bool branch);
    // Takes ownership of access; a null one gives virtual access.
    DpcdAccess(I4DpcdAccess *access, bool branch);
    virtual ~DpcdAccess();

    DpcdAccess(const DpcdAccess &) = delete;
    DpcdAccess &operator=(const DpcdAccess &) = delete;

    bool IsVirtual() const { return m_virtual; }
    bool IsBranch() const { return m_branch; }

protected:
    std::unique_ptr<I4DpcdAccess> m_access;
    bool m_virtual = true;
    bool m_branch = false;
};
