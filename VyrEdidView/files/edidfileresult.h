#pragma once

#include "vyruiservice.h"

#include <QString>

// Outcome of reading or writing one EDID file: whether it worked, and the message box the user
// is to see (none when the title is empty). The readers and writers only build the record, so
// tests check it without any box; the load/save form shows it with report().
struct EdidFileResult
{
    bool ok = false;
    VyrUiService::Icon icon = VyrUiService::Icon::Information;
    QString title;
    QString text;

    // Shows the message, if there is one, through the UI service and answers ok.
    bool report() const;
};
