// EDID 1.3 base block: the text report (Validate, ValidateEdid13), the mode list
// (FillModeInfo) and the byte descriptions (FillCellInfo) for a report front end.

#include "edid13block.h"
#include "model/bits.h"
#include "model/callbackfillcontenttgt.h"

#include <QCoreApplication>

namespace {

constexpr unsigned kBlockSize = 128;
constexpr unsigned kStandardByte = 38;
constexpr unsigned kDescriptorByte = 54;
constexpr unsigned kDescriptorSize = 18;

QString tr13(const char *text)
{
    return QCoreApplication::translate("Edid13Block", text);
}

QString hexByte(unsigned value)
{
    return QString::number(value & 0xFFu, 16).toUpper();
}

QString hexByte2(unsigned value)
{
    return QStringLiteral("%1").arg(value & 0xFFu, 2, 16, QLatin1Char('0')).toUpper();
}

void append(CallbackFillContentTgt *target, const QString &text)
{
    if (target)
        target->AppendText(text);
}

// Height of a standard timing with first byte value n + 31 and aspect bits; before EDID 1.3
// (revision below 3) aspect 00 meant 1:1.
unsigned standardHeight(unsigned n, unsigned aspectBits, unsigned revision)
{
    switch (aspectBits) {
    case 0:
        return revision > 2 ? n * 5u : n * 8u;
    case 1:
        return n * 6u;
    case 2:
        return n * 32u / 5u;
    default:
        return n * 72u / 16u;
    }
}

} // namespace

