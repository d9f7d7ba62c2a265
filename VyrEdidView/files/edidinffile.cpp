#include "edidinffile.h"

#include "edidfileio.h"

#include <QStringList>

#include <cstring>

namespace {

// Windows' name of the 64-bit x86 platform, as the install sections are decorated.
const char *const Nt64 = "NTamd64";

// A text field of the monitor summary as file bytes: up to its terminating zero, each control
// character replaced by a blank so that no name can break a line of the file.
QByteArray infText(const char *text, size_t size)
{
    QByteArray bytes(text, static_cast<int>(strnlen(text, size)));
    for (char &c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F)
            c = ' ';
    }
    return bytes;
}

QByteArray number(quint32 value)
{
    return QByteArray::number(value);
}

// One override line per block, each after a comment with the block's name and followed by an
// empty line.
QByteArray overrideLines(const EdidImage &image, const EdidBlockTable &table)
{
    QByteArray out;
    for (quint32 k = 0; k < qMin(table.blockCount, EdidBlockTable::MaxBlocks); ++k) {
        out += ';' + table.blockNames.value(static_cast<int>(k)).toLatin1() + "\r\n";
        out += "HKR,EDID_OVERRIDE,\"" + number(k) + "\",0x01";
        for (quint32 i = table.offsets[k]; i < qMin(table.offsets[k + 1], EdidImageSize); ++i)
            out += ",0x" + EdidFileIo::hexDigits(image[i]);
        out += "\r\n\r\n";
    }
    return out;
}

// The sections that the install sections name in their AddReg lines. Both headers are always
// written; the maximal resolution and the mode line only when a mode is known.
QByteArray modeSections(const EdidBlockTable &table)
{
    const Resolution &res = table.maxResolution;
    const MonitorInfo &info = table.monitorInfo;
    const QByteArray size = number(res.width) + ',' + number(res.height);
    QByteArray out = "[MODE1]\r\n";
    if (res.width != 0)
        out += "HKR,,MaxResolution,,\"" + size + "\"\r\n";
    out += "\r\n[VYR_EDID_OVERRIDE-1.AddReg]\r\n";
    if (res.width != 0) {
        out += "HKR,\"MODES\\" + size + "\",Mode1,,\"";
        if (info.maxHorizontalRate != 0)
            out += number(info.minHorizontalRate) + ".0-" + number(info.maxHorizontalRate) + ".0,"
                   + number(info.minVerticalRate) + ".0-" + number(info.maxVerticalRate)
                   + ".0,+,+\"\r\n";
        else
            out += "255.0,+,+\"\r\n";
    }
    out += "\r\n";
    return out;
}

