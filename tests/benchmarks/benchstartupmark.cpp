#include "benchstartupmark.h"

#include "benchready.h"
#include "workspacelayout.h"

#include <QMainWindow>

void BenchStartupMark::initPlugin(WorkSpaceLayout *layout)
{
    m_window = layout ? layout->mainWindow : nullptr;
}

void BenchStartupMark::setSystemManager(VyrSystemManager *)
{
    // Every plug-in is initialised and has the model now.
    if (m_window)
        BenchReady::markWhenShown(m_window);
}
