// Names and rows of the detailed timing items.
#include "items/base/vyrediddetiledtimingitem.h"
#include "items/base/vyrediddetiledtimingsubitem.h"

#include <QCoreApplication>

// clang-format off
const VyrEdidDetiledTimingItem::NumberRow VyrEdidDetiledTimingItem::NumberRows[NumberFieldCount] = {
    // Row order on screen: horizontal fields, vertical fields, pixel clock (10 kHz units; 0
    // would make the 18 bytes a display descriptor).
    {HAddressable, 0, 4095, &DetailedTiming::hActive, &VyrEdidDetiledTimingItem::onHAdressable},
    {HBlank, 0, 4095, &DetailedTiming::hBlanking, &VyrEdidDetiledTimingItem::onHBlank},
    {HSyncStart, 0, 1023, &DetailedTiming::hSyncOffset, &VyrEdidDetiledTimingItem::onHSyncStart},
    {HSyncWidth, 0, 1023, &DetailedTiming::hSyncWidth, &VyrEdidDetiledTimingItem::onHSyncWidth},
    {HBorder, 0, 255, &DetailedTiming::hBorder, &VyrEdidDetiledTimingItem::onHBorder},
    {HImageSize, 0, 4095, &DetailedTiming::hImageSize, &VyrEdidDetiledTimingItem::onHImageSize},
    {VAddressable, 0, 4095, &DetailedTiming::vActive, &VyrEdidDetiledTimingItem::onVAdressable},
    {VBlank, 0, 4095, &DetailedTiming::vBlanking, &VyrEdidDetiledTimingItem::onVBlank},
    {VSyncStart, 0, 63, &DetailedTiming::vSyncOffset, &VyrEdidDetiledTimingItem::onVSyncStart},
    {VSyncWidth, 0, 63, &DetailedTiming::vSyncWidth, &VyrEdidDetiledTimingItem::onVSyncWidth},
    {VBorder, 0, 255, &DetailedTiming::vBorder, &VyrEdidDetiledTimingItem::onVBorder},
    {VImageSize, 0, 4095, &DetailedTiming::vImageSize, &VyrEdidDetiledTimingItem::onVImageSize},
    {PixelClock, 1, 65535, &DetailedTiming::pixelClock, &VyrEdidDetiledTimingItem::onPixelClock},
};

// Byte 17 bits 1 and 2 by sync kind (bits 4-3).
const char *const VyrEdidDetiledTimingItem::FlagLabels[4][2] = {
    {QT_TR_NOOP("Sync on all 3 RGB lines:"), QT_TR_NOOP("Need serration setup on VSync:")},
    {QT_TR_NOOP("Sync on all 3 RGB lines:"), QT_TR_NOOP("Need serration setup on VSync:")},
    {QT_TR_NOOP("Positive HSync polarity:"), QT_TR_NOOP("Need serration setup on VSync:")},
    {QT_TR_NOOP("Positive HSync polarity:"), QT_TR_NOOP("Positive VSync polarity:")},
};
// clang-format on

QStringList VyrEdidDetiledTimingItem::syncKindNames()
{
    return {tr("Analog Composite"), tr("Bipolar Analog Composite"), tr("Digital Composite"),
            tr("Digital Separate")};
}

QStringList VyrEdidDetiledTimingItem::stereoNames()
{
    return {tr("2D"),
            tr("Field Sequential Right Polarity"),
            tr("2-Way Interleave Right Polarity"),
            tr("Field Sequential Left Polarity"),
            tr("2-Way Interleave Left Polarity"),
            tr("4-Way Interleave"),
            tr("Side-by-Side")};
}

QString VyrEdidDetiledTimingSubItem::fieldLabel(unsigned int code)
{
    // Labels by field code. Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    static const char *const labels[] = {
        QT_TR_NOOP("HAdressable:"), QT_TR_NOOP("VAdressable:"), QT_TR_NOOP("HBlank:"),
        QT_TR_NOOP("VBlank:"),      QT_TR_NOOP("HSyncStart:"),  QT_TR_NOOP("VSyncStart:"),
        QT_TR_NOOP("HSyncWidth:"),  QT_TR_NOOP("VSyncWidth:"),  QT_TR_NOOP("HBorder:"),
        QT_TR_NOOP("VBorder:"),     QT_TR_NOOP("HImageSize:"),  QT_TR_NOOP("VImageSize:"),
        QT_TR_NOOP("PixelClock:"),  QT_TR_NOOP("Interlace:"),   QT_TR_NOOP("SyncSignal:"),
        QT_TR_NOOP("Flag1:"),       QT_TR_NOOP("Flag2:"),       QT_TR_NOOP("StereoFormat:"),
    };
    return code < sizeof labels / sizeof labels[0] ? tr(labels[code]) : QString();
}
