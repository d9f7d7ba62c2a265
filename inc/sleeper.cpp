#include "sleeper.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <climits>

namespace {

// Runs a local event loop until a single-shot timer of the given length quits it.
void waitProcessingEvents(unsigned long long milliseconds)
{
    // A timer runs at most INT_MAX ms; longer waits are made of several of them. A wait
    // of 0 ms still turns the loop once, handling the events already posted.
    do {
        const unsigned long long step = milliseconds > static_cast<unsigned long long>(INT_MAX)
                                            ? static_cast<unsigned long long>(INT_MAX)
                                            : milliseconds;
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(step), &loop, &QEventLoop::quit);
        loop.exec();
        milliseconds -= step;
    } while (milliseconds > 0);
}

} // namespace

void Sleeper::usleep(unsigned long microseconds)
{
    QThread::usleep(microseconds);
}

void Sleeper::msleep(unsigned long milliseconds, bool processEvents)
{
    if (processEvents)
        waitProcessingEvents(milliseconds);
    else
        QThread::msleep(milliseconds);
}

void Sleeper::sleep(unsigned long seconds, bool processEvents)
{
    if (processEvents)
        waitProcessingEvents(static_cast<unsigned long long>(seconds) * 1000ull);
    else
        QThread::sleep(seconds);
}
