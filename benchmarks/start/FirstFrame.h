#pragma once
// Shared by both sides of the start benchmark: at the first frame a window has drawn, print
// the monotonic clock, the clock the driver read just before it launched the process, and
// quit the event loop.
#include <QCoreApplication>
#include <QQuickWindow>

#include <cstdio>
#include <ctime>

inline void quitAtFirstFrame(QQuickWindow* window)
{
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("first-frame-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}
