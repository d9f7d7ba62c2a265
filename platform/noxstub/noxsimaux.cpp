// The DisplayPort AUX channel of the simulated library: DPCD reads and writes through
// the native AUX entry point and the AUX escape, answered from each display's DPCD
// registers, or from those of the MST branch in front of it for the branch commands.

#include "noxsimmachine.h"

#include <algorithm>

// Declarations from the shared header: a definition below that does not match the
// argument list the program looks up fails to compile.
#define NOXSIM_DECLARE(name, args) NOXSIM_EXPORT int name args;
NOX_ENTRY_POINTS(NOXSIM_DECLARE)
#undef NOXSIM_DECLARE

int noxSimAuxTransfer(NoxSimMachine &machine, NoxSimDisplay &display, bool write, bool branch,
                      unsigned int address, unsigned char *data, unsigned int count,
                      unsigned int capacity, unsigned int *replied)
{
    std::map<unsigned int, unsigned char> &regs = branch ? display.branchDpcd : display.dpcd;
    if (regs.empty())
        return NOX_ERR_NOT_SUPPORTED; // no DisplayPort sink, or no branch in front of it
    if (write) {
        for (unsigned int i = 0; i < count; ++i)
            regs[address + i] = data[i];
        *replied = count;
        return NOX_OK;
    }
    // A read reports the bytes asked for, plus the test option's extra ones; the data
    // never goes past the record's room.
    *replied = count + static_cast<unsigned int>(std::max(0, machine.auxReplyExtraBytes));
    const unsigned int filled = std::min(*replied, capacity);
    for (unsigned int i = 0; i < filled; ++i) {
        const auto it = regs.find(address + i);
        data[i] = it == regs.end() ? 0 : it->second;
    }
    return NOX_OK;
}

NOXSIM_EXPORT int NOX_Display_NativeAUXChannel_Access(int a, int d,
                                                      NOXDisplayNativeAUXChannelData *data)
{
    NoxSimMachine &m = NoxSimMachine::instance();
    // The log keeps the command and the byte count asked for.
    if (const auto injected =
            m.enter(__func__, 0, data ? static_cast<unsigned int>(data->iCommand) : 0,
                    data ? data->iByteCount : 0, 0))
        return *injected;
    if (m.openContexts <= 0)
        return NOX_ERR_NOT_INIT;
    if (!m.adapter(a))
        return NOX_ERR_INVALID_NOX_INDEX;
    NoxSimDisplay *display = m.display(a, d);
    if (!display)
        return NOX_ERR_INVALID_DIPLAY_IDX;
    if (!data)
        return NOX_ERR_NULL_POINTER;
    if (data->iSize != static_cast<int>(sizeof(NOXDisplayNativeAUXChannelData))
        || data->iByteCount < 0 || data->iByteCount > static_cast<int>(sizeof(data->ucData))
        || data->iAddress < 0)
        return NOX_ERR_INVALID_PARAM_SIZE;
    if (data->iCommand < 0 || data->iCommand > 3)
        return NOX_ERR_INVALID_PARAM;
    // Commands: 0 read, 1 write, 2 read and 3 write through the branch.
    unsigned int replied = 0;
    const int result = noxSimAuxTransfer(m, *display, data->iCommand % 2 == 1, data->iCommand >= 2,
                                         static_cast<unsigned int>(data->iAddress), data->ucData,
                                         static_cast<unsigned int>(data->iByteCount),
                                         sizeof(data->ucData), &replied);
    if (result == NOX_OK)
        data->iByteCount = static_cast<int>(replied);
    return result;
}
