#include "ceaextblock.h"
#include "model/tableorder.h"

#include <QtGlobal>

#include <cstddef>
#include <iterator>

// Kinds of CEA-861 data blocks (CTA-861-G, tables 54 and 55), one row per CeaBlockID at its
// index: the tags (and OUI) that make a data block the kind, the header a new block of the kind
// gets, its minimum size with the header, the first payload byte of a new block, the report of
// its bytes and its report text. A kind of minimum size 0 is never added. The VESA video display
// device block has a fixed payload of 30 bytes after its extended tag; a VESA DTC block holds 7,
// 15 or 31 bytes, so a new one gets the shortest of these; an HDMI audio block holds at least its
// stream count byte and one more after its extended tag. A new audio block holds one short audio
// descriptor (LPCM, one channel), a new video block one short video descriptor (VIC 1).
// clang-format off
constexpr CeaExtBlock::BlockKind CeaExtBlock::BlockKinds[CeaBlockKindCount] = {
    {CeaBlockDummy,                  CeaTagCodeInvalid, CeaExtendedTagNone, NoOui,   0,              0, 0,    nullptr,                           ""},
    {CeaBlockAudio,                  1, CeaExtendedTagNone, NoOui,   0,              4, 0x08, &CeaExtBlock::fillCellSAD,         QT_TRANSLATE_NOOP("CeaExtBlock", "(Audio Data Block)")},
    {CeaBlockVideo,                  2, CeaExtendedTagNone, NoOui,   0,              2, 0x01, &CeaExtBlock::fillCellSVD,         QT_TRANSLATE_NOOP("CeaExtBlock", "(Video Data Block)")},
    {CeaBlockHdmiVsdb,               3, CeaExtendedTagNone, ThisOui, CeaOuiHdmi,     6, 0,    &CeaExtBlock::fillCellHdmiVSDB,    QT_TRANSLATE_NOOP("CeaExtBlock", "(HDMI Vendor Specific Data Block)")},
    {CeaBlockSpeakerAllocation,      4, CeaExtendedTagNone, NoOui,   0,              4, 0,    &CeaExtBlock::fillCellSpeakers,    QT_TRANSLATE_NOOP("CeaExtBlock", "(Speaker Allocation Data Block)")},
    {CeaBlockVideoCapability,        7, 0,                  NoOui,   0,              3, 0,    &CeaExtBlock::fillCellVideoCaps,   QT_TRANSLATE_NOOP("CeaExtBlock", "(Video Capability Data Block)")},
    {CeaBlockColorimetry,            7, 5,                  NoOui,   0,              4, 0,    &CeaExtBlock::fillCellColorimetry, QT_TRANSLATE_NOOP("CeaExtBlock", "(Colorimetry Data Block)")},
    {CeaBlockVendorSpecific,         3, CeaExtendedTagNone, AnyOui,  CeaOuiNewBlock, 4, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(Vendor Specific Data Block)")},
    {CeaBlockVendorSpecificVideo,    7, 1,                  AnyOui,  CeaOuiNewBlock, 5, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(Vendor Specific Video Data Block)")},
    {CeaBlockVendorSpecificAudio,    7, 17,                 AnyOui,  CeaOuiNewBlock, 5, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(Vendor Specific Audio Data Block)")},
    {CeaBlockVesaDtc,                5, CeaExtendedTagNone, NoOui,   0,              8, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(VESA DTC Data Block)")},
    {CeaBlockVesaVideoDisplayDevice, 7, 2,                  NoOui,   0,             32, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(VESA Video Display Device Data Block)")},
    {CeaBlockVesaVideo,              7, 3,                  NoOui,   0,              3, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(VESA Video Data Block)")},
    {CeaBlockHdmiVideo,              7, 4,                  NoOui,   0,              3, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(HDMI Video Data Block)")},
    {CeaBlockMiscAudioFields,        7, 16,                 NoOui,   0,              3, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(CEA Misc. Audio Data Block)")},
    {CeaBlockHdmiAudio,              7, 18,                 NoOui,   0,              4, 0,    nullptr,                           QT_TRANSLATE_NOOP("CeaExtBlock", "(HDMI Audio Data Block)")},
};
// clang-format on

namespace {

// Every kind has its row at its own index (a missing row is a zero row, out of place).
static_assert(rowsInKeyOrder(CeaExtBlock::BlockKinds, &CeaExtBlock::BlockKind::id,
                             CeaBlockKindCount),
              "every CeaBlockID has one row, in the order of the enum");

// No two kinds claim the same tags unless the OUI of one tells them apart, so the tag-to-kind
// mapping has one answer.
constexpr bool tagsApart()
{
    for (std::size_t i = 0; i < std::size(CeaExtBlock::BlockKinds); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const CeaExtBlock::BlockKind &a = CeaExtBlock::BlockKinds[i];
            const CeaExtBlock::BlockKind &b = CeaExtBlock::BlockKinds[j];
            if (a.tagCode != b.tagCode || a.extendedTag != b.extendedTag)
                continue;
            // Two kinds of one tag differ by the OUI of one of them.
            const bool ouiTellsApart =
                (a.ouiUse == CeaExtBlock::ThisOui || b.ouiUse == CeaExtBlock::ThisOui)
                && a.oui != b.oui && a.ouiUse != CeaExtBlock::NoOui
                && b.ouiUse != CeaExtBlock::NoOui;
            if (!ouiTellsApart)
                return false;
        }
    }
    return true;
}
static_assert(tagsApart(), "a data block's tags name one kind");

// The header a new block gets: the tag byte, the extended tag, the OUI.
constexpr unsigned newHeaderLength(const CeaExtBlock::BlockKind &kind)
{
    return 1u + (kind.extendedTag != CeaExtendedTagNone ? 1u : 0u)
           + (kind.ouiUse != CeaExtBlock::NoOui ? 3u : 0u);
}

constexpr bool sizesHoldHeaders()
{
    for (const CeaExtBlock::BlockKind &kind : CeaExtBlock::BlockKinds) {
        if (kind.id == CeaBlockDummy
                ? kind.minSize != 0
                : (kind.extendedTag != CeaExtendedTagNone) != (kind.tagCode == 7)
                      || kind.minSize < newHeaderLength(kind)
                      || kind.minSize > CeaExtBlock::MaxDataBlockSize
                      || (kind.newPayloadByte != 0 && kind.minSize == newHeaderLength(kind)))
            return false;
    }
    return true;
}
static_assert(sizesHoldHeaders(), "every kind but the dummy has an extended tag with tag code 7 "
                                  "only, and a minimum size that holds its header and the payload "
                                  "byte a new block gets");

} // namespace

const CeaExtBlock::BlockKind &CeaExtBlock::blockKind(CeaBlockID id)
{
    return id < CeaBlockKindCount ? BlockKinds[id] : BlockKinds[CeaBlockDummy];
}
