#!/usr/bin/env python3
"""Writes the golden EDID files of this folder from the EDID samples in ../edid-samples.

Each format is spelled out here a second time, apart from the program's writers, so that a
golden file is an independent statement of the format. Run from anywhere; it overwrites the
fixtures. The monitor summary of the INF files (hardware id, names, rates, largest mode) is
taken by hand from the samples' bytes, as noted beside each value.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = os.path.join(HERE, "..", "edid-samples")


def sample(name):
    with open(os.path.join(SAMPLES, name), "rb") as f:
        return f.read()


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def hex_text(data):
    out = []
    for i, b in enumerate(data):
        out.append("%02X" % b)
        out.append("\n" if i % 16 == 15 or i == len(data) - 1 else " ")
    return "".join(out).encode("ascii")


def reg_file(data, key, value):
    return ("Windows Registry Editor Version 6.1\n\n[%s]\n\"%s\"=hex:%s\n"
            % (key, value, ",".join("%02X" % b for b in data))).encode("ascii")


def inf_file(data, blocks, hwid, vendor, product, dpms, res, hrate, vrate, date):
    nt64 = "NTamd64"
    month, day, year = date
    lines = [
        "[Version]", 'signature="$WINDOWS NT$"', "Class=Monitor",
        "ClassGuid={4D36E96E-E325-11CE-BFC1-08002BE10318}", 'Provider="VYR"',
        "DriverVer=%d/%d/%d, 1.0.0.0" % (month, day, year), "",
        ";CatalogFile=Sample.cat", "",
        "[DestinationDirs]", "DefaultDestDir=23", "",
        "[SourceDisksNames]", "1=%SourceDisksNames%", "",
        "[SourceDisksFiles]", ";profile1.icm=1", "",
        "[Manufacturer]", "%VendorID%=VYR_EDID_OVERRIDE,NTx86," + nt64, "",
        "[VYR_EDID_OVERRIDE.NTx86]",
        "%ProductName%=VYR_EDID_OVERRIDE-1.Install, MONITOR\\" + hwid, "",
        "[VYR_EDID_OVERRIDE.%s]" % nt64,
        "%%ProductName%%=VYR_EDID_OVERRIDE-1.Install.%s, MONITOR\\%s" % (nt64, hwid), "",
    ]
    for decoration in ("NTx86", nt64):
        lines += ["[VYR_EDID_OVERRIDE-1.Install.%s]" % decoration, "DelReg=DEL_CURRENT_REG",
                  "AddReg=VYR_EDID_OVERRIDE-1.AddReg, MODE1, DPMS",
                  "CopyFiles=VYR_EDID_OVERRIDE-1.CopyFiles", ""]
    for decoration in ("NTx86", nt64):
        lines += ["[VYR_EDID_OVERRIDE-1.Install.%s.HW]" % decoration,
                  "AddReg=VYR_EDID_OVERRIDE-1_AddReg", ""]
    lines.append("[VYR_EDID_OVERRIDE-1_AddReg]")
    for k, (name, start, end) in enumerate(blocks):
        lines.append(";" + name)
        lines.append('HKR,EDID_OVERRIDE,"%d",0x01' % k
                     + "".join(",0x%02X" % b for b in data[start:end]))
        lines.append("")
    lines += ["[DEL_CURRENT_REG]", "HKR,MODES", "HKR,EDID_OVERRIDE", "HKR,,MaxResolution",
              "HKR,,DPMS", "HKR,,ICMProfile", "", "[DPMS]", "HKR,,DPMS,,%d" % dpms, ""]
    width, height = res
    lines.append("[MODE1]")
    if width:
        lines.append('HKR,,MaxResolution,,"%d,%d"' % (width, height))
    lines += ["", "[VYR_EDID_OVERRIDE-1.AddReg]"]
    if width:
        if hrate[1]:
            lines.append('HKR,"MODES\\%d,%d",Mode1,,"%d.0-%d.0,%d.0-%d.0,+,+"'
                         % (width, height, hrate[0], hrate[1], vrate[0], vrate[1]))
        else:
            lines.append('HKR,"MODES\\%d,%d",Mode1,,"%d.0,+,+"' % (width, height, 255))
    lines += ["", "[VYR_EDID_OVERRIDE-1.CopyFiles]", ";profile1.icm", "", "[Strings]",
              'SourceDisksNames="Monitor EDID Override Installation Disk"',
              'ProductName="%s (Override)"' % product.replace('"', '""'),
              'VendorID="%s"' % vendor, ""]
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def regedit_export(values, key):
    """The registry editor's own export: UTF-16LE with a byte order mark, CR LF, version 5.00,
    each binary value wrapped to lines of at most 80 characters with a trailing backslash and
    continuation lines indented by two blanks."""
    lines = ["Windows Registry Editor Version 5.00", "", "[%s]" % key]
    for name, data in values:
        line = '"%s"=hex:' % name
        pairs = ["%02x" % b for b in data]
        for i, pair in enumerate(pairs):
            piece = pair + ("," if i < len(pairs) - 1 else "")
            if len(line) + len(piece) > 78:
                lines.append(line + "\\")
                line = "  "
            line += piece
        lines.append(line)
    lines += ["", ""]
    return "\ufeff".encode("utf-16-le") + "\r\n".join(lines).encode("utf-16-le")


auo = sample("edid14-digital-auo623d-3.bin")
dell13 = sample("cta-basic-dela0a4-1.bin")
dell14 = sample("cta-hdr-del41d9-3.bin")
assert len(auo) == 128 and len(dell13) == 256 and len(dell14) == 256

write("edid14-auo623d-128.txt", hex_text(auo))
write("edid13-cea-dela0a4-256.txt", hex_text(dell13))

key = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
write("edid13-cea-dela0a4-dev0-a2.reg", reg_file(dell13, key, "ZelkEmulatedEDID_A2"))

# DEL41D9: manufacturer bytes 8-9 "DEL", product code bytes 10-11 0x41D9; name descriptor
# "DELL S2721DGF"; feature byte 24 = 0x3B (active off: DPMS 1); range limits descriptor
# 48-165 Hz vertical, 250-250 kHz horizontal, no offsets; largest mode the 2560x1440 DTDs.
blocks = [("EDID1.4 BaseBlock", 0, 128), ("CEA ExtBlock", 128, 256)]
summary = dict(hwid="DEL41D9", vendor="DEL", product="DELL S2721DGF", dpms=1,
               hrate=(250, 250), vrate=(48, 165), date=(3, 7, 2026))
write("edid14-cea-del41d9.inf", inf_file(dell14, blocks, res=(2560, 1440), **summary))
write("edid14-cea-del41d9-nomode.inf", inf_file(dell14, blocks, res=(0, 0), **summary))

write("regedit-export-d0-a2.reg",
      regedit_export([("ZelkEmulatedEDID_D0", auo), ("ZelkEmulatedEDID_A2", dell13)], key))
