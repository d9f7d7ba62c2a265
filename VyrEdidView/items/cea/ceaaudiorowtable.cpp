#include "CeaExtDataBlockAudioSubItem.h"

#include <QCoreApplication>

// Field rows of a short audio descriptor in the order shown: code, label, parent code (28: the
// descriptor row) and the bit of the flag a check box shows (-1: none). Rates are byte 1 bits
// 6-0, bit depths byte 2 bits 2-0 (CTA-861-G, section 7.5.2).
const CeaExtDataBlockAudioSubItem::FieldRow CeaExtDataBlockAudioSubItem::Rows[14] = {
    {29, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "Format"), 28, -1},
    {30, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "32kHz"), 29, 0},
    {31, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "44.1kHz"), 29, 1},
    {32, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "48kHz"), 29, 2},
    {33, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "88.2kHz"), 29, 3},
    {34, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "96kHz"), 29, 4},
    {35, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "176.4"), 29, 5},
    {36, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "192kHz"), 29, 6},
    {37, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "Number of Channels"), 28, -1},
    {38, "", 28, -1},
    {39, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "Bit Rate"), 28, -1},
    {40, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "16bit"), 39, 0},
    {41, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "20bit"), 39, 1},
    {42, QT_TRANSLATE_NOOP("CeaExtDataBlockAudioSubItem", "24bit"), 39, 2},
};

QStringList CeaExtDataBlockAudioSubItem::formatEntries()
{
    return {tr("LPCM"),   tr("AC-3"), tr("MPEG-1"), tr("MP3"),     tr("MPEG2"),
            tr("AAC LC"), tr("DTS"),  tr("ATRAC"),  tr("DSD"),     tr("E-AC-3"),
            tr("DTS-HD"), tr("MLP"),  tr("DST"),    tr("WMA-Pro"), tr("Extended")};
}
