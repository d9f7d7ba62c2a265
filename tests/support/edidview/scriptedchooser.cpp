#include "scriptedchooser.h"

namespace VyrTest {

ScriptedChooser::ScriptedChooser()
    : m_previous(VyrEdidChooser::install(this))
{}

ScriptedChooser::~ScriptedChooser()
{
    VyrEdidChooser::install(m_previous);
}

bool ScriptedChooser::choose(const QStringList &names, int *row, QString *name)
{
    m_offers.append(names);
    const QString wanted = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    const int index = wanted.isEmpty() ? -1 : names.indexOf(wanted);
    if (index < 0)
        return false;
    if (row)
        *row = index;
    if (name)
        *name = wanted;
    return true;
}

} // namespace VyrTest
