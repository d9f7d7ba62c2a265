#include "CeaExtDataBlockVideoCapItem.h"
#include "model/cea/ceadatablocks.h"

#include <QCoreApplication>

// Rows of a video capability data block in the order shown (CTA-861-G, section 7.5.6): the
// three scan behaviours take two bits each (CE bits 1-0, IT bits 3-2, PT bits 5-4), the
// quantization flags one (RGB bit 6, YCC bit 7).
const CeaExtDataBlockVideoCapItem::FieldRow CeaExtDataBlockVideoCapItem::Rows[5] = {
    {99, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "CE Scan Behavior"), &scanEntries,
     [](const CeaVideoCaps &c) { return c.ceOverscan; },
     [](CeaVideoCaps &c, unsigned int v) { c.ceOverscan = v; }},
    {100, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "IT Scan Behavior"), &scanEntries,
     [](const CeaVideoCaps &c) { return c.itOverscan; },
     [](CeaVideoCaps &c, unsigned int v) { c.itOverscan = v; }},
    {101, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "PT Scan Behavior"), &scanEntries,
     [](const CeaVideoCaps &c) { return c.ptOverscan; },
     [](CeaVideoCaps &c, unsigned int v) { c.ptOverscan = v; }},
    {102, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "RGB Quantization Range"), &rgbEntries,
     [](const CeaVideoCaps &c) { return c.rgbQuantizationSelectable ? 1u : 0u; },
     [](CeaVideoCaps &c, unsigned int v) { c.rgbQuantizationSelectable = v > 0; }},
    {103, QT_TRANSLATE_NOOP("CeaExtDataBlockVideoCapItem", "YCC Quantization Range"), &yccEntries,
     [](const CeaVideoCaps &c) { return c.yccQuantizationSelectable ? 1u : 0u; },
     [](CeaVideoCaps &c, unsigned int v) { c.yccQuantizationSelectable = v > 0; }},
};

QStringList CeaExtDataBlockVideoCapItem::scanEntries()
{
    return {tr("Video Format not supported"), tr("Always Overscanned"), tr("Always Underscanned"),
            tr("Supports both Overscan and Underscan")};
}

QStringList CeaExtDataBlockVideoCapItem::rgbEntries()
{
    return {tr("No Data"), tr("Selectable (via AVI Q)")};
}

QStringList CeaExtDataBlockVideoCapItem::yccEntries()
{
    return {tr("Limited Range"), tr("Full Range")};
}
