#include "ceaextdatablockfieldsitem.h"

#include <iterator>

namespace {

constexpr const char *ScanTexts[] = {
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Video Format not supported"),
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Always Overscanned"),
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Always Underscanned"),
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Supports both Overscan and Underscan"),
};
constexpr const char *RgbTexts[] = {
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "No Data"),
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Selectable (via AVI Q)"),
};
constexpr const char *YccTexts[] = {
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Limited Range"),
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "Full Range"),
};
constexpr CeaFieldChoices ScanChoices = fieldChoices(ScanTexts);
constexpr CeaFieldChoices RgbChoices = fieldChoices(RgbTexts);
constexpr CeaFieldChoices YccChoices = fieldChoices(YccTexts);

// Rows of a video capability data block in the order shown (CTA-861-G, section 7.5.6): the
// three scan behaviours take two bits each (CE bits 1-0, IT bits 3-2, PT bits 5-4), the
// quantization flags one (RGB bit 6, YCC bit 7).
constexpr CeaFieldRow<CeaVideoCaps> VideoCapRows[] = {
    choiceRow(99, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "CE Scan Behavior"),
              &CeaVideoCaps::ceOverscan, ScanChoices),
    choiceRow(100, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "IT Scan Behavior"),
              &CeaVideoCaps::itOverscan, ScanChoices),
    choiceRow(101, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "PT Scan Behavior"),
              &CeaVideoCaps::ptOverscan, ScanChoices),
    choiceRow(102, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "RGB Quantization Range"),
              &CeaVideoCaps::rgbQuantizationSelectable, RgbChoices),
    choiceRow(103, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "YCC Quantization Range"),
              &CeaVideoCaps::yccQuantizationSelectable, YccChoices),
};

} // namespace

// A video capability data block (CTA-861-G, section 7.5.6): a drop-down list per field of its
// payload byte (three scan behaviours, two quantization flags).
const CeaFieldFamily<CeaVideoCaps> CeaVideoCapabilityFields = {
    "CeaExtDataBlockVideoCapItem",
    QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "CEA Video Capabilities"),
    &CeaExtBlock::GetVideoCaps,
    &CeaExtBlock::SetVideoCaps,
    &CeaExtBlock::GetVideoCapsLocation,
    VideoCapRows,
    static_cast<int>(std::size(VideoCapRows)),
};
