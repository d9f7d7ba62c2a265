#include "ceaextdatablockfieldsitem.h"

#include <iterator>

namespace {

// Rows of a colorimetry data block in the order shown; payload byte and bit (CTA-861-G, section
// 7.5.5) in the comment.
constexpr CeaFieldRow<CeaColometry> ColorimetryRows[] = {
    flagRow(105, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "xvYCC-601"),
            &CeaColometry::xvYCC601), // 0.0
    flagRow(106, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "xvYCC-709"),
            &CeaColometry::xvYCC709), // 0.1
    flagRow(107, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "Adobe YCC-601"),
            &CeaColometry::adobeYCC601), // 0.3
    flagRow(108, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "Adobe RGB"),
            &CeaColometry::adobeRGB), // 0.4
    flagRow(109, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "sYCC-601"),
            &CeaColometry::sYCC601), // 0.2
    flagRow(110, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 0"),
            &CeaColometry::md0), // 1.0
    flagRow(111, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 1"),
            &CeaColometry::md1), // 1.1
    flagRow(112, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 2"),
            &CeaColometry::md2), // 1.2
    flagRow(113, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 3"),
            &CeaColometry::md3), // 1.3
};

} // namespace

// A colorimetry data block (CTA-861-G, section 7.5.5): one check box per colorimetry and metadata
// profile flag; the reserved bits of both payload bytes are kept.
const CeaFieldFamily<CeaColometry> CeaColorimetryFields = {
    "CeaExtDataBlockColorimetryItem",
    QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "Colorimetry Data Block"),
    &CeaExtBlock::GetColorimetry,
    &CeaExtBlock::SetColorimetry,
    &CeaExtBlock::GetColorimetryLocation,
    ColorimetryRows,
    static_cast<int>(std::size(ColorimetryRows)),
};
