#include "ceaextblock.h"

// Kinds of CEA-861 data blocks (CTA-861-G, tables 54 and 55): the tag a new block of the kind
// gets, its minimum size with the header and the report text. Row index = CeaBlockID.
// clang-format off
const CeaExtBlock::BlockKind CeaExtBlock::BlockKinds[16] = {
    {CeaTagCodeInvalid, CeaExtendedTagNone, 0, 0, ""},
    {1, CeaExtendedTagNone, 0,             4, "(Audio Data Block)"},
    {2, CeaExtendedTagNone, 0,             2, "(Video Data Block)"},
    {3, CeaExtendedTagNone, CeaOuiHdmi,    6, "(HDMI Vendor Specific Data Block)"},
    {4, CeaExtendedTagNone, 0,             4, "(Speaker Allocation Data Block)"},
    {7, 0,                  0,             3, "(Video Capability Data Block)"},
    {7, 5,                  0,             4, "(Colorimetry Data Block)"},
    {3, CeaExtendedTagNone, CeaOuiNewBlock, 4, "(Vendor Specific Data Block)"},
    {7, 1,                  CeaOuiNewBlock, 5, "(Vendor Specific Video Data Block)"},
    {7, 17,                 CeaOuiNewBlock, 5, "(Vendor Specific Audio Data Block)"},
    {5, CeaExtendedTagNone, 0,             2, "(VESA DTC Data Block)"},
    {7, 2,                  0,             3, "(VESA Video Display Device Data Block)"},
    {7, 3,                  0,             3, "(VESA Video Data Block)"},
    {7, 4,                  0,             3, "(HDMI Video Data Block)"},
    {7, 16,                 0,             3, "(CEA Misc. Audio Data Block)"},
    {7, 18,                 0,             3, "(HDMI Audio Data Block)"},
};
// clang-format on
