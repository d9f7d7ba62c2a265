#include "recordinguiservice.h"

namespace VyrTest {

RecordingUiService::RecordingUiService()
    : m_previous(VyrUiService::install(this))
{}

RecordingUiService::~RecordingUiService()
{
    VyrUiService::install(m_previous);
}

int RecordingUiService::message(Icon icon, const QString &title, const QString &text, int buttons)
{
    Q_UNUSED(buttons)
    m_messages.append({icon, title, text});
    return m_answer;
}

QString RecordingUiService::openFileName(const QString &, const QString &, const QString &)
{
    return QString();
}

void RecordingUiService::beginProgress(const QString &, int, int)
{}

void RecordingUiService::setProgress(int)
{}

void RecordingUiService::endProgress()
{}

} // namespace VyrTest
