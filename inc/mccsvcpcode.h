#pragma once

#include <QtGlobal>

// A VCP code of the VESA Monitor Control Command Set; any 8-bit code may be asked for.
// The codes named here are those of MCCS 2.2 section 8 that this program refers to.
enum MccsVcpCode : quint8 {
    MccsVcpNewControlValue = 0x02,
    MccsVcpLuminance = 0x10,
    MccsVcpContrast = 0x12,
    MccsVcpSelectColorPreset = 0x14,
    MccsVcpInputSource = 0x60,
    MccsVcpPowerMode = 0xD6,
    MccsVcpVersion = 0xDF
};
