#include "CeaExtDataBlockColorimetryItem.h"

// Rows of a colorimetry data block in the order shown; payload byte and bit (CTA-861-G, section
// 7.5.5) in the comment.
const CeaExtDataBlockColorimetryItem::FlagRow CeaExtDataBlockColorimetryItem::Rows[9] = {
    {105, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "xvYCC-601"), 0,
     &CeaColometry::xvYCC601}, // 0.0
    {106, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "xvYCC-709"), 0,
     &CeaColometry::xvYCC709}, // 0.1
    {107, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "Adobe YCC-601"), 0,
     &CeaColometry::adobeYCC601}, // 0.3
    {108, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "Adobe RGB"), 0,
     &CeaColometry::adobeRGB}, // 0.4
    {109, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "sYCC-601"), 0,
     &CeaColometry::sYCC601}, // 0.2
    {110, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 0"), 0,
     &CeaColometry::md0}, // 1.0
    {111, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 1"), 0,
     &CeaColometry::md1}, // 1.1
    {112, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 2"), 0,
     &CeaColometry::md2}, // 1.2
    {113, QT_TRANSLATE_NOOP("CeaExtDataBlockColorimetryItem", "MD Profile 3"), 0,
     &CeaColometry::md3}, // 1.3
};
