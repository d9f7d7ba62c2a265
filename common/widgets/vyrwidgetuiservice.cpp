#include "vyrwidgetuiservice.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>

static constexpr bool sameButton(VyrUiService::Button ours, QMessageBox::StandardButton theirs)
{
    return static_cast<int>(ours) == static_cast<int>(theirs);
}

// The seam's buttons are the toolkit's standard buttons, value for value.
static_assert(sameButton(VyrUiService::Ok, QMessageBox::Ok)
                  && sameButton(VyrUiService::Save, QMessageBox::Save)
                  && sameButton(VyrUiService::Open, QMessageBox::Open)
                  && sameButton(VyrUiService::Yes, QMessageBox::Yes)
                  && sameButton(VyrUiService::No, QMessageBox::No)
                  && sameButton(VyrUiService::Abort, QMessageBox::Abort)
                  && sameButton(VyrUiService::Retry, QMessageBox::Retry)
                  && sameButton(VyrUiService::Ignore, QMessageBox::Ignore)
                  && sameButton(VyrUiService::Close, QMessageBox::Close)
                  && sameButton(VyrUiService::Cancel, QMessageBox::Cancel)
                  && sameButton(VyrUiService::Discard, QMessageBox::Discard),
              "VyrUiService::Button must match QMessageBox::StandardButton");

static QMessageBox::Icon messageBoxIcon(VyrUiService::Icon icon)
{
    switch (icon) {
    case VyrUiService::Icon::Information:
        return QMessageBox::Information;
    case VyrUiService::Icon::Warning:
        return QMessageBox::Warning;
    case VyrUiService::Icon::Critical:
        return QMessageBox::Critical;
    case VyrUiService::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

VyrWidgetUiService::VyrWidgetUiService() = default;

VyrWidgetUiService::~VyrWidgetUiService()
{
    endProgress();
}

int VyrWidgetUiService::message(Icon icon, const QString &title, const QString &text, int buttons)
{
    // The button values are the toolkit's own, so they pass straight through.
    const QMessageBox::StandardButtons standardButtons(buttons == NoButton ? Ok : buttons);
    QMessageBox box(messageBoxIcon(icon), title, text, standardButtons);
    return box.exec();
}

QString VyrWidgetUiService::openFileName(const QString &caption, const QString &directory,
                                         const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, directory, filter);
}

QString VyrWidgetUiService::saveFileName(const QString &caption, const QString &directory,
                                         const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, directory, filter);
}

QString VyrWidgetUiService::saveFileNameWithFilter(const QString &caption, const QString &directory,
                                                   const QString &filter, QString *selectedFilter)
{
    QFileDialog dialog(QApplication::activeWindow(), caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The chosen entry's suffix goes onto a name typed without one before the dialog asks
    // whether to replace a file, so the question is about the file that will be written.
    const auto followFilter = [&dialog](const QString &entry) {
        dialog.setDefaultSuffix(filterSuffix(entry));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);
    followFilter(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

void VyrWidgetUiService::beginProgress(const QString &label, int minimum, int maximum)
{
    endProgress();
    // No cancel button: the wait it shows cannot be broken off.
    m_progress =
        new QProgressDialog(label, QString(), minimum, maximum, QApplication::activeWindow());
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setValue(minimum);
    m_progress->show();
    QCoreApplication::processEvents();
}

void VyrWidgetUiService::setProgress(int value)
{
    if (!m_progress)
        return;
    m_progress->setValue(value);
    // Let the dialog and the window behind it repaint during the wait.
    QCoreApplication::processEvents();
}

QProgressDialog *VyrWidgetUiService::progressDialog() const
{
    return m_progress.data();
}

void VyrWidgetUiService::endProgress()
{
    delete m_progress.data();
    m_progress = nullptr;
}

void VyrWidgetUiService::showStatusMessage(const QString &text, int timeoutMs)
{
    if (m_statusBar)
        m_statusBar->showMessage(text, timeoutMs);
    else
        qDebug().noquote() << "Status:" << text;
}

void VyrWidgetUiService::setStatusBar(QStatusBar *statusBar)
{
    m_statusBar = statusBar;
}
