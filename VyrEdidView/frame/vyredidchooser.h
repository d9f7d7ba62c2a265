#pragma once

#include <QString>
#include <QStringList>

// Asks the user to pick one of a list of names: the kind of a new block, descriptor or data
// block. The EDID view shows VyrEdidAddBlockDialog; a test installs its own chooser, so that no
// test ever waits on a modal dialog.
class VyrEdidChooser
{
public:
    virtual ~VyrEdidChooser() = default;

    // Offers names in order. True when the user accepted a choice, with its row and its text;
    // an empty list, or an accepted empty name, is no choice.
    virtual bool choose(const QStringList &names, int *row, QString *name) = 0;

    // The installed chooser, or the one that shows the dialog. Never null.
    static VyrEdidChooser *instance();
    // Installs a chooser (not owned; null goes back to the dialog) and answers the one installed
    // before.
    static VyrEdidChooser *install(VyrEdidChooser *chooser);
};
