// Test controls of the simulated library (see vyrsimcontrol.h).

#include "noxsimmachine.h"

#include <algorithm>
#include <cstring>

NOXSIM_EXPORT int vyrsim_reset()
{
    NoxSimMachine &m = NoxSimMachine::instance();
    m.resetTestState();
    return m.loadFromEnvironment();
}

NOXSIM_EXPORT int vyrsim_load_machine(const char *path)
{
    NoxSimMachine &m = NoxSimMachine::instance();
    if (!path) {
        m.loadDemo();
        return 0;
    }
    return m.loadFile(QString::fromLocal8Bit(path)) ? 0 : -1;
}

NOXSIM_EXPORT void vyrsim_fail(const char *entry, int nth, int code)
{
    if (entry)
        NoxSimMachine::instance().fail(entry, nth, code);
}

NOXSIM_EXPORT void vyrsim_set_option(const char *key, int value)
{
    if (!key)
        return;
    if (std::strcmp(key, "edidBytesPerRequest") == 0)
        NoxSimMachine::instance().edidBytesPerRequest = value;
    else if (std::strcmp(key, "auxReplyExtraBytes") == 0)
        NoxSimMachine::instance().auxReplyExtraBytes = value;
    else if (std::strcmp(key, "ddcReplyLengthByte") == 0)
        NoxSimMachine::instance().ddcReplyLengthByte = value;
}

NOXSIM_EXPORT int vyrsim_call_count()
{
    return static_cast<int>(NoxSimMachine::instance().calls.size());
}

NOXSIM_EXPORT int vyrsim_call_get(int index, VyrSimCall *call)
{
    const NoxSimMachine &m = NoxSimMachine::instance();
    if (!call || index < 0 || index >= static_cast<int>(m.calls.size()))
        return -1;
    *call = m.calls[static_cast<size_t>(index)];
    return 0;
}

NOXSIM_EXPORT void vyrsim_clear_calls()
{
    NoxSimMachine::instance().calls.clear();
}

NOXSIM_EXPORT int vyrsim_last_frame(void *buffer, int size)
{
    const QByteArray &frame = NoxSimMachine::instance().lastFrame;
    if (buffer && size > 0)
        std::memcpy(buffer, frame.constData(),
                    static_cast<size_t>(std::min(size, static_cast<int>(frame.size()))));
    return static_cast<int>(frame.size());
}

NOXSIM_EXPORT int vyrsim_open_contexts()
{
    return NoxSimMachine::instance().openContexts;
}
