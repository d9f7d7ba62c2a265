#pragma once

#include "i4dpcdaccess.h"

class DriverCommunicator;

// What the access objects that talk to the driver share: the communicator (not
// owned) and the adapter and display the transfers address.
class DriverDpcdAccess : public I4DpcdAccess
{
protected:
    DriverDpcdAccess(DriverCommunicator *communicator, unsigned int adapter, unsigned int display)
        : m_communicator(communicator)
        , m_adapter(adapter)
        , m_display(display)
    {}

    DriverCommunicator *m_communicator = nullptr;
    unsigned int m_adapter = 0;
    unsigned int m_display = 0;
};
