// Built by the "layers" tests with the include paths of a Qt-Core-only library: the
// widget header below must not be found.
#include <QMessageBox>

int vyrLayerProbe()
{
    return QMessageBox::Ok;
}
