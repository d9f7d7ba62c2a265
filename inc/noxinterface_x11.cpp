// The forced mode set of NoxInterface, made through the X server. Kept apart
// because the X11 headers define macros that clash with Qt's.

#include "noxinterface.h"

#include <X11/Xlib.h>

bool NoxInterface::LnxForceSetMode(int displayIndex)
{
    if (!m_initialized)
        return false;
    auto forceSetMode = entry<NoxSlot::LnxXext_ForceSetMode>();
    if (!forceSetMode)
        return false;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const int result = forceSetMode(display, displayIndex, DefaultScreen(display));
    XCloseDisplay(display);
    return result == 0;
}
