#pragma once

#include "edidblocktable.h"
#include "edidfileresult.h"
#include "edidimage.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

// Monitor setup information file (suffix "inf") that installs the image as the EDID override
// of the monitor: one "HKR,EDID_OVERRIDE,"<k>",0x01,..." registry line per block with the
// block's bytes, the monitor's hardware id, vendor and product name, its DPMS support, largest
// mode and rate ranges. Lines end in CR LF.
class EdidInfFile
{
    Q_DECLARE_TR_FUNCTIONS(EdidLoadSaveForm)

public:
    // Joins the values of every override line (a line that starts with "HKR,EDID_OVERRIDE,"),
    // in file order, into image from byte 0; the first "0x" value of each line (the value type)
    // is skipped, parts that do not start with "0x" are ignored. Fails when the file cannot be
    // opened ("Failed to open file"), is empty ("Invalid File Format") or holds more than 512
    // values ("Invalid data size"; image untouched), all under the title "Open Edid file".
    static EdidFileResult read(const QString &fileName, EdidImage &image);

    // Replaces the file with the INF of the blocks of table ("Save Edid text file" on success).
    // date fills the DriverVer line. Without a block the write is refused and the file left
    // alone, as it is by a failed write.
    static EdidFileResult write(const QString &fileName, const EdidImage &image,
                                const EdidBlockTable &table, const QDate &date);
};
