#include "mainwindow.h"

#include <QApplication>
#include <QPixmap>
#include <QSplashScreen>
#include <QStringList>
#include <QTimer>

static void showSplashMessage(QSplashScreen &splash, const QString &message)
{
    splash.showMessage(message, Qt::AlignRight | Qt::AlignTop, Qt::white);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
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

    showSplashMessage(splash, QCoreApplication::translate("main", "Ready..."));
    QTimer::singleShot(1000, &splash, &QWidget::close);
    return QApplication::exec();
}
