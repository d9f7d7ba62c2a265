#pragma once

#include "fileopensaveoption.h"

#include <QList>
#include <QStringList>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// The file types a file plug-in offers.
struct SupportedFileTypes
{
    QStringList names;
    QList<FileOpenSaveOption> options;
};
