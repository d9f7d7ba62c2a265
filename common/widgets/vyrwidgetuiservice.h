#pragma once

#include "vyruiservice.h"

#include <QPointer>

class QProgressDialog;
class QStatusBar;

// The device library's UI seam shown with widgets: a parentless modal message box, the
// toolkit's open-file and save-file dialogs, a window-modal progress dialog without a
// cancel button, and notes in the main window's status bar. The program installs one at start-up
// (VyrUiService::install), hands it the status bar once its window is made, and takes it out
// again before it ends.
class VyrWidgetUiService : public VyrUiService
{
public:
    VyrWidgetUiService();
    ~VyrWidgetUiService() override;

    VyrWidgetUiService(const VyrWidgetUiService &) = delete;
    VyrWidgetUiService &operator=(const VyrWidgetUiService &) = delete;

    int message(Icon icon, const QString &title, const QString &text, int buttons) override;
    QString openFileName(const QString &caption, const QString &directory,
                         const QString &filter) override;
    void beginProgress(const QString &label, int minimum, int maximum) override;
    void setProgress(int value) override;
    void endProgress() override;
    QString saveFileName(const QString &caption, const QString &directory,
                         const QString &filter) override;
    QString saveFileNameWithFilter(const QString &caption, const QString &directory,
                                   const QString &filter, QString *selectedFilter) override;
    // Shown in the status bar set with setStatusBar(); written to the debug log without one.
    void showStatusMessage(const QString &text, int timeoutMs) override;

    // The bar that shows the notes (not owned; it may go before the service).
    void setStatusBar(QStatusBar *statusBar);

    // The progress dialog while one is shown; null otherwise.
    QProgressDialog *progressDialog() const;

private:
    // Belongs to the window it is modal to, which may close first.
    QPointer<QProgressDialog> m_progress;
    QPointer<QStatusBar> m_statusBar;
};
