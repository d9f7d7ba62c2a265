// Row labels, lists and number rows of the range limits item.
#include "items/base/vyredidrangelimititem.h"
#include "items/base/vyredidrangelimitsubitem.h"

namespace {

// What the descriptor keeps of a typed value.
unsigned tenMegahertz(unsigned value) // byte 9: the maximum pixel clock in 10 MHz
{
    return (value + 5u) / 10u * 10u;
}

unsigned twoKilohertz(unsigned value) // byte 12 of secondary GTF: the start frequency / 2
{
    return value / 2u * 2u;
}

unsigned quarterMegahertz(unsigned value) // byte 12 bits 7-2 of CVT: the precision in 250 kHz
{
    return ((value + 125u) / 250u & 0x3Fu) * 250u;
}

} // namespace

QString VyrEdidRangeLimitSubItem::fieldLabel(unsigned int code)
{
    static const char *const labels[] = {
        QT_TR_NOOP("Timings:"),
        QT_TR_NOOP("HRate Offsets:"),
        QT_TR_NOOP("HRate Range Min(kHz):"),
        QT_TR_NOOP("HRate Range Max(kHz):"),
        QT_TR_NOOP("VRate Offsets:"),
        QT_TR_NOOP("VRate Range Min(Hz):"),
        QT_TR_NOOP("VRate Range Max(Hz):"),
        "",
        "",
        QT_TR_NOOP("GTF Parameters:"),
        QT_TR_NOOP("GTF C Parameter:"),
        QT_TR_NOOP("GTF K Parameter:"),
        QT_TR_NOOP("GTF M Parameter:"),
        QT_TR_NOOP("GTF J Parameter:"),
        QT_TR_NOOP("GTF Start HRate:"),
        QT_TR_NOOP("CVT Parameters:"),
        QT_TR_NOOP("Max Line Length(pixels):"),
        QT_TR_NOOP("Max Clock precission(kHz):"),
        QT_TR_NOOP("Preferred Aspect Ratio:"),
        QT_TR_NOOP("Preferred VRate(Hz):"),
        QT_TR_NOOP("Standard Blanking:"),
        QT_TR_NOOP("Reduced blanking:"),
        QT_TR_NOOP("Horizontal Shrink:"),
        QT_TR_NOOP("Horizontal Stretch:"),
        QT_TR_NOOP("Vertical Shrink:"),
        QT_TR_NOOP("Vertical Stretch:"),
        QT_TR_NOOP("CVT Supported Aspect Ratio:"),
        QT_TR_NOOP("4x3"),
        QT_TR_NOOP("16x9"),
        QT_TR_NOOP("16x10"),
        QT_TR_NOOP("5x4"),
        QT_TR_NOOP("15x9"),
    };
    if (code >= sizeof labels / sizeof labels[0] || !*labels[code])
        return QString();
    return tr(labels[code]);
}

QStringList VyrEdidRangeLimitItem::timingSupportNames(bool edid14)
{
    if (!edid14)
        return {tr("Range Limits Only"), tr("Secondary GTF supported")};
    return {tr("Default GTF supported"), tr("Range Limits Only"), tr("Secondary GTF supported"),
            tr("CVT supported")};
}

QStringList VyrEdidRangeLimitItem::offsetNames()
{
    return {tr("Rate Offsets are zero"), tr("Max + 255Hz, Min is zero"),
            tr("Max + 255Hz, Min + 254Hz")};
}

QStringList VyrEdidRangeLimitItem::aspectNames()
{
    return {tr("4x3"), tr("16x9"), tr("16x10"), tr("5x4"), tr("15x9")};
}

