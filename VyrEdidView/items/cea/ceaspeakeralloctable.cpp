#include "CeaExtDataBlockSpeakerAllocItem.h"

// Rows of a speaker allocation data block in the order shown; payload byte and bit (CTA-861-G,
// section 7.5.3) in the comment.
const CeaExtDataBlockSpeakerAllocItem::FlagRow CeaExtDataBlockSpeakerAllocItem::Rows[13] = {
    {97, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Low Frequency Effect"), 0,
     &CeaSpeakerAllocation::lowFrequencyEffects}, // 0.1
    {85, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Front"), 0, nullptr},
    {86, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "High Left/Right"), 85,
     &CeaSpeakerAllocation::frontLeftRightHigh}, // 1.0
    {87, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "High Center"), 85,
     &CeaSpeakerAllocation::frontCenterHigh}, // 1.2
    {88, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Wide Left/Right"), 85,
     &CeaSpeakerAllocation::frontLeftRightWide}, // 0.7
    {89, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Left/Right"), 85,
     &CeaSpeakerAllocation::frontLeftRight}, // 0.0
    {90, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center Left/Right"), 85,
     &CeaSpeakerAllocation::frontLeftRightCenter}, // 0.5
    {91, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center"), 85,
     &CeaSpeakerAllocation::frontCenter}, // 0.2
    {92, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Top Center"), 0,
     &CeaSpeakerAllocation::topCenter}, // 1.1
    {93, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Rear"), 0, nullptr},
    {94, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Left/Right"), 93,
     &CeaSpeakerAllocation::rearLeftRight}, // 0.3
    {95, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center Left/Right"), 93,
     &CeaSpeakerAllocation::rearLeftRightCenter}, // 0.6
    {96, QT_TRANSLATE_NOOP("CeaExtDataBlockSpeakerAllocItem", "Center"), 93,
     &CeaSpeakerAllocation::rearCenter}, // 0.4
};
