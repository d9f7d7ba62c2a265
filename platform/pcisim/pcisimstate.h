#pragma once

// The one state object of a stand-in library, made on first use. It is freed through
// release(), which each library calls from an ELF destructor: that runs when the
// library is unloaded or after the process's exit handlers, so the program may still
// call in while it exits (after the library's own static objects are gone).
template <typename T> class PciSimState
{
public:
    static T &instance()
    {
        if (!s_state)
            s_state = new T;
        return *s_state;
    }
    static void release()
    {
        delete s_state;
        s_state = nullptr;
    }

private:
    static inline T *s_state = nullptr;
};
