#pragma once

#include "model/callbackcontext.h"

namespace VyrTest {

// Counts the checksum notifications of the blocks it observes and keeps the last sender.
class ChecksumCounter : public CallbackContext
{
public:
    void checksumChanged(DataBlock *block) override;

    int count = 0;
    DataBlock *last = nullptr;
};

} // namespace VyrTest
