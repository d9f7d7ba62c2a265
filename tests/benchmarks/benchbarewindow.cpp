// The reference of the start-up benchmark: a bare Qt main window of the program's size, shown
// and reported as soon as it is on screen.
#include "benchready.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    BenchReady::markWhenShown(&window);
    return QApplication::exec();
}
