#pragma once

#include <QString>

// Binary contract: see ARCHITECTURE.md, "Plug-in interfaces".
// The one way the device library and the plug-ins show something to the user: message
// boxes, a file to open or to save under, a progress dialog during a long wait and short notes in
// the status bar. The library
// itself links Qt Core only; the program installs the widget implementation at start-up, and a test
// installs a recording one, so no test ever blocks on a modal box. Until something is installed, a
// headless service answers: it writes each message and note to the debug log, answers "OK" and
// empty file names, and shows no progress.
class VyrUiService
{
public:
    enum class Icon { Information, Warning, Critical, Question };

    // Buttons a message may offer, with the values of the widget toolkit's standard
    // buttons so the widget implementation passes them straight through.
    enum Button : int {
        NoButton = 0,
        Ok = 0x00000400,
        Save = 0x00000800,
        Open = 0x00002000,
        Yes = 0x00004000,
        No = 0x00010000,
        Abort = 0x00040000,
        Retry = 0x00080000,
        Ignore = 0x00100000,
        Close = 0x00200000,
        Cancel = 0x00400000,
        Discard = 0x00800000,
    };

    virtual ~VyrUiService() = default;

    // A modal, parentless message box; answers the button chosen (buttons is an OR of
    // Button values; Ok when 0).
    virtual int message(Icon icon, const QString &title, const QString &text, int buttons = Ok) = 0;

    // A file to open, or an empty string when the user cancels.
    virtual QString openFileName(const QString &caption, const QString &directory,
                                 const QString &filter) = 0;

    // A modal progress dialog without a cancel button, shown from beginProgress() until
    // endProgress(); setProgress() moves it and lets the window repaint.
    virtual void beginProgress(const QString &label, int minimum, int maximum) = 0;
    virtual void setProgress(int value) = 0;
    virtual void endProgress() = 0;

    // A file name to save under (the file need not exist), or an empty string when the
    // user cancels. Last in the table: plug-ins built before it call the others unchanged.
    virtual QString saveFileName(const QString &caption, const QString &directory,
                                 const QString &filter) = 0;

    // A file name to save under, as saveFileName() asks for it, with the entry of filter (entries
    // separated by ";;") the dialog shows: it starts with *selectedFilter and puts the entry the
    // user chose there. directory is a folder, or a file name whose folder opens with that name
    // filled in. A dialog may add the chosen entry's suffix (filterSuffix()) to a name typed
    // without one. Empty when the user cancels. Added after saveFileName(), so last in the table.
    virtual QString saveFileNameWithFilter(const QString &caption, const QString &directory,
                                           const QString &filter, QString *selectedFilter) = 0;

    // A short note in the main window's status bar, shown for timeoutMs milliseconds (0: until
    // the next note): what an editor refused and what it accepts. Nothing modal; added after
    // saveFileNameWithFilter(), so last in the table.
    virtual void showStatusMessage(const QString &text, int timeoutMs) = 0;

    // The suffix of the first "*.suffix" pattern of one filter entry: "bin" for
    // "EDID binary files(*.bin)"; empty for an entry without one, such as "All files (*)".
    static QString filterSuffix(const QString &filterEntry);

    // The installed service, or the headless one. Never null.
    static VyrUiService *instance();
    // Installs a service (not owned; null goes back to the headless one) and answers the
    // one installed before, so a test can put it back.
    static VyrUiService *install(VyrUiService *service);
};
