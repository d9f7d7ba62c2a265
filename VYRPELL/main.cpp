#include "mainwindow.h"
#include "vyrwidgetuiservice.h"

#include <QApplication>
#include <QPixmap>
#include <QSplashScreen>
#include <QStringList>
#include <QTimer>

static void showSplashMessage(QSplashScreen &splash, const QString &message)
{
    splash.showMessage(message, Qt::AlignRight | Qt::AlignTop, Qt::white);
}

// Runs the main window from start-up to the end of the event loop.
static int runMainWindow(VyrWidgetUiService *uiService)
{
    const QStringList arguments = QCoreApplication::arguments();
    // The program ends through the window's close handling only.
    QApplication::setQuitOnLastWindowClosed(false);

    MainWindow window(arguments, nullptr);
    // Notes of the UI seam (what an editor refused) go to the window's status bar.
    uiService->setStatusBar(window.statusBar());

    QSplashScreen splash(QPixmap(QStringLiteral(":/icons/Images/vyr4.png")));
    splash.show();
    splash.activateWindow();
    showSplashMessage(splash, QCoreApplication::translate("main", "Starting..."));

    window.show();
    splash.raise();

    window.InitializeComponents(&splash);
    if (!window.isShutDown())
        showSplashMessage(splash, QCoreApplication::translate("main", "Ready..."));
    // The window can be closed while start-up still runs (every splash message lets
    // events through); quitting then came before the event loop and would be lost.
    if (window.isShutDown())
        return 0;

    QTimer::singleShot(1000, &splash, &QWidget::close);
    return QApplication::exec();
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Message boxes, file choice and progress of the device library and the plug-ins
    // are shown with widgets from before the first plug-in loads until the window is
    // gone.
    VyrWidgetUiService uiService;
    VyrUiService *const previous = VyrUiService::install(&uiService);
    const int result = runMainWindow(&uiService);
    VyrUiService::install(previous);
    return result;
}
