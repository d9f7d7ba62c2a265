#pragma once

#include "vyrbaselogger.h"

#include <QPointer>

class QTextEdit;

// Log sink that appends each line as a paragraph to a text edit, coloured by its
// type. The text edit is not owned; once it is gone, lines are dropped.
class VyrTextWindowLog : public VyrBaseLogger
{
public:
    explicit VyrTextWindowLog(QTextEdit *textEdit);

    void OnLogStringOut(AppLogType type, const QString &line) override;

private:
    QPointer<QTextEdit> m_textEdit;
};
