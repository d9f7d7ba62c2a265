#pragma once

#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>

// The moment a benchmarked program has its window on screen, as both start-up programs
// report it: at a turn of the event loop once the window is exposed, "ready <steady clock in
// ns>" on standard output (the steady clock is the system's monotonic clock, which the
// measuring process reads as well); then the window is closed.
namespace BenchReady {

inline void markWhenShown(QWidget *window)
{
    QTimer::singleShot(0, window, [window] {
        if (!window->windowHandle() || !window->windowHandle()->isExposed()) {
            markWhenShown(window);
            return;
        }
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("ready %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        window->close();
    });
}

} // namespace BenchReady
