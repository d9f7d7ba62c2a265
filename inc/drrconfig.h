#pragma once

#include <QtGlobal>

// A dynamic refresh rate request: the refresh rate in mHz and the static-screen events
// that let the driver lower it.
struct DrrConfig
{
    quint32 refreshRate = 0;
    quint32 staticScreenEvents = 0;
};
