#pragma once

#include <QString>

// Binary contract: see ARCHITECTURE.md, "Records that cross plug-in boundaries".
// One file type a file plug-in offers: its filter text and what it can do with it.
struct FileOpenSaveOption
{
    FileOpenSaveOption() = default;
    FileOpenSaveOption(const QString &filterText, bool open, bool save)
        : filter(filterText)
        , canOpen(open)
        , canSave(save)
    {}

    QString filter; // for example "EDID Text File (*.txt)"
    bool canOpen = false;
    bool canSave = false;
};
