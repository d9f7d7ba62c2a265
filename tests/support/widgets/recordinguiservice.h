#pragma once

#include "vyruiservice.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace VyrTest {

// One message the code under test showed through the UI seam.
struct UiMessage
{
    VyrUiService::Icon icon = VyrUiService::Icon::Information;
    QString title;
    QString text;
    int buttons = VyrUiService::Ok; // the buttons offered
};

// One request for a file to open or to save under.
struct UiFileRequest
{
    QString caption;
    QString directory;
    QString filter;
    bool save = false;      // asked through saveFileName() or saveFileNameWithFilter()
    QString selectedFilter; // the entry saveFileNameWithFilter() was to start with
};

// One progress dialog from beginProgress() on: its label, range, every value set, and
// whether endProgress() closed it.
struct UiProgress
{
    QString label;
    int minimum = 0;
    int maximum = 0;
    QList<int> values;
    bool ended = false;
};

// The UI seam as a test sees it: installed for the life of the object (the service
// installed before comes back afterwards), it shows nothing and never blocks, records
// every message, file request, progress step and status bar note, and answers with the button and
// the file name set beforehand.
//
//     VyrTest::RecordingUiService ui;
//     ui.setButton(VyrUiService::No);
//     codeUnderTest();                       // asks a question through the seam
//     QCOMPARE(ui.messages().size(), 1);
class RecordingUiService : public VyrUiService
{
public:
    RecordingUiService();
    ~RecordingUiService() override;

    RecordingUiService(const RecordingUiService &) = delete;
    RecordingUiService &operator=(const RecordingUiService &) = delete;

    // The answer of message(). NoButton (the default) answers as the headless service
    // does: Ok when the message offers it, NoButton otherwise.
    void setButton(int button) { m_button = button; }
    // The answer of openFileName() and saveFileName(); empty (the user cancelled) by default.
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    // The filter entry saveFileNameWithFilter() reports as chosen when it answers a file name;
    // empty (the default): the entry it was to start with.
    void setSelectedFilter(const QString &filter) { m_selectedFilter = filter; }
    // Runs while a message is "up", as the user's events do while a real modal box is
    // open (to test re-entrancy); none by default.
    void setWhileShown(std::function<void()> whileShown) { m_whileShown = std::move(whileShown); }

    const QList<UiMessage> &messages() const { return m_messages; }
    UiMessage lastMessage() const { return m_messages.isEmpty() ? UiMessage() : m_messages.last(); }
    // Every message as "title|text", for comparing a whole sequence at once.
    QStringList messageLines() const;
    const QList<UiFileRequest> &fileRequests() const { return m_fileRequests; }
    const QList<UiProgress> &progress() const { return m_progress; }
    // Every status bar note, in order, and the last one (empty when there was none).
    const QStringList &statusMessages() const { return m_statusMessages; }
    QString lastStatusMessage() const
    {
        return m_statusMessages.isEmpty() ? QString() : m_statusMessages.last();
    }
    // Whether a progress dialog is up (begun and not yet ended).
    bool progressOpen() const { return !m_progress.isEmpty() && !m_progress.last().ended; }
    void clear();

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
    void showStatusMessage(const QString &text, int timeoutMs) override;

private:
    VyrUiService *m_previous = nullptr;
    int m_button = NoButton;
    QString m_fileName;
    QString m_selectedFilter;
    std::function<void()> m_whileShown;
    QList<UiMessage> m_messages;
    QList<UiFileRequest> m_fileRequests;
    QList<UiProgress> m_progress;
    QStringList m_statusMessages;
};

} // namespace VyrTest