const VyrEdidRangeLimitItem::NumberRow VyrEdidRangeLimitItem::NumberRows[13] = {
    {HRateMin, Timings, 1, 254, QT_TR_NOOP("Valid range 1KHz --> 254KHz"),
     [](RangeLimits &r) -> unsigned & { return r.minHorizontalRate; }, nullptr, Group::Rates,
     &VyrEdidRangeLimitItem::onEditHRateRangeMin},
    {HRateMax, Timings, 2, 255, QT_TR_NOOP("Valid range 2KHz --> 255KHz"),
     [](RangeLimits &r) -> unsigned & { return r.maxHorizontalRate; }, nullptr, Group::Rates,
     &VyrEdidRangeLimitItem::onEditHRateRangeMax},
    {VRateMin, Timings, 1, 254, QT_TR_NOOP("Valid range 1KHz --> 254Hz"),
     [](RangeLimits &r) -> unsigned & { return r.minVerticalRate; }, nullptr, Group::Rates,
     &VyrEdidRangeLimitItem::onEditVRateRangeMin},
    {VRateMax, Timings, 2, 255, QT_TR_NOOP("Valid range 2KHz --> 255KHz"),
     [](RangeLimits &r) -> unsigned & { return r.maxVerticalRate; }, nullptr, Group::Rates,
     &VyrEdidRangeLimitItem::onEditVRateRangeMax},
    {MaxClock, Timings, 10, 2550, QT_TR_NOOP("Valid range 10MHz --> 2550MHz"),
     [](RangeLimits &r) -> unsigned & { return r.maxPixelClock; }, tenMegahertz, Group::Rates,
     &VyrEdidRangeLimitItem::onEditMaxClock},
    // C and J in steps of 0.5: the limits count halves.
    {GtfC, GtfGroup, 0, 255, QT_TR_NOOP("Valid range 0 --> 127.5"),
     [](RangeLimits &r) -> unsigned & { return r.gtf.cHalves; }, nullptr, Group::Gtf,
     &VyrEdidRangeLimitItem::onEditGTF_C, true},
    {GtfK, GtfGroup, 0, 255, QT_TR_NOOP("Valid range 0 --> 255"),
     [](RangeLimits &r) -> unsigned & { return r.gtf.k; }, nullptr, Group::Gtf,
     &VyrEdidRangeLimitItem::onEditGTF_K},
    {GtfM, GtfGroup, 0, 65535, QT_TR_NOOP("Valid range 0 --> 65535"),
     [](RangeLimits &r) -> unsigned & { return r.gtf.m; }, nullptr, Group::Gtf,
     &VyrEdidRangeLimitItem::onEditGTF_M},
    {GtfJ, GtfGroup, 0, 255, QT_TR_NOOP("Valid range 0 --> 127.5"),
     [](RangeLimits &r) -> unsigned & { return r.gtf.jHalves; }, nullptr, Group::Gtf,
     &VyrEdidRangeLimitItem::onEditGTF_J, true},
    // Stored as kHz / 2 in one byte.
    {GtfStartHRate, GtfGroup, 0, 510, QT_TR_NOOP("Valid range 0 --> 510"),
     [](RangeLimits &r) -> unsigned & { return r.gtf.startFrequency; }, twoKilohertz, Group::Gtf,
     &VyrEdidRangeLimitItem::onEditGTF_StartHRate},
    // A 10-bit count.
    {CvtMaxLineLength, CvtGroup, 0, 1023, QT_TR_NOOP("Valid range 0 --> 1023"),
     [](RangeLimits &r) -> unsigned & { return r.cvt.maxActivePixels; }, nullptr, Group::Cvt,
     &VyrEdidRangeLimitItem::onEditCVT_MaxLineLength},
    {CvtMaxClockPrecision, CvtGroup, 0, 15860, QT_TR_NOOP("Valid range 0KHz --> 15860KHz"),
     [](RangeLimits &r) -> unsigned & { return r.cvt.pixelClockPrecision; }, quarterMegahertz,
     Group::Cvt, &VyrEdidRangeLimitItem::onEditCVT_MaxClockPrec},
    {CvtPreferredVRate, CvtGroup, 0, 255, QT_TR_NOOP("Valid range 0Hz --> 255Hz"),
     [](RangeLimits &r) -> unsigned & { return r.cvt.preferredRefresh; }, nullptr, Group::Cvt,
     &VyrEdidRangeLimitItem::onEditCVT_PrefVRate},
};
