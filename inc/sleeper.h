#pragma once

// Waits on the calling thread. With processEvents the wait runs a local event loop, so
// the GUI stays responsive while, for example, a display answers a DDC/CI request.
class Sleeper
{
public:
    static void usleep(unsigned long microseconds);
    static void msleep(unsigned long milliseconds, bool processEvents = false);
    static void sleep(unsigned long seconds, bool processEvents = false);
};
