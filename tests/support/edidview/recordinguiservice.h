#pragma once

#include "vyruiservice.h"

#include <QList>
#include <QString>

namespace VyrTest {

// A UI service that shows nothing: it records every message and answers answer() (OK by
// default). It is installed for its lifetime and puts the previous service back.
class RecordingUiService : public VyrUiService
{
public:
    struct Message
    {
        Icon icon;
        QString title;
        QString text;
    };

    RecordingUiService();
    ~RecordingUiService() override;

    RecordingUiService(const RecordingUiService &) = delete;
    RecordingUiService &operator=(const RecordingUiService &) = delete;

    const QList<Message> &messages() const { return m_messages; }
    void setAnswer(int button) { m_answer = button; }

    int message(Icon icon, const QString &title, const QString &text, int buttons) override;
    QString openFileName(const QString &caption, const QString &directory,
                         const QString &filter) override;
    void beginProgress(const QString &label, int minimum, int maximum) override;
    void setProgress(int value) override;
    void endProgress() override;

private:
    VyrUiService *m_previous;
    QList<Message> m_messages;
    int m_answer = Ok;
};

} // namespace VyrTest
