// EDID 1.3 base block: the text report (Validate, ValidateEdid13), the mode list
// (FillModeInfo) and the byte descriptions (FillCellInfo) for a report front end.

#include "edid13block.h"
#include "edidbaselayout.h"
#include "model/bits.h"
#include "model/callbackfillcontenttgt.h"
#include "model/reporttext.h"

using namespace EdidBaseLayout;

bool Edid13Block::validateHeader(CallbackFillContentTgt *target, const unsigned char *image,
                                 unsigned offset, unsigned size, const QString &prefix)
{
    if (size < BlockSize) {
        ReportText::append(target, tr("%1%2 - unsufficient size. Required %3 bytes\r\n")
                                       .arg(prefix)
                                       .arg(size)
                                       .arg(BlockSize));
        return false;
    }
    if (!image)
        return false;
    for (unsigned i = 0; i < HeaderLength; ++i) {
        if (image[offset + HeaderByte + i] != Edid13Block::EdidHeader[i]) {
            ReportText::append(
                target, tr("%1Byte[%2] = 0x%3 does not match EDID header pattern (0x00 0xFF 0xFF "
                           "0xFF 0xFF 0xFF 0xFF 0x00)\r\n")
                            .arg(prefix)
                            .arg(offset + HeaderByte + i)
                            .arg(ReportText::hex(image[offset + HeaderByte + i], 2)));
            return false;
        }
    }
    const unsigned version = image[offset + VersionByte];
    if (version != 1) {
        ReportText::append(target, tr("%1Byte[%2] = 0x%3 defines invalid version (%4.XX). "
                                      "Supported version pattern is 1.XX\r\n")
                                       .arg(prefix)
                                       .arg(offset + VersionByte)
                                       .arg(ReportText::hex(version, 2))
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
    const unsigned revision = image[offset + RevisionByte];
    if (revision >= 4) {
        ReportText::append(target, tr("%1Byte[%2] = 0x%3 defines invalid sub-version. Should be "
                                      "3 or lower\r\n")
                                       .arg(prefix)
                                       .arg(offset + RevisionByte)
                                       .arg(ReportText::hex(revision, 2)));
        return false;
    }
    return true;
}

int Edid13Block::Validate(CallbackFillContentTgt *target)
{
    if (!rawData)
        return 0;
    ReportText::append(target, tr("\r\nValidating EDID%1.%2 Base Block. Data Range: Byte[%3] --> "
                                  "Byte[%4]\r\n")
                                   .arg(rawData[VersionByte])
                                   .arg(rawData[RevisionByte])
                                   .arg(startOffset)
                                   .arg(startOffset + GetBlockSize() - 1));
    int errors = ReportText::checkChecksum(target, rawData, BlockSize);
    errors += validateGeneralInfo(target);
    errors += validateBasicParams(target);
    errors += validateColorChars(target);
    errors += validateEstablishedT(target);
    errors += validateStandardT(target);
    for (unsigned slot = 0; slot < DescriptorCount; ++slot)
        errors += validateDescriptor(target, slot);
    ReportText::appendValid(target, errors);
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
    for (unsigned i = 0; i < EstablishedCount; ++i) {
        if (establishedBit(rawData + EstablishedByte, i))
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
    // Section 0 lists as the base timings, section s as the content of descriptor slot s - 1.
    for (unsigned section = 0; section <= DescriptorCount; ++section) {
        const TimingSection listed =
            section == 0 ? TimingSectionBaseTimings : TimingSectionDescriptor0 + section - 1;
        for (unsigned i = 0; i < StandardCount; ++i) {
            if (const unsigned char *codes = standardTimingBytes(section, i))
                fillStandardTiming(target, reinterpret_cast<const EdidStandardTiming *>(codes),
                                   listed);
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
    info.vActive = standardTimingHeight(n, bits(raw->aspectRefresh, 7, 6), rawData[RevisionByte]);
    info.refreshRate = bits(raw->aspectRefresh, 5, 0) + 60u;
    info.section = section;
    info.sourceKind = ModeSourceStandard;
    target->AppendMode(&info);
}

void Edid13Block::fillDetailedTimings(CallbackFillContentTgt *target)
{
    if (!rawData || !target)
        return;
    for (unsigned slot = 0; slot < DescriptorCount; ++slot) {
        const unsigned char *d = rawData + descriptorByte(slot);
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
    if (!rawData || byteIndex < startOffset || byteIndex >= startOffset + BlockSize)
        return;
    if (blockTitle)
        *blockTitle = tr("EDID-v%1.%2").arg(rawData[VersionByte]).arg(rawData[RevisionByte]);
    const unsigned r = byteIndex - startOffset;
    QString n;
    QString desc;
    if (r < VendorByte) {
        n = tr("%1th Byte of the Header").arg(r);
    } else if (r < VersionByte) {
        fillCellProductID(r - VendorByte, &n, &desc);
    } else if (r < InputByte) {
        n = r == VersionByte ? tr("Version Number") : tr("Revision Number");
        desc = tr("(EDID Structure Version)");
    } else if (r < ColorByte) {
        fillCellBasicParams(r - InputByte, &n, &desc);
    } else if (r < EstablishedByte) {
        fillCellColorChars(r - ColorByte, &n, &desc);
    } else if (r < StandardByte) {
        static const char *const names[3] = {
            QT_TRANSLATE_NOOP("Edid13Block", "Established Timings I"),
            QT_TRANSLATE_NOOP("Edid13Block", "Established Timings II"),
            QT_TRANSLATE_NOOP("Edid13Block", "Manufacturer's Reserved Timings"),
        };
        n = tr(names[r - EstablishedByte]);
        desc = tr("(Established Timings)");
    } else if (r < DescriptorByte) {
        const unsigned j = r - StandardByte;
        n = j % StandardSize == 0 ? tr("Pixel Width") : tr("Aspect Ratio/Field Refresh Rate");
        desc = tr("(Standard Timings). Timing[%1]").arg(j / StandardSize);
    } else if (r < ExtensionCountByte) {
        const unsigned slot = (r - DescriptorByte) / DescriptorSize;
        const unsigned j = (r - DescriptorByte) % DescriptorSize;
        if (isDisplayDescriptor(rawData + descriptorByte(slot)))
            fillCellDescriptor(j, slot, &n, &desc);
        else
            fillCellDetailedT(j, slot, &n, &desc);
    } else if (r == ExtensionCountByte) {
        n = tr("Number Of Extensions");
    } else {
        n = tr("Checksum");
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
        *name = tr(names[byte]);
    if (description)
        *description = tr("(Vendor/Product Identification)");
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
        *name = tr(names[byte]);
    if (description)
        *description = tr("(Basic Display Parameters)");
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
        *name = tr(names[byte]);
    if (description)
        *description = tr("(Color Characteristics)");
}

void Edid13Block::fillCellDescriptor(unsigned byte, unsigned slot, QString *name,
                                     QString *description)
{
    if (!rawData || slot >= DescriptorCount || byte >= DescriptorSize)
        return;
    const unsigned char *d = rawData + descriptorByte(slot);
    const unsigned tag = d[DescriptorTagByte];
    QString n;
    QString desc;
    if (byte < 4) {
        static const char *const names[4] = {
            QT_TRANSLATE_NOOP("Edid13Block", "First Byte of Display Descriptor Identification"),
            QT_TRANSLATE_NOOP("Edid13Block", "Second Byte of Display Descriptor Identification"),
            QT_TRANSLATE_NOOP("Edid13Block", "Reserved Byte of Display Descriptor"),
            QT_TRANSLATE_NOOP("Edid13Block", "Display Descriptor Tag"),
        };
        n = tr(names[byte]);
    } else if (byte == 4) {
        n = rawData[RevisionByte] >= 4 && tag == EdidTagRangeLimits
                ? tr("Vertical/Horizontal Rate Offsets")
                : tr("Reserved Byte of Display Descriptor");
    }
    switch (tag) {
    case EdidTagSerialNumber:
        if (byte > 4)
            n = tr("%1th Byte Of Display Product Serial Number").arg(byte - 5);
        desc = tr("(Display Product Serial Number Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagDataString:
        if (byte > 4)
            n = tr("%1th Byte Of  Alphanumeric Data String").arg(byte - 5);
        desc = tr("(Alphanumeric Data String Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagProductName:
        if (byte > 4)
            n = tr("%1th Byte Of Display Product Name").arg(byte - 5);
        desc = tr("(Display Product Name Descriptor). Entry[%1]").arg(slot);
        break;
    case EdidTagStandardTimings:
        if (byte >= 5 && byte <= 16) {
            n = byte % 2 == 1 ? tr("Pixel Width") : tr("Aspect Ratio/Field Refresh Rate");
            desc = tr("(Standard Timings Descriptor). Timing[%1]. Entry[%2]")
                       .arg((byte - 5) / 2)
                       .arg(slot);
        } else {
            if (byte == 17)
                n = tr("Line Feed");
            desc = tr("(Standard Timings Descriptor). Entry[%1]").arg(slot);
        }
        break;
    case EdidTagDummy:
        if (byte > 4)
            n = tr("%1th Byte Of Dummy (unused) Descriptor").arg(byte - 5);
        desc = tr("(Dummy/Unused Descriptor). Entry[%1]").arg(slot);
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
            *name = tr(rates[byte - 5]);
    } else if (byte >= 11 && byte <= 17) {
        if (name) {
            if (timingSupportByte == 2)
                *name = tr(gtf[byte - 11]);
            else if (timingSupportByte == 4)
                *name = tr(cvt[byte - 11]);
            else
                *name = (byte == 11 ? tr("Line Feed - %1th Byte of Range Limits (Unused)")
                                    : tr("Space - %1th Byte of Range Limits (Unused)"))
                            .arg(byte - 5);
        }
    }
    if (description)
        *description = tr("(Display Range Limits Descriptor). Entry[%1]").arg(slot);
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
    QString desc = tr("(Color Point Data Descriptor). Entry[%1]").arg(slot);
    if (byte >= 5 && byte <= 14) {
        if (name)
            *name = tr(names[(byte - 5) % 5]);
        desc = (byte <= 9 ? tr("(Color Point Data Descriptor). First Set. Entry[%1]")
                          : tr("(Color Point Data Descriptor). Second Set. Entry[%1]"))
                   .arg(slot);
    } else if (byte == 15) {
        if (name)
            *name = tr("Line Feed");
    } else if (byte == 16 || byte == 17) {
        if (name)
            *name = tr("Space - %1th Byte").arg(byte - 5);
    }
    if (description)
        *description = desc;
}
