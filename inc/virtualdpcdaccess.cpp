#include "virtualdpcdaccess.h"

bool VirtualDpcdAccess::ReadDpcdData(unsigned int, unsigned char *, unsigned int, bool)
{
    return false;
}

bool VirtualDpcdAccess::WriteDpcdData(unsigned int, const unsigned char *, unsigned int, bool)
{
    return false;
}

I4DpcdAccess *VirtualDpcdAccess::Clone() const
{
    return new VirtualDpcdAccess;
}
