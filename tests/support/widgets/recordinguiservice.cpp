#include "recordinguiservice.h"

namespace VyrTest {

RecordingUiService::RecordingUiService()
    : m_previous(VyrUiService::install(this))
{}

RecordingUiService::~RecordingUiService()
{
    VyrUiService::install(m_previous);
}

QStringList RecordingUiService::messageLines() const
{
    QStringList lines;
    for (const UiMessage &message : m_messages)
        lines << message.title + QLatin1Char('|') + message.text;
    return lines;
}

void RecordingUiService::clear()
{
    m_messages.clear();
    m_fileRequests.clear();
    m_progress.clear();
    m_statusMessages.clear();
}

int RecordingUiService::message(Icon icon, const QString &title, const QString &text, int buttons)
{
    const int offered = buttons == NoButton ? Ok : buttons;
    m_messages.append(UiMessage{icon, title, text, offered});
    if (m_whileShown)
        m_whileShown();
    if (m_button != NoButton)
        return m_button;
    return (offered & Ok) != 0 ? Ok : NoButton;
}

QString RecordingUiService::openFileName(const QString &caption, const QString &directory,
                                         const QString &filter)
{
    m_fileRequests.append(UiFileRequest{caption, directory, filter, false, QString()});
    return m_fileName;
}

QString RecordingUiService::saveFileName(const QString &caption, const QString &directory,
                                         const QString &filter)
{
    m_fileRequests.append(UiFileRequest{caption, directory, filter, true, QString()});
    return m_fileName;
}

QString RecordingUiService::saveFileNameWithFilter(const QString &caption, const QString &directory,
                                                   const QString &filter, QString *selectedFilter)
{
    const QString start = selectedFilter ? *selectedFilter : QString();
    m_fileRequests.append(UiFileRequest{caption, directory, filter, true, start});
    if (selectedFilter && !m_fileName.isEmpty() && !m_selectedFilter.isEmpty())
        *selectedFilter = m_selectedFilter;
    return m_fileName;
}

void RecordingUiService::beginProgress(const QString &label, int minimum, int maximum)
{
    UiProgress progress;
    progress.label = label;
    progress.minimum = minimum;
    progress.maximum = maximum;
    m_progress.append(progress);
}

void RecordingUiService::setProgress(int value)
{
    if (!m_progress.isEmpty() && !m_progress.last().ended)
        m_progress.last().values.append(value);
}

void RecordingUiService::endProgress()
{
    if (!m_progress.isEmpty())
        m_progress.last().ended = true;
}

void RecordingUiService::showStatusMessage(const QString &text, int timeoutMs)
{
    Q_UNUSED(timeoutMs)
    m_statusMessages.append(text);
}

} // namespace VyrTest
