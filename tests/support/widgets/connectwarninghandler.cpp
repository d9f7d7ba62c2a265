#include "connectwarninghandler.h"

#include <QByteArray>
#include <QString>
#include <QTest>
#include <QtGlobal>

namespace VyrTest {

static QtMessageHandler s_previousHandler = nullptr;
static bool s_installed = false;

static void connectWarningHandler(QtMsgType type, const QMessageLogContext &context,
                                  const QString &message)
{
    if (s_previousHandler)
        s_previousHandler(type, context, message);
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QObject::connect"))) {
        const QByteArray text = "Qt connect warning: " + message.toLocal8Bit();
        QTest::qFail(text.constData(), context.file ? context.file : __FILE__,
                     context.file ? context.line : __LINE__);
    }
}

void installConnectWarningHandler()
{
    if (s_installed)
        return;
    s_previousHandler = qInstallMessageHandler(connectWarningHandler);
    s_installed = true;
}

void uninstallConnectWarningHandler()
{
    if (!s_installed)
        return;
    qInstallMessageHandler(s_previousHandler);
    s_previousHandler = nullptr;
    s_installed = false;
}

} // namespace VyrTest
