#include "vyredidchooser.h"

#include "frame/vyredidaddblockdialog.h"

#include <memory>

namespace {

// Shows the add dialog, modal and without parent, once per request.
class DialogChooser : public VyrEdidChooser
{
public:
    bool choose(const QStringList &names, int *row, QString *name) override
    {
        auto dialog = std::make_unique<VyrEdidAddBlockDialog>(names);
        if (dialog->exec() != QDialog::Accepted || dialog->chosenName().isEmpty())
            return false;
        if (row)
            *row = dialog->chosenRow();
        if (name)
            *name = dialog->chosenName();
        return true;
    }
};

DialogChooser g_dialogChooser;
VyrEdidChooser *g_installed = nullptr;

} // namespace

VyrEdidChooser *VyrEdidChooser::instance()
{
    return g_installed ? g_installed : &g_dialogChooser;
}

VyrEdidChooser *VyrEdidChooser::install(VyrEdidChooser *chooser)
{
    VyrEdidChooser *previous = g_installed;
    g_installed = chooser;
    return previous;
}
