#pragma once
// Shared by both sides of the start benchmark: when a window's first frame is out, print the
// monotonic clock (the driver read the same clock just before it launched the process) and quit
// the event loop. The clock is read as the frame is swapped, not when the loop next turns: work
// the program queues for after its first frame is not part of the launch.
#include <QCoreApplication>
#include <QQuickWindow>

#include <cstdio>
#include <ctime>

inline void quitAtFirstFrame(QQuickWindow* window)
{
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [] {
            static bool printed = false;
            if (printed)
                return;
            printed = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("first-frame-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}
