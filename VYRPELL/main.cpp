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
static int runMainWindow()
{
    const QStringList arguments = QCoreApplication::arguments();
    // The program ends through the window's close handling only.
    QApplication::setQuitOnLastWindowClosed(false);

    MainWindow window(arguments, nullptr);

    QSplashScreen splash(QPixmap(QStringLiteral(":/icons/Images/vyr4.png")));
    splash.show();
    splash.activateWindow();
    showSplashMessage(splash, QCoreApplication::translate("main", "Starting..."));

    window.show();
    splash.raise();

    window.InitializeComponents(&splash);
    // The window can be closed while start-up still runs (the splash screen lets
    // events through); quitting then came before the event loop and would be lost.
    if (window.isShutDown())
        return 0;

    showSplashMessage(splash, QCoreApplication::translate("main", "Ready..."));
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
    const int result = runMainWindow();
    VyrUiService::install(previous);
    return result;
}
