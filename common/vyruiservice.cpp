#include "vyruiservice.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

// Answers without showing anything: what runs when no window system is in use.
class HeadlessUiService : public VyrUiService
{
public:
    int message(Icon, const QString &title, const QString &text, int buttons) override
    {
        qDebug().noquote() << "Message:" << title << "-" << text;
        return buttons == NoButton || (buttons & Ok) ? Ok : NoButton;
    }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    void beginProgress(const QString &, int, int) override {}
    void setProgress(int) override {}
    void endProgress() override {}
    QString saveFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileNameWithFilter(const QString &, const QString &, const QString &,
                                   QString *) override
    {
        return QString();
    }
    void showStatusMessage(const QString &text, int) override
    {
        qDebug().noquote() << "Status:" << text;
    }
};

HeadlessUiService g_headless;
VyrUiService *g_installed = nullptr;

} // namespace

VyrUiService *VyrUiService::instance()
{
    return g_installed ? g_installed : &g_headless;
}

VyrUiService *VyrUiService::install(VyrUiService *service)
{
    VyrUiService *previous = g_installed;
    g_installed = service;
    return previous;
}

QString VyrUiService::filterSuffix(const QString &filterEntry)
{
    // The patterns stand in the entry's parentheses, separated by spaces: "(*.bin *.dat)".
    static const QRegularExpression pattern(QStringLiteral("\\(\\s*\\*\\.([^\\s*?)]+)"));
    return pattern.match(filterEntry).captured(1);
}
