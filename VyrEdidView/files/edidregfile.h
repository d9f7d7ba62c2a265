#pragma once

#include "edidfileresult.h"
#include "edidimage.h"

#include <QCoreApplication>
#include <QString>

// Registry export file (suffix "reg") in the text format of the registry editor: under the
// driver key of the display adapter, one binary value named after the display and signal type
// whose emulated EDID it is ("ZelkEmulatedEDID_A2": analog signal, display index 2):
//
//     Windows Registry Editor Version 6.1
//
//     [<key path>]
//     "ZelkEmulatedEDID_A2"=hex:00,FF,FF,...
class EdidRegFile
{
    Q_DECLARE_TR_FUNCTIONS(EdidLoadSaveForm)

public:
    // The value name of the emulated EDID of a display: "ZelkEmulatedEDID_" followed by "A"
    // (analog) or "D" (digital) and the display index in decimal.
    static QString valueName(quint32 displayIndex, bool analog);
    // The key line of an adapter's registry path: the path in brackets; empty for an empty path.
    static QString keyLine(const QString &registryPath);

    // Reads the bytes of one emulated-EDID value into image from byte 0; the rest of image keeps
    // its value. Of several such values the one of analog display 2 is taken, else the first
    // in the file; a value written twice counts with its last line. Lines that end in a
    // backslash continue on the next line (the registry editor wraps long values so). A file
    // without such a value loads nothing and answers ok. Fails when the file cannot be opened
    // ("Failed to open file"), is empty ("Invalid File Format") or the value holds more than
    // 512 bytes ("Invalid data size"; image untouched), all under the title "Open Edid file".
    static EdidFileResult read(const QString &fileName, EdidImage &image);

    // Replaces the file with image bytes 0 to size - 1 as the value named value under the key
    // line key ("Save Edid registry file" on success). Everything is checked before the file is
    // touched: size 0, an empty value name (no display chosen: "Registry Value" / "No display
    // to name the registry value") and an empty key line ("Registry Path" / "Failed to obtain
    // registry path") are refused and leave the file alone, as does a failed write.
    static EdidFileResult write(const QString &fileName, const EdidImage &image, quint32 size,
                                const QString &key, const QString &value);
};
