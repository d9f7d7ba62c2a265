#include "ceaextblock.h"

#include <QtGlobal>

// Kinds of CEA-861 data blocks (CTA-861-G, tables 54 and 55): the tag a new block of the kind
// gets, its minimum size with the header and the report text. Row index = CeaBlockID. The VESA
// video display device block has a fixed payload of 30 bytes after its extended tag; a VESA
// DTC block holds 7, 15 or 31 bytes, so a new one gets the shortest of these; an HDMI audio
// block holds at least its stream count byte and one more after its extended tag.
// clang-format off
const CeaExtBlock::BlockKind CeaExtBlock::BlockKinds[16] = {
    {CeaTagCodeInvalid, CeaExtendedTagNone, 0, 0, ""},
    {1, CeaExtendedTagNone, 0,             4, QT_TRANSLATE_NOOP("CeaExtBlock", "(Audio Data Block)")},
    {2, CeaExtendedTagNone, 0,             2, QT_TRANSLATE_NOOP("CeaExtBlock", "(Video Data Block)")},
    {3, CeaExtendedTagNone, CeaOuiHdmi,    6, QT_TRANSLATE_NOOP("CeaExtBlock", "(HDMI Vendor Specific Data Block)")},
    {4, CeaExtendedTagNone, 0,             4, QT_TRANSLATE_NOOP("CeaExtBlock", "(Speaker Allocation Data Block)")},
    {7, 0,                  0,             3, QT_TRANSLATE_NOOP("CeaExtBlock", "(Video Capability Data Block)")},
    {7, 5,                  0,             4, QT_TRANSLATE_NOOP("CeaExtBlock", "(Colorimetry Data Block)")},
    {3, CeaExtendedTagNone, CeaOuiNewBlock, 4, QT_TRANSLATE_NOOP("CeaExtBlock", "(Vendor Specific Data Block)")},
    {7, 1,                  CeaOuiNewBlock, 5, QT_TRANSLATE_NOOP("CeaExtBlock", "(Vendor Specific Video Data Block)")},
    {7, 17,                 CeaOuiNewBlock, 5, QT_TRANSLATE_NOOP("CeaExtBlock", "(Vendor Specific Audio Data Block)")},
    {5, CeaExtendedTagNone, 0,             8, QT_TRANSLATE_NOOP("CeaExtBlock", "(VESA DTC Data Block)")},
    {7, 2,                  0,            32, QT_TRANSLATE_NOOP("CeaExtBlock", "(VESA Video Display Device Data Block)")},
    {7, 3,                  0,             3, QT_TRANSLATE_NOOP("CeaExtBlock", "(VESA Video Data Block)")},
    {7, 4,                  0,             3, QT_TRANSLATE_NOOP("CeaExtBlock", "(HDMI Video Data Block)")},
    {7, 16,                 0,             3, QT_TRANSLATE_NOOP("CeaExtBlock", "(CEA Misc. Audio Data Block)")},
    {7, 18,                 0,             4, QT_TRANSLATE_NOOP("CeaExtBlock", "(HDMI Audio Data Block)")},
};
// clang-format on