bool Edid13Block::validateHeader(CallbackFillContentTgt *target, const unsigned char *image,
                                 unsigned offset, unsigned size, const QString &prefix)
{
    if (size < kBlockSize) {
        append(
            target,
            prefix
                + tr13("%1 - unsufficient size. Required %2 bytes\r\n").arg(size).arg(kBlockSize));
        return false;
    }
    if (!image)
        return false;
    for (unsigned i = 0; i < 8; ++i) {
        if (image[offset + i] != Edid13Block::EdidHeader[i]) {
            append(target,
                   prefix
                       + tr13("Byte[%1] = 0x%2 does not match EDID header pattern (0x00 0xFF 0xFF "
                              "0xFF 0xFF 0xFF 0xFF 0x00)\r\n")
                             .arg(offset + i)
                             .arg(hexByte2(image[offset + i])));
            return false;
        }
    }
    const unsigned version = image[offset + 18];
    if (version != 1) {
        append(target, prefix
                           + tr13("Byte[%1] = 0x%2 defines invalid version (%3.XX). Supported "
                                  "version pattern is 1.XX\r\n")
                                 .arg(offset + 18)
                                 .arg(hexByte2(version))
                                 .arg(version));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Text report

bool Edid13Block::ValidateEdid13(CallbackFillContentTgt *target, unsigned char *image,
                                 unsigned offset, unsigned size)
{
    const QString prefix = QStringLiteral("  EDID1.3.........: ");
    if (!validateHeader(target, image, offset, size, prefix))
        return false;
    const unsigned revision = image[offset + 19];
    if (revision >= 4) {
        append(target, prefix
                           + tr13("Byte[%1] = 0x%2 defines invalid sub-version. Should be 3 or "
                                  "lower\r\n")
                                 .arg(offset + 19)
                                 .arg(hexByte2(revision)));
        return false;
    }
    return true;
}

int Edid13Block::Validate(CallbackFillContentTgt *target)
{
    if (!rawData)
        return 0;
    append(target, tr13("\r\nValidating EDID%1.%2 Base Block. Data Range: Byte[%3] --> "
                        "Byte[%4]\r\n")
                       .arg(rawData[18])
                       .arg(rawData[19])
                       .arg(startOffset)
                       .arg(startOffset + GetBlockSize() - 1));
    int errors = 0;
    const unsigned computed = computeOneByteCheckSum(rawData, kBlockSize - 1);
    if (rawData[kBlockSize - 1] != computed) {
        append(target, tr13("  Error: Invalid checksum. 0x%1 (stored checksum) instead 0x%2 "
                            "(calculated checksum).\r\n")
                           .arg(hexByte(rawData[kBlockSize - 1]))
                           .arg(hexByte(computed)));
        ++errors;
    }
    errors += validateGeneralInfo(target);
    errors += validateBasicParams(target);
    errors += validateColorChars(target);
    errors += validateEstablishedT(target);
    errors += validateStandardT(target);
    for (unsigned slot = 0; slot < 4; ++slot)
        errors += validateDescriptor(target, slot);
    if (errors == 0)
        append(target, tr13("  Block is valid\r\n"));
    return errors;
}

int Edid13Block::validateGeneralInfo(CallbackFillContentTgt *)
{
    return 0;
}

int Edid13Block::validateBasicParams(CallbackFillContentTgt *)
{
    return 0;
}

int Edid13Block::validateColorChars(CallbackFillContentTgt *)
{
    return 0;
}

int Edid13Block::validateEstablishedT(CallbackFillContentTgt *)
{
    return 0;
}

int Edid13Block::validateStandardT(CallbackFillContentTgt *)
{
    return 0;
}

int Edid13Block::validateDescriptor(CallbackFillContentTgt *, unsigned)
{
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Mode list

void Edid13Block::FillModeInfo(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    fillEstablishedTimings(target);
    fillStandardTimings(target);
    fillDetailedTimings(target);
}

void Edid13Block::fillEstablishedTimings(CallbackFillContentTgt *target)
{
    if (!rawData)
        return;
    for (unsigned i = 0; i < 17; ++i) {
        if (establishedBit(rawData + 35, i))
            fillEstablishedTiming(target, &EstablishedTimings[i], TimingSectionBaseTimings);
    }
}

void Edid13Block::fillEstablishedTiming(CallbackFillContentTgt *target, const EstablishedMode *mode,
                                        TimingSection section)
{
    if (!target || !mode)
        return;
    ModeInfo info{};
    info.hActive = mode->width;
    info.vActive = mode->height;
    info.refreshRate = mode->refreshRate;
    info.interlaced = mode->interlaced;
    info.reducedBlanking = mode->reducedBlanking;
    info.section = section;
    info.sourceKind = ModeSourceEstablished;
    target->AppendMode(&info);
}

void Edid13Block::fillStandardTimings(CallbackFillContentTgt *target)
{
    if (!rawData)
        return;
    for (unsigned i = 0; i < 8; ++i)
        fillStandardTiming(
            target, reinterpret_cast<const EdidStandardTiming *>(rawData + kStandardByte + 2 * i),
            TimingSectionBaseTimings);
    for (unsigned slot = 0; slot < 4; ++slot) {
        if (const unsigned char *d = getDescriptor(EdidTagStandardTimings, slot)) {
            for (unsigned i = 0; i < 6; ++i)
                fillStandardTiming(target,
                                   reinterpret_cast<const EdidStandardTiming *>(d + 5 + 2 * i),
                                   TimingSectionDescriptor0 + slot);
        }
    }
}

void Edid13Block::fillStandardTiming(CallbackFillContentTgt *target, const EdidStandardTiming *raw,
                                     TimingSection section)
{
    if (!target || !raw || !rawData || (raw->hActive == 0x01 && raw->aspectRefresh == 0x01))
        return;
    const unsigned n = raw->hActive + 31u;
    ModeInfo info{};
    info.hActive = n * 8u;
    info.vActive = standardHeight(n, bits(raw->aspectRefresh, 7, 6), rawData[19]);
    info.refreshRate = bits(raw->aspectRefresh, 5, 0) + 60u;
    info.section = section;
    info.sourceKind = ModeSourceStandard;
    target->AppendMode(&info);
}

void Edid13Block::fillDetailedTimings(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    for (unsigned slot = 0; slot < 4; ++slot) {
        const unsigned char *d = rawData + kDescriptorByte + kDescriptorSize * slot;
        if (d[0] == 0 && d[1] == 0)
            continue;
        ModeInfo info{};
        edidToModeInfo(reinterpret_cast<const EdidDetailedTiming *>(d), &info,
                       TimingSectionDescriptor0 + slot);
        target->AppendMode(&info);
    }
}

// ---------------------------------------------------------------------------------------------
// Byte descriptions

void Edid13Block::FillCellInfo(unsigned byteIndex, QString *name, QString *description,
                               QString *blockTitle)
{
    if (!rawData || byteIndex < startOffset || byteIndex >= startOffset + kBlockSize)
        return;
    if (blockTitle)
        *blockTitle = tr13("EDID-v%1.%2").arg(rawData[18]).arg(rawData[19]);
    const unsigned r = byteIndex - startOffset;
    QString n;
    QString desc;
    if (r < 8) {
        n = tr13("%1th Byte of the Header").arg(r);
    } else if (r < 18) {
        fillCellProductID(r - 8, &n, &desc);
    } else if (r < 20) {
        n = r == 18 ? tr13("Version Number") : tr13("Revision Number");
        desc = tr13("(EDID Structure Version)");
    } else if (r < 25) {
        fillCellBasicParams(r - 20, &n, &desc);
    } else if (r < 35) {
        fillCellColorChars(r - 25, &n, &desc);
    } else if (r < 38) {
        static const char *const names[3] = {
            QT_TRANSLATE_NOOP("Edid13Block", "Established Timings I"),
            QT_TRANSLATE_NOOP("Edid13Block", "Established Timings II"),
            QT_TRANSLATE_NOOP("Edid13Block", "Manufacturer's Reserved Timings"),
        };
        n = tr13(names[r - 35]);
        desc = tr13("(Established Timings)");
    } else if (r < 54) {
        n = (r - 38) % 2 == 0 ? tr13("Pixel Width") : tr13("Aspect Ratio/Field Refresh Rate");
        desc = tr13("(Standard Timings). Timing[%1]").arg((r - 38) / 2);
    } else if (r < 126) {
        const unsigned slot = (r - 54) / 18;
        const unsigned j = (r - 54) % 18;
        if (isDisplayDescriptor(rawData + kDescriptorByte + kDescriptorSize * slot))
            fillCellDescriptor(j, slot, &n, &desc);
        else
            fillCellDetailedT(j, slot, &n, &desc);
    } else if (r == 126) {
        n = tr13("Number Of Extensions");
    } else {
        n = tr13("Checksum");
    }
    if (name)
        *name = n;
    if (description)
        *description = desc;
}

void Edid13Block::fillCellProductID(unsigned byte, QString *name, QString *description)
{
    static const char *const names[10] = {
        QT_TRANSLATE_NOOP("Edid13Block", "First Byte of Manufacturer Name"),
        QT_TRANSLATE_NOOP("Edid13Block", "Second Byte of Manufacturer Name"),
        QT_TRANSLATE_NOOP("Edid13Block", "First Byte of Product Code"),
        QT_TRANSLATE_NOOP("Edid13Block", "Second Byte of Product Code"),
        QT_TRANSLATE_NOOP("Edid13Block", "First Byte of Serial Number"),
        QT_TRANSLATE_NOOP("Edid13Block", "Second Byte of Serial Number"),
        QT_TRANSLATE_NOOP("Edid13Block", "Third Byte of Serial Number"),
        QT_TRANSLATE_NOOP("Edid13Block", "4th Byte of Serial Number"),
        QT_TRANSLATE_NOOP("Edid13Block", "Week of Manufacture"),
        QT_TRANSLATE_NOOP("Edid13Block", "Year of Manufacture"),
    };
    if (byte >= 10)
        return;
    if (name)
        *name = tr13(names[byte]);
    if (description)
        *description = tr13("(Vendor/Product Identification)");
}

void Edid13Block::fillCellBasicParams(unsigned byte, QString *name, QString *description)
{
    static const char *const names[5] = {
        QT_TRANSLATE_NOOP("Edid13Block", "Video Input Definition"),
        QT_TRANSLATE_NOOP("Edid13Block", "Horizontal Screen Size/Landscape Aspect Ratio"),
        QT_TRANSLATE_NOOP("Edid13Block", "Vertical Screen Size/Portrait Aspect Ratio"),
        QT_TRANSLATE_NOOP("Edid13Block", "Gamma"),
        QT_TRANSLATE_NOOP("Edid13Block", "Feature Support"),
    };
    if (byte >= 5)
        return;
    if (name)
        *name = tr13(names[byte]);
    if (description)
        *description = tr13("(Basic Display Parameters)");
}

void Edid13Block::fillCellColorChars(unsigned byte, QString *name, QString *description)
{
    static const char *const names[10] = {
        QT_TRANSLATE_NOOP("Edid13Block", "Red/Green. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Blue/White. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Red-x. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Red-y. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Green-x. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Green-y. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Blue-x. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Blue-y. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "White-x. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "White-y. High Order Bits"),
    };
    if (byte >= 10)
        return;
    if (name)
        *name = tr13(names[byte]);
    if (description)
        *description = tr13("(Color Characteristics)");
}

void Edid13Block::fillCellDescriptor(unsigned byte, unsigned slot, QString *name,
                                     QString *description)
{
    if (!rawData || slot > 3 || byte >= 18)
        return;
    const unsigned char *d = rawData + kDescriptorByte + kDescriptorSize * slot;
    const unsigned tag = d[3];
    QString n;
    QString desc;
    if (byte < 4) {
        static const char *const names[4] = {
            QT_TRANSLATE_NOOP("Edid13Block", "First Byte of Display Descriptor Identification"),
            QT_TRANSLATE_NOOP("Edid13Block", "Second Byte of Display Descriptor Identification"),
            QT_TRANSLATE_NOOP("Edid13Block", "Reserved Byte of Display Descriptor"),
            QT_TRANSLATE_NOOP("Edid13Block", "Display Descriptor Tag"),
        };
        n = tr13(names[byte]);
    } else if (byte == 4) {
        n = rawData[19] >= 4 && tag == EdidTagRangeLimits
                ? tr13("Vertical/Horizontal Rate Offsets")
                : tr13("Reserved Byte of Display Descriptor");
    }
    switch (tag) {
    case EdidTagSerialNumber:
        if (byte > 4)
            n = tr13("%1th Byte Of Display Product Serial Number").arg(byte - 5);
        desc = tr13("(Display Product Serial Number Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagDataString:
        if (byte > 4)
            n = tr13("%1th Byte Of  Alphanumeric Data String").arg(byte - 5);
        desc = tr13("(Alphanumeric Data String Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagProductName:
        if (byte > 4)
            n = tr13("%1th Byte Of Display Product Name").arg(byte - 5);
        desc = tr13("(Display Product Name Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagStandardTimings:
        if (byte >= 5 && byte <= 16) {
            n = byte % 2 == 1 ? tr13("Pixel Width") : tr13("Aspect Ratio/Field Refresh Rate");
            desc = tr13("(Standard Timings Descriptor). Timing[%1]. Entry[%2]")
                       .arg((byte - 5) / 2)
                       .arg(slot);
        } else {
            if (byte == 17)
                n = tr13("Line Feed");
            desc = tr13("(Standard Timings Descriptor). Entry[%1]").arg(slot);
        }
        break;
    case EdidTagDummy:
        if (byte > 4)
            n = tr13("%1th Byte Of Dummy (unused) Descriptor").arg(byte - 5);
        desc = tr13("(Dummy/Unused Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagRangeLimits:
        fillCellRangeLimitsDesc(byte, slot, &n, &desc, d[10]);
        break;
    case EdidTagColorPoint:
        fillCellColorPointDesc(byte, slot, &n, &desc);
        break;
    default:
        break;
    }
    if (name)
        *name = n;
    if (description)
        *description = desc;
}

void Edid13Block::fillCellRangeLimitsDesc(unsigned byte, unsigned slot, QString *name,
                                          QString *description, unsigned timingSupportByte)
{
    static const char *const rates[6] = {
        QT_TRANSLATE_NOOP("Edid13Block", "Minimum Vertical Rate"),
        QT_TRANSLATE_NOOP("Edid13Block", "Maximum Vertical Rate"),
        QT_TRANSLATE_NOOP("Edid13Block", "Minimum Horizontal Rate"),
        QT_TRANSLATE_NOOP("Edid13Block", "Maximum Horizontal Rate"),
        QT_TRANSLATE_NOOP("Edid13Block", "Maximum Pixel Clock"),
        QT_TRANSLATE_NOOP("Edid13Block", "Video Timing Support Flags"),
    };
    static const char *const gtf[7] = {
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Reserved"),
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Start Frequency for Secondary Curve"),
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Parameter C"),
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Parameter M. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Parameter M. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Parameter K"),
        QT_TRANSLATE_NOOP("Edid13Block", "GTF. Parameter J"),
    };
    static const char *const cvt[7] = {
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Standard Version Number"),
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Pixel Clock Precision"),
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Maximum Active Pixels per Line"),
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Supported Aspect Ratios"),
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Preferred Aspect Ratio/Reduced Blanking Support"),
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Type of Display Scaling Supported"),
        QT_TRANSLATE_NOOP("Edid13Block", "CVT. Preferred Vertical Refresh Rate"),
    };
    if (byte >= 5 && byte <= 10) {
        if (name)
            *name = tr13(rates[byte - 5]);
    } else if (byte >= 11 && byte <= 17) {
        if (name) {
            if (timingSupportByte == 2)
                *name = tr13(gtf[byte - 11]);
            else if (timingSupportByte == 4)
                *name = tr13(cvt[byte - 11]);
            else
                *name = tr13("%1 - %2th Byte of Range Limits (Unused)")
                            .arg(byte == 11 ? tr13("Line Feed") : tr13("Space"))
                            .arg(byte - 5);
        }
    }
    if (description)
        *description = tr13("(Display Range Limits Descriptor). Entry[%1]").arg(slot);
}

void Edid13Block::fillCellColorPointDesc(unsigned byte, unsigned slot, QString *name,
                                         QString *description)
{
    static const char *const names[5] = {
        QT_TRANSLATE_NOOP("Edid13Block", "White Point Index Number"),
        QT_TRANSLATE_NOOP("Edid13Block", "White-x/White-y. Low Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "White-x. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "White-y. High Order Bits"),
        QT_TRANSLATE_NOOP("Edid13Block", "Gamma"),
    };
    QString desc = tr13("(Color Point Data Descriptor). Entry[%1]").arg(slot);
    if (byte >= 5 && byte <= 14) {
        if (name)
            *name = tr13(names[(byte - 5) % 5]);
        desc = (byte <= 9 ? tr13("(Color Point Data Descriptor). First Set. Entry[%1]")
                          : tr13("(Color Point Data Descriptor). Second Set. Entry[%1]"))
                   .arg(slot);
    } else if (byte == 15) {
        if (name)
            *name = tr13("Line Feed");
    } else if (byte == 16 || byte == 17) {
        if (name)
            *name = tr13("Space - %1th Byte").arg(byte - 5);
    }
    if (description)
        *description = desc;
}
