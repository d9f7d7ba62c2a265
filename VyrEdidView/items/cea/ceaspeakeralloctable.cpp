#include "ceaextdatablockfieldsitem.h"

#include <iterator>

namespace {

using Speakers = CeaSpeakerAllocation;

// Rows of a speaker allocation data block in the order shown; payload byte and bit (CTA-861-G,
// section 7.5.3) in the comment.
constexpr CeaFieldRow<Speakers> SpeakerRows[] = {
    flagRow(97, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Low Frequency Effect"),
            &Speakers::lowFrequencyEffects), // 0.1
    titleRow<Speakers>(85, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Front")),
    flagRow(86, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "High Left/Right"),
            &Speakers::frontLeftRightHigh, 85), // 1.0
    flagRow(87, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "High Center"),
            &Speakers::frontCenterHigh, 85), // 1.2
    flagRow(88, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Wide Left/Right"),
            &Speakers::frontLeftRightWide, 85), // 0.7
    flagRow(89, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Left/Right"),
            &Speakers::frontLeftRight, 85), // 0.0
    flagRow(90, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center Left/Right"),
            &Speakers::frontLeftRightCenter, 85), // 0.5
    flagRow(91, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center"),
            &Speakers::frontCenter, 85), // 0.2
    flagRow(92, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Top Center"),
            &Speakers::topCenter), // 1.1
    titleRow<Speakers>(93, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Rear")),
    flagRow(94, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Left/Right"),
            &Speakers::rearLeftRight, 93), // 0.3
    flagRow(95, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center Left/Right"),
            &Speakers::rearLeftRightCenter, 93), // 0.6
    flagRow(96, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center"),
            &Speakers::rearCenter, 93), // 0.4
};

} // namespace

// A speaker allocation data block (CTA-861-G, section 7.5.3): one check box per speaker pair,
// grouped as front, top and rear speakers.
const CeaFieldFamily<CeaSpeakerAllocation> CeaSpeakerAllocationFields = {
    "CeaExtDataBlockSpeakerAllocItem",
    QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "CEA Speaker Allocation"),
    &CeaExtBlock::GetSpeakersAllocation,
    &CeaExtBlock::SetSpeakersAllocation,
    &CeaExtBlock::GetSpeakersAllocationLocation,
    SpeakerRows,
    static_cast<int>(std::size(SpeakerRows)),
};