QByteArray infContent(const EdidImage &image, const EdidBlockTable &table, const QDate &date)
{
    const MonitorInfo &info = table.monitorInfo;
    const QByteArray hardwareId = infText(info.pnpId, sizeof info.pnpId);
    const QByteArray vendorId = infText(info.manufacturer, sizeof info.manufacturer);
    // A double quote inside a quoted INF string is written twice.
    const QByteArray productName =
        infText(info.monitorName, sizeof info.monitorName).replace('"', "\"\"");
    const QByteArray nt64 = Nt64;
    const QByteArray install = "AddReg=VYR_EDID_OVERRIDE-1.AddReg, MODE1, DPMS\r\n";

    QByteArray out;
    out += "[Version]\r\n"
           "signature=\"$WINDOWS NT$\"\r\n"
           "Class=Monitor\r\n"
           "ClassGuid={4D36E96E-E325-11CE-BFC1-08002BE10318}\r\n"
           "Provider=\"VYR\"\r\n";
    out += "DriverVer=" + QByteArray::number(date.month()) + '/' + QByteArray::number(date.day())
           + '/' + QByteArray::number(date.year()) + ", 1.0.0.0\r\n";
    out += "\r\n"
           ";CatalogFile=Sample.cat\r\n"
           "\r\n"
           "[DestinationDirs]\r\n"
           "DefaultDestDir=23\r\n"
           "\r\n"
           "[SourceDisksNames]\r\n"
           "1=%SourceDisksNames%\r\n"
           "\r\n"
           "[SourceDisksFiles]\r\n"
           ";profile1.icm=1\r\n"
           "\r\n"
           "[Manufacturer]\r\n";
    out += "%VendorID%=VYR_EDID_OVERRIDE,NTx86," + nt64 + "\r\n\r\n";
    out += "[VYR_EDID_OVERRIDE.NTx86]\r\n"
           "%ProductName%=VYR_EDID_OVERRIDE-1.Install, MONITOR\\"
           + hardwareId + "\r\n\r\n";
    out += "[VYR_EDID_OVERRIDE." + nt64 + "]\r\n";
    out += "%ProductName%=VYR_EDID_OVERRIDE-1.Install." + nt64 + ", MONITOR\\" + hardwareId
           + "\r\n\r\n";
    out += "[VYR_EDID_OVERRIDE-1.Install.NTx86]\r\n"
           "DelReg=DEL_CURRENT_REG\r\n"
           + install + "CopyFiles=VYR_EDID_OVERRIDE-1.CopyFiles\r\n\r\n";
    out += "[VYR_EDID_OVERRIDE-1.Install." + nt64 + "]\r\n";
    out +=
        "DelReg=DEL_CURRENT_REG\r\n" + install + "CopyFiles=VYR_EDID_OVERRIDE-1.CopyFiles\r\n\r\n";
    out += "[VYR_EDID_OVERRIDE-1.Install.NTx86.HW]\r\n"
           "AddReg=VYR_EDID_OVERRIDE-1_AddReg\r\n"
           "\r\n";
    out += "[VYR_EDID_OVERRIDE-1.Install." + nt64 + ".HW]\r\n";
    out += "AddReg=VYR_EDID_OVERRIDE-1_AddReg\r\n"
           "\r\n"
           "[VYR_EDID_OVERRIDE-1_AddReg]\r\n";
    out += overrideLines(image, table);
    out += "[DEL_CURRENT_REG]\r\n"
           "HKR,MODES\r\n"
           "HKR,EDID_OVERRIDE\r\n"
           "HKR,,MaxResolution\r\n"
           "HKR,,DPMS\r\n"
           "HKR,,ICMProfile\r\n"
           "\r\n"
           "[DPMS]\r\n";
    out += "HKR,,DPMS,," + QByteArray::number(info.powerManagement ? 1 : 0) + "\r\n\r\n";
    out += modeSections(table);
    out += "[VYR_EDID_OVERRIDE-1.CopyFiles]\r\n"
           ";profile1.icm\r\n"
           "\r\n"
           "[Strings]\r\n"
           "SourceDisksNames=\"Monitor EDID Override Installation Disk\"\r\n";
    out += "ProductName=\"" + productName + " (Override)\"\r\n";
    out += "VendorID=\"" + vendorId + "\"\r\n\r\n";
    return out;
}

} // namespace

EdidFileResult EdidInfFile::read(const QString &fileName, EdidImage &image)
{
    QStringList lines;
    const EdidFileResult opened = EdidFileIo::readRecordLines(fileName, &lines);
    if (!opened.ok)
        return opened;

    const QString overrideKey = QStringLiteral("HKR,EDID_OVERRIDE,");
    const QString hexPrefix = QStringLiteral("0x");
    QByteArray values;
    for (const QString &line : qAsConst(lines)) {
        if (!line.startsWith(overrideKey))
            continue;
        bool typeSeen = false; // the first 0x value of a line is the registry value type
        const QStringList parts = line.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            if (!part.startsWith(hexPrefix))
                continue;
            if (!typeSeen) {
                typeSeen = true;
                continue;
            }
            if (values.size() == static_cast<int>(EdidImageSize))
                return EdidFileIo::failure(tr("Open Edid file"), tr("Invalid data size"));
            values.append(static_cast<char>(EdidFileIo::hexByte(part)));
        }
    }
    std::memcpy(image, values.constData(), static_cast<size_t>(values.size()));
    return EdidFileIo::loaded();
}

EdidFileResult EdidInfFile::write(const QString &fileName, const EdidImage &image,
                                  const EdidBlockTable &table, const QDate &date)
{
    if (table.blockCount == 0 || table.coveredSize() == 0)
        return EdidFileIo::noBlockToWrite();
    return EdidFileIo::save(fileName, infContent(image, table, date), tr("Save Edid text file"));
}
