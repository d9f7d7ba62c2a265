#pragma once

#include "fileopensaveoption.h"

#include <QList>
#include <QStringList>

// The file types a file plug-in offers.
struct SupportedFileTypes
{
    QStringList names;
    QList<FileOpenSaveOption> options;
};
