#include "model/datablock.h"

// HDMI VICs of the HDMI vendor-specific data block (HDMI 1.4b, section 8.2.3.1):
// {HDMI VIC, width, height, rate Hz, H blank, V blank, H front porch, V front porch,
//  H sync, V sync, pixel clock kHz, pixel clock kHz at 1000/1001}.
// clang-format off
const CeaHdmiVideoMode DataBlock::Cea861bHDIVICModes[4] = {
    {1, 3840, 2160, 30,  560, 90,  176, 8, 88, 10, 297000, 296703},
    {2, 3840, 2160, 25, 1440, 90, 1056, 8, 88, 10, 297000, 297000},
    {3, 3840, 2160, 24, 1660, 90, 1276, 8, 88, 10, 297000, 296703},
    {4, 4096, 2160, 24, 1404, 90, 1020, 8, 88, 10, 297000, 297000},
};
// clang-format on
