#include "vyrediddtdfieldtable.h"

#include "vyrediddtdfieldsitem.h"

#include <QtGlobal>

// Titles of the fields, by field number.
const char *const VyrEdidDtdFieldTable::Labels[VyrEdidDtdFieldsItem::FieldCount] = {
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "HAdressable:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "VAdressable:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "HBlank:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "VBlank:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "HSyncStart:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "VSyncStart:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "HSyncWidth:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "VSyncWidth:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "HBorder:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "VBorder:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "HImageSize:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "VImageSize:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "PixelClock:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Interlace:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "SyncSignal:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Flag1:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Flag2:"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "StereoFormat:"),
};

// The numeric rows in the order they are shown, with the values each field can hold. A pixel
// clock of 0 would turn the descriptor into a display descriptor (and, in a CEA-861 block, end
// the list of detailed timings there), so the clock starts at 1 (10 kHz).
// clang-format off
const VyrEdidDtdFieldTable::NumberRow VyrEdidDtdFieldTable::NumberRows[NumberRowCount] = {
    {VyrEdidDtdFieldsItem::HActive,     0, 4095,  &DetailedTiming::hActive},
    {VyrEdidDtdFieldsItem::HBlank,      0, 4095,  &DetailedTiming::hBlanking},
    {VyrEdidDtdFieldsItem::HSyncOffset, 0, 1023,  &DetailedTiming::hSyncOffset},
    {VyrEdidDtdFieldsItem::HSyncWidth,  0, 1023,  &DetailedTiming::hSyncWidth},
    {VyrEdidDtdFieldsItem::HBorder,     0, 255,   &DetailedTiming::hBorder},
    {VyrEdidDtdFieldsItem::HImageSize,  0, 4095,  &DetailedTiming::hImageSize},
    {VyrEdidDtdFieldsItem::VActive,     0, 4095,  &DetailedTiming::vActive},
    {VyrEdidDtdFieldsItem::VBlank,      0, 4095,  &DetailedTiming::vBlanking},
    {VyrEdidDtdFieldsItem::VSyncOffset, 0, 63,    &DetailedTiming::vSyncOffset},
    {VyrEdidDtdFieldsItem::VSyncWidth,  0, 63,    &DetailedTiming::vSyncWidth},
    {VyrEdidDtdFieldsItem::VBorder,     0, 255,   &DetailedTiming::vBorder},
    {VyrEdidDtdFieldsItem::VImageSize,  0, 4095,  &DetailedTiming::vImageSize},
    {VyrEdidDtdFieldsItem::PixelClock,  1, 65535, &DetailedTiming::pixelClock},
};
// clang-format on

const char *const VyrEdidDtdFieldTable::SyncSignalNames[4] = {
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Analog Composite"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Bipolar Analog Composite"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Digital Composite"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Digital Separate"),
};

const char *const VyrEdidDtdFieldTable::StereoFormatNames[7] = {
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "2D"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Field Sequential Right Polarity"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "2-Way Interleave Right Polarity"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Field Sequential Left Polarity"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "2-Way Interleave Left Polarity"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "4-Way Interleave"),
    QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Side-by-Side"),
};

// Byte 17 bit 1 and bit 2 by sync kind: analog kinds sync on all three colour signals and may
// need serrations; digital kinds give the polarities (VESA E-EDID 1.4, table 3.22).
const VyrEdidDtdFieldTable::FlagLabels VyrEdidDtdFieldTable::FlagLabelsBySync[4] = {
    {QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Sync on all 3 RGB lines:"),
     QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Need serration setup on VSync:")},
    {QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Sync on all 3 RGB lines:"),
     QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Need serration setup on VSync:")},
    {QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Positive HSync polarity:"),
     QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Need serration setup on VSync:")},
    {QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Positive HSync polarity:"),
     QT_TRANSLATE_NOOP("VyrEdidDtdFieldsItem", "Positive VSync polarity:")},
};
