// The scan of a driver file for the version markers "[WEX LIB=...]" that the driver's
// libraries leave in it.
#include "vyrdriverbridgeplugin.h"
#include "vyruiservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

const char kMarkerStart[] = "[WEX LIB=";

// A marker found in a file, through the translation of the plug-in's context. Text that
// cannot pass through it whole (it holds a NUL character) is kept as found.
QString translatedMarker(const QString &marker)
{
    const QByteArray utf8 = marker.toUtf8();
    if (utf8.contains('\0'))
        return marker;
    return QCoreApplication::translate("VyrDriverBridgePlugIn", utf8.constData());
}

} // namespace

QStringList VyrDriverBridgePlugIn::getDriverLibVersions(QString path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {tr("Failed to open file")};
    const QByteArray bytes = file.readAll();
    file.close();
    // The whole file, NUL bytes included: a marker may follow binary data.
    const QString text = QString::fromLocal8Bit(bytes.constData(), bytes.size());

    QStringList versions;
    const QString start = QLatin1String(kMarkerStart);
    int position = 0;
    for (;;) {
        const int begin = text.indexOf(start, position);
        if (begin < 0)
            break;
        const int end = text.indexOf(QLatin1Char(']'), begin);
        if (end < 0)
            break;
        versions << translatedMarker(text.mid(begin + 1, end - begin - 1));
        position = begin + 1;
    }
    if (versions.size() < 2)
        versions << tr("No Version Information");
    return versions;
}

void VyrDriverBridgePlugIn::onGetDriverLibVersions()
{
    VyrUiService *ui = VyrUiService::instance();
    // The scan reads any file; driver files stay the first choice.
    const QString path = ui->openFileName(tr("Open Driver File"), QDir::currentPath(),
                                          tr("Driver Files(*.sys);;All Files (*)"));
    if (path.isEmpty())
        return;
    QString text;
    for (const QString &version : getDriverLibVersions(path))
        text += version + QStringLiteral("\n\r");
    ui->message(VyrUiService::Icon::Information, tr("LIB VERSIONS:"), text, VyrUiService::Ok);
}
