#include "vyrtextwindowlog.h"

#include <QColor>
#include <QTextEdit>

VyrTextWindowLog::VyrTextWindowLog(QTextEdit *textEdit)
    : VyrBaseLogger(0xFFFFFFFFu)
    , m_textEdit(textEdit)
{}

// Colour of a single type bit; false for any other value (the line keeps the
// colour that is current).
static bool typeColour(AppLogType type, QColor &colour)
{
    switch (type) {
    case AppLogInfo:
        colour = Qt::black;
        return true;
    case AppLogWarning:
    case AppLogPerformance:
        colour = Qt::blue;
        return true;
    case AppLogError:
        colour = Qt::red;
        return true;
    case AppLogTest:
        colour = Qt::darkCyan;
        return true;
    case AppLogNetwork:
        colour = Qt::darkGreen;
        return true;
    case AppLogNetworkFail:
        colour = Qt::magenta;
        return true;
    default:
        return false;
    }
}

void VyrTextWindowLog::OnLogStringOut(AppLogType type, const QString &line)
{
    if (!m_textEdit)
        return;
    QColor colour;
    if (typeColour(type, colour))
        m_textEdit->setTextColor(colour);
    m_textEdit->append(line);
}
