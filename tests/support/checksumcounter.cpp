#include "checksumcounter.h"

namespace VyrTest {

void ChecksumCounter::checksumChanged(DataBlock *block)
{
    ++count;
    last = block;
}

} // namespace VyrTest
